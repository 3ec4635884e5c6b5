// The menu map without a device: its shape, the parameters of sample entries of every family,
// its agreement with the catalogue, lookup by name and by caption path, and its printed forms.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <map>
#include <set>
#include <string_view>

#include "catalogue/CatalogueJson.h"
#include "catalogue/CatalogueRegistry.h"
#include "catalogue/MenuMap.h"
#include "catalogue/Formoidunit.h"
#include "catalogue/MenuMapText.h"
#include "mvsnmp/MvOptionList.h"

namespace {

const MenuEntry& entryOf(const char* item) {
  const MenuEntry* e = findMenuItem(QString::fromLatin1(item));
  if (!e) throw std::runtime_error(std::string("no menu item ") + item);
  return *e;
}

// ---- Shape -------------------------------------------------------------------------------------

TEST(MenuMapShape, HasTheEntriesOfEveryFamily) {
  // The device's 159 entries and "VLAN › 802.1Q › Port VLAN Settings", a form of this program's own.
  EXPECT_EQ(menuEntries().size(), 160u);
  std::map<MenuFamily, int> count;
  for (const MenuEntry& e : menuEntries()) ++count[e.family];
  EXPECT_EQ(count[MenuFamily::Editor], 42);
  EXPECT_EQ(count[MenuFamily::Table], 61);
  EXPECT_EQ(count[MenuFamily::Tabs], 11);
  EXPECT_EQ(count[MenuFamily::Tool], 27);
  EXPECT_EQ(count[MenuFamily::Form], 15);
  EXPECT_EQ(count[MenuFamily::Action], 4);
}

TEST(MenuMapShape, TopLevelMenusInMenuBarOrder) {
  QStringList tops;
  for (const MenuTop& t : menuTops())
    tops << QStringLiteral("%1=%2%3%4")
                .arg(t.caption, t.name, t.rmonCheckOnOpen ? "+rmon" : "", t.onlyForV3 ? "+v3" : "");
  EXPECT_EQ(tops.join(u'|').toStdString(),
            "Configuration=Configuration1|MIB II=MIBII1|Bridge=Bridge1|VLAN=VLAN1|RMON=RMON1+rmon|"
            "Security Management=SecurityManagement2|SNMP V3=VACM1+v3|"
            "Advanced Configuration=Layer2Management2|About=About1");
  // Entries come menu by menu: the top index never goes back.
  int last = 0, perTop[9] = {};
  for (const MenuEntry& e : menuEntries()) {
    EXPECT_GE(e.top, last) << e.item;
    last = e.top;
    ++perTop[e.top];
  }
  EXPECT_EQ(std::vector<int>(perTop, perTop + 9),
            (std::vector<int>{52, 9, 9, 13, 4, 25, 7, 39, 2}));
}

TEST(MenuMapShape, PortVlanSettingsFollowTheOther8021QEntries) {
  const MenuEntry* e = findMenuPath(u"VLAN › 802.1Q › Port VLAN Settings");
  ASSERT_NE(e, nullptr);
  EXPECT_STREQ(e->item, "PortVLANSettings1");
  EXPECT_EQ(e->family, MenuFamily::Form);
  EXPECT_STREQ(e->form, "TPortVlanForm");
  EXPECT_FALSE(e->isHiddenInMenu());
  const MenuEntry& before = *(e - 1);
  EXPECT_STREQ(before.item, "MulticastStaticFiltering1");
  const CatalogueForm* form = findCatalogueForm(u"TPortVlanForm");
  ASSERT_NE(form, nullptr);
  ASSERT_EQ(form->catalogueLists().size(), 2u);
  EXPECT_STREQ(form->catalogueLists()[0]->name, "PortVlanList");
  EXPECT_STREQ(form->catalogueLists()[1]->name, "VlanStaticList");
}

TEST(MenuMapShape, HiddenItemsAndSubmenus) {
  std::set<std::string> hiddenItems, unreachable;
  for (const MenuEntry& e : menuEntries()) {
    if (e.hidden) hiddenItems.insert(e.item);
    if (e.isHiddenInMenu()) unreachable.insert(e.item);
  }
  const std::set<std::string> expected{"CPUIPv6Table1",
                                       "Trap1",
                                       "AggPortStateTable1",
                                       "AggPortDebugTable1",
                                       "IfStackTable1",
                                       "Mapping1",
                                       "StaticTable1",
                                       "GMRP1",
                                       "GVRP1",
                                       "PortsInfo1",
                                       "SuppConfigTable1",
                                       "SuppStatsTable1",
                                       "BasicConfiguration1",
                                       "TrafficControl1"};
  EXPECT_EQ(hiddenItems, expected);
  // Items of the hidden submenus "Entity" and "Accounting Control" are never shown either.
  std::set<std::string> expectedUnreachable = expected;
  expectedUnreachable.insert(
      {"PhysicalTable1", "LogicalTable1", "BasicInformation2", "ServiceTable1"});
  EXPECT_EQ(unreachable, expectedUnreachable);
  EXPECT_FALSE(entryOf("N8021QVLAN1").isHiddenInMenu());
}

TEST(MenuMapShape, ASubmenuIsHiddenForAllItsEntriesOrForNone) {
  std::map<QString, bool> hiddenByPath;
  for (const MenuEntry& e : menuEntries()) {
    QString path = QString::fromLatin1(e.topMenu().caption);
    for (int i = 0; i < e.depth(); ++i) {
      path += u'|' + QString::fromLatin1(e.path[i].caption);
      const auto [it, inserted] = hiddenByPath.emplace(path, e.path[i].hidden);
      EXPECT_EQ(it->second, e.path[i].hidden) << path.toStdString();
    }
  }
  EXPECT_TRUE(hiddenByPath.at("Configuration|Entity"));
  EXPECT_TRUE(hiddenByPath.at("Security Management|RADIUS Management|Accounting Control"));
  EXPECT_FALSE(hiddenByPath.at("Security Management|RADIUS Management"));
}

TEST(MenuMapShape, HandlersAreTheItemNamesWithClickSaveTwo) {
  std::set<QString> items, handlers;
  for (const MenuEntry& e : menuEntries()) {
    EXPECT_TRUE(items.insert(QString::fromLatin1(e.item)).second) << e.item;
    EXPECT_TRUE(handlers.insert(e.handler()).second) << e.item;
    if (std::string_view(e.item) != "Help1" && std::string_view(e.item) != "About2") {
      EXPECT_EQ(e.handler(), QString::fromLatin1(e.item) + "Click");
    }
  }
  EXPECT_EQ(entryOf("Help1").handler(), "Help2Click");
  EXPECT_EQ(entryOf("About2").handler(), "About1Click");
}

// What each family needs, for every entry.
TEST(MenuMapShape, EveryEntryHasWhatItsFamilyNeeds) {
  for (const MenuEntry& e : menuEntries()) {
    SCOPED_TRACE(e.item);
    const auto pages = e.pageList();
    switch (e.family) {
      case MenuFamily::Editor:
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_FALSE(pages[0].isTable());
        break;
      case MenuFamily::Table:
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_TRUE(pages[0].isTable());
        break;
      case MenuFamily::Tabs:
        EXPECT_GE(pages.size(), 2u);
        for (const MenuPage& p : pages) EXPECT_NE(p.tab, nullptr);
        break;
      case MenuFamily::Tool:
        EXPECT_TRUE(pages.empty());
        EXPECT_TRUE(std::string_view(e.tool).starts_with("/T"));
        EXPECT_NE(std::string_view(e.tool).find('_'), std::string_view::npos);
        EXPECT_EQ(e.title.kind, MenuTitleKind::None);
        break;
      case MenuFamily::Form:
        EXPECT_TRUE(pages.empty());
        EXPECT_TRUE(std::string_view(e.form).starts_with('T'));
        EXPECT_NE(e.title.kind, MenuTitleKind::None);
        break;
      case MenuFamily::Action:
        EXPECT_NE(e.action, MenuAction::None);
        break;
    }
    EXPECT_EQ(e.tool != nullptr, e.family == MenuFamily::Tool);
    EXPECT_EQ(e.form != nullptr, e.family == MenuFamily::Form);
    for (const MenuPage& p : pages) EXPECT_EQ(p.tab != nullptr, e.family == MenuFamily::Tabs);
  }
}

// ---- Agreement with the catalogue
// -----------------------------------------------------------------

bool isRowStatusItem(const SnmpVarDef& d) {
  return d.options && d.options->labelOf("4") == "createAndGo" &&
         d.options->labelOf("6") == "destroy";
}

TEST(MenuMapCatalogue, EveryPageNamesACatalogueListWithItsKindAndKeys) {
  std::set<std::string> used;
  for (const MenuEntry& e : menuEntries())
    for (const MenuPage& p : e.pageList()) {
      SCOPED_TRACE(std::string(e.item) + " " + p.list);
      EXPECT_TRUE(used.insert(p.list).second) << "used twice";
      const CatalogueList* list = p.catalogueList();
      ASSERT_NE(list, nullptr);
      EXPECT_EQ(p.kind, list->kind);
      EXPECT_EQ(p.keys, list->keyCount);
      if (!p.isTable()) {
        EXPECT_EQ(p.keys, 0);
        EXPECT_EQ(p.rowStatus, -1);
      }
      // Rows via item i: item i is the row-status column; a read-only table may have one too.
      if (p.rowStatus >= 0) {
        ASSERT_LT(p.rowStatus, list->itemCount());
        EXPECT_TRUE(isRowStatusItem(list->defs[p.rowStatus]));
      }
      EXPECT_EQ(p.makeVarList().count(), list->itemCount());
      EXPECT_EQ(firstMenuUseOfList(QString::fromLatin1(p.list)), &p);
    }
  // Every catalogue list but the main window's module types belongs to a menu entry.
  for (const CatalogueList& list : catalogueLists())
    EXPECT_EQ(used.count(list.name), std::string(list.name) == "ModuleTypeList" ? 0u : 1u)
        << list.name;
}

TEST(MenuMapCatalogue, RowFormatsAddressEditorRowsOfTheirPage) {
  int formats = 0;
  for (const MenuEntry& e : menuEntries())
    for (int i = 0; i < e.extras.formatCount(); ++i) {
      const MenuRowFormat& f = e.extras.formats[i];
      ASSERT_LT(f.page, e.pageList().size()) << e.item;
      const MenuPage& page = e.pages[f.page];
      EXPECT_FALSE(page.isTable()) << e.item;
      EXPECT_LT(f.row, page.catalogueList()->itemCount()) << e.item;
      EXPECT_TRUE(std::string_view(f.format).starts_with("%i{")) << e.item;
      ++formats;
    }
  EXPECT_EQ(formats, 7);
}

// ---- Sample entries of every family
// ---------------------------------------------------------------

struct EntryCase {
  const char* item;
  const char* path;     // pathText()
  const char* caption;  // window caption for the device 10.1.1.1; "" for none
  const char* action;   // menuActionText()
  const char* extras;   // menuExtrasText()
};

class MenuMapEntry : public ::testing::TestWithParam<EntryCase> {};

TEST_P(MenuMapEntry, HasItsParameters) {
  const EntryCase& c = GetParam();
  const MenuEntry& e = entryOf(c.item);
  EXPECT_EQ(e.pathText().toStdString(), c.path);
  EXPECT_EQ(e.title.caption("10.1.1.1").toStdString(), c.caption);
  EXPECT_EQ(menuActionText(e).toStdString(), c.action);
  EXPECT_EQ(menuExtrasText(e).toStdString(), c.extras);
}

INSTANTIATE_TEST_SUITE_P(
    Samples, MenuMapEntry,
    ::testing::Values(
        EntryCase{"BasicInfo1", "Configuration › Basic Information", "Basic Information : 10.1.1.1",
                  "editor BasicInformationList", "width 500"},
        EntryCase{"SNTP1", "Configuration › Time Management › SNTP", "SNTP : 10.1.1.1",
                  "editor SntpList", R"(item 4 format "%i{n30x99999}")"},
        EntryCase{
            "SystemTime1", "Configuration › Time Management › System Time",
            "System Time : 10.1.1.1",
            R"(tabs "Information" editor SystemTimeInfoList; "System Time" editor SystemTimeSetList)",
            R"(item 3 of tab "System Time" format "%i{n-779x839}")"},
        EntryCase{"IPConfig1", "Configuration › IP Configuration", "IP Configuration : 10.1.1.1",
                  "editor IpConfigurationList", R"("Get IP From" hides rows 1 to 3)"},
        EntryCase{"PortList1", "Configuration › Link Aggregation › Port List",
                  "Aggregator Port List : 10.1.1.1",
                  "table AggregatorPortList (kind 2, 1 key, read-only)", "width + 50; height 450"},
        EntryCase{"SingleIPMSTable1", "Configuration › Single IP Management › Single IP MS Table",
                  "Single IP MS Table : 10.1.1.1",
                  "table SingleIpMsList (kind 3, 1 key, rows via item 9)", ""},
        // The window prefix keeps its misspelling.
        EntryCase{
            "CPUEtherTable1", "Configuration › CPU ACL Management › CPU ACL Ethernet Table",
            "CPU ACL Etherent Table : 10.1.1.1",
            R"(tabs "CPU ACL Ethernet Table" table CpuAclEthernetMaskList (kind 3, 1 key, rows via item 7); )"
            R"("CPU ACL Ethernet Rule Table" table CpuAclEthernetRuleList (kind 3, 2 keys, rows via item 9))",
            ""},
        EntryCase{
            "MacAuthBaseStatsInfo1",
            "Security Management › RADIUS Management › MAC Authentication Base Stats Info",
            "MAC Authentication Base State Information : 10.1.1.1",
            R"(tabs "MAC Auth State Table" table MacAuthStateList (kind 2, 2 keys, read-only); )"
            R"("MAC Auth Stats Table" table MacAuthStatsList (kind 2, 2 keys, read-only); )"
            R"("MAC Auth Diag Table" table MacAuthDiagList (kind 2, 2 keys, read-only); )"
            R"("MAC Auth Session Stats Table" table MacAuthSessionList (kind 2, 2 keys, read-only))",
            "height 450"},
        EntryCase{
            "SSHManagement1", "Security Management › SSH › SSH Management",
            "SSH Management Table: 10.1.1.1", "editor SshManagementList",
            R"(item 2 format "%i{n1x99l2}"; item 4 format "%i{n1x8}"; item 5 format "%i{n120x600l3}")"},
        EntryCase{"snmpEngine1", "SNMP V3 › SNMP Engine", "SNMP Engine : 10.1.1.1",
                  "editor SnmpEngineList", "edit width 150"},
        EntryCase{"PortTable1", "Bridge › 802.1d › Port Table",
                  "Bridge 802.1d Port Table : 10.1.1.1",
                  "table Bridge8021dPortList (kind 3, 1 key, read-only)", "request timeout 500"},
        EntryCase{"DHCPRelayOption60Table1",
                  "Advanced Configuration › DHCP Relay Management › DHCP Relay Option 60 Table",
                  "DHCP Relay Option 60 Table : 10.1.1.1",
                  "table DhcpOption60TableList (kind 3, 2 keys, rows via item 3)", "no Edit"},
        EntryCase{"N8021QVLAN1", "VLAN › 802.1Q › Forwarding/Filtering", "",
                  R"(tool "/TVLan_TpBridge8021Q")", ""},
        EntryCase{"Mapping1", "Configuration › Entity › Mapping", "",
                  R"(tool "/TEntityMIB_Maping")", ""},
        EntryCase{"StauticTable1", "VLAN › 802.1Q › 802.1Q VLAN › Static Table",
                  "VLAN Static: 10.1.1.1", "form TVlanStaticForm",
                  "kept in the form's instance reference"},
        EntryCase{"MulticastStaticFiltering1",
                  "VLAN › 802.1Q › Static Filtering › Multicast Static Filtering",
                  "Multicast Filter Information : 10.1.1.1", "form TMulticastFilterInformationForm",
                  ""},
        EntryCase{"SMTPControlTable1", "Configuration › SMTP Mangement › SMTP Control Table", "",
                  "form TSMTPControlForm", ""},
        EntryCase{"SaveChanges1", "Configuration › Save Changes", "Log Save Control : 10.1.1.1",
                  "action save-changes SaveConfigList", "request timeout 1200"},
        EntryCase{"Reset2", "Configuration › Reboot", "", "action reboot SystemResetList",
                  "request timeout 1200"},
        EntryCase{"Help1", "About › Help", "", "action help", ""}),
    [](const ::testing::TestParamInfo<EntryCase>& info) { return std::string(info.param.item); });

TEST(MenuMapEntries, ExtraSettingsSitWhereTheyBelong) {
  std::set<std::string> noEdit, keeps, heights;
  for (const MenuEntry& e : menuEntries()) {
    if (e.extras.noEdit) noEdit.insert(e.item);
    if (e.extras.keepsInstance) keeps.insert(e.item);
    if (e.extras.height) heights.insert(e.item);
  }
  EXPECT_EQ(noEdit, (std::set<std::string>{"DHCPRelayOption60DefaultTable1",
                                           "DHCPRelayOption60Table1", "DHCPRelayOption61Table1"}));
  EXPECT_EQ(keeps, (std::set<std::string>{"StauticTable1", "CurrentTable1",
                                          "UnicastStaticFiltering1", "LogSaveControl1",
                                          "TrustHostTable1", "GuestVLAN1", "IGMPRouterPort1"}));
  EXPECT_EQ(heights,
            (std::set<std::string>{"MIBCapabilities1", "PortUtilization1", "PortList1",
                                   "CableDiagnosticsInformation1", "MacAuthBaseStatsInfo1"}));
}

TEST(MenuMapEntries, CaptionsKeepTheirBlanksAndSpellings) {
  const MenuEntry& acl = entryOf("ACLControl1");
  EXPECT_STREQ(acl.path[0].caption, "CPU ACL Management ");
  EXPECT_STREQ(entryOf("SMTPInformation1").path[0].caption, "SMTP Mangement");
  EXPECT_STREQ(entryOf("IPMACBindingPortManagent1").caption, "IP MAC Binding  Management");
  EXPECT_STREQ(entryOf("CPUIPv6Table1").caption, "CPU ACl IPv6 Table");
  EXPECT_STREQ(entryOf("IGMPInformation1").caption, "IGMP Information ");
  EXPECT_EQ(entryOf("StauticTable1").captionPath(),
            (QStringList{"VLAN", "802.1Q", "802.1Q VLAN", "Static Table "}));
  EXPECT_EQ(entryOf("LogSaveControl1").title.prefix(), "Log Save Control: ");
  EXPECT_EQ(entryOf("SMTPInformation1").title.prefix(), "SMTP Information Table : ");
}

// ---- Lookup -------------------------------------------------------------------------------------

struct PathCase {
  const char* text;
  const char* item;  // nullptr: no entry
};

class MenuMapPath : public ::testing::TestWithParam<PathCase> {};

TEST_P(MenuMapPath, FindsTheEntry) {
  const MenuEntry* e = findMenuEntry(QString::fromUtf8(GetParam().text));
  if (!GetParam().item) {
    EXPECT_EQ(e, nullptr) << e->item;
    return;
  }
  ASSERT_NE(e, nullptr);
  EXPECT_STREQ(e->item, GetParam().item);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MenuMapPath,
    ::testing::Values(
        PathCase{"Configuration › Time Management › SNTP", "SNTP1"},
        PathCase{"Configuration > Time Management > SNTP", "SNTP1"},
        PathCase{"Configuration/Time Management/SNTP", "SNTP1"},
        PathCase{"  configuration>time management >  sntp ", "SNTP1"}, PathCase{"SNTP1", "SNTP1"},
        PathCase{"BasicInfo1", "BasicInfo1"},
        // Captions holding "/" are matched whole, with any separator.
        PathCase{"RMON/Alarm/Event", "AlarmEvent1"},
        PathCase{"Configuration > Upload/Download File Configuration", "BasicConfigure1"},
        PathCase{"Configuration/Time Management/Daylight Saving Time/Summer Time",
                 "DaylightSavingTimeSummerTime1"},
        // Trailing blanks of captions need not be typed.
        PathCase{"Configuration > CPU ACL Management > CPU ACL Control", "ACLControl1"},
        PathCase{"VLAN > 802.1Q > 802.1Q VLAN > Static Table", "StauticTable1"},
        // The same caption in different places.
        PathCase{"Bridge > 802.1d > Information", "Information1"},
        PathCase{"Bridge > Spanning Tree > Information", "Information2"},
        PathCase{"MIB II > Information", "Information3"},
        PathCase{"VLAN > 802.1Q > 802.1Q Bridge > Basic Configure", "BasicConfigure"},
        PathCase{"VLAN > 802.1P > Basic Configure", "BasicConfigure2"},
        // Hidden entries are found too.
        PathCase{"Configuration > Entity > Mapping", "Mapping1"},
        // Not entries: a level left out, a submenu, a level too many, half a caption.
        PathCase{"Configuration > SNTP", nullptr},
        PathCase{"Configuration > Time Management", nullptr},
        PathCase{"Configuration > Time Management > SNTP > SNTP", nullptr},
        PathCase{"Configuration > Time Management > SNT", nullptr}, PathCase{"snmp1", nullptr},
        PathCase{"", nullptr}));

TEST(MenuMapLookup, EveryEntryIsFoundByItsOwnPathAndName) {
  for (const MenuEntry& e : menuEntries()) {
    EXPECT_EQ(findMenuPath(e.pathText()), &e) << e.item;
    EXPECT_EQ(findMenuPath(e.captionPath().join(u'>')), &e) << e.item;
    EXPECT_EQ(findMenuEntry(QString::fromLatin1(e.item)), &e) << e.item;
  }
}

TEST(MenuMapLookup, NearEntriesOfAMistypedPath) {
  const auto near = nearMenuEntries(u"Configuration > Time Management > SNPT");
  ASSERT_FALSE(near.empty());
  EXPECT_STREQ(near.front()->item, "SNTP1");
  const auto word = nearMenuEntries(u"Basic Infomation");
  ASSERT_FALSE(word.empty());
  EXPECT_STREQ(word.front()->item, "BasicInfo1");
  EXPECT_LE(nearMenuEntries(u"Table").size(), 8u);
  // A menu or submenu named in full: its entries first, in display order.
  const auto rmon = nearMenuEntries(u"RMON");
  ASSERT_GE(rmon.size(), 4u);
  EXPECT_STREQ(rmon[0]->item, "RMONState1");
  EXPECT_STREQ(rmon[3]->item, "AlarmEvent1");
  const auto sub = nearMenuEntries(u"Configuration / Time Management", 3);
  ASSERT_EQ(sub.size(), 3u);
  EXPECT_STREQ(sub[0]->item, "SystemTime1");
  EXPECT_STREQ(sub[2]->item, "DaylightSavingTimeSummerTime1");
  EXPECT_TRUE(nearMenuEntries(u"qqqqqqqqqqqqqqqqqqqq").empty());
}

// ---- Printed forms ------------------------------------------------------------------------------

TEST(MenuMapJson, OneObjectPerEntryInTheCatalogueDocument) {
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(catalogueJson(), &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
  const QJsonArray menu = doc.object().value("menu").toArray();
  ASSERT_EQ(menu.size(), 160);
  for (qsizetype i = 0; i < menu.size(); ++i) {
    const MenuEntry& e = menuEntries()[static_cast<size_t>(i)];
    const QJsonObject o = menu[i].toObject();
    EXPECT_EQ(o.value("item").toString(), e.item);
    EXPECT_EQ(o.value("caption").toString(), e.caption);
    EXPECT_EQ(o.value("hidden").toBool(), e.isHiddenInMenu()) << e.item;
    EXPECT_EQ(o.value("lists").toArray().size(), static_cast<qsizetype>(e.pageList().size()));
  }
  const QJsonObject ether = menu[25].toObject();
  EXPECT_EQ(ether.value("item").toString(), "CPUEtherTable1");
  EXPECT_EQ(ether.value("top").toString(), "Configuration");
  EXPECT_EQ(ether.value("path").toArray(), QJsonArray{"CPU ACL Management "});
  EXPECT_EQ(ether.value("handler").toString(), "CPUEtherTable1Click");
  EXPECT_EQ(ether.value("family").toString(), "tabs");
  EXPECT_EQ(ether.value("title").toString(), "CPU ACL Etherent Table : ");
  EXPECT_EQ(ether.value("titleKind").toString(), "prefix");
  EXPECT_EQ(ether.value("lists").toArray().at(1).toObject(),
            (QJsonObject{{"tab", "CPU ACL Ethernet Rule Table"},
                         {"list", "CpuAclEthernetRuleList"},
                         {"kind", 3},
                         {"keys", 2},
                         {"rowStatus", 9}}));
  EXPECT_TRUE(ether.value("tool").isNull());
  EXPECT_TRUE(ether.value("form").isNull());
  EXPECT_TRUE(ether.value("action").isNull());
  EXPECT_EQ(ether.value("extras").toObject(), QJsonObject{});

  const QJsonObject sntp = menu[10].toObject();
  EXPECT_EQ(sntp.value("item").toString(), "SNTP1");
  EXPECT_EQ(sntp.value("extras").toObject().value("formats").toArray().at(0).toObject(),
            (QJsonObject{{"page", 0}, {"row", 4}, {"format", "%i{n30x99999}"}}));
  EXPECT_TRUE(sntp.value("lists").toArray().at(0).toObject().value("tab").isNull());

  const QJsonObject tool = menu[47].toObject();
  EXPECT_EQ(tool.value("item").toString(), "Mapping1");
  EXPECT_EQ(tool.value("path").toArray(), QJsonArray{"Entity"});
  EXPECT_EQ(tool.value("tool").toString(), "/TEntityMIB_Maping");
  EXPECT_TRUE(tool.value("title").isNull());
  EXPECT_TRUE(tool.value("hidden").toBool());
}

TEST(MenuMapJson, ListsReportTheMenuMapsKindAndKeys) {
  const QJsonArray lists =
      QJsonDocument::fromJson(catalogueJson()).object().value("lists").toArray();
  int checked = 0;
  for (const QJsonValue& v : lists) {
    const QJsonObject l = v.toObject();
    const MenuPage* use = firstMenuUseOfList(l.value("name").toString());
    if (!use) continue;
    EXPECT_EQ(l.value("kind").toInt(), use->kind) << use->list;
    EXPECT_EQ(l.value("keys").toInt(), use->keys) << use->list;
    ++checked;
  }
  EXPECT_EQ(checked, 132);
}

TEST(MenuMapText, OneLinePerEntry) {
  const QStringList lines = QString::fromUtf8(menuMapText()).split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 161);
  EXPECT_EQ(lines[0], "Menu map: 160 entries");
  EXPECT_EQ(lines[1],
            "Configuration › Basic Information  BasicInfo1  editor BasicInformationList  "
            "window \"Basic Information : \"  width 500");
  EXPECT_TRUE(lines.contains(
      "Configuration › Entity › Mapping  Mapping1  tool \"/TEntityMIB_Maping\"  hidden"));
  EXPECT_TRUE(lines.contains(
      "Bridge › Spanning Tree › Information  Information2  form TSTP_Info  own caption"));
}

}  // namespace
