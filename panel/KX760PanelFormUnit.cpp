#include "panel/KX760PanelFormUnit.h"

#include <QTimer>

#include <QCloseEvent>
#include <QLabel>
#include <QMetaObject>
#include <QToolButton>
#include <QVBoxLayout>

#include "panel/ModulePanelForm.h"
#include "bind/MvSNMPRequest2Edits.h"
#include "bind/MvSNMPRequest2Leds.h"
#include "panel/PanelArt.h"
#include "panel/PanelLedColours.h"

namespace {

// Places, in the panel's coordinates. The picture fills the panel inside its 2-pixel frame.
constexpr QRect kSlot1{615, 15, 128, 78};
constexpr QRect kSlot2{759, 15, 128, 78};
constexpr QRect kPowerLed{188, 64, 7, 7};
constexpr QRect kConsoleLed{188, 77, 7, 7};
constexpr QSize kPortButton{29, 30};
constexpr QSize kLinkPanel{132, 7};
constexpr int kLinkPanelTop = 4;
constexpr int kLinkPanelLeft[] = {197, 337};
constexpr int kFrameWidth = 2;

constexpr QRgb kGrey = 0x545454;
constexpr int kRaisedPanel = QFrame::Panel | QFrame::Raised;

// Odd ports on the upper row, even ports below them, two ports per column; ports 9-16 start
// a second block of four columns.
QPoint portButtonPlace(int n) {
  const int top = n % 2 == 1 ? 18 : 53;
  const int left = n <= 8 ? 202 + 32 * ((n - 1) / 2) : 338 + 32 * ((n - 9) / 2);
  return {left, top};
}

}  // namespace

TKX760PanelForm::TKX760PanelForm(const PanelHost& host, QWidget* owner)
    : QFrame(owner), host_(host) {
  setObjectName(QStringLiteral("KX760PanelForm"));
  setFrameShape(QFrame::NoFrame);
  setAttribute(Qt::WA_DeleteOnClose);  // closing frees the panel
  resize(ClientWidth, ClientHeight);

  mainPanel_ = new QFrame(this);
  mainPanel_->setObjectName(QStringLiteral("MainPanel"));
  mainPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  mainPanel_->setLineWidth(kFrameWidth);
  PanelCommon::paintBackground(mainPanel_, QColor(kGrey));
  mainPanel_->setGeometry(0, 0, ClientWidth, ClientHeight);

  image1_ = new QLabel(mainPanel_);
  image1_->setObjectName(QStringLiteral("Image1"));
  image1_->setPixmap(PanelArt::frontPlate());
  image1_->setGeometry(mainPanel_->contentsRect());
  PanelCommon::onClick(image1_, [this] { Image1Click(image1_); });

  const QIcon glyph(PanelArt::portGlyph());
  for (int n = 1; n <= PortCount; ++n) {
    auto* button = new QToolButton(mainPanel_);
    button->setObjectName(QStringLiteral("SB_Port%1").arg(n));
    button->setProperty(PanelCommon::TagProperty, n);
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setIcon(glyph);
    button->setIconSize(PanelArt::portGlyph().size());
    connect(button, &QToolButton::clicked, this, [this, button] { SB_Port1Click(button); });
    PanelCommon::onDoubleClick(button, [this, button] { SB_Port1DblClick(button); });
  }

  const QColor grey(kGrey);
  using PanelCommon::makePanel;
  powerLedPanel_ = makePanel(mainPanel_, QStringLiteral("PowerLedPanel"), grey, kRaisedPanel);
  consoleLedPanel_ = makePanel(mainPanel_, QStringLiteral("ConsoleLedPanel"), grey, kRaisedPanel);
  for (int k = 1; k <= 2; ++k) makePanel(mainPanel_, QStringLiteral("OddLinkPanel%1").arg(k), grey, kRaisedPanel);

  for (int slot = 1; slot <= 2; ++slot) {
    QFrame* panel = makePanel(
        mainPanel_, slot == 1 ? QStringLiteral("SlotPanel") : QStringLiteral("SlotPanel2"),
        Qt::black, kRaisedPanel);
    panel->setFrameShape(QFrame::NoFrame);
    auto* fill = new QVBoxLayout(panel);  // an embedded module panel fills the slot
    fill->setContentsMargins(0, 0, 0, 0);
    auto* text = new QLabel(QStringLiteral("ST_Module%1").arg(slot), panel);
    text->setObjectName(QStringLiteral("ST_Module%1").arg(slot));
    text->setGeometry(8, 8, 112, 17);
    PanelCommon::paintBackground(text, Qt::black, Qt::black);  // unreadable on purpose: a module covers it
    (slot == 1 ? slotPanel_ : slotPanel2_) = panel;
    (slot == 1 ? stModule1_ : stModule2_) = text;
  }
  placeComponents();
}

TKX760PanelForm::~TKX760PanelForm() {
  // The module types' answer must not embed a module into a panel on its way out, also while
  // the LEDs' release waits for their last poll.
  if (types_) {
    types_->OnRefreshDone = nullptr;
    types_->Stop();
  }
  PanelCommon::releaseLedBinding(leds_);
}

QToolButton* TKX760PanelForm::PortButton(int port) const {
  return mainPanel_->findChild<QToolButton*>(QStringLiteral("SB_Port%1").arg(port));
}

void TKX760PanelForm::placeComponents() {
  slotPanel_->setGeometry(kSlot1);
  slotPanel2_->setGeometry(kSlot2);
  powerLedPanel_->setGeometry(kPowerLed);
  consoleLedPanel_->setGeometry(kConsoleLed);
  for (int n = 1; n <= PortCount; ++n) {
    if (QToolButton* button = PortButton(n))
      button->setGeometry(QRect(portButtonPlace(n), kPortButton));
  }
  for (int k = 1; k <= 2; ++k) {
    if (auto* panel = mainPanel_->findChild<QFrame*>(QStringLiteral("OddLinkPanel%1").arg(k)))
      panel->setGeometry(QRect(QPoint(kLinkPanelLeft[k - 1], kLinkPanelTop), kLinkPanel));
  }
}

void TKX760PanelForm::addLeds() {
  struct Row {
    const char* octets;
    const MvSNMPLedColorMapList* colours;
    QFrame* panel;
    int left;
    int size;
  };
  auto* link1 = mainPanel_->findChild<QFrame*>(QStringLiteral("OddLinkPanel1"));
  auto* link2 = mainPanel_->findChild<QFrame*>(QStringLiteral("OddLinkPanel2"));
  // A port's link LED reads the first of its two state bytes, octet 2p.
  const Row rows[] = {
      {"0", &SystemLedColours, powerLedPanel_, 1, 5},
      {"1", &SystemLedColours, consoleLedPanel_, 1, 5},
      {"2,4,6,8,10,12,14,16", &PortLedColours, link1, 7, 6},
      {"18,20,22,24,26,28,30,32", &PortLedColours, link2, 7, 6},
  };
  constexpr int kGap = 10;
  for (const Row& row : rows)
    leds_->AddLedRow(0, QString::fromLatin1(row.octets), row.colours, row.panel, row.left, kGap,
                     MvSNMPLedShape::Kind::Rectangle, row.size, row.size);
}

void TKX760PanelForm::detectModules() {
  // Asynchronous, so that the set-up goes on at once (the LED polls start) and no wait holds the
  // window while the device is slow or silent. The slots are filled when the answer arrives.
  if (!types_) {
    types_ = PanelCommon::makeModuleTypeBinding(this, stModule1_, stModule2_, host_.statusBar.data());
    types_->SetAsynchronous(true);
    types_->OnRefreshDone = [this](MvSNMPRequest2Controls*, const MvSNMPError& error) {
      // After a failure the texts keep what they held, which names no module: the empty slots
      // stay empty, and the types are read again once the device answers a poll.
      detectAgain_ = !error.ok();
      for (int slot : {1, 2})
        if (!modules_[slot - 1]) embedModule(slot);
      modulesRead_ = true;
    };
  }
  if (types_->Busy()) return;
  types_->Request().loadDeviceTarget();  // each read as a new request would: the target as it is now
  try {
    if (!types_->Refresh()) detectAgain_ = true;
  } catch (const MvException& e) {
    types_->ShowStatus(e.message());
    detectAgain_ = true;
    modulesRead_ = true;
  }
}

void TKX760PanelForm::embedModule(int slot) {
  QFrame* panel = SlotPanel(slot);
  std::unique_ptr<TModulePanelForm> module =
      CreateModulePanel(ModuleText(slot)->text(), host_, slot);
  if (!module) {
    panel->hide();
    return;
  }
  module->move(0, 0);
  module->setParent(panel);
  TModulePanelForm* embedded = module.release();  // owned by the slot panel from here
  modules_[slot - 1] = embedded;
  panel->layout()->addWidget(embedded);
  panel->show();
  embedded->show();
  embedded->SpeedButton1()->setProperty(PanelCommon::TagProperty, PortCount + slot);
}

void TKX760PanelForm::FormActivate() {
  if (activated_) return;
  activated_ = true;
  try {
    setUp();
  } catch (const MvException& e) {
    // As the host reports an error while showing the panel.
    if (leds_)
      leds_->ShowStatus(e.message());
    else
      host_.showError(e.message());
  }
}

void TKX760PanelForm::setUp() {
  placeComponents();
  leds_ = PanelCommon::makeLedBinding(this, LedTimeout);
  addLeds();
  // Polls answer after the set-up has returned. The status bar keeps their lines out of sight,
  // so whether the device can be read shows in the first status panel: a failing poll leaves
  // its message there, and the next good poll takes that message away again.
  leds_->OnRefreshDone = [this](MvSNMPRequest2Controls*, const MvSNMPError& error) {
    if (!error.ok()) {
      host_.showError(error.message);
      shownPollError_ = error.message;
      // A device that stopped answering may come back with other modules.
      detectAgain_ = true;
    } else {
      if (!shownPollError_.isEmpty()) {
        if (host_.statusPanel && host_.statusPanel->text() == shownPollError_) host_.showError(QString());
        shownPollError_.clear();
      }
      // The device answers again: a module missed while it was away appears now. The read runs
      // after this completion has returned, as the LED binding is still busy here.
      if (detectAgain_) {
        detectAgain_ = false;
        detectModules();
      }
    }
  };
  try {
    detectModules();
    // Attached before the first poll, so that every failed poll leaves its status line.
    leds_->SetStatusTarget(host_.statusBar.data());
    leds_->StartPolling(PollPeriod);
  } catch (const MvException& e) {
    host_.showError(e.message());
  }
}

void TKX760PanelForm::SB_Port1Click(QObject* sender) {
  pressed_.press(qobject_cast<QAbstractButton*>(sender));
}

void TKX760PanelForm::SB_Port1DblClick(QObject*) {
  // The click of the double-click's first half has selected this button's port.
  PanelCommon::openPortControl(host_, SelectedPort);
}

void TKX760PanelForm::Image1Click(QObject*) {
  pressed_.release();
}

void TKX760PanelForm::FormClose() {
  PanelCommon::releaseLedBinding(leds_);
}

void TKX760PanelForm::showEvent(QShowEvent* event) {
  QFrame::showEvent(event);
  if (activated_) return;
  // The set-up reads from the agent: it runs once the panel is on screen.
  QMetaObject::invokeMethod(
      this, [this] { FormActivate(); }, Qt::QueuedConnection);
}

void TKX760PanelForm::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}
