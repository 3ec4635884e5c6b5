// The catalogue's conventions, checked without a device: the shape of every list (pinned), the
// terminator, the recurring option sets, implied index columns, the odd cells kept as they are,
// lookup by name, the single-port list and the JSON listing.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <set>
#include <vector>

#include "catalogue/CatalogueJson.h"
#include "catalogue/CatalogueOptions.h"
#include "catalogue/CatalogueRegistry.h"
#include "mvsnmp/MvOptionList.h"
#include "mvsnmp/MvValueConversion.h"

namespace {

struct Shape {
  const char* name;
  int kind, keys, items;
};

// Every list in registry order: list kind, key count, number of items.
const Shape kShapes[] = {
    {"ModuleTypeList", 0, 0, 2},
    {"BasicInformationList", 0, 0, 4},
    {"MibCapabilitiesList", 2, 1, 4},
    {"CpuUtilizationList", 0, 0, 3},
    {"PortUtilizationList", 2, 1, 4},
    {"IpConfigurationList", 0, 0, 5},
    {"FdbClearAllList", 0, 0, 1},
    {"ArpClearAllList", 0, 0, 1},
    {"DeviceControlList", 0, 0, 11},
    {"FileTransferList", 2, 1, 8},
    {"ConsoleModeList", 0, 0, 5},
    {"TrapReceiverList", 3, 1, 4},
    {"CableDiagnosticsList", 2, 1, 12},
    {"SaveConfigList", 0, 0, 1},
    {"SystemResetList", 0, 0, 1},
    {"TrustHostDeleteAllList", 0, 0, 1},
    {"SystemTimeInfoList", 0, 0, 2},
    {"SystemTimeSetList", 0, 0, 4},
    {"SntpList", 0, 0, 5},
    {"SingleIpInformationList", 0, 0, 3},
    {"SingleIpControlList", 0, 0, 4},
    {"SingleIpMsList", 3, 1, 10},
    {"SingleIpCasList", 3, 1, 7},
    {"SingleIpGroupList", 3, 1, 8},
    {"SingleIpNeighborList", 3, 2, 3},
    {"SmtpInformationList", 0, 0, 1},
    {"SmtpReceiverList", 3, 1, 3},
    {"CpuAclControlList", 0, 0, 1},
    {"CpuAclEthernetMaskList", 3, 1, 8},
    {"CpuAclEthernetRuleList", 3, 2, 10},
    {"CpuAclIpMaskList", 3, 1, 18},
    {"CpuAclIpRuleList", 3, 2, 17},
    {"CpuAclPacketMaskList", 3, 1, 7},
    {"CpuAclPacketRuleList", 3, 2, 10},
    {"CpuAclIpv6MaskList", 3, 1, 7},
    {"CpuAclIpv6RuleList", 3, 2, 9},
    {"IpMacBindingControlList", 0, 0, 2},
    {"IpMacBindingPortList", 3, 1, 3},
    {"IpMacBindingTableList", 3, 1, 4},
    {"IpMacBindingBlockedList", 3, 2, 6},
    {"SyslogControlList", 0, 0, 1},
    {"SyslogEntryList", 3, 1, 7},
    {"AggregatorPortList", 2, 1, 2},
    {"AggregatorTableList", 2, 1, 11},
    {"AggregationPortList", 2, 1, 24},
    {"AggPortStateList", 2, 1, 8},
    {"AggPortDebugList", 2, 1, 12},
    {"AuthModeList", 0, 0, 2},
    {"SystemAuthControlList", 0, 0, 1},
    {"PaeSystemList", 2, 1, 5},
    {"PaeAuthenticatorList", 2, 1, 15},
    {"PaeAuthStatsList", 2, 1, 13},
    {"PaeAuthDiagList", 2, 1, 19},
    {"PaeAuthSessionList", 2, 1, 10},
    {"PaeSuppConfigList", 2, 1, 6},
    {"PaeSuppStatsList", 2, 1, 13},
    {"EapolForwardList", 0, 0, 1},
    {"EapolForwardPortList", 3, 1, 2},
    {"RadiusBasicList", 0, 0, 3},
    {"RadiusServerList", 2, 1, 6},
    {"RadiusAuthInfoList", 0, 0, 2},
    {"RadiusAuthServerList", 2, 1, 15},
    {"RadiusAcctControlList", 0, 0, 2},
    {"RadiusAcctServiceList", 2, 1, 3},
    {"RadiusAcctInfoList", 0, 0, 2},
    {"RadiusAcctServerList", 2, 1, 13},
    {"MacAuthStateList", 2, 2, 5},
    {"MacAuthStatsList", 2, 2, 14},
    {"MacAuthDiagList", 2, 2, 20},
    {"MacAuthSessionList", 2, 2, 11},
    {"SshManagementList", 0, 0, 7},
    {"SshAlgorithmList", 0, 0, 14},
    {"SshAuthMethodList", 0, 0, 3},
    {"SshUserList", 3, 1, 4},
    {"Bridge8021dInfoList", 0, 0, 5},
    {"Bridge8021dPortList", 3, 1, 5},
    {"StpManagementList", 0, 0, 1},
    {"StpPortInformationList", 3, 1, 13},
    {"Priority8021pBasicList", 0, 0, 2},
    {"Vlan8021qBasicList", 0, 0, 5},
    {"RmonStateList", 0, 0, 1},
    {"SnmpEngineList", 0, 0, 4},
    {"SnmpMpdList", 0, 0, 3},
    {"SnmpTargetObjectsList", 0, 0, 3},
    {"SnmpTargetAddrList", 3, 1, 9},
    {"SnmpTargetParamsList", 3, 1, 7},
    {"UsmStatsList", 0, 0, 6},
    {"UsmUserList", 3, 2, 13},
    {"VacmGroupList", 3, 2, 5},
    {"VacmAccessList", 3, 4, 10},
    {"VacmViewTreeList", 3, 2, 6},
    {"SnmpNotifyList", 3, 1, 5},
    {"SnmpNotifyProfileList", 3, 1, 4},
    {"SnmpNotifyFilterList", 3, 2, 6},
    {"SnmpCommunityList", 3, 1, 8},
    {"SnmpCommunityTargetList", 2, 1, 3},
    {"QosMechanismList", 0, 0, 1},
    {"BandwidthControlList", 3, 1, 5},
    {"QosSchedulingList", 3, 1, 2},
    {"UserPriorityList", 3, 1, 2},
    {"DefaultPriorityList", 3, 1, 3},
    {"TrunkInformationList", 0, 0, 3},
    {"PortTrunkList", 2, 1, 7},
    {"LacpPortList", 3, 1, 2},
    {"TrunkVlanList", 3, 1, 2},
    {"PortMirrorList", 0, 0, 4},
    {"PortInformationList", 2, 1, 3},
    {"PortControlList", 3, 1, 7},
    {"TrafficControlList", 3, 1, 6},
    {"TrafficSegmentList", 3, 1, 2},
    {"PortErrorList", 3, 1, 5},
    {"PortSecurityList", 2, 1, 4},
    {"PacketStormControlList", 0, 0, 1},
    {"PacketStormTableList", 3, 1, 9},
    {"LoopDetectionList", 0, 0, 3},
    {"LoopDetectionPortList", 3, 1, 3},
    {"IgmpInformationList", 0, 0, 2},
    {"IgmpControlList", 3, 1, 12},
    {"IgmpQueryList", 2, 1, 3},
    {"IgmpTableList", 2, 2, 5},
    {"IgmpAccessAuthList", 3, 1, 2},
    {"CosPriorityList", 3, 1, 5},
    {"CosPortPriList", 3, 1, 2},
    {"CosMacPriList", 3, 1, 2},
    {"CosTosPriList", 3, 1, 2},
    {"CosDscpPriList", 3, 1, 2},
    {"DhcpRelayList", 0, 0, 3},
    {"DhcpOption82List", 0, 0, 3},
    {"DhcpOption60List", 0, 0, 2},
    {"DhcpOption60DefaultList", 3, 1, 2},
    {"DhcpOption60TableList", 3, 2, 4},
    {"DhcpOption61List", 0, 0, 3},
    {"DhcpOption61TableList", 3, 2, 5},
};

std::vector<std::pair<qint32, QString>> entries(const MvOptionList& list) {
  std::vector<std::pair<qint32, QString>> out;
  for (int i = 0; i < list.count(); ++i) out.emplace_back(list.item(i).number, list.item(i).label);
  return out;
}

std::set<const MvOptionList*> referencedOptionLists() {
  std::set<const MvOptionList*> lists;
  for (const CatalogueList& list : catalogueLists())
    for (const SnmpVarDef* d = list.defs; d->oid; ++d)
      if (d->options) lists.insert(d->options);
  return lists;
}

TEST(CatalogueShape, EveryListHasItsKindKeysAndItemCount) {
  const std::vector<CatalogueList>& lists = catalogueLists();
  ASSERT_EQ(lists.size(), std::size(kShapes));
  int total = 0;
  for (size_t i = 0; i < lists.size(); ++i) {
    const Shape& s = kShapes[i];
    SCOPED_TRACE(s.name);
    EXPECT_STREQ(lists[i].name, s.name);
    EXPECT_EQ(lists[i].kind, s.kind);
    EXPECT_EQ(lists[i].keyCount, s.keys);
    EXPECT_EQ(lists[i].itemCount(), s.items);
    total += lists[i].itemCount();
  }
  EXPECT_EQ(lists.size(), 133u);
  EXPECT_EQ(total, 752);
}

TEST(CatalogueShape, EveryArrayEndsWithTheTerminatorAndFillsOnlyTheFirstFiveFields) {
  for (const CatalogueList& list : catalogueLists()) {
    SCOPED_TRACE(list.name);
    const int n = list.itemCount();
    const SnmpVarDef& end = list.defs[n];
    EXPECT_EQ(end.oid, nullptr);
    EXPECT_EQ(end.label, nullptr);
    EXPECT_EQ(end.options, nullptr);
    EXPECT_EQ(end.syntax | end.access, 0u);
    // The variable list takes exactly the records before the terminator.
    const MvSNMPVarList vars = list.makeVarList();
    EXPECT_EQ(vars.count(), n);
    EXPECT_EQ(vars.itemType(), list.kind);
    EXPECT_EQ(vars.keyCount(), list.keyCount);
    for (int i = 0; i < n; ++i) {
      const SnmpVarDef& d = list.defs[i];
      EXPECT_NE(d.label, nullptr);
      EXPECT_EQ(d.readExpr, nullptr);
      EXPECT_EQ(d.writeExpr, nullptr);
      EXPECT_EQ(d.reserved, nullptr);
      EXPECT_EQ(d.initialValue, nullptr);
      EXPECT_EQ(d.initialOid, nullptr);
      EXPECT_EQ(vars.item(i).oid, QString::fromLatin1(d.oid));
      EXPECT_EQ(vars.item(i).label, QString::fromLatin1(d.label));
    }
  }
}

TEST(CatalogueShape, OnlyTheCodesOfTheCatalogueOccur) {
  const std::set<quint32> syntaxes{Syntax::Integer,    Syntax::BitStr,     Syntax::OctetStr,
                                   Syntax::ObjectId,   Syntax::IpAddress,  Syntax::Counter,
                                   Syntax::Guage,      Syntax::TimeTicks,  Syntax::Counter64,
                                   Syntax::MacAddress, Syntax::DisplayStr, Syntax::Ipv6Address};
  const std::set<quint32> accesses{1, 2, 6, 65};
  for (const CatalogueList& list : catalogueLists())
    for (const SnmpVarDef* d = list.defs; d->oid; ++d) {
      EXPECT_TRUE(syntaxes.count(d->syntax)) << list.name << " " << d->label;
      EXPECT_TRUE(accesses.count(d->access)) << list.name << " " << d->label;
      // Scalars have no index columns; a table's non-key items are never index columns.
      const int pos = static_cast<int>(d - list.defs);
      if (pos >= list.keyCount) {
        EXPECT_FALSE(d->access & Access::NotAccess) << list.name << " " << pos;
      }
    }
}

// Cells that look wrong are kept as the device's tables have them.
TEST(CatalogueShape, OddCellsAreKeptAsWritten) {
  const CatalogueList* eapol = findCatalogueList(u"EapolForwardPortList");
  ASSERT_TRUE(eapol);
  EXPECT_STREQ(eapol->defs[0].oid, "");  // an empty OID is a record, not the terminator
  EXPECT_EQ(eapol->itemCount(), 2);

  std::set<std::string> readableKeys, duplicateLabels;
  for (const CatalogueList& list : catalogueLists()) {
    for (int k = 0; k < list.keyCount; ++k)
      if (list.defs[k].access & Access::ReadOnly) readableKeys.insert(list.name);
    std::set<std::string> seen;
    for (const SnmpVarDef* d = list.defs; d->oid; ++d)
      if (!seen.insert(d->label).second) duplicateLabels.insert(list.name);
  }
  EXPECT_EQ(readableKeys,
            (std::set<std::string>{"AggPortStateList", "AggPortDebugList", "PortControlList"}));
  EXPECT_EQ(duplicateLabels, std::set<std::string>{"IgmpControlList"});

  const CatalogueList* device = findCatalogueList(u"DeviceControlList");
  ASSERT_TRUE(device);
  EXPECT_STREQ(device->defs[2].label, "Clean All  Statistic Counter");
}

TEST(CatalogueRegistry, FindsEveryListByItsExactName) {
  std::set<std::string> names;
  for (const CatalogueList& list : catalogueLists()) {
    EXPECT_TRUE(names.insert(list.name).second) << list.name << " twice";
    EXPECT_EQ(findCatalogueList(QString::fromLatin1(list.name)), &list);
  }
  EXPECT_EQ(findCatalogueList(u"basicinformationlist"), nullptr);
  EXPECT_EQ(findCatalogueList(u"BasicInformation"), nullptr);
  EXPECT_EQ(findCatalogueList(u""), nullptr);
  EXPECT_EQ(definitionCount(nullptr), 0);
}

TEST(CatalogueOptions, RecurringSetsAreExpandedInOrder) {
  using Pairs = std::vector<std::pair<qint32, QString>>;
  const std::vector<std::pair<const MvOptionList*, Pairs>> sets{
      {&DisabledEnabled, {{2, "disabled"}, {3, "enabled"}}},
      {&EnabledDisabled, {{1, "enabled"}, {2, "disabled"}}},
      {&EnableDisable, {{1, "enable"}, {2, "disable"}}},
      {&TruthValueOptions, {{1, "true"}, {2, "false"}}},
      {&RowStatusOptions,
       {{1, "active"},
        {2, "notInService"},
        {3, "notReady"},
        {4, "createAndGo"},
        {5, "createAndWait"},
        {6, "destroy"}}},
      {&StorageTypeOptions,
       {{1, "other"}, {2, "volatile"}, {3, "nonVolatile"}, {4, "permanent"}, {5, "readOnly"}}},
  };
  std::set<Pairs> recurring;
  for (const auto& [list, pairs] : sets) {
    EXPECT_EQ(entries(*list), pairs);
    recurring.insert(pairs);
  }
  // Defined once: no explicit list repeats a recurring set under another object.
  for (const MvOptionList* list : referencedOptionLists()) {
    const bool isRecurring =
        std::any_of(sets.begin(), sets.end(), [list](const auto& s) { return s.first == list; });
    if (!isRecurring) {
      EXPECT_FALSE(recurring.count(entries(*list))) << list->item(0).label.toStdString();
    }
  }
  // The texts a table page writes to add and delete rows.
  EXPECT_EQ(RowStatusOptions.valueOf("createAndGo"), "4");
  EXPECT_EQ(RowStatusOptions.valueOf("destroy"), "6");
}

TEST(CatalogueOptions, EveryItemOptionListIsNumericAndBuilt) {
  for (const MvOptionList* list : referencedOptionLists()) {
    EXPECT_EQ(list->kind(), MvOptionList::Numeric);
    EXPECT_FALSE(list->caseSensitive());
    EXPECT_GT(list->count(), 0);
  }
}

TEST(CatalogueOptions, SinglePortListMapsEachPortToItsBit) {
  ASSERT_EQ(SinglePortOptions.kind(), MvOptionList::Text);
  ASSERT_EQ(SinglePortOptions.count(), 26);
  for (int p = 1; p <= 26; ++p) {
    QByteArray bits(7, '\0');
    bits[(p - 1) / 8] = static_cast<char>(0x80 >> ((p - 1) % 8));
    EXPECT_EQ(SinglePortOptions.item(p - 1).text, hexText(bits)) << p;
    EXPECT_EQ(SinglePortOptions.labelOf(hexText(bits)), QString("Port %1").arg(p));
  }
  EXPECT_EQ(SinglePortOptions.labelOf("80000000000000"), "Port 1");
  EXPECT_EQ(SinglePortOptions.valueOf("Port 26"), "00000040000000");
}

// Text-valued index columns of the SNMP-TARGET, -NOTIFICATION and -COMMUNITY tables are the last
// key, not accessible and implied: their value goes into the row index without a length.
TEST(CatalogueIndexes, ImpliedColumnsAreLastKeysEncodedWithoutLength) {
  std::set<std::string> withImplied;
  for (const CatalogueList& list : catalogueLists()) {
    for (int i = 0; list.defs[i].oid; ++i) {
      const SnmpVarDef& d = list.defs[i];
      if (!(d.access & Access::Implied)) continue;
      withImplied.insert(list.name);
      SCOPED_TRACE(list.name);
      EXPECT_EQ(i, list.keyCount - 1);
      EXPECT_EQ(d.access, Access::NotAccess | Access::Implied);
      MvSNMPVarList vars = list.makeVarList();
      const bool text = d.syntax == Syntax::DisplayStr;
      ASSERT_TRUE(text || d.syntax == Syntax::ObjectId);
      vars.item(i).value = text ? "ab" : "1.3.6";
      EXPECT_EQ(encodeIndexValue(vars, i), text ? "97.98" : "1.3.6");
      EXPECT_EQ(decodeIndexValue(vars, i, text ? "97.98" : "1.3.6"), "");
      EXPECT_EQ(vars.item(i).value, text ? "ab" : "1.3.6");
    }
  }
  EXPECT_EQ(withImplied,
            (std::set<std::string>{"SnmpTargetAddrList", "SnmpTargetParamsList", "SnmpNotifyList",
                                   "SnmpNotifyProfileList", "SnmpNotifyFilterList",
                                   "SnmpCommunityList", "SnmpCommunityTargetList"}));
  // The same text as a non-implied key carries its length first.
  MvSNMPVarList vacm = findCatalogueList(u"VacmGroupList")->makeVarList();
  vacm.item(1).value = "ab";
  EXPECT_EQ(encodeIndexValue(vacm, 1), "2.97.98");
}

TEST(CatalogueJson, ListsEveryItemWithItsCodesAndOptions) {
  const QByteArray json = catalogueJson();
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
  const QJsonArray lists = doc.object().value("lists").toArray();
  const std::vector<CatalogueList>& expected = catalogueLists();
  ASSERT_EQ(lists.size(), static_cast<qsizetype>(expected.size()));
  for (qsizetype i = 0; i < lists.size(); ++i) {
    const QJsonObject l = lists[i].toObject();
    const CatalogueList& e = expected[static_cast<size_t>(i)];
    SCOPED_TRACE(e.name);
    EXPECT_EQ(l.value("name").toString(), e.name);
    EXPECT_EQ(l.value("kind").toInt(), e.kind);
    EXPECT_EQ(l.value("keys").toInt(), e.keyCount);
    const QJsonArray items = l.value("items").toArray();
    ASSERT_EQ(items.size(), e.itemCount());
    for (int k = 0; k < e.itemCount(); ++k) {
      const QJsonObject it = items[k].toObject();
      const SnmpVarDef& d = e.defs[k];
      EXPECT_EQ(it.value("oid").toString(), d.oid);
      EXPECT_EQ(it.value("label").toString(), d.label);
      EXPECT_EQ(it.value("syntax").toInt(), static_cast<int>(d.syntax));
      EXPECT_EQ(it.value("access").toInt(), static_cast<int>(d.access));
      const QJsonArray options = it.value("options").toArray();
      ASSERT_EQ(options.size(), d.options ? d.options->count() : 0);
      for (int o = 0; o < options.size(); ++o) {
        EXPECT_EQ(options[o].toArray()[0].toInt(), d.options->item(o).number);
        EXPECT_EQ(options[o].toArray()[1].toString(), d.options->item(o).label);
      }
    }
  }
  // Keys in the documented order; labels byte for byte (double blank included).
  EXPECT_TRUE(json.startsWith(R"({"lists":[{"name":"ModuleTypeList","kind":0,"keys":0,"items":[)"));
  EXPECT_TRUE(json.contains(R"("label":"Clean All  Statistic Counter")"));
  EXPECT_TRUE(json.contains(R"("oid":"","label":"Port Number")"));
}

TEST(CatalogueText, OneHeaderPerListAndOneLinePerItem) {
  const QList<QByteArray> lines = catalogueText().split('\n');
  qsizetype headers = 0, items = 0;
  for (const QByteArray& line : lines) {
    if (line.isEmpty()) continue;
    (line.startsWith("  ") ? items : headers)++;
  }
  EXPECT_EQ(headers, 133);
  EXPECT_EQ(items, 752);
  EXPECT_TRUE(lines.contains(
      R"(  3  1.3.6.1.6.3.16.1.4.1.3  "Access Security Level"  integer  notaccess  )"
      R"(1 "noAuthNoPriv", 2 "authNoPriv", 3 "authPriv")"));
  EXPECT_TRUE(lines.contains("SnmpNotifyFilterList  kind 3 (MVT_UMV), 2 keys, 6 items"));
  EXPECT_TRUE(lines.contains(
      R"(  1  1.3.6.1.6.3.13.1.3.1.1  "Notify Filter Subtree"  objectid  notaccess, implied)"));
}

}  // namespace
