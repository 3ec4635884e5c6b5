#include "catalogue/Qosoidunit.h"

#include "catalogue/CatalogueOptions.h"

// Menu "Advanced Configuration" > "QoS Management" > "QoS Mechanism"; scalars.
constinit const SnmpVarDef QosMechanismList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.3.5", "Mechanism Control",
     Syntax::Integer, Access::ReadWrite, &QosMechanismOptions},
    {},
};

// Menu "Advanced Configuration" > "QoS Management" > "Bandwidth Management"; table (kind 3, 1 key).
constinit const SnmpVarDef BandwidthControlList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.3.1.1.1", "Index", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.11.63.2.2.3.1.1.2", "RX Rate", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.3.1.1.3", "TX Rate", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.2.3.1.1.4", "RADIUS RX Rate", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.11.63.2.2.2.3.1.1.5", "RADIUS TX Rate", Syntax::Integer, Access::ReadOnly},
    {},
};

// Menu "Advanced Configuration" > "QoS Management" > "Scheduling Entry"; table (kind 3, 1 key).
constinit const SnmpVarDef QosSchedulingList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.3.2.1.1", "Class Index", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.11.63.2.2.3.2.1.4", "Max Weight", Syntax::Integer, Access::ReadWrite},
    {},
};

// Menu "Advanced Configuration" > "QoS Management" > "8021p User Priority Entry"; table (kind 3, 1
// key).
constinit const SnmpVarDef UserPriorityList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.3.3.1.1", "Index", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.11.63.2.2.3.3.1.2", "Class", Syntax::Integer, Access::ReadWrite},
    {},
};

// Menu "Advanced Configuration" > "QoS Management" > "8021p Default Priority Entry"; table (kind 3,
// 1 key).
constinit const SnmpVarDef DefaultPriorityList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.3.4.1.1", "Index", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.11.63.2.2.3.4.1.2", "Priority", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.3.4.1.3", "RADIUS Priority", Syntax::Integer, Access::ReadOnly},
    {},
};
