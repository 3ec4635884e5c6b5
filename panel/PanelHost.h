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
  // The model the program manages ("KX-760"): only the KX-760 and KY-760 have the module slots
  // whose LEDs the module panels show.
  QString modelName;

  // Writes a caught error's message into the first status panel, if there is one.
  void showError(const QString& message) const {
    if (statusPanel) statusPanel->setText(message);
  }
};
