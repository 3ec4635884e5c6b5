// Descriptor lists of "Advanced Configuration" > "QoS Management".
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef QosMechanismList[];
extern const SnmpVarDef BandwidthControlList[];
extern const SnmpVarDef QosSchedulingList[];
extern const SnmpVarDef UserPriorityList[];
extern const SnmpVarDef DefaultPriorityList[];
