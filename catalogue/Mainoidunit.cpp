#include "catalogue/Mainoidunit.h"

#include "catalogue/CatalogueOptions.h"

// Main window (module types); scalars.
constinit const SnmpVarDef ModuleTypeList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.1.1.6", "swL2Module-1-Type",
     Syntax::Integer, Access::ReadOnly, &ModuleTypeOptions},
    {"1.3.6.1.4.1.48213.11.63.2.2.1.1.7", "swL2Module-2-Type",
     Syntax::Integer, Access::ReadOnly, &ModuleTypeOptions},
    {},
};
