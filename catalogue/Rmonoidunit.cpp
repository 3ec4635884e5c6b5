#include "catalogue/Rmonoidunit.h"

#include "catalogue/CatalogueOptions.h"

// Menu "RMON" > "RMON State"; also the main window; scalars.
constinit const SnmpVarDef RmonStateList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.1.2.16", "RMON State",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {},
};
