// The session's secrets at start-up: the secret switches' values overwritten in argv while the
// parameters keep their texts, the environment's communities and pass phrases taken once and
// filling only what the switches left out, and a session handed to a tool whole or refused.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstring>
#include <string>
#include <vector>

#include "mvsnmp/MvDeviceParams.h"
#include "mvsnmp/MvError.h"
#include "mvsnmp/MvSecrets.h"
#include "mvsnmp/MvSessionHandover.h"
#include "mvsnmp/MvSnmpSession.h"
#include "mvsnmp/MvStartup.h"

namespace {

// argv as the kernel lays it out: the strings one after the other, each ended by a zero.
struct Argv {
  std::string block;
  std::vector<char*> pointers;
  explicit Argv(const std::vector<std::string>& args) {
    for (const std::string& a : args) block += a + '\0';
    for (size_t at = 0; at < block.size(); at += std::strlen(&block[at]) + 1) pointers.push_back(&block[at]);
  }
  int argc() const { return static_cast<int>(pointers.size()); }
  char** argv() { return pointers.data(); }
};

TEST(SecretArguments, OverwritesExactlyTheSecretSwitchesValues) {
  const struct {
    const char* argument;
    const char* shown;  // what argv holds afterwards, up to the first zero
  } cases[] = {
      {"/Rpublic", "/R"},
      {"/Wprivate", "/W"},
      {"/Aauth pass", "/A"},
      {"/Ppriv", "/P"},
      {"x/Rsecret", "x/R"},          // the switch may stand anywhere
      {"/I10.0.0.5/Rx", "/I10.0.0.5/Rx"},  // "/I" comes first: an address, nothing secret
      {"/nuser/Apass", "/nuser/Apass"},    // "/n" is matched before "/A": a user name
      {"/Apass/Rcomm", "/Apass/R"},        // "/R" is matched before "/A": its value is the secret
      {"/v1", "/v1"},
      {"/TMIB_Info", "/TMIB_Info"},
      {"--port", "--port"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.argument);
    std::string text = c.argument;
    const bool secret = MvArguments::scrub(text.data());
    EXPECT_STREQ(text.c_str(), c.shown);
    EXPECT_EQ(secret, std::strcmp(c.argument, c.shown) != 0);
    // Nothing of the value is left after the zero either.
    EXPECT_EQ(text.find_first_not_of('\0', std::strlen(c.shown)), std::string::npos);
  }
}

TEST(SecretArguments, ParametersKeepTheirTextsAfterTheApplicationTookItsOptions) {
  Argv a({"kx760", "/I10.0.0.5", "-platform", "offscreen", "/Rtwo words", "/Wprivate", "/v1"});
  MvArguments arguments(a.argc(), a.argv());
  EXPECT_EQ(a.block.find("two words"), std::string::npos);
  EXPECT_EQ(a.block.find("private"), std::string::npos);
  // The application object takes "-platform offscreen" out of argv, as QGuiApplication does.
  std::vector<char*> left = {a.pointers[0], a.pointers[1], a.pointers[4], a.pointers[5], a.pointers[6]};
  EXPECT_EQ(arguments.take(static_cast<int>(left.size()), left.data()),
            (QStringList{"/I10.0.0.5", "/Rtwo words", "/Wprivate", "/v1"}));
}

class SecretEnvironment : public ::testing::Test {
 protected:
  void SetUp() override {
    DeviceTarget = MvDeviceParams::defaults();
    registry_ = std::make_unique<MvRegistry>(dir_.filePath(QStringLiteral("registry.ini")));
  }
  void TearDown() override {
    for (const char* name : {MvSecretEnv::ReadCommunity, MvSecretEnv::WriteCommunity, MvSecretEnv::AuthPass,
                             MvSecretEnv::PrivPass})
      qunsetenv(name);
  }
  MvStartupResult startup(const QStringList& parameters) { return runStartup(parameters, *registry_); }

  QTemporaryDir dir_;
  std::unique_ptr<MvRegistry> registry_;
};

TEST_F(SecretEnvironment, FillsWhatTheSwitchesLeftOutAndIsGoneAfterwards) {
  qputenv(MvSecretEnv::ReadCommunity, "env-read");
  qputenv(MvSecretEnv::WriteCommunity, "");
  qputenv(MvSecretEnv::AuthPass, "env-auth-pass");
  qputenv(MvSecretEnv::PrivPass, "env-priv-pass");
  const MvEnvironmentSecrets secrets = MvEnvironmentSecrets::take();
  for (const char* name : {MvSecretEnv::ReadCommunity, MvSecretEnv::WriteCommunity, MvSecretEnv::AuthPass,
                           MvSecretEnv::PrivPass})
    EXPECT_FALSE(qEnvironmentVariableIsSet(name)) << name;

  // SNMPv3 with the auth pass phrase on the command line: the switch wins, the environment gives
  // the rest.
  MvStartupResult v3 = startup({"/I10.0.0.5", "/v3", "/nuser", "/l3", "/Aswitch-auth"});
  secrets.applyTo(v3);
  EXPECT_EQ(DeviceTarget.authPassword, "switch-auth");
  EXPECT_EQ(DeviceTarget.privPassword, "env-priv-pass");
  EXPECT_TRUE(v3.launch.privPasswordGiven);
  EXPECT_EQ(v3.launch.privPasswordText, "env-priv-pass");

  // SNMPv2c with "/W" given: the read community from the environment; the empty variable gives
  // no write community over the switch's.
  DeviceTarget = MvDeviceParams::defaults();
  MvStartupResult v2 = startup({"/I10.0.0.5", "/v1", "/Wswitch-write"});
  EXPECT_TRUE(v2.versionGiven);
  EXPECT_FALSE(v2.readCommunityGiven);
  secrets.applyTo(v2);
  EXPECT_TRUE(v2.readCommunityGiven);
  EXPECT_EQ(DeviceTarget.readCommunity, "env-read");
  EXPECT_EQ(v2.launch.readCommunityText, "env-read");
  EXPECT_EQ(DeviceTarget.writeCommunity, "switch-write");

  // Without "/W" the empty variable is the empty write community, not the default.
  DeviceTarget = MvDeviceParams::defaults();
  MvStartupResult bare = startup({"/I10.0.0.5"});
  EXPECT_FALSE(bare.versionGiven);
  secrets.applyTo(bare);
  EXPECT_TRUE(bare.writeCommunityGiven);
  EXPECT_EQ(DeviceTarget.writeCommunity, "");
}

TEST(SessionHandover, CarriesEveryFieldExactly) {
  MvDeviceParams p;
  p.address = QStringLiteral("fe80::1");
  p.agentPort = 16100;
  p.contextEngineId = QStringLiteral("0x8000AB");
  p.contextName = QByteArray("ctx\n=%", 5);
  p.version = 3;
  p.readCommunity = QStringLiteral("read =%\nÄ");
  p.writeCommunity = QString();
  p.securityModel = 3;
  p.securityLevel = 3;
  p.securityName = QByteArray("us\xE9r", 4);  // Latin-1 octets, not UTF-8
  p.authPassword = QByteArray("a\0b c", 5);
  p.privPassword = QByteArray("priv pass");
  p.authProtocol = 5;
  p.privProtocol = 21;
  p.timeout = 300;
  p.retries = 0;
  p.maxRepetitions = -1;
  const MvSecretBytes data = MvSessionHandover::encode(p);
  const MvDeviceParams back = MvSessionHandover::decode(data.bytes());
  EXPECT_EQ(back.address, p.address);
  EXPECT_EQ(back.agentPort, p.agentPort);
  EXPECT_EQ(back.contextEngineId, p.contextEngineId);
  EXPECT_EQ(back.contextName, p.contextName);
  EXPECT_EQ(back.version, p.version);
  EXPECT_EQ(back.readCommunity, p.readCommunity);
  EXPECT_EQ(back.writeCommunity, p.writeCommunity);
  EXPECT_EQ(back.securityModel, p.securityModel);
  EXPECT_EQ(back.securityLevel, p.securityLevel);
  EXPECT_EQ(back.securityName, p.securityName);
  EXPECT_EQ(back.authPassword, p.authPassword);
  EXPECT_EQ(back.privPassword, p.privPassword);
  EXPECT_EQ(back.authProtocol, p.authProtocol);
  EXPECT_EQ(back.privProtocol, p.privProtocol);
  EXPECT_EQ(back.timeout, p.timeout);
  EXPECT_EQ(back.retries, p.retries);
  EXPECT_EQ(back.maxRepetitions, p.maxRepetitions);
  // Through a pipe, read once.
  const int fd = MvSessionHandover::pipeHolding(data.bytes());
  ASSERT_GE(fd, 0);
  EXPECT_EQ(MvSessionHandover::readOnce(fd).bytes(), data.bytes());
}

TEST(SessionHandover, AnIncompleteOrMalformedSessionIsRefused) {
  MvDeviceParams p = MvDeviceParams::defaults();
  const QByteArray good = MvSessionHandover::encode(p).bytes();
  auto without = [&](const char* name) {
    QList<QByteArray> lines = good.split('\n');
    lines.removeIf([&](const QByteArray& l) { return l.startsWith(QByteArray(name) + '='); });
    return lines.join('\n');
  };
  auto replaced = [&](const char* name, const char* value) {
    QList<QByteArray> lines = good.split('\n');
    for (QByteArray& l : lines)
      if (l.startsWith(QByteArray(name) + '=')) l = QByteArray(name) + '=' + value;
    return lines.join('\n');
  };
  const struct {
    const char* name;
    QByteArray data;
    const char* says;
  } cases[] = {
      {"empty", QByteArray(), "does not begin"},
      {"no version", without("version"), "has no version"},
      {"no read community", without("readCommunity"), "has no readCommunity"},
      {"version out of range", replaced("version", "256"), "version"},
      {"port not a number", replaced("agentPort", "16x"), "agentPort"},
      {"cut off", good.left(good.size() - 1), "cut off"},
      {"unknown line", good + "colour=red\n", "unknown line"},
      {"given twice", good + "timeout=5\n", "timeout twice"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      MvSessionHandover::decode(c.data);
      ADD_FAILURE() << "accepted";
    } catch (const MvException& e) {
      EXPECT_TRUE(e.message().contains(QLatin1String(c.says))) << e.message().toStdString();
    }
  }
  EXPECT_THROW(MvSessionHandover::readOnce(-1), MvException);
}

}  // namespace
