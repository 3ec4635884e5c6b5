// Descriptor lists of "Configuration" > "Trust Host Management".
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef TrustHostDeleteAllList[];
