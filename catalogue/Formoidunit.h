// Descriptor lists of the dedicated forms (VLAN tables, static filtering, IGMP router ports,
// trusted hosts, DHCP relay, spanning tree, summer time, SMTP, guest VLAN, log save, forwarding
// table), their option lists, and which form uses which list.
#pragma once

#include <QStringView>
#include <span>
#include <vector>

#include "catalogue/CatalogueRegistry.h"

class MvOptionList;

extern const SnmpVarDef VlanStaticList[];
extern const SnmpVarDef VlanNextFreeList[];
extern const SnmpVarDef VlanCurrentList[];
extern const SnmpVarDef VlanNumDeletesList[];
extern const SnmpVarDef PortVlanList[];
extern const SnmpVarDef UnicastFilterList[];
extern const SnmpVarDef MulticastFilterList[];
extern const SnmpVarDef IgmpRouterPortList[];
extern const SnmpVarDef TrustHostList[];
extern const SnmpVarDef DhcpRelayControlList[];
extern const SnmpVarDef StpBridgeList[];
extern const SnmpVarDef StpPortList[];
extern const SnmpVarDef SummerTimeList[];
extern const SnmpVarDef SmtpControlList[];
extern const SnmpVarDef GuestVlanEditList[];
extern const SnmpVarDef GuestVlanNameList[];
extern const SnmpVarDef GuestVlanDeleteList[];
extern const SnmpVarDef LogSaveControlList[];
extern const SnmpVarDef ForwardingList[];

// The parts of a summer-time rule: months 1 "Jan" ... 12 "Dec", weekdays 1 "Sun" ... 7 "Sat",
// weeks of the month 1 "1st" ... 4 "4th" and 0 "last".
extern const MvOptionList SummerTimeMonthOptions;
extern const MvOptionList SummerTimeWeekdayOptions;
extern const MvOptionList SummerTimeWeekOptions;

// A dedicated form: its class, the menu item that opens it, and the lists it binds.
struct CatalogueForm {
  static constexpr int MaxLists = 3;
  const char* formClass;
  const char* item;
  const char* lists[MaxLists];  // by name; nullptr ends them

  std::vector<const CatalogueList*> catalogueLists() const;
};

// Every list a dedicated form uses, in the order of catalogueForms().
const std::vector<CatalogueList>& formLists();
// The dedicated forms, in menu order: the device's fourteen and the port VLAN settings.
std::span<const CatalogueForm> catalogueForms();
// By class name ("TVlanStaticForm") or menu item ("StauticTable1"); nullptr when none.
const CatalogueForm* findCatalogueForm(QStringView classOrItem);
