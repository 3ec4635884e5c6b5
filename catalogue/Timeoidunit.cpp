#include "catalogue/Timeoidunit.h"

#include "catalogue/CatalogueOptions.h"

// Menu "Configuration" > "Time Management" > "System Time", tab "Information"; scalars.
constinit const SnmpVarDef SystemTimeInfoList[] = {
    {"1.3.6.1.4.1.48213.12.10.1", "Time Capacity", Syntax::OctetStr, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.10.3", "Clock Lost On Reboot",
     Syntax::Integer, Access::ReadOnly, &TruthValueOptions},
    {},
};

// Menu "Configuration" > "Time Management" > "System Time", tab "System Time"; scalars.
constinit const SnmpVarDef SystemTimeSetList[] = {
    {"1.3.6.1.4.1.48213.12.10.10.1", "System Current Time", Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.10.10.2", "System Up Time", Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.10.10.3", "System Boot Time", Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.10.10.4", "System Time Zone", Syntax::Integer, Access::ReadWrite},
    {},
};

// Menu "Configuration" > "Time Management" > "SNTP"; scalars.
constinit const SnmpVarDef SntpList[] = {
    {"1.3.6.1.4.1.48213.12.10.11.1", "SNTP State",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.48213.12.10.11.2", "SNTP Time Source",
     Syntax::Integer, Access::ReadOnly, &SntpTimeSourceOptions},
    {"1.3.6.1.4.1.48213.12.10.11.3", "SNTP Server1 IP Address",
     Syntax::IpAddress, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.10.11.4", "SNTP Server2 IP Address",
     Syntax::IpAddress, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.10.11.5", "SNTP Poll Interval", Syntax::Integer, Access::ReadWrite},
    {},
};
