// kx760sim's misbehaviour on demand, each seen on the wire the way a manager meets it.
#include "tests/sim/SimTestUtil.h"

using namespace kxtest;

namespace {

const std::string kPortTable = "1.3.6.1.4.1.48213.11.63.2.2.2";
const std::string kDevInfo = "1.3.6.1.4.1.48213.11.63.2.2.1";
const std::string kQBridge = "1.3.6.1.2.1.17.7";

struct FaultCase {
  std::string label;
  std::vector<std::string> agentArgs;
  std::string tool;
  std::vector<std::string> varbinds;
  bool toolFails;
  std::string expected;        // in the tool's output
  std::string absent;          // must not be in it (the well-behaved answer)
  int octets = -1;             // length of the octet string answered, where that is the point
  bool othersAnswered = true;  // whether objects outside the subtree still answer in time
};

void PrintTo(const FaultCase& c, std::ostream* os) {
  *os << c.label;
}

class Kx760simFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(Kx760simFault, ShowsOnTheWire) {
  const FaultCase& f = GetParam();
  SimAgent agent;
  auto args = f.agentArgs;
  args.insert(args.end(), {"--led-period", "0"});
  agent.start(args);

  auto r = tool(f.tool, kV2Read, agent, f.varbinds, {"-t", "1", "-r", "0"});
  const std::string all = r.out + r.err;
  EXPECT_EQ(r.exitCode != 0, f.toolFails) << all;
  EXPECT_NE(all.find(f.expected), std::string::npos) << all;
  if (!f.absent.empty()) {
    EXPECT_EQ(all.find(f.absent), std::string::npos) << all;
  }
  if (f.octets >= 0) {
    EXPECT_EQ(hexOctets(r.out).size(), static_cast<size_t>(f.octets)) << all;
  }
  if (!f.othersAnswered) {
    EXPECT_TRUE(exitedCleanly(agent.stop())) << agent.stderrText();
    return;
  }

  // Outside the chosen subtree the agent behaves.
  auto control = tool("snmpget", kV2Read, agent, {kSysName}, {"-t", "2", "-r", "1"});
  EXPECT_NE(control.out.find("STRING: \"kx760-sim\""), std::string::npos)
      << control.out << control.err;
  EXPECT_TRUE(exitedCleanly(agent.stop())) << agent.stderrText();
}

INSTANTIATE_TEST_SUITE_P(Modes, Kx760simFault,
                         ::testing::Values(FaultCase{"NonIncreasing",
                                                     {"--fault", "nonincreasing:" + kPortTable},
                                                     "snmpwalk",
                                                     {kPortTable},
                                                     true,
                                                     "OID not increasing",
                                                     ""},
                                           FaultCase{"NonIncreasingOnlyInsideItsSubtree",
                                                     {"--fault", "nonincreasing:" + kPortTable},
                                                     "snmpwalk",
                                                     {kDevInfo},
                                                     true,
                                                     // the last object of the group: CPU
                                                     // utilisation in 5 min (catalogue data)
                                                     "OID not increasing: ." + kDevInfo + ".3.3.0",
                                                     ""},
                                           FaultCase{"WrongType",
                                                     {"--fault", "wrongtype:" + kDevInfo + ".2"},
                                                     "snmpget",
                                                     {kRmonState},
                                                     false,
                                                     kRmonState + " = STRING: \"3\"",
                                                     "INTEGER"},
                                           FaultCase{"WrongTypeOnGetNext",
                                                     {"--fault", "wrongtype:1.3.6.1.2.1.17.1.2"},
                                                     "snmpgetnext",
                                                     {"1.3.6.1.2.1.17.1.1.0"},
                                                     false,
                                                     "1.3.6.1.2.1.17.1.2.0 = STRING: \"18\"",
                                                     ""},
                                           FaultCase{"ShortOctets",
                                                     {"--fault", "shortoctets:" + kLed},
                                                     "snmpget",
                                                     {kLed},
                                                     false,
                                                     kLed + " = Hex-STRING: 02 01 02 00",
                                                     "",
                                                     19},
                                           FaultCase{"Silent",
                                                     {"--fault", "silent:" + kQBridge},
                                                     "snmpget",
                                                     {kVlanNumDeletes},
                                                     true,
                                                     "Timeout",
                                                     ""},
                                           FaultCase{"DropEverything",
                                                     {"--drop", "100"},
                                                     "snmpget",
                                                     {kRmonState},
                                                     true,
                                                     "Timeout",
                                                     "",
                                                     -1,
                                                     false},
                                           FaultCase{"LateAnswerMissesShortTimeout",
                                                     {"--delay", "2000"},
                                                     "snmpget",
                                                     {kRmonState},
                                                     true,
                                                     "Timeout",
                                                     "",
                                                     -1,
                                                     false}),
                         [](const auto& info) { return info.param.label; });

TEST(Kx760simFaultOptions, DelayedAnswerArrivesForAPatientManager) {
  SimAgent agent;
  agent.start({"--delay", "300"});
  for (const auto& cred :
       {Credentials{"v2c", kV2Read, kV2Write}, v3User("sha256aes", "SHA-256", "AES")}) {
    auto r = tool("snmpget", cred.read, agent, {kRmonState}, {"-t", "10", "-r", "0"});
    EXPECT_NE(r.out.find("INTEGER: 3"), std::string::npos) << cred.label << r.out << r.err;
  }
  EXPECT_TRUE(exitedCleanly(agent.stop())) << agent.stderrText();
}

TEST(Kx760simFaultOptions, HalfDropAnswersSomeRequestsAndNotOthers) {
  SimAgent agent;
  agent.start({"--drop", "50", "--seed", "7"});
  int answered = 0;
  const int tries = 20;
  for (int i = 0; i < tries; ++i)
    answered +=
        tool("snmpget", kV2Read, agent, {kRmonState}, {"-t", "0.3", "-r", "0"}).exitCode == 0;
  EXPECT_GT(answered, 0);
  EXPECT_LT(answered, tries);
  EXPECT_TRUE(exitedCleanly(agent.stop())) << agent.stderrText();
}

}  // namespace

// keeprows: a set in the subtree is acknowledged and nothing changes, so a destroyed row stays;
// sets elsewhere still take effect.
TEST(Kx760simFaultOptions, KeepRowsAcknowledgesADestroyAndKeepsTheRow) {
  const std::string status = "1.3.6.1.4.1.48213.12.29.3.1.1.3";
  SimAgent agent;
  agent.start({"--led-period", "0", "--fault", "keeprows:" + status});
  auto destroy = tool("snmpset", kV2Write, agent, {status + ".1", "i", "6"});
  EXPECT_EQ(destroy.exitCode, 0) << destroy.out << destroy.err;
  auto after = tool("snmpget", kV2Read, agent, {status + ".1"});
  EXPECT_NE(after.out.find("INTEGER: 1"), std::string::npos) << after.out << after.err;
  auto other = tool("snmpset", kV2Write, agent, {kRmonState, "i", "2"});
  EXPECT_EQ(other.exitCode, 0) << other.out << other.err;
  EXPECT_NE(tool("snmpget", kV2Read, agent, {kRmonState}).out.find("INTEGER: 2"), std::string::npos);
  EXPECT_TRUE(exitedCleanly(agent.stop())) << agent.stderrText();
}
