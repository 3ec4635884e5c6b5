// TLogSaveControlForm: how the device saves its log (by time interval, on demand, on a log
// trigger) and the interval of the first method; the interval is written only with that method.
#pragma once

#include "editors/DedicatedForm.h"

class QComboBox;
class QLineEdit;

class TLogSaveControlForm : public TDedicatedForm {
 public:
  enum Item { Method = 0, Interval = 1 };

  explicit TLogSaveControlForm(QWidget* owner);

  void FormCreate();
  void btnRefreshClick();
  void btnSetClick();
  void cbxLogSaveMethodChange();

  QComboBox* MethodCombo() const { return method_; }
  QLineEdit* IntervalEdit() const { return interval_; }
  QLabel* StatusPanel() const { return panel_; }
  QPushButton* RefreshButton() const { return refreshBtn_; }
  QPushButton* SetButton() const { return setBtn_; }
  MvSNMPRequest2Edits* Binding() const { return binding_; }

 private:
  QComboBox* method_ = nullptr;
  QLineEdit* interval_ = nullptr;
  QLabel* panel_ = nullptr;
  QPushButton* refreshBtn_ = nullptr;
  QPushButton* setBtn_ = nullptr;
  MvSNMPRequest2Edits* binding_ = nullptr;
};
