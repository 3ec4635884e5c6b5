// Descriptor lists of "Security Management" > "RADIUS Management".
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef RadiusBasicList[];
extern const SnmpVarDef RadiusServerList[];
extern const SnmpVarDef RadiusAuthInfoList[];
extern const SnmpVarDef RadiusAuthServerList[];
extern const SnmpVarDef RadiusAcctControlList[];
extern const SnmpVarDef RadiusAcctServiceList[];
extern const SnmpVarDef RadiusAcctInfoList[];
extern const SnmpVarDef RadiusAcctServerList[];
extern const SnmpVarDef MacAuthStateList[];
extern const SnmpVarDef MacAuthStatsList[];
extern const SnmpVarDef MacAuthDiagList[];
extern const SnmpVarDef MacAuthSessionList[];
