// Descriptor lists of the "VLAN" menu ("802.1P", "802.1Q").
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef Priority8021pBasicList[];
extern const SnmpVarDef Vlan8021qBasicList[];
