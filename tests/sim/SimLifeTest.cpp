// kx760sim as a living switch: the LED status object and its octet layout, module slots,
// clean shutdown on SIGTERM, and refusal of bad data files and command lines.
#include <filesystem>
#include <fstream>
#include <thread>

#include "tests/sim/SimTestUtil.h"

using namespace kxtest;

namespace {

std::vector<int> ledOctets(const SimAgent& agent) {
  return hexOctets(tool("snmpget", kV2Read, agent, {kLed}).out);
}

TEST(Kx760simLife, LedOctetsAtRestFollowTheFrontPanelLayout) {
  SimAgent agent;
  agent.start({"--led-period", "0", "--modules", "none,none"});
  const auto led = ledOctets(agent);
  ASSERT_EQ(led.size(), 38u);   // power, console, two octets for each of ports 1-18
  EXPECT_EQ(led[0], 0x02);      // power green
  EXPECT_EQ(led[2 * 5], 0x01);  // port 5 has no link
  EXPECT_EQ(led[2 * 4], 0x04);  // port 4 runs at 100 Mbps: blue
  for (int i = 34; i < 38; ++i) EXPECT_EQ(led[i], 0) << "octet " << i << " of an empty slot";
  EXPECT_TRUE(exitedCleanly(agent.stop())) << agent.stderrText();
}

TEST(Kx760simLife, LedsChangeAndBlinkOverTime) {
  SimAgent agent;
  agent.start({"--led-period", "50"});
  const auto first = ledOctets(agent);
  ASSERT_EQ(first.size(), 38u);
  bool changed = false, blinked = false, flapped = false;
  for (int i = 0; i < 200 && !(changed && blinked && flapped); ++i) {
    const auto now = ledOctets(agent);
    changed |= now != first;
    for (int port = 1; port <= 16; ++port) blinked |= (now[2 * port] & 0x80) != 0;
    flapped |= now[2 * 3] == 0x01;  // port 3's link goes down now and then
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
  }
  EXPECT_TRUE(changed);
  EXPECT_TRUE(blinked);
  EXPECT_TRUE(flapped);
  EXPECT_TRUE(exitedCleanly(agent.stop())) << agent.stderrText();
}

struct ModuleCase {
  std::string arg;
  int slot1, slot2;
};

void PrintTo(const ModuleCase& c, std::ostream* os) {
  *os << c.arg;
}

class Kx760simModules : public ::testing::TestWithParam<ModuleCase> {};

TEST_P(Kx760simModules, ReportTypesAndLightTheirPorts) {
  const ModuleCase& m = GetParam();
  SimAgent agent;
  agent.start({"--led-period", "0", "--modules", m.arg});
  auto r = tool("snmpget", kV2Read, agent, {kModule1, kModule2});
  EXPECT_NE(r.out.find(kModule1 + " = INTEGER: " + std::to_string(m.slot1)), std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find(kModule2 + " = INTEGER: " + std::to_string(m.slot2)), std::string::npos)
      << r.out;
  const auto led = ledOctets(agent);
  ASSERT_EQ(led.size(), 38u);
  EXPECT_EQ(led[34] & 7, m.slot1 ? 2 : 0);  // port 17 link
  EXPECT_EQ(led[35], m.slot1 ? 3 : 0);      // port 17 speed
  EXPECT_EQ(led[36] & 7, m.slot2 ? 2 : 0);  // port 18 link
  EXPECT_EQ(led[37], m.slot2 ? 3 : 0);
  EXPECT_TRUE(exitedCleanly(agent.stop())) << agent.stderrText();
}

INSTANTIATE_TEST_SUITE_P(Slots, Kx760simModules,
                         ::testing::Values(ModuleCase{"KM-5A,COMBA", 2, 4}, ModuleCase{"0,1", 0, 1},
                                           ModuleCase{"moduleType-KM-6A,none", 3, 0}));

TEST(Kx760simLife, SigtermEndsCleanlyAndRemovesItsDirectories) {
  SimAgent agent;
  agent.start({"--led-period", "10", "--delay", "5000"});
  // A request still waiting for its late answer must not stop a clean exit.
  tool("snmpget", kV2Read, agent, {kRmonState}, {"-t", "0.2", "-r", "0"});
  const std::string stem = "kx760sim-" + std::to_string(agent.pid()) + "-";
  auto leftovers = [&] {
    int n = 0;
    for (const auto& e :
         std::filesystem::directory_iterator(std::filesystem::temp_directory_path()))
      n += e.path().filename().string().rfind(stem, 0) == 0;
    return n;
  };
  EXPECT_EQ(leftovers(), 1);
  const int status = agent.stop();
  EXPECT_TRUE(exitedCleanly(status)) << agent.stderrText();
  EXPECT_EQ(leftovers(), 0);
  EXPECT_EQ(agent.stderrText(), "");
}

struct BadStart {
  std::string label;
  std::string data;  // written to a file passed with --data, if not empty
  std::vector<std::string> args;
  std::string message;
};

void PrintTo(const BadStart& c, std::ostream* os) {
  *os << c.label;
}

class Kx760simBadStart : public ::testing::TestWithParam<BadStart> {};

TEST_P(Kx760simBadStart, IsRefusedWithAReason) {
  const BadStart& b = GetParam();
  auto args = b.args;
  const auto path = std::filesystem::temp_directory_path() / ("kx760sim-bad-" + b.label + ".data");
  if (!b.data.empty()) {
    std::ofstream(path) << b.data;
    args.insert(args.end(), {"--data", path.string()});
  }
  SimAgent agent;
  try {
    agent.start(args);
    ADD_FAILURE() << "kx760sim started";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find(b.message), std::string::npos) << e.what();
  }
  std::filesystem::remove(path);
}

const std::string kReg = "@register 1.3.6.1.4.1.48213\n";

INSTANTIATE_TEST_SUITE_P(
    Refused, Kx760simBadStart,
    ::testing::Values(
        BadStart{"NoAgents", "", {"--agents", "0"}, "bad value for --agents"},
        BadStart{"AgentsPastTheLastPort", "", {"--port", "65535", "--agents", "2"}, "pass 65535"},
        BadStart{"BadInteger",
                 kReg + "1.3.6.1.4.1.48213.1.0|integer|abc\n",
                 {},
                 ".data:2: bad integer value 'abc'"},
        BadStart{"Unregistered",
                 "1.3.6.1.4.1.9.1.0|integer|1\n",
                 {},
                 ":1: 1.3.6.1.4.1.9.1.0 lies outside every @register"},
        BadStart{"UnknownFlag",
                 kReg + "1.3.6.1.4.1.48213.1.0|integer|1|rw,speed=fast\n",
                 {},
                 ":2: bad flag 'speed=fast'"},
        BadStart{"StatusColumnMissing",
                 kReg + "@table 1.3.6.1.4.1.48213.2.1|rowstatus\n",
                 {},
                 "needs its status column"},
        BadStart{"UndeclaredColumnOfCreatableTable",
                 kReg + "@table 1.3.6.1.4.1.48213.2.1|rowstatus|3\n@column "
                        "1.3.6.1.4.1.48213.2.1.3|integer|rw|1\n"
                        "1.3.6.1.4.1.48213.2.1.1.7|integer|7\n",
                 {},
                 ":4: an object of a creatable table must belong to a declared @column"},
        BadStart{
            "TypeDiffersFromColumn",
            kReg + "@column "
                   "1.3.6.1.4.1.48213.2.1.3|integer|rw|1\n1.3.6.1.4.1.48213.2.1.3.1|string|x\n",
            {},
            ":3: type differs"},
        BadStart{"LiveSystemObject",
                 "1.3.6.1.2.1.1.3.0|timeticks|5\n",
                 {},
                 "sysUpTime and sysORTable are live"},
        BadStart{"UnknownDirective", "@frobnicate 1.3\n", {}, "unknown directive @frobnicate"},
        BadStart{"RemovingWhatIsNotThere",
                 kReg + "@remove 1.3.6.1.4.1.48213.9.0\n",
                 {},
                 ":2: @remove 1.3.6.1.4.1.48213.9.0: no such object"},
        BadStart{"MissingFile",
                 "",
                 {"--data", "/nonexistent/kx760.data"},
                 "/nonexistent/kx760.data: cannot open"},
        BadStart{"UnknownFault", "", {"--fault", "sideways"}, "bad value for --fault: sideways"},
        BadStart{"UnknownModule", "", {"--modules", "KM-9Z,none"}, "bad value for --modules"},
        BadStart{"ShortPassphrase", "", {"--user", "u:SHA:short"}, "bad value for --user"}),
    [](const auto& info) { return info.param.label; });

// A later data file may replace objects after @replace (keeping their access) and take them away
// with @remove; --variant is the second switch built that way.
TEST(Kx760simLife, LaterDataFilesReplaceAndRemoveObjects) {
  const auto dir = std::filesystem::temp_directory_path();
  const auto first = dir / "kx760sim-first.data", second = dir / "kx760sim-second.data";
  std::ofstream(first) << kReg << "1.3.6.1.4.1.48213.1.0|integer|1|rw\n1.3.6.1.4.1.48213.2.0|integer|2\n";
  std::ofstream(second) << "@replace\n1.3.6.1.4.1.48213.1.0|integer|5\n@remove 1.3.6.1.4.1.48213.2.0\n";
  SimAgent agent;
  agent.start({"--data", first.string(), "--data", second.string(), "--led-period", "0"});
  EXPECT_NE(tool("snmpget", kV2Read, agent, {"1.3.6.1.4.1.48213.1.0"}).out.find("INTEGER: 5"), std::string::npos);
  EXPECT_NE(tool("snmpget", kV2Read, agent, {"1.3.6.1.4.1.48213.2.0"}).out.find("No Such"), std::string::npos);
  EXPECT_EQ(tool("snmpset", kV2Write, agent, {"1.3.6.1.4.1.48213.1.0", "i", "6"}).exitCode, 0);
  std::filesystem::remove(first);
  std::filesystem::remove(second);

  SimAgent plain, variant;
  plain.start({"--led-period", "0"});
  variant.start({"--led-period", "0", "--variant"});
  const std::string sntpState = "1.3.6.1.4.1.48213.12.10.11.1.0", host3 = "1.3.6.1.4.1.48213.12.1.2.10.1.1.2.3";
  EXPECT_NE(tool("snmpget", kV2Read, plain, {sntpState}).out.find("INTEGER: 2"), std::string::npos);
  EXPECT_NE(tool("snmpget", kV2Read, variant, {sntpState}).out.find("INTEGER: 3"), std::string::npos);
  EXPECT_NE(tool("snmpget", kV2Read, plain, {host3}).out.find("192.168.1.5"), std::string::npos);
  EXPECT_NE(tool("snmpget", kV2Read, variant, {host3}).out.find("No Such"), std::string::npos);
  EXPECT_EQ(variant.stderrText(), "");
}

// --agents: switches on consecutive ports, each with its own data: a set on one changes only it.
TEST(Kx760simLife, AgentsAreIndependentSwitchesOnConsecutivePorts) {
  SimAgent agent;
  agent.start({"--agents", "3", "--led-period", "0"});
  const auto at = [&](int i) { return "udp:127.0.0.1:" + std::to_string(agent.port() + i); };
  const std::string guestName = "1.3.6.1.4.1.48213.12.30.1.1.0";
  const auto read = [&](int i) {
    return runNetSnmpTool({"snmpget", "-v2c", "-c", "public", "-Oqv", "-t", "5", at(i), guestName}).out;
  };
  for (int i = 0; i < 3; ++i) EXPECT_EQ(read(i), "\"guests\"\n") << i;
  ASSERT_EQ(runNetSnmpTool({"snmpset", "-v2c", "-c", "private", "-t", "5", at(1), guestName, "s", "second"}).exitCode, 0);
  EXPECT_EQ(read(0), "\"guests\"\n");
  EXPECT_EQ(read(1), "\"second\"\n");
  EXPECT_EQ(read(2), "\"guests\"\n");
  // A walk of the last one sees the same whole table as one of the first.
  const auto walk = [&](int i) {
    return runNetSnmpTool({"snmpbulkwalk", "-v2c", "-c", "public", "-t", "5", at(i), "1.3.6.1.2.1.2.2.1.2"}).out;
  };
  EXPECT_GE(lines(walk(2)).size(), 18u);
  EXPECT_EQ(walk(2), walk(0));
  EXPECT_TRUE(exitedCleanly(agent.stop())) << agent.stderrText();
}

TEST(Kx760simLife, OwnUsersReplaceTheBuiltInOnes) {
  SimAgent agent;
  agent.start({"--user", "ops:SHA-512:opsauth12345:AES-256:opspriv12345", "--read-community", "r0",
               "--write-community", "w0"});
  auto mine = tool("snmpget",
                   {"-v3", "-u", "ops", "-l", "authPriv", "-a", "SHA-512", "-A", "opsauth12345",
                    "-x", "AES-256", "-X", "opspriv12345"},
                   agent, {kSysName});
  EXPECT_NE(mine.out.find("kx760-sim"), std::string::npos) << mine.err;
  auto builtIn =
      tool("snmpget", v3("noauth", "noAuthNoPriv"), agent, {kSysName}, {"-t", "1", "-r", "0"});
  EXPECT_NE(builtIn.err.find("Unknown user name"), std::string::npos) << builtIn.out << builtIn.err;
  EXPECT_EQ(tool("snmpset", {"-v2c", "-c", "w0"}, agent, {kRmonState, "i", "2"}).exitCode, 0);
  EXPECT_NE(tool("snmpget", {"-v1", "-c", "r0"}, agent, {kRmonState}).out.find("INTEGER: 2"),
            std::string::npos);
  EXPECT_TRUE(exitedCleanly(agent.stop())) << agent.stderrText();
}

}  // namespace

namespace {

std::vector<std::string> fileLines(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> out;
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

}  // namespace

// --log: one JSON line per request as it arrives, varbinds in the PDU's order, octets in hex,
// the community named; a set of the guest VLAN's delete state removes the guest VLAN.
TEST(Kx760simLife, LogWritesEveryRequestAsOneLine) {
  const std::string log =
      (std::filesystem::temp_directory_path() / ("kx760sim-log-" + std::to_string(getpid()) + ".jsonl")).string();
  SimAgent agent;
  agent.start({"--led-period", "0", "--log", log});
  const std::string guest = "1.3.6.1.4.1.48213.12.30.1.";
  ASSERT_EQ(tool("snmpset", kV2Write, agent, {guest + "2.0", "x", "C0000000", guest + "1.0", "s", "a\"b"}).exitCode, 0);
  ASSERT_EQ(tool("snmpset", kV2Write, agent, {guest + "3.0", "i", "2"}).exitCode, 0);
  ASSERT_EQ(tool("snmpget", kV2Read, agent, {guest + "1.0", guest + "2.0", guest + "3.0"}).exitCode, 0);
  const auto lines = fileLines(log);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0],
            "{\"pdu\":\"set\",\"community\":\"private\",\"varbinds\":["
            "{\"oid\":\"1.3.6.1.4.1.48213.12.30.1.2.0\",\"type\":\"octets\",\"value\":\"C0000000\"},"
            "{\"oid\":\"1.3.6.1.4.1.48213.12.30.1.1.0\",\"type\":\"octets\",\"value\":\"612262\"}]}");
  EXPECT_EQ(lines[1],
            "{\"pdu\":\"set\",\"community\":\"private\",\"varbinds\":["
            "{\"oid\":\"1.3.6.1.4.1.48213.12.30.1.3.0\",\"type\":\"integer\",\"value\":2}]}");
  EXPECT_EQ(lines[2].rfind("{\"pdu\":\"get\",\"community\":\"public\"", 0), 0u) << lines[2];
  const auto after = tool("snmpget", kV2Read, agent, {guest + "1.0", guest + "2.0", guest + "3.0"}).out;
  EXPECT_NE(after.find("= \"\""), std::string::npos) << after;  // the name is gone
  EXPECT_NE(after.find("00 00 00 00"), std::string::npos) << after;
  EXPECT_NE(after.find("INTEGER: 1"), std::string::npos) << after;
  EXPECT_TRUE(exitedCleanly(agent.stop())) << agent.stderrText();
  std::filesystem::remove(log);
}
