#include "bind/MvSNMPRequest2Leds.h"

#include <QFrame>

#include "mvsnmp/MvNumList.h"
#include "mvsnmp/MvOptionList.h"
#include "bind/MvSNMPLedColorMapList.h"
#include "bind/MvSNMPRequest2RawValue.h"

namespace {
constexpr int kIndexOutOfRange = -519;
constexpr int kBadItemIndex = -12;
}  // namespace

MvSNMPRequest2Leds::MvSNMPRequest2Leds(QWidget* owner)
    : MvSNMPRequest2Controls(owner),
      pollTimer_(new QTimer(owner)),
      blinkTimer_(new QTimer(owner)) {
  pollConnection_ = QObject::connect(pollTimer_, &QTimer::timeout, this, [this] { Poll(); });
  blinkConnection_ = QObject::connect(blinkTimer_, &QTimer::timeout, this, [this] { BlinkStep(); });
  blinkTimer_->start(BlinkIntervalMs);
  // A poll that times out is not sent again: the next poll follows anyway, and its failure
  // should reach the LEDs and the status line without waiting for more tries.
  Request().readResends = 0;
}

MvSNMPRequest2Leds::~MvSNMPRequest2Leds() {
  StopPolling();
  QObject::disconnect(pollConnection_);
  QObject::disconnect(blinkConnection_);
}

void MvSNMPRequest2Leds::paint(Led& led, qint32 colour) {
  if (!led.shape) return;
  const QColor c = MvSNMPLedColorMapList::ToQColor(colour);
  led.shape->setColors(c, c);
  led.shape->show();
}

void MvSNMPRequest2Leds::AddLed(int item, int byteIndex, const MvSNMPLedColorMapList* map,
                                MvSNMPLedShape* shape) {
  if (item < 0 || item >= Request().varList.count() || !map) raiseError(kBadItemIndex);
  if (byteIndex < 0) raiseError(kIndexOutOfRange);
  Led led;
  led.item = item;
  led.byteIndex = byteIndex;
  led.map = map;
  led.shape = shape;
  led.colour = map->OffColour();
  paint(led, led.colour);
  leds_.push_back(led);
}

void MvSNMPRequest2Leds::AddLedRow(int item, const QString& byteIndexList,
                                   const MvSNMPLedColorMapList* map, QFrame* panel, int left,
                                   int gap, MvSNMPLedShape::Kind kind, int width, int height) {
  MvUIntList indexes;
  indexes.delimiter = QLatin1Char(',');
  indexes.parse(byteIndexList);
  if (panel) panel->setFrameShape(QFrame::NoFrame);
  for (int i = 0; i < indexes.count(); ++i) {
    auto* shape = new MvSNMPLedShape(panel, kind);  // owned by the panel, and so by the form
    shape->setGeometry(left + i * (gap + width), 1, width, height);
    shape->show();
    AddLed(item, static_cast<int>(indexes.value(i)), map, shape);
  }
}

void MvSNMPRequest2Leds::StartPolling(int period) {
  if (blinkTimer_ && !blinkTimer_->isActive()) blinkTimer_->start(BlinkIntervalMs);
  if (pollTimer_) pollTimer_->start(period * 10);
  try {
    Refresh();
  } catch (const MvException&) {
    ResetLeds();
    throw;
  }
}

void MvSNMPRequest2Leds::StopPolling() {
  if (pollTimer_) pollTimer_->stop();
  if (blinkTimer_) blinkTimer_->stop();
  ResetLeds();
}

void MvSNMPRequest2Leds::Poll() {
  // A tick that comes while an operation runs (a blocking poll waits in a nested loop) is
  // skipped: two polls never overlap.
  if (Busy()) return;
  try {
    Refresh();
  } catch (const MvException& e) {
    ResetLeds();
    SetLastOperation(Operation::Get);
    ShowStatus(e.message());
  }
}

void MvSNMPRequest2Leds::ResetLeds() {
  for (Led& led : leds_) {
    led.blinking = false;
    led.colour = led.map->OffColour();
    paint(led, led.colour);
  }
}

void MvSNMPRequest2Leds::RowReceived() {
  blinkCount_ = 0;
  try {
    for (Led& led : leds_) EvaluateLed(led);
  } catch (const MvException&) {
    ResetLeds();
    throw;
  }
  BlinkStep();
}

void MvSNMPRequest2Leds::EvaluateLed(Led& led) {
  const SnmpVarItem& it = Request().varList.item(led.item);
  const QString text = it.options ? it.options->valueOf(it.value) : it.value;
  const QByteArray raw = MvSNMPRequest2RawValue::toRaw(text, it.syntax);
  if (led.byteIndex < raw.size()) {
    const auto b = static_cast<quint8>(raw.at(led.byteIndex));
    led.colour = led.map->Lookup(b & led.map->ValueMask());
    led.blinking = (b & led.map->BlinkMask()) != 0;
  } else {
    if (led.map->MissingColour() == MvSNMPLedColorMapList::NoColour) raiseError(kIndexOutOfRange);
    led.colour = led.map->MissingColour();
    led.blinking = false;
  }
}

void MvSNMPRequest2Leds::BlinkStep() {
  bool anyBlinking = false;
  for (Led& led : leds_) {
    if (!led.blinking) {
      paint(led, led.colour);
      continue;
    }
    anyBlinking = true;
    const bool showsOff =
        !led.shape || led.shape->brushColor() == MvSNMPLedColorMapList::ToQColor(led.map->OffColour());
    paint(led, showsOff || blinkCount_ > blinkLimit_ ? led.colour : led.map->OffColour());
  }
  if (anyBlinking) ++blinkCount_;
}

void MvSNMPRequest2Leds::RefreshFailed(const MvSNMPError& error) {
  ResetLeds();
  // A status line only: a failed poll never opens a message box.
  SetLastOperation(Operation::Get);
  ShowStatus(error.message);
}
