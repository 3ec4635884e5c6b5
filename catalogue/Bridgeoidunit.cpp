#include "catalogue/Bridgeoidunit.h"

#include "catalogue/CatalogueOptions.h"

// Menu "Bridge" > "802.1d " > "Information"; scalars.
constinit const SnmpVarDef Bridge8021dInfoList[] = {
    {"1.3.6.1.2.1.17.1.1", "Bridge Address", Syntax::MacAddress, Access::ReadOnly},
    {"1.3.6.1.2.1.17.1.2", "Number of Ports", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.2.1.17.1.3", "Bridge Type", Syntax::Integer, Access::ReadOnly, &BridgeTypeOptions},
    {"1.3.6.1.2.1.17.4.1", "Learned Entry Discards", Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.2.1.17.4.2", "Aging Time[10-1000000]", Syntax::Integer, Access::ReadWrite},
    {},
};

// Menu "Bridge" > "802.1d " > "Port Table"; table (kind 3, 1 key).
constinit const SnmpVarDef Bridge8021dPortList[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.2.1.17.1.4.1.2", "IF Index", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.2.1.17.1.4.1.3", "Circuit", Syntax::ObjectId, Access::ReadOnly},
    {"1.3.6.1.2.1.17.1.4.1.4", "Delay Exceeded Discards", Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.2.1.17.1.4.1.5", "Mtu Exceeded Discards", Syntax::Counter, Access::ReadOnly},
    {},
};
