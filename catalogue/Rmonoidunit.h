// Descriptor lists of the "RMON" menu (also read by the main window).
#pragma once

#include "MvSNMPVarList.h"

extern const SnmpVarDef RmonStateList[];
