// Descriptor lists of the "Advanced Configuration" menu's own entries.
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef TrafficControlList[];
extern const SnmpVarDef TrafficSegmentList[];
extern const SnmpVarDef PortErrorList[];
extern const SnmpVarDef PortSecurityList[];
