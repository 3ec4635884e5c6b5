// Descriptor lists of "Bridge" > "802.1d".
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef Bridge8021dInfoList[];
extern const SnmpVarDef Bridge8021dPortList[];
