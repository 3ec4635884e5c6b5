// TVLanCurrentTableForm: the VLANs in force on the device (dot1qVlanCurrentTable) and the number of
// VLAN deletions, read-only; the selected VLAN's egress and untagged ports show as ticks.
#pragma once

#include "editors/DedicatedForm.h"

class TPortUitForm;

class TVLanCurrentTableForm : public TDedicatedForm {
 public:
  explicit TVLanCurrentTableForm(QWidget* owner);

  void FormCreate();
  void RefreshBtnClick();
  void LV_dot1qVlanCurrentEntryClick();
  void LV_dot1qVlanCurrentEntryChange();

  QTreeWidget* ListView() const { return list_; }
  QLabel* DeletesText() const { return numDeletes_; }
  QLabel* VlanIndexText() const { return vlanIndex_; }
  QLabel* CountText() const { return count_; }
  // 0 egress, 1 untagged.
  TPortUitForm* Grid(int page) const { return grids_[page]; }
  QPlainTextEdit* Memo() const { return memo_; }
  QPushButton* RefreshButton() const { return refreshBtn_; }
  MvSNMPRequest2Edits* TableBinding() const { return table_; }
  MvSNMPRequest2Edits* DeletesBinding() const { return deletes_; }

 protected:
  void FormClose() override;

 private:
  void clearSelectionDisplay();

  QTreeWidget* list_ = nullptr;
  QLabel* numDeletes_ = nullptr;
  QLabel* vlanIndex_ = nullptr;
  QLabel* count_ = nullptr;
  TPortUitForm* grids_[2] = {};
  QPlainTextEdit* memo_ = nullptr;
  QPushButton* refreshBtn_ = nullptr;
  MvSNMPRequest2Edits* table_ = nullptr;
  MvSNMPRequest2Edits* deletes_ = nullptr;
};
