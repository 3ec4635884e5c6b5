// Descriptor lists of the "RMON" menu (also read by the main window).
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef RmonStateList[];
