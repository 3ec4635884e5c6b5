// Descriptor lists of "Bridge" > "Spanning Tree".
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef StpManagementList[];
extern const SnmpVarDef StpPortInformationList[];
