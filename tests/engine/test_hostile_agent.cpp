// The engine against kx_hostile_agent: an answer that does not fit its request or carries a
// malformed value is a failure naming the OID, on the blocking and the asynchronous path alike;
// Opaque-wrapped numbers are decoded; a read whose answer comes after two time-outs completes; a
// walk through an agent that refuses large get-bulk answers with genErr equals the get-next walk.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "mvsnmp/MvSNMPRequest.h"
#include "mvsnmp/MvValueConversion.h"
#include "tests/support/SimAgent.h"
#include "tests/engine/SnmpdFixture.h"
#include "tests/engine/WalkDriver.h"

namespace {

constexpr char kName[] = "1.3.6.1.2.1.1.5";  // sysName (its instance .0)

class HostileAgent : public SnmpdFixture {
 protected:
  void start(const std::string& mode, const std::vector<std::string>& extra = {}, quint8 version = 1) {
    agent_ = kxtest::startHostileAgent(mode, extra);
    DeviceTarget = target(version);
    DeviceTarget.agentPort = static_cast<quint16>(agent_->port());
  }
  std::unique_ptr<kxtest::SimAgent> agent_;
};

// One get or set of sysName.0, blocking or asynchronous: the error code and message.
MvSNMPError exchange(bool set, bool asynchronous, quint32 syntax = Syntax::DisplayStr) {
  const SnmpVarDef defs[] = {{kName, "Name", syntax, Access::ReadWrite}, {}};
  MvSNMPRequest r;
  r.varList = MvSNMPVarList(defs, SVT_SV, 0);
  r.varList.item(0).value = QStringLiteral("x");
  MvSNMPError result;
  if (!asynchronous) {
    try {
      set ? r.write() : r.readStep(true);
    } catch (const MvException& e) {
      result = e.error();
    }
    return result;
  }
  bool done = false;
  SnmpCompletion finish = [&](void*, const MvSNMPError& e, MvSNMPVarList&) {
    result = e;
    done = true;
  };
  set ? r.writeAsync(finish, nullptr) : r.readAsync(finish, nullptr, true);
  EXPECT_TRUE(kxtest::waitUntil([&] { return done; }, 20000));
  return result;
}

struct RefusalCase {
  const char* mode;
  bool set;
  quint8 version;   // 0 SNMPv1, 1 SNMPv2c
  const char* says;  // in the error message
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.mode << (c.set ? " set" : " get"); }

class Refusal : public HostileAgent, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusal, IsAMalformedAnswerNamingTheOid) {
  const RefusalCase c = GetParam();
  start(c.mode, {}, c.version);
  for (bool asynchronous : {false, true}) {
    const MvSNMPError e = exchange(c.set, asynchronous);
    EXPECT_EQ(e.code, -411) << asynchronous << " " << e.message.toStdString();
    EXPECT_TRUE(e.message.contains(QLatin1String(c.says))) << e.message.toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, Refusal,
    ::testing::Values(
        RefusalCase{"wrong-oid", false, 1, "1.3.6.1.2.1.1.5.1000 where 1.3.6.1.2.1.1.5.0 was asked"},
        RefusalCase{"wrong-oid", true, 1, "1.3.6.1.2.1.1.5.1000 where 1.3.6.1.2.1.1.5.0 was asked"},
        RefusalCase{"no-such-object", true, 1, "set of 1.3.6.1.2.1.1.5.0 with noSuchObject"},
        RefusalCase{"no-such-instance", true, 1, "with noSuchInstance: nothing was written"},
        RefusalCase{"end-of-mib-view", true, 1, "with endOfMibView"},
        RefusalCase{"no-such-object", false, 0, "SNMPv1 answer carries noSuchObject"},
        RefusalCase{"counter32-five-octets", false, 1, "1.3.6.1.2.1.1.5.0 with a Counter32 of 5 octets"},
        RefusalCase{"counter32-negative", false, 0, "negative Counter32"},
        RefusalCase{"gauge32-negative", false, 1, "negative Gauge32"},
        RefusalCase{"timeticks-too-large", false, 1, "TimeTicks of 5 octets"},
        RefusalCase{"counter64-too-large", false, 1, "Counter64 of 9 octets"},
        RefusalCase{"counter64-negative", false, 1, "negative Counter64"},
        RefusalCase{"integer-too-large", false, 1, "INTEGER of 5 octets"},
        RefusalCase{"oid-empty", false, 1, "fewer than two arcs"},
        RefusalCase{"ipaddress-short", false, 1, "IpAddress of 3 octets"}),
    [](const auto& info) {
      std::string name = std::string(info.param.mode) + (info.param.set ? "_set" : "_get") + "_v" +
                         std::to_string(info.param.version);
      for (char& ch : name)
        if (ch == '-') ch = '_';
      return name;
    });

// The Opaque extension types come as their numbers, shown with their own syntax; other Opaque
// contents stay octets.
TEST_F(HostileAgent, OpaqueWrappedNumbersAreDecoded) {
  struct Case {
    const char* mode;
    MvValueType type;
    quint32 syntax;
    const char* text;
  };
  const Case cases[] = {
      {"opaque-float", MvValueType::OpaqueFloat, Syntax::OpaqueFloat, "0.46"},
      {"opaque-double", MvValueType::OpaqueDouble, Syntax::OpaqueDouble, "0.46"},
      {"opaque-int64", MvValueType::OpaqueInt64, Syntax::OpaqueInt64, "-123"},
      {"opaque-uint64", MvValueType::OpaqueUInt64, Syntax::OpaqueUInt64, "18446744073709551615"},
      {"opaque-counter64", MvValueType::OpaqueCounter64, Syntax::OpaqueCounter64, "1099511627776"},
      {"opaque-other", MvValueType::Opaque, Syntax::Opaque, "010203"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    start(c.mode);
    const MvSnmpAnswer a =
        MvSnmpTransport::send(DeviceTarget, MvPduKind::Get, {{*parseOid("1.3.6.1.2.1.1.5.0"), MvValue::null()}});
    ASSERT_EQ(a.status, 0);
    ASSERT_EQ(a.varbinds.size(), 1u);
    EXPECT_EQ(a.varbinds[0].value.type, c.type);
    const SnmpVarDef defs[] = {{kName, "Name", c.syntax, Access::ReadOnly}, {}};
    MvSNMPRequest r;
    r.varList = MvSNMPVarList(defs, SVT_SV, 0);
    EXPECT_FALSE(r.readStep(true));
    EXPECT_EQ(r.varList.item(0).value.toStdString(), c.text);
  }
  // The float is the device's 0.46 as a float, not its octets.
  start("opaque-float");
  const MvSnmpAnswer a =
      MvSnmpTransport::send(DeviceTarget, MvPduKind::Get, {{*parseOid("1.3.6.1.2.1.1.5.0"), MvValue::null()}});
  EXPECT_FLOAT_EQ(static_cast<float>(a.varbinds.at(0).value.floatingNumber()), 0.46f);
}

// ---- walks --------------------------------------------------------------------------------

struct Walk {
  QStringList rows;
  int errorCode = 0;
};

// The first `columns` columns of the agent's table walked, blocking or asynchronous.
Walk walkTable(int columns, bool asynchronous) {
  std::vector<QByteArray> oids;
  for (int c = 1; c <= columns; ++c) oids.push_back("1.3.6.1.4.1.99999.1.1." + QByteArray::number(c));
  std::vector<SnmpVarDef> defs;
  for (const QByteArray& oid : oids) defs.push_back({oid.constData(), "column", Syntax::Integer, Access::ReadOnly});
  defs.push_back({});
  MvSNMPRequest r;
  r.varList = MvSNMPVarList(defs.data(), MVT_FMV, 0);
  Walk walk;
  auto keep = [&] {
    QStringList row;
    for (int i = 0; i < r.varList.count(); ++i) row << r.varList.item(i).currentOid + u'=' + r.varList.item(i).value;
    walk.rows << row.join(u' ');
  };
  walk.errorCode = driveWalk(r, asynchronous, keep);
  return walk;
}

// The agent answers the get-next of row 2 once, 500 ms late, and ignores every resend of it:
// with 200 ms per try that answer comes after two time-outs. Every resend keeps the request-id,
// so the late answer completes the walk, over SNMPv1 and SNMPv2c.
TEST_F(HostileAgent, WalkCompletesWhenOneAnswerComesAfterTwoTimeOuts) {
  for (quint8 version : {0, 1})
    for (bool asynchronous : {false, true}) {
      SCOPED_TRACE(testing::Message() << "version " << int(version) << (asynchronous ? " async" : " sync"));
      start("late", {"--late-oid", "1.3.6.1.4.1.99999.1.1.1.1", "--late-ms", "500"}, version);
      DeviceTarget.timeout = 20;
      DeviceTarget.maxRepetitions = 0;
      const Walk walk = walkTable(1, asynchronous);
      EXPECT_EQ(walk.errorCode, 0);
      ASSERT_EQ(walk.rows.size(), 5);
      EXPECT_EQ(walk.rows[1].toStdString(), "1.3.6.1.4.1.99999.1.1.1.2=1002");
    }
}

// Over SNMPv3 too: every answer comes 300 ms after its request, each try waits 200 ms, so every
// answer arrives while the next try is out. The tries share their message ID, so it counts.
TEST_F(HostileAgent, SnmpV3ReadSlowerThanOneTryCompletes) {
  kxtest::SimAgent sim;
  sim.start({"--delay", "300", "--led-period", "0"});
  DeviceTarget = target(3);
  DeviceTarget.agentPort = static_cast<quint16>(sim.port());
  DeviceTarget.securityModel = 3;
  DeviceTarget.securityName = "shaaes";
  DeviceTarget.securityLevel = 3;
  DeviceTarget.authProtocol = 3;
  DeviceTarget.authPassword = "authpass123";
  DeviceTarget.privProtocol = 4;
  DeviceTarget.privPassword = "privpass123";
  DeviceTarget.timeout = 20;
  for (bool asynchronous : {false, true}) {
    const MvSNMPError e = exchange(false, asynchronous);
    EXPECT_EQ(e.code, 0) << asynchronous << " " << e.message.toStdString();
  }
}

// An agent that caps its answers at 7 varbinds and says genErr (or tooBig) above: the get-bulk
// repetitions are halved down to get-next, and the walk of 22 columns (more than 7 varbinds even
// at one repetition) equals the get-next walk.
TEST_F(HostileAgent, WalkThroughAnAgentRefusingLargeBulkAnswersEqualsTheGetNextWalk) {
  for (const char* mode : {"generr-bulk", "toobig-bulk"})
    for (int columns : {22, 3})
      for (bool asynchronous : {false, true}) {
        SCOPED_TRACE(testing::Message() << mode << " " << columns << (asynchronous ? " async" : " sync"));
        start(mode);
        DeviceTarget.maxRepetitions = 0;
        const Walk plain = walkTable(columns, asynchronous);
        ASSERT_EQ(plain.errorCode, 0);
        ASSERT_EQ(plain.rows.size(), 5);
        for (qint32 repetitions : {-1, 10}) {
          DeviceTarget.maxRepetitions = repetitions;
          const Walk bulk = walkTable(columns, asynchronous);
          EXPECT_EQ(bulk.errorCode, 0);
          EXPECT_EQ(bulk.rows, plain.rows);
        }
      }
}

}  // namespace
