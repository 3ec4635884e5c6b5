#include "catalogue/Ifmiboidunit.h"

#include "catalogue/CatalogueOptions.h"

namespace {
constexpr quint32 RO = Access::ReadOnly;
constexpr quint32 RW = Access::ReadWrite;
constexpr quint32 Key = Access::NotAccess;
}  // namespace

// ifNumber, ifTableLastChange, ifStackLastChange; scalars.
constinit const SnmpVarDef IfMibGeneralList[] = {
    {"1.3.6.1.2.1.2.1", "ifNumber", Syntax::Integer, RO},
    {"1.3.6.1.2.1.31.1.5", "ifTableLastChange", Syntax::TimeTicks, RO},
    {"1.3.6.1.2.1.31.1.6", "ifStackLastChange", Syntax::TimeTicks, RO},
    {},
};

// ifXTable (1.3.6.1.2.1.31.1.1), indexed by ifIndex.
constinit const SnmpVarDef IfMibIfXTableList[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", Syntax::Integer, Key},
    {"1.3.6.1.2.1.31.1.1.1.1", "ifName", Syntax::DisplayStr, RO},
    {"1.3.6.1.2.1.31.1.1.1.2", "ifInMulticastPkts", Syntax::Counter, RO},
    {"1.3.6.1.2.1.31.1.1.1.3", "ifInBroadcastPkts", Syntax::Counter, RO},
    {"1.3.6.1.2.1.31.1.1.1.4", "ifOutMulticastPkts", Syntax::Counter, RO},
    {"1.3.6.1.2.1.31.1.1.1.5", "ifOutBroadcastPkts", Syntax::Counter, RO},
    {"1.3.6.1.2.1.31.1.1.1.6", "ifHCInOctets", Syntax::Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.7", "ifHCInUcastPkts", Syntax::Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.8", "ifHCInMulticastPkts", Syntax::Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.9", "ifHCInBroadcastPkts", Syntax::Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.10", "ifHCOutOctets", Syntax::Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.11", "ifHCOutUcastPkts", Syntax::Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.12", "ifHCOutMulticastPkts", Syntax::Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.13", "ifHCOutBroadcastPkts", Syntax::Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.14", "ifLinkUpDownTrapEnable", Syntax::Integer, RW, &EnabledDisabled},
    {"1.3.6.1.2.1.31.1.1.1.15", "ifHighSpeed", Syntax::Guage, RO},
    {"1.3.6.1.2.1.31.1.1.1.16", "ifPromiscuousMode", Syntax::Integer, RW, &TruthValueOptions},
    {"1.3.6.1.2.1.31.1.1.1.17", "ifConnectorPresent", Syntax::Integer, RO, &TruthValueOptions},
    {"1.3.6.1.2.1.31.1.1.1.18", "ifAlias", Syntax::DisplayStr, RW},
    {"1.3.6.1.2.1.31.1.1.1.19", "ifCounterDiscontinuityTime", Syntax::TimeTicks, RO},
    {},
};

// ifStackTable (1.3.6.1.2.1.31.1.2), indexed by the higher and the lower layer.
constinit const SnmpVarDef IfMibStackTableList[] = {
    {"1.3.6.1.2.1.31.1.2.1.1", "ifStackHigherLayer", Syntax::Integer, Key},
    {"1.3.6.1.2.1.31.1.2.1.2", "ifStackLowerLayer", Syntax::Integer, Key},
    {"1.3.6.1.2.1.31.1.2.1.3", "ifStackStatus", Syntax::Integer, RO, &RowStatusOptions},
    {},
};
