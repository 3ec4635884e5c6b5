// Descriptor lists of "Configuration" > "Trust Host Management".
#pragma once

#include "MvSNMPVarList.h"

extern const SnmpVarDef TrustHostDeleteAllList[];
