// Descriptor lists of "Security Management" > "Authentication Mode Setting".
#pragma once

#include "MvSNMPVarList.h"

extern const SnmpVarDef AuthModeList[];
