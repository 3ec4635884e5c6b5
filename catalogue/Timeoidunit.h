// Descriptor lists of "Configuration" > "Time Management".
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef SystemTimeInfoList[];
extern const SnmpVarDef SystemTimeSetList[];
extern const SnmpVarDef SntpList[];
