#include "catalogue/Dhcprelayoidunit.h"

#include "catalogue/CatalogueOptions.h"

// Menu "Advanced Configuration" > "DHCP Relay Management " > "DHCP Relay Configuration"; scalars.
constinit const SnmpVarDef DhcpRelayList[] = {
    {"1.3.6.1.4.1.48213.12.42.1.1", "DHCP Relay State",
     Syntax::Integer, Access::ReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.48213.12.42.1.2", "DHCP Relay Hop Count", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.42.1.3", "DHCP Relay Time Threshold",
     Syntax::Integer, Access::ReadWrite},
    {},
};

// Menu "Advanced Configuration" > "DHCP Relay Management " > "DHCP Relay Option 82"; scalars.
constinit const SnmpVarDef DhcpOption82List[] = {
    {"1.3.6.1.4.1.48213.12.42.3.2.1", "DHCP Relay Option 82 State",
     Syntax::Integer, Access::ReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.48213.12.42.3.2.2", "DHCP Relay Option 82 Check State",
     Syntax::Integer, Access::ReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.48213.12.42.3.2.3", "DHCP Relay Option 82 Policy",
     Syntax::Integer, Access::ReadWrite, &DhcpRelayOption82PolicyOptions},
    {},
};

// Menu "Advanced Configuration" > "DHCP Relay Management " > "DHCP Relay Option 60"; scalars.
constinit const SnmpVarDef DhcpOption60List[] = {
    {"1.3.6.1.4.1.48213.12.42.3.3.1", "DHCP Relay Option 60 State",
     Syntax::Integer, Access::ReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.48213.12.42.3.3.2", "DHCP Relay Option 60 Default Mode",
     Syntax::Integer, Access::ReadWrite, &RelayDropOptions},
    {},
};

// Menu "Advanced Configuration" > "DHCP Relay Management " > "DHCP Relay Option 60 Default Table";
// table (kind 3, 1 key).
constinit const SnmpVarDef DhcpOption60DefaultList[] = {
    {"1.3.6.1.4.1.48213.12.42.3.3.3.1.1", "DHCP Relay Option 60 Default Reply IP",
     Syntax::IpAddress, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.42.3.3.3.1.2", "DHCP Relay Option 60 Default Row Status",
     Syntax::Integer, Access::ReadWrite, &RowStatusOptions},
    {},
};

// Menu "Advanced Configuration" > "DHCP Relay Management " > "DHCP Relay Option 60 Table"; table
// (kind 3, 2 keys).
constinit const SnmpVarDef DhcpOption60TableList[] = {
    {"1.3.6.1.4.1.48213.12.42.3.3.4.1.1", "DHCP Relay Option 60 String",
     Syntax::DisplayStr, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.42.3.3.4.1.2", "DHCP Relay Option 60 Reply IP",
     Syntax::IpAddress, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.42.3.3.4.1.3", "DHCP Relay Option 60 Match Type",
     Syntax::Integer, Access::ReadWrite, &DhcpRelayOption60MatchTypeOptions},
    {"1.3.6.1.4.1.48213.12.42.3.3.4.1.4", "DHCP Relay Option 60 Row Status",
     Syntax::Integer, Access::ReadWrite, &RowStatusOptions},
    {},
};

// Menu "Advanced Configuration" > "DHCP Relay Management " > "DHCP Relay Option 61"; scalars.
constinit const SnmpVarDef DhcpOption61List[] = {
    {"1.3.6.1.4.1.48213.12.42.3.4.1", "DHCP Relay Option 61 State",
     Syntax::Integer, Access::ReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.48213.12.42.3.4.2", "DHCP Relay Option 61 Default Mode",
     Syntax::Integer, Access::ReadWrite, &RelayDropOptions},
    {"1.3.6.1.4.1.48213.12.42.3.4.3", "DHCP Relay Option 61 Default Reply IP",
     Syntax::IpAddress, Access::ReadWrite},
    {},
};

// Menu "Advanced Configuration" > "DHCP Relay Management " > "DHCP Relay Option 61 Table"; table
// (kind 3, 2 keys).
constinit const SnmpVarDef DhcpOption61TableList[] = {
    {"1.3.6.1.4.1.48213.12.42.3.4.4.1.1", "DHCP Relay Option 61 Client Type",
     Syntax::Integer, Access::NotAccess, &DhcpRelayOption61ClientTypeOptions},
    {"1.3.6.1.4.1.48213.12.42.3.4.4.1.2", "DHCP Relay Option 61 Client ID",
     Syntax::DisplayStr, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.42.3.4.4.1.3", "DHCP Relay Option 61 Mode",
     Syntax::Integer, Access::ReadWrite, &RelayDropOptions},
    {"1.3.6.1.4.1.48213.12.42.3.4.4.1.4", "DHCP Relay Option 61 Reply IP",
     Syntax::IpAddress, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.42.3.4.4.1.5", "DHCP Relay Option 61 Row Status",
     Syntax::Integer, Access::ReadWrite, &RowStatusOptions},
    {},
};
