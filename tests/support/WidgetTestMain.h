// The main of a widget test program: one QApplication on the offscreen platform, a state
// directory of the program's own (and, when asked, the SNMP session), every test, then the
// sessions closed.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <functional>

#include "mvsnmp/MvSnmpSession.h"
#include "mvsnmp/MvSnmpTransport.h"

namespace kxtest {

struct WidgetTestSetup {
  bool startSession = true;                  // initSnmpSession before the tests
  std::function<void(const QString&)> before;  // called with the state directory
  std::function<void()> after;               // called after the tests
};

inline int runWidgetTests(int argc, char** argv, const WidgetTestSetup& setup = {}) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QTemporaryDir state;
  qputenv("XDG_STATE_HOME", state.path().toUtf8());
  if (setup.before) setup.before(state.path());
  if (setup.startSession) initSnmpSession();
  const int result = RUN_ALL_TESTS();
  if (setup.after) setup.after();
  MvSnmpTransport::closeAll();
  return result;
}

}  // namespace kxtest
