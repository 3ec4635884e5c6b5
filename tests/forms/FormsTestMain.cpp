// The test program's own main: one QApplication on the offscreen platform and the SNMP session
// with a state directory of its own, then every test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "MvSnmpSession.h"
#include "MvSnmpTransport.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QTemporaryDir state;
  qputenv("XDG_STATE_HOME", state.path().toUtf8());
  initSnmpSession();
  const int result = RUN_ALL_TESTS();
  MvSnmpTransport::closeAll();
  return result;
}
