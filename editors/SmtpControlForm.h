// TSMTPControlForm: the device's SMTP settings (state, mail server and port, its own address, a
// test message) and the sending of the test message, with a confirmation and a progress dialog.
#pragma once

#include "editors/DedicatedForm.h"

class QComboBox;
class QLineEdit;

class TSMTPControlForm : public TDedicatedForm {
 public:
  enum Item { Status = 0, ServerAddress, ServerPort, SelfAddress, Subject, Content, SendTest };
  static constexpr int RequestTimeout = 500;

  explicit TSMTPControlForm(QWidget* owner);

  void FormCreate();
  void Btn_RefreshClick();
  void Btn_SetClick();

  QComboBox* StatusCombo() const { return status_; }
  QComboBox* SendTestCombo() const { return sendTest_; }
  // By item: ServerAddress ... Content.
  QLineEdit* Edit(Item item) const { return edits_[item - 1]; }
  QLabel* StatusPanel() const { return panel_; }
  QPushButton* RefreshButton() const { return refreshBtn_; }
  QPushButton* SetButton() const { return setBtn_; }
  MvSNMPRequest2Edits* Binding() const { return binding_; }

 private:
  void showMessage(const QString& message);

  QComboBox* status_ = nullptr;
  QComboBox* sendTest_ = nullptr;
  QLineEdit* edits_[5] = {};
  QLabel* panel_ = nullptr;
  QPushButton* refreshBtn_ = nullptr;
  QPushButton* setBtn_ = nullptr;
  QPushButton* closeBtn_ = nullptr;
  MvSNMPRequest2Edits* binding_ = nullptr;
};
