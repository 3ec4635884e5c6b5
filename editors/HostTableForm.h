// THostTableForm: the trusted management hosts (up to ten addresses with their masks that may
// manage the switch), with THostTableEditForm, the dialog that adds one.
#pragma once

#include "editors/DedicatedForm.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class THostTableEditForm;

class THostTableForm : public TDedicatedForm {
 public:
  enum Item { Index = 0, Address = 1, RowStatus = 2, Mask = 3 };
  static constexpr int MaxIndex = 10;  // entry indexes 1 to 10

  explicit THostTableForm(QWidget* owner);
  ~THostTableForm() override;

  void FormCreate();
  void GetButtonClick();
  void AddButtonClick();
  void DeleteButtonClick();
  void ListView1SelectItem();
  void ListView1Change();

  QTreeWidget* ListView() const { return list_; }
  QPlainTextEdit* Memo() const { return memo_; }
  QLabel* CountText() const { return count_; }
  QPushButton* GetButton() const { return getBtn_; }
  QPushButton* AddButton() const { return addBtn_; }
  QPushButton* DeleteButton() const { return deleteBtn_; }
  MvSNMPRequest2Edits* Binding() const { return binding_; }
  THostTableEditForm* EditForm() const { return edit_; }
  // A bare message as a line of the memo.
  void AppendLine(const QString& message);

 protected:
  void FormClose() override;

 private:

  QTreeWidget* list_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;
  QLabel* count_ = nullptr;
  QPushButton* getBtn_ = nullptr;
  QPushButton* addBtn_ = nullptr;
  QPushButton* deleteBtn_ = nullptr;
  QPushButton* closeBtn_ = nullptr;
  MvSNMPRequest2Edits* binding_ = nullptr;
  THostTableEditForm* edit_ = nullptr;  // a child of this form
};

class THostTableEditForm : public QDialog {
 public:
  explicit THostTableEditForm(THostTableForm* table);

  void FormActivate();
  void SetButtonClick();

  QLineEdit* IndexEdit() const { return indexEdit_; }
  QLineEdit* IpEdit() const { return ipEdit_; }
  QLineEdit* SubnetEdit() const { return subnetEdit_; }
  QComboBox* StatusComboBox() const { return status_; }
  QCheckBox* IpCheck() const { return ipBox_; }
  QCheckBox* SubnetCheck() const { return subnetBox_; }
  QPushButton* SetButton() const { return setBtn_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Shows the message and puts the cursor into `edit`; false, so the caller stops.
  bool refuse(const QString& message, QLineEdit* edit);

  THostTableForm* table_;
  QLineEdit* indexEdit_ = nullptr;
  QLineEdit* ipEdit_ = nullptr;
  QLineEdit* subnetEdit_ = nullptr;
  QComboBox* status_ = nullptr;
  QCheckBox* indexBox_ = nullptr;
  QCheckBox* ipBox_ = nullptr;
  QCheckBox* subnetBox_ = nullptr;
  QCheckBox* statusBox_ = nullptr;
  QPushButton* setBtn_ = nullptr;
};
