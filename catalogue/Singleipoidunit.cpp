#include "catalogue/Singleipoidunit.h"

#include "catalogue/CatalogueOptions.h"

// Menu "Configuration" > "Single IP Management" > "Single IP Information"; scalars.
constinit const SnmpVarDef SingleIpInformationList[] = {
    {"1.3.6.1.4.1.48213.12.8.1.1.1", "Single IP Version", Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.8.1.1.2", "Single IP Capability", Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.8.1.1.3", "Single IP Platform", Syntax::DisplayStr, Access::ReadOnly},
    {},
};

// Menu "Configuration" > "Single IP Management" > "Single IP Control"; scalars.
constinit const SnmpVarDef SingleIpControlList[] = {
    {"1.3.6.1.4.1.48213.12.8.1.2.1", "Single IP Admin",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.48213.12.8.1.2.2", "Single IP Role State",
     Syntax::Integer, Access::ReadWrite, &SingleIpRoleStateOptions},
    {"1.3.6.1.4.1.48213.12.8.1.2.3", "Single IP Holdtime", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.8.1.2.4", "Single IP Time Interval", Syntax::Integer, Access::ReadWrite},
    {},
};

// Menu "Configuration" > "Single IP Management" > "Single IP MS Table"; table (kind 3, 1 key).
constinit const SnmpVarDef SingleIpMsList[] = {
    {"1.3.6.1.4.1.48213.12.8.1.3.1.1", "Single IP MS ID", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.8.1.3.1.2", "Single IP MS Device Name",
     Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.8.1.3.1.3", "Single IP MS MAC Address",
     Syntax::MacAddress, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.8.1.3.1.4", "Single IP MS Firmware Version",
     Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.8.1.3.1.5", "Single IP MS Capability",
     Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.8.1.3.1.6", "Single IP MS Platform",
     Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.8.1.3.1.7", "Single IP MS Holdtime", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.8.1.3.1.8", "Single IP MS Cas Source",
     Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.8.1.3.1.9", "Single IP MS Password",
     Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.8.1.3.1.10", "Single IP MS Row Status",
     Syntax::Integer, Access::ReadWrite, &ActiveCreateDestroyOptions},
    {},
};

// Menu "Configuration" > "Single IP Management" > "Single IP Cas Table"; table (kind 3, 1 key).
constinit const SnmpVarDef SingleIpCasList[] = {
    {"1.3.6.1.4.1.48213.12.8.1.4.1.1", "Single IP CaS ID", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.8.1.4.1.2", "Single IP CaS Device Name",
     Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.8.1.4.1.3", "Single IP CaS MAC Address",
     Syntax::MacAddress, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.8.1.4.1.4", "Single IP CaS Firmware Ver",
     Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.8.1.4.1.5", "Single IP CaS Capability",
     Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.8.1.4.1.6", "Single IP CaS Platform",
     Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.8.1.4.1.7", "Single IP CaS Holdtime", Syntax::Integer, Access::ReadOnly},
    {},
};

// Menu "Configuration" > "Single IP Management" > "Single IP Group Table"; table (kind 3, 1 key).
constinit const SnmpVarDef SingleIpGroupList[] = {
    {"1.3.6.1.4.1.48213.12.8.1.5.1.1", "Single IP Group MAC Address",
     Syntax::MacAddress, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.8.1.5.1.2", "Single IP Group Name",
     Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.8.1.5.1.3", "Single IP Group Device Name",
     Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.8.1.5.1.4", "Single IP Group MS Number",
     Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.8.1.5.1.5", "Single IP Group Firmware Version",
     Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.8.1.5.1.6", "Single IP Group Capability",
     Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.8.1.5.1.7", "Single IP Group Platform",
     Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.8.1.5.1.8", "Single IP Group Holdtime",
     Syntax::Integer, Access::ReadOnly},
    {},
};

// Menu "Configuration" > "Single IP Management" > "Single IP Neighbor Table"; table (kind 3, 2
// keys).
constinit const SnmpVarDef SingleIpNeighborList[] = {
    {"1.3.6.1.4.1.48213.12.8.1.6.1.1", "Single IP NB Received Port",
     Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.8.1.6.1.2", "Single IP NB MAC Address",
     Syntax::MacAddress, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.8.1.6.1.3", "Single IP NB Role State",
     Syntax::Integer, Access::ReadOnly, &SingleIpNbRoleStateOptions},
    {},
};
