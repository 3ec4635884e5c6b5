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
#include <QTemporaryDir>

#include "tests/kx760ctl/CtlRunner.h"
#include "tests/support/NetSnmpTool.h"
#include "tests/support/SimAgent.h"

namespace {

constexpr int kServed = 49;  // switches of the --agents process
const QString kGuestName = QStringLiteral("1.3.6.1.4.1.48213.12.30.1.1.0");
const QString kIfDescr1 = QStringLiteral("1.3.6.1.2.1.2.2.1.2.1");

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

  static CtlRun run(const QStringList& args) {
    return runKx760ctl(dir_.filePath(QStringLiteral("registry.ini")), dir_.filePath(QStringLiteral("state")),
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

  static void expectFailedAlone(const CtlRun& r, const QString& dev) {
    const QStringList lines = linesOf(r, dev);
    ASSERT_EQ(lines.size(), 1) << dev.toStdString() << "\n" << r.out.toStdString();
    EXPECT_TRUE(lines.at(0).startsWith(QStringLiteral("error -"))) << lines.at(0).toStdString();
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
  const auto guestName = [](int i) {
    return kxtest::runNetSnmpTool({"snmpget", "-v2c", "-c", "public", "-Oqv",
                                   "udp:127.0.0.1:" + std::to_string(served_->port() + i),
                                   kGuestName.toStdString()})
        .out;
  };
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
  const Case cases[] = {
      {"/v1 127.0.0.1\n", {"get", "1.3.6.1.2.1.1.5.0"}},                     // no address first
      {"127.0.0.1:99999 /v1\n", {"get", "1.3.6.1.2.1.1.5.0"}},                // bad port
      {"127.0.0.1 v1\n", {"get", "1.3.6.1.2.1.1.5.0"}},                       // not a switch
      {"# nothing\n\n", {"get", "1.3.6.1.2.1.1.5.0"}},                        // no device
      {"127.0.0.1 /v1\n", {"get", "not-an-oid"}},                             // bad argument
      {"127.0.0.1 /v1\n", {"set", "1.3.6.1.2.1.1.5.0", "i", "x"}},            // bad value
      {"127.0.0.1 /v1\n", {"catalogue"}},                                     // not over devices
  };
  for (const Case& c : cases) {
    const CtlRun r = run(QStringList{"--hosts", writeFile(QStringLiteral("bad"), c.file)} + c.command);
    EXPECT_EQ(r.exitCode, 2) << c.file << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
  }
}

}  // namespace
