#include "catalogue/Portoidunit.h"

#include "catalogue/CatalogueOptions.h"

// Menu "Advanced Configuration" > "Port Management" > "Trunk Information"; scalars.
constinit const SnmpVarDef TrunkInformationList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.4.1", "Max Entries", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.11.63.2.2.4.2", "Max Port Members", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.11.63.2.2.4.4", "Algorithm",
     Syntax::Integer, Access::ReadWrite, &TrunkAlgorithmOptions},
    {},
};

// Menu "Advanced Configuration" > "Port Management" > "Port Trunk"; table (kind 2, 1 key).
constinit const SnmpVarDef PortTrunkList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.4.3.1.1", "Index", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.11.63.2.2.4.3.1.2", "Master Port", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.4.3.1.3", "Port List", Syntax::BitStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.4.3.1.4", "Type",
     Syntax::Integer, Access::ReadWrite, &PortTrunkTypeOptions},
    {"1.3.6.1.4.1.48213.11.63.2.2.4.3.1.5", "Active Port", Syntax::BitStr, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.11.63.2.2.4.3.1.6", "State",
     Syntax::Integer, Access::ReadWrite, &ActiveCreateDestroyOptions},
    {"1.3.6.1.4.1.48213.11.63.2.2.4.3.1.7", "Flooding Port", Syntax::Integer, Access::ReadOnly},
    {},
};

// Menu "Advanced Configuration" > "Port Management" > "LACP Port Entry"; table (kind 3, 1 key).
constinit const SnmpVarDef LacpPortList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.4.5.1.1", "Trunk LACP Port Index",
     Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.11.63.2.2.4.5.1.2", "Trunk LACP Port State",
     Syntax::Integer, Access::ReadWrite, &TrunkLacpPortStateOptions},
    {},
};

// Menu "Advanced Configuration" > "Port Management" > "Trunk VLAN Table"; table (kind 3, 1 key).
constinit const SnmpVarDef TrunkVlanList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.4.6.1.1", "Trunk VLAN Port", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.11.63.2.2.4.6.1.2", "Trunk VLAN State",
     Syntax::Integer, Access::ReadWrite, &EnabledDisabled},
    {},
};

// Menu "Advanced Configuration" > "Port Management" > "Port Mirror"; scalars.
constinit const SnmpVarDef PortMirrorList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.6.2", "Port Mirror RX Port List",
     Syntax::BitStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.6.3", "Port Mirror TX Port List",
     Syntax::BitStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.6.4", "Port Mirror Target Port",
     Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.6.5", "Port Mirror State",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {},
};

// Menu "Advanced Configuration" > "Port Management" > "Port Information Table"; table (kind 2, 1
// key).
constinit const SnmpVarDef PortInformationList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.2.1.1.1", "PortIndex", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.11.63.2.2.2.1.1.4", "Link Status",
     Syntax::Integer, Access::ReadOnly, &PortInformationLinkStatusOptions},
    {"1.3.6.1.4.1.48213.11.63.2.2.2.1.1.5", "Nway Status",
     Syntax::Integer, Access::ReadOnly, &NwayStatusOptions},
    {},
};

// Menu "Advanced Configuration" > "Port Management" > "Port Control Table"; table (kind 3, 1 key).
constinit const SnmpVarDef PortControlList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.2.2.1.1", "Port Index", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.11.63.2.2.2.2.1.2", "Admin State",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.48213.11.63.2.2.2.2.1.3", "Nway State",
     Syntax::Integer, Access::ReadWrite, &NwayStateOptions},
    {"1.3.6.1.4.1.48213.11.63.2.2.2.2.1.4", "Flow Control State",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.48213.11.63.2.2.2.2.1.5", "Description", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.2.2.1.7", "MAC Notify State",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.48213.11.63.2.2.2.2.1.10", "MDIX State",
     Syntax::Integer, Access::ReadWrite, &MdixStateOptions},
    {},
};
