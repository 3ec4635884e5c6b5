#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <map>

#include "mvsnmp/MvError.h"
#include "mvsnmp/MvSNMPRequest.h"
#include "mvsnmp/MvSnmpSession.h"
#include "mvsnmp/MvSnmpTransport.h"
#include "mvsnmp/MvValueConversion.h"
#include "tests/engine/SnmpdFixture.h"

namespace {

// sysORTable of MIB-II: index sysORIndex, then sysORID, sysORDescr, sysORUpTime.
const SnmpVarDef kSysOrTable[] = {
    {"1.3.6.1.2.1.1.9.1.1", "Index", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.2.1.1.9.1.2", "ID", Syntax::ObjectId, Access::ReadOnly},
    {"1.3.6.1.2.1.1.9.1.3", "Descr", Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.2.1.1.9.1.4", "UpTime", Syntax::TimeTicks, Access::ReadOnly},
    {},
};

const SnmpVarDef kSystem[] = {
    {"1.3.6.1.2.1.1.1", "Descr", Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.2.1.1.2", "ObjectID", Syntax::ObjectId, Access::ReadOnly},
    {"1.3.6.1.2.1.1.4", "Contact", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.2.1.1.6", "Location", Syntax::DisplayStr, Access::ReadWrite},
    {},
};

class Request : public SnmpdFixture {
protected:
  void SetUp() override { DeviceTarget = target(); }

  // What snmpwalk prints for a subtree, as OID (no leading dot) -> value text.
  static std::map<QString, QString> snmpwalk(const QString& version, const QString& subtree) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MIBS", "");
    env.insert("MIBDIRS", "");
    p.setProcessEnvironment(env);
    p.start("snmpwalk", {"-v", version, "-c", "public", "-On", "-Oq", "-Ot", "-Oe",
                         QString("127.0.0.1:%1").arg(agent_->port()), subtree});
    p.waitForFinished(10000);
    std::map<QString, QString> rows;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
      const qsizetype blank = line.indexOf(' ');
      QString value = line.mid(blank + 1);
      if (value.startsWith('"') && value.endsWith('"')) value = value.mid(1, value.size() - 2);
      if (value.startsWith('.')) value = value.mid(1);
      rows[line.left(blank).mid(1)] = value;
    }
    return rows;
  }
};

// Collects a walk's rows as column OID + row index -> value text; ticks as their tick count.
void collectRow(const MvSNMPVarList& list, std::map<QString, QString>& rows, const QString& index) {
  for (int i = 1; i < list.count(); ++i) {
    const SnmpVarItem& item = list.item(i);
    if (item.value == QLatin1String(NotDoneValueText)) continue;
    rows[item.oid + '.' + index] = item.syntax == Syntax::TimeTicks ? QString::number(ticksOfText(item.value)) : item.value;
  }
}

TEST_F(Request, SynchronousWalkMatchesSnmpwalk) {
  for (quint8 version : {quint8(0), quint8(1)}) {
    DeviceTarget.version = version;
    MvSNMPRequest r;
    r.varList = MvSNMPVarList(kSysOrTable, MVT_FMV, 1);
    std::map<QString, QString> rows;
    int steps = 0;
    for (bool more = r.readStep(true); more; more = r.readStep(false)) {
      collectRow(r.varList, rows, r.varList.item(0).value);
      ASSERT_LT(++steps, 1000);
    }
    const auto expected = snmpwalk(version == 0 ? "1" : "2c", "1.3.6.1.2.1.1.9.1");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(rows, expected) << "version " << int(version);
    EXPECT_EQ(r.varList.item(1).value, NotDoneValueText);
  }
}

TEST_F(Request, AsynchronousWalkDrivenFromTheCompletion) {
  MvSNMPRequest r;
  r.varList = MvSNMPVarList(kSysOrTable, MVT_UMV, 1);
  std::map<QString, QString> rows;
  bool finished = false;
  int calls = 0;
  MvSNMPError last;
  SnmpCompletion step = [&](void*, const MvSNMPError& e, MvSNMPVarList& list) {
    ++calls;
    last = e;
    if (e.code == 0 && !e.finished) collectRow(list, rows, list.item(0).value);
    if (e.finished || e.code != 0)
      finished = true;
    else
      r.readAsync(step, nullptr, false);
  };
  r.readAsync(step, nullptr, true);
  ASSERT_TRUE(waitUntil([&] { return finished; }));
  EXPECT_EQ(last.code, 0);
  EXPECT_EQ(last.message, "Ok");
  EXPECT_EQ(last.agentPort, agent_->port());
  EXPECT_EQ(rows, snmpwalk("2c", "1.3.6.1.2.1.1.9.1"));
  EXPECT_EQ(calls, static_cast<int>(rows.size() / 3) + 1);
  EXPECT_EQ(r.pending, 0);
}

TEST_F(Request, ScalarsReadWriteAndReadBack) {
  MvSNMPRequest r;
  r.varList = MvSNMPVarList(kSystem, SVT_SV, 0);
  EXPECT_FALSE(r.readStep(true));
  EXPECT_FALSE(r.varList.item(0).value.isEmpty());
  EXPECT_TRUE(r.varList.item(1).value.startsWith("1.3.6.1.4.1.8072"));
  r.varList.item(3).value = "rack 7, row B";
  r.varList.item(2).access |= Access::Invalid;  // only the location travels
  EXPECT_FALSE(r.write());
  MvSNMPRequest check;
  check.varList = MvSNMPVarList(kSystem, SVT_SV, 0);
  check.readStep(true);
  EXPECT_EQ(check.varList.item(3).value, "rack 7, row B");
}

TEST_F(Request, ErrorsOfTheEngine) {
  MvSNMPRequest r;
  r.varList = MvSNMPVarList(kSystem, SVT_SV, 0);
  try {
    r.readStep(false);
    FAIL();
  } catch (const MvException& e) {
    EXPECT_EQ(e.code(), -510);
  }
  r.varList.setItemType(7);
  try {
    r.readStep(true);
    FAIL();
  } catch (const MvException& e) {
    EXPECT_EQ(e.code(), -515);
  }
  // A read-only object answers notWritable.
  r.varList = MvSNMPVarList(kSystem, SVT_SV, 0);
  r.varList.item(0).access = Access::ReadWrite;
  r.varList.item(0).value = "x";
  for (int i = 1; i < 4; ++i) r.varList.item(i).access |= Access::Invalid;
  try {
    r.write();
    FAIL();
  } catch (const MvException& e) {
    EXPECT_EQ(e.code(), -117);
    EXPECT_EQ(e.message(), "(SNMP) Cannot create/set variable, Not Writable!");
  }
  // A time-out after timeout x (retries + 1).
  r.readCommunity = "wrong";
  r.timeout = 10;
  try {
    r.readStep(true);
    FAIL();
  } catch (const MvException& e) {
    EXPECT_EQ(e.code(), -405);
  }
}

TEST_F(Request, NothingHappensWhenNotAlive) {
  MvSNMPRequest r;
  r.varList = MvSNMPVarList(kSysOrTable, MVT_FMV, 1);
  r.alive = false;
  bool called = false;
  EXPECT_FALSE(r.readStep(true));
  r.readAsync([&](void*, const MvSNMPError&, MvSNMPVarList&) { called = true; }, nullptr, true);
  EXPECT_EQ(r.pending, 0);
  QCoreApplication::processEvents();
  EXPECT_FALSE(called);
}

TEST_F(Request, DestructionWithAnOperationOutstanding) {
  bool called = false;
  {
    MvSNMPRequest r;
    r.varList = MvSNMPVarList(kSysOrTable, MVT_FMV, 1);
    r.readAsync([&](void*, const MvSNMPError&, MvSNMPVarList&) { called = true; }, nullptr, true);
    EXPECT_EQ(r.pending, 1);
  }  // the destructor lets the completion run
  EXPECT_TRUE(called);
  // Against a silent agent the wait is bounded and the late answer is dropped.
  DeviceTarget.readCommunity = "wrong";
  DeviceTarget.timeout = 400;  // 4 s per try, 8 s in all: longer than the destructor waits
  called = false;
  QElapsedTimer t;
  t.start();
  {
    MvSNMPRequest r;
    r.varList = MvSNMPVarList(kSysOrTable, MVT_FMV, 1);
    r.readAsync([&](void*, const MvSNMPError&, MvSNMPVarList&) { called = true; }, nullptr, true);
  }
  EXPECT_LT(t.elapsed(), 7500);
  runFor(static_cast<int>(9000 - t.elapsed()));
  EXPECT_FALSE(called);
  EXPECT_EQ(MvSnmpTransport::outstanding(), 0);
}

}  // namespace
