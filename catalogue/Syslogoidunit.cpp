#include "catalogue/Syslogoidunit.h"

#include "catalogue/CatalogueOptions.h"

// Menu "Configuration" > "System Log Information" > "System Log Control"; scalars.
constinit const SnmpVarDef SyslogControlList[] = {
    {"1.3.6.1.4.1.48213.12.12.1", "System Log Control State",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {},
};

// Menu "Configuration" > "System Log Information" > "System Log Entry"; table (kind 3, 1 key).
constinit const SnmpVarDef SyslogEntryList[] = {
    {"1.3.6.1.4.1.48213.12.12.2.1.1", "System Log Server Index",
     Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.12.2.1.2", "System Log Server IP Address",
     Syntax::IpAddress, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.12.2.1.3", "System Log Server Facility",
     Syntax::Integer, Access::ReadWrite, &SystemLogServerFacilityOptions},
    {"1.3.6.1.4.1.48213.12.12.2.1.4", "System Log Server Severity",
     Syntax::Integer, Access::ReadWrite, &SystemLogServerSeverityOptions},
    {"1.3.6.1.4.1.48213.12.12.2.1.5", "System Log Server UDP Port",
     Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.12.2.1.6", "System Log Server State",
     Syntax::Integer, Access::ReadWrite, &OtherDisabledEnabledOptions},
    {"1.3.6.1.4.1.48213.12.12.2.1.7", "System Log Server Row Status",
     Syntax::Integer, Access::ReadWrite, &RowStatusOptions},
    {},
};
