// Command lines of the sibling tools for SNMPv1/v2c and SNMPv3, with and without a profile; the
// host's own tool preferred, else kx760mib with the pass phrases in its environment only.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "EventWait.h"
#include "MibToolPages.h"
#include "ToolLauncher.h"

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

TEST(ToolLauncher, PrefersTheHostToolElseStartsKx760mibWithoutPassPhrases) {
  QTemporaryDir dir;
  const QString programDir = dir.path() + u'/';
  QFile host(programDir + QStringLiteral("Rmon.EXE"));
  ASSERT_TRUE(host.open(QIODevice::WriteOnly));
  host.close();
  LaunchParameters v3 = v3AllOptional();
  v3.privPasswordText = QStringLiteral("priv pass");  // a blank stays inside the value
  const struct {
    const char* name;
    const char* argument;
    LaunchParameters launch;
    int version;
    std::optional<quint16> port;
    bool hostTool;
    QStringList arguments;
    QList<QPair<QString, QString>> environment;
  } cases[] = {
      {"host tool, exactly as composed", "/TRmon_History", v3, 3, 1161, true,
       {"/I10.1.1.3", "/cctx", "/l2", "/a1", "/Aauthpass", "/p1", "/Ppriv", "pass", "/TRmon_History"}, {}},
      {"kx760mib, v3", "/TMIB_IFCounters", v3, 3, std::nullopt, false,
       {"/I10.1.1.3", "/cctx", "/l2", "/a1", "/p1", "/TMIB_IFCounters"},
       {{MibToolAuthPassPhraseEnv, "authpass"}, {MibToolPrivPassPhraseEnv, "priv pass"}}},
      {"kx760mib, v2c with a port", "/TMIB_Info", v2c(), 1, 16100, false,
       {"/I10.1.1.1", "/Rpublic", "/Wprivate", "/TMIB_Info", "--port", "16100"}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ToolStart start = PlanToolStart(c.argument, c.launch, c.version, programDir, c.port);
    EXPECT_EQ(start.hostTool, c.hostTool);
    EXPECT_EQ(start.program, programDir + (c.hostTool ? QStringLiteral("Rmon.EXE") : QStringLiteral("kx760mib")));
    EXPECT_EQ(start.arguments, c.arguments);
    EXPECT_EQ(start.environment, c.environment);
  }
}

TEST(ToolLauncher, Kx760mibGetsThePassPhrasesInItsEnvironment) {
  // A stand-in kx760mib that writes down its command line and the two variables.
  QTemporaryDir dir;
  const QString programDir = dir.path() + u'/';
  const QString record = programDir + QStringLiteral("record.txt");
  QFile script(programDir + QLatin1String(MibToolProgram));
  ASSERT_TRUE(script.open(QIODevice::WriteOnly));
  script.write(QStringLiteral("#!/bin/sh\n{ echo \"args: $*\"; echo \"auth: $%1\"; echo \"priv: $%2\"; } > %3.tmp\n"
                              "mv %3.tmp %3\n")
                   .arg(QLatin1String(MibToolAuthPassPhraseEnv), QLatin1String(MibToolPrivPassPhraseEnv), record)
                   .toUtf8());
  script.close();
  script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

  ASSERT_TRUE(StartTool(PlanToolStart("/TMIB_Info", v3AllOptional(), 3, programDir)));
  ASSERT_TRUE(kxtest::waitUntil([&] { return QFile::exists(record); }));
  QFile out(record);
  ASSERT_TRUE(out.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(out.readAll()),
            "args: /I10.1.1.3 /cctx /l2 /a1 /p1 /TMIB_Info\nauth: authpass\npriv: privpass\n");
}

}  // namespace
