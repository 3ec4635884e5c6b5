// kx760ctl page and the menu map of kx760ctl catalogue: the built binary against kx760sim, with a
// registry file and a state directory of the suite's own.
#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "catalogue/CatalogueRegistry.h"
#include "tests/kx760ctl/CtlRunner.h"
#include "tests/support/NetSnmpTool.h"
#include "tests/support/SimAgent.h"

namespace {

class PageTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    agent_ = new kxtest::SimAgent;
    agent_->start({"--led-period", "0"});
    QDir(dir_.path()).mkpath(QStringLiteral("state"));
  }
  static void TearDownTestSuite() {
    delete agent_;
    agent_ = nullptr;
  }

  static CtlRun run(const QStringList& args) {
    return runKx760ctl(dir_.filePath(QStringLiteral("registry.ini")), dir_.filePath(QStringLiteral("state")), args);
  }
  // The page command with the agent's v2c communities on its port (options before the command).
  static CtlRun page(const QStringList& args, const QStringList& options = {}) {
    const CtlRun r = run(QStringList{"/I127.0.0.1", "/Rpublic", "/Wprivate", "/v1", "--port",
                                     QString::number(agent_->port())} +
                         options + QStringList{"page"} + args);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    return r;
  }
  static QJsonObject pageJson(const QString& item) {
    const CtlRun r = page({item}, {"--json"});
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(r.out.toUtf8(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << r.out.toStdString();
    return doc.object();
  }
  // How many rows the agent has in the table of a catalogue list: the objects of its first
  // readable column.
  static int agentRows(const char* list) {
    const CatalogueList* l = findCatalogueList(QString::fromLatin1(list));
    int column = l->keyCount;
    while (!(l->defs[column].access & 2)) ++column;
    const kxtest::ToolResult r = kxtest::runNetSnmpTool(
        {"snmpwalk", "-v2c", "-c", "public", agent_->address(), l->defs[column].oid});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return static_cast<int>(kxtest::lines(r.out).size());
  }

  static inline QTemporaryDir dir_;
  static inline kxtest::SimAgent* agent_ = nullptr;
};

TEST_F(PageTest, EditorPageShowsLabelAndValuePerRow) {
  const CtlRun r = page({"Configuration › Time Management › SNTP"});
  EXPECT_EQ(r.out.toStdString(),
            "Configuration › Time Management › SNTP  (SNTP1, editor SntpList)\n"
            "SNTP : 127.0.0.1\n"
            "SNTP State: disabled\n"
            "SNTP Time Source: system\n"
            "SNTP Server1 IP Address: 10.90.90.10\n"
            "SNTP Server2 IP Address: 10.90.90.10\n"
            "SNTP Poll Interval: 10\n");
  // By component name, unquoted words, and as JSON: each shown item with the OID it was read at.
  EXPECT_EQ(page({"SNTP1"}).out, r.out);
  EXPECT_EQ(page({"Configuration", ">", "Time", "Management", ">", "SNTP"}).out, r.out);
  const QJsonObject json = pageJson("SNTP1");
  EXPECT_EQ(json.value("caption").toString(), "SNTP : 127.0.0.1");
  const QJsonArray items = json.value("pages").toArray().at(0).toObject().value("items").toArray();
  ASSERT_EQ(items.size(), 5);
  EXPECT_EQ(items.at(4).toObject(), (QJsonObject{{"label", "SNTP Poll Interval"},
                                                 {"oid", "1.3.6.1.4.1.48213.12.10.11.5.0"},
                                                 {"value", "10"}}));
}

TEST_F(PageTest, TablePageShowsAHeaderAndOneLinePerRow) {
  const CtlRun r = page({"Advanced Configuration > Port Management > Port Trunk"});
  const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
  ASSERT_GE(lines.size(), 3);
  EXPECT_EQ(lines[0],
            "Advanced Configuration › Port Management › Port Trunk  "
            "(PortTrunk1, table PortTrunkList (kind 2, 1 key, rows via item 5))");
  EXPECT_EQ(lines[1], "Port Trunk Table : 127.0.0.1");
  EXPECT_EQ(lines[2],
            "Index | Master Port | Port List | Type | Active Port | State | Flooding Port");
  EXPECT_EQ(lines.size() - 3, agentRows("PortTrunkList"));
  for (qsizetype i = 3; i < lines.size(); ++i)
    EXPECT_EQ(lines[i].count(" | "), 6) << lines[i].toStdString();

  const QJsonObject json = pageJson("PortTrunk1");
  const QJsonObject table = json.value("pages").toArray().at(0).toObject();
  EXPECT_EQ(table.value("rowStatus").toInt(), 5);
  EXPECT_EQ(table.value("columns").toArray().size(), 7);
  EXPECT_EQ(table.value("rows").toArray().size(), lines.size() - 3);
  EXPECT_EQ(table.value("rows").toArray().at(0).toArray().at(0).toString(),
            lines[3].section(" | ", 0, 0));
}

TEST_F(PageTest, TabsAreReadInTurnUnderTheirCaptions) {
  const CtlRun r = page({"Configuration/CPU ACL Management/CPU ACL Ethernet Table"});
  const QStringList lines = r.out.split(u'\n');
  const qsizetype first = lines.indexOf("[CPU ACL Ethernet Table]");
  const qsizetype second = lines.indexOf("[CPU ACL Ethernet Rule Table]");
  ASSERT_GT(first, 0);
  ASSERT_GT(second, first);
  EXPECT_EQ(lines[1], "CPU ACL Etherent Table : 127.0.0.1");
  EXPECT_TRUE(lines[first + 1].startsWith("CPU ACL Ethernet Profile ID | "));
  EXPECT_TRUE(lines[second + 1].startsWith(
      "CPU ACL Ether Rule Profile ID | CPU ACL Ether Rule Access ID | "));
  // A blank line ends each tab but the last; then the header and one line per row.
  EXPECT_EQ(second - first - 3, agentRows("CpuAclEthernetMaskList"));

  // An editor tab and table tabs in one form.
  const QJsonArray pages = pageJson("SNMPTargetMIB1").value("pages").toArray();
  ASSERT_EQ(pages.size(), 3);
  EXPECT_EQ(pages.at(0).toObject().value("tab").toString(), "Target Objects");
  EXPECT_TRUE(pages.at(0).toObject().contains("items"));
  EXPECT_EQ(pages.at(2).toObject().value("tab").toString(), "Target Params Table");
  EXPECT_EQ(pages.at(2).toObject().value("rows").toArray().size(),
            agentRows("SnmpTargetParamsList"));
}

// Entries without a generic page say what they would do and start, open or send nothing.
struct DescribedCase {
  const char* item;
  const char* expected;
};

class PageDescribed : public PageTest, public ::testing::WithParamInterface<DescribedCase> {};

TEST_P(PageDescribed, SaysWhatTheEntryWouldDo) {
  EXPECT_EQ(page({GetParam().item}).out.toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PageDescribed,
    ::testing::Values(
        DescribedCase{"IfTable1",
                      "MIB II › IF Table  (IfTable1, tool \"/TMIB_IFTable\")\n"
                      "would start the sibling tool with the device's parameters and "
                      "\"/TMIB_IFTable\"\n"},
        DescribedCase{"Reset2",
                      "Configuration › Reboot  (Reset2, action reboot SystemResetList)\n"
                      "would ask \"Are you sure?\" (Device Reboot), then set SystemResetList's "
                      "agentSystemReset to warm-start (3) with request timeout 1200\n"}),
    [](const ::testing::TestParamInfo<DescribedCase>& info) {
      return std::string(info.param.item);
    });

// A dedicated form's entry reads the form's lists from the agent, each under its list's name.
TEST_F(PageTest, FormEntriesReadTheirLists) {
  EXPECT_EQ(page({"StauticTable1"}).out.toStdString(),
            "VLAN › 802.1Q › 802.1Q VLAN › Static Table  (StauticTable1, form TVlanStaticForm)\n"
            "VLAN Static: 127.0.0.1\n"
            "\n[VlanStaticList]\n"
            "VLAN ID | VLAN Name | Egress Ports | Tagged Ports | Untagged Ports | Status\n"
            "1 | default | FFFFC000 | 00000000 | FFFFC000 | Active\n"
            "10 | engineering | F000C000 | 0000C000 | F0000000 | Active\n"
            "\n[VlanNextFreeList]\n"
            "VLAN Index: 4096\n");
  struct Case {
    const char* item;
    QStringList lists;
  };
  const Case cases[] = {
      {"CurrentTable1", {"VlanCurrentList", "VlanNumDeletesList"}},
      {"IGMPRouterPort1", {"IgmpRouterPortList"}},
      {"GuestVLAN1", {"GuestVlanEditList", "GuestVlanNameList", "GuestVlanDeleteList"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    const QJsonObject doc = pageJson(QString::fromLatin1(c.item));
    EXPECT_EQ(doc.value("family").toString(), "form");
    QStringList lists;
    for (const QJsonValue& p : doc.value("pages").toArray()) {
      const QJsonObject o = p.toObject();
      lists << o.value("list").toString();
      if (o.contains("rows")) {
        EXPECT_EQ(o.value("rows").toArray().size(), 2);
      } else {
        for (const QJsonValue& item : o.value("items").toArray())
          EXPECT_NE(item.toObject().value("value").toString(), "(NULL)");
      }
    }
    EXPECT_EQ(lists, c.lists);
  }
}

// The catalogue names every dedicated form of the menu with its lists, items written as the
// page lists' are.
TEST_F(PageTest, CatalogueListsTheDedicatedForms) {
  const CtlRun r = run({"--json", "catalogue"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  const QJsonObject doc = QJsonDocument::fromJson(r.out.toUtf8()).object();
  QStringList menuForms;
  for (const QJsonValue& e : doc.value("menu").toArray())
    if (e.toObject().value("family").toString() == "form")
      menuForms << e.toObject().value("item").toString() + ' ' + e.toObject().value("form").toString();
  QStringList forms;
  QJsonObject vlanStatic;
  for (const QJsonValue& f : doc.value("forms").toArray()) {
    const QJsonObject o = f.toObject();
    forms << o.value("item").toString() + ' ' + o.value("class").toString();
    EXPECT_FALSE(o.value("lists").toArray().isEmpty());
    if (o.value("class").toString() == "TVlanStaticForm") vlanStatic = o;
  }
  EXPECT_EQ(forms.size(), 15);
  EXPECT_EQ(forms, menuForms);
  const QJsonArray lists = vlanStatic.value("lists").toArray();
  ASSERT_EQ(lists.size(), 2);
  const QJsonObject table = lists.at(0).toObject();
  EXPECT_EQ(table.value("name").toString(), "VlanStaticList");
  EXPECT_EQ(table.value("kind").toInt(), 3);
  EXPECT_EQ(table.value("keys").toInt(), 1);
  QStringList items;
  for (const QJsonValue& i : table.value("items").toArray()) {
    const QJsonObject o = i.toObject();
    items << QStringLiteral("%1 %2 %3 %4").arg(o.value("oid").toString(), o.value("label").toString())
                 .arg(o.value("syntax").toInt()).arg(o.value("access").toInt());
  }
  EXPECT_EQ(items, QStringList({"1.3.6.1.2.1.17.7.1.4.2.1.2 VLAN ID 66 1",
                                "1.3.6.1.2.1.17.7.1.4.3.1.1 VLAN Name 76 6",
                                "1.3.6.1.2.1.17.7.1.4.3.1.2 Egress Ports 4 6",
                                "1.3.6.1.4.1.48213.11.63.2.2.19.1.1.7 Tagged Ports 4 2",
                                "1.3.6.1.2.1.17.7.1.4.3.1.4 Untagged Ports 4 6",
                                "1.3.6.1.2.1.17.7.1.4.3.1.5 Status 2 6"}));
  EXPECT_EQ(table.value("items").toArray().at(5).toObject().value("options").toArray(),
            QJsonArray({QJsonArray{1, "Active"}, QJsonArray{4, "CreateAndGo"}, QJsonArray{6, "Destroy"}}));
  EXPECT_EQ(lists.at(1).toObject().value("name").toString(), "VlanNextFreeList");
}

TEST_F(PageTest, UnknownEntryIsAUsageErrorWithNearEntries) {
  const CtlRun r = run({"/I127.0.0.1", "/Rpublic", "/v1", "--port", QString::number(agent_->port()),
                        "page", "Configuration > Time Managment > SNTP"});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(r.out.isEmpty());
  EXPECT_TRUE(
      r.err.contains("no menu entry \"Configuration > Time Managment > SNTP\"; near entries:\n"
                     "  Configuration › Time Management › SNTP  (SNTP1)\n"))
      << r.err.toStdString();
  const CtlRun menu = run({"/I127.0.0.1", "/Rpublic", "/v1", "--port",
                           QString::number(agent_->port()), "page", "RMON"});
  EXPECT_EQ(menu.exitCode, 2);
  EXPECT_TRUE(menu.err.contains("  RMON › Alarm/Event  (AlarmEvent1)\n")) << menu.err.toStdString();
}

TEST_F(PageTest, CatalogueCarriesTheMenuMap) {
  const CtlRun r = run({"--json", "catalogue"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  const QJsonObject doc = QJsonDocument::fromJson(r.out.toUtf8()).object();
  const QJsonArray menu = doc.value("menu").toArray();
  ASSERT_EQ(menu.size(), 160);
  const QJsonObject first = menu.at(0).toObject();
  EXPECT_EQ(first.value("item").toString(), "BasicInfo1");
  EXPECT_EQ(first.value("title").toString(), "Basic Information : ");
  EXPECT_EQ(first.value("extras").toObject(), (QJsonObject{{"width", 500}}));
  const CtlRun plain = run({"catalogue"});
  EXPECT_TRUE(plain.out.contains("\nMenu map: 160 entries\n"));
  EXPECT_TRUE(
      plain.out.contains("\nVLAN › 802.1Q › Forwarding/Filtering  N8021QVLAN1  "
                         "tool \"/TVLan_TpBridge8021Q\"\n"));
}

}  // namespace
