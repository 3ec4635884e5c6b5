// TPanel1KM5BForm: the KM-5B uplink module (one port, its activity LED) in a
// slot of the front panel.
#pragma once

#include <QPointer>

#include "panel/ModulePanelForm.h"

class TPanel1KM5BForm : public TModulePanelForm {
 public:
  static const ModulePanelLayout Design;

  TPanel1KM5BForm(const PanelHost& host, int slot, QWidget* parent = nullptr)
      : TModulePanelForm(Design, host, slot, parent) {}
};

// The KM-5B panel created last.
extern QPointer<TPanel1KM5BForm> Panel1KM5BForm;
