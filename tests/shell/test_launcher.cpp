// Command lines of the sibling tools for SNMPv1/v2c and SNMPv3, with and without a profile.
#include <gtest/gtest.h>

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

}  // namespace
