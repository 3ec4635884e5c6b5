// TKX760PanelForm: the front of the KX-760 inside the main window: the front-plate picture,
// sixteen port buttons, the power, console and link LEDs kept live by polling the agent's LED
// status every three seconds, and the two uplink slots with the module panels found in them.
// Double-clicking a port opens that port's settings page.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <memory>

#include "panel/ModulePanelForm.h"
#include "panel/PanelCommon.h"
#include "panel/PanelHost.h"

class MvSNMPRequest2Edits;
class MvSNMPRequest2Leds;
class QToolButton;

class TKX760PanelForm : public QFrame {
 public:
  static constexpr int ClientWidth = 905;
  static constexpr int ClientHeight = 104;
  static constexpr int PortCount = 16;
  static constexpr int LedTimeout = 500;  // hundredths of a second
  static constexpr int PollPeriod = 300;  // hundredths of a second

  // The panel with its components; the set-up runs on its first activation.
  explicit TKX760PanelForm(const PanelHost& host, QWidget* owner = nullptr);
  // Releases the LED binding if FormClose has not.
  ~TKX760PanelForm() override;

  // The set-up: places the components, creates the LEDs, finds the modules and embeds their
  // panels, starts polling. Runs once: on the panel's first showing, or when called first.
  // Errors end the set-up and go to the host's first status panel.
  void FormActivate();
  void SB_Port1Click(QObject* sender);
  void SB_Port1DblClick(QObject* sender);
  void Image1Click(QObject* sender);
  // Stops and releases the LED binding; closing frees the panel.
  void FormClose();

  bool Activated() const { return activated_; }
  // The first read of the module types has ended, well or not (the slots are filled).
  bool ModulesRead() const { return modulesRead_; }
  const PanelHost& Host() const { return host_; }
  MvSNMPRequest2Leds* LedBinding() const { return leds_.get(); }
  QAbstractButton* PressedButton() const { return pressed_.button(); }
  QToolButton* PortButton(int port) const;
  // SlotPanel (slot 1) or SlotPanel2 (slot 2).
  QFrame* SlotPanel(int slot) const { return slot == 2 ? slotPanel2_ : slotPanel_; }
  // The module panel embedded in a slot, or nullptr.
  TModulePanelForm* ModulePanel(int slot) const { return modules_[slot == 2 ? 1 : 0]; }
  QLabel* ModuleText(int slot) const { return slot == 2 ? stModule2_ : stModule1_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void placeComponents();
  void addLeds();
  // Starts reading the module types; their answer embeds a panel in each slot that has none yet
  // (a failed read leaves the slots as they are and asks for another read after a good poll).
  void detectModules();
  void embedModule(int slot);
  void setUp();

  PanelHost host_;
  bool activated_ = false;
  QString shownPollError_;  // the poll error the first status panel shows, if any
  bool detectAgain_ = false;  // the module types are to be read again once the device answers
  QFrame* mainPanel_ = nullptr;
  QLabel* image1_ = nullptr;
  QFrame* powerLedPanel_ = nullptr;
  QFrame* consoleLedPanel_ = nullptr;
  QFrame* slotPanel_ = nullptr;
  QFrame* slotPanel2_ = nullptr;
  QLabel* stModule1_ = nullptr;
  QLabel* stModule2_ = nullptr;
  QPointer<TModulePanelForm> modules_[2];
  std::unique_ptr<MvSNMPRequest2Leds> leds_;
  std::unique_ptr<MvSNMPRequest2Edits> types_;  // the module types' read
  bool modulesRead_ = false;
  PressedPortButton pressed_;
};
