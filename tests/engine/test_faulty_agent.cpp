#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <ostream>

#include "mvsnmp/MvSNMPRequest.h"
#include "mvsnmp/MvSnmpTransport.h"
#include "mvsnmp/MvStartup.h"
#include "tests/support/SimAgent.h"
#include "tests/support/SimLog.h"
#include "tests/engine/SnmpdFixture.h"
#include "tests/engine/WalkDriver.h"

namespace {

// dot1dTpFdbTable of the simulated switch: index dot1dTpFdbAddress (a MAC address).
const SnmpVarDef kFdbTable[] = {
    {"1.3.6.1.2.1.17.4.3.1.1", "Address", Syntax::MacAddress, Access::ReadOnly},
    {"1.3.6.1.2.1.17.4.3.1.2", "Port", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.2.1.17.4.3.1.3", "Status", Syntax::Integer, Access::ReadOnly},
    {},
};

class FaultyAgent : public SnmpdFixture {
protected:
  void startSim(const std::vector<std::string>& args) {
    sim_.start(args);
    DeviceTarget = target();
    DeviceTarget.agentPort = static_cast<quint16>(sim_.port());
  }
  // The device target as an SNMPv3 user with its protocols and pass phrases.
  static void useV3(const char* user, qint32 level, qint32 auth, const char* authPass, qint32 priv,
                    const char* privPass) {
    DeviceTarget.version = 3;
    DeviceTarget.securityModel = 3;
    DeviceTarget.securityName = user;
    DeviceTarget.securityLevel = level;
    DeviceTarget.authProtocol = auth;
    DeviceTarget.authPassword = authPass;
    DeviceTarget.privProtocol = priv;
    DeviceTarget.privPassword = privPass;
  }
  kxtest::SimAgent sim_;
};

TEST_F(FaultyAgent, WalkOfAHealthyTableEndsOnItsOwn) {
  startSim({"--fdb-entries", "50"});
  MvSNMPRequest r;
  r.varList = MvSNMPVarList(kFdbTable, MVT_FMV, 1);
  int rows = 0;
  for (bool more = r.readStep(true); more; more = r.readStep(false)) ++rows;
  EXPECT_EQ(rows, 50);
}

TEST_F(FaultyAgent, AnswerThatDoesNotMoveForwardEndsTheWalkWithAnError) {
  startSim({"--fault", "nonincreasing:1.3.6.1.2.1.17.4.3"});
  MvSNMPRequest r;
  r.varList = MvSNMPVarList(kFdbTable, MVT_FMV, 1);
  try {
    r.readStep(true);
    FAIL() << "the walk went on";
  } catch (const MvException& e) {
    EXPECT_EQ(e.code(), -105);
  }
  // The same within one asynchronous step.
  MvSNMPError got;
  bool done = false;
  r.readAsync([&](void*, const MvSNMPError& e, MvSNMPVarList&) { got = e, done = true; }, nullptr, true);
  ASSERT_TRUE(waitUntil([&] { return done; }));
  EXPECT_EQ(got.code, -105);
  EXPECT_TRUE(got.finished);
}

}  // namespace

namespace {

const MvOid kSysName = {1, 3, 6, 1, 2, 1, 1, 5, 0};
// RMON state of the switch, an INTEGER scalar of its own tree.
const SnmpVarDef kRmonState[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.1.2.16", "RMON", Syntax::Integer, Access::ReadWrite},
    {},
};

struct V3Case {
  const char* user;
  qint32 level, auth, priv;
};

void PrintTo(const V3Case& c, std::ostream* os) { *os << c.user; }

class SimV3 : public FaultyAgent, public ::testing::WithParamInterface<V3Case> {};

// Every protocol pair the simulated switch offers, through the engine's own keys.
TEST_P(SimV3, ReadsAndWritesWithEveryProtocolPair) {
  startSim({});
  const V3Case c = GetParam();
  useV3(c.user, c.level, c.auth, "authpass123", c.priv, "privpass123");
  MvSNMPRequest r;
  r.varList = MvSNMPVarList(kRmonState, SVT_SV, 0);
  EXPECT_FALSE(r.readStep(true));
  const QString before = r.varList.item(0).value;
  EXPECT_FALSE(before.isEmpty());
  r.varList.item(0).value = before == "3" ? "2" : "3";  // RMON off (2) or on (3)
  r.write();
  MvSNMPRequest check;
  check.varList = MvSNMPVarList(kRmonState, SVT_SV, 0);
  check.readStep(true);
  EXPECT_EQ(check.varList.item(0).value, r.varList.item(0).value);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, SimV3,
    ::testing::Values(V3Case{"noauth", 1, 1, 1}, V3Case{"md5nopriv", 2, 2, 1},
                      V3Case{"shanopriv", 2, 3, 1}, V3Case{"md5des", 3, 2, 2},
                      V3Case{"shades", 3, 3, 2}, V3Case{"sha256des", 3, 5, 2},
                      V3Case{"md5aes", 3, 2, 4}, V3Case{"shaaes", 3, 3, 4},
                      V3Case{"sha224aes", 3, 4, 4}, V3Case{"sha256aes", 3, 5, 4},
                      V3Case{"sha384aes", 3, 6, 4}, V3Case{"sha512aes", 3, 7, 4},
                      V3Case{"sha256aes192", 3, 5, 20}, V3Case{"sha256aes256", 3, 5, 21},
                      V3Case{"sha512aes256", 3, 7, 21}),
    [](const auto& info) { return std::string(info.param.user); });

struct V3Failure {
  const char* what;
  const char* user;
  qint32 level, auth;
  const char* authPass;
  qint32 priv;
  const char* privPass;
  int code;
};

void PrintTo(const V3Failure& c, std::ostream* os) { *os << c.what; }

class SimV3Failure : public FaultyAgent, public ::testing::WithParamInterface<V3Failure> {};

TEST_P(SimV3Failure, GivesItsCode) {
  startSim({});
  const V3Failure c = GetParam();
  useV3(c.user, c.level, c.auth, c.authPass, c.priv, c.privPass);
  DeviceTarget.timeout = 30;
  MvSNMPRequest r;
  r.varList = MvSNMPVarList(kRmonState, SVT_SV, 0);
  try {
    r.readStep(true);
    FAIL() << c.what << ": no error";
  } catch (const MvException& e) {
    EXPECT_EQ(e.code(), c.code) << c.what << ": " << e.message().toStdString();
  }
  // The same outcome reaches an asynchronous completion, or, where nothing can be sent at all,
  // is raised at once.
  MvSNMPError got;
  bool done = false;
  try {
    r.readAsync([&](void*, const MvSNMPError& e, MvSNMPVarList&) { got = e, done = true; }, nullptr, true);
  } catch (const MvException& e) {
    got = e.error();
    done = true;
    EXPECT_EQ(r.pending, 0);
  }
  ASSERT_TRUE(waitUntil([&] { return done; }));
  EXPECT_EQ(got.code, c.code) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Failures, SimV3Failure,
    ::testing::Values(
        V3Failure{"wrong user", "nobody", 3, 3, "authpass123", 4, "privpass123", -304},
        V3Failure{"wrong auth pass phrase", "shaaes", 3, 3, "wrongpass1", 4, "privpass123", -308},
        V3Failure{"unsupported level", "noauth", 3, 3, "authpass123", 4, "privpass123", -303},
        V3Failure{"wrong priv pass phrase", "shaaes", 3, 3, "authpass123", 4, "wrongpass1", -405},
        V3Failure{"level below the user's", "shaaes", 2, 3, "authpass123", 1, "", -116},
        // Protocols this build cannot do are refused, never replaced by another.
        V3Failure{"IDEA privacy", "shaaes", 3, 3, "authpass123", 9, "privpass123", -313},
        V3Failure{"3DES privacy", "shaaes", 3, 3, "authpass123", 3, "privpass123", -313},
        V3Failure{"unknown authentication", "shaaes", 3, 8, "authpass123", 4, "privpass123", -312},
        V3Failure{"pass phrase too short", "shaaes", 3, 3, "short", 4, "privpass123", -307}),
    [](const auto& info) {
      std::string n = info.param.what;
      for (char& ch : n)
        if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return n;
    });

struct FaultCase {
  const char* mode;
  int code;           // error of the read, or 0
  const char* value;  // value shown when the read succeeds
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.mode; }

class SimFault : public FaultyAgent, public ::testing::WithParamInterface<FaultCase> {};

// What the engine makes of each way the simulated agent can misbehave under the RMON subtree.
TEST_P(SimFault, IsHandledWithoutHarm) {
  const FaultCase c = GetParam();
  startSim({"--fault", std::string(c.mode) + ":1.3.6.1.4.1.48213.11.63.2.2.1.2"});
  DeviceTarget.timeout = 20;
  MvSNMPRequest r;
  r.varList = MvSNMPVarList(kRmonState, SVT_SV, 0);
  try {
    r.readStep(true);
    EXPECT_EQ(c.code, 0) << c.mode;
    EXPECT_EQ(r.varList.item(0).value, c.value) << c.mode;
  } catch (const MvException& e) {
    EXPECT_EQ(e.code(), c.code) << c.mode;
  }
}

INSTANTIATE_TEST_SUITE_P(Modes, SimFault,
                         ::testing::Values(FaultCase{"wrongtype", 0, "(NULL)"},
                                           FaultCase{"silent", -405, ""}),
                         [](const auto& info) { return std::string(info.param.mode); });

}  // namespace

namespace {

// dot1qVlanStaticTable: index dot1qVlanIndex, then name, egress ports, forbidden ports, untagged
// ports and the row status.
const SnmpVarDef kVlanStatic[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN", Syntax::UInteger, Access::NotAccess},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "Name", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress", Syntax::BitStr, Access::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.3", "Forbidden", Syntax::BitStr, Access::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged", Syntax::BitStr, Access::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Status", Syntax::Integer, Access::ReadWrite},
    {},
};

std::map<QString, QString> vlanNames(MvSNMPRequest& r) {
  std::map<QString, QString> rows;
  for (bool more = r.readStep(true); more; more = r.readStep(false))
    rows[r.varList.item(0).value] = r.varList.item(1).value;
  return rows;
}

TEST_F(FaultyAgent, TableRowIsCreatedAndDestroyedWithTheInstanceFromItsIndex) {
  startSim({});
  MvSNMPRequest r;
  r.varList = MvSNMPVarList(kVlanStatic, MVT_FMV, 1);
  r.varList.item(0).value = "300";
  r.varList.item(1).value = "lab";
  r.varList.item(2).value = "C0000000";
  r.varList.item(3).value = "00000000";
  r.varList.item(4).value = "80000000";
  r.varList.item(5).value = "4";  // createAndGo
  r.write();
  EXPECT_EQ(vlanNames(r)["300"], "lab");
  EXPECT_EQ(r.varList.item(0).value, "300");  // the walk's last row is the new one (highest index)
  for (int i = 1; i < 5; ++i) r.varList.item(i).access |= Access::Invalid;
  r.varList.item(0).value = "300";
  r.varList.item(5).value = "6";  // destroy: only the row status travels
  r.write();
  EXPECT_EQ(vlanNames(r).count("300"), 0u);
}

TEST_F(FaultyAgent, ColumnsOfUnrelatedTablesEachKeepTheirRows) {
  startSim({"--fdb-entries", "30"});
  // Two columns of different tables walked together, without index columns: each step reads
  // the lowest instance either column has, the other column shows "(NOTDONE)" in that row, and
  // neither starts over when it ends.
  const SnmpVarDef columns[] = {
      {"1.3.6.1.2.1.17.1.4.1.2", "IfIndex", Syntax::Integer, Access::ReadOnly},
      {"1.3.6.1.2.1.17.4.3.1.2", "FdbPort", Syntax::Integer, Access::ReadOnly},
      {},
  };
  MvSNMPRequest r;
  r.varList = MvSNMPVarList(columns, MVT_FMV, 0);
  int rows = 0, ports = 0, addresses = 0;
  for (bool more = r.readStep(true); more; more = r.readStep(false)) {
    ++rows;
    const bool port = r.varList.item(0).value != NotDoneValueText;
    const bool address = r.varList.item(1).value != NotDoneValueText;
    EXPECT_NE(port, address) << "row " << rows;
    ports += port;
    addresses += address;
    ASSERT_LT(rows, 200);
  }
  EXPECT_EQ(addresses, 30);
  EXPECT_EQ(rows, ports + addresses);
  EXPECT_EQ(r.varList.item(0).value, NotDoneValueText);
  EXPECT_EQ(r.varList.item(1).value, NotDoneValueText);
}

TEST_F(FaultyAgent, ClearingAliveMidWalkStopsIt) {
  startSim({"--fdb-entries", "20"});
  MvSNMPRequest r;
  r.varList = MvSNMPVarList(kFdbTable, MVT_FMV, 0);
  int calls = 0;
  SnmpCompletion step = [&](void*, const MvSNMPError& e, MvSNMPVarList&) {
    ++calls;
    if (calls == 3) r.alive = false;  // the page is closing
    if (e.code == 0 && !e.finished) r.readAsync(step, nullptr, false);
  };
  r.readAsync(step, nullptr, true);
  waitUntil([&] { return r.pending == 0; });
  runFor(200);
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(r.pending, 0);
}

TEST_F(FaultyAgent, ShortOctetsAreShownAsTheyCame) {
  const SnmpVarDef leds[] = {
      {"1.3.6.1.4.1.48213.11.63.2.2.1.1.5", "LEDs", Syntax::OctetStr, Access::ReadOnly},
      {},
  };
  startSim({"--led-period", "0"});
  MvSNMPRequest whole;
  whole.varList = MvSNMPVarList(leds, SVT_SV, 0);
  whole.readStep(true);
  sim_.stop();
  startSim({"--led-period", "0", "--fault", "shortoctets:1.3.6.1.4.1.48213.11.63.2.2.1.1"});
  MvSNMPRequest shortened;
  shortened.varList = MvSNMPVarList(leds, SVT_SV, 0);
  shortened.readStep(true);
  EXPECT_EQ(shortened.varList.item(0).value.size() * 2, whole.varList.item(0).value.size());
  EXPECT_TRUE(whole.varList.item(0).value.startsWith(shortened.varList.item(0).value));
}

}  // namespace

namespace {

// A table where the second column has no value in row 2, and columns "x.1" and "x.10" whose OIDs
// share their text: the walk must keep both columns in step and never mix "x.1" with "x.10".
const char kSparseData[] =
    "@register 1.3.6.1.4.1.99999\n"
    "1.3.6.1.4.1.99999.1.1.1.1|integer|11\n"
    "1.3.6.1.4.1.99999.1.1.1.2|integer|12\n"
    "1.3.6.1.4.1.99999.1.1.1.3|integer|13\n"
    "1.3.6.1.4.1.99999.1.1.2.1|string|a\n"
    "1.3.6.1.4.1.99999.1.1.2.3|string|c\n"
    "1.3.6.1.4.1.99999.1.1.10.1|integer|101\n";

const SnmpVarDef kSparse[] = {
    {"1.3.6.1.4.1.99999.1.1.0", "Row", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.99999.1.1.1", "Number", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.4.1.99999.1.1.2", "Name", Syntax::DisplayStr, Access::ReadOnly},
    {},
};

TEST_F(FaultyAgent, ColumnWithoutAValueInARowStaysInStep) {
  QTemporaryDir dir;
  QFile data(dir.filePath("sparse.data"));
  ASSERT_TRUE(data.open(QIODevice::WriteOnly));
  data.write(kSparseData);
  data.close();
  startSim({"--data", data.fileName().toStdString(), "--led-period", "0"});
  struct Row {
    QString index, number, name;
    bool operator==(const Row&) const = default;
  };
  const std::vector<Row> expected = {{"1", "11", "a"}, {"2", "12", "(NOTDONE)"}, {"3", "13", "c"}};
  for (bool async : {false, true}) {
    MvSNMPRequest r;
    r.varList = MvSNMPVarList(kSparse, MVT_FMV, 1);
    std::vector<Row> rows;
    auto take = [&] {
      rows.push_back({r.varList.item(0).value, r.varList.item(1).value, r.varList.item(2).value});
    };
    if (!async) {
      for (bool more = r.readStep(true); more; more = r.readStep(false)) take();
    } else {
      bool done = false;
      SnmpCompletion step = [&](void*, const MvSNMPError& e, MvSNMPVarList&) {
        if (e.code != 0 || e.finished) {
          done = true;
          return;
        }
        take();
        r.readAsync(step, nullptr, false);
      };
      r.readAsync(step, nullptr, true);
      ASSERT_TRUE(waitUntil([&] { return done; }));
    }
    ASSERT_EQ(rows.size(), expected.size()) << (async ? "async" : "sync");
    for (size_t k = 0; k < rows.size(); ++k) {
      EXPECT_EQ(rows[k].index, expected[k].index) << k;
      EXPECT_EQ(rows[k].number, expected[k].number) << k;
      EXPECT_EQ(rows[k].name, expected[k].name) << k;
    }
  }
}

}  // namespace

namespace {

// An SNMPv3 user whose name and pass phrases are not ASCII, as octets.
struct OctetsCase {
  const char* what;
  std::string name, pass;
};

void PrintTo(const OctetsCase& c, std::ostream* os) { *os << c.what; }

class ProfileOctets : public FaultyAgent, public ::testing::WithParamInterface<OctetsCase> {};

// The profile's SNMPv3 texts reach the agent as the file's own octets, whether the host wrote
// the file in UTF-8 or in a single-byte encoding: the keys are computed from exactly those.
TEST_P(ProfileOctets, AuthenticateAgainstAUserWithTheSameOctets) {
  const OctetsCase c = GetParam();
  startSim({"--user", c.name + ":MD5:" + c.pass + ":DES:" + c.pass});
  QTemporaryDir dir;
  auto write = [&](const QString& name, const QByteArray& content) {
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
  };
  QDir(dir.path()).mkpath(QStringLiteral("profiles"));
  write(QStringLiteral("registry.ini"),
        "[SOFTWARE\\Maravel\\Panoptra5.1\\MibFile]\nPath=" + dir.path().toUtf8() + "/profiles/\n");
  // Codes in the profile are 0-based: level 2 is authPriv, protocol 1 is MD5 or DES.
  write(QStringLiteral("profiles/127.0.0.1.cfg"),
        "[Program Information]\nAgentPort=" + QByteArray::number(DeviceTarget.agentPort) +
            "\nVersion=3\nSecurityModel=3\nSecurityLevel=2\nSecurityName=" + QByteArray::fromStdString(c.name) +
            "\nAuthProtocol=1\nPrivProtocol=1\nAuthPassword=" + QByteArray::fromStdString(c.pass) +
            "\nPrivPassword=" + QByteArray::fromStdString(c.pass) + "\n");
  // The host passes the address first; the profile is read for the parameters after it.
  runStartup({QStringLiteral("/I127.0.0.1"), QStringLiteral("/Rpublic")}, MvRegistry(dir.filePath(QStringLiteral("registry.ini"))));
  EXPECT_EQ(DeviceTarget.securityName.toStdString(), c.name);
  EXPECT_EQ(DeviceTarget.authPassword.toStdString(), c.pass);
  MvSNMPRequest r;
  r.varList = MvSNMPVarList(kRmonState, SVT_SV, 0);
  EXPECT_NO_THROW(r.readStep(true));
  EXPECT_FALSE(r.varList.item(0).value.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, ProfileOctets,
    ::testing::Values(OctetsCase{"Utf8", "k\xC3\xB6nig", "p\xC3\xA4sswort-\xE2\x82\xAC"},
                      OctetsCase{"SingleByte", "k\xF6nig", "p\xE4sswort-\xA4"}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace

namespace {

const SnmpVarDef kSparseColumns[] = {
    {"1.3.6.1.2.1.17.1.4.1.2", "Port IfIndex", Syntax::Integer, Access::ReadOnly},  // ports 1-18
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "Vlan Name", Syntax::DisplayStr, Access::ReadOnly},  // 1, 10
    {},
};

struct WalkCase {
  const char* what;
  const SnmpVarDef* defs;
  std::vector<std::string> simArgs;
};

void PrintTo(const WalkCase& c, std::ostream* os) { *os << c.what; }

// What a walk delivered: every row's OIDs and values in order, and how it ended.
struct WalkRecord {
  std::vector<QStringList> rows;
  int errorCode = 0;
  bool operator==(const WalkRecord&) const = default;
};

WalkRecord walkWith(const SnmpVarDef* defs, qint32 maxRepetitions, bool asynchronous) {
  DeviceTarget.maxRepetitions = maxRepetitions;
  MvSNMPRequest r;
  r.varList = MvSNMPVarList(defs, MVT_FMV, 0);
  WalkRecord record;
  auto keep = [&] {
    QStringList row;
    for (int i = 0; i < r.varList.count(); ++i)
      row << r.varList.item(i).currentOid << r.varList.item(i).value;
    record.rows.push_back(row);
  };
  record.errorCode = driveWalk(r, asynchronous, keep);
  return record;
}

class BulkWalk : public FaultyAgent, public ::testing::WithParamInterface<WalkCase> {};

// A get-bulk walk hands over exactly the rows a get-next walk gives, in the same order and with
// the same ending, whatever the repetitions and whether driven step by step or from completions.
TEST_P(BulkWalk, EqualsTheGetNextWalk) {
  const WalkCase c = GetParam();
  startSim(c.simArgs);
  const WalkRecord plain = walkWith(c.defs, 0, false);
  EXPECT_TRUE(!plain.rows.empty() || plain.errorCode != 0);
  for (qint32 repetitions : {-1, 1, 3, 50}) {
    for (bool asynchronous : {false, true}) {
      SCOPED_TRACE(testing::Message() << "repetitions " << repetitions << (asynchronous ? " async" : " sync"));
      const WalkRecord bulk = walkWith(c.defs, repetitions, asynchronous);
      EXPECT_EQ(bulk.errorCode, plain.errorCode);
      ASSERT_EQ(bulk.rows.size(), plain.rows.size());
      for (size_t k = 0; k < plain.rows.size(); ++k)
        ASSERT_EQ(bulk.rows[k].join(u'|').toStdString(), plain.rows[k].join(u'|').toStdString()) << k;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, BulkWalk,
    ::testing::Values(WalkCase{"ForwardingTable", kFdbTable, {"--fdb-entries", "237"}},
                      WalkCase{"SparseColumnsEndingAtDifferentRows", kSparseColumns, {}},
                      WalkCase{"NonIncreasingAgent", kFdbTable,
                               {"--fdb-entries", "40", "--fault", "nonincreasing:1.3.6.1.2.1.17.4.3.1.2"}}),
    [](const auto& info) { return std::string(info.param.what); });

// kx760sim cuts a get-bulk answer to what fits its message. Once cut, a walk asks for about as
// many rows as came back (now and then an eighth more, to see whether more fit), not for the
// double again and again, which the agent would build only to drop; its rows stay the get-next
// walk's.
TEST_F(FaultyAgent, RepetitionsFollowWhatTheAgentReturns) {
  QTemporaryDir dir;
  const QString logPath = dir.path() + QStringLiteral("/requests.log");
  startSim({"--fdb-entries", "3000", "--log", logPath.toStdString()});
  const kxtest::SimLog log(logPath);
  const WalkRecord plain = walkWith(kFdbTable, 0, false);
  ASSERT_EQ(plain.rows.size(), 3000u);
  for (bool asynchronous : {false, true}) {
    SCOPED_TRACE(asynchronous ? "async" : "sync");
    const int mark = log.lines();
    const WalkRecord bulk = walkWith(kFdbTable, -1, asynchronous);
    EXPECT_EQ(bulk, plain);
    std::map<int, int> asks;  // repetitions asked -> how often
    int total = 0;
    for (const kxtest::LoggedRequest& r : log.of(QStringLiteral("getbulk"), mark)) {
      ASSERT_TRUE(r.maxRepetitions.has_value());
      ++asks[*r.maxRepetitions];
      ++total;
    }
    // The count the walk settled on: the one asked most often, below the 64 it may grow to.
    const auto settled = std::max_element(asks.begin(), asks.end(), [](const auto& a, const auto& b) {
      return a.second < b.second;
    });
    ASSERT_NE(settled, asks.end());
    EXPECT_LT(settled->first, 64);
    int above = 0;
    for (const auto& [repetitions, n] : asks)
      if (repetitions > settled->first) {
        above += n;
        // Growing again goes by an eighth, from the count the agent answered with.
        EXPECT_LE(repetitions, std::max(64, settled->first + settled->first / 8 + 1));
      }
    EXPECT_LE(above, total / 8 + 3) << "asked for more rows than fit, again and again";
    // About one round trip per answer that fits.
    EXPECT_LE(total, 3000 / settled->first + total / 8 + 6);
  }
}

// The blocking walk keeps one get-bulk out ahead of the rows it hands over; a walk ended early
// (its request destroyed) or run to its end leaves nothing outstanding.
TEST_F(FaultyAgent, GetBulkSentAheadNeverOutlivesTheWalk) {
  startSim({"--fdb-entries", "500"});
  DeviceTarget.maxRepetitions = -1;
  const int before = MvSnmpTransport::outstanding();
  {
    MvSNMPRequest r;
    r.varList = MvSNMPVarList(kFdbTable, MVT_FMV, 0);
    int rows = 0;
    for (bool more = r.readStep(true); more && rows < 50; more = r.readStep(false)) ++rows;
    EXPECT_EQ(rows, 50);
    EXPECT_EQ(MvSnmpTransport::outstanding(), before + 1);  // the next rows are on their way
  }
  EXPECT_EQ(MvSnmpTransport::outstanding(), before);
  MvSNMPRequest r;
  r.varList = MvSNMPVarList(kFdbTable, MVT_FMV, 0);
  int rows = 0;
  for (bool more = r.readStep(true); more; more = r.readStep(false)) ++rows;
  EXPECT_EQ(rows, 500);
  EXPECT_EQ(MvSnmpTransport::outstanding(), before);
  // A walk begun again starts afresh.
  rows = 0;
  for (bool more = r.readStep(true); more; more = r.readStep(false)) ++rows;
  EXPECT_EQ(rows, 500);
}

// One request in ten is lost: every step is sent again after its time-out, and the walk of
// 10,000 rows completes with every row.
TEST_F(FaultyAgent, WalkCompletesDespiteLostRequests) {
  startSim({"--fdb-entries", "10000", "--drop", "10", "--seed", "7"});
  DeviceTarget.timeout = 20;
  for (bool asynchronous : {false, true}) {
    const WalkRecord walk = walkWith(kFdbTable, -1, asynchronous);
    EXPECT_EQ(walk.errorCode, 0) << asynchronous;
    EXPECT_EQ(walk.rows.size(), 10000u) << asynchronous;
  }
}

}  // namespace

namespace {

// The agent restarts with a new engine ID and boot count: the running program finds the engine
// again and goes on, for blocking and asynchronous requests alike.
TEST_F(FaultyAgent, SnmpV3SurvivesARestartOfTheAgent) {
  startSim({});
  useV3("shaaes", 3, 3, "authpass123", 4, "privpass123");
  const int port = sim_.port();
  auto readOnce = [&](bool asynchronous) {
    MvSNMPRequest r;
    r.varList = MvSNMPVarList(kRmonState, SVT_SV, 0);
    if (!asynchronous) {
      r.readStep(true);
      return r.varList.item(0).value;
    }
    MvSNMPError got;
    bool done = false;
    r.readAsync([&](void*, const MvSNMPError& e, MvSNMPVarList&) { got = e, done = true; }, nullptr, true);
    EXPECT_TRUE(kxtest::waitUntil([&] { return done; }, 30000));
    EXPECT_EQ(got.code, 0) << got.message.toStdString();
    return r.varList.item(0).value;
  };
  for (bool asynchronous : {false, true}) {
    SCOPED_TRACE(asynchronous ? "async" : "sync");
    EXPECT_FALSE(readOnce(asynchronous).isEmpty());
    sim_.stop();
    sim_.start({"--port", std::to_string(port)});
    QString value;
    EXPECT_NO_THROW(value = readOnce(asynchronous));
    EXPECT_FALSE(value.isEmpty());
  }
}

}  // namespace
