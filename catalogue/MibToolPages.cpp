#include "catalogue/MibToolPages.h"

#include <algorithm>

#include "catalogue/Bridgemiboidunit.h"
#include "catalogue/Entityoidunit.h"
#include "catalogue/Etherlikeoidunit.h"
#include "catalogue/Ifmiboidunit.h"
#include "catalogue/Mib2oidunit.h"
#include "catalogue/Rmonmiboidunit.h"

namespace {

const CatalogueList kStandardLists[] = {
    {"Mib2SystemList", Mib2SystemList, SVT_SV, 0},
    {"Mib2IfTableList", Mib2IfTableList, MVT_FMV, 1},
    {"Mib2IfCountersList", Mib2IfCountersList, MVT_FMV, 1},
    {"Mib2IpCountersList", Mib2IpCountersList, SVT_SV, 0},
    {"Mib2IpAddrTableList", Mib2IpAddrTableList, MVT_FMV, 1},
    {"Mib2IpRouteTableList", Mib2IpRouteTableList, MVT_FMV, 1},
    {"Mib2IcmpCountersList", Mib2IcmpCountersList, SVT_SV, 0},
    {"Mib2UdpCountersList", Mib2UdpCountersList, SVT_SV, 0},
    {"Mib2SnmpCountersList", Mib2SnmpCountersList, SVT_SV, 0},
    {"IfMibGeneralList", IfMibGeneralList, SVT_SV, 0},
    {"IfMibIfXTableList", IfMibIfXTableList, MVT_FMV, 1},
    {"IfMibStackTableList", IfMibStackTableList, MVT_FMV, 2},
    {"BridgeStaticTableList", BridgeStaticTableList, MVT_FMV, 2},
    {"BridgeTpPortTableList", BridgeTpPortTableList, MVT_FMV, 1},
    {"PBridgeExtBaseList", PBridgeExtBaseList, SVT_SV, 0},
    {"PBridgePortPriorityList", PBridgePortPriorityList, MVT_FMV, 1},
    {"PBridgeRegenPriorityList", PBridgeRegenPriorityList, MVT_FMV, 2},
    {"PBridgeTrafficClassList", PBridgeTrafficClassList, MVT_FMV, 2},
    {"PBridgeGmrpStatusList", PBridgeGmrpStatusList, SVT_SV, 0},
    {"PBridgePortGmrpList", PBridgePortGmrpList, MVT_FMV, 1},
    {"PBridgePortGarpList", PBridgePortGarpList, MVT_FMV, 1},
    {"PBridgePortCapabilitiesList", PBridgePortCapabilitiesList, MVT_FMV, 1},
    {"QBridgePortVlanList", QBridgePortVlanList, MVT_FMV, 1},
    {"QBridgeTpFdbList", QBridgeTpFdbList, MVT_FMV, 2},
    {"RmonEtherStatsList", RmonEtherStatsList, MVT_FMV, 1},
    {"RmonHistoryControlList", RmonHistoryControlList, MVT_FMV, 1},
    {"RmonEtherHistoryList", RmonEtherHistoryList, MVT_FMV, 2},
    {"RmonAlarmList", RmonAlarmList, MVT_FMV, 1},
    {"RmonEventList", RmonEventList, MVT_FMV, 1},
    {"Dot3StatsList", Dot3StatsList, MVT_FMV, 1},
    {"EntPhysicalList", EntPhysicalList, MVT_FMV, 1},
    {"EntLogicalList", EntLogicalList, MVT_FMV, 1},
    {"EntLPMappingList", EntLPMappingList, MVT_FMV, 2},
    {"EntAliasMappingList", EntAliasMappingList, MVT_FMV, 2},
    {"EntPhysicalContainsList", EntPhysicalContainsList, MVT_FMV, 2},
};

using T = MibToolTab;

const MibToolPage kPages[] = {
    {"/TMIB_Info", "System Information", {T{nullptr, "Mib2SystemList"}}},
    {"/TMIB_IFTable", "Interface Table", {T{nullptr, "Mib2IfTableList"}}},
    {"/TMIB_IFCounters", "Interface Counters", {T{nullptr, "Mib2IfCountersList"}}, true,
     "ifInOctets", "ifOutOctets"},
    {"/TMIB_IPCounters", "IP Counters", {T{nullptr, "Mib2IpCountersList"}}, true},
    {"/TMIB_IPRouting", "IP Routing Table", {T{nullptr, "Mib2IpRouteTableList"}}},
    {"/TMIB_IPAddress", "IP Address Table", {T{nullptr, "Mib2IpAddrTableList"}}},
    {"/TMIB_ICMPCounters", "ICMP Counters", {T{nullptr, "Mib2IcmpCountersList"}}, true},
    {"/TMIB_UDPCounters", "UDP Counters", {T{nullptr, "Mib2UdpCountersList"}}, true},
    {"/TMIB_SNMPCounters", "SNMP Counters", {T{nullptr, "Mib2SnmpCountersList"}}, true},
    {"/TBridge_StaticFilter", "Static Filtering Table", {T{nullptr, "BridgeStaticTableList"}}},
    {"/TBridge_TpPortInfo", "Transparent Bridge Port Counters", {T{nullptr, "BridgeTpPortTableList"}},
     true},
    {"/TIFMib_LastChangeTable", "IF-MIB General", {T{nullptr, "IfMibGeneralList"}}},
    {"/TIFMib_ifXEntry", "IfX Table", {T{nullptr, "IfMibIfXTableList"}}, true, "ifHCInOctets",
     "ifHCOutOctets"},
    {"/TIFMib_ifStackTable", "IfStack Table", {T{nullptr, "IfMibStackTableList"}}},
    {"/TVLan_8021DPriority", "802.1p Priority",
     {T{"Extended Base", "PBridgeExtBaseList"}, T{"Port Priority", "PBridgePortPriorityList"},
      T{"Priority Regeneration", "PBridgeRegenPriorityList"},
      T{"Traffic Class", "PBridgeTrafficClassList"}}},
    {"/TVLan_GMRP", "GMRP",
     {T{"GMRP Status", "PBridgeGmrpStatusList"}, T{"Port GMRP", "PBridgePortGmrpList"}}},
    {"/TVLan_GARP", "GARP Timers", {T{nullptr, "PBridgePortGarpList"}}},
    {"/TVLan_PortCapability", "Port Capabilities", {T{nullptr, "PBridgePortCapabilitiesList"}}},
    {"/TVLan_PortInfo", "802.1Q Port VLAN Information", {T{nullptr, "QBridgePortVlanList"}}},
    {"/TVLan_TpBridge8021Q", "802.1Q Forwarding Table", {T{nullptr, "QBridgeTpFdbList"}}},
    {"/TRmon_Statistics", "RMON Ethernet Statistics", {T{nullptr, "RmonEtherStatsList"}}, true},
    {"/TRmon_History", "RMON History",
     {T{"History Control", "RmonHistoryControlList"}, T{"Ethernet History", "RmonEtherHistoryList"}}},
    {"/TRmon_AlarmEvent", "RMON Alarms and Events",
     {T{"Alarm", "RmonAlarmList"}, T{"Event", "RmonEventList"}}},
    {"/TEthernetLike_dot3StatsTable", "dot3 Statistics", {T{nullptr, "Dot3StatsList"}}, true},
    {"/TEntityMIB_Physical", "Entity Physical Table", {T{nullptr, "EntPhysicalList"}}},
    {"/TEntityMIB_Logical", "Entity Logical Table", {T{nullptr, "EntLogicalList"}}},
    {"/TEntityMIB_Maping", "Entity Mapping",
     {T{"Logical to Physical", "EntLPMappingList"}, T{"Alias", "EntAliasMappingList"},
      T{"Physical Contains", "EntPhysicalContainsList"}}},
};

}  // namespace

const std::vector<CatalogueList>& standardMibLists() {
  static const std::vector<CatalogueList> lists(std::begin(kStandardLists), std::end(kStandardLists));
  return lists;
}

const CatalogueList* findStandardMibList(QStringView name) {
  for (const CatalogueList& l : standardMibLists())
    if (name == QLatin1StringView(l.name)) return &l;
  return nullptr;
}

const CatalogueList* MibToolTab::catalogueList() const {
  return findStandardMibList(QString::fromLatin1(list));
}

MvSNMPVarList MibToolTab::makeVarList() const {
  const CatalogueList* l = catalogueList();
  return l ? l->makeVarList() : MvSNMPVarList();
}

int MibToolPage::tabCount() const {
  int n = 0;
  while (n < kMibToolMaxTabs && tabs[n].list) ++n;
  return n;
}

std::span<const MibToolPage> mibToolPages() { return kPages; }

const MibToolPage* findMibToolPage(QStringView argument) {
  const auto it = std::find_if(std::begin(kPages), std::end(kPages), [&](const MibToolPage& p) {
    return argument.compare(QLatin1StringView(p.argument), Qt::CaseInsensitive) == 0;
  });
  return it == std::end(kPages) ? nullptr : &*it;
}
