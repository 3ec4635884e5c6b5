// A suite fixture for the engine's integration tests: one QCoreApplication, the SNMP session with a
// state directory of its own, and one snmpd on loopback for the whole suite.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QTemporaryDir>
#include <functional>

#include "mvsnmp/MvDeviceParams.h"
#include "mvsnmp/MvSnmpSession.h"
#include "mvsnmp/MvSnmpTransport.h"
#include "tests/support/EventWait.h"
#include "tests/engine/SnmpdAgent.h"

class SnmpdFixture : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "engine_tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
    qputenv("XDG_STATE_HOME", stateDir_.path().toUtf8());
    initSnmpSession();
    agent_ = new SnmpdAgent;
    ASSERT_TRUE(agent_->start());
  }
  static void TearDownTestSuite() {
    MvSnmpTransport::closeAll();
    delete agent_;
    agent_ = nullptr;
  }

  // The agent's parameters: communities "public"/"private", half a second per try.
  static MvDeviceParams target(quint8 version = 1) {
    MvDeviceParams p = MvDeviceParams::defaults();
    p.agentPort = agent_->port();
    p.version = version;
    p.readCommunity = "public";
    p.writeCommunity = "private";
    p.timeout = 50;
    return p;
  }

  // Runs the event loop until done() holds or the time is up; returns done().
  static bool waitUntil(const std::function<bool()>& done, int ms = 10000) {
    return kxtest::waitUntil(done, ms);
  }

  // Lets the event loop run for a while (late answers, retransmissions).
  static void runFor(int ms) { waitUntil([] { return false; }, ms); }

  static inline QTemporaryDir stateDir_;
  static inline SnmpdAgent* agent_ = nullptr;
};
