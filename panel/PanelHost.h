// What the front panel and the module panels take from the window that hosts them: that window
// sits above this layer, so it hands these over when it creates the front panel.
#pragma once

#include <QLabel>
#include <QPointer>
#include <QStatusBar>
#include <QString>

struct PanelHost {
  // The status target of the LED polls and the module detection.
  QPointer<QStatusBar> statusBar;
  // The status bar's first panel: caught error messages go there, as the user sees them.
  QPointer<QLabel> statusPanel;
  // The device address that ends the caption of every window the panels open.
  QString addressText;
  // The module-type texts of slots 1 and 2 that the host read from the device when it was
  // created; the module panels compare them with their own module label.
  QPointer<QLabel> moduleText1;
  QPointer<QLabel> moduleText2;
  // The model the program manages ("KX-760"): only the KX-760 and KY-760 have the module slots
  // whose LEDs the module panels show.
  QString modelName;

  QLabel* moduleText(int slot) const { return slot == 1 ? moduleText1 : moduleText2; }
  // Writes a caught error's message into the first status panel, if there is one.
  void showError(const QString& message) const {
    if (statusPanel) statusPanel->setText(message);
  }
};
