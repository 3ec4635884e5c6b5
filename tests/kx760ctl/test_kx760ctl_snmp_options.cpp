// kx760ctl with Net-SNMP's options: what they put into the device parameters (offline), the
// command lines refused before anything is sent, and the built binary against kx760sim giving
// exactly what the module's switches give.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "tools/kx760ctl/CtlCommand.h"
#include "tools/kx760ctl/CtlCommandLine.h"
#include "tests/kx760ctl/CtlRunner.h"
#include "generated/KxVersion.h"
#include "mvsnmp/MvDeviceParams.h"
#include "mvsnmp/MvStartup.h"
#include "tests/support/SimAgent.h"

// The program's signal flag; these tests run no command in this process.
int ctlStopSignal() { return 0; }

namespace {

// ---- offline: the device parameters the options give ---------------------------------------

struct Applied {
  MvDeviceParams device;
  LaunchParameters launch;
};

Applied apply(const QStringList& args, const MvEnvironmentSecrets& env = MvEnvironmentSecrets()) {
  const CtlCommandLine line = CtlCommandLine::parse(args);
  EXPECT_TRUE(line.snmpOptions.given());
  Applied a{MvDeviceParams::defaults(), {}};
  line.snmpOptions.applyTo(a.device, a.launch, env);
  return a;
}

TEST(CtlSnmpOptions, CommunityVersionsAndAgentForms) {
  struct Case {
    QStringList args;
    quint8 version;
    QString address;
    quint16 port;
  };
  const Case cases[] = {
      {{"-v", "1", "-c", "pub", "switch1", "get", "1.3"}, 0, "switch1", 161},
      {{"-v2c", "-cpub", "10.0.0.5:1161", "get", "1.3"}, 1, "10.0.0.5", 1161},
      {{"-v", "2C", "udp:10.0.0.5:162", "-c", "pub", "walk", "1.3"}, 1, "10.0.0.5", 162},
      {{"-v2c", "-c", "pub", "udp:sw-1", "get", "1.3"}, 1, "sw-1", 161},
      {{"-v2c", "-c", "pub", "[::1]:1161", "get", "1.3"}, 1, "::1", 1161},
      {{"-v2c", "-c", "pub", "udp6:[fe80::1]", "get", "1.3"}, 1, "fe80::1", 161},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.join(u' ').toStdString());
    const Applied a = apply(c.args);
    EXPECT_EQ(a.device.version, c.version);
    EXPECT_EQ(a.device.address, c.address);
    EXPECT_EQ(a.device.agentPort, c.port);
    // One community for reads and writes, as with Net-SNMP's tools.
    EXPECT_EQ(a.device.readCommunity, u"pub");
    EXPECT_EQ(a.device.writeCommunity, u"pub");
    EXPECT_EQ(a.launch.addressText, c.address);
    EXPECT_EQ(a.launch.portText, QString::number(c.port));
  }
}

TEST(CtlSnmpOptions, SnmpV3CodesAndTexts) {
  const Applied a = apply({"-v3", "-l", "authPriv", "-u", "ops", "-a", "SHA-256", "-A", "auth pass 1",
                           "-x", "AES-256", "-X", "priv pass 1", "-n", "/cmib2dev/tcp-mib", "-E",
                           "0x80001F88", "-e", "80001f8880aa", "-t", "2.5", "-r", "4", "sw",
                           "get", "1.3"});
  EXPECT_EQ(a.device.version, 3);
  EXPECT_EQ(a.device.securityModel, 3);
  EXPECT_EQ(a.device.securityLevel, 3);
  EXPECT_EQ(a.device.securityName, "ops");
  EXPECT_EQ(a.device.authProtocol, 5);
  EXPECT_EQ(a.device.privProtocol, 21);
  EXPECT_EQ(a.device.authPassword, "auth pass 1");
  EXPECT_EQ(a.device.privPassword, "priv pass 1");
  // A context name with "/" in it stays whole (the switches would cut it at its "/t").
  EXPECT_EQ(a.device.contextName, "/cmib2dev/tcp-mib");
  EXPECT_EQ(a.device.contextEngineId, u"0x80001F88");
  EXPECT_EQ(a.device.securityEngineId, u"80001f8880aa");
  EXPECT_EQ(a.device.timeout, 250);
  EXPECT_EQ(a.device.retries, 4);
  EXPECT_EQ(a.launch.securityLevelText, u"3");
  EXPECT_EQ(a.launch.authProtocolText, u"5");
  EXPECT_EQ(a.launch.privProtocolText, u"21");
  EXPECT_TRUE(a.launch.contextNameGiven && a.launch.authPasswordGiven && a.launch.privPasswordGiven);

  struct Protocols {
    const char* auth;
    qint32 authCode;
    const char* priv;
    qint32 privCode;
  };
  for (const Protocols& p : {Protocols{"MD5", 2, "DES", 2}, Protocols{"sha", 3, "AES", 4},
                             Protocols{"SHA-224", 4, "AES-128", 4}, Protocols{"SHA384", 6, "aes192", 20},
                             Protocols{"SHA-512", 7, "AES-256", 21}}) {
    const Applied b = apply({"-v3", "-lauthPriv", "-uops", "-a", p.auth, "-Aauthpass1", "-x", p.priv,
                             "-Xprivpass1", "sw", "get", "1.3"});
    EXPECT_EQ(b.device.authProtocol, p.authCode) << p.auth;
    EXPECT_EQ(b.device.privProtocol, p.privCode) << p.priv;
  }
  // Without -l: noAuthNoPriv, and the module's time-out and retries stay.
  const Applied c = apply({"-v3", "-u", "ops", "sw", "get", "1.3"});
  EXPECT_EQ(c.device.securityLevel, 1);
  EXPECT_EQ(c.device.timeout, MvDeviceParams::defaults().timeout);
  EXPECT_EQ(c.device.retries, MvDeviceParams::defaults().retries);
}

TEST(CtlSnmpOptions, SecretsFromTheEnvironmentUnlessTyped) {
  MvEnvironmentSecrets env;
  env.readCommunity = "envread";
  env.writeCommunity = "envwrite";
  env.authPass = "envauth1";
  env.privPass = "envpriv1";

  const Applied v2 = apply({"-v2c", "sw", "get", "1.3"}, env);
  EXPECT_EQ(v2.device.readCommunity, u"envread");
  EXPECT_EQ(v2.device.writeCommunity, u"envwrite");
  const Applied typed = apply({"-v2c", "-c", "typed", "sw", "get", "1.3"}, env);
  EXPECT_EQ(typed.device.readCommunity, u"typed");
  EXPECT_EQ(typed.device.writeCommunity, u"typed");

  const Applied v3 = apply({"-v3", "-u", "ops", "-l", "authPriv", "-a", "SHA", "-x", "AES", "-A", "typedauth",
                            "sw", "get", "1.3"},
                           env);
  EXPECT_EQ(v3.device.authPassword, "typedauth");
  EXPECT_EQ(v3.device.privPassword, "envpriv1");
}

// Command lines refused with a usage error (exit status 2) before anything is read or sent.
struct Refused {
  const char* name;
  QStringList args;
  const char* message;
};

class CtlSnmpOptionsRefused : public ::testing::TestWithParam<Refused> {};

TEST_P(CtlSnmpOptionsRefused, NamesWhatIsWrong) {
  try {
    const CtlCommandLine line = CtlCommandLine::parse(GetParam().args);
    MvDeviceParams device = MvDeviceParams::defaults();
    const MvDeviceParams before = device;
    LaunchParameters launch;
    try {
      line.snmpOptions.applyTo(device, launch, MvEnvironmentSecrets());
    } catch (const CtlUsageError&) {
      EXPECT_EQ(device.address, before.address) << "changed before the refusal";
      EXPECT_EQ(device.version, before.version) << "changed before the refusal";
      throw;
    }
    ADD_FAILURE() << "accepted";
  } catch (const CtlUsageError& e) {
    EXPECT_NE(std::string(e.what()).find(GetParam().message), std::string::npos) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CtlSnmpOptionsRefused,
    ::testing::Values(
        Refused{"MixedWithSwitches", {"-v2c", "-c", "p", "/I10.0.0.5", "get", "1.3"}, "cannot be mixed"},
        Refused{"SwitchesThenAgent", {"/I10.0.0.5", "-v2c", "sw", "get", "1.3"}, "cannot be mixed"},
        Refused{"NoVersion", {"-c", "p", "sw", "get", "1.3"}, "give the SNMP version"},
        Refused{"BadVersion", {"-v", "2", "-c", "p", "sw", "get", "1.3"}, "-v needs the SNMP version 1, 2c or 3"},
        Refused{"NoAgent", {"-v2c", "-c", "p", "get", "1.3"}, "give the agent"},
        Refused{"NoCommunity", {"-v1", "sw", "get", "1.3"}, "give the community"},
        Refused{"CommunityWithV3", {"-v3", "-u", "u", "-c", "p", "sw", "get", "1.3"}, "-c has no use with -v 3"},
        Refused{"UserWithV2c", {"-v2c", "-c", "p", "-u", "u", "sw", "get", "1.3"}, "-u has no use with -v 2c"},
        Refused{"AuthBelowItsLevel", {"-v3", "-u", "u", "-a", "SHA", "sw", "get", "1.3"},
                "-a has no use at -l noAuthNoPriv"},
        Refused{"PrivBelowItsLevel",
                {"-v3", "-u", "u", "-l", "authNoPriv", "-a", "SHA", "-A", "aaaaaaaa", "-X", "x", "sw", "get", "1.3"},
                "-X has no use at -l authNoPriv"},
        Refused{"NoUser", {"-v3", "sw", "get", "1.3"}, "-u USER"},
        Refused{"NoAuthProtocol", {"-v3", "-u", "u", "-l", "authNoPriv", "-A", "aaaaaaaa", "sw", "get", "1.3"},
                "needs the authentication protocol"},
        Refused{"NoPrivPass",
                {"-v3", "-u", "u", "-l", "authPriv", "-a", "MD5", "-A", "aaaaaaaa", "-x", "DES", "sw", "get", "1.3"},
                "needs the privacy pass phrase"},
        Refused{"UnknownLevel", {"-v3", "-u", "u", "-l", "priv", "sw", "get", "1.3"}, "-l needs noAuthNoPriv"},
        Refused{"UnknownAuth", {"-v3", "-u", "u", "-a", "SHA-1024", "sw", "get", "1.3"}, "-a needs MD5|SHA"},
        Refused{"IdeaIsNotOffered", {"-v3", "-u", "u", "-x", "IDEA", "sw", "get", "1.3"}, "-x needs DES|AES"},
        Refused{"GivenTwice", {"-v2c", "-c", "a", "-c", "b", "sw", "get", "1.3"}, "-c is given twice"},
        Refused{"MissingValue", {"-v2c", "-c"}, "-c needs a value"},
        Refused{"TimeoutTooFine", {"-v2c", "-c", "p", "-t", "0.001", "sw", "get", "1.3"}, "-t needs seconds"},
        Refused{"TimeoutZero", {"-v2c", "-c", "p", "-t", "0", "sw", "get", "1.3"}, "-t needs seconds"},
        Refused{"NegativeRetries", {"-v2c", "-c", "p", "-r", "-1", "sw", "get", "1.3"}, "-r needs a number"},
        Refused{"OddEngineId", {"-v3", "-u", "u", "-E", "80001", "sw", "get", "1.3"}, "-E needs an engine ID"},
        Refused{"BadPort", {"-v2c", "-c", "p", "sw:70000", "get", "1.3"}, "has no port from 1 to 65535"},
        Refused{"EmptyPort", {"-v2c", "-c", "p", "sw:", "get", "1.3"}, "has no port from 1 to 65535"},
        Refused{"OtherTransport", {"-v2c", "-c", "p", "tcp:sw:161", "get", "1.3"}, "over UDP only"},
        Refused{"BareIpv6", {"-v2c", "-c", "p", "fe80::1", "get", "1.3"}, "IPv6 address in brackets"},
        Refused{"NoHost", {"-v2c", "-c", "p", "udp::161", "get", "1.3"}, "has no host"},
        Refused{"PortTwice", {"-v2c", "-c", "p", "sw:1161", "--port", "1162", "get", "1.3"},
                "the port is given twice"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- the built binary against kx760sim -------------------------------------------------------

class CtlSnmpOptionsSim : public CtlSimSuite<CtlSnmpOptionsSim> {
 protected:
  static CtlRun run(const QStringList& args) {
    return runKx760ctl(dir_.filePath(QStringLiteral("registry.ini")), dir_.filePath(QStringLiteral("state")), args);
  }
  // Both forms run the same command; both succeed with the same output.
  static void expectSameOutput(const QStringList& switches, const QStringList& conventional) {
    const CtlRun a = run(switches);
    const CtlRun b = run(conventional);
    EXPECT_EQ(a.exitCode, 0) << a.err.toStdString();
    EXPECT_EQ(b.exitCode, 0) << b.err.toStdString();
    EXPECT_FALSE(a.out.isEmpty());
    EXPECT_EQ(a.out.toStdString(), b.out.toStdString());
  }

};

TEST_F(CtlSnmpOptionsSim, V2cGetAsWithTheSwitches) {
  expectSameOutput({"/I127.0.0.1", "/Rpublic", "/Wprivate", "/v1", "--port", port(), "get", "1.3.6.1.2.1.1.5.0"},
                   {"-v2c", "-c", "public", "127.0.0.1:" + port(), "get", "1.3.6.1.2.1.1.5.0"});
}

// The interfaces' counters keep changing, so the walk reads the bridge's port table.
TEST_F(CtlSnmpOptionsSim, V3AuthPrivWalkAsWithTheSwitches) {
  expectSameOutput({"/I127.0.0.1", "/v3", "/m3", "/l3", "/nshaaes", "/a3", "/Aauthpass123", "/p4", "/Pprivpass123",
                    "/t" + port(), "--json", "walk", "1.3.6.1.2.1.17.1.4"},
                   {"-v", "3", "-l", "authPriv", "-u", "shaaes", "-a", "SHA", "-A", "authpass123", "-x", "AES", "-X",
                    "privpass123", "udp:127.0.0.1:" + port(), "--json", "walk", "1.3.6.1.2.1.17.1.4"});
}

TEST_F(CtlSnmpOptionsSim, SecurityEngineIdIsUsedAsGiven) {
  const CtlRun id = run({"-v2c", "-c", "public", "127.0.0.1:" + port(), "get", "1.3.6.1.6.3.10.2.1.1.0"});
  ASSERT_EQ(id.exitCode, 0) << id.err.toStdString();
  const QString engineId = id.out.trimmed().section(QStringLiteral(" = "), 1);
  ASSERT_FALSE(engineId.isEmpty());
  const QStringList v3{"-v3", "-l", "authPriv", "-u", "sha256aes256", "-a", "SHA-256", "-A", "authpass123",
                       "-x", "AES-256", "-X", "privpass123", "-t", "0.5", "-r", "0"};
  const CtlRun right = run(v3 + QStringList{"-e", engineId, "127.0.0.1:" + port(), "get", "1.3.6.1.2.1.1.5.0"});
  EXPECT_EQ(right.exitCode, 0) << right.err.toStdString();
  EXPECT_EQ(right.out, QStringLiteral("1.3.6.1.2.1.1.5.0 = kx760-sim\n"));
  // Another engine's ID: the agent does not answer with data, and no discovery replaces it.
  const CtlRun wrong =
      run(v3 + QStringList{"-e", "80001f8880aabbccddeeff0011", "127.0.0.1:" + port(), "get", "1.3.6.1.2.1.1.5.0"});
  EXPECT_EQ(wrong.exitCode, 1);
  EXPECT_EQ(wrong.out, QString());
  EXPECT_TRUE(wrong.err.contains(QStringLiteral("error -"))) << wrong.err.toStdString();
}

TEST_F(CtlSnmpOptionsSim, RefusalSendsNothingAndExitsWithUsage) {
  const CtlRun r = run({"-v2c", "/I127.0.0.1", "127.0.0.1:" + port(), "get", "1.3.6.1.2.1.1.5.0"});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.out, QString());
  EXPECT_TRUE(r.err.contains(QStringLiteral("cannot be mixed"))) << r.err.toStdString();
}

TEST_F(CtlSnmpOptionsSim, VersionFromTheProject) {
  const CtlRun r = run({"--version"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, QStringLiteral("kx760ctl (KX-760 Manager) %1\n").arg(QLatin1String(KxVersion)));
}

}  // namespace
