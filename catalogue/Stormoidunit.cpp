#include "catalogue/Stormoidunit.h"

#include "catalogue/CatalogueOptions.h"

// Menu "Advanced Configuration" > "Packet Storm Management" > "Packet Storm Control"; scalars.
constinit const SnmpVarDef PacketStormControlList[] = {
    {"1.3.6.1.4.1.48213.12.25.1.2", "Trap Control",
     Syntax::Integer, Access::ReadWrite, &StormTrapControlOptions},
    {},
};

// Menu "Advanced Configuration" > "Packet Storm Management" > "Packet Storm Control Table"; table
// (kind 3, 1 key).
constinit const SnmpVarDef PacketStormTableList[] = {
    {"1.3.6.1.4.1.48213.12.25.3.1.1.1", "Port Index", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.25.3.1.1.2", "Threshold", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.25.3.1.1.3", "Broadcast Status",
     Syntax::Integer, Access::ReadWrite, &Disabled1Enabled2Options},
    {"1.3.6.1.4.1.48213.12.25.3.1.1.4", "Multicast Status",
     Syntax::Integer, Access::ReadWrite, &Disabled1Enabled2Options},
    {"1.3.6.1.4.1.48213.12.25.3.1.1.5", "Unicast Status",
     Syntax::Integer, Access::ReadWrite, &Disabled1Enabled2Options},
    {"1.3.6.1.4.1.48213.12.25.3.1.1.6", "Action Status",
     Syntax::Integer, Access::ReadWrite, &StormActionOptions},
    {"1.3.6.1.4.1.48213.12.25.3.1.1.7", "Count Down", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.25.3.1.1.8", "Time Interval", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.25.3.1.1.9", "Shutdown Forever",
     Syntax::Integer, Access::ReadOnly, &YesNoOptions},
    {},
};
