#include "configform/EditsPanel.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "configform/FormError.h"
#include "configform/PortListValue.h"
#include "mvsnmp/MvValueConversion.h"
#include "widgets/UserNotice.h"
#include <QTreeWidget>  // before the binding header, whose inline ListView() needs the full type
#include "bind/MvSNMPRequest2Edits.h"

namespace {

// The width a value control needs to show all of its value (a drop-down list: its longest option).
int neededWidth(const QWidget* value) {
  if (auto* combo = qobject_cast<const QComboBox*>(value)) return combo->sizeHint().width();
  if (auto* edit = qobject_cast<const QLineEdit*>(value)) {
    // The frame and padding around the text, as the edit's own size hint has them around 17 'x'.
    const QFontMetrics fm = edit->fontMetrics();
    const int chrome = edit->sizeHint().width() - fm.horizontalAdvance(QLatin1Char('x')) * 17;
    return fm.horizontalAdvance(edit->text()) + std::max(chrome, 8);
  }
  return 0;
}

// An index item's text as the row instance it will form: a valid value of its syntax, read by
// the same strict reading as a value for a set (four numbers 0-255 for an address, a number in
// range, hexadecimal in digit pairs ...), and not the no-value text. Raises with the row's label.
void requireIndexValue(const MvSNMPVarList& list, int i) {
  MvValue value;
  loadValue(list, i, value);
  if (value.type == MvValueType::Null && list.item(i).syntax != Syntax::Null)
    throw MvException(MvCode::BadSyntax,
                      messageOf(MvCode::BadSyntax) +
                          QStringLiteral(" \"%1\": \"%2\" names no row.")
                              .arg(list.item(i).label, list.item(i).value));
}

// The edit that holds a row's value as text: the value control itself, or a port list's hex line.
QLineEdit* textEdit(QWidget* value) {
  if (auto* ports = dynamic_cast<TPortListValue*>(value)) return ports->Line();
  return qobject_cast<QLineEdit*>(value);
}

constexpr int kShortControl = 20;   // controls lower than this ...
constexpr int kRaisedHeight = 21;   // ... are made this high

int naturalHeight(const QWidget* w) {
  const int h = w->sizeHint().height();
  return h < kShortControl ? kRaisedHeight : h;
}

}  // namespace

TEditsPanel::TEditsPanel(QWidget* parent, MvSNMPRequest2Edits* binding)
    : QFrame(parent), editCtrl_(binding) {
  setObjectName(QStringLiteral("EditsPanel"));
  scroll_ = new QScrollArea(this);
  scroll_->setObjectName(QStringLiteral("ScrollBox"));
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setWidgetResizable(false);
  rowsHolder_ = new QWidget;
  scroll_->setWidget(rowsHolder_);  // the scroll area owns it
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll_);
  buildRows();
  SetRowsState(false);
  LayOut();
}

void TEditsPanel::buildRows() {
  if (!editCtrl_) return;
  const MvSNMPVarList& list = editCtrl_->Request().varList;
  for (int i = 0; i < list.count(); ++i) {
    const SnmpVarItem& item = list.item(i);
    const bool settable = list.isSettable(i);
    const bool options = item.options != nullptr;
    const RowKind kind = settable ? (options ? SettableOptions : SettableText)
                                  : (options ? ReadOnlyOptions : ReadOnlyText);
    auto* check = new QCheckBox(rowsHolder_);
    check->setObjectName(QStringLiteral("Check%1").arg(i));
    check->setFixedWidth(CheckWidth);
    check->setFocusPolicy(Qt::NoFocus);  // Tab goes from value to value
    connect(check, &QCheckBox::clicked, this, &TEditsPanel::UpdateSetButton);
    auto* label = new QLabel(item.label, rowsHolder_);
    label->setObjectName(QStringLiteral("Label%1").arg(i));
    QWidget* value = nullptr;
    if (kind == SettableOptions) {
      auto* combo = new QComboBox(rowsHolder_);
      editCtrl_->BindComboBox(i, combo);
      connect(combo, &QComboBox::activated, this, [this, check] { tickEditedRow(check); });
      value = combo;
    } else if (TPortListValue::IsPortList(item)) {
      // A port list is ticked port by port on the unit's grid; its hex line is what is bound.
      auto* ports = new TPortListValue(rowsHolder_);
      editCtrl_->BindEdits(i, QStringLiteral("%s"), {ports->Line()});
      ports->Line()->setProperty("tag", i);
      ports->OnTicked = [this, check] { tickEditedRow(check); };
      value = ports;
    } else {
      auto* edit = new QLineEdit(rowsHolder_);
      editCtrl_->BindEdits(i, QStringLiteral("%s"), {edit});
      // Only the user's typing: a value the program shows leaves the box as it was.
      connect(edit, &QLineEdit::textEdited, this, [this, check] { tickEditedRow(check); });
      // A value longer than the edit is shown from its start, not scrolled to its end.
      // A value wider than the column widens it, once the current event is done, so that a
      // refresh filling many rows lays them out once.
      connect(edit, &QLineEdit::textChanged, edit, [this, edit] {
        if (!edit->hasFocus()) edit->setCursorPosition(0);
        if (layOutQueued_ || edit->width() >= std::min(MaxValueWidth, neededWidth(edit))) return;
        layOutQueued_ = true;
        QTimer::singleShot(0, this, [this] {
          layOutQueued_ = false;
          LayOut();
          if (OnGrown) OnGrown();
        });
      });
      value = edit;
    }
    value->setObjectName(QStringLiteral("Value%1").arg(i));
    for (QWidget* w : {static_cast<QWidget*>(check), static_cast<QWidget*>(label), value})
      w->setProperty("tag", i);
    rows_.push_back({kind, QStringLiteral("%s"), value, check, label});
    // An item the descriptor already hides gets no visible row.
    if (item.access & Access::Hidden) {
      check->hide();
      label->hide();
      value->hide();
      rows_.back().checkWasHidden = true;
    }
  }
}

bool TEditsPanel::IsKeyRow(int r) const {
  return editCtrl_ && r < editCtrl_->Request().varList.keyCount();
}

bool TEditsPanel::IsReadOnlyRow(int r) const {
  const RowKind k = RowAt(r).kind;
  return k == ReadOnlyText || k == ReadOnlyOptions;
}

bool TEditsPanel::NothingSettable() const {
  for (int r = 0; r < RowCount(); ++r)
    if (!IsReadOnlyRow(r) && !IsKeyRow(r)) return false;
  return true;
}

void TEditsPanel::paintValue(QWidget* value, bool enabled) {
  // Disabled rows: black text on the button face; enabled rows: black on white.
  QPalette p = value->palette();
  const QColor base = enabled ? QColor(Qt::white) : palette().color(QPalette::Button);
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    p.setColor(group, QPalette::Text, Qt::black);
    p.setColor(group, QPalette::ButtonText, Qt::black);
    p.setColor(group, QPalette::Base, base);
  }
  value->setPalette(p);
}

void TEditsPanel::DisableRow(int r) {
  Row& x = row(r);
  x.check->setEnabled(false);
  x.check->setChecked(false);
  if (!x.label->isHidden()) x.check->hide();
  else x.checkWasHidden = true;
  if (auto* edit = qobject_cast<QLineEdit*>(x.value)) {
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
  } else {
    x.value->setEnabled(false);
  }
  paintValue(x.value, false);
}

void TEditsPanel::EnableRow(int r) {
  Row& x = row(r);
  x.check->setEnabled(true);
  x.check->setChecked(defaultCheck_);
  if (!x.label->isHidden()) x.check->show();
  else x.checkWasHidden = false;
  if (auto* edit = qobject_cast<QLineEdit*>(x.value)) {
    edit->setReadOnly(false);
    edit->setFocusPolicy(Qt::StrongFocus);
  } else {
    x.value->setEnabled(true);
  }
  paintValue(x.value, true);
}

void TEditsPanel::SetRowsState(bool defaultCheck) {
  defaultCheck_ = defaultCheck;
  for (int r = 0; r < RowCount(); ++r) {
    if (IsReadOnlyRow(r) || IsKeyRow(r))
      DisableRow(r);
    else
      EnableRow(r);
  }
}

void TEditsPanel::showOwnText(QLineEdit* edit, const QString& text) {
  // Through the input guard, so the shown text is also the one a failed exit check puts back.
  if (editCtrl_)
    editCtrl_->Constraints().ShowText(edit, text);
  else
    edit->setText(text);
}

void TEditsPanel::ClearRow(int r) {
  Row& x = row(r);
  if (QLineEdit* edit = textEdit(x.value))
    showOwnText(edit, QString());
  else if (auto* combo = qobject_cast<QComboBox*>(x.value))
    combo->setCurrentIndex(-1);
  if (editCtrl_) editCtrl_->Request().varList.item(r).value.clear();
}

void TEditsPanel::ClearRows() {
  for (int r = 0; r < RowCount(); ++r) ClearRow(r);
}

void TEditsPanel::UntickRow(int r) { row(r).check->setChecked(false); }
void TEditsPanel::TickEditedRow(int r) { tickEditedRow(row(r).check); }

void TEditsPanel::SetRowValue(int r, const QString& text) {
  Row& x = row(r);
  if (QLineEdit* edit = textEdit(x.value))
    showOwnText(edit, text);
  else if (auto* combo = qobject_cast<QComboBox*>(x.value))
    combo->setCurrentIndex(combo->findText(text));
  if (editCtrl_) editCtrl_->Request().varList.item(r).value = text;
}

void TEditsPanel::HideRow(int r) {
  Row& x = row(r);
  if (editCtrl_) editCtrl_->Request().varList.item(r).access |= Access::Hidden;
  if (x.label->isHidden()) return;
  x.checkWasHidden = x.check->isHidden();
  x.check->hide();
  x.label->hide();
  x.value->hide();
  LayOut();
}

void TEditsPanel::ShowRow(int r) {
  Row& x = row(r);
  if (editCtrl_) editCtrl_->Request().varList.item(r).access &= ~Access::Hidden;
  if (!x.label->isHidden()) return;
  x.check->setVisible(!x.checkWasHidden);
  x.label->show();
  x.value->show();
  LayOut();
}

void TEditsPanel::LayOut() {
  int widestLabel = 0;
  for (Row& x : rows_) {
    x.label->adjustSize();
    widestLabel = std::max(widestLabel, x.label->width());
  }
  const int labelLeft = CheckLeft + CheckWidth + Spacing;
  const int valueLeft = labelLeft + widestLabel + Spacing;
  // The value column is as wide as asked, and (up to a cap) as wide as the longest option of
  // any drop-down list and the longest value of any edit in this platform's font.
  int valueWidth = editWidth_;
  for (const Row& x : rows_)
    if (!x.label->isHidden()) valueWidth = std::max(valueWidth, std::min(MaxValueWidth, neededWidth(x.value)));
  int top = FirstTop;
  int previousBottom = -1;
  int right = 0;
  int bottom = 0;
  for (Row& x : rows_) {
    if (x.label->isHidden()) continue;
    int width = valueWidth;
    const int height = naturalHeight(x.value);
    int lineHeight = height;  // the check box and label stand beside this much of the value
    if (auto* ports = dynamic_cast<TPortListValue*>(x.value)) {
      // The hex line in the value column, the grid under it as wide as its boxes.
      ports->SetLineWidth(valueWidth);
      width = std::max(valueWidth, ports->sizeHint().width());
      lineHeight = naturalHeight(ports->Line());
    }
    if (previousBottom >= 0) top = previousBottom + Spacing;
    x.value->setGeometry(valueLeft, top, width, height);
    const int checkHeight = x.check->sizeHint().height();
    x.check->setGeometry(CheckLeft, top + (lineHeight - checkHeight) / 2, CheckWidth, checkHeight);
    x.label->move(labelLeft, top + (lineHeight - x.label->height()) / 2);
    previousBottom = top + height;
    right = std::max(right, valueLeft + width);
    bottom = std::max(bottom, previousBottom);
  }
  // The scrolled area ends half a border past the rows; the panel asks for the whole border.
  rowsHolder_->setFixedSize(right + Border / 2, bottom + Border / 2);
  designSize_ = QSize(right + Border, bottom + Border);
  resize(designSize_);
  updateGeometry();
}

void TEditsPanel::SetRowFormat(int r, const QString& format) {
  // Refused before anything changes, so the row keeps its binding.
  const Row& x = RowAt(r);
  if (x.kind == SettableOptions) raiseFormError(QStringLiteral("Can not set Var format to a ComboBox!"));
  if (x.kind == ReadOnlyOptions) raiseFormError(QStringLiteral("Unknow UI Control type!"));
  if (!editCtrl_) return;
  editCtrl_->Unbind(r);
  editCtrl_->BindEdits(r, format, {textEdit(x.value)});
  row(r).format = format;
}

void TEditsPanel::SetEditWidth(int width) {
  editWidth_ = width;
  LayOut();
}

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel* panel) {
  if (!editCtrl_) raiseFormError(QStringLiteral("TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!"));
  btnPanel_ = panel;
  using P = TCtrlBtnPanel;
  for (int c : {P::CountDisplay, P::SamplesLabel, P::EditBtn, P::AddBtn, P::DeleteBtn})
    panel->Control(c)->hide();
  for (int c : {P::RefreshBtn, P::SetCheckedBtn, P::CheckAllBtn, P::ClearChecksBtn, P::CloseBtn})
    panel->Control(c)->show();
  std::vector<QCheckBox*> open;
  for (const Row& x : rows_)
    if (!x.check->isHidden() && x.check->isEnabled()) open.push_back(x.check);
  if (NothingSettable()) {
    for (int c : {P::SetCheckedBtn, P::CheckAllBtn, P::ClearChecksBtn}) panel->Control(c)->hide();
  } else if (open.size() <= 1) {
    // A single writable row needs no choosing: "Set" writes it.
    panel->Control(P::CheckAllBtn)->hide();
    panel->Control(P::ClearChecksBtn)->hide();
    QPushButton* set = panel->Button(P::SetCheckedBtn);
    set->setText(QStringLiteral("Set"));  // also beside a glyph that replaced the caption
    set->setEnabled(true);
    for (QCheckBox* box : open) box->setChecked(true);
    for (const Row& x : rows_) x.check->hide();
  } else {
    UpdateSetButton();
  }
  panel->Arrange();
}

void TEditsPanel::WireButtons(TCtrlBtnPanel* panel, int tag) {
  QPushButton* set = panel->Button(TCtrlBtnPanel::SetCheckedBtn);
  set->setProperty("tag", tag);
  connect(set, &QPushButton::clicked, this, [this, set] {
    // A value that cannot be written as typed is said in a message box; nothing was sent.
    try {
      ApplyChecked(set);
    } catch (const MvException& e) {
      UserNotice::warning(set->window(), e.message());
    }
  });
  connect(panel->Button(TCtrlBtnPanel::CheckAllBtn), &QPushButton::clicked, this, &TEditsPanel::CheckAll);
  connect(panel->Button(TCtrlBtnPanel::ClearChecksBtn), &QPushButton::clicked, this,
          &TEditsPanel::ClearChecks);
}

void TEditsPanel::tickEditedRow(QCheckBox* check) {
  // A row the user changed is a row to write: without the tick, "Set Checked" would stay
  // disabled, or leave the change out, and nothing would say why.
  if (!check->isEnabled() || check->isChecked()) return;
  check->setChecked(true);
  UpdateSetButton();
}

void TEditsPanel::UpdateSetButton() {
  if (!btnPanel_) return;
  bool any = false;
  for (const Row& x : rows_) any = any || (!x.check->isHidden() && x.check->isChecked());
  btnPanel_->Button(TCtrlBtnPanel::SetCheckedBtn)->setEnabled(any);
}

void TEditsPanel::setChecks(bool on) {
  for (const Row& x : rows_)
    if (x.check->isEnabled()) x.check->setChecked(on);
  UpdateSetButton();
}

void TEditsPanel::CheckAll() { setChecks(true); }
void TEditsPanel::ClearChecks() { setChecks(false); }

bool TEditsPanel::valueEmpty(int r) const {
  QWidget* value = RowAt(r).value;
  if (const QLineEdit* edit = textEdit(value)) return edit->text().isEmpty();
  if (auto* combo = qobject_cast<const QComboBox*>(value)) return combo->currentIndex() < 0;
  return value->property("text").toString().isEmpty();
}

void TEditsPanel::ReplaceValue(int r, QWidget* value) {
  Row& x = row(r);
  value->setParent(x.value->parentWidget());
  value->setGeometry(x.value->geometry());
  value->setEnabled(x.value->isEnabled());
  value->setVisible(!x.value->isHidden());
  delete x.value;
  x.value = value;
  LayOut();
}

void TEditsPanel::ApplyChecked(QAbstractButton* button) {
  if (!editCtrl_) return;
  MvSNMPRequest2Edits& binding = *editCtrl_;
  const bool wasAsynchronous = binding.Asynchronous();
  binding.SetAsynchronous(false);
  auto restoreMode = [&] {
    if (editCtrl_) editCtrl_->SetAsynchronous(wasAsynchronous);
  };
  // Every item is read from its control first, ticked or not, so an unticked row keeps the
  // value it shows; a text that does not convert reaches the caller before anything is sent.
  try {
    binding.CollectValues();
  } catch (...) {
    restoreMode();
    throw;
  }
  const MvSNMPVarList& list = binding.Request().varList;
  std::vector<int> chosen;
  bool cancelled = false;
  for (int r = 0; r < RowCount() && r < list.count(); ++r) {
    if (!RowAt(r).check->isChecked() || (list.item(r).access & Access::Invalid)) continue;
    chosen.push_back(r);
    cancelled = cancelled || valueEmpty(r);
  }
  // Typed index values form the row's instance: read as strictly as the values, so that a text
  // that is no value of its syntax is refused here instead of going out as some other row.
  if (!cancelled && list.isTableList() && binding.Request().writeInstance.isEmpty()) {
    try {
      for (int r : chosen)
        if (IsKeyRow(r)) requireIndexValue(list, r);
    } catch (...) {
      restoreMode();
      throw;
    }
  }
  QString failure;
  if (cancelled) {
    // The box belongs to the window the rows are in now (a row dialog that borrowed them).
    UserNotice::warning(this, QStringLiteral("Some items are empty!"));
  } else {
    try {
      binding.ApplyItems(chosen, false);
    } catch (const MvException& e) {
      failure = e.message();
      binding.ShowStatus(failure);
    }
  }
  restoreMode();
  if (cancelled || !button || button->property("tag").toInt() != 1) return;
  // A row dialog closes once its set went through; after a failed set it stays open with the
  // user's input, and says why, since its status line is in the page behind it.
  if (failure.isEmpty())
    button->window()->close();
  else
    UserNotice::warning(button->window(), failure);
}

TSNMPEditorPanel::TSNMPEditorPanel(QWidget* parent, MvSNMPRequest2Edits* binding)
    : TSNMPPanel(parent, nullptr, binding), edits_(new TEditsPanel(ClientPanel(), binding)) {
  setObjectName(QStringLiteral("SNMPEditorPanel"));
  edits_->WireButtons(BtnPanel(), 0);
  BtnPanel()->Button(TCtrlBtnPanel::SetCheckedBtn)->setEnabled(false);
  edits_->ArrangeCtrlBtn(BtnPanel());
  SetContent(edits_);
  // Rows widened for a long value: the page and its window grow with them (where they were
  // placed; the window is not centred again).
  edits_->OnGrown = [this] {
    // Only while the rows are this page's content: a row dialog that borrowed them grows
    // itself, and taking them back here would empty the dialog and cover the page's own content.
    if (Content() != edits_) return;
    SetContent(edits_);
    if (QWidget* form = Form()) form->resize(GrownClientSize(form->size(), PageSize()));
  };
}

void TSNMPEditorPanel::SetEditWidth(int width) {
  edits_->SetEditWidth(width);
  SetContent(edits_);
  FitForm(Form());
}
