// Keeps top-level windows on screen: a window or dialog is moved (and, where it may be resized,
// shrunk) so that it opens wholly inside the available geometry of its screen, whatever it was
// centred on and whatever the scale factor.
#pragma once

#include <QObject>

class QWidget;

// Moves `window` (a top-level widget) into its screen's available geometry, shrinking it first
// when it is larger and its minimum size allows.
void fitToScreen(QWidget* window);

// An application-wide filter that fits every top-level window when it is shown.
class ScreenFit : public QObject {
 public:
  // Installs one filter on the running application (a second call does nothing).
  static void install();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using QObject::QObject;
};
