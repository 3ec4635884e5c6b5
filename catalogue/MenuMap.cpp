#include "catalogue/MenuMap.h"

#include <algorithm>
#include <initializer_list>

#include "catalogue/CatalogueRegistry.h"

namespace {

// ---- How the table is written -------------------------------------------------------------------

constexpr quint8 kConfiguration = 0, kMibII = 1, kBridge = 2, kVlan = 3, kRmon = 4, kSecurity = 5,
                 kSnmpV3 = 6, kAdvanced = 7, kAbout = 8;

constinit const MenuTop kTops[] = {
    {"Configuration", "Configuration1", false, false},
    {"MIB II", "MIBII1", false, false},
    {"Bridge", "Bridge1", false, false},
    {"VLAN", "VLAN1", false, false},
    {"RMON", "RMON1", true, false},
    {"Security Management", "SecurityManagement2", false, false},
    {"SNMP V3", "VACM1", false, true},
    {"Advanced Configuration", "Layer2Management2", false, false},
    {"About", "About1", false, false},
};

constexpr bool kHidden = true;

struct Path {
  MenuSubmenu levels[kMenuMaxDepth] = {};
};

struct Item {
  const char* name;
  const char* caption;
  bool hidden = false;
};

constexpr Path in(MenuSubmenu first, MenuSubmenu second = {}) {
  return {{first, second}};
}
constexpr Path in(const char* first) {
  return in(MenuSubmenu{first});
}
constexpr Path in(const char* first, const char* second) {
  return in(MenuSubmenu{first}, MenuSubmenu{second});
}
constexpr Path in(const char* first, MenuSubmenu second) {
  return in(MenuSubmenu{first}, second);
}

constexpr MenuTitle kNoWindow{MenuTitleKind::None, nullptr};
constexpr MenuTitle kOwnCaption{MenuTitleKind::OwnCaption, nullptr};
constexpr MenuTitle title(const char* text) {
  return {MenuTitleKind::Title, text};
}
constexpr MenuTitle prefix(const char* text) {
  return {MenuTitleKind::Prefix, text};
}

constexpr MenuPage editorPage(const char* list) {
  return {nullptr, list, SVT_SV, 0, -1};
}
// A table page whose rows are added ("createAndGo") and deleted ("destroy") via item `rowStatus`.
constexpr MenuPage rows(const char* list, quint8 kind, quint8 keys, qint8 rowStatus) {
  return {nullptr, list, kind, keys, rowStatus};
}
constexpr MenuPage readOnly(const char* list, quint8 kind, quint8 keys) {
  return {nullptr, list, kind, keys, -1};
}
constexpr MenuPage tab(const char* caption, MenuPage page) {
  page.tab = caption;
  return page;
}

constexpr MenuEntry entry(quint8 top, Path path, Item item, MenuTitle title, MenuFamily family,
                          MenuExtras extras) {
  MenuEntry e;
  e.top = top;
  for (int i = 0; i < kMenuMaxDepth; ++i) e.path[i] = path.levels[i];
  e.item = item.name;
  e.caption = item.caption;
  e.hidden = item.hidden;
  e.title = title;
  e.family = family;
  e.extras = extras;
  return e;
}

constexpr MenuEntry editor(quint8 top, Path path, Item item, MenuTitle title, const char* list,
                           MenuExtras extras = {}) {
  MenuEntry e = entry(top, path, item, title, MenuFamily::Editor, extras);
  e.pages[0] = editorPage(list);
  return e;
}

constexpr MenuEntry table(quint8 top, Path path, Item item, MenuTitle title, MenuPage page,
                          MenuExtras extras = {}) {
  MenuEntry e = entry(top, path, item, title, MenuFamily::Table, extras);
  e.pages[0] = page;
  return e;
}

constexpr MenuEntry tabs(quint8 top, Path path, Item item, MenuTitle title,
                         std::initializer_list<MenuPage> pages, MenuExtras extras = {}) {
  MenuEntry e = entry(top, path, item, title, MenuFamily::Tabs, extras);
  int i = 0;
  for (const MenuPage& p : pages) e.pages[i++] = p;
  return e;
}

constexpr MenuEntry tool(quint8 top, Path path, Item item, const char* argument) {
  MenuEntry e = entry(top, path, item, kNoWindow, MenuFamily::Tool, {});
  e.tool = argument;
  return e;
}

constexpr MenuEntry form(quint8 top, Path path, Item item, MenuTitle title, const char* formClass,
                         MenuExtras extras = {}) {
  MenuEntry e = entry(top, path, item, title, MenuFamily::Form, extras);
  e.form = formClass;
  return e;
}

constexpr MenuEntry action(quint8 top, Path path, Item item, MenuTitle title, MenuAction what,
                           MenuPage page, MenuExtras extras = {}, const char* handler = nullptr) {
  MenuEntry e = entry(top, path, item, title, MenuFamily::Action, extras);
  e.action = what;
  e.pages[0] = page;
  e.handlerName = handler;
  return e;
}

// ---- The menu bar, in display order -------------------------------------------------------------
// Captions, titles and arguments are exact, blanks and spellings included ("SMTP Mangement",
// "CPU ACL Management ", "CPU ACL Etherent Table : "). Save Changes and Reboot carry the list they
// write; Help and About none.

// clang-format off
constinit const MenuEntry kEntries[] = {
    // "Configuration"
    editor(kConfiguration, {}, {"BasicInfo1", "Basic Information"}, title("Basic Information"), "BasicInformationList", {.width = 500}),
    table(kConfiguration, {}, {"MIBCapabilities1", "MIB Capabilities"}, title("MIB Capabilities"), readOnly("MibCapabilitiesList", MVT_FMV, 1), {.height = 450}),
    editor(kConfiguration, {}, {"CPUUtilization1", "CPU Utilization"}, title("CPU Utilization"), "CpuUtilizationList"),
    table(kConfiguration, {}, {"PortUtilization1", "Port Utilization"}, title("Port Utilization"), readOnly("PortUtilizationList", MVT_FMV, 1), {.height = 450}),
    editor(kConfiguration, {}, {"IPConfig1", "IP Configuration"}, title("IP Configuration"), "IpConfigurationList", {.ipAddressRows = true}),
    editor(kConfiguration, {}, {"FDBClearAllState1", "FDB Clear All State"}, title("FDB Clear All State"), "FdbClearAllList"),
    editor(kConfiguration, {}, {"ARPClearAllState1", "ARP Clear All State"}, title("ARP Clear All State"), "ArpClearAllList"),
    editor(kConfiguration, in("Trust Host Management"), {"TrustHostDelAllState1", "Trust Host Delete All State"}, title("Trust Host Delete All State"), "TrustHostDeleteAllList"),
    form(kConfiguration, in("Trust Host Management"), {"TrustHostTable1", "Trust Host Table"}, prefix("Trust Host Table : "), "THostTableForm", {.keepsInstance = true}),
    tabs(kConfiguration, in("Time Management"), {"SystemTime1", "System Time"}, prefix("System Time : "), {tab("Information", editorPage("SystemTimeInfoList")), tab("System Time", editorPage("SystemTimeSetList"))}, {.formats = {{1, 3, "%i{n-779x839}"}}}),
    editor(kConfiguration, in("Time Management"), {"SNTP1", "SNTP"}, prefix("SNTP : "), "SntpList", {.formats = {{0, 4, "%i{n30x99999}"}}}),
    form(kConfiguration, in("Time Management"), {"DaylightSavingTimeSummerTime1", "Daylight Saving Time/Summer Time"}, prefix("Summer Time : "), "TSummerTimeForm"),
    editor(kConfiguration, in("Single IP Management"), {"SingleIPInformation1", "Single IP Information"}, title("Single IP Information"), "SingleIpInformationList"),
    editor(kConfiguration, in("Single IP Management"), {"SingleIPControl1", "Single IP Control"}, title("Single IP Control"), "SingleIpControlList"),
    table(kConfiguration, in("Single IP Management"), {"SingleIPMSTable1", "Single IP MS Table"}, title("Single IP MS Table"), rows("SingleIpMsList", MVT_UMV, 1, 9)),
    table(kConfiguration, in("Single IP Management"), {"SingleIPCasTable1", "Single IP Cas Table"}, title("Single IP Cas Table"), readOnly("SingleIpCasList", MVT_UMV, 1)),
    table(kConfiguration, in("Single IP Management"), {"SingleIPGroupTable1", "Single IP Group Table"}, title("Single IP Group Table"), readOnly("SingleIpGroupList", MVT_UMV, 1)),
    table(kConfiguration, in("Single IP Management"), {"SingleIPNeighborTable1", "Single IP Neighbor Table"}, title("Single IP Neighbor Table"), readOnly("SingleIpNeighborList", MVT_UMV, 2)),
    editor(kConfiguration, {}, {"DeviceControl1", "Device Control"}, title("Device Control"), "DeviceControlList", {.formats = {{0, 8, "%i{n1x500l3}"}, {0, 9, "%i{n1x2147483647l10}"}}}),
    table(kConfiguration, {}, {"BasicConfigure1", "Upload/Download File Configuration"}, title("Upload/Download File Configuration"), readOnly("FileTransferList", MVT_FMV, 1)),
    editor(kConfiguration, {}, {"ConsoleMode1", "Console Mode Control"}, title("Console Mode Control"), "ConsoleModeList"),
    form(kConfiguration, in("SMTP Mangement"), {"SMTPControlTable1", "SMTP Control Table"}, kOwnCaption, "TSMTPControlForm"),
    editor(kConfiguration, in("SMTP Mangement"), {"SMTPInformation1", "SMTP Information"}, title("SMTP Information Table"), "SmtpInformationList"),
    table(kConfiguration, in("SMTP Mangement"), {"SMTPMailReceiverTable1", "SMTP Mail Receiver Table"}, title("SMTP Mail Receiver Table"), rows("SmtpReceiverList", MVT_UMV, 1, 2)),
    editor(kConfiguration, in("CPU ACL Management "), {"ACLControl1", "CPU ACL Control"}, title("CPU ACL Control"), "CpuAclControlList"),
    tabs(kConfiguration, in("CPU ACL Management "), {"CPUEtherTable1", "CPU ACL Ethernet Table"}, prefix("CPU ACL Etherent Table : "), {tab("CPU ACL Ethernet Table", rows("CpuAclEthernetMaskList", MVT_UMV, 1, 7)), tab("CPU ACL Ethernet Rule Table", rows("CpuAclEthernetRuleList", MVT_UMV, 2, 9))}),
    tabs(kConfiguration, in("CPU ACL Management "), {"CPUIPTabe1", "CPU ACL IP Table"}, prefix("CPU ACL IP Table : "), {tab("CPU ACL IP Table", rows("CpuAclIpMaskList", MVT_UMV, 1, 17)), tab("CPU ACL IP Rule Table", rows("CpuAclIpRuleList", MVT_UMV, 2, 16))}),
    tabs(kConfiguration, in("CPU ACL Management "), {"CPUPacketControlTable1", "CPU ACL Packet Control Table"}, prefix("CPU ACL Packet Control Table : "), {tab("CPU ACL Packet Control Mask Table", rows("CpuAclPacketMaskList", MVT_UMV, 1, 6)), tab("CPU ACL Packet Control Rule Table", rows("CpuAclPacketRuleList", MVT_UMV, 2, 9))}),
    tabs(kConfiguration, in("CPU ACL Management "), {"CPUIPv6Table1", "CPU ACl IPv6 Table", kHidden}, prefix("CPU ACL IPv6 Table : "), {tab("CPU IPv6 Mask Table", rows("CpuAclIpv6MaskList", MVT_UMV, 1, 6)), tab("CPU IPv6 Rule Table", rows("CpuAclIpv6RuleList", MVT_UMV, 2, 8))}),
    editor(kConfiguration, in("IP MAC Binding Management"), {"IPMACBindingPortManagent1", "IP MAC Binding  Management"}, title("IP MAC Binding Management"), "IpMacBindingControlList"),
    table(kConfiguration, in("IP MAC Binding Management"), {"IPMACBindingPortTable1", "IP MAC Binding Port Management"}, title("IP MAC Binding Port Management"), readOnly("IpMacBindingPortList", MVT_UMV, 1)),
    table(kConfiguration, in("IP MAC Binding Management"), {"IPMACBindingTable1", "IP MAC Binding Table"}, title("IP MAC Binding Table"), rows("IpMacBindingTableList", MVT_UMV, 1, 2)),
    table(kConfiguration, in("IP MAC Binding Management"), {"IPMACBindingBlockedTable1", "IP MAC Binding Blocked Table"}, title("IP MAC Binding Blocked Table"), readOnly("IpMacBindingBlockedList", MVT_UMV, 2)),
    table(kConfiguration, {}, {"Trap1", "Trap Receiver", kHidden}, title("Trap Receiver"), rows("TrapReceiverList", MVT_UMV, 1, 3)),
    editor(kConfiguration, in("System Log Information"), {"SyslogControl1", "System Log Control"}, title("System Log State Control"), "SyslogControlList"),
    table(kConfiguration, in("System Log Information"), {"SyslogEntry1", "System Log Entry"}, title("System Log Entry"), rows("SyslogEntryList", MVT_UMV, 1, 6)),
    form(kConfiguration, in("System Log Information"), {"LogSaveControl1", "Log Save Control"}, prefix("Log Save Control: "), "TLogSaveControlForm", {.keepsInstance = true}),
    table(kConfiguration, in("Link Aggregation"), {"PortList1", "Port List"}, prefix("Aggregator Port List : "), readOnly("AggregatorPortList", MVT_FMV, 1), {.widthGrowth = 50, .height = 450}),
    table(kConfiguration, in("Link Aggregation"), {"AggregatorTable1", "Aggregator Table"}, prefix("Aggregator Table : "), readOnly("AggregatorTableList", MVT_FMV, 1)),
    table(kConfiguration, in("Link Aggregation"), {"AggregationPortTable1", "Aggregation Port Table"}, prefix("Aggregation Port Table : "), readOnly("AggregationPortList", MVT_FMV, 1)),
    table(kConfiguration, in("Link Aggregation"), {"AggPortStateTable1", "AggPort State Table", kHidden}, prefix("Aggregation port State: "), readOnly("AggPortStateList", MVT_FMV, 1)),
    table(kConfiguration, in("Link Aggregation"), {"AggPortDebugTable1", "AggPort Debug Table", kHidden}, prefix("Aggregation port Debug: "), readOnly("AggPortDebugList", MVT_FMV, 1)),
    tool(kConfiguration, in("IF-MIB"), {"GeneralTable1", "General Table"}, "/TIFMib_LastChangeTable"),
    tool(kConfiguration, in("IF-MIB"), {"IFXTable1", "IfX Table"}, "/TIFMib_ifXEntry"),
    tool(kConfiguration, in("IF-MIB"), {"IfStackTable1", "IfStack Table", kHidden}, "/TIFMib_ifStackTable"),
    tool(kConfiguration, in({"Entity", kHidden}), {"PhysicalTable1", "Physical Table"}, "/TEntityMIB_Physical"),
    tool(kConfiguration, in({"Entity", kHidden}), {"LogicalTable1", "Logical Table"}, "/TEntityMIB_Logical"),
    tool(kConfiguration, in({"Entity", kHidden}), {"Mapping1", "Mapping", kHidden}, "/TEntityMIB_Maping"),
    tool(kConfiguration, {}, {"dot3Statistics1", "dot3 Statistics"}, "/TEthernetLike_dot3StatsTable"),
    table(kConfiguration, {}, {"CableDiagnosticsInformation1", "Cable Diagnostics Information"}, title("Cable Diagnostics Information"), readOnly("CableDiagnosticsList", MVT_FMV, 1), {.height = 450}),
    action(kConfiguration, {}, {"SaveChanges1", "Save Changes"}, prefix("Log Save Control : "), MenuAction::SaveChanges, editorPage("SaveConfigList"), {.requestTimeout = 1200}),
    action(kConfiguration, {}, {"Reset2", "Reboot"}, kNoWindow, MenuAction::Reboot, editorPage("SystemResetList"), {.requestTimeout = 1200}),
    // "MIB II"
    tool(kMibII, {}, {"Information3", "Information"}, "/TMIB_Info"),
    tool(kMibII, {}, {"IfTable1", "IF Table"}, "/TMIB_IFTable"),
    tool(kMibII, {}, {"IFCounter1", "IF Counters"}, "/TMIB_IFCounters"),
    tool(kMibII, {}, {"IPCounters1", "IP Counters"}, "/TMIB_IPCounters"),
    tool(kMibII, {}, {"IPRouting1", "IP Routing"}, "/TMIB_IPRouting"),
    tool(kMibII, {}, {"IPAddressTable1", "IP Address Table"}, "/TMIB_IPAddress"),
    tool(kMibII, {}, {"ICMPCounters1", "ICMP Counters"}, "/TMIB_ICMPCounters"),
    tool(kMibII, {}, {"UDPCounters1", "UDP Counters"}, "/TMIB_UDPCounters"),
    tool(kMibII, {}, {"SNMPCounters1", "SNMP Counters"}, "/TMIB_SNMPCounters"),
    // "Bridge"
    editor(kBridge, in("802.1d "), {"Information1", "Information"}, title("Bridge 802.1d Information"), "Bridge8021dInfoList"),
    table(kBridge, in("802.1d "), {"PortTable1", "Port Table"}, title("Bridge 802.1d Port Table"), readOnly("Bridge8021dPortList", MVT_UMV, 1), {.requestTimeout = 500}),
    form(kBridge, in("Spanning Tree"), {"Information2", "Information"}, kOwnCaption, "TSTP_Info"),
    form(kBridge, in("Spanning Tree"), {"PortTable2", "Port Table"}, kOwnCaption, "TSTP_Port"),
    editor(kBridge, in("Spanning Tree"), {"STPManagement1", "STP Management"}, title("STP Management"), "StpManagementList"),
    table(kBridge, in("Spanning Tree"), {"STPPortInformation1", "STP Port Information"}, title("STP Port Information"), readOnly("StpPortInformationList", MVT_UMV, 1)),
    form(kBridge, in("Transparent Bridge"), {"ForwardingTable1", "Forwarding Table"}, kOwnCaption, "TForwarding_Table"),
    tool(kBridge, in("Transparent Bridge"), {"StaticTable1", "Static Table", kHidden}, "/TBridge_StaticFilter"),
    tool(kBridge, in("Transparent Bridge"), {"PortCounters1", "Port Counters"}, "/TBridge_TpPortInfo"),
    // "VLAN"
    editor(kVlan, in("802.1P"), {"BasicConfigure2", "Basic Configure"}, title("802.1P Basic Configure"), "Priority8021pBasicList"),
    tool(kVlan, in("802.1P"), {"PriorityInformation1", "Priority Information"}, "/TVLan_8021DPriority"),
    tool(kVlan, in("802.1P"), {"GMRP1", "GMRP", kHidden}, "/TVLan_GMRP"),
    tool(kVlan, in("802.1P"), {"GVRP1", "GARP", kHidden}, "/TVLan_GARP"),
    tool(kVlan, in("802.1P"), {"PortCapbility1", "Port Capability"}, "/TVLan_PortCapability"),
    editor(kVlan, in("802.1Q", "802.1Q Bridge"), {"BasicConfigure", "Basic Configure"}, title("802.1Q Basic Configure"), "Vlan8021qBasicList"),
    tool(kVlan, in("802.1Q", "802.1Q Bridge"), {"PortsInfo1", "Ports Information", kHidden}, "/TVLan_PortInfo"),
    tool(kVlan, in("802.1Q"), {"N8021QVLAN1", "Forwarding/Filtering"}, "/TVLan_TpBridge8021Q"),
    form(kVlan, in("802.1Q", "802.1Q VLAN"), {"StauticTable1", "Static Table "}, prefix("VLAN Static: "), "TVlanStaticForm", {.keepsInstance = true}),
    form(kVlan, in("802.1Q", "802.1Q VLAN"), {"CurrentTable1", "Current Table"}, prefix("VLAN Current Table: "), "TVLanCurrentTableForm", {.keepsInstance = true}),
    form(kVlan, in("802.1Q", "Static Filtering "), {"UnicastStaticFiltering1", "Unicast Static Filtering "}, prefix("Unicast Filter Information : "), "TUnicastFilterInformationForm", {.keepsInstance = true}),
    form(kVlan, in("802.1Q", "Static Filtering "), {"MulticastStaticFiltering1", "Multicast Static Filtering"}, prefix("Multicast Filter Information : "), "TMulticastFilterInformationForm"),
    // Beyond the device's own menus: the ports' PVID, frame types and ingress filtering.
    form(kVlan, in("802.1Q"), {"PortVLANSettings1", "Port VLAN Settings"}, prefix("Port VLAN Settings : "), "TPortVlanForm"),
    // "RMON"
    editor(kRmon, {}, {"RMONState1", "RMON State"}, title("RMON State"), "RmonStateList"),
    tool(kRmon, {}, {"Statistics1", "Statistics"}, "/TRmon_Statistics"),
    tool(kRmon, {}, {"History1", "History"}, "/TRmon_History"),
    tool(kRmon, {}, {"AlarmEvent1", "Alarm/Event"}, "/TRmon_AlarmEvent"),
    // "Security Management"
    editor(kSecurity, {}, {"AuthenticationModeSetting1", "Authentication Mode Setting"}, title("Authentication Mode Setting"), "AuthModeList", {.editWidth = 150}),
    editor(kSecurity, in("802.1X"), {"Configuration2", "Configuration"}, title("System Auth Control"), "SystemAuthControlList"),
    table(kSecurity, in("802.1X"), {"PAESystemConfiguration1", "Configure PAE System Control"}, title("Configure PAE System Control"), readOnly("PaeSystemList", MVT_FMV, 1)),
    table(kSecurity, in("802.1X"), {"ConfigureAuthen1", "Configure Authenticator"}, title("Configure Authenticator"), readOnly("PaeAuthenticatorList", MVT_FMV, 1)),
    table(kSecurity, in("802.1X"), {"AuthenticationStatsInfo1", "Authentication Stats Info"}, title("Authentication Stats Info"), readOnly("PaeAuthStatsList", MVT_FMV, 1)),
    table(kSecurity, in("802.1X"), {"AuthenticationDiagnostics1", "Authentication Diagnostics Table"}, title("Authentication Diagnostics Table"), readOnly("PaeAuthDiagList", MVT_FMV, 1)),
    table(kSecurity, in("802.1X"), {"AuthenticationSessionTable1", "Authentication Session Stats Table"}, title("Authentication Session Table"), readOnly("PaeAuthSessionList", MVT_FMV, 1)),
    table(kSecurity, in("802.1X"), {"SuppConfigTable1", "Supp Config Table", kHidden}, title("Supplicant Configure Table"), readOnly("PaeSuppConfigList", MVT_FMV, 1)),
    table(kSecurity, in("802.1X"), {"SuppStatsTable1", "Supp Stats Table", kHidden}, title("Supplicant Stats Table"), readOnly("PaeSuppStatsList", MVT_FMV, 1)),
    editor(kSecurity, in("802.1X"), {"FowardEAPOLPDU1", "Foward EAPOL PDU"}, prefix("Foward EAPOL PDU: "), "EapolForwardList"),
    table(kSecurity, in("802.1X"), {"FowardEAPOLPDUOnPort1", "Foward EAPOL PDU On Port"}, title("Foward EAPOL PDU On Port"), readOnly("EapolForwardPortList", MVT_UMV, 1)),
    editor(kSecurity, in("RADIUS Management"), {"BasicConfiguration1", "Basic Configuration", kHidden}, title("Basic Configuration"), "RadiusBasicList"),
    table(kSecurity, in("RADIUS Management"), {"RadiusServerTable1", "RADIUS Server Table"}, title("RADIUS Server Table"), readOnly("RadiusServerList", MVT_FMV, 1)),
    editor(kSecurity, in("RADIUS Management"), {"AuthenticationInformation1", "Authentication Information"}, title("Authentication Information"), "RadiusAuthInfoList"),
    table(kSecurity, in("RADIUS Management"), {"AuthenticationTable1", "Authentication Table"}, title("Authentication Server Table"), readOnly("RadiusAuthServerList", MVT_FMV, 1)),
    editor(kSecurity, in("RADIUS Management", {"Accounting Control", kHidden}), {"BasicInformation2", "Basic Configuration"}, title("Accounting Control"), "RadiusAcctControlList"),
    table(kSecurity, in("RADIUS Management", {"Accounting Control", kHidden}), {"ServiceTable1", "Service Table"}, title("RADIUS Accounting Server Table"), readOnly("RadiusAcctServiceList", MVT_FMV, 1)),
    editor(kSecurity, in("RADIUS Management", "Accounting Information"), {"BasicInformation1", "Basic Information"}, title("Accounting Information"), "RadiusAcctInfoList"),
    table(kSecurity, in("RADIUS Management", "Accounting Information"), {"ServerTable1", "Server Table"}, title("RADIUS Accounting Server Table"), readOnly("RadiusAcctServerList", MVT_FMV, 1)),
    tabs(kSecurity, in("RADIUS Management"), {"MacAuthBaseStatsInfo1", "MAC Authentication Base Stats Info"}, title("MAC Authentication Base State Information"), {tab("MAC Auth State Table", readOnly("MacAuthStateList", MVT_FMV, 2)), tab("MAC Auth Stats Table", readOnly("MacAuthStatsList", MVT_FMV, 2)), tab("MAC Auth Diag Table", readOnly("MacAuthDiagList", MVT_FMV, 2)), tab("MAC Auth Session Stats Table", readOnly("MacAuthSessionList", MVT_FMV, 2))}, {.height = 450}),
    editor(kSecurity, in("SSH"), {"SSHManagement1", "SSH Management"}, prefix("SSH Management Table: "), "SshManagementList", {.formats = {{0, 2, "%i{n1x99l2}"}, {0, 4, "%i{n1x8}"}, {0, 5, "%i{n120x600l3}"}}}),
    editor(kSecurity, in("SSH"), {"AlgorithmControl1", "Algorithm Control"}, prefix("Algorithm Control: "), "SshAlgorithmList"),
    editor(kSecurity, in("SSH"), {"AuthenticationMethod1", "Authentication Method"}, prefix("Authentication Method Control: "), "SshAuthMethodList"),
    table(kSecurity, in("SSH"), {"SSHUserManagement1", "SSH User Management"}, title("SSH User Management"), readOnly("SshUserList", MVT_UMV, 1)),
    form(kSecurity, {}, {"GuestVLAN1", "Guest VLAN"}, prefix("Guest VLAN: "), "TGuestVlanForm", {.keepsInstance = true}),
    // "SNMP V3"
    editor(kSnmpV3, {}, {"snmpEngine1", "SNMP Engine"}, title("SNMP Engine"), "SnmpEngineList", {.editWidth = 150}),
    editor(kSnmpV3, {}, {"MessageProcessingandDispatching1", "Message Processing and Dispatching"}, title("SNMP MPD"), "SnmpMpdList"),
    tabs(kSnmpV3, {}, {"SNMPTargetMIB1", "SNMP Target MIB"}, prefix("SNMP Target: "), {tab("Target Objects", editorPage("SnmpTargetObjectsList")), tab("TargetAddr Table", rows("SnmpTargetAddrList", MVT_UMV, 1, 8)), tab("Target Params Table", rows("SnmpTargetParamsList", MVT_UMV, 1, 6))}),
    tabs(kSnmpV3, {}, {"UserbasedSecurityModel1", "User-based Security Model"}, prefix("SNMP User Base MIB : "), {tab("Statistics", editorPage("UsmStatsList")), tab("User Table", rows("UsmUserList", MVT_UMV, 2, 12))}),
    tabs(kSnmpV3, {}, {"ViewBaseAccessControlMode1", "View-base Access Control Model"}, prefix("SNMP View Base MIB : "), {tab("Security Group Table", rows("VacmGroupList", MVT_UMV, 2, 4)), tab("Access Table", rows("VacmAccessList", MVT_UMV, 4, 9)), tab("View MIB Tree Table", rows("VacmViewTreeList", MVT_UMV, 2, 5))}),
    tabs(kSnmpV3, {}, {"Notifications1", "Notifications"}, prefix("SNMP Notification MIB : "), {tab("Notify Table", rows("SnmpNotifyList", MVT_UMV, 1, 4)), tab("Notify Filter Profile Table", rows("SnmpNotifyProfileList", MVT_UMV, 1, 3)), tab("Notify Filter Entry Table", rows("SnmpNotifyFilterList", MVT_UMV, 2, 5))}),
    tabs(kSnmpV3, {}, {"Community1", "Community"}, prefix("SNMP Community MIB : "), {tab("SNMP Community Table", rows("SnmpCommunityList", MVT_UMV, 1, 7)), tab("Target Address Table", readOnly("SnmpCommunityTargetList", MVT_FMV, 1))}),
    // "Advanced Configuration"
    editor(kAdvanced, in("QoS Management"), {"QOSMechanism1", "QoS Mechanism"}, title("QoS Mechanism Control"), "QosMechanismList"),
    table(kAdvanced, in("QoS Management"), {"IngrPortBwControl1", "Bandwidth Management"}, title("QoS Bandwidth Control"), readOnly("BandwidthControlList", MVT_UMV, 1)),
    table(kAdvanced, in("QoS Management"), {"EgressPortBwControl1", "Scheduling Entry"}, title("QoS Scheduling Entry"), readOnly("QosSchedulingList", MVT_UMV, 1)),
    table(kAdvanced, in("QoS Management"), {"N8021pUserPriorityEntry1", "8021p User Priority Entry"}, title("QoS 8021p User Priority Entry"), readOnly("UserPriorityList", MVT_UMV, 1)),
    table(kAdvanced, in("QoS Management"), {"N8021pDefaultPriorityEntry1", "8021p Default Priority Entry"}, title("QoS 8021p Default Priority Entry"), readOnly("DefaultPriorityList", MVT_UMV, 1)),
    editor(kAdvanced, in("Port Management"), {"TrunkInformation1", "Trunk Information"}, title("Trunk Information"), "TrunkInformationList"),
    table(kAdvanced, in("Port Management"), {"PortTrunk1", "Port Trunk"}, title("Port Trunk Table"), rows("PortTrunkList", MVT_FMV, 1, 5)),
    table(kAdvanced, in("Port Management"), {"LACPPortEntry1", "LACP Port Entry"}, title("LACP Port Entry"), readOnly("LacpPortList", MVT_UMV, 1)),
    table(kAdvanced, in("Port Management"), {"TrunkVLANTable1", "Trunk VLAN Table"}, title("Trunk VLAN Table"), readOnly("TrunkVlanList", MVT_UMV, 1)),
    editor(kAdvanced, in("Port Management"), {"PortMirror1", "Port Mirror"}, prefix("Mirror Management : "), "PortMirrorList"),
    table(kAdvanced, in("Port Management"), {"PortInformation1", "Port Information Table"}, title("Port Information Table"), readOnly("PortInformationList", MVT_FMV, 1)),
    table(kAdvanced, in("Port Management"), {"PortControl1", "Port Control Table"}, title("Port Control Table"), readOnly("PortControlList", MVT_UMV, 1)),
    table(kAdvanced, {}, {"TrafficControl1", "Traffic Control", kHidden}, title("Traffic Control"), readOnly("TrafficControlList", MVT_UMV, 1)),
    table(kAdvanced, {}, {"TrafficSegment1", "Traffic Segment"}, title("Traffic Segment"), readOnly("TrafficSegmentList", MVT_UMV, 1)),
    table(kAdvanced, {}, {"PortErrorTable1", "Port Error Table"}, title("Port Error Table"), readOnly("PortErrorList", MVT_UMV, 1)),
    table(kAdvanced, {}, {"PortLockManagement1", "Port Security Management"}, title("Port Security Management"), readOnly("PortSecurityList", MVT_FMV, 1)),
    editor(kAdvanced, in("Packet Storm Management"), {"PacketStormControl2", "Packet Storm Control"}, title("Packet Storm Control"), "PacketStormControlList"),
    table(kAdvanced, in("Packet Storm Management"), {"PacketStorm1", "Packet Storm Control Table"}, title("Packet Storm Control Table"), readOnly("PacketStormTableList", MVT_UMV, 1)),
    editor(kAdvanced, in("Loop Detection Management"), {"LoopDetectionControl1", "Loop Detection Control"}, title("Loop Detection Control"), "LoopDetectionList"),
    table(kAdvanced, in("Loop Detection Management"), {"LoopDetectionPortManagement1", "Loop Detection Port Management"}, title("Loop Detection Port Management"), readOnly("LoopDetectionPortList", MVT_UMV, 1)),
    editor(kAdvanced, in("IGMP Management"), {"IGMPInformation1", "IGMP Information "}, title("IGMP Information"), "IgmpInformationList"),
    table(kAdvanced, in("IGMP Management"), {"IGMPControlTable1", "IGMP Control Table"}, title("IGMP Control Table"), readOnly("IgmpControlList", MVT_UMV, 1)),
    table(kAdvanced, in("IGMP Management"), {"IGMPQuery1", "IGMP Query Information"}, title("IGMP Query Information"), readOnly("IgmpQueryList", MVT_FMV, 1)),
    table(kAdvanced, in("IGMP Management"), {"IGMPTable1", "IGMP Table"}, title("IGMP Table"), readOnly("IgmpTableList", MVT_FMV, 2)),
    form(kAdvanced, in("IGMP Management"), {"IGMPRouterPort1", "IGMP Router Port"}, prefix("IGMP Snooping Router Ports: "), "TIGMPRouterPortsForm", {.keepsInstance = true}),
    table(kAdvanced, in("IGMP Management"), {"IGMPAccessAuthenticationTable1", "IGMP Access Authentication Table"}, title("IGMP Access Authentication Table"), readOnly("IgmpAccessAuthList", MVT_UMV, 1)),
    table(kAdvanced, in("CoS Management"), {"COSPriorityTable1", "CoS Priority Table"}, title("CoS Priority Table"), readOnly("CosPriorityList", MVT_UMV, 1)),
    table(kAdvanced, in("CoS Management"), {"COSPortPRITable1", "CoS Port PRI Table"}, title("CoS Port PRI Table"), readOnly("CosPortPriList", MVT_UMV, 1)),
    table(kAdvanced, in("CoS Management"), {"COSMACBasePRITable1", "CoS MAC_Based PRI Table"}, title("CoS MAC_Based PRI Table"), readOnly("CosMacPriList", MVT_UMV, 1)),
    table(kAdvanced, in("CoS Management"), {"COSTOSPRITable1", "CoS ToS PRI Table"}, title("CoS ToS PRI Table"), readOnly("CosTosPriList", MVT_UMV, 1)),
    table(kAdvanced, in("CoS Management"), {"CoSDSCPPRITable1", "CoS DSCP PRI Table"}, title("CoS DSCP PRI Table"), readOnly("CosDscpPriList", MVT_UMV, 1)),
    editor(kAdvanced, in("DHCP Relay Management "), {"DHCPRelayConfiguration1", "DHCP Relay Configuration"}, title("DHCP Relay Configuration"), "DhcpRelayList"),
    form(kAdvanced, in("DHCP Relay Management "), {"DHCPRelayControlTable1", "DHCP Relay Control Table"}, prefix("DHCP Relay Control Table: "), "TBOOTCtrlTableForm"),
    editor(kAdvanced, in("DHCP Relay Management "), {"DHCPRelayOption821", "DHCP Relay Option 82"}, title("DHCP Relay Option 82"), "DhcpOption82List"),
    editor(kAdvanced, in("DHCP Relay Management "), {"DHCPRelayOption601", "DHCP Relay Option 60"}, title("DHCP Relay Option 60"), "DhcpOption60List"),
    table(kAdvanced, in("DHCP Relay Management "), {"DHCPRelayOption60DefaultTable1", "DHCP Relay Option 60 Default Table"}, title("DHCP Relay Option 60 Default Table"), rows("DhcpOption60DefaultList", MVT_UMV, 1, 1), {.noEdit = true}),
    table(kAdvanced, in("DHCP Relay Management "), {"DHCPRelayOption60Table1", "DHCP Relay Option 60 Table"}, title("DHCP Relay Option 60 Table"), rows("DhcpOption60TableList", MVT_UMV, 2, 3), {.noEdit = true}),
    editor(kAdvanced, in("DHCP Relay Management "), {"DHCPRelayOption611", "DHCP Relay Option 61"}, title("DHCP Relay Option 61"), "DhcpOption61List"),
    table(kAdvanced, in("DHCP Relay Management "), {"DHCPRelayOption61Table1", "DHCP Relay Option 61 Table"}, title("DHCP Relay Option 61 Table"), rows("DhcpOption61TableList", MVT_UMV, 2, 4), {.noEdit = true}),
    // "About"
    action(kAbout, {}, {"Help1", "Help"}, kNoWindow, MenuAction::Help, {}, {}, "Help2Click"),
    action(kAbout, {}, {"About2", "About"}, kNoWindow, MenuAction::About, {}, {}, "About1Click"),
};
// clang-format on

// Windows of the program's own, beyond the device's menu: each at the end of its top-level menu.
// clang-format off
constinit const MenuEntry kAdditions[] = {
    form(kConfiguration, {}, {"ConfigurationSnapshot1", "Configuration Snapshot…"}, title("Configuration Snapshot"), "TSnapshotForm"),
};
// clang-format on

}  // namespace

// ---- Reading the table --------------------------------------------------------------------------

QString MenuTitle::prefix() const {
  switch (kind) {
    case MenuTitleKind::Title:
      return QString::fromLatin1(text) + QStringLiteral(" : ");
    case MenuTitleKind::Prefix:
      return QString::fromLatin1(text);
    case MenuTitleKind::None:
    case MenuTitleKind::OwnCaption:
      break;
  }
  return {};
}

QString MenuTitle::caption(const QString& addressText) const {
  return hasPrefix() ? prefix() + addressText : QString();
}

const CatalogueList* MenuPage::catalogueList() const {
  return list ? findCatalogueList(QString::fromLatin1(list)) : nullptr;
}

MvSNMPVarList MenuPage::makeVarList() const {
  const CatalogueList* l = catalogueList();
  return l ? MvSNMPVarList(l->defs, kind, keys) : MvSNMPVarList();
}

int MenuExtras::formatCount() const {
  int n = 0;
  while (n < kMenuMaxFormats && formats[n].format) ++n;
  return n;
}

bool MenuExtras::isEmpty() const {
  return formatCount() == 0 && editWidth == 0 && requestTimeout == 0 && width == 0 &&
         widthGrowth == 0 && height == 0 && !noEdit && !ipAddressRows && !keepsInstance;
}

const MenuTop& MenuEntry::topMenu() const {
  return kTops[top];
}

int MenuEntry::depth() const {
  int n = 0;
  while (n < kMenuMaxDepth && path[n].caption) ++n;
  return n;
}

std::span<const MenuPage> MenuEntry::pageList() const {
  size_t n = 0;
  while (n < kMenuMaxPages && pages[n].list) ++n;
  return {pages, n};
}

QString MenuEntry::handler() const {
  return handlerName ? QString::fromLatin1(handlerName)
                     : QString::fromLatin1(item) + QStringLiteral("Click");
}

bool MenuEntry::isHiddenInMenu() const {
  return hidden || std::any_of(path, path + depth(), [](const MenuSubmenu& s) { return s.hidden; });
}

QStringList MenuEntry::captionPath() const {
  QStringList out{QString::fromLatin1(topMenu().caption)};
  for (int i = 0; i < depth(); ++i) out << QString::fromLatin1(path[i].caption);
  out << QString::fromUtf8(caption);  // ASCII, save the program's own "…"
  return out;
}

QString MenuEntry::pathText() const {
  QStringList levels = captionPath();
  for (QString& level : levels) level = level.trimmed();
  return levels.join(QStringLiteral(" \u203A "));
}

std::span<const MenuTop> menuTops() {
  return kTops;
}

std::span<const MenuEntry> menuEntries() {
  return kEntries;
}

std::span<const MenuEntry> menuAdditions() {
  return kAdditions;
}

const MenuEntry* findMenuItem(QStringView item) {
  for (const std::span<const MenuEntry> entries : {menuEntries(), menuAdditions()})
    for (const MenuEntry& e : entries)
      if (item == QLatin1StringView(e.item)) return &e;
  return nullptr;
}

namespace {

bool isLevelSeparator(QChar c) {
  return c == u'\u203A' || c == u'>' || c == u'/';
}

qsizetype skipBlanks(QStringView text, qsizetype pos) {
  while (pos < text.size() && text[pos].isSpace()) ++pos;
  return pos;
}

// Does text from `pos` on spell levels[k], levels[k + 1] ... with separators between them?
// Captions are fixed texts, so the first way a level matches is the only one.
bool matchesLevels(QStringView text, qsizetype pos, const QStringList& levels, qsizetype k) {
  pos = skipBlanks(text, pos);
  const QString level = levels[k].trimmed();
  if (!text.sliced(pos).startsWith(level, Qt::CaseInsensitive)) return false;
  pos = skipBlanks(text, pos + level.size());
  if (k + 1 == levels.size()) return pos == text.size();
  return pos < text.size() && isLevelSeparator(text[pos]) &&
         matchesLevels(text, pos + 1, levels, k + 1);
}

int editDistance(QStringView a, QStringView b) {
  std::vector<int> row(static_cast<size_t>(b.size()) + 1);
  for (size_t j = 0; j < row.size(); ++j) row[j] = static_cast<int>(j);
  for (qsizetype i = 1; i <= a.size(); ++i) {
    int diagonal = row[0];
    row[0] = static_cast<int>(i);
    for (qsizetype j = 1; j <= b.size(); ++j) {
      const int above = row[static_cast<size_t>(j)];
      const bool same = a[i - 1].toCaseFolded() == b[j - 1].toCaseFolded();
      row[static_cast<size_t>(j)] =
          std::min({above + 1, row[static_cast<size_t>(j) - 1] + 1, diagonal + (same ? 0 : 1)});
      diagonal = above;
    }
  }
  return row.back();
}

// The last level of a typed path: what follows its last "›" or ">" ("/" stands inside captions).
QStringView lastLevel(QStringView text) {
  qsizetype cut = -1;
  for (qsizetype i = 0; i < text.size(); ++i)
    if (text[i] == u'\u203A' || text[i] == u'>') cut = i;
  return text.sliced(cut + 1).trimmed();
}

}  // namespace

const MenuEntry* findMenuPath(QStringView path) {
  const QStringView text = path.trimmed();
  for (const std::span<const MenuEntry> entries : {menuEntries(), menuAdditions()})
    for (const MenuEntry& e : entries)
      if (matchesLevels(text, 0, e.captionPath(), 0)) return &e;
  return nullptr;
}

const MenuEntry* findMenuEntry(QStringView itemOrPath) {
  const MenuEntry* e = findMenuItem(itemOrPath.trimmed());
  return e ? e : findMenuPath(itemOrPath);
}

std::vector<const MenuEntry*> nearMenuEntries(QStringView text, int max) {
  const QStringView typed = text.trimmed();
  const QStringView last = lastLevel(typed);
  std::vector<std::pair<int, const MenuEntry*>> scored;
  for (const MenuEntry& e : kEntries) {
    // A menu or submenu typed in full: the entries below it.
    const QStringList levels = e.captionPath();
    bool below = false;
    for (qsizetype n = 1; n < levels.size() && !below; ++n)
      below = matchesLevels(typed, 0, levels.first(n), 0);
    if (below) {
      scored.emplace_back(0, &e);
      continue;
    }
    const QString caption = QString::fromLatin1(e.caption).trimmed();
    const QString item = QString::fromLatin1(e.item);
    int score = std::min({editDistance(typed, e.pathText()), editDistance(last, caption),
                          editDistance(typed, item)});
    // A typed word that a caption or name contains is as good as a near spelling.
    if (!last.isEmpty() &&
        (caption.contains(last, Qt::CaseInsensitive) || item.contains(last, Qt::CaseInsensitive)))
      score = std::min(score, 1);
    if (score <= std::max<qsizetype>(2, last.size() / 3)) scored.emplace_back(score, &e);
  }
  std::stable_sort(scored.begin(), scored.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<const MenuEntry*> out;
  for (const auto& [score, e] : scored) {
    if (static_cast<int>(out.size()) == max) break;
    out.push_back(e);
  }
  return out;
}

const MenuPage* firstMenuUseOfList(QStringView list) {
  for (const MenuEntry& e : kEntries)
    for (const MenuPage& p : e.pageList())
      if (list == QLatin1StringView(p.list)) return &p;
  return nullptr;
}

const char* menuFamilyKeyword(MenuFamily family) {
  switch (family) {
    case MenuFamily::Editor:
      return "editor";
    case MenuFamily::Table:
      return "table";
    case MenuFamily::Tabs:
      return "tabs";
    case MenuFamily::Tool:
      return "tool";
    case MenuFamily::Form:
      return "form";
    case MenuFamily::Action:
      return "action";
  }
  return "";
}

const char* menuActionKeyword(MenuAction action) {
  switch (action) {
    case MenuAction::None:
      return "";
    case MenuAction::SaveChanges:
      return "save-changes";
    case MenuAction::Reboot:
      return "reboot";
    case MenuAction::Help:
      return "help";
    case MenuAction::About:
      return "about";
  }
  return "";
}

const char* menuTitleKindKeyword(MenuTitleKind kind) {
  switch (kind) {
    case MenuTitleKind::None:
      return "none";
    case MenuTitleKind::Title:
      return "title";
    case MenuTitleKind::Prefix:
      return "prefix";
    case MenuTitleKind::OwnCaption:
      return "own";
  }
  return "";
}
