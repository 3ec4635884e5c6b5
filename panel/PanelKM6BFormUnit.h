// TPanelKM6BForm: the KM-6B uplink module (one port with speed, link and activity LEDs) in a
// slot of the front panel.
#pragma once

#include <QPointer>

#include "panel/ModulePanelForm.h"

class TPanelKM6BForm : public TModulePanelForm {
 public:
  static const ModulePanelLayout Design;

  TPanelKM6BForm(const PanelHost& host, int slot, QWidget* parent = nullptr)
      : TModulePanelForm(Design, host, slot, parent) {}
};

// The KM-6B panel created last.
extern QPointer<TPanelKM6BForm> PanelKM6BForm;
