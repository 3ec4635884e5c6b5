// The static filtering tables of the Q-BRIDGE-MIB: TUnicastFilterInformationForm (for a VLAN and a
// unicast MAC address, the one port its frames may go to) and TMulticastFilterInformationForm
// (for a VLAN and a multicast MAC address, the egress ports). Both show the table, take the row
// key from two edits and edit the port list on a port grid; they differ in how a row is written.
#pragma once

#include "editors/DedicatedForm.h"

class QComboBox;
class QLineEdit;
class TPortUitForm;

// What the two forms share: the list view, the VLAN and MAC edits, the status drop-down list, the
// grid, the row count and the memo, bound the same way.
class TStaticFilterForm : public TDedicatedForm {
 public:
  // Items of both lists.
  enum Item { VlanKey = 0, MacKey = 1, ReceivePortKey = 2, PortList = 3, RowStatus = 4 };

  QTreeWidget* ListView() const { return list_; }
  QLineEdit* VlanEdit() const { return vid_; }
  QLineEdit* MacEdit() const { return mac_; }
  QComboBox* StatusCombo() const { return status_; }
  TPortUitForm* Grid() const { return grid_; }
  QLabel* CountText() const { return count_; }
  QPlainTextEdit* Memo() const { return memo_; }
  QPushButton* RefreshButton() const { return refreshBtn_; }
  MvSNMPRequest2Edits* Binding() const { return binding_; }

 protected:
  struct Names {
    const char* list;
    const char* listView;
    const char* vid;
    const char* mac;
    const char* macLabel;
    const char* status;
  };
  TStaticFilterForm(QWidget* owner, const QString& caption, const Names& names);
  // Builds the grid in `gridParent`, binds everything and reads the table; false after an error
  // (shown as the binding's status line).
  bool bindAndRefresh(QWidget* gridParent);
  // The fields, buttons and grid laid out around the list view.
  void layOut(QWidget* gridHolder, const QList<QPushButton*>& buttons, bool countLabel);
  // The item travels in no PDU while excluded; included, it is read-write again.
  void exclude(int item);
  void include(int item);
  void showCount();
  void appendLine(const QString& message);
  // The VLAN and MAC edits read strictly (a VLAN from 1 to 4094, a MAC address with or without
  // separators); false, with the field named, when one does not read.
  bool checkKeys();
  // Reads the table again once a write has gone through; `then` runs when the walk has ended (an
  // error raised while starting it is appended as a bare line).
  void refreshThen(std::function<void()> then);
  // Each form's own emptied editor.
  virtual void clearEditor() = 0;
  // After a write the agent took: an empty editor, the table read again, then the row count.
  void written();

  QTreeWidget* list_ = nullptr;
  QLineEdit* vid_ = nullptr;
  QLineEdit* mac_ = nullptr;
  QComboBox* status_ = nullptr;
  TPortUitForm* grid_ = nullptr;
  QLabel* count_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;
  QPushButton* refreshBtn_ = nullptr;
  MvSNMPRequest2Edits* binding_ = nullptr;

 private:
  const char* listName_;
  const char* macLabel_;
};

class TUnicastFilterInformationForm : public TStaticFilterForm {
 public:
  explicit TUnicastFilterInformationForm(QWidget* owner);

  void FormCreate();
  void RefreshBtnClick();
  void SetBtnClick();  // "Add"
  void DeleteBtnClick();
  void LV_dot1qStaticUnicastEntryClick();
  void LV_dot1qStaticUnicastEntryChange();

  QPushButton* AddButton() const { return setBtn_; }
  QPushButton* DeleteButton() const { return deleteBtn_; }

 private:
  void clearEditor() override;

  QPushButton* setBtn_ = nullptr;
  QPushButton* deleteBtn_ = nullptr;
};

class TMulticastFilterInformationForm : public TStaticFilterForm {
 public:
  explicit TMulticastFilterInformationForm(QWidget* owner);

  void FormCreate();
  void RefreshBtnClick();
  void AddBtnClick();
  void SetBtnClick();
  void btnDeleteClick();
  void LV_dot1qStaticMulticastEntryClick();
  void LV_dot1qStaticMulticastEntryChange();

  QPushButton* AddButton() const { return addBtn_; }
  QPushButton* SetButton() const { return setBtn_; }
  QPushButton* DeleteButton() const { return deleteBtn_; }

 private:
  void clearEditor() override;
  // The second request of Add: the egress ports of the row the first one created; the editor is
  // emptied only once both have gone through.
  void sendEgress(const MvSNMPError& creation);


  QPushButton* addBtn_ = nullptr;
  QPushButton* setBtn_ = nullptr;
  QPushButton* deleteBtn_ = nullptr;
};
