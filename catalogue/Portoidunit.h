// Descriptor lists of "Advanced Configuration" > "Port Management".
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef TrunkInformationList[];
extern const SnmpVarDef PortTrunkList[];
extern const SnmpVarDef LacpPortList[];
extern const SnmpVarDef TrunkVlanList[];
extern const SnmpVarDef PortMirrorList[];
extern const SnmpVarDef PortInformationList[];
extern const SnmpVarDef PortControlList[];
