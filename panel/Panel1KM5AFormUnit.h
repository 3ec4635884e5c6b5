// TPanel1KM5AForm: the KM-5A uplink module (one port, its activity LED) in a
// slot of the front panel.
#pragma once

#include <QPointer>

#include "panel/ModulePanelForm.h"

class TPanel1KM5AForm : public TModulePanelForm {
 public:
  static const ModulePanelLayout Design;

  TPanel1KM5AForm(const PanelHost& host, int slot, QWidget* parent = nullptr)
      : TModulePanelForm(Design, host, slot, parent) {}
};

// The KM-5A panel created last.
extern QPointer<TPanel1KM5AForm> Panel1KM5AForm;
