#include "catalogue/Formoidunit.h"

#include "catalogue/CatalogueOptions.h"
#include "mvsnmp/MvOptionList.h"

namespace {

const OptionSource VlanStaticStatusSource[] = {{1, "Active"}, {4, "CreateAndGo"}, {6, "Destroy"}, {0, nullptr}};
const OptionSource VlanCurrentStatusSource[] = {{1, "other"}, {2, "permanent"}, {3, "dynamicGvrp"}, {0, nullptr}};
const OptionSource FilterStatusSource[] = {
    {1, "other"}, {2, "invalid"}, {3, "permanent"}, {4, "deleteOnReset"}, {5, "deleteOnTimeout"}, {0, nullptr}};
const OptionSource StpVersionSource[] = {{0, "STP Compatibility"}, {2, "RSTP"}, {0, nullptr}};
const OptionSource StpPortStateSource[] = {
    {1, "disabled"}, {2, "blocking"}, {3, "listening"}, {4, "learning"}, {5, "forwarding"}, {6, "broken"}, {0, nullptr}};
const OptionSource StpPointToPointSource[] = {{0, "forceTrue"}, {1, "forceFalse"}, {2, "Auto"}, {0, nullptr}};
const OptionSource SummerTimeStatusSource[] = {{0, "disable"}, {1, "repeating"}, {2, "annual"}, {0, nullptr}};
const OptionSource SummerTimeOffsetSource[] = {{30, "30"}, {60, "60"}, {90, "90"}, {120, "120"}, {0, nullptr}};
const OptionSource SmtpSendTestSource[] = {{1, "send"}, {2, "noAction"}, {0, nullptr}};
const OptionSource GuestVlanDeleteSource[] = {{1, "none"}, {2, "start"}, {0, nullptr}};
const OptionSource LogSaveMethodSource[] = {{1, "time-interval"}, {2, "on-demand"}, {3, "log-trigger"}, {0, nullptr}};
const OptionSource FdbStatusSource[] = {
    {1, "other"}, {2, "invalid"}, {3, "learned"}, {4, "self"}, {5, "mgmt"}, {0, nullptr}};
const OptionSource MonthSource[] = {{1, "Jan"}, {2, "Feb"}, {3, "Mar"}, {4, "Apr"}, {5, "May"},  {6, "Jun"},
                                    {7, "Jul"}, {8, "Aug"}, {9, "Sep"}, {10, "Oct"}, {11, "Nov"}, {12, "Dec"},
                                    {0, nullptr}};
const OptionSource WeekdaySource[] = {{1, "Sun"}, {2, "Mon"}, {3, "Tues"}, {4, "Wed"}, {5, "Thur"},
                                      {6, "Fri"}, {7, "Sat"}, {0, nullptr}};
const OptionSource WeekSource[] = {{1, "1st"}, {2, "2nd"}, {3, "3rd"}, {4, "4th"}, {0, "last"}, {0, nullptr}};

const MvOptionList VlanStaticStatusOptions(VlanStaticStatusSource);
const MvOptionList VlanCurrentStatusOptions(VlanCurrentStatusSource);
const MvOptionList FilterStatusOptions(FilterStatusSource);
const MvOptionList StpVersionOptions(StpVersionSource);
const MvOptionList StpPortStateOptions(StpPortStateSource);
const MvOptionList StpPointToPointOptions(StpPointToPointSource);
const MvOptionList SummerTimeStatusOptions(SummerTimeStatusSource);
const MvOptionList SummerTimeOffsetOptions(SummerTimeOffsetSource);
const MvOptionList SmtpSendTestOptions(SmtpSendTestSource);
const MvOptionList GuestVlanDeleteOptions(GuestVlanDeleteSource);
const MvOptionList LogSaveMethodOptions(LogSaveMethodSource);
const MvOptionList FdbStatusOptions(FdbStatusSource);

}  // namespace

const MvOptionList SummerTimeMonthOptions(MonthSource);
const MvOptionList SummerTimeWeekdayOptions(WeekdaySource);
const MvOptionList SummerTimeWeekOptions(WeekSource);

// "VLAN" > "802.1Q" > "802.1Q VLAN" > "Static Table ": dot1qVlanStaticTable with the maker's
// tagged-ports column; the VLAN ID is the row index.
const SnmpVarDef VlanStaticList[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", Syntax::Guage, Access::NotAccess},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "VLAN Name", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.19.1.1.7", "Tagged Ports", Syntax::OctetStr, Access::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Status", Syntax::Integer, Access::ReadWrite, &VlanStaticStatusOptions},
    {},
};
const SnmpVarDef VlanNextFreeList[] = {
    {"1.3.6.1.2.1.17.7.1.4.4", "VLAN Index", Syntax::Integer, Access::ReadOnly},
    {},
};

// Q-BRIDGE's frame types, shared with the standard-MIB pages (StandardMibOptions, whose header
// would clash with this unit's own FDB status names).
extern const MvOptionList AcceptableFrameTypesOptions;

// "VLAN" > "802.1Q" > "Port VLAN Settings": dot1qPortVlanTable, indexed by dot1dBasePort. The
// form reads the static VLAN table (VlanStaticList) beside it for each port's memberships.
const SnmpVarDef PortVlanList[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.2.1.17.7.1.4.5.1.1", "PVID", Syntax::Guage, Access::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.5.1.2", "Acceptable Frame Types", Syntax::Integer, Access::ReadWrite,
     &AcceptableFrameTypesOptions},
    {"1.3.6.1.2.1.17.7.1.4.5.1.3", "Ingress Filtering", Syntax::Integer, Access::ReadWrite, &TruthValueOptions},
    {},
};

// "Current Table": dot1qVlanCurrentTable, indexed by time mark and VLAN index.
const SnmpVarDef VlanCurrentList[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.1", "VLANTimeMark", Syntax::TimeTicks, Access::NotAccess},
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLANIndex", Syntax::Guage, Access::NotAccess},
    {"1.3.6.1.2.1.17.7.1.4.2.1.3", "FdbId", Syntax::Guage, Access::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.2.1.4", "CurrentEgressPorts", Syntax::OctetStr, Access::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.2.1.5", "CurrentUntaggedPorts", Syntax::OctetStr, Access::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.2.1.6", "VLANStatus", Syntax::Integer, Access::ReadOnly, &VlanCurrentStatusOptions},
    {"1.3.6.1.2.1.17.7.1.4.2.1.7", "CreationTime", Syntax::TimeTicks, Access::ReadOnly},
    {},
};
const SnmpVarDef VlanNumDeletesList[] = {
    {"1.3.6.1.2.1.17.7.1.4.1", "VLANNumDeletes", Syntax::Counter, Access::ReadOnly},
    {},
};

// "Static Filtering ": dot1qStaticUnicastTable and dot1qStaticMulticastTable, indexed by VLAN,
// MAC address and receive port.
const SnmpVarDef UnicastFilterList[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.3", "dot1qFdbId", Syntax::Guage, Access::NotAccess},
    {"1.3.6.1.2.1.17.7.1.3.1.1.1", "Unicast Address", Syntax::MacAddress, Access::NotAccess},
    {"1.3.6.1.2.1.17.7.1.3.1.1.2", "Receive Port", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.2.1.17.7.1.3.1.1.3", "Unicast Allowed To Go To", Syntax::BitStr, Access::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.3.1.1.4", "Status", Syntax::Integer, Access::ReadWrite, &FilterStatusOptions},
    {},
};
const SnmpVarDef MulticastFilterList[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "dot1qVlanIndex", Syntax::Guage, Access::NotAccess},
    {"1.3.6.1.2.1.17.7.1.3.2.1.1", "Multicast Address", Syntax::MacAddress, Access::NotAccess},
    {"1.3.6.1.2.1.17.7.1.3.2.1.2", "Multicast Receive Port", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.2.1.17.7.1.3.2.1.3", "Multicast Static Egress Ports", Syntax::BitStr, Access::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.3.2.1.5", "Multicast Status", Syntax::Integer, Access::ReadWrite, &FilterStatusOptions},
    {},
};

// "Advanced" > "IGMP Management" > "IGMP Router Port": static and learned router ports per VLAN.
const SnmpVarDef IgmpRouterPortList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.7.6.1.1", "VLAN ID", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.11.63.2.2.7.6.1.2", "VLAN Name", Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.11.63.2.2.7.6.1.3", "Static Port List", Syntax::BitStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.7.6.1.4", "Dynamic Port List", Syntax::BitStr, Access::ReadOnly},
    {},
};

// "Trust Host Table": up to ten management hosts, indexed by entry number.
const SnmpVarDef TrustHostList[] = {
    {"1.3.6.1.4.1.48213.12.1.2.10.1.1.1", "Trust Host Index", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.1.2.10.1.1.2", "Trust Host IP Address", Syntax::IpAddress, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.1.2.10.1.1.3", "Trust Host Row Status", Syntax::Integer, Access::ReadWrite,
     &ActiveCreateDestroyOptions},
    {"1.3.6.1.4.1.48213.12.1.2.10.1.1.4", "Trust Host IP Subnet Mask", Syntax::IpAddress, Access::ReadWrite},
    {},
};

// "DHCP Relay Control Table": relay servers per interface, indexed by interface name and server.
const SnmpVarDef DhcpRelayControlList[] = {
    {"1.3.6.1.4.1.48213.12.42.3.1.1.1", "DHCP Relay Control Interface Name", Syntax::DisplayStr, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.42.3.1.1.2", "DHCP Relay Control Server", Syntax::IpAddress, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.42.3.1.1.3", "DHCP Relay Control Row Status", Syntax::Integer, Access::ReadWrite,
     &RowStatusOptions},
    {},
};

// "Bridge" > "Spanning Tree" > "Information": the bridge's settings; timers in hundredths of a second.
const SnmpVarDef StpBridgeList[] = {
    {"1.3.6.1.2.1.17.2.16", "STP Version", Syntax::Integer, Access::ReadWrite, &StpVersionOptions},
    {"1.3.6.1.2.1.17.2.2", "Priority[0-61440]", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.2.1.17.2.12", "Max Age[600-4000]", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.2.1.17.2.13", "Hello Time[100-1000]", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.2.1.17.2.14", "Forward Delay[400-3000]", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.2.1.17.2.17", "TX Hold Count[1-10]", Syntax::Integer, Access::ReadWrite},
    {},
};

// "Port Table": dot1dStpPortTable with the rapid-spanning-tree columns of the same port.
const SnmpVarDef StpPortList[] = {
    {"1.3.6.1.2.1.17.2.15.1.1", "Port", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.2.1.17.2.15.1.2", "Priority", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.2.1.17.2.15.1.3", "Status        ", Syntax::Integer, Access::ReadOnly, &StpPortStateOptions},
    {"1.3.6.1.2.1.17.2.15.1.4", "State  ", Syntax::Integer, Access::ReadWrite, &EnabledDisabled},
    {"1.3.6.1.2.1.17.2.19.1.1", "Migration", Syntax::Integer, Access::ReadWrite, &TruthValueOptions},
    {"1.3.6.1.2.1.17.2.19.1.2", "Edge", Syntax::Integer, Access::ReadWrite, &TruthValueOptions},
    {"1.3.6.1.2.1.17.2.19.1.4", "Point To Point", Syntax::Integer, Access::ReadWrite, &StpPointToPointOptions},
    {"1.3.6.1.2.1.17.2.19.1.6", "PathCost", Syntax::Guage, Access::ReadWrite},
    {},
};

// "Daylight Saving Time/Summer Time": the mode, the offset and the rules as octets.
const SnmpVarDef SummerTimeList[] = {
    {"1.3.6.1.4.1.48213.12.10.12.1", "Summer Time Status", Syntax::Integer, Access::ReadWrite, &SummerTimeStatusOptions},
    {"1.3.6.1.4.1.48213.12.10.12.2", "Summer Time Offset", Syntax::Integer, Access::ReadWrite, &SummerTimeOffsetOptions},
    {"1.3.6.1.4.1.48213.12.10.12.3", "Repeat Summer Time Start", Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.10.12.4", "Repeat Summer Time End", Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.10.12.5", "Annual Summer Time Start", Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.10.12.6", "Annual Summer Time End", Syntax::OctetStr, Access::ReadWrite},
    {},
};

// "SMTP Control Table": the mail server and the test message.
const SnmpVarDef SmtpControlList[] = {
    {"1.3.6.1.4.1.48213.12.29.1.1", "SMTP Status", Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.48213.12.29.1.2", "SMTP Srv Addr", Syntax::IpAddress, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.29.1.3", "SMTP Srv Port", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.29.1.4", "SMTP Self Mail Address", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.29.1.5", "SMTP Test Msg Subject", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.29.1.6", "SMTP Test Msg Content", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.29.1.7", "SMTP Send Test Message", Syntax::Integer, Access::ReadWrite, &SmtpSendTestOptions},
    {},
};

// "Guest VLAN": edited, read back by name, and deleted through three small lists.
const SnmpVarDef GuestVlanEditList[] = {
    {"1.3.6.1.4.1.48213.12.30.1.1", "Guest VLAN Name", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.30.1.2", "Guest VLAN Port", Syntax::BitStr, Access::ReadWrite},
    {},
};
const SnmpVarDef GuestVlanNameList[] = {
    {"1.3.6.1.4.1.48213.12.30.1.1", "Guest VLAN Name", Syntax::DisplayStr, Access::ReadWrite},
    {},
};
const SnmpVarDef GuestVlanDeleteList[] = {
    {"1.3.6.1.4.1.48213.12.30.1.3", "Guest VLAN Delete State", Syntax::Integer, Access::ReadWrite,
     &GuestVlanDeleteOptions},
    {},
};

// "Log Save Control": how and how often the log is saved. The label's odd blank is the device's.
const SnmpVarDef LogSaveControlList[] = {
    {"1.3.6.1.4.1.48213.12.12.3.1", "Log Save Method", Syntax::Integer, Access::ReadWrite, &LogSaveMethodOptions},
    {"1.3.6.1.4.1.48213.12.12.3.2", "Log Save TimeI nterval", Syntax::Integer, Access::ReadWrite},
    {},
};

// "Transparent Bridge" > "Forwarding Table": dot1dTpFdbTable, indexed by MAC address.
const SnmpVarDef ForwardingList[] = {
    {"1.3.6.1.2.1.17.4.3.1.1", "Address", Syntax::MacAddress, Access::NotAccess},
    {"1.3.6.1.2.1.17.4.3.1.2", "Port", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.2.1.17.4.3.1.3", "Status", Syntax::Integer, Access::ReadOnly, &FdbStatusOptions},
    {},
};

namespace {

// Kind 2 lists disable the bound controls after each refresh until a row is selected (the IGMP
// and DHCP relay forms); the forms that type a new row's key use kind 3.
constinit const CatalogueList kFormLists[] = {
    {"TrustHostList", TrustHostList, MVT_UMV, 1},
    {"SummerTimeList", SummerTimeList, SVT_SV, 0},
    {"SmtpControlList", SmtpControlList, SVT_SV, 0},
    {"LogSaveControlList", LogSaveControlList, SVT_SV, 0},
    {"StpBridgeList", StpBridgeList, SVT_SV, 0},
    {"StpPortList", StpPortList, MVT_UMV, 1},
    {"ForwardingList", ForwardingList, MVT_UMV, 1},
    {"VlanStaticList", VlanStaticList, MVT_UMV, 1},
    {"VlanNextFreeList", VlanNextFreeList, SVT_SV, 0},
    {"VlanCurrentList", VlanCurrentList, MVT_UMV, 2},
    {"VlanNumDeletesList", VlanNumDeletesList, SVT_SV, 0},
    {"PortVlanList", PortVlanList, MVT_UMV, 1},
    {"UnicastFilterList", UnicastFilterList, MVT_UMV, 3},
    {"MulticastFilterList", MulticastFilterList, MVT_UMV, 3},
    {"GuestVlanEditList", GuestVlanEditList, SVT_SV, 0},
    {"GuestVlanNameList", GuestVlanNameList, SVT_SV, 0},
    {"GuestVlanDeleteList", GuestVlanDeleteList, SVT_SV, 0},
    {"IgmpRouterPortList", IgmpRouterPortList, MVT_FMV, 1},
    {"DhcpRelayControlList", DhcpRelayControlList, MVT_FMV, 2},
};

constinit const CatalogueForm kForms[] = {
    {"THostTableForm", "TrustHostTable1", {"TrustHostList"}},
    {"TSummerTimeForm", "DaylightSavingTimeSummerTime1", {"SummerTimeList"}},
    {"TSMTPControlForm", "SMTPControlTable1", {"SmtpControlList"}},
    {"TLogSaveControlForm", "LogSaveControl1", {"LogSaveControlList"}},
    {"TSTP_Info", "Information2", {"StpBridgeList"}},
    {"TSTP_Port", "PortTable2", {"StpPortList"}},
    {"TForwarding_Table", "ForwardingTable1", {"ForwardingList"}},
    {"TVlanStaticForm", "StauticTable1", {"VlanStaticList", "VlanNextFreeList"}},
    {"TVLanCurrentTableForm", "CurrentTable1", {"VlanCurrentList", "VlanNumDeletesList"}},
    {"TUnicastFilterInformationForm", "UnicastStaticFiltering1", {"UnicastFilterList"}},
    {"TMulticastFilterInformationForm", "MulticastStaticFiltering1", {"MulticastFilterList"}},
    {"TPortVlanForm", "PortVLANSettings1", {"PortVlanList", "VlanStaticList"}},
    {"TGuestVlanForm", "GuestVLAN1", {"GuestVlanEditList", "GuestVlanNameList", "GuestVlanDeleteList"}},
    {"TIGMPRouterPortsForm", "IGMPRouterPort1", {"IgmpRouterPortList"}},
    {"TBOOTCtrlTableForm", "DHCPRelayControlTable1", {"DhcpRelayControlList"}},
};

}  // namespace

std::vector<const CatalogueList*> CatalogueForm::catalogueLists() const {
  std::vector<const CatalogueList*> out;
  for (const char* name : lists)
    if (name)
      for (const CatalogueList& list : formLists())
        if (QLatin1StringView(name) == QLatin1StringView(list.name)) out.push_back(&list);
  return out;
}

const std::vector<CatalogueList>& formLists() {
  static const std::vector<CatalogueList> lists(std::begin(kFormLists), std::end(kFormLists));
  return lists;
}

std::span<const CatalogueForm> catalogueForms() { return kForms; }

const CatalogueForm* findCatalogueForm(QStringView classOrItem) {
  for (const CatalogueForm& form : kForms)
    if (classOrItem == QLatin1StringView(form.formClass) || classOrItem == QLatin1StringView(form.item))
      return &form;
  return nullptr;
}
