// What the front panel and the uplink module panels share: the port the user picked last, the
// LED status object they all poll, their port buttons (one pressed at a time within a panel, a
// double-click opening that port's settings page) and the life of their LED bindings.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

#include "mvsnmp/MvSNMPVarList.h"

class MvSNMPRequest2Edits;
class MvSNMPRequest2Leds;
class QFrame;
class QLabel;
class QObject;
class QStatusBar;
class QWidget;
struct PanelHost;

// The port whose button was clicked last, in the front panel or a module panel (1 at start);
// a double-click opens this port's settings.
extern int SelectedPort;

// The agent's front-panel LED status: an octet string with one state byte per LED (octet 0
// power, 1 console, then two per port p from octet 2p; ports 17 and 18 are the module slots).
extern const SnmpVarDef LedStatusList[];

namespace PanelCommon {

// Property that carries a port button's port number.
inline constexpr char TagProperty[] = "tag";
int tagOf(const QObject* object);

// Fills the widget's background with `colour`, and its text with `text` when one is given.
void paintBackground(QWidget* widget, const QColor& colour, const QColor& text = QColor());
// A named frame of the given QFrame style, filled with `colour`.
QFrame* makePanel(QWidget* parent, const QString& name, const QColor& colour, int frameStyle);

// The blocking read of the two module types: item 0 into `slot1`, item 1 into `slot2`, status
// lines to `bar`. The caller refreshes it.
std::unique_ptr<MvSNMPRequest2Edits> makeModuleTypeBinding(QWidget* owner, QLabel* slot1, QLabel* slot2,
                                                           QStatusBar* bar);

// An LED binding over LedStatusList, asynchronous, its request time-out in hundredths of a
// second.
std::unique_ptr<MvSNMPRequest2Leds> makeLedBinding(QWidget* owner, int timeout);
// Stops the LEDs, lets no further answer in, waits while a poll is outstanding, then destroys
// the binding. Does nothing when there is none.
void releaseLedBinding(std::unique_ptr<MvSNMPRequest2Leds>& binding);

// The port's settings page ("Port Control : " and the address), a one-row page addressed to
// the port's row, shown modally through UserNotice and destroyed when it closes. An error while
// building it goes to the host's first status panel.
void openPortControl(const PanelHost& host, int port);

// Runs `handler` when `widget` is clicked with the left button (pressed and released over it).
void onClick(QWidget* widget, std::function<void()> handler);
// Runs `handler` when `widget` is double-clicked with the left button. The double-click itself
// does not reach the widget: the click of its first half already did.
void onDoubleClick(QWidget* widget, std::function<void()> handler);

}  // namespace PanelCommon

// The port button last pressed in one panel. Each panel keeps its own, so a front port and a
// module port can both stay pressed.
class PressedPortButton {
 public:
  // Releases the remembered button, remembers and presses `button`, and selects its port.
  void press(QAbstractButton* button);
  // Releases the remembered button; it stays remembered and the selected port stays.
  void release();
  QAbstractButton* button() const { return button_; }

 private:
  QPointer<QAbstractButton> button_;
};
