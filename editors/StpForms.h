// The spanning-tree dialogs: TSTP_Info, the bridge-wide settings with the IEEE 802.1D timer
// relations checked before writing, and TSTP_Port, the per-port settings in a table.
#pragma once

#include "editors/DedicatedForm.h"

class QComboBox;
class QLineEdit;

class TSTP_Info : public TDedicatedForm {
 public:
  enum Item { Version = 0, Priority = 1, MaxAge = 2, HelloTime = 3, ForwardDelay = 4, TxHoldCount = 5 };
  static constexpr int RequestTimeout = 300;

  explicit TSTP_Info(QWidget* owner);

  void FormCreate();
  void BT_GetClick();
  void BT_SetClick();

  QComboBox* VersionCombo() const { return version_; }
  // By item: Priority, MaxAge, HelloTime, ForwardDelay, TxHoldCount.
  QLineEdit* Edit(Item item) const { return edits_[item - 1]; }
  QLabel* StatusPanel() const { return panel_; }
  QPushButton* GetButton() const { return getBtn_; }
  QPushButton* SetButton() const { return setBtn_; }
  MvSNMPRequest2Edits* Binding() const { return binding_; }

 private:
  QComboBox* version_ = nullptr;
  QLineEdit* edits_[5] = {};
  QLabel* panel_ = nullptr;
  QPushButton* getBtn_ = nullptr;
  QPushButton* setBtn_ = nullptr;
  MvSNMPRequest2Edits* binding_ = nullptr;
};

class TSTP_Port : public TDedicatedForm {
 public:
  explicit TSTP_Port(QWidget* owner);

  void FormCreate();
  void BT_GetClick();
  void BT_SetClick();
  void LV_STP_PortClick();

  // The row selected last, kept for the program's life; -1 before any.
  static int LastStpPortRow;

  QTreeWidget* ListView() const { return list_; }
  QLineEdit* PriorityEdit() const { return priority_; }
  QLineEdit* PathCostEdit() const { return pathCost_; }
  QComboBox* StateCombo() const { return state_; }
  QComboBox* MigrationCombo() const { return migration_; }
  QComboBox* EdgeCombo() const { return edge_; }
  QComboBox* PointToPointCombo() const { return p2p_; }
  QLabel* StatusPanel() const { return panel_; }
  QPushButton* GetButton() const { return getBtn_; }
  QPushButton* SetButton() const { return setBtn_; }
  MvSNMPRequest2Edits* Binding() const { return binding_; }

 private:
  QTreeWidget* list_ = nullptr;
  QLineEdit* priority_ = nullptr;
  QLineEdit* pathCost_ = nullptr;
  QComboBox* state_ = nullptr;
  QComboBox* migration_ = nullptr;
  QComboBox* edge_ = nullptr;
  QComboBox* p2p_ = nullptr;
  QLabel* panel_ = nullptr;
  QPushButton* getBtn_ = nullptr;
  QPushButton* setBtn_ = nullptr;
  MvSNMPRequest2Edits* binding_ = nullptr;
};
