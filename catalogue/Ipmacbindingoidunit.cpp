#include "catalogue/Ipmacbindingoidunit.h"

#include "catalogue/CatalogueOptions.h"

// Menu "Configuration" > "IP MAC Binding Management" > "IP MAC Binding  Management"; scalars.
constinit const SnmpVarDef IpMacBindingControlList[] = {
    {"1.3.6.1.4.1.48213.12.23.3.1", "All Port State",
     Syntax::Integer, Access::ReadWrite, &AllPortStateOptions},
    {"1.3.6.1.4.1.48213.12.23.1.1", "IP MAC Binding Trap Log State",
     Syntax::Integer, Access::ReadWrite, &Enable2Disable3Options},
    {},
};

// Menu "Configuration" > "IP MAC Binding Management" > "IP MAC Binding Port Management"; table
// (kind 3, 1 key).
constinit const SnmpVarDef IpMacBindingPortList[] = {
    {"1.3.6.1.4.1.48213.12.23.3.2.1.1", "Port Index", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.23.3.2.1.2", "Port State",
     Syntax::Integer, Access::ReadWrite, &Enable2Disable3Options},
    {"1.3.6.1.4.1.48213.12.23.3.2.1.3", "Port Zero IP State",
     Syntax::Integer, Access::ReadWrite, &EnabledDisabled},
    {},
};

// Menu "Configuration" > "IP MAC Binding Management" > "IP MAC Binding Table"; table (kind 3, 1
// key).
constinit const SnmpVarDef IpMacBindingTableList[] = {
    {"1.3.6.1.4.1.48213.12.23.4.1.1.1", "IP Index", Syntax::IpAddress, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.23.4.1.1.2", "MAC Address", Syntax::MacAddress, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.23.4.1.1.3", "Status",
     Syntax::Integer, Access::ReadWrite, &ActiveCreateDestroyOptions},
    {"1.3.6.1.4.1.48213.12.23.4.1.1.4", "Ports", Syntax::BitStr, Access::ReadWrite},
    {},
};

// Menu "Configuration" > "IP MAC Binding Management" > "IP MAC Binding Blocked Table"; table (kind
// 3, 2 keys).
constinit const SnmpVarDef IpMacBindingBlockedList[] = {
    {"1.3.6.1.4.1.48213.12.23.4.2.1.1", "Blocked VID", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.23.4.2.1.2", "Blocked MAC", Syntax::MacAddress, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.23.4.2.1.3", "Blocked VLAN Name", Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.23.4.2.1.4", "Blocked Port", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.23.4.2.1.5", "Blocked Type",
     Syntax::Integer, Access::ReadWrite, &BlockedTypeOptions},
    {"1.3.6.1.4.1.48213.12.23.4.2.1.6", "Blocked Time", Syntax::DisplayStr, Access::ReadOnly},
    {},
};
