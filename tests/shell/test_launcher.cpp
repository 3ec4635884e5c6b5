// Command lines of the sibling tools for SNMPv1/v2c and SNMPv3, with and without a profile; the
// host's own tool preferred, else kx760mib with the whole session handed over through a pipe.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tests/support/EventWait.h"
#include "catalogue/MibToolPages.h"
#include "mvsnmp/MvSessionHandover.h"
#include "shell/ToolLauncher.h"

namespace {

LaunchParameters v2c() {
  LaunchParameters p;
  p.addressText = "10.1.1.1";
  p.readCommunityText = "public";
  p.writeCommunityText = "private";
  return p;
}

LaunchParameters v3Profile() {
  LaunchParameters p;
  p.addressText = "10.1.1.2";
  p.profileFound = true;
  p.portText = "1161";
  p.versionText = "3";
  p.contextEngineIdText = "80001F88";
  p.securityModelText = "3";
  p.securityNameText = "admin";
  p.securityLevelText = "3";
  p.securityLevelGiven = true;
  p.authProtocolText = "2";
  p.authProtocolGiven = true;
  return p;
}

LaunchParameters v3AllOptional() {
  LaunchParameters p;
  p.addressText = "10.1.1.3";
  p.contextNameText = "ctx";
  p.contextNameGiven = true;
  p.securityLevelText = "2";
  p.securityLevelGiven = true;
  p.authProtocolText = "1";
  p.authProtocolGiven = true;
  p.authPasswordText = "authpass";
  p.authPasswordGiven = true;
  p.privProtocolText = "1";
  p.privProtocolGiven = true;
  p.privPasswordText = "privpass";
  p.privPasswordGiven = true;
  return p;
}

struct Case {
  const char* name;
  LaunchParameters launch;
  int version;
  const char* argument;
  const char* expected;  // after the directory
  const char* executable;
};

TEST(ToolLauncher, ComposesTheCommandLineForEachVersion) {
  LaunchParameters v3Bare;
  v3Bare.addressText = "10.1.1.4";
  v3Bare.readCommunityText = "ignored";
  const Case cases[] = {
      {"v2c", v2c(), 1, "/TMIB_IFTable", "MIB.EXE /I10.1.1.1 /Rpublic /Wprivate /TMIB_IFTable", "MIB.EXE"},
      {"v1", v2c(), 0, "/TRmon_History", "Rmon.EXE /I10.1.1.1 /Rpublic /Wprivate /TRmon_History", "Rmon.EXE"},
      {"v3 bare", v3Bare, 3, "/TEntityMIB_Maping", "EntityMIB.EXE /I10.1.1.4 /TEntityMIB_Maping", "EntityMIB.EXE"},
      {"v3 profile", v3Profile(), 3, "/TVLan_GMRP",
       "VLan.EXE /I10.1.1.2 /t1161 /v3 /d80001F88 /m3 /nadmin /l3 /a2 /TVLan_GMRP", "VLan.EXE"},
      {"v3 optional", v3AllOptional(), 3, "/TBridge_TpPortInfo",
       "Bridge.EXE /I10.1.1.3 /cctx /l2 /a1 /Aauthpass /p1 /Pprivpass /TBridge_TpPortInfo", "Bridge.EXE"},
      {"no underscore", v2c(), 1, "/TMIB", ".EXE /I10.1.1.1 /Rpublic /Wprivate /TMIB", ".EXE"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ToolCommandLine line = ComposeToolCommandLine(c.argument, c.launch, c.version, "/opt/kx/");
    EXPECT_EQ(line.text, QStringLiteral("/opt/kx/") + c.expected);
    EXPECT_EQ(line.executable, QStringLiteral("/opt/kx/") + c.executable);
    EXPECT_EQ(line.parameters, QString::fromLatin1(c.expected).split(' ').mid(1));
  }
}

TEST(ToolLauncher, ValuesWithBlanksAreNotQuoted) {
  LaunchParameters p = v2c();
  p.readCommunityText = "two words";
  const ToolCommandLine line = ComposeToolCommandLine("/TMIB_Info", p, 1, "/d/");
  EXPECT_EQ(line.text, "/d/MIB.EXE /I10.1.1.1 /Rtwo words /Wprivate /TMIB_Info");
  EXPECT_EQ(line.parameters, (QStringList{"/I10.1.1.1", "/Rtwo", "words", "/Wprivate", "/TMIB_Info"}));
}

// The session kx760 speaks: SNMPv3 with every secret, as DeviceTarget holds it.
MvDeviceParams v3Session() {
  MvDeviceParams p = MvDeviceParams::defaults();
  p.address = QStringLiteral("10.1.1.3");
  p.agentPort = 1161;
  p.version = 3;
  p.securityName = "admin";
  p.securityLevel = 3;
  p.authProtocol = 2;
  p.privProtocol = 4;
  p.authPassword = "authpass";
  p.privPassword = "priv pass";
  p.contextName = "ctx";
  p.readCommunity = QStringLiteral("public");
  p.writeCommunity = QStringLiteral("private");
  return p;
}

TEST(ToolLauncher, PrefersTheHostToolElseStartsKx760mibWithTheWholeSession) {
  QTemporaryDir dir;
  const QString programDir = dir.path() + u'/';
  QFile host(programDir + QStringLiteral("Rmon.EXE"));
  ASSERT_TRUE(host.open(QIODevice::WriteOnly));
  host.close();
  LaunchParameters v3 = v3AllOptional();
  v3.privPasswordText = QStringLiteral("priv pass");  // a blank splits the host's parameter
  MvDeviceParams v2 = v3Session();
  v2.version = 1;

  // The host's tool: exactly as composed, nothing handed over besides.
  const ToolStart hostStart = PlanToolStart("/TRmon_History", v3, v3Session(), programDir);
  EXPECT_TRUE(hostStart.hostTool);
  EXPECT_EQ(hostStart.program, programDir + QStringLiteral("Rmon.EXE"));
  EXPECT_EQ(hostStart.arguments,
            (QStringList{"/I10.1.1.3", "/cctx", "/l2", "/a1", "/Aauthpass", "/p1", "/Ppriv", "pass", "/TRmon_History"}));
  EXPECT_TRUE(hostStart.session.isEmpty());

  // kx760mib: the page argument alone on its command line, the session whole in the hand-over.
  for (const MvDeviceParams& session : {v3Session(), v2}) {
    SCOPED_TRACE(session.version);
    const ToolStart start = PlanToolStart("/TMIB_IFCounters", v3, session, programDir);
    EXPECT_FALSE(start.hostTool);
    EXPECT_EQ(start.program, programDir + QStringLiteral("kx760mib"));
    EXPECT_EQ(start.arguments, QStringList{"/TMIB_IFCounters"});
    const MvDeviceParams handed = MvSessionHandover::decode(start.session.bytes());
    EXPECT_EQ(handed.version, session.version);
    EXPECT_EQ(handed.agentPort, 1161);
    EXPECT_EQ(handed.securityName, "admin");
    EXPECT_EQ(handed.privPassword, "priv pass");
    EXPECT_EQ(handed.readCommunity, "public");
  }
}

TEST(ToolLauncher, Kx760mibReadsTheSessionFromAnInheritedPipe) {
  // A stand-in kx760mib that writes down its command line and what its descriptor holds.
  QTemporaryDir dir;
  const QString programDir = dir.path() + u'/';
  const QString record = programDir + QStringLiteral("record.txt");
  QFile script(programDir + QLatin1String(MibToolProgram));
  ASSERT_TRUE(script.open(QIODevice::WriteOnly));
  script.write(QStringLiteral("#!/bin/sh\n{ echo \"args: $*\"; cat /dev/fd/$2; } > %1.tmp\n"
                              "mv %1.tmp %1\n")
                   .arg(record)
                   .toUtf8());
  script.close();
  script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

  const ToolStart start = PlanToolStart("/TMIB_Info", v3AllOptional(), v3Session(), programDir);
  ASSERT_TRUE(StartTool(start));
  ASSERT_TRUE(kxtest::waitUntil([&] { return QFile::exists(record); }));
  QFile out(record);
  ASSERT_TRUE(out.open(QIODevice::ReadOnly));
  const QByteArray recorded = out.readAll();
  const QByteArray firstLine = recorded.left(recorded.indexOf('\n'));
  EXPECT_TRUE(firstLine.startsWith("args: --session-fd ")) << firstLine.toStdString();
  EXPECT_TRUE(firstLine.endsWith(" /TMIB_Info")) << firstLine.toStdString();
  EXPECT_FALSE(firstLine.contains("pass")) << firstLine.toStdString();
  EXPECT_EQ(recorded.mid(firstLine.size() + 1), start.session.bytes());
}

}  // namespace
