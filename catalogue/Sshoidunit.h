// Descriptor lists of "Security Management" > "SSH".
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef SshManagementList[];
extern const SnmpVarDef SshAlgorithmList[];
extern const SnmpVarDef SshAuthMethodList[];
extern const SnmpVarDef SshUserList[];
