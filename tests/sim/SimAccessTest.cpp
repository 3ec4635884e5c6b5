// Every way into kx760sim (v1, v2c, each built-in SNMPv3 user) reads, walks, creates a
// VLAN row with createAndGo and deletes it again, using Debian's Net-SNMP tools.
#include "tests/sim/SimTestUtil.h"

using namespace kxtest;

namespace {

SimAgent* agent = nullptr;

struct AccessCase {
  Credentials credentials;
  int vlan;  // each case its own row, so the cases stay independent
};

void PrintTo(const AccessCase& c, std::ostream* os) {
  *os << c.credentials.label;
}

std::vector<AccessCase> accessCases() {
  std::vector<AccessCase> cases;
  int vlan = 100;
  for (auto& c : allCredentials()) cases.push_back({c, vlan++});
  return cases;
}

// One agent for each suite; the suites run one after the other.
class Kx760simShared : public ::testing::Test {
 public:
  static void SetUpTestSuite() {
    agent = new SimAgent;
    agent->start({"--led-period", "0"});
  }
  static void TearDownTestSuite() {
    const int status = agent->stop();
    EXPECT_TRUE(exitedCleanly(status)) << agent->stderrText();
    delete agent;
    agent = nullptr;
  }
};

class Kx760simAccess : public Kx760simShared, public ::testing::WithParamInterface<AccessCase> {};

TEST_P(Kx760simAccess, ReadsWalksCreatesAndDestroysRows) {
  const auto& [cred, vlan] = GetParam();
  const std::string v = std::to_string(vlan);

  auto get = tool("snmpget", cred.read, *agent, {kSysName, kLed, kRmonState});
  ASSERT_EQ(get.exitCode, 0) << get.err;
  EXPECT_NE(get.out.find(".1.3.6.1.2.1.1.5.0 = STRING: \"kx760-sim\""), std::string::npos)
      << get.out;
  EXPECT_GE(hexOctets(get.out).size(), 34u) << get.out;

  auto walk = tool("snmpwalk", cred.read, *agent, {kVlanStatic + ".1"});
  ASSERT_EQ(walk.exitCode, 0) << walk.err;
  EXPECT_NE(walk.out.find(kVlanStatic + ".1.1 = STRING: \"default\""), std::string::npos)
      << walk.out;

  auto create =
      tool("snmpset", cred.write, *agent,
           {kVlanStatic + ".1." + v, "s", "vlan" + v, kVlanStatic + ".2." + v, "x", "C0000000",
            kVlanStatic + ".4." + v, "x", "80000000", kVlanStatic + ".5." + v, "i", "4"});
  ASSERT_EQ(create.exitCode, 0) << create.err;

  auto row = tool("snmpget", cred.read, *agent, {kVlanStatic + ".1." + v, kVlanStatic + ".5." + v});
  EXPECT_NE(row.out.find("STRING: \"vlan" + v + "\""), std::string::npos) << row.out;
  EXPECT_NE(row.out.find(kVlanStatic + ".5." + v + " = INTEGER: 1"), std::string::npos)
      << row.out;  // active

  auto destroy = tool("snmpset", cred.write, *agent, {kVlanStatic + ".5." + v, "i", "6"});
  ASSERT_EQ(destroy.exitCode, 0) << destroy.err;
  auto gone = tool("snmpwalk", cred.read, *agent, {kVlanStatic + ".5"});
  EXPECT_EQ(gone.out.find(kVlanStatic + ".5." + v + " "), std::string::npos) << gone.out;
}

INSTANTIATE_TEST_SUITE_P(EveryUser, Kx760simAccess, ::testing::ValuesIn(accessCases()),
                         [](const auto& info) {
                           std::string name = info.param.credentials.label;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

// Ways in that must be refused, each with what the tool reports.
struct Refusal {
  std::string label;
  std::string tool;
  std::vector<std::string> options;
  std::vector<std::string> rest;
  std::string expected;  // in the tool's stdout or stderr
};

void PrintTo(const Refusal& c, std::ostream* os) {
  *os << c.label;
}

class Kx760simRefusal : public Kx760simShared, public ::testing::WithParamInterface<Refusal> {};

TEST_P(Kx760simRefusal, IsRefused) {
  const Refusal& r = GetParam();
  auto result = tool(r.tool, r.options, *agent, r.rest, {"-t", "1", "-r", "0"});
  EXPECT_NE(result.exitCode, 0);
  EXPECT_NE((result.out + result.err).find(r.expected), std::string::npos)
      << "out: " << result.out << "\nerr: " << result.err;
  // Whatever was refused, the RMON state is as the data file has it.
  auto check = tool("snmpget", kV2Read, *agent, {kRmonState});
  EXPECT_NE(check.out.find("INTEGER: 3"), std::string::npos) << check.out;
}

INSTANTIATE_TEST_SUITE_P(
    Access, Kx760simRefusal,
    ::testing::Values(
        Refusal{"UnknownCommunity", "snmpget", {"-v2c", "-c", "nosuch"}, {kSysName}, "Timeout"},
        Refusal{"ReadCommunityWrites",
                "snmpset",
                {"-v2c", "-c", "public"},
                {kRmonState, "i", "2"},
                "noAccess"},
        Refusal{"V1ReadCommunityWrites",
                "snmpset",
                {"-v1", "-c", "public"},
                {kRmonState, "i", "2"},
                "noSuchName"},
        Refusal{"UnknownUser",
                "snmpget",
                v3("nosuch", "noAuthNoPriv"),
                {kSysName},
                "Unknown user name"},
        Refusal{"WrongAuthPassphrase",
                "snmpget",
                {"-v3", "-u", "shaaes", "-l", "authPriv", "-a", "SHA", "-A", "wrongpass1", "-x",
                 "AES", "-X", "privpass123"},
                {kSysName},
                "Authentication failure"},
        Refusal{"LevelBelowTheUsers",
                "snmpget",
                v3("md5des", "authNoPriv", "MD5"),
                {kSysName},
                "authorizationError"}),
    [](const auto& info) { return info.param.label; });

}  // namespace
