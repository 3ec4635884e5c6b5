// Renders the front panel with a KM-6B module in slot 1 to a PNG file for a look by eye. Runs
// only when KX_PANEL_SHOTS names a directory; otherwise it is skipped.
#include <QDir>

#include "bind/MvSNMPLedColorMapList.h"
#include "tests/panel/PanelFixture.h"

using namespace paneltest;

namespace {

TEST(Screenshots, FrontPanelWithKm6b) {
  const QString dir = qEnvironmentVariable("KX_PANEL_SHOTS");
  if (dir.isEmpty()) GTEST_SKIP() << "set KX_PANEL_SHOTS to a directory to render the panel";
  auto agent = formstest::startAgent({"--modules", "KM-6B,none"});
  HostWindow window;
  window.readModuleTypes();
  TKX760PanelForm* panel = window.showPanel();
  // Once the first poll has coloured the LEDs and their blinking has settled.
  ASSERT_TRUE(waitUntil([&] {
    for (const MvSNMPRequest2Leds* leds : ledBindings(*panel)) {
      if (leds->Leds().empty()) return false;
      for (const auto& led : leds->Leds())
        if (led.colour == 0 ||
            led.shape->brushColor() != MvSNMPLedColorMapList::ToQColor(led.colour))
          return false;
    }
    return true;
  }));
  EXPECT_TRUE(panel->grab().save(QDir(dir).filePath(QStringLiteral("panel-shot.png"))));
}

}  // namespace
