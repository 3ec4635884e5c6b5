// kx760ctl snapshot save / diff / restore against kx760sim: what the file holds, that a diff
// lists exactly what changed on the switch, that a restore puts it back (and a second switch's
// configuration onto the first), that --dry-run sends nothing, and that a refused write fails
// the restore by name.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "tests/kx760ctl/CtlRunner.h"
#include "tests/support/NetSnmpTool.h"
#include "tests/support/SimAgent.h"
#include "tests/support/SimLog.h"

namespace {

constexpr char kSntp[] = "1.3.6.1.4.1.48213.12.10.11";
constexpr char kLoop[] = "1.3.6.1.4.1.48213.11.63.2.2.18.1";
constexpr char kPortControl[] = "1.3.6.1.4.1.48213.11.63.2.2.2.2.1";
constexpr char kVlanStatic[] = "1.3.6.1.2.1.17.7.1.4.3.1";
constexpr char kTrustHost[] = "1.3.6.1.4.1.48213.12.1.2.10.1.1";

class SnapshotTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    agent.start({"--led-period", "0", "--log", log.path().toStdString()});
  }

  CtlRun ctl(const kxtest::SimAgent& a, const QStringList& args) {
    return runKx760ctl(dir.filePath("registry.ini"), dir.filePath("state"),
                       QStringList{"/I127.0.0.1", "/Rpublic", "/Wprivate", "/v1", "--port",
                                   QString::number(a.port())} +
                           args);
  }
  CtlRun ctl(const QStringList& args) { return ctl(agent, args); }

  // snmpset with the write community; one set PDU for all the varbinds given.
  void snmpset(const std::vector<std::string>& varbinds) {
    std::vector<std::string> argv{"snmpset", "-v2c", "-cprivate", agent.address()};
    argv.insert(argv.end(), varbinds.begin(), varbinds.end());
    const kxtest::ToolResult r = kxtest::runNetSnmpTool(argv);
    ASSERT_EQ(r.exitCode, 0) << r.err;
  }

  static QStringList lines(const QString& text) { return text.split(u'\n', Qt::SkipEmptyParts); }

  // Changes one value of a saved snapshot, as an edited or foreign file would hold it.
  static void setValueInFile(const QString& path, const QString& oid, const QString& value) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QJsonObject doc = QJsonDocument::fromJson(f.readAll()).object();
    f.close();
    QJsonArray lists = doc.value("lists").toArray();
    bool found = false;
    for (qsizetype l = 0; l < lists.size(); ++l) {
      QJsonObject list = lists[l].toObject();
      QJsonArray items = list.value("items").toArray();
      for (qsizetype i = 0; i < items.size(); ++i) {
        QJsonObject item = items[i].toObject();
        if (item.value("oid").toString() != oid) continue;
        item.insert("value", value);
        item.remove("text");
        items[i] = item;
        found = true;
      }
      list.insert("items", items);
      lists[l] = list;
    }
    ASSERT_TRUE(found) << oid.toStdString();
    doc.insert("lists", lists);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QJsonDocument(doc).toJson());
  }

  QString file(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

  QTemporaryDir dir;
  kxtest::SimLog log{dir.filePath("requests.jsonl")};
  kxtest::SimAgent agent;
};

std::string at(const char* table, const char* rest) {
  return std::string(table) + "." + rest;
}

TEST_F(SnapshotTest, SavesEveryListToAFileOnlyItsOwnerReads) {
  // An existing file readable by others is replaced by one that is not.
  QFile old(file("saved.json"));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old");
  old.close();
  old.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther);

  const CtlRun r = ctl({"snapshot", "save", file("saved.json")});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_TRUE(r.out.startsWith("saved ")) << r.out.toStdString();
  EXPECT_TRUE(r.err.contains("snapshot: read 0 of")) << r.err.toStdString();
  const QFileDevice::Permissions mode = QFileInfo(file("saved.json")).permissions();
  EXPECT_TRUE(mode.testFlags(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
  EXPECT_FALSE(mode & (QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                       QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther));

  QFile f(file("saved.json"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QJsonObject doc = QJsonDocument::fromJson(f.readAll()).object();
  const QJsonObject device = doc.value("device").toObject();
  EXPECT_EQ(device.value("address").toString(), "127.0.0.1");
  EXPECT_EQ(device.value("sysName").toString(), "kx760-sim");
  EXPECT_EQ(device.value("sysObjectID").toString(), "1.3.6.1.4.1.48213.11.63.2.2");
  EXPECT_TRUE(device.contains("elapsedMs"));
  QStringList names;
  QJsonObject trustHosts, sntp;
  for (const QJsonValue& v : doc.value("lists").toArray()) {
    const QJsonObject l = v.toObject();
    names << l.value("name").toString();
    if (l.value("name") == "TrustHostList") trustHosts = l;
    if (l.value("name") == "SntpList") sntp = l;
  }
  // Actions are left out: save, reboot, clear-all.
  for (const char* left : {"SaveConfigList", "SystemResetList", "FdbClearAllList", "TrustHostDeleteAllList"})
    EXPECT_FALSE(names.contains(left)) << left;
  EXPECT_EQ(trustHosts.value("menu").toString(), "Configuration › Trust Host Management › Trust Host Table");
  ASSERT_EQ(trustHosts.value("rows").toArray().size(), 3);
  const QJsonObject firstHost = trustHosts.value("rows").toArray().at(0).toObject();
  EXPECT_EQ(firstHost.value("instance").toString(), "1");
  const QJsonObject address = firstHost.value("items").toArray().at(0).toObject();
  EXPECT_EQ(address.value("oid").toString(), "1.3.6.1.4.1.48213.12.1.2.10.1.1.2.1");
  EXPECT_EQ(address.value("syntax").toString(), "ipaddress");
  EXPECT_EQ(address.value("value").toString(), "10.90.90.10");
  const QJsonObject state = sntp.value("items").toArray().at(0).toObject();
  EXPECT_EQ(state.value("oid").toString(), QString(kSntp) + ".1.0");
  EXPECT_EQ(state.value("value").toString(), "2");
  EXPECT_EQ(state.value("text").toString(), "disabled");
}

// An agent without most of the catalogue's objects (only the hand-written data): they are recorded
// as absent, the save succeeds, and they compare equal with the same agent.
TEST_F(SnapshotTest, ObjectsTheAgentLacksAreRecordedAsAbsent) {
  kxtest::SimAgent sparse;
  sparse.start({"--led-period", "0", "--data", KX_SOURCE_DIR "/tools/kx760sim/data/kx760.data"});
  const CtlRun r = ctl(sparse, {"snapshot", "save", file("sparse.json")});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_TRUE(r.out.contains("objects the agent does not have")) << r.out.toStdString();
  QFile f(file("sparse.json"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QJsonObject doc = QJsonDocument::fromJson(f.readAll()).object();
  int absent = 0, present = 0;
  for (const QJsonValue& l : doc.value("lists").toArray())
    for (const QJsonValue& item : l.toObject().value("items").toArray()) {
      const bool lacks = item.toObject().value("absent").toBool();
      absent += lacks ? 1 : 0;
      present += lacks ? 0 : 1;
      if (lacks) EXPECT_FALSE(item.toObject().contains("value"));
    }
  EXPECT_GT(absent, 0);
  EXPECT_GT(present, 0);
  EXPECT_EQ(ctl(sparse, {"snapshot", "diff", file("sparse.json")}).exitCode, 0);
  // Against the full switch, the objects one side lacks show as such.
  ASSERT_EQ(ctl({"snapshot", "save", file("full.json")}).exitCode, 0);
  const CtlRun d = ctl({"snapshot", "diff", file("sparse.json"), file("full.json")});
  EXPECT_EQ(d.exitCode, 1);
  EXPECT_TRUE(d.out.contains(": (absent) → ")) << d.out.left(600).toStdString();
}

// Twenty values on five pages change behind the snapshot's back: a diff names exactly those, a
// dry run shows the sets and sends none, a restore writes them back and the diff is empty.
TEST_F(SnapshotTest, DiffListsWhatChangedAndRestorePutsItBack) {
  ASSERT_EQ(ctl({"snapshot", "save", file("before.json")}).exitCode, 0);
  EXPECT_EQ(ctl({"snapshot", "diff", file("before.json")}).exitCode, 0);

  // SNTP: four scalars.
  snmpset({at(kSntp, "1.0"), "i", "3", at(kSntp, "3.0"), "a", "10.1.1.1", at(kSntp, "4.0"), "a",
           "10.1.1.2", at(kSntp, "5.0"), "i", "30"});
  // Loop detection: three scalars.
  snmpset({at(kLoop, "1.0"), "i", "2", at(kLoop, "2.0"), "i", "15", at(kLoop, "3.0"), "i", "25"});
  // Port control: eight cells of six rows.
  snmpset({at(kPortControl, "5.1"), "s", "changed", at(kPortControl, "2.2"), "i", "2", at(kPortControl, "4.4"),
           "i", "3", at(kPortControl, "10.5"), "i", "2", at(kPortControl, "3.6"), "i", "3",
           at(kPortControl, "7.7"), "i", "3", at(kPortControl, "5.8"), "s", "new port", at(kPortControl, "2.10"),
           "i", "2"});
  // A VLAN added (four values in one set) and a trusted host deleted.
  snmpset({at(kVlanStatic, "5.40"), "i", "4", at(kVlanStatic, "1.40"), "s", "added", at(kVlanStatic, "2.40"), "x",
           "C0000000", at(kVlanStatic, "4.40"), "x", "C0000000"});
  snmpset({at(kTrustHost, "3.2"), "i", "6"});

  const CtlRun diff = ctl({"snapshot", "diff", file("before.json")});
  EXPECT_EQ(diff.exitCode, 1) << diff.err.toStdString();
  const QString sntp = "Configuration › Time Management › SNTP: ";
  const QString loop = "Advanced Configuration › Loop Detection Management › Loop Detection Control: ";
  const QString port = "Advanced Configuration › Port Management › Port Control Table: ";
  const QStringList expected{
      sntp + "SNTP State: disabled → enabled",
      sntp + "SNTP Server1 IP Address: 10.90.90.10 → 10.1.1.1",
      sntp + "SNTP Server2 IP Address: 10.90.90.10 → 10.1.1.2",
      sntp + "SNTP Poll Interval: 10 → 30",
      "Configuration › Trust Host Management › Trust Host Table: row [2] removed",
      port + "Description [1]: uplink-core → changed",
      port + "Admin State [2]: enabled → disabled",
      port + "Flow Control State [4]: disabled → enabled",
      port + "MDIX State [5]: auto → normal",
      port + "Nway State [6]: nway-auto → nway-disabled-10Mbps-Full",
      port + "MAC Notify State [7]: disabled → enabled",
      port + "Description [8]: \"\" → new port",
      port + "Admin State [10]: enabled → disabled",
      loop + "Admin State: enabled → disabled",
      loop + "Interval: 10 → 15",
      loop + "Recover Time: 10 → 25",
      "VLAN › 802.1Q › 802.1Q VLAN › Static Table: row [40] added",
  };
  QStringList got = lines(diff.out);
  QStringList want = expected;
  got.sort();
  want.sort();
  EXPECT_EQ(got.join(u'\n').toStdString(), want.join(u'\n').toStdString());
  EXPECT_TRUE(diff.err.contains("17 differences")) << diff.err.toStdString();

  const CtlRun json = ctl({"--json", "snapshot", "diff", file("before.json")});
  EXPECT_EQ(json.exitCode, 1);
  const QJsonArray list = QJsonDocument::fromJson(json.out.toUtf8()).array();
  ASSERT_EQ(list.size(), expected.size());
  int added = 0, removed = 0;
  for (const QJsonValue& v : list) {
    added += v.toObject().value("kind") == "row-added" ? 1 : 0;
    removed += v.toObject().value("kind") == "row-removed" ? 1 : 0;
  }
  EXPECT_EQ(added, 1);
  EXPECT_EQ(removed, 1);

  // The dry run prints the sets in the order they would go, and sends none.
  const int setsBefore = static_cast<int>(log.of("set").size());
  const CtlRun dry = ctl({"snapshot", "restore", file("before.json"), "--dry-run"});
  ASSERT_EQ(dry.exitCode, 0) << dry.err.toStdString();
  EXPECT_EQ(static_cast<int>(log.of("set").size()), setsBefore);
  const QStringList heads = lines(dry.out).filter(QRegularExpression("^set "));
  ASSERT_EQ(heads.size(), 5) << dry.out.toStdString();
  EXPECT_TRUE(heads.first().endsWith("Trust Host Table: create row [2]")) << heads.first().toStdString();
  EXPECT_TRUE(heads.last().endsWith("Static Table: destroy row [40]")) << heads.last().toStdString();
  EXPECT_TRUE(dry.out.contains(QString(kSntp) + ".5.0 integer 10")) << dry.out.toStdString();

  const CtlRun restore = ctl({"snapshot", "restore", file("before.json")});
  ASSERT_EQ(restore.exitCode, 0) << restore.err.toStdString();
  EXPECT_TRUE(restore.out.contains("restored 17 of 17 differences")) << restore.out.toStdString();
  // Exactly the sets the dry run showed: one per created or destroyed row and per list.
  EXPECT_EQ(static_cast<int>(log.of("set").size()), setsBefore + 5);
  const CtlRun after = ctl({"snapshot", "diff", file("before.json")});
  EXPECT_EQ(after.exitCode, 0) << after.out.toStdString();
  EXPECT_TRUE(after.out.isEmpty());
}

// The configuration of a second switch that differs, copied onto the first, makes them equal.
TEST_F(SnapshotTest, RestoringOneSwitchOntoAnotherMakesThemEqual) {
  kxtest::SimAgent second;
  second.start({"--led-period", "0", "--variant"});
  ASSERT_EQ(ctl(second, {"snapshot", "save", file("second.json")}).exitCode, 0);
  ASSERT_EQ(ctl({"snapshot", "save", file("first.json")}).exitCode, 0);
  const CtlRun files = ctl({"snapshot", "diff", file("first.json"), file("second.json")});
  EXPECT_EQ(files.exitCode, 1);
  EXPECT_GE(lines(files.out).size(), 10) << files.out.toStdString();

  const CtlRun restore = ctl({"snapshot", "restore", file("second.json")});
  ASSERT_EQ(restore.exitCode, 0) << restore.err.toStdString();
  EXPECT_EQ(ctl({"snapshot", "diff", file("second.json")}).exitCode, 0);
  ASSERT_EQ(ctl({"snapshot", "save", file("first-after.json")}).exitCode, 0);
  const CtlRun equal = ctl({"snapshot", "diff", file("first-after.json"), file("second.json")});
  EXPECT_EQ(equal.exitCode, 0) << equal.out.toStdString();
}

// A value the device refuses fails the restore, names the object, and the rest of its list is
// still written.
TEST_F(SnapshotTest, ARefusedWriteFailsTheRestoreByName) {
  ASSERT_EQ(ctl({"snapshot", "save", file("saved.json")}).exitCode, 0);
  // Loop detection's admin state takes 1 or 2; its interval any number.
  setValueInFile(file("saved.json"), QString(kLoop) + ".1.0", "7");
  setValueInFile(file("saved.json"), QString(kLoop) + ".2.0", "44");

  const CtlRun r = ctl({"snapshot", "restore", file("saved.json")});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_TRUE(r.err.contains("not written: Advanced Configuration › Loop Detection Management › Loop "
                             "Detection Control: Admin State: error"))
      << r.err.toStdString();
  EXPECT_TRUE(r.out.contains("restored 1 of 2 differences")) << r.out.toStdString();
  const CtlRun left = ctl({"snapshot", "diff", file("saved.json")});
  EXPECT_EQ(left.exitCode, 1);
  EXPECT_EQ(lines(left.out), QStringList{"Advanced Configuration › Loop Detection Management › Loop Detection "
                                         "Control: Admin State: 7 → enabled"});
}

TEST_F(SnapshotTest, ErrorsEndWithTheirOwnStatus) {
  QFile junk(file("junk.json"));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("{\"lists\": []}");
  junk.close();
  struct Case {
    QStringList args;
    int exitCode;
    const char* message;
  } const cases[] = {
      {{"snapshot", "diff", file("junk.json")}, 2, "not a configuration snapshot"},
      {{"snapshot", "diff", file("missing.json")}, 2, "cannot read"},
      {{"snapshot", "restore", file("missing.json")}, 1, "cannot read"},
      {{"snapshot", "save", dir.filePath("no/such/dir/x.json")}, 1, "cannot write"},
      {{"snapshot"}, 2, "snapshot needs save, diff or restore"},
      {{"snapshot", "save", file("a"), file("b")}, 2, "snapshot save needs FILE"},
      {{"snapshot", "diff", file("a"), "--dry-run"}, 2, "--dry-run belongs to snapshot restore"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.join(' ').toStdString());
    const CtlRun r = ctl(c.args);
    EXPECT_EQ(r.exitCode, c.exitCode);
    EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
  }
  const CtlRun json = ctl({"--json", "snapshot", "diff", file("junk.json")});
  EXPECT_EQ(json.exitCode, 2);
  EXPECT_TRUE(QJsonDocument::fromJson(json.out.toUtf8()).object().value("error").toObject().value("message")
                  .toString().contains("not a configuration snapshot"))
      << json.out.toStdString();
}

}  // namespace
