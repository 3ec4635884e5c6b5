// Descriptor lists of the "SNMP V3" menu.
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef SnmpEngineList[];
extern const SnmpVarDef SnmpMpdList[];
extern const SnmpVarDef SnmpTargetObjectsList[];
extern const SnmpVarDef SnmpTargetAddrList[];
extern const SnmpVarDef SnmpTargetParamsList[];
extern const SnmpVarDef UsmStatsList[];
extern const SnmpVarDef UsmUserList[];
extern const SnmpVarDef VacmGroupList[];
extern const SnmpVarDef VacmAccessList[];
extern const SnmpVarDef VacmViewTreeList[];
extern const SnmpVarDef SnmpNotifyList[];
extern const SnmpVarDef SnmpNotifyProfileList[];
extern const SnmpVarDef SnmpNotifyFilterList[];
extern const SnmpVarDef SnmpCommunityList[];
extern const SnmpVarDef SnmpCommunityTargetList[];
