// Descriptor lists of the main window's status reads.
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef ModuleTypeList[];
