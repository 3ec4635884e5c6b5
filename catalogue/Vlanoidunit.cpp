#include "catalogue/Vlanoidunit.h"

#include "catalogue/CatalogueOptions.h"

// Menu "VLAN" > "802.1P" > "Basic Configure"; scalars.
constinit const SnmpVarDef Priority8021pBasicList[] = {
    {"1.3.6.1.2.1.17.6.1.1.1", "Device Capabilities", Syntax::OctetStr, Access::ReadOnly},
    {"1.3.6.1.2.1.17.6.1.1.2", "Traffic Classes",
     Syntax::Integer, Access::ReadOnly, &TruthValueOptions},
    {},
};

// Menu "VLAN" > "802.1Q" > "802.1Q Bridge" > "Basic Configure"; scalars.
constinit const SnmpVarDef Vlan8021qBasicList[] = {
    {"1.3.6.1.2.1.17.7.1.1.1", "VLAN Version Number", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.1.2", "Max VLAN ID", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.1.3", "Max Supported VLANs", Syntax::Guage, Access::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.1.4", "Num VLANs", Syntax::Guage, Access::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.1.5", "GVRP Status", Syntax::Integer, Access::ReadOnly, &EnabledDisabled},
    {},
};
