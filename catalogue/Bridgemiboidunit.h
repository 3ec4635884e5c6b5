// Descriptor lists of BRIDGE-MIB (RFC 4188) and its 802.1p/802.1Q extensions (RFC 4363): the
// static filtering table, the transparent-bridge port counters, priority, GARP, GMRP, the port
// capabilities, the port VLAN settings and the 802.1Q forwarding table.
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef BridgeStaticTableList[];
extern const SnmpVarDef BridgeTpPortTableList[];
extern const SnmpVarDef PBridgeExtBaseList[];
extern const SnmpVarDef PBridgePortPriorityList[];
extern const SnmpVarDef PBridgeRegenPriorityList[];
extern const SnmpVarDef PBridgeTrafficClassList[];
extern const SnmpVarDef PBridgeGmrpStatusList[];
extern const SnmpVarDef PBridgePortGmrpList[];
extern const SnmpVarDef PBridgePortGarpList[];
extern const SnmpVarDef PBridgePortCapabilitiesList[];
extern const SnmpVarDef QBridgePortVlanList[];
extern const SnmpVarDef QBridgeTpFdbList[];
