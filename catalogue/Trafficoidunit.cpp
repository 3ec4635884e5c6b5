#include "catalogue/Trafficoidunit.h"

#include "catalogue/CatalogueOptions.h"

// Menu "Advanced Configuration" > "Traffic Control"; table (kind 3, 1 key).
constinit const SnmpVarDef TrafficControlList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.11.1.1.1", "Traffic Control Group Index",
     Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.11.63.2.2.11.1.1.2", "Traffic Control Unit Index",
     Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.11.63.2.2.11.1.1.3", "Traffic Control Broadcast Multicast Stormthreshold",
     Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.11.1.1.4", "Traffic Control Bracast Storm Control",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.48213.11.63.2.2.11.1.1.5", "Traffic Control Multicast Storm Control",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.48213.11.63.2.2.11.1.1.6", "Traffic Control Unicast Storm Control",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {},
};

// Menu "Advanced Configuration" > "Traffic Segment"; table (kind 3, 1 key).
constinit const SnmpVarDef TrafficSegmentList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.12.1.1.1", "Traffic Segment Port",
     Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.11.63.2.2.12.1.1.2", "Traffic Segment Forward Ports",
     Syntax::BitStr, Access::ReadWrite},
    {},
};

// Menu "Advanced Configuration" > "Port Error Table"; table (kind 3, 1 key).
constinit const SnmpVarDef PortErrorList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.2.3.1.1", "Port Error Port Index",
     Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.11.63.2.2.2.3.1.2", "Port Error Port State",
     Syntax::Integer, Access::ReadOnly, &Disabled1Enabled2Options},
    {"1.3.6.1.4.1.48213.11.63.2.2.2.3.1.3", "Port Error Port Status",
     Syntax::Integer, Access::ReadOnly, &PortErrorPortStatusOptions},
    {"1.3.6.1.4.1.48213.11.63.2.2.2.3.1.4", "Port Error Port Reason",
     Syntax::Integer, Access::ReadOnly, &PortErrorPortReasonOptions},
    {"1.3.6.1.4.1.48213.11.63.2.2.2.3.1.5", "Port Error Description",
     Syntax::DisplayStr, Access::ReadOnly},
    {},
};

// Menu "Advanced Configuration" > "Port Security Management"; table (kind 2, 1 key).
constinit const SnmpVarDef PortSecurityList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.15.1.1.1", "Port Index", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.11.63.2.2.15.1.1.2", "Max Lern Address",
     Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.15.1.1.3", "Security Mode",
     Syntax::Integer, Access::ReadWrite, &PortSecurityModeOptions},
    {"1.3.6.1.4.1.48213.11.63.2.2.15.1.1.4", "Security Admin State",
     Syntax::Integer, Access::ReadWrite, &Enable2Disable3Options},
    {},
};
