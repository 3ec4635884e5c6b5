// TModulePanelForm: the face of an uplink module in one of the switch's two slots, with its port
// button and its LEDs kept live by a poll of its own. The four module models differ only in
// their size, artwork, button place and LEDs, which a ModulePanelLayout describes; each model
// is a thin subclass (TPanel1KM5AForm, TPanel1KM5BForm, TPanelKM6AForm, TPanelKM6BForm).
#pragma once

#include <QFrame>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <memory>
#include <vector>

#include "panel/PanelArt.h"
#include "panel/PanelCommon.h"
#include "panel/PanelHost.h"

class MvSNMPLedColorMapList;
class MvSNMPRequest2Leds;
class QLabel;
class QToolButton;

// One LED of a module: its 7 x 7 panel, colour map, and the state byte it shows for a module
// in slot 1 and in slot 2.
struct ModuleLedDef {
  const char* panelName;
  QPoint place;
  const MvSNMPLedColorMapList* colours;
  int octet[2];
};

struct ModulePanelLayout {
  PanelArt::Module art;
  const char* formName;     // object name of the form ("Panel1KM5AForm")
  const char* moduleLabel;  // the module-type text that names this model
  QSize size;
  QRect button;        // SpeedButton1's place and size
  bool bevelledInner;  // the KM-5B face sits in one more bevelled panel
  std::vector<ModuleLedDef> leds;
};

class TModulePanelForm : public QFrame {
 public:
  static constexpr int LedTimeout = 100;  // hundredths of a second
  static constexpr int PollPeriod = 300;  // hundredths of a second
  static constexpr int DesignTag = 25;    // the button's tag until the front panel sets 17 or 18

  // The panel of the module in `slot` (1 or 2): its LEDs show that slot's state bytes.
  TModulePanelForm(const ModulePanelLayout& layout, const PanelHost& host, int slot,
                   QWidget* parent = nullptr);
  // Stops and releases the LED binding.
  ~TModulePanelForm() override;

  // Places the button and the LEDs, creates the LED binding and starts polling. Runs once,
  // right after construction (the factory below does it); errors of the set-up are raised.
  // `moduleText` is the module type the front panel read for this panel's slot, the reading
  // that chose this panel: the LEDs are bound when it names this model.
  void FormCreate(const QString& moduleText);

  void SpeedButton1Click(QObject* sender);
  void SpeedButton1DblClick(QObject* sender);

  const ModulePanelLayout& Layout() const { return layout_; }
  int Slot() const { return slot_; }
  QToolButton* SpeedButton1() const { return speedButton1_; }
  QLabel* Image1() const { return image1_; }
  MvSNMPRequest2Leds* LedBinding() const { return leds_.get(); }
  QAbstractButton* PressedButton() const { return pressed_.button(); }

 private:
  bool showsModuleLeds() const;

  const ModulePanelLayout& layout_;
  PanelHost host_;
  int slot_;
  QFrame* mainPanel_ = nullptr;
  QLabel* image1_ = nullptr;
  QToolButton* speedButton1_ = nullptr;
  std::vector<QFrame*> ledPanels_;
  std::unique_ptr<MvSNMPRequest2Leds> leds_;
  PressedPortButton pressed_;
};

// The module panel whose model's label is `moduleText` (tried in the order "moduleType-KM-6B",
// "moduleType-KM-5A", "moduleType-KM-6A", "moduleType-KM-5B"), created for `slot` and set up,
// its model's program-wide variable pointing at it; nullptr for any other text.
std::unique_ptr<TModulePanelForm> CreateModulePanel(const QString& moduleText,
                                                    const PanelHost& host, int slot);
