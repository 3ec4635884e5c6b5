// TVlanStaticForm: the device's static VLANs (dot1qVlanStaticTable). The user creates a VLAN, changes
// its name and port membership on three port grids (egress, tagged, untagged), and deletes it;
// each is one set request of the row's name, port lists and row status.
#pragma once

#include "editors/DedicatedForm.h"

class QComboBox;
class QLineEdit;
class TPortUitForm;

class TVlanStaticForm : public TDedicatedForm {
 public:
  static constexpr int DesignedWidth = 693;
  static constexpr int DesignedHeight = 566;
  // VlanId (1..4094) and dot1qVlanStaticName, SnmpAdminString (SIZE (0..32)).
  static constexpr int FirstVlan = 1;
  static constexpr int LastVlan = 4094;
  static constexpr int MaxNameLength = 32;
  enum Page { Egress = 0, Tagged = 1, Untagged = 2 };

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
  // The VLAN ID and name read strictly; false (with the field named) when one does not read.
  bool checkFields();
  // Set, Add and Delete: one apply of the row with `status` selected in the Status list (the
  // list shows the row's own status again once the request is built). Once the agent has taken
  // it, `done` runs and the table is read again, the row of `select` (a VLAN ID, if any) then
  // selected; a refused apply shows the agent's error and leaves every field as it was.
  void apply(int status, std::function<void()> done, const QString& select);
  // A box of a port page ticked or unticked by the user: the other pages follow, so that the
  // tagged ports stay the members that are not untagged.
  void portClicked(int page, int box, bool on);

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
