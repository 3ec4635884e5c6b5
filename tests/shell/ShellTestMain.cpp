// The test program's own main: one QApplication on the offscreen platform, a state directory and
// a registry file of its own, then every test. The main window starts the SNMP session itself.
#include "tests/support/WidgetTestMain.h"

int main(int argc, char** argv) {
  return kxtest::runWidgetTests(
      argc, argv,
      {false, [](const QString& state) {
         qputenv("KX760_REGISTRY", (state + QStringLiteral("/registry.ini")).toUtf8());
       },
       nullptr});
}
