#include "catalogue/Authmodeoidunit.h"

#include "catalogue/CatalogueOptions.h"

// Menu "Security Management" > "Authentication Mode Setting"; scalars.
constinit const SnmpVarDef AuthModeList[] = {
    {"1.3.6.1.4.1.48213.12.3.1.1", "User Authentication Protocol",
     Syntax::Integer, Access::ReadWrite, &UserAuthenticationProtocolOptions},
    {"1.3.6.1.4.1.48213.12.3.1.2", "Device Authentication Mode",
     Syntax::Integer, Access::ReadWrite, &DeviceAuthenticationModeOptions},
    {},
};
