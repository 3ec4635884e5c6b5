// SET on kx760sim: the error each kind of bad write earns, the all-or-nothing rule for a
// PDU, and the RowStatus life cycle of dot1qVlanStaticTable.
#include "tests/sim/SimTestUtil.h"

using namespace kxtest;

namespace {

class Kx760simSet : public StillAgentSuite {};


const std::string kPortDescription5 = kPortControl + ".5.5";
const std::string kTooLong(33, 'x');

struct BadWrite {
  std::string label;
  std::vector<std::string> options;
  std::vector<std::string> varbinds;
  std::string error;
  std::string failedObject;
};

void PrintTo(const BadWrite& c, std::ostream* os) {
  *os << c.label;
}

class Kx760simSetError : public Kx760simSet, public ::testing::WithParamInterface<BadWrite> {};

TEST_P(Kx760simSetError, IsAnsweredWithItsError) {
  const BadWrite& w = GetParam();
  auto r = tool("snmpset", w.options, agent(), w.varbinds);
  EXPECT_NE(r.exitCode, 0);
  EXPECT_NE(r.err.find(w.error), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("Failed object: ." + w.failedObject), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Errors, Kx760simSetError,
    ::testing::Values(
        BadWrite{"ReadOnly", kV2Write, {kLed, "x", "00"}, "notWritable", kLed},
        BadWrite{"WrongType", kV2Write, {kRmonState, "s", "on"}, "wrongType", kRmonState},
        BadWrite{"OutOfRange", kV2Write, {kRmonState, "i", "9"}, "wrongValue", kRmonState},
        BadWrite{"TooLong",
                 kV2Write,
                 {kPortDescription5, "s", kTooLong},
                 "wrongLength",
                 kPortDescription5},
        BadWrite{"PortOutsideTheTable",
                 kV2Write,
                 {kPortControl + ".2.19", "i", "2"},
                 "noCreation",
                 kPortControl + ".2.19"},
        BadWrite{"ColumnOfMissingRow",
                 kV2Write,
                 {kVlanStatic + ".1.77", "s", "x"},
                 "noCreation",
                 kVlanStatic + ".1.77"},
        BadWrite{"CreateExistingRow",
                 kV2Write,
                 {kVlanStatic + ".5.1", "i", "4"},
                 "inconsistentValue",
                 kVlanStatic + ".5.1"},
        BadWrite{"ActivateMissingRow",
                 kV2Write,
                 {kVlanStatic + ".5.77", "i", "1"},
                 "inconsistentValue",
                 kVlanStatic + ".5.77"},
        BadWrite{"NotReadyIsNotAValueToSet",
                 kV2Write,
                 {kVlanStatic + ".5.1", "i", "3"},
                 "wrongValue",
                 kVlanStatic + ".5.1"},
        BadWrite{"FilterStatusOutOfRange",
                 kV2Write,
                 {kUnicast + ".4.1.0.1.2.3.4.5.0", "i", "9"},
                 "wrongValue",
                 kUnicast + ".4.1.0.1.2.3.4.5.0"},
        BadWrite{"PvidOfMissingVlan",
                 kV2Write,
                 {kPortVlan + ".1.3", "u", "10", kPortVlan + ".1.4", "u", "77"},
                 "inconsistentValue",
                 kPortVlan + ".1.4"},
        BadWrite{"PvidOfVlanDestroyedInTheSamePdu",
                 kV2Write,
                 {kVlanStatic + ".5.10", "i", "6", kPortVlan + ".1.5", "u", "10"},
                 "inconsistentValue",
                 kPortVlan + ".1.5"},
        BadWrite{"PvidOutOfRange", kV2Write, {kPortVlan + ".1.5", "u", "4095"}, "wrongValue", kPortVlan + ".1.5"},
        BadWrite{"FrameTypesOutOfRange", kV2Write, {kPortVlan + ".2.5", "i", "3"}, "wrongValue", kPortVlan + ".2.5"},
        BadWrite{"GvrpStatusIsReadOnly", kV2Write, {kPortVlan + ".4.5", "i", "1"}, "notWritable", kPortVlan + ".4.5"},
        BadWrite{"PortOutsideThePortVlanTable", kV2Write, {kPortVlan + ".1.19", "u", "1"}, "noCreation", kPortVlan + ".1.19"},
        BadWrite{"V1ReadOnly", kV1Write, {kLed, "x", "00"}, "noSuchName", kLed},
        BadWrite{"V1WrongType", kV1Write, {kRmonState, "s", "on"}, "badValue", kRmonState}),
    [](const auto& info) { return info.param.label; });

// A PDU with one bad varbind among good ones changes nothing, wherever the bad one sits:
// in the same subtree, another registered subtree, or Net-SNMP's own system group.
struct MixedPdu {
  std::string label;
  std::vector<std::string> varbinds;
};

void PrintTo(const MixedPdu& c, std::ostream* os) {
  *os << c.label;
}

class Kx760simAtomicSet : public Kx760simSet, public ::testing::WithParamInterface<MixedPdu> {};

TEST_P(Kx760simAtomicSet, ChangesNothing) {
  const std::vector<std::string> watched{kRmonState,
                                         kSysName,
                                         kPortDescription5,
                                         kVlanStatic + ".2.10",
                                         kVlanStatic + ".5.30",
                                         kUnicast + ".3.1.0.1.2.3.4.5.0"};
  std::vector<std::string> before;
  for (auto& oid : watched) before.push_back(value(oid));

  auto r = tool("snmpset", kV2Write, agent(), GetParam().varbinds);
  EXPECT_NE(r.exitCode, 0) << r.out;

  for (size_t i = 0; i < watched.size(); ++i) EXPECT_EQ(value(watched[i]), before[i]) << watched[i];
}

INSTANTIATE_TEST_SUITE_P(
    Atomic, Kx760simAtomicSet,
    ::testing::Values(MixedPdu{"CreateRowWithBadTypeElsewhere",
                               {kVlanStatic + ".1.30", "s", "v30", kVlanStatic + ".5.30", "i", "4",
                                kRmonState, "s", "bad"}},
                      MixedPdu{"CreateRowWithReadOnlyObject",
                               {kVlanStatic + ".5.30", "i", "4", kPortDescription5, "s", "changed",
                                kLed, "x", "00"}},
                      MixedPdu{"CreateRowWithTooLongName",
                               {kSysName, "s", "renamed", kVlanStatic + ".1.30", "s", kTooLong,
                                kVlanStatic + ".5.30", "i", "4"}},
                      MixedPdu{"RowFailureAfterGoodScalars",
                               {kRmonState, "i", "2", kPortDescription5, "s", "changed",
                                kVlanStatic + ".5.1", "i", "4"}},
                      MixedPdu{
                          "SystemGroupRejectsLast",
                          {kVlanStatic + ".2.10", "x", "FFFF0000", kUnicast + ".3.1.0.1.2.3.4.5.0",
                           "x", "40000000", kSysName, "i", "5"}}),
    [](const auto& info) { return info.param.label; });

TEST_F(Kx760simSet, GoodWritesReadBack) {
  auto r = tool("snmpset", kV2Write, agent(),
                {kRmonState, "i", "2", kPortDescription5, "s", "lab printer", kSysName, "s",
                 "core-sw", kPortControl + ".2.6", "i", "2"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(value(kRmonState), "INTEGER: 2\n");
  EXPECT_EQ(value(kPortDescription5), "STRING: \"lab printer\"\n");
  EXPECT_EQ(value(kSysName), "STRING: \"core-sw\"\n");
  EXPECT_EQ(value(kPortControl + ".2.6"), "INTEGER: 2\n");
  ASSERT_EQ(tool("snmpset", kV2Write, agent(), {kRmonState, "i", "3", kSysName, "s", "kx760-sim"})
                .exitCode,
            0);
}

TEST_F(Kx760simSet, PortVlanSettingsReadBackAndFollowTheStaticTable) {
  // A refused PVID leaves the PDU's other ports as they were.
  EXPECT_EQ(value(kPortVlan + ".1.6"), "Gauge32: 1\n");
  EXPECT_NE(tool("snmpset", kV2Write, agent(), {kPortVlan + ".1.6", "u", "10", kPortVlan + ".1.7", "u", "55"}).exitCode, 0);
  EXPECT_EQ(value(kPortVlan + ".1.6"), "Gauge32: 1\n");

  auto r = tool("snmpset", kV2Write, agent(),
                {kPortVlan + ".1.6", "u", "10", kPortVlan + ".2.6", "i", "2", kPortVlan + ".3.6", "i", "1"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(value(kPortVlan + ".1.6"), "Gauge32: 10\n");
  EXPECT_EQ(value(kPortVlan + ".2.6"), "INTEGER: 2\n");
  EXPECT_EQ(value(kPortVlan + ".3.6"), "INTEGER: 1\n");

  // A VLAN created in the same PDU may be the PVID, whichever varbind comes first.
  r = tool("snmpset", kV2Write, agent(),
           {kPortVlan + ".1.7", "u", "55", kVlanStatic + ".2.55", "x", "02000000", kVlanStatic + ".4.55", "x",
            "02000000", kVlanStatic + ".5.55", "i", "4"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(value(kPortVlan + ".1.7"), "Gauge32: 55\n");

  ASSERT_EQ(tool("snmpset", kV2Write, agent(),
                 {kPortVlan + ".1.6", "u", "1", kPortVlan + ".2.6", "i", "1", kPortVlan + ".3.6", "i", "2",
                  kPortVlan + ".1.7", "u", "1", kVlanStatic + ".5.55", "i", "6"})
                .exitCode,
            0);
}

TEST_F(Kx760simSet, RowStatusLifeCycleAndCurrentTable) {
  const std::string v = "40";
  // createAndWait leaves the row notInService, and not yet in force.
  ASSERT_EQ(tool("snmpset", kV2Write, agent(), {kVlanStatic + ".5." + v, "i", "5"}).exitCode, 0);
  EXPECT_EQ(value(kVlanStatic + ".5." + v), "INTEGER: 2\n");
  EXPECT_EQ(value(kVlanStatic + ".2." + v),
            "Hex-STRING: 00 00 00 00 \n");  // the column's initial value
  EXPECT_NE(value(kVlanCurrent + ".6.0." + v).find("No Such Instance"), std::string::npos);

  ASSERT_EQ(tool("snmpset", kV2Write, agent(),
                 {kVlanStatic + ".2." + v, "x", "30000000", kVlanStatic + ".5." + v, "i", "1"})
                .exitCode,
            0);
  EXPECT_EQ(value(kVlanCurrent + ".4.0." + v), "Hex-STRING: 30 00 00 00 \n");
  EXPECT_EQ(value(kVlanCurrent + ".6.0." + v), "INTEGER: 2\n");  // permanent

  const std::string deletes = value(kVlanNumDeletes);
  ASSERT_EQ(tool("snmpset", kV2Write, agent(),
                 {kVlanStatic + ".1." + v, "s", "", kVlanStatic + ".5." + v, "i", "6"})
                .exitCode,
            0);
  EXPECT_NE(value(kVlanStatic + ".5." + v).find("No Such Instance"), std::string::npos);
  EXPECT_NE(value(kVlanCurrent + ".4.0." + v).find("No Such Instance"), std::string::npos);
  const auto count = [](const std::string& s) { return std::stol(s.substr(s.find(':') + 1)); };
  EXPECT_EQ(count(value(kVlanNumDeletes)), count(deletes) + 1);

  // Destroying a row that is not there is no error and counts nothing.
  ASSERT_EQ(tool("snmpset", kV2Write, agent(), {kVlanStatic + ".5." + v, "i", "6"}).exitCode, 0);
  EXPECT_EQ(count(value(kVlanNumDeletes)), count(deletes) + 1);
}

}  // namespace
