#include "catalogue/Etherlikeoidunit.h"

#include "catalogue/CatalogueOptions.h"
#include "catalogue/StandardMibOptions.h"

namespace {
constexpr quint32 RO = Access::ReadOnly;
constexpr quint32 Key = Access::NotAccess;
}  // namespace

// dot3StatsTable (1.3.6.1.2.1.10.7.2); arcs 12, 14, 15 and the deprecated 17 are left out.
constinit const SnmpVarDef Dot3StatsList[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "dot3StatsIndex", Syntax::Integer, Key},
    {"1.3.6.1.2.1.10.7.2.1.2", "dot3StatsAlignmentErrors", Syntax::Counter, RO},
    {"1.3.6.1.2.1.10.7.2.1.3", "dot3StatsFCSErrors", Syntax::Counter, RO},
    {"1.3.6.1.2.1.10.7.2.1.4", "dot3StatsSingleCollisionFrames", Syntax::Counter, RO},
    {"1.3.6.1.2.1.10.7.2.1.5", "dot3StatsMultipleCollisionFrames", Syntax::Counter, RO},
    {"1.3.6.1.2.1.10.7.2.1.6", "dot3StatsSQETestErrors", Syntax::Counter, RO},
    {"1.3.6.1.2.1.10.7.2.1.7", "dot3StatsDeferredTransmissions", Syntax::Counter, RO},
    {"1.3.6.1.2.1.10.7.2.1.8", "dot3StatsLateCollisions", Syntax::Counter, RO},
    {"1.3.6.1.2.1.10.7.2.1.9", "dot3StatsExcessiveCollisions", Syntax::Counter, RO},
    {"1.3.6.1.2.1.10.7.2.1.10", "dot3StatsInternalMacTransmitErrors", Syntax::Counter, RO},
    {"1.3.6.1.2.1.10.7.2.1.11", "dot3StatsCarrierSenseErrors", Syntax::Counter, RO},
    {"1.3.6.1.2.1.10.7.2.1.13", "dot3StatsFrameTooLongs", Syntax::Counter, RO},
    {"1.3.6.1.2.1.10.7.2.1.16", "dot3StatsInternalMacReceiveErrors", Syntax::Counter, RO},
    {"1.3.6.1.2.1.10.7.2.1.18", "dot3StatsSymbolErrors", Syntax::Counter, RO},
    {"1.3.6.1.2.1.10.7.2.1.19", "dot3StatsDuplexStatus", Syntax::Integer, RO, &DuplexStatusOptions},
    {"1.3.6.1.2.1.10.7.2.1.20", "dot3StatsRateControlAbility", Syntax::Integer, RO, &TruthValueOptions},
    {"1.3.6.1.2.1.10.7.2.1.21", "dot3StatsRateControlStatus", Syntax::Integer, RO,
     &RateControlStatusOptions},
    {},
};
