// TPanelKM6AForm: the KM-6A uplink module (one port, its activity LED) in a
// slot of the front panel.
#pragma once

#include <QPointer>

#include "panel/ModulePanelForm.h"

class TPanelKM6AForm : public TModulePanelForm {
 public:
  static const ModulePanelLayout Design;

  TPanelKM6AForm(const PanelHost& host, int slot, QWidget* parent = nullptr)
      : TModulePanelForm(Design, host, slot, parent) {}
};

// The KM-6A panel created last.
extern QPointer<TPanelKM6AForm> PanelKM6AForm;
