// TGuestVlanForm: the device's guest VLAN, its name and member ports, and its deletion. Three
// bindings over the same object group: one edits, one reads back the name as the device holds it
// (so an unchanged name is not written again), one triggers the deletion.
#pragma once

#include "editors/DedicatedForm.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class TPortUitForm;

class TGuestVlanForm : public TDedicatedForm {
 public:
  // Every request of the form waits this long per try (hundredths of a second).
  static constexpr int RequestTimeout = 300;
  static constexpr int MaxNameLength = 32;  // the device's guest VLAN name holds 0 to 32 characters

  explicit TGuestVlanForm(QWidget* owner);

  void FormCreate();
  void BT_GetClick();
  void SetBtnClick();
  void DelBtnClick();

  QLineEdit* NameEdit() const { return edtName_; }
  QLineEdit* DeviceNameEdit() const { return edit1_; }
  QComboBox* DeleteCombo() const { return cbxDel_; }
  TPortUitForm* Grid() const { return grid_; }
  QLabel* StatusPanel() const { return panel_; }
  QPushButton* GetButton() const { return btGet_; }
  QPushButton* SetButton() const { return setBtn_; }
  QPushButton* DeleteButton() const { return delBtn_; }
  QPushButton* CloseButton() const { return btClose_; }
  MvSNMPRequest2Edits* EditBinding() const { return edit_; }
  MvSNMPRequest2Edits* NameBinding() const { return name_; }
  MvSNMPRequest2Edits* DeleteBinding() const { return delete_; }

 protected:
  void FormClose() override;

 private:
  void showMessage(const QString& message);

  QLineEdit* edtName_ = nullptr;
  QLineEdit* edit1_ = nullptr;
  QComboBox* cbxDel_ = nullptr;
  QGroupBox* portBox_ = nullptr;
  TPortUitForm* grid_ = nullptr;
  QStatusBar* statusBar_ = nullptr;
  QLabel* panel_ = nullptr;
  QPushButton* btGet_ = nullptr;
  QPushButton* setBtn_ = nullptr;
  QPushButton* delBtn_ = nullptr;
  QPushButton* btClose_ = nullptr;
  MvSNMPRequest2Edits* edit_ = nullptr;
  MvSNMPRequest2Edits* name_ = nullptr;
  MvSNMPRequest2Edits* delete_ = nullptr;
};
