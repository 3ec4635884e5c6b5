#include "catalogue/Rstpoidunit.h"

#include "catalogue/CatalogueOptions.h"

// Menu "Bridge" > "Spanning Tree" > "STP Management"; scalars.
constinit const SnmpVarDef StpManagementList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.16.1", "STP Forward BPDU",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {},
};

// Menu "Bridge" > "Spanning Tree" > "STP Port Information"; table (kind 3, 1 key).
constinit const SnmpVarDef StpPortInformationList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.16.4.1.1", "STP Port", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.11.63.2.2.16.4.1.3", "STP Port Status",
     Syntax::Integer, Access::ReadOnly, &StpPortStatusOptions},
    {"1.3.6.1.4.1.48213.11.63.2.2.16.4.1.4", "STP Port Role",
     Syntax::Integer, Access::ReadOnly, &StpPortRoleOptions},
    {"1.3.6.1.4.1.48213.11.63.2.2.16.4.1.5", "STP Port FBPDU",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.48213.11.63.2.2.16.4.1.6", "STP Port Link State",
     Syntax::Integer, Access::ReadOnly, &StpPortLinkStateOptions},
    {"1.3.6.1.4.1.48213.11.63.2.2.16.4.1.7", "STP Port Protocol Migration",
     Syntax::Integer, Access::ReadWrite, &TruthValueOptions},
    {"1.3.6.1.4.1.48213.11.63.2.2.16.4.1.8", "STP Port Admin Edge Port",
     Syntax::Integer, Access::ReadWrite, &TruthValueOptions},
    {"1.3.6.1.4.1.48213.11.63.2.2.16.4.1.9", "STP Port Oper Edge Port",
     Syntax::Integer, Access::ReadOnly, &TruthValueOptions},
    {"1.3.6.1.4.1.48213.11.63.2.2.16.4.1.10", "STP Port Admin Point To Point",
     Syntax::Integer, Access::ReadWrite, &StpPortAdminPointToPointOptions},
    {"1.3.6.1.4.1.48213.11.63.2.2.16.4.1.11", "STP Port Oper Point To Point",
     Syntax::Integer, Access::ReadOnly, &TruthValueOptions},
    {"1.3.6.1.4.1.48213.11.63.2.2.16.4.1.12", "STP Port Admin Path Cost",
     Syntax::Guage, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.16.4.1.13", "STP Port Priority",
     Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.16.4.1.14", "STP Port State",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {},
};
