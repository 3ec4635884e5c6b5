#include <gtest/gtest.h>

#include <functional>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include "mvsnmp/MvError.h"
#include "mvsnmp/MvSnmpSession.h"
#include "mvsnmp/MvSnmpTransport.h"
#include "tests/engine/SnmpdFixture.h"

namespace {

const MvOid kSysDescr = {1, 3, 6, 1, 2, 1, 1, 1, 0};
const MvOid kSysLocation = {1, 3, 6, 1, 2, 1, 1, 6, 0};

using Transport = SnmpdFixture;

TEST_F(Transport, SynchronousGetForEachCommunityVersion) {
  for (quint8 version : {quint8(0), quint8(1)}) {
    const MvSnmpAnswer a = MvSnmpTransport::send(target(version), MvPduKind::Get, {{kSysDescr, {}}});
    ASSERT_EQ(a.status, 0) << int(version);
    ASSERT_EQ(a.varbinds.size(), 1u);
    EXPECT_EQ(a.varbinds[0].oid, kSysDescr);
    EXPECT_EQ(a.varbinds[0].value.type, MvValueType::OctetString);
    EXPECT_FALSE(a.varbinds[0].value.octets.isEmpty());
  }
}

TEST_F(Transport, AsynchronousAnswersArriveThroughThePump) {
  bool done = false;
  MvSnmpAnswer answer;
  MvSnmpTransport::sendAsync(target(), MvPduKind::GetNext, {{kSysDescr, {}}},
                                                [&](const MvSnmpAnswer& a) {
                                                  EXPECT_FALSE(done) << "delivered twice";
                                                  answer = a;
                                                  done = true;
                                                });
  EXPECT_FALSE(done) << "delivered inside the send";
  ASSERT_TRUE(waitUntil([&] { return done; }));
  EXPECT_EQ(answer.status, 0);
  ASSERT_EQ(answer.varbinds.size(), 1u);
  EXPECT_GT(compareOids(answer.varbinds[0].oid, kSysDescr), 0);
  EXPECT_EQ(MvSnmpTransport::outstanding(), 0);
}

TEST_F(Transport, WriteUsesTheWriteCommunityAndReportsAgentErrors) {
  MvDeviceParams t = target();
  // sysDescr is read-only: the agent answers notWritable (17).
  MvSnmpAnswer a = MvSnmpTransport::send(
      t, MvPduKind::Set, {{kSysDescr, MvValue::bytes(MvValueType::OctetString, "x")}});
  EXPECT_EQ(a.status, 17);
  EXPECT_EQ(translateStatus(a.status).code, -117);
  // A set carries the write community: with the read-only one in its place, snmpd refuses it.
  t.writeCommunity = "public";
  a = MvSnmpTransport::send(t, MvPduKind::Set, {{kSysLocation, MvValue::bytes(MvValueType::OctetString, "x")}});
  EXPECT_EQ(translateStatus(a.status).code, -106);
}

TEST_F(Transport, TimeOutOfAnAsynchronousRequestIsDeliveredOnce) {
  MvDeviceParams t = target();
  t.readCommunity = "wrong";
  t.timeout = 20;  // 0.2 s, one retry
  bool done = false;
  MvSnmpAnswer answer;
  int calls = 0;
  MvSnmpTransport::sendAsync(t, MvPduKind::Get, {{kSysDescr, {}}}, [&](const MvSnmpAnswer& a) {
    ++calls;
    answer = a;
    done = true;
  });
  waitUntil([&] { return done; });
  runFor(250);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(translateStatus(answer.status).code, -405);
}

TEST_F(Transport, CancelledOperationNeverCallsBack) {
  bool called = false;
  const quint64 id = MvSnmpTransport::sendAsync(target(), MvPduKind::Get, {{kSysDescr, {}}},
                                                [&](const MvSnmpAnswer&) { called = true; });
  MvSnmpTransport::cancel(id);
  runFor(300);
  EXPECT_FALSE(called);
}

TEST_F(Transport, SnmpV3AndItsFailures) {
  MvDeviceParams t = target(3);
  t.securityName = "sha-aes";
  t.securityModel = 3;
  t.securityLevel = 3;
  t.authProtocol = 3;
  t.authPassword = "authpass123";
  t.privProtocol = 4;
  t.privPassword = "privpass123";
  MvSnmpAnswer a = MvSnmpTransport::send(t, MvPduKind::Get, {{kSysDescr, {}}});
  EXPECT_EQ(a.status, 0);
  struct Case {
    const char* what;
    void (*change)(MvDeviceParams&);
    int code;
  } cases[] = {
      {"wrong user", [](MvDeviceParams& p) { p.securityName = "nobody"; }, -304},
      {"wrong auth pass phrase", [](MvDeviceParams& p) { p.authPassword = "wrongpass99"; }, -308},
      {"wrong priv pass phrase", [](MvDeviceParams& p) { p.privPassword = "wrongpass99"; }, -405},
  };
  for (const auto& c : cases) {
    MvDeviceParams bad = t;
    bad.timeout = 30;
    c.change(bad);
    a = MvSnmpTransport::send(bad, MvPduKind::Get, {{kSysDescr, {}}});
    EXPECT_EQ(translateStatus(a.status).code, c.code) << c.what;
  }
  // The good parameters work again afterwards: stale keys were replaced, not reused.
  a = MvSnmpTransport::send(t, MvPduKind::Get, {{kSysDescr, {}}});
  EXPECT_EQ(a.status, 0);
}

// An address that names no host, and no address at all (which Net-SNMP would take for the local
// host, whose agent would then answer for the device), raise -509 before anything is sent.
TEST_F(Transport, UnresolvableOrEmptyAddressRaises509) {
  for (const char* address : {"no-such-host.invalid", "", "   "}) {
    MvDeviceParams t = target();
    t.address = address;
    for (bool async : {false, true}) {
      try {
        if (async)
          MvSnmpTransport::sendAsync(t, MvPduKind::Get, {{kSysDescr, {}}}, [](const MvSnmpAnswer&) {});
        else
          MvSnmpTransport::send(t, MvPduKind::Get, {{kSysDescr, {}}});
        ADD_FAILURE() << "no error for \"" << address << "\" async " << async;
      } catch (const MvException& e) {
        EXPECT_EQ(e.code(), -509) << "\"" << address << "\"";
      }
    }
  }
}

TEST(BootCounter, ReadAddOneSave) {
  QTemporaryDir dir;
  const QString path = bootCounterPath(dir.path());
  EXPECT_EQ(readBootCounter(path, kLocalEngineId), 0);
  saveBootCounter(path, kLocalEngineId, 1);
  saveBootCounter(path, "other", 7);
  EXPECT_EQ(readBootCounter(path, kLocalEngineId), 1);
  saveBootCounter(path, kLocalEngineId, 2);
  EXPECT_EQ(readBootCounter(path, kLocalEngineId), 2);
  EXPECT_EQ(readBootCounter(path, "other"), 7);
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::Append));
  f.write("broken\n");
  f.close();
  try {
    readBootCounter(path, "broken");
    FAIL();
  } catch (const MvException& e) {
    EXPECT_EQ(e.code(), -507);
  }
  EXPECT_THROW(readBootCounter(path, QString(33, u'x')), MvException);
}

// The counter stays within 1 .. 2147483647: past the top it starts again at 1, and a start never
// fails for it. Errors name the counter file.
TEST(BootCounter, WrapsAndNamesItsFile) {
  EXPECT_EQ(nextBoots(0), 1);
  EXPECT_EQ(nextBoots(41), 42);
  EXPECT_EQ(nextBoots(2147483646), 2147483647);
  EXPECT_EQ(nextBoots(2147483647), 1);
  QTemporaryDir dir;
  const QString path = bootCounterPath(dir.path());
  saveBootCounter(path, kLocalEngineId, 2147483647);
  initSnmpSession(dir.path());
  EXPECT_EQ(engineBoots(), 1);
  EXPECT_EQ(readBootCounter(path, kLocalEngineId), 1);

  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::Append));
  f.write("broken x\n");
  f.close();
  for (const auto& [what, call] :
       std::initializer_list<std::pair<const char*, std::function<void()>>>{
           {"bad entry", [&] { readBootCounter(path, "broken"); }},
           {"not a regular file", [&] { readBootCounter(dir.path(), kLocalEngineId); }},
           // Below a regular file no directory can be made.
           {"cannot save", [&] { saveBootCounter(path + QStringLiteral("/inside"), "e", 1); }},
       }) {
    try {
      call();
      ADD_FAILURE() << what;
    } catch (const MvException& e) {
      EXPECT_TRUE(e.message().contains(u'"')) << what << ": " << e.message().toStdString();
    }
  }
}

}  // namespace
