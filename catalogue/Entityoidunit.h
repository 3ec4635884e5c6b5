// Descriptor lists of ENTITY-MIB (RFC 4133): the physical and logical entities and the three
// mapping tables between them.
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef EntPhysicalList[];
extern const SnmpVarDef EntLogicalList[];
extern const SnmpVarDef EntLPMappingList[];
extern const SnmpVarDef EntAliasMappingList[];
extern const SnmpVarDef EntPhysicalContainsList[];
