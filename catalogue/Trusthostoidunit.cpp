#include "catalogue/Trusthostoidunit.h"

#include "catalogue/CatalogueOptions.h"

// Menu "Configuration" > "Trust Host Management" > "Trust Host Delete All State"; scalars.
constinit const SnmpVarDef TrustHostDeleteAllList[] = {
    {"1.3.6.1.4.1.48213.12.1.2.10.2", "Trust Host Delete All State",
     Syntax::Integer, Access::ReadWrite, &TrustHostDeleteAllStateOptions},
    {},
};
