// Descriptor list of EtherLike-MIB (RFC 3635): dot3StatsTable, the Ethernet error counters.
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef Dot3StatsList[];
