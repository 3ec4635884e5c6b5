#include "catalogue/Bridgemiboidunit.h"

#include "catalogue/CatalogueOptions.h"
#include "catalogue/StandardMibOptions.h"

namespace {
constexpr quint32 RO = Access::ReadOnly;
constexpr quint32 Key = Access::NotAccess;
constexpr char BasePort[] = "1.3.6.1.2.1.17.1.4.1.1";  // dot1dBasePort, the bridge port number
}  // namespace

// dot1dStaticTable (1.3.6.1.2.1.17.5.1), indexed by address and receive port.
constinit const SnmpVarDef BridgeStaticTableList[] = {
    {"1.3.6.1.2.1.17.5.1.1.1", "dot1dStaticAddress", Syntax::MacAddress, Key},
    {"1.3.6.1.2.1.17.5.1.1.2", "dot1dStaticReceivePort", Syntax::Integer, Key},
    {"1.3.6.1.2.1.17.5.1.1.3", "dot1dStaticAllowedToGoTo", Syntax::OctetStr, RO},
    {"1.3.6.1.2.1.17.5.1.1.4", "dot1dStaticStatus", Syntax::Integer, RO, &BridgeStaticStatusOptions},
    {},
};

// dot1dTpPortTable (1.3.6.1.2.1.17.4.4).
constinit const SnmpVarDef BridgeTpPortTableList[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", "dot1dTpPort", Syntax::Integer, Key},
    {"1.3.6.1.2.1.17.4.4.1.2", "dot1dTpPortMaxInfo", Syntax::Integer, RO},
    {"1.3.6.1.2.1.17.4.4.1.3", "dot1dTpPortInFrames", Syntax::Counter, RO},
    {"1.3.6.1.2.1.17.4.4.1.4", "dot1dTpPortOutFrames", Syntax::Counter, RO},
    {"1.3.6.1.2.1.17.4.4.1.5", "dot1dTpPortInDiscards", Syntax::Counter, RO},
    {},
};

// dot1dExtBase (1.3.6.1.2.1.17.6.1.1); scalars.
constinit const SnmpVarDef PBridgeExtBaseList[] = {
    {"1.3.6.1.2.1.17.6.1.1.1", "dot1dDeviceCapabilities", Syntax::OctetStr, RO},
    {"1.3.6.1.2.1.17.6.1.1.2", "dot1dTrafficClassesEnabled", Syntax::Integer, RO, &TruthValueOptions},
    {"1.3.6.1.2.1.17.6.1.1.3", "dot1dGmrpStatus", Syntax::Integer, RO, &EnabledDisabled},
    {},
};

// dot1dPortPriorityTable (1.3.6.1.2.1.17.6.1.2.1), indexed by dot1dBasePort.
constinit const SnmpVarDef PBridgePortPriorityList[] = {
    {BasePort, "dot1dBasePort", Syntax::Integer, Key},
    {"1.3.6.1.2.1.17.6.1.2.1.1.1", "dot1dPortDefaultUserPriority", Syntax::Integer, RO},
    {"1.3.6.1.2.1.17.6.1.2.1.1.2", "dot1dPortNumTrafficClasses", Syntax::Integer, RO},
    {},
};

// dot1dUserPriorityRegenTable (1.3.6.1.2.1.17.6.1.2.2), indexed by port and user priority.
constinit const SnmpVarDef PBridgeRegenPriorityList[] = {
    {BasePort, "dot1dBasePort", Syntax::Integer, Key},
    {"1.3.6.1.2.1.17.6.1.2.2.1.1", "dot1dUserPriority", Syntax::Integer, Key},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "dot1dRegenUserPriority", Syntax::Integer, RO},
    {},
};

// dot1dTrafficClassTable (1.3.6.1.2.1.17.6.1.2.3), indexed by port and priority.
constinit const SnmpVarDef PBridgeTrafficClassList[] = {
    {BasePort, "dot1dBasePort", Syntax::Integer, Key},
    {"1.3.6.1.2.1.17.6.1.2.3.1.1", "dot1dTrafficClassPriority", Syntax::Integer, Key},
    {"1.3.6.1.2.1.17.6.1.2.3.1.2", "dot1dTrafficClass", Syntax::Integer, RO},
    {},
};

// dot1dGmrpStatus; a scalar of dot1dExtBase.
constinit const SnmpVarDef PBridgeGmrpStatusList[] = {
    {"1.3.6.1.2.1.17.6.1.1.3", "dot1dGmrpStatus", Syntax::Integer, RO, &EnabledDisabled},
    {},
};

// dot1dPortGmrpTable (1.3.6.1.2.1.17.6.1.4.1), indexed by dot1dBasePort.
constinit const SnmpVarDef PBridgePortGmrpList[] = {
    {BasePort, "dot1dBasePort", Syntax::Integer, Key},
    {"1.3.6.1.2.1.17.6.1.4.1.1.1", "dot1dPortGmrpStatus", Syntax::Integer, RO, &EnabledDisabled},
    {"1.3.6.1.2.1.17.6.1.4.1.1.2", "dot1dPortGmrpFailedRegistrations", Syntax::Counter, RO},
    {"1.3.6.1.2.1.17.6.1.4.1.1.3", "dot1dPortGmrpLastPduOrigin", Syntax::OctetStr, RO},
    {"1.3.6.1.2.1.17.6.1.4.1.1.4", "dot1dPortRestrictedGroupRegistration", Syntax::Integer, RO,
     &TruthValueOptions},
    {},
};

// dot1dPortGarpTable (1.3.6.1.2.1.17.6.1.3.1), indexed by dot1dBasePort; times in centiseconds.
constinit const SnmpVarDef PBridgePortGarpList[] = {
    {BasePort, "dot1dBasePort", Syntax::Integer, Key},
    {"1.3.6.1.2.1.17.6.1.3.1.1.1", "dot1dPortGarpJoinTime", Syntax::Integer, RO},
    {"1.3.6.1.2.1.17.6.1.3.1.1.2", "dot1dPortGarpLeaveTime", Syntax::Integer, RO},
    {"1.3.6.1.2.1.17.6.1.3.1.1.3", "dot1dPortGarpLeaveAllTime", Syntax::Integer, RO},
    {},
};

// dot1dPortCapabilitiesTable (1.3.6.1.2.1.17.6.1.1.4), indexed by dot1dBasePort.
constinit const SnmpVarDef PBridgePortCapabilitiesList[] = {
    {BasePort, "dot1dBasePort", Syntax::Integer, Key},
    {"1.3.6.1.2.1.17.6.1.1.4.1.1", "dot1dPortCapabilities", Syntax::OctetStr, RO},
    {},
};

// dot1qPortVlanTable (1.3.6.1.2.1.17.7.1.4.5), indexed by dot1dBasePort.
constinit const SnmpVarDef QBridgePortVlanList[] = {
    {BasePort, "dot1dBasePort", Syntax::Integer, Key},
    {"1.3.6.1.2.1.17.7.1.4.5.1.1", "dot1qPvid", Syntax::Guage, Access::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.5.1.2", "dot1qPortAcceptableFrameTypes", Syntax::Integer, RO,
     &AcceptableFrameTypesOptions},
    {"1.3.6.1.2.1.17.7.1.4.5.1.3", "dot1qPortIngressFiltering", Syntax::Integer, RO, &TruthValueOptions},
    {"1.3.6.1.2.1.17.7.1.4.5.1.4", "dot1qPortGvrpStatus", Syntax::Integer, RO, &EnabledDisabled},
    {"1.3.6.1.2.1.17.7.1.4.5.1.5", "dot1qPortGvrpFailedRegistrations", Syntax::Counter, RO},
    {"1.3.6.1.2.1.17.7.1.4.5.1.6", "dot1qPortGvrpLastPduOrigin", Syntax::OctetStr, RO},
    {},
};

// dot1qTpFdbTable (1.3.6.1.2.1.17.7.1.2.2), indexed by filtering database and address.
constinit const SnmpVarDef QBridgeTpFdbList[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "dot1qFdbId", Syntax::Integer, Key},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "dot1qTpFdbAddress", Syntax::MacAddress, Key},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "dot1qTpFdbPort", Syntax::Integer, RO},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "dot1qTpFdbStatus", Syntax::Integer, RO, &FdbStatusOptions},
    {},
};
