// TSummerTimeForm: the device's daylight-saving settings on a generic editor page. The four rule
// rows (a repeating and an annual start and end, each packed in a few octets) are shown as rows
// of drop-down lists and edits bound to single octets; only the rows of the selected mode show,
// and the settings are written in two requests: the mode first, then the offset and the rules.
#pragma once

#include <QList>

#include "editors/DedicatedForm.h"

class QComboBox;
class QLineEdit;
class MvOptionList;
class TSNMPEditorPanel;

// The parts of one composite row: its panel first, then its drop-down lists and edits in order.
class TCtrlsList : public QList<QWidget*> {};

class TSummerTimeForm : public TDedicatedForm {
 public:
  enum Item { Status = 0, Offset, RepeatStart, RepeatEnd, AnnualStart, AnnualEnd };
  static constexpr int EditWidth = 240;

  explicit TSummerTimeForm(QWidget* owner);

  void RefreshProcedure();
  void SetProcedure();
  void ModeDisplay();

  TSNMPEditorPanel* Page() const { return page_; }
  MvSNMPRequest2Edits* Binding() const { return binding_; }
  // The parts of a rule row (RepeatStart ... AnnualEnd), its panel first.
  const TCtrlsList& Parts(Item row) const { return rows_[row - RepeatStart]; }
  QComboBox* StatusCombo() const;

 protected:
  void FormClose() override;

 private:
  QWidget* newRowPanel(Item row);
  void buildRepeatingRow(Item row);
  void buildAnnualRow(Item row);
  QComboBox* addList(Item row, int offset, quint32 syntax, const MvOptionList* options);
  QLineEdit* addEdit(Item row, int offset);
  void addColon(Item row);
  void include(int item);
  void exclude(int item);
  // The start and end rules of the mode the status shows travel again.
  void includeModeRules();
  QString statusText() const;

  MvSNMPRequest2Edits* binding_ = nullptr;
  TSNMPEditorPanel* page_ = nullptr;
  TCtrlsList rows_[4];
};
