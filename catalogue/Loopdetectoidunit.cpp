#include "catalogue/Loopdetectoidunit.h"

#include "catalogue/CatalogueOptions.h"

// Menu "Advanced Configuration" > "Loop Detection Management" > "Loop Detection Control"; scalars.
constinit const SnmpVarDef LoopDetectionList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.18.1.1", "Admin State",
     Syntax::Integer, Access::ReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.48213.11.63.2.2.18.1.2", "Interval", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.18.1.3", "Recover Time", Syntax::Integer, Access::ReadWrite},
    {},
};

// Menu "Advanced Configuration" > "Loop Detection Management" > "Loop Detection Port Management";
// table (kind 3, 1 key).
constinit const SnmpVarDef LoopDetectionPortList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.18.2.1.1.1", "Port Index", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.11.63.2.2.18.2.1.1.2", "Port State",
     Syntax::Integer, Access::ReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.48213.11.63.2.2.18.2.1.1.4", "Port Loop Status",
     Syntax::Integer, Access::ReadOnly, &PortLoopStatusOptions},
    {},
};
