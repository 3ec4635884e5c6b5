// The test program's own main: one QApplication on the offscreen platform and the SNMP session
// with a state directory of its own, then every test.
#include "tests/support/WidgetTestMain.h"

int main(int argc, char** argv) { return kxtest::runWidgetTests(argc, argv); }
