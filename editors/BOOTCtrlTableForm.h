// TBOOTCtrlTableForm: the DHCP relay servers of each interface (at most four per interface), with
// TNewBootpCtrlForm, the dialog that adds one. Its binding runs asynchronously with Stop, and
// `DataComplete` refuses a second operation, and closing, while one is out.
#pragma once

#include "editors/DedicatedForm.h"

class QComboBox;
class QLineEdit;
class TNewBootpCtrlForm;

class TBOOTCtrlTableForm : public TDedicatedForm {
 public:
  enum Item { InterfaceName = 0, Server = 1, RowStatus = 2 };
  static constexpr int MaxServersPerInterface = 4;

  explicit TBOOTCtrlTableForm(QWidget* owner);

  void FormCreate();
  void RefreshBtnClick();
  void DeleteBtnClick();
  void AddBtnClick();
  void btnStopClick();
  void ListView1SelectItem();

  bool DataComplete() const { return Settled(); }
  QTreeWidget* ListView() const { return list_; }
  QPlainTextEdit* Memo() const { return memo_; }
  QComboBox* StatusCombo() const { return combo_; }
  QPushButton* RefreshButton() const { return refreshBtn_; }
  QPushButton* DeleteButton() const { return deleteBtn_; }
  QPushButton* AddButton() const { return addBtn_; }
  QPushButton* CloseButton() const { return closeBtn_; }
  QPushButton* StopButton() const { return stopBtn_; }
  MvSNMPRequest2Edits* Binding() const { return binding_; }
  TNewBootpCtrlForm* NewForm() const { return new_; }

  // Writes the row status of the row the dialog's fields name (createAndGo) and waits for the
  // agent's answer; once it has taken the row, the table is read again. Returns the error's
  // message ("" when the row was created).
  QString AddServer();
  // The longest interface name an instance can carry: an OID has at most 128 sub-identifiers,
  // and the row's takes the column's, the name's length and characters, and the server's four.
  int MaxInterfaceName() const;
  // How many rows of the list name this interface.
  int ServersOf(const QString& interfaceName) const;

 protected:
  bool CanClose() override;

 private:
  void appendLine(const QString& message);
  // A refresh (also after a Stop); an error raised while starting it ends the wait.
  void refreshAgain();
  // An apply of the row status, then the refresh once it has ended.
  void applyThenRefresh();

  QTreeWidget* list_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;
  QComboBox* combo_ = nullptr;
  QPushButton* refreshBtn_ = nullptr;
  QPushButton* deleteBtn_ = nullptr;
  QPushButton* addBtn_ = nullptr;
  QPushButton* closeBtn_ = nullptr;
  QPushButton* stopBtn_ = nullptr;
  MvSNMPRequest2Edits* binding_ = nullptr;
  TNewBootpCtrlForm* new_ = nullptr;  // a child of this form
};

class TNewBootpCtrlForm : public QDialog {
 public:
  explicit TNewBootpCtrlForm(TBOOTCtrlTableForm* table);

  void FormActivate();
  void SetClick();

  QLineEdit* InterfaceEdit() const { return edit1_; }
  QLineEdit* ServerEdit() const { return edit2_; }
  QPushButton* SetButton() const { return setBtn_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  TBOOTCtrlTableForm* table_;
  QLineEdit* edit1_ = nullptr;
  QLineEdit* edit2_ = nullptr;
  QPushButton* setBtn_ = nullptr;
};
