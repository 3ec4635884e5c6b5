// Descriptor lists of "Security Management" > "Authentication Mode Setting".
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef AuthModeList[];
