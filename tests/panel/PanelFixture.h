// Shared helpers of the panel tests: a stand-in for the main window that hosts the front panel,
// agents with LED values of the test's choosing, the LED value read back from the agent, and
// the colour each state byte must give.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QLabel>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/FormsFixture.h"
#include "panel/KX760PanelFormUnit.h"
#include "bind/MvSNMPRequest2Leds.h"
#include "panel/PanelHost.h"

namespace paneltest {

using formstest::waitUntil;

constexpr qint32 kBlack = 0x000000;
constexpr qint32 kWhite = 0xFFFFFF;
constexpr qint32 kGreen = 0x00FF00;
constexpr qint32 kBlue = 0xFF0000;
constexpr qint32 kRed = 0x0000FF;

// What the main window gives the panels: a status bar with its first panel and the hidden
// module-type texts, and the device address.
class HostWindow : public QWidget {
 public:
  HostWindow();
  PanelHost host() const;
  // Reads the module types into the hidden texts, as the main window does when it is created.
  void readModuleTypes();
  // A front panel in this window, shown, once its set-up has run.
  TKX760PanelForm* showPanel();

  QStatusBar* statusBar;
  QLabel* statusPanel;
  QLabel* module1;
  QLabel* module2;
};

// An agent whose LED object holds `octets` (LEDs still), modules given by --modules.
std::unique_ptr<kxtest::SimAgent> startAgentWithLeds(const QTemporaryDir& dir,
                                                     const QByteArray& octets,
                                                     const std::string& modules);
// The LED status value as the agent serves it now.
QByteArray readLedValue();

// The colour and blinking a state byte must give: the link colours (power, console, ports)
// or the KM-6B speed colours; a byte beyond the value shows white, steady.
struct LedState {
  qint32 colour;
  bool blinking;
  bool operator==(const LedState&) const = default;
};
LedState expectedLink(const QByteArray& value, int index);
LedState expectedSpeed(const QByteArray& value, int index);

// The LEDs of the front panel followed by those of its module panels.
std::vector<MvSNMPRequest2Leds*> ledBindings(const TKX760PanelForm& panel);

// The byte indexes a binding's LEDs read, in order.
std::vector<int> octetsOf(const MvSNMPRequest2Leds* leds);

}  // namespace paneltest
