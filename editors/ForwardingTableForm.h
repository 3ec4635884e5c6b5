// TForwarding_Table: the bridge's forwarding database (dot1dTpFdbTable), the MAC addresses the
// switch has learned and the port behind each. Read-only; rows appear as the walk proceeds.
#pragma once

#include "editors/DedicatedForm.h"

class TForwarding_Table : public TDedicatedForm {
 public:
  // A large table on a busy switch: each request may wait this long (hundredths of a second).
  static constexpr int RequestTimeout = 1000;

  explicit TForwarding_Table(QWidget* owner);

  void FormCreate();
  void BT_GetClick();

  QTreeWidget* ListView() const { return list_; }
  QLabel* StatusPanel() const { return panel_; }
  QPushButton* GetButton() const { return getBtn_; }
  MvSNMPRequest2Edits* Binding() const { return binding_; }

 private:
  QTreeWidget* list_ = nullptr;
  QLabel* panel_ = nullptr;
  QPushButton* getBtn_ = nullptr;
  MvSNMPRequest2Edits* binding_ = nullptr;
};
