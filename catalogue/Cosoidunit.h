// Descriptor lists of "Advanced Configuration" > "CoS Management".
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef CosPriorityList[];
extern const SnmpVarDef CosPortPriList[];
extern const SnmpVarDef CosMacPriList[];
extern const SnmpVarDef CosTosPriList[];
extern const SnmpVarDef CosDscpPriList[];
