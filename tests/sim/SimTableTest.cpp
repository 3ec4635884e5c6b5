// Tables and walks on kx760sim: the static filtering tables' permanent/invalid rows, the
// end of the MIB for v1 and v2c, Net-SNMP's standard groups, and a 10,000-address
// forwarding table read with snmpbulkwalk.
#include "tests/sim/SimTestUtil.h"

using namespace kxtest;

namespace {

class Kx760simTables : public StillAgentSuite {};


bool missing(const std::string& oid) {
  return StillAgentSuite::value(oid).find("No Such Instance") != std::string::npos;
}

TEST_F(Kx760simTables, UnicastPermanentCreatesAndInvalidDeletes) {
  const std::string row = ".1.0.2.3.4.5.6.0";  // VLAN 1, MAC 000203040506, receive port 0
  ASSERT_EQ(tool("snmpset", kV2Write, agent(),
                 {kUnicast + ".3" + row, "x", "10000000", kUnicast + ".4" + row, "i", "3"})
                .exitCode,
            0);
  EXPECT_EQ(value(kUnicast + ".3" + row), "Hex-STRING: 10 00 00 00 \n");
  EXPECT_EQ(value(kUnicast + ".4" + row), "INTEGER: 3\n");

  ASSERT_EQ(tool("snmpset", kV2Write, agent(), {kUnicast + ".4" + row, "i", "2"}).exitCode, 0);
  EXPECT_TRUE(missing(kUnicast + ".3" + row));
  EXPECT_TRUE(missing(kUnicast + ".4" + row));
  // The row of the data file is untouched.
  EXPECT_EQ(value(kUnicast + ".4.1.0.1.2.3.4.5.0"), "INTEGER: 3\n");
}

TEST_F(Kx760simTables, MulticastRowInTwoRequestsThenInvalid) {
  const std::string row = ".1.1.0.94.1.2.3.0";  // VLAN 1, MAC 01005E010203, receive port 0
  ASSERT_EQ(tool("snmpset", kV2Write, agent(), {kMulticast + ".5" + row, "i", "3"}).exitCode, 0);
  EXPECT_EQ(value(kMulticast + ".3" + row), "Hex-STRING: 00 00 00 00 \n");
  ASSERT_EQ(tool("snmpset", kV2Write, agent(), {kMulticast + ".3" + row, "x", "C0000000"}).exitCode,
            0);
  auto walk = tool("snmpwalk", kV2Read, agent(), {kMulticast});
  EXPECT_NE(walk.out.find(kMulticast + ".3" + row + " = Hex-STRING: C0 00 00 00"),
            std::string::npos)
      << walk.out;
  EXPECT_NE(walk.out.find(kMulticast + ".5" + row + " = INTEGER: 3"), std::string::npos)
      << walk.out;

  ASSERT_EQ(tool("snmpset", kV2Write, agent(), {kMulticast + ".5" + row, "i", "2"}).exitCode, 0);
  walk = tool("snmpwalk", kV2Read, agent(), {kMulticast});
  EXPECT_EQ(walk.out.find(row + " "), std::string::npos) << walk.out;
  EXPECT_EQ(lines(walk.out).size(), 6u) << walk.out;  // the data file's two rows, three columns
}

struct EndOfMib {
  std::string label;
  std::vector<std::string> options;
  std::string expected;
};

void PrintTo(const EndOfMib& c, std::ostream* os) {
  *os << c.label;
}

class Kx760simEndOfMib : public Kx760simTables, public ::testing::WithParamInterface<EndOfMib> {};

TEST_P(Kx760simEndOfMib, IsReportedTheVersionsWay) {
  // Nothing lies after .2.0 (joint-iso-itu-t): every agent is at its end there.
  auto r = tool("snmpgetnext", GetParam().options, agent(), {".2.0"});
  EXPECT_NE((r.out + r.err).find(GetParam().expected), std::string::npos) << r.out << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Walks, Kx760simEndOfMib,
    ::testing::Values(EndOfMib{"V1NoSuchName", {"-v1", "-c", "public"}, "noSuchName"},
                      EndOfMib{"V2cEndOfMibView", kV2Read,
                               "No more variables left in this MIB View"}),
    [](const auto& info) { return info.param.label; });

TEST_F(Kx760simTables, V1WalkOfTheEnterpriseTreeEndsCleanly) {
  auto walk = tool("snmpwalk", {"-v1", "-c", "public"}, agent(), {"1.3.6.1.4.1.48213"});
  ASSERT_EQ(walk.exitCode, 0) << walk.err;
  const auto all = lines(walk.out);
  ASSERT_FALSE(all.empty());
  EXPECT_EQ(all.front().rfind("." + kLed + " = Hex-STRING:", 0), 0u) << all.front();
  // The tree ends with the catalogue's objects (kx760-catalogue.data): cable diagnostics.
  EXPECT_EQ(all.back(), ".1.3.6.1.4.1.48213.12.58.1.1.1.12.2 = INTEGER: 2");
  EXPECT_EQ(
      std::count_if(all.begin(), all.end(),
                    [](const std::string& l) { return l.rfind("." + kPortControl + ".", 0) == 0; }),
      7 * 18);
}

TEST_F(Kx760simTables, StandardGroupsComeFromNetSnmp) {
  const std::vector<std::pair<std::string, std::string>> objects{
      {"1.3.6.1.2.1.1.1.0", "STRING: \"KX-760"},
      {"1.3.6.1.2.1.1.2.0", "OID: .1.3.6.1.4.1.48213.11.63.2.2"},
      {"1.3.6.1.2.1.1.3.0", "Timeticks:"},
      {"1.3.6.1.6.3.10.2.1.1.0", "Hex-STRING:"},  // snmpEngineID
      {"1.3.6.1.6.3.10.2.1.2.0", "INTEGER:"},     // snmpEngineBoots
      {"1.3.6.1.6.3.11.2.1.1.0", "Counter32:"},   // snmpUnknownSecurityModels
      {"1.3.6.1.6.3.15.1.1.3.0", "Counter32:"},   // usmStatsUnknownUserNames
  };
  for (const auto& [oid, prefix] : objects)
    EXPECT_EQ(value(oid).rfind(prefix, 0), 0u) << oid << ": " << value(oid);
}

TEST(Kx760simForwardingTable, BulkwalkOfTenThousandEntriesGivesThirtyThousandVarbinds) {
  SimAgent big;
  big.start({"--fdb-entries", "10000", "--led-period", "0"});
  auto walk = tool("snmpbulkwalk", kV2Read, big, {kFdb}, {"-t", "10", "-r", "1"});
  ASSERT_EQ(walk.exitCode, 0) << walk.err;
  const auto all = lines(walk.out);
  ASSERT_EQ(all.size(), 30000u);
  // Column by column, each in MAC order: addresses, then ports, then statuses.
  EXPECT_EQ(all.front(), "." + kFdb + ".1.2.28.240.0.0.1 = Hex-STRING: 02 1C F0 00 00 01 ");
  EXPECT_EQ(all[10000], "." + kFdb + ".2.2.28.240.0.0.1 = INTEGER: 1");
  EXPECT_EQ(all.back(),
            "." + kFdb + ".3.2.28.240.0.39.16 = INTEGER: 3");  // 10000 = 0x2710, learned
  EXPECT_TRUE(exitedCleanly(big.stop())) << big.stderrText();
}

}  // namespace
