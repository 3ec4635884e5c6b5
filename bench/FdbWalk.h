// What the benchmarks walk: kx760sim's forwarding table (dot1dTpFdbTable, address, port and
// status), and the engine's bare asynchronous walk of a table, one row per step.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <functional>
#include <string>

#include "mvsnmp/MvDeviceParams.h"
#include "mvsnmp/MvSNMPRequest.h"
#include "mvsnmp/MvSnmpSession.h"
#include "tests/support/SimAgent.h"

inline const SnmpVarDef kFdbTable[] = {
    {"1.3.6.1.2.1.17.4.3.1.1", "Address", Syntax::MacAddress, Access::ReadOnly},
    {"1.3.6.1.2.1.17.4.3.1.2", "Port", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.2.1.17.4.3.1.3", "Status", Syntax::Integer, Access::ReadOnly},
    {},
};

// Processes events until done() holds; sleeps while nothing arrives.
inline void waitFor(const std::function<bool()>& done) {
  while (!done()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Walks a table list, each next step sent from the previous step's completion; the rows read.
inline int asyncWalk(const MvSNMPVarList& list) {
  MvSNMPRequest r;
  r.varList = list;
  int rows = 0;
  bool done = false;
  SnmpCompletion step = [&](void*, const MvSNMPError& e, MvSNMPVarList&) {
    if (e.code != 0 || e.finished) {
      done = true;
      return;
    }
    ++rows;
    r.readAsync(step, nullptr, false);
  };
  r.readAsync(step, nullptr, true);
  waitFor([&] { return done; });
  return rows;
}

inline int asyncFdbWalk() { return asyncWalk(MvSNMPVarList(kFdbTable, MVT_FMV, 0)); }

// Wall-clock seconds that f takes.
inline double seconds(const std::function<void()>& f) {
  QElapsedTimer t;
  t.start();
  f();
  return t.nsecsElapsed() / 1e9;
}

// What a widget benchmark runs against: an SNMP session with a state directory of its own, and
// kx760sim with `rows` learned addresses and still LEDs, the device target pointed at it (SNMPv2c,
// "public", 5 s). Made after the QApplication.
struct FdbAgent {
  explicit FdbAgent(int rows) {
    qputenv("XDG_STATE_HOME", state.path().toUtf8());
    initSnmpSession();
    sim.start({"--fdb-entries", std::to_string(rows), "--led-period", "0"});
    DeviceTarget.address = "127.0.0.1";
    DeviceTarget.agentPort = static_cast<quint16>(sim.port());
    DeviceTarget.version = 1;
    DeviceTarget.readCommunity = "public";
    DeviceTarget.timeout = 500;
  }
  QTemporaryDir state;
  kxtest::SimAgent sim;
};
