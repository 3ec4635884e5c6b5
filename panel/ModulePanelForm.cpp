#include "panel/ModulePanelForm.h"

#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include "bind/MvSNMPRequest2Leds.h"
#include "panel/Panel1KM5AFormUnit.h"
#include "panel/Panel1KM5BFormUnit.h"
#include "panel/PanelKM6AFormUnit.h"
#include "panel/PanelKM6BFormUnit.h"

namespace {

constexpr int kLedPanelSize = 7;
constexpr int kLedSize = 6;
constexpr int kLedLeft = 1;
constexpr int kLedGap = 10;

}  // namespace

TModulePanelForm::TModulePanelForm(const ModulePanelLayout& layout, const PanelHost& host, int slot,
                                   QWidget* parent)
    : QFrame(parent), layout_(layout), host_(host), slot_(slot) {
  setObjectName(QString::fromLatin1(layout.formName));
  setFrameShape(QFrame::NoFrame);
  resize(layout.size);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  mainPanel_ = new QFrame(this);
  mainPanel_->setObjectName(QStringLiteral("MainPanel"));
  if (layout.bevelledInner) {
    mainPanel_->setFrameShape(QFrame::Panel);
    mainPanel_->setFrameShadow(QFrame::Raised);
  }
  outer->addWidget(mainPanel_);

  auto* faceLayout = new QVBoxLayout(mainPanel_);
  faceLayout->setContentsMargins(0, 0, 0, 0);
  image1_ = new QLabel(mainPanel_);
  image1_->setObjectName(QStringLiteral("Image1"));
  image1_->setPixmap(PanelArt::moduleFace(layout.art));
  image1_->setScaledContents(true);
  faceLayout->addWidget(image1_);

  speedButton1_ = new QToolButton(mainPanel_);
  speedButton1_->setObjectName(QStringLiteral("SpeedButton1"));
  speedButton1_->setCheckable(true);
  speedButton1_->setAutoRaise(true);
  speedButton1_->setIcon(PanelArt::moduleButtonIcon(layout.art));
  speedButton1_->setIconSize(layout.button.size());
  speedButton1_->setProperty(PanelCommon::TagProperty, DesignTag);
  speedButton1_->setGeometry(layout.button);
  connect(speedButton1_, &QToolButton::clicked, this, [this] { SpeedButton1Click(speedButton1_); });
  PanelCommon::onDoubleClick(speedButton1_, [this] { SpeedButton1DblClick(speedButton1_); });

  for (const ModuleLedDef& led : layout.leds) {
    QFrame* panel = PanelCommon::makePanel(mainPanel_, QString::fromLatin1(led.panelName), Qt::white,
                                           QFrame::Panel | QFrame::Plain);
    panel->setGeometry(QRect(led.place, QSize(kLedPanelSize, kLedPanelSize)));
    ledPanels_.push_back(panel);
  }
  speedButton1_->raise();
  for (QFrame* panel : ledPanels_) panel->raise();
}

TModulePanelForm::~TModulePanelForm() {
  PanelCommon::releaseLedBinding(leds_);
}

bool TModulePanelForm::showsModuleLeds() const {
  // Only these models carry the module slots whose state bytes the LED object reports.
  return host_.modelName == QLatin1String("KX-760") || host_.modelName == QLatin1String("KY-760");
}

void TModulePanelForm::FormCreate(const QString& moduleText) {
  speedButton1_->setGeometry(layout_.button);
  for (size_t i = 0; i < ledPanels_.size(); ++i)
    ledPanels_[i]->setGeometry(QRect(layout_.leds[i].place, QSize(kLedPanelSize, kLedPanelSize)));

  leds_ = PanelCommon::makeLedBinding(this, LedTimeout);
  // The panel shows its own slot's state bytes, and only when this model was read in that slot.
  // The reading is the front panel's own, the one that chose this panel: the main window's
  // copy may not have been read yet when the front panel is set up (both wait for the device
  // in nested loops), and a module found later, after the device came back, is not in it.
  if (showsModuleLeds() && moduleText == QLatin1String(layout_.moduleLabel)) {
    for (size_t i = 0; i < ledPanels_.size(); ++i) {
      const ModuleLedDef& led = layout_.leds[i];
      leds_->AddLedRow(0, QString::number(led.octet[slot_ == 2 ? 1 : 0]), led.colours,
                       ledPanels_[i], kLedLeft, kLedGap, MvSNMPLedShape::Kind::Rectangle, kLedSize,
                       kLedSize);
    }
  }
  // Attached first: the first poll answers later, and its failure must be reported too.
  leds_->SetStatusTarget(host_.statusBar.data());
  leds_->StartPolling(PollPeriod);
}

void TModulePanelForm::SpeedButton1Click(QObject* sender) {
  pressed_.press(qobject_cast<QAbstractButton*>(sender));
}

void TModulePanelForm::SpeedButton1DblClick(QObject*) {
  PanelCommon::openPortControl(host_, SelectedPort);
}

namespace {

template <class Form>
std::unique_ptr<TModulePanelForm> create(QPointer<Form>& latest, const PanelHost& host, int slot,
                                         const QString& moduleText) {
  auto panel = std::make_unique<Form>(host, slot);
  panel->FormCreate(moduleText);
  latest = panel.get();
  return panel;
}

}  // namespace

std::unique_ptr<TModulePanelForm> CreateModulePanel(const QString& moduleText,
                                                    const PanelHost& host, int slot) {
  if (moduleText == QLatin1String(TPanelKM6BForm::Design.moduleLabel))
    return create(PanelKM6BForm, host, slot, moduleText);
  if (moduleText == QLatin1String(TPanel1KM5AForm::Design.moduleLabel))
    return create(Panel1KM5AForm, host, slot, moduleText);
  if (moduleText == QLatin1String(TPanelKM6AForm::Design.moduleLabel))
    return create(PanelKM6AForm, host, slot, moduleText);
  if (moduleText == QLatin1String(TPanel1KM5BForm::Design.moduleLabel))
    return create(Panel1KM5BForm, host, slot, moduleText);
  return nullptr;
}
