#include "editors/SummerTimeForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "configform/CtrlBtnPanel.h"
#include "configform/EditsPanel.h"
#include "catalogue/Formoidunit.h"
#include "mvsnmp/MvError.h"
#include "bind/MvSNMPRequest2Edits.h"

TSummerTimeForm::TSummerTimeForm(QWidget* owner) : TDedicatedForm(owner, QStringLiteral("Summer Time")) {
  setObjectName(QStringLiteral("SummerTimeForm"));
  setSizeGripEnabled(false);
  binding_ = AddBinding("SummerTimeList");
  binding_->SetAsynchronous(false);
  page_ = new TSNMPEditorPanel(this, binding_);
  auto* body = new QVBoxLayout(this);
  body->setContentsMargins(0, 0, 0, 0);
  body->addWidget(page_);
  page_->SetEditWidth(EditWidth);

  for (Item row : {RepeatStart, RepeatEnd}) buildRepeatingRow(row);
  for (Item row : {AnnualStart, AnnualEnd}) buildAnnualRow(row);

  // The page's own Refresh and Set Checked give way to the form's two-step procedures.
  TCtrlBtnPanel* buttons = page_->BtnPanel();
  QPushButton* refresh = buttons->Button(TCtrlBtnPanel::RefreshBtn);
  QPushButton* set = buttons->Button(TCtrlBtnPanel::SetCheckedBtn);
  disconnect(refresh, &QPushButton::clicked, nullptr, nullptr);
  disconnect(set, &QPushButton::clicked, nullptr, nullptr);
  connect(refresh, &QPushButton::clicked, this, &TSummerTimeForm::RefreshProcedure);
  connect(set, &QPushButton::clicked, this, [this, set] {
    try {
      SetProcedure();
    } catch (const MvException& e) {
      binding_->ShowStatus(e.message());
    }
  });
  if (QComboBox* status = StatusCombo())
    connect(status, &QComboBox::currentIndexChanged, this, &TSummerTimeForm::ModeDisplay);

  page_->FitForm(this);
  page_->EditsPanel()->SetRowValue(Status, QStringLiteral("repeating"));
  ModeDisplay();
  page_->EditsPanel()->LayOut();
  page_->FitForm(this);
  RefreshProcedure();
}

QComboBox* TSummerTimeForm::StatusCombo() const {
  return qobject_cast<QComboBox*>(page_->EditsPanel()->RowAt(Status).value);
}

QWidget* TSummerTimeForm::newRowPanel(Item row) {
  binding_->Unbind(row);
  auto* panel = new QFrame;
  panel->setObjectName(QStringLiteral("RulePanel%1").arg(row));
  panel->setFrameShape(QFrame::NoFrame);
  auto* layout = new QHBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(4);
  page_->EditsPanel()->ReplaceValue(row, panel);
  rows_[row - RepeatStart].append(panel);
  return panel;
}

QComboBox* TSummerTimeForm::addList(Item row, int offset, quint32 syntax, const MvOptionList* options) {
  QWidget* panel = rows_[row - RepeatStart].first();
  auto* list = new QComboBox(panel);
  panel->layout()->addWidget(list);
  binding_->BindPart(row, offset, syntax, options, list);
  // Choosing a part is changing the rule: its row is ticked, as any row of the page would be.
  connect(list, &QComboBox::activated, this, [this, row] { page_->EditsPanel()->TickEditedRow(row); });
  rows_[row - RepeatStart].append(list);
  return list;
}

QLineEdit* TSummerTimeForm::addEdit(Item row, int offset) {
  QWidget* panel = rows_[row - RepeatStart].first();
  auto* edit = new QLineEdit(panel);
  panel->layout()->addWidget(edit);
  binding_->BindPartEdits(row, offset, Syntax::UInt8, nullptr, QStringLiteral("%i"), {edit});
  connect(edit, &QLineEdit::textEdited, this, [this, row] { page_->EditsPanel()->TickEditedRow(row); });
  rows_[row - RepeatStart].append(edit);
  return edit;
}

void TSummerTimeForm::addColon(Item row) {
  QWidget* panel = rows_[row - RepeatStart].first();
  auto* colon = new QLabel(QStringLiteral(":"), panel);
  QFont bold = colon->font();
  bold.setBold(true);
  colon->setFont(bold);
  panel->layout()->addWidget(colon);
}

// Octets of a repeating rule: 3 month, 0 week of the month, 1-2 weekday, 4 hour, 5 minute.
void TSummerTimeForm::buildRepeatingRow(Item row) {
  newRowPanel(row);
  addList(row, 3, Syntax::UInt8, &SummerTimeMonthOptions);
  addList(row, 0, Syntax::UInt8, &SummerTimeWeekOptions);
  addList(row, 1, Syntax::UInt16, &SummerTimeWeekdayOptions);
  addEdit(row, 4);
  addColon(row);
  addEdit(row, 5);
}

// Octets of an annual rule: 0 day of the month, 1 month, 2 hour, 3 minute.
void TSummerTimeForm::buildAnnualRow(Item row) {
  newRowPanel(row);
  addEdit(row, 0);
  addList(row, 1, Syntax::UInt8, &SummerTimeMonthOptions);
  addEdit(row, 2);
  addColon(row);
  addEdit(row, 3);
}

QString TSummerTimeForm::statusText() const {
  const QComboBox* status = StatusCombo();
  return status ? status->currentText() : QString();
}

void TSummerTimeForm::include(int item) { binding_->SetExcluded(item, false); }
void TSummerTimeForm::exclude(int item) { binding_->SetExcluded(item, true); }

void TSummerTimeForm::includeModeRules() {
  const QString mode = statusText();
  for (Item row : {RepeatStart, RepeatEnd})
    if (mode == u"repeating") include(row);
  for (Item row : {AnnualStart, AnnualEnd})
    if (mode == u"annual") include(row);
}

void TSummerTimeForm::ModeDisplay() {
  TEditsPanel* rows = page_->EditsPanel();
  const QString mode = statusText();
  const bool repeating = mode == u"repeating";
  const bool annual = mode == u"annual";
  for (Item row : {RepeatStart, RepeatEnd}) repeating ? rows->ShowRow(row) : rows->HideRow(row);
  for (Item row : {AnnualStart, AnnualEnd}) annual ? rows->ShowRow(row) : rows->HideRow(row);
  for (Item row : {RepeatStart, RepeatEnd, AnnualStart, AnnualEnd})
    if (rows->RowAt(row).value->isHidden()) rows->UntickRow(row);
  rows->LayOut();
}

void TSummerTimeForm::RefreshProcedure() {
  // The mode first: which rules are read depends on it.
  include(Status);
  for (int i = Offset; i <= AnnualEnd; ++i) exclude(i);
  Guard(binding_, [this] { binding_->Refresh(); });
  ModeDisplay();
  include(Offset);
  includeModeRules();
  Guard(binding_, [this] { binding_->Refresh(); });
}

void TSummerTimeForm::SetProcedure() {
  // A rule row counts as empty for the page's check while any of its parts is.
  for (const TCtrlsList& parts : rows_) {
    bool full = true;
    for (int k = 1; k < parts.size(); ++k) {
      if (auto* list = qobject_cast<QComboBox*>(parts.at(k))) full = full && !list->currentText().isEmpty();
      if (auto* edit = qobject_cast<QLineEdit*>(parts.at(k))) full = full && !edit->text().isEmpty();
    }
    parts.first()->setProperty("text", full ? QStringLiteral("-") : QString());
  }
  QAbstractButton* set = page_->BtnPanel()->Button(TCtrlBtnPanel::SetCheckedBtn);
  TEditsPanel* rows = page_->EditsPanel();
  include(Status);
  for (int i = Offset; i <= AnnualEnd; ++i) exclude(i);
  rows->ApplyChecked(set);
  include(Offset);
  for (int i = RepeatStart; i <= AnnualEnd; ++i) exclude(i);
  includeModeRules();
  exclude(Status);
  rows->ApplyChecked(set);
}

void TSummerTimeForm::FormClose() {
  Release(binding_);
  binding_ = nullptr;
}
