#include "catalogue/Rmonmiboidunit.h"

#include "catalogue/StandardMibOptions.h"

namespace {
constexpr quint32 RO = Access::ReadOnly;
constexpr quint32 Key = Access::NotAccess;
}  // namespace

// etherStatsTable (1.3.6.1.2.1.16.1.1).
constinit const SnmpVarDef RmonEtherStatsList[] = {
    {"1.3.6.1.2.1.16.1.1.1.1", "etherStatsIndex", Syntax::Integer, Key},
    {"1.3.6.1.2.1.16.1.1.1.2", "etherStatsDataSource", Syntax::ObjectId, RO},
    {"1.3.6.1.2.1.16.1.1.1.3", "etherStatsDropEvents", Syntax::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.4", "etherStatsOctets", Syntax::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.5", "etherStatsPkts", Syntax::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.6", "etherStatsBroadcastPkts", Syntax::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.7", "etherStatsMulticastPkts", Syntax::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.8", "etherStatsCRCAlignErrors", Syntax::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.9", "etherStatsUndersizePkts", Syntax::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.10", "etherStatsOversizePkts", Syntax::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.11", "etherStatsFragments", Syntax::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.12", "etherStatsJabbers", Syntax::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.13", "etherStatsCollisions", Syntax::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.14", "etherStatsPkts64Octets", Syntax::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.15", "etherStatsPkts65to127Octets", Syntax::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.16", "etherStatsPkts128to255Octets", Syntax::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.17", "etherStatsPkts256to511Octets", Syntax::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.18", "etherStatsPkts512to1023Octets", Syntax::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.19", "etherStatsPkts1024to1518Octets", Syntax::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.20", "etherStatsOwner", Syntax::DisplayStr, RO},
    {"1.3.6.1.2.1.16.1.1.1.21", "etherStatsStatus", Syntax::Integer, RO, &EntryStatusOptions},
    {},
};

// historyControlTable (1.3.6.1.2.1.16.2.1).
constinit const SnmpVarDef RmonHistoryControlList[] = {
    {"1.3.6.1.2.1.16.2.1.1.1", "historyControlIndex", Syntax::Integer, Key},
    {"1.3.6.1.2.1.16.2.1.1.2", "historyControlDataSource", Syntax::ObjectId, RO},
    {"1.3.6.1.2.1.16.2.1.1.3", "historyControlBucketsRequested", Syntax::Integer, RO},
    {"1.3.6.1.2.1.16.2.1.1.4", "historyControlBucketsGranted", Syntax::Integer, RO},
    {"1.3.6.1.2.1.16.2.1.1.5", "historyControlInterval", Syntax::Integer, RO},
    {"1.3.6.1.2.1.16.2.1.1.6", "historyControlOwner", Syntax::DisplayStr, RO},
    {"1.3.6.1.2.1.16.2.1.1.7", "historyControlStatus", Syntax::Integer, RO, &EntryStatusOptions},
    {},
};

// etherHistoryTable (1.3.6.1.2.1.16.2.2), indexed by control entry and sample.
constinit const SnmpVarDef RmonEtherHistoryList[] = {
    {"1.3.6.1.2.1.16.2.2.1.1", "etherHistoryIndex", Syntax::Integer, Key},
    {"1.3.6.1.2.1.16.2.2.1.2", "etherHistorySampleIndex", Syntax::Integer, Key},
    {"1.3.6.1.2.1.16.2.2.1.3", "etherHistoryIntervalStart", Syntax::TimeTicks, RO},
    {"1.3.6.1.2.1.16.2.2.1.4", "etherHistoryDropEvents", Syntax::Counter, RO},
    {"1.3.6.1.2.1.16.2.2.1.5", "etherHistoryOctets", Syntax::Counter, RO},
    {"1.3.6.1.2.1.16.2.2.1.6", "etherHistoryPkts", Syntax::Counter, RO},
    {"1.3.6.1.2.1.16.2.2.1.7", "etherHistoryBroadcastPkts", Syntax::Counter, RO},
    {"1.3.6.1.2.1.16.2.2.1.8", "etherHistoryMulticastPkts", Syntax::Counter, RO},
    {"1.3.6.1.2.1.16.2.2.1.9", "etherHistoryCRCAlignErrors", Syntax::Counter, RO},
    {"1.3.6.1.2.1.16.2.2.1.10", "etherHistoryUndersizePkts", Syntax::Counter, RO},
    {"1.3.6.1.2.1.16.2.2.1.11", "etherHistoryOversizePkts", Syntax::Counter, RO},
    {"1.3.6.1.2.1.16.2.2.1.12", "etherHistoryFragments", Syntax::Counter, RO},
    {"1.3.6.1.2.1.16.2.2.1.13", "etherHistoryJabbers", Syntax::Counter, RO},
    {"1.3.6.1.2.1.16.2.2.1.14", "etherHistoryCollisions", Syntax::Counter, RO},
    {"1.3.6.1.2.1.16.2.2.1.15", "etherHistoryUtilization", Syntax::Integer, RO},
    {},
};

// alarmTable (1.3.6.1.2.1.16.3.1).
constinit const SnmpVarDef RmonAlarmList[] = {
    {"1.3.6.1.2.1.16.3.1.1.1", "alarmIndex", Syntax::Integer, Key},
    {"1.3.6.1.2.1.16.3.1.1.2", "alarmInterval", Syntax::Integer, RO},
    {"1.3.6.1.2.1.16.3.1.1.3", "alarmVariable", Syntax::ObjectId, RO},
    {"1.3.6.1.2.1.16.3.1.1.4", "alarmSampleType", Syntax::Integer, RO, &AlarmSampleTypeOptions},
    {"1.3.6.1.2.1.16.3.1.1.5", "alarmValue", Syntax::Integer, RO},
    {"1.3.6.1.2.1.16.3.1.1.6", "alarmStartupAlarm", Syntax::Integer, RO, &AlarmStartupOptions},
    {"1.3.6.1.2.1.16.3.1.1.7", "alarmRisingThreshold", Syntax::Integer, RO},
    {"1.3.6.1.2.1.16.3.1.1.8", "alarmFallingThreshold", Syntax::Integer, RO},
    {"1.3.6.1.2.1.16.3.1.1.9", "alarmRisingEventIndex", Syntax::Integer, RO},
    {"1.3.6.1.2.1.16.3.1.1.10", "alarmFallingEventIndex", Syntax::Integer, RO},
    {"1.3.6.1.2.1.16.3.1.1.11", "alarmOwner", Syntax::DisplayStr, RO},
    {"1.3.6.1.2.1.16.3.1.1.12", "alarmStatus", Syntax::Integer, RO, &EntryStatusOptions},
    {},
};

// eventTable (1.3.6.1.2.1.16.9.1).
constinit const SnmpVarDef RmonEventList[] = {
    {"1.3.6.1.2.1.16.9.1.1.1", "eventIndex", Syntax::Integer, Key},
    {"1.3.6.1.2.1.16.9.1.1.2", "eventDescription", Syntax::DisplayStr, RO},
    {"1.3.6.1.2.1.16.9.1.1.3", "eventType", Syntax::Integer, RO, &EventTypeOptions},
    {"1.3.6.1.2.1.16.9.1.1.4", "eventCommunity", Syntax::DisplayStr, RO},
    {"1.3.6.1.2.1.16.9.1.1.5", "eventLastTimeSent", Syntax::TimeTicks, RO},
    {"1.3.6.1.2.1.16.9.1.1.6", "eventOwner", Syntax::DisplayStr, RO},
    {"1.3.6.1.2.1.16.9.1.1.7", "eventStatus", Syntax::Integer, RO, &EntryStatusOptions},
    {},
};
