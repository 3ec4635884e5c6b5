// Descriptor lists of "Configuration" > "Single IP Management".
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef SingleIpInformationList[];
extern const SnmpVarDef SingleIpControlList[];
extern const SnmpVarDef SingleIpMsList[];
extern const SnmpVarDef SingleIpCasList[];
extern const SnmpVarDef SingleIpGroupList[];
extern const SnmpVarDef SingleIpNeighborList[];
