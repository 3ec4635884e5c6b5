// The LED binding: polls a variable whose octet-string value holds one state byte per LED and
// colours each LED shape from its byte through a colour map; LEDs whose byte has the blink bit
// blink for a few steps after every poll.
#pragma once

#include <QPointer>
#include <QString>
#include <QTimer>
#include <vector>

#include "bind/MvSNMPLedShape.h"
#include "bind/MvSNMPRequest2Controls.h"

class MvSNMPLedColorMapList;
class QFrame;

class MvSNMPRequest2Leds : public MvSNMPRequest2Controls {
 public:
  static constexpr int BlinkIntervalMs = 60;

  struct Led {
    int item = 0;
    int byteIndex = 0;
    const MvSNMPLedColorMapList* map = nullptr;  // not owned
    QPointer<MvSNMPLedShape> shape;              // not owned
    bool blinking = false;
    qint32 colour = 0;
  };

  // Creates the poll timer (stopped) and the blink timer (running), both owned by the owner.
  explicit MvSNMPRequest2Leds(QWidget* owner);
  // Stops polling; the shapes and timers stay with the owner form.
  ~MvSNMPRequest2Leds() override;

  // An LED at a byte of the item's value, shown in its map's off colour.
  void AddLed(int item, int byteIndex, const MvSNMPLedColorMapList* map, MvSNMPLedShape* shape);
  // One shape per byte index of the list ("2,4,6"), made in the panel at left + i x (gap +
  // width), top 1; the panel loses its frame.
  void AddLedRow(int item, const QString& byteIndexList, const MvSNMPLedColorMapList* map,
                 QFrame* panel, int left, int gap, MvSNMPLedShape::Kind kind, int width,
                 int height);

  // Polls every `period` hundredths of a second, the first poll at once: its error resets the
  // LEDs and is raised to the caller.
  void StartPolling(int period);
  // Stops both timers and shows every LED dark.
  void StopPolling();
  // One poll, as the poll timer runs it: nothing while the binding is busy; errors reset the
  // LEDs and go to the status target.
  void Poll();
  // One blink step, as the blink timer runs it.
  void BlinkStep();
  // Every LED dark, not blinking.
  void ResetLeds();

  const std::vector<Led>& Leds() const { return leds_; }
  int BlinkLimit() const { return blinkLimit_; }
  void SetBlinkLimit(int limit) { blinkLimit_ = limit; }
  int BlinkCount() const { return blinkCount_; }
  QTimer* PollTimer() const { return pollTimer_; }
  QTimer* BlinkTimer() const { return blinkTimer_; }

 protected:
  void RowReceived() override;
  void RefreshFailed(const MvSNMPError& error) override;
  virtual void EvaluateLed(Led& led);

 private:
  void paint(Led& led, qint32 colour);

  std::vector<Led> leds_;
  QPointer<QTimer> pollTimer_;
  QPointer<QTimer> blinkTimer_;
  QMetaObject::Connection pollConnection_;
  QMetaObject::Connection blinkConnection_;
  int blinkLimit_ = 6;
  int blinkCount_ = 0;
};
