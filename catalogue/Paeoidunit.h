// Descriptor lists of "Security Management" > "802.1X".
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef SystemAuthControlList[];
extern const SnmpVarDef PaeSystemList[];
extern const SnmpVarDef PaeAuthenticatorList[];
extern const SnmpVarDef PaeAuthStatsList[];
extern const SnmpVarDef PaeAuthDiagList[];
extern const SnmpVarDef PaeAuthSessionList[];
extern const SnmpVarDef PaeSuppConfigList[];
extern const SnmpVarDef PaeSuppStatsList[];
extern const SnmpVarDef EapolForwardList[];
extern const SnmpVarDef EapolForwardPortList[];
