// Descriptor lists of "Advanced Configuration" > "IGMP Management".
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef IgmpInformationList[];
extern const SnmpVarDef IgmpControlList[];
extern const SnmpVarDef IgmpQueryList[];
extern const SnmpVarDef IgmpTableList[];
extern const SnmpVarDef IgmpAccessAuthList[];
