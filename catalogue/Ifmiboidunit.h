// Descriptor lists of IF-MIB (RFC 2863): the interface counts and change times, ifXTable with its
// 64-bit counters, and ifStackTable.
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef IfMibGeneralList[];
extern const SnmpVarDef IfMibIfXTableList[];
extern const SnmpVarDef IfMibStackTableList[];
