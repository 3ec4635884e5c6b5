// TVlanStaticForm: the device's static VLANs (dot1qVlanStaticTable). The user creates a VLAN, changes
// its name and port membership on three port grids (egress, tagged, untagged), and deletes it;
// each is one set request of the row's name, port lists and row status.
#pragma once

#include "DedicatedForm.h"

class QComboBox;
class QLineEdit;

class TVlanStaticForm : public TDedicatedForm {
 public:
  static constexpr int DesignedWidth = 693;
  static constexpr int DesignedHeight = 566;

  explicit TVlanStaticForm(QWidget* owner);

  void FormCreate();
  void RefreshBtnClick();
  void SetBtnClick();
  void AddBtnClick();
  void DeleteBtnClick();
  void LV_dot1qVlanStaticEntryClick();
  void LV_dot1qVlanStaticEntryChange();

  QTreeWidget* ListView() const { return list_; }
  QLineEdit* VlanIdEdit() const { return edVlanId_; }
  QLineEdit* VlanNameEdit() const { return edVlanName_; }
  QComboBox* StatusCombo() const { return status_; }
  QLabel* NextFreeText() const { return nextFree_; }
  QLabel* CountText() const { return count_; }
  // 0 egress, 1 tagged, 2 untagged.
  TPortUitForm* Grid(int page) const { return grids_[page]; }
  QPlainTextEdit* Memo() const { return memo_; }
  QPushButton* RefreshButton() const { return refreshBtn_; }
  QPushButton* SetButton() const { return setBtn_; }
  QPushButton* AddButton() const { return addBtn_; }
  QPushButton* DeleteButton() const { return deleteBtn_; }
  MvSNMPRequest2Edits* TableBinding() const { return table_; }
  MvSNMPRequest2Edits* NextFreeBinding() const { return nextFreeBinding_; }

 protected:
  void FormClose() override;

 private:
  void clearEditor();
  void idleButtons();
  // Set, Add and Delete: apply with refresh after, then an empty editor.
  void applyAndClear();

  QTreeWidget* list_ = nullptr;
  QLineEdit* edVlanId_ = nullptr;
  QLineEdit* edVlanName_ = nullptr;
  QComboBox* status_ = nullptr;
  QLabel* nextFree_ = nullptr;
  QLabel* count_ = nullptr;
  TPortUitForm* grids_[3] = {};
  QPlainTextEdit* memo_ = nullptr;
  QPushButton* refreshBtn_ = nullptr;
  QPushButton* setBtn_ = nullptr;
  QPushButton* addBtn_ = nullptr;
  QPushButton* deleteBtn_ = nullptr;
  MvSNMPRequest2Edits* table_ = nullptr;
  MvSNMPRequest2Edits* nextFreeBinding_ = nullptr;
};
