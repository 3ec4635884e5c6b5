// Option lists of the standard MIBs the sibling-tool pages show (MIB-II, IF-MIB, bridge, RMON,
// EtherLike, Entity): the enumerations as their RFCs number them. Built during static
// initialisation of this one unit; the descriptor arrays hold only their addresses.
#pragma once

#include "mvsnmp/MvOptionList.h"

extern const MvOptionList IfTypeOptions;
extern const MvOptionList IfAdminStatusOptions;
extern const MvOptionList IfOperStatusOptions;
extern const MvOptionList IpForwardingOptions;
extern const MvOptionList IpRouteTypeOptions;
extern const MvOptionList IpRouteProtoOptions;
extern const MvOptionList BridgeStaticStatusOptions;
extern const MvOptionList FdbStatusOptions;
extern const MvOptionList AcceptableFrameTypesOptions;
extern const MvOptionList EntryStatusOptions;
extern const MvOptionList AlarmSampleTypeOptions;
extern const MvOptionList AlarmStartupOptions;
extern const MvOptionList EventTypeOptions;
extern const MvOptionList DuplexStatusOptions;
extern const MvOptionList RateControlStatusOptions;
extern const MvOptionList PhysicalClassOptions;
