// Descriptor lists of "Configuration" > "Link Aggregation".
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef AggregatorPortList[];
extern const SnmpVarDef AggregatorTableList[];
extern const SnmpVarDef AggregationPortList[];
extern const SnmpVarDef AggPortStateList[];
extern const SnmpVarDef AggPortDebugList[];
