// Descriptor lists of RMON (RFC 2819): Ethernet statistics, history control with its Ethernet
// history samples, alarms and events.
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef RmonEtherStatsList[];
extern const SnmpVarDef RmonHistoryControlList[];
extern const SnmpVarDef RmonEtherHistoryList[];
extern const SnmpVarDef RmonAlarmList[];
extern const SnmpVarDef RmonEventList[];
