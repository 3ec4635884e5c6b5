// The test program's own main: one QApplication on the offscreen platform, a state directory and
// a registry file of its own, then every test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "MvSnmpTransport.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QTemporaryDir state;
  qputenv("XDG_STATE_HOME", state.path().toUtf8());
  qputenv("KX760_REGISTRY", (state.path() + QStringLiteral("/registry.ini")).toUtf8());
  const int result = RUN_ALL_TESTS();
  MvSnmpTransport::closeAll();
  return result;
}
