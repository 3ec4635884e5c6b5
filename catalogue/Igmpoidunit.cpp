#include "catalogue/Igmpoidunit.h"

#include "catalogue/CatalogueOptions.h"

// Menu "Advanced Configuration" > "IGMP Management" > "IGMP Information "; scalars.
constinit const SnmpVarDef IgmpInformationList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.7.1", "Max Supported VLANs", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.11.63.2.2.7.2", "Max IP Group Num Per VLAN",
     Syntax::Integer, Access::ReadOnly},
    {},
};

// Menu "Advanced Configuration" > "IGMP Management" > "IGMP Control Table"; table (kind 3, 1 key).
constinit const SnmpVarDef IgmpControlList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.7.3.1.1", "VID", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.11.63.2.2.7.3.1.2", "Query Interval", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.7.3.1.3", "Query Max Response Time",
     Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.7.3.1.4", "Robustness", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.7.3.1.5", "Query Interval", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.7.3.1.6", "Host Timeout", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.7.3.1.7", "Route Timeout", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.7.3.1.8", "Leave Timer", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.7.3.1.9", "Query State",
     Syntax::Integer, Access::ReadWrite, &OtherDisabledEnabledOptions},
    {"1.3.6.1.4.1.48213.11.63.2.2.7.3.1.10", "Current State",
     Syntax::Integer, Access::ReadOnly, &IgmpQuerierStateOptions},
    {"1.3.6.1.4.1.48213.11.63.2.2.7.3.1.11", "Ctrl State",
     Syntax::Integer, Access::ReadWrite, &OtherDisableEnableOptions},
    {"1.3.6.1.4.1.48213.11.63.2.2.7.3.1.12", "Fast Leave",
     Syntax::Integer, Access::ReadWrite, &OtherDisableEnableOptions},
    {},
};

// Menu "Advanced Configuration" > "IGMP Management" > "IGMP Query Information"; table (kind 2, 1
// key).
constinit const SnmpVarDef IgmpQueryList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.7.4.1.1", "VID", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.11.63.2.2.7.4.1.2", "Query Count", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.11.63.2.2.7.4.1.3", "TX Query Count", Syntax::Integer, Access::ReadOnly},
    {},
};

// Menu "Advanced Configuration" > "IGMP Management" > "IGMP Table"; table (kind 2, 2 keys).
constinit const SnmpVarDef IgmpTableList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.7.5.1.1", "VID", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.11.63.2.2.7.5.1.2", "IP Address", Syntax::IpAddress, Access::NotAccess},
    {"1.3.6.1.4.1.48213.11.63.2.2.7.5.1.3", "MAC Address", Syntax::MacAddress, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.11.63.2.2.7.5.1.4", "Port Map", Syntax::BitStr, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.11.63.2.2.7.5.1.5", "IP Group Report Count",
     Syntax::Integer, Access::ReadOnly},
    {},
};

// Menu "Advanced Configuration" > "IGMP Management" > "IGMP Access Authentication Table"; table
// (kind 3, 1 key).
constinit const SnmpVarDef IgmpAccessAuthList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.7.7.1.1", "IGMP Access Authentication Port",
     Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.11.63.2.2.7.7.1.2", "IGMP Access Authentication State",
     Syntax::Integer, Access::ReadWrite, &Disable2Enable3Options},
    {},
};
