#include "catalogue/Cosoidunit.h"

#include "catalogue/CatalogueOptions.h"

// Menu "Advanced Configuration" > "CoS Management" > "CoS Priority Table"; table (kind 3, 1 key).
constinit const SnmpVarDef CosPriorityList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.17.3.1.1.1", "CoS Priority Port",
     Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.11.63.2.2.17.3.1.1.2", "CoS Priority Port PRI",
     Syntax::Integer, Access::ReadWrite, &Disable2Enable3Options},
    {"1.3.6.1.4.1.48213.11.63.2.2.17.3.1.1.3", "CoS Priority Ether PRI",
     Syntax::Integer, Access::ReadWrite, &CoSPriorityEtherPriOptions},
    {"1.3.6.1.4.1.48213.11.63.2.2.17.3.1.1.4", "CoS Priority IP PRI",
     Syntax::Integer, Access::ReadWrite, &CoSPriorityIpPriOptions},
    {"1.3.6.1.4.1.48213.11.63.2.2.17.3.1.1.5", "CoS Priority None",
     Syntax::Integer, Access::ReadWrite, &CoSPriorityNoneOptions},
    {},
};

// Menu "Advanced Configuration" > "CoS Management" > "CoS Port PRI Table"; table (kind 3, 1 key).
constinit const SnmpVarDef CosPortPriList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.17.3.2.1.1", "CoS Port PRI Index",
     Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.11.63.2.2.17.3.2.1.2", "CoS Port PRI Class",
     Syntax::Integer, Access::ReadWrite},
    {},
};

// Menu "Advanced Configuration" > "CoS Management" > "CoS MAC_Based PRI Table"; table (kind 3, 1
// key).
constinit const SnmpVarDef CosMacPriList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.17.3.3.1.1", "CoS MAC_Based PRI Index",
     Syntax::MacAddress, Access::NotAccess},
    {"1.3.6.1.4.1.48213.11.63.2.2.17.3.3.1.2", "CoS MAC_Based PRI Class",
     Syntax::Integer, Access::ReadWrite},
    {},
};

// Menu "Advanced Configuration" > "CoS Management" > "CoS ToS PRI Table"; table (kind 3, 1 key).
constinit const SnmpVarDef CosTosPriList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.17.3.4.1.1", "CoS ToS PRI Index",
     Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.11.63.2.2.17.3.4.1.2", "CoS ToS PRI Class",
     Syntax::Integer, Access::ReadWrite},
    {},
};

// Menu "Advanced Configuration" > "CoS Management" > "CoS DSCP PRI Table"; table (kind 3, 1 key).
constinit const SnmpVarDef CosDscpPriList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.17.3.5.1.1", "CoS DSCP PRI Index",
     Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.11.63.2.2.17.3.5.1.2", "CoS DSCP PRI Class",
     Syntax::Integer, Access::ReadWrite},
    {},
};
