// kx760ctl --hosts: one command over fifty simulated switches at once (forty-nine served by one
// kx760sim --agents process, one more that never answers), one of them named with a wrong
// community. Each device's result stands on its own lines; the exit status tells whether all
// succeeded.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonArray>
#include <QRegularExpression>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>

#include "tests/kx760ctl/CtlRunner.h"
#include "tests/support/NetSnmpTool.h"
#include "tests/support/SimAgent.h"

namespace {

constexpr int kServed = 49;  // switches of the --agents process
const QString kGuestName = QStringLiteral("1.3.6.1.4.1.48213.12.30.1.1.0");
const QString kIfDescr1 = QStringLiteral("1.3.6.1.2.1.2.2.1.2.1");
const QString kPort1 = kIfDescr1 + QStringLiteral(" = KX-760 Port 1 10/100/1000BASE-T");

class FleetTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    served_ = new kxtest::SimAgent;
    served_->start({"--agents", std::to_string(kServed), "--led-period", "0"});
    silent_ = new kxtest::SimAgent;
    silent_->start({"--fault", "silent", "--led-period", "0"});
    QDir(dir_.path()).mkpath(QStringLiteral("state"));
  }
  static void TearDownTestSuite() {
    delete served_;
    delete silent_;
    served_ = silent_ = nullptr;
  }

  static QString device(int i) { return QStringLiteral("127.0.0.1:%1").arg(served_->port() + i); }
  static QString silentDevice() { return QStringLiteral("127.0.0.1:%1").arg(silent_->port()); }
  static QString refusedDevice() { return device(kRefused); }

  // The fleet: every served switch (the refused one named with other communities), then the
  // silent one. No secret is needed in the file: the communities come from the environment.
  static QString fleetFile() {
    QString text = QStringLiteral("# the test fleet\n\n");
    for (int i = 0; i < kServed; ++i)
      text += device(i) + (i == kRefused ? " /v1 /Rnotours /Wnotours  # refused\n" : " /v1\n");
    text += silentDevice() + " /v1\n";
    return writeFile(QStringLiteral("fleet"), text);
  }

  static QString writeFile(const QString& name, const QString& text) {
    const QString path = dir_.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text.toUtf8());
    return path;
  }

  static CtlRun run(const QStringList& args, const QString& registry = QStringLiteral("registry.ini")) {
    return runKx760ctl(dir_.filePath(registry), dir_.filePath(QStringLiteral("state")),
                       args,
                       {{QStringLiteral("KX760_READ_COMMUNITY"), QStringLiteral("public")},
                        {QStringLiteral("KX760_WRITE_COMMUNITY"), QStringLiteral("private")}});
  }

  // The output lines of one device, without its prefix.
  static QStringList linesOf(const CtlRun& r, const QString& dev) {
    QStringList out;
    const QString prefix = dev + QStringLiteral(": ");
    for (const QString& l : r.out.split(u'\n', Qt::SkipEmptyParts))
      if (l.startsWith(prefix)) out << l.mid(prefix.size());
    return out;
  }

  // The guest name the agent holds, as snmpget prints it.
  static std::string guestName(int i) {
    return kxtest::runNetSnmpTool({"snmpget", "-v2c", "-c", "public", "-Oqv",
                                   "udp:127.0.0.1:" + std::to_string(served_->port() + i),
                                   kGuestName.toStdString()})
        .out;
  }

  // One line "error CODE: text" (the engine's failures) or "error: text" (the others).
  static void expectFailedAlone(const CtlRun& r, const QString& dev, const QString& start = QStringLiteral("error -")) {
    const QStringList lines = linesOf(r, dev);
    ASSERT_EQ(lines.size(), 1) << dev.toStdString() << "\n" << r.out.toStdString();
    EXPECT_TRUE(lines.at(0).startsWith(start)) << lines.at(0).toStdString();
  }

  static constexpr int kRefused = 17;
  static inline QTemporaryDir dir_;
  static inline kxtest::SimAgent* served_ = nullptr;
  static inline kxtest::SimAgent* silent_ = nullptr;
};

TEST_F(FleetTest, GetReadsEveryDeviceAndTheDeadOnesFailOnTheirOwnLines) {
  const CtlRun r = run({"--hosts", fleetFile(), "get", kIfDescr1, kGuestName});
  EXPECT_EQ(r.exitCode, 1) << r.err.toStdString();
  for (int i = 0; i < kServed; ++i) {
    if (i == kRefused) continue;
    EXPECT_EQ(linesOf(r, device(i)),
              QStringList({kIfDescr1 + " = KX-760 Port 1 10/100/1000BASE-T", kGuestName + " = guests"}))
        << device(i).toStdString();
  }
  expectFailedAlone(r, refusedDevice());
  expectFailedAlone(r, silentDevice());
  EXPECT_TRUE(r.err.contains(QStringLiteral("48 ok, 2 failed"))) << r.err.toStdString();
}

TEST_F(FleetTest, PageAsJsonGivesOneObjectPerDeviceInTheFilesOrder) {
  const CtlRun r =
      run({"--hosts", fleetFile(), "--ordered", "--parallel", "7", "--json", "page", "PortInformation1"});
  EXPECT_EQ(r.exitCode, 1) << r.err.toStdString();
  const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), kServed + 1) << r.out.toStdString();
  const CtlRun one = run({"/I127.0.0.1", "/v1", "--port", QString::number(served_->port() + 3), "--json",
                          "page", "PortInformation1"});
  ASSERT_EQ(one.exitCode, 0) << one.err.toStdString();
  const QJsonObject single = QJsonDocument::fromJson(one.out.toUtf8()).object();
  ASSERT_FALSE(single.value("pages").toArray().at(0).toObject().value("rows").toArray().isEmpty());
  for (int i = 0; i <= kServed; ++i) {
    QJsonParseError error{};
    const QJsonObject o = QJsonDocument::fromJson(lines.at(i).toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << lines.at(i).toStdString();
    const bool bad = i == kRefused || i == kServed;
    EXPECT_EQ(o.value("device").toString(), i == kServed ? silentDevice() : device(i));
    EXPECT_EQ(o.value("ok").toBool(), !bad) << lines.at(i).toStdString();
    if (bad) {
      EXPECT_LT(o.value("error").toObject().value("code").toInt(), 0);
      EXPECT_FALSE(o.contains("result"));
    } else {
      // Exactly what kx760ctl prints for that one switch.
      EXPECT_EQ(o.value("result").toObject(), single) << lines.at(i).toStdString();
    }
  }
}

TEST_F(FleetTest, SetWritesEachDeviceOfTheFileAndNoOther) {
  // All but the first served switch; the value reaches each of them, the first keeps its own.
  QString text;
  for (int i = 1; i < kServed; ++i)
    if (i != kRefused) text += device(i) + " /v1\n";
  const CtlRun r = run({"--hosts", writeFile(QStringLiteral("some"), text), "set", kGuestName, "s", "fleet"});
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString() << r.out.toStdString();
  EXPECT_TRUE(r.err.contains(QStringLiteral("47 ok, 0 failed"))) << r.err.toStdString();
  for (int i = 1; i < kServed; ++i)
    if (i != kRefused) EXPECT_EQ(guestName(i), "\"fleet\"\n") << i;
  EXPECT_EQ(guestName(0), "\"guests\"\n");
  EXPECT_EQ(guestName(kRefused), "\"guests\"\n");

  // Over the whole fleet the refused and the silent device fail, and the status says so.
  const CtlRun all = run({"--hosts", fleetFile(), "set", kGuestName, "s", "fleet"});
  EXPECT_EQ(all.exitCode, 1);
  expectFailedAlone(all, refusedDevice());
  expectFailedAlone(all, silentDevice());
  EXPECT_EQ(linesOf(all, device(0)), QStringList{kGuestName + " = fleet"});
  EXPECT_EQ(guestName(kRefused), "\"guests\"\n");
}

TEST_F(FleetTest, ABadFileOrCommandIsRefusedBeforeAnythingIsSent) {
  struct Case {
    const char* file;
    QStringList command;
  };
  const QString get = QStringLiteral("get");
  const QString oid = QStringLiteral("1.3.6.1.2.1.1.5.0");
  const Case cases[] = {
      {"/v1\n", {get, oid}},                                   // no agent
      {"127.0.0.1 127.0.0.2 /v1\n", {get, oid}},               // two agents on a line
      {"127.0.0.1:99999 /v1\n", {get, oid}},                   // bad port
      {"127.0.0.1 v1\n", {get, oid}},                          // a second agent, not a switch
      {"127.0.0.1 /I127.0.0.2\n", {get, oid}},                 // the agent twice
      {"127.0.0.1 -q\n", {get, oid}},                          // unknown option
      {"-v 5 127.0.0.1\n", {get, oid}},                        // Net-SNMP's parser refuses it
      {"-v 2c /v1 127.0.0.1\n", {get, oid}},                   // the two forms mixed
      {"tcp:127.0.0.1\n", {get, oid}},                         // not UDP
      {"-v 3 127.0.0.1\n", {get, oid}},                        // no user: not a whole device
      {"-v 1 -u ops 127.0.0.1\n", {get, oid}},                 // an option v1 would not use
      {"127.0.0.1 /v1\n", {"-v", "2c", "--hosts", "@", get, oid}},  // command line and line mixed
      {"127.0.0.1 /v1\n", {"-v", "2c", "-c", "public", "127.0.0.1", "--hosts", "@", get, oid}},  // an agent besides the file
      {"# nothing\n\n", {get, oid}},                          // no device
      {"127.0.0.1 /v1\n", {get, "not-an-oid"}},                // bad argument
      {"127.0.0.1 /v1\n", {"set", oid, "i", "x"}},            // bad value
      {"127.0.0.1 /v1\n", {"catalogue"}},                      // not over devices
      {"127.0.0.1 /v1\n", {"snapshot", "diff", "a", "b"}},     // one directory, not two files
      {"127.0.0.1:5 /v1\n127.0.0.1_5 /v1\n", {"snapshot", "save", "dir"}},  // one file for two
  };
  for (const Case& c : cases) {
    const QString file = writeFile(QStringLiteral("bad"), c.file);
    QStringList args = c.command.contains(QStringLiteral("@")) ? c.command : QStringList{"--hosts", "@"} + c.command;
    args.replaceInStrings(QRegularExpression(QStringLiteral("^@$")), file);
    const CtlRun r = run(args);
    EXPECT_EQ(r.exitCode, 2) << c.file << args.join(u' ').toStdString() << "\n" << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
  }
}

TEST_F(FleetTest, LinesInNetSnmpsFormAndTheCommandLinesDefaults) {
  // Net-SNMP's options on the line, or before the command word for every line; the module's
  // switches the same way. The communities come from the environment either way.
  const QString netSnmp = writeFile(QStringLiteral("netsnmp"), QStringLiteral("-v 2c %1\n%2 -v1  # SNMPv1 here\n-v 2c -c notours %3\n")
                                                                   .arg(device(1), device(2), device(3)));
  const CtlRun r = run({"--hosts", netSnmp, "--ordered", "get", kIfDescr1});
  EXPECT_EQ(r.exitCode, 1) << r.err.toStdString();
  EXPECT_EQ(linesOf(r, device(1)), QStringList{kPort1});
  EXPECT_EQ(linesOf(r, device(2)), QStringList{kPort1});
  expectFailedAlone(r, device(3));
  EXPECT_TRUE(r.err.contains(QStringLiteral("2 ok, 1 failed"))) << r.err.toStdString();

  const QString bare = writeFile(QStringLiteral("bare"), device(4) + "\n" + device(5) + "\n");
  for (const QStringList& form : {QStringList{"-v", "2c"}, QStringList{"/v1"}}) {
    const CtlRun d = run(form + QStringList{"--hosts", bare, "get", kIfDescr1});
    EXPECT_EQ(d.exitCode, 0) << form.join(u' ').toStdString() << d.err.toStdString();
    EXPECT_EQ(linesOf(d, device(5)), QStringList{kPort1});
  }
  // The line's own community wins over the command line's (which alone would be refused).
  const QString own = writeFile(QStringLiteral("own"), device(4) + " /Rpublic\n");
  const QString ownNetSnmp = writeFile(QStringLiteral("own-netsnmp"), "-c public " + device(5) + "\n");
  for (const QStringList& args : {QStringList{"/v1", "/Rnotours", "--hosts", own},
                                  QStringList{"-v", "2c", "-c", "notours", "--hosts", ownNetSnmp}}) {
    const CtlRun w = run(args + QStringList{"get", kIfDescr1});
    EXPECT_EQ(w.exitCode, 0) << args.join(u' ').toStdString() << w.err.toStdString() << w.out.toStdString();
  }
  // --port is the port of the lines that name none.
  const QString noPort = writeFile(QStringLiteral("noport"), QStringLiteral("127.0.0.1 /v1\n%1 /v1\n").arg(device(6)));
  const CtlRun p = run({"--hosts", noPort, "--port", QString::number(served_->port() + 7), "get", kIfDescr1});
  EXPECT_EQ(p.exitCode, 0) << p.err.toStdString();
  EXPECT_EQ(linesOf(p, QStringLiteral("127.0.0.1")), QStringList{kPort1});
  EXPECT_EQ(linesOf(p, device(6)), QStringList{kPort1});
}

TEST_F(FleetTest, ALineOfTheAddressAloneIsTheDeviceItsProfileDescribes) {
  // The profile gives the port and the version; the community comes from the environment.
  QDir(dir_.path()).mkpath(QStringLiteral("profiled"));
  writeFile(QStringLiteral("profiled/registry.ini"),
            QStringLiteral("[SOFTWARE\\Maravel\\Panoptra5.1\\MibFile]\nPath=%1/profiles/\n").arg(dir_.path()));
  QDir(dir_.path()).mkpath(QStringLiteral("profiles"));
  writeFile(QStringLiteral("profiles/127.0.0.1.cfg"),
            QStringLiteral("[Program Information]\nAgentPort=%1\nVersion=1\nSecurityModel=2\nSecurityLevel=0\n"
                           "AuthProtocol=0\nPrivProtocol=0\n").arg(served_->port() + 12));
  const QString alone = writeFile(QStringLiteral("alone"), QStringLiteral("127.0.0.1   # its profile\n"));
  const CtlRun r = run({"--hosts", alone, "get", kIfDescr1}, QStringLiteral("profiled/registry.ini"));
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(linesOf(r, QStringLiteral("127.0.0.1")), QStringList{kPort1});
}

TEST_F(FleetTest, AGetOfAnObjectSomeAgentLacksEndsWithStatusFour) {
  // Over SNMPv1 the agent refuses the whole get: each object is asked alone, as a single get does.
  const QString lacking = QStringLiteral("1.3.6.1.2.1.1.99.0");
  const QString two = writeFile(QStringLiteral("two"), device(8) + " /v0\n-v 2c " + device(9) + "\n");
  const CtlRun r = run({"--hosts", two, "get", kIfDescr1, lacking});
  EXPECT_EQ(r.exitCode, 4) << r.err.toStdString() << r.out.toStdString();
  EXPECT_EQ(linesOf(r, device(8)), QStringList({kPort1, lacking + " = noSuchName"}));
  EXPECT_EQ(linesOf(r, device(9)), QStringList({kPort1, lacking + " = noSuchObject"}));
  EXPECT_TRUE(r.err.contains(QStringLiteral("2 ok (2 lacking objects), 0 failed"))) << r.err.toStdString();
}

TEST_F(FleetTest, AWalkCutAtMaxRowsEndsWithStatusThree) {
  const QString two = writeFile(QStringLiteral("walk"), device(10) + " /v0\n" + device(11) + " /v1\n");
  const QString column = QStringLiteral("1.3.6.1.2.1.2.2.1.2");
  const CtlRun r = run({"--hosts", two, "--max-rows", "2", "walk", column});
  EXPECT_EQ(r.exitCode, 3) << r.err.toStdString();
  for (int i : {10, 11})
    EXPECT_EQ(linesOf(r, device(i)), QStringList({column + ".1 = KX-760 Port 1 10/100/1000BASE-T",
                                                  column + ".2 = KX-760 Port 2 10/100/1000BASE-T"}));
  EXPECT_TRUE(r.err.contains(QStringLiteral("2 ok (2 cut at --max-rows), 0 failed"))) << r.err.toStdString();
}

TEST_F(FleetTest, SnapshotSaveDiffAndRestoreKeepAFilePerDevice) {
  const QString dir = dir_.filePath(QStringLiteral("snapshots"));
  const CtlRun saved = run({"--hosts", fleetFile(), "snapshot", "save", dir});
  EXPECT_EQ(saved.exitCode, 1) << saved.err.toStdString();
  expectFailedAlone(saved, refusedDevice());
  expectFailedAlone(saved, silentDevice());
  EXPECT_TRUE(saved.err.contains(QStringLiteral("48 ok, 2 failed"))) << saved.err.toStdString();
  // One file per answering device, named after it; none for the two that failed.
  const QStringList files = QDir(dir).entryList(QDir::Files, QDir::Name);
  EXPECT_EQ(files.size(), kServed - 1) << files.join(u' ').toStdString();
  for (int i = 0; i < kServed; ++i) {
    const QString name = QStringLiteral("127.0.0.1_%1.json").arg(served_->port() + i);
    EXPECT_EQ(files.contains(name), i != kRefused) << name.toStdString();
    if (i != kRefused) {
      const QStringList lines = linesOf(saved, device(i));
      ASSERT_EQ(lines.size(), 1) << saved.out.toStdString();
      EXPECT_TRUE(lines.at(0).startsWith(QStringLiteral("saved "))) << lines.at(0).toStdString();
    }
  }

  // The files read concurrently hold what a single run reads one list after another: over SNMPv1
  // (each object of a refused get asked alone) and SNMPv2c (get-bulk walks) alike.
  const QString versions = writeFile(QStringLiteral("versions"), device(30) + " /v0\n-v 2c " + device(31) + "\n");
  const QString dir2 = dir_.filePath(QStringLiteral("snapshots-v1"));
  ASSERT_EQ(run({"--hosts", versions, "snapshot", "save", dir2}).exitCode, 0);
  for (int i : {30, 31}) {
    const CtlRun single = run({"/I127.0.0.1", i == 30 ? "/v0" : "/v1", "--port", QString::number(served_->port() + i),
                               "snapshot", "diff",
                               QDir(dir2).filePath(QStringLiteral("127.0.0.1_%1.json").arg(served_->port() + i))});
    EXPECT_EQ(single.exitCode, 0) << i << single.out.toStdString() << single.err.toStdString();
  }

  // Two devices of the fleet: one changed since, one not.
  const std::string before = guestName(21);
  const QString pair = writeFile(QStringLiteral("pair"), device(20) + " /v1\n" + device(21) + " /v1\n");
  ASSERT_EQ(run({"/I127.0.0.1", "/v1", "--port", QString::number(served_->port() + 21), "set",
                 kGuestName, "s", "changed"}).exitCode, 0);
  const CtlRun diff = run({"--hosts", pair, "--json", "--ordered", "snapshot", "diff", dir});
  EXPECT_EQ(diff.exitCode, 1) << diff.err.toStdString();
  const QStringList objects = diff.out.split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(objects.size(), 2) << diff.out.toStdString();
  const QJsonObject same = QJsonDocument::fromJson(objects.at(0).toUtf8()).object();
  const QJsonObject changed = QJsonDocument::fromJson(objects.at(1).toUtf8()).object();
  EXPECT_TRUE(same.value("ok").toBool());
  EXPECT_TRUE(same.value("result").toArray().isEmpty());
  EXPECT_TRUE(changed.value("ok").toBool());
  EXPECT_EQ(changed.value("result").toArray().size(), 1) << objects.at(1).toStdString();
  EXPECT_TRUE(diff.err.contains(QStringLiteral("2 ok (1 different), 0 failed"))) << diff.err.toStdString();

  // The restore writes the file's value back; the agent holds it again.
  const CtlRun restored = run({"--hosts", pair, "snapshot", "restore", dir});
  EXPECT_EQ(restored.exitCode, 0) << restored.err.toStdString() << restored.out.toStdString();
  EXPECT_EQ(guestName(21), before);
  EXPECT_EQ(run({"--hosts", pair, "snapshot", "diff", dir}).exitCode, 0);

  // A device without its file fails on its line; diff keeps its status 2 for an error.
  const CtlRun missing = run({"--hosts", pair, "snapshot", "diff", dir_.filePath(QStringLiteral("nowhere"))});
  EXPECT_EQ(missing.exitCode, 2);
  expectFailedAlone(missing, device(20), QStringLiteral("error: "));
}

// A signal while the silent and the refused device keep the run going (each waits out its
// time-out): every device done so far is printed whole, and the summary says how far it got.
TEST_F(FleetTest, ASignalEndsTheRunWithWholeLinesAndASummary) {
  QProcess p;
  QProcessEnvironment env = kx760ctlEnvironment(dir_.filePath(QStringLiteral("registry.ini")),
                                                dir_.filePath(QStringLiteral("state")));
  env.insert(QStringLiteral("KX760_READ_COMMUNITY"), QStringLiteral("public"));
  p.setProcessEnvironment(env);
  p.start(QStringLiteral(KX_BIN_DIR "/kx760ctl"), {"--hosts", fleetFile(), "--json", "get", kIfDescr1});
  QByteArray out;
  constexpr int kAnswering = kServed - 1;
  while (out.count('\n') < kAnswering && p.waitForReadyRead(30000)) out += p.readAllStandardOutput();
  ASSERT_EQ(out.count('\n'), kAnswering) << out.toStdString();
  ::kill(static_cast<pid_t>(p.processId()), SIGTERM);
  ASSERT_TRUE(p.waitForFinished(30000));
  out += p.readAllStandardOutput();
  EXPECT_EQ(p.exitCode(), 128 + SIGTERM);
  const QList<QByteArray> lines = out.split('\n');
  EXPECT_EQ(lines.size(), kAnswering + 1);
  for (const QByteArray& line : lines.mid(0, kAnswering)) {
    QJsonParseError error{};
    QJsonDocument::fromJson(line, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
  }
  EXPECT_TRUE(lines.last().isEmpty());
  const QString err = QString::fromUtf8(p.readAllStandardError());
  EXPECT_TRUE(err.contains(QStringLiteral("48 ok, 0 failed, 2 not done"))) << err.toStdString();
}

}  // namespace
