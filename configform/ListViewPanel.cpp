#include "configform/ListViewPanel.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QMouseEvent>
#include <QShortcut>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <memory>
#include <optional>
#include <utility>

#include "configform/FormError.h"
#include "widgets/UserNotice.h"
#include "widgets/MvListRows.h"
#include "bind/MvSNMPRequest2Edits.h"

namespace {

constexpr int kEditWaitMs = 1000;

// Removes option labels from combo boxes for the time of a dialog and puts them back at their
// former positions afterwards, so the option list's order is kept.
class RemovedOptions {
 public:
  void remove(QComboBox* combo, const QString& text) {
    const int at = combo->findText(text);
    if (at < 0) return;
    combo->removeItem(at);
    removed_.push_back({combo, at, text});
  }
  ~RemovedOptions() {
    for (auto it = removed_.rbegin(); it != removed_.rend(); ++it) {
      const int current = it->combo->currentIndex();
      it->combo->insertItem(it->position, it->text);
      // Inserting before the selection must not change which label is selected.
      if (current >= it->position) it->combo->setCurrentIndex(current + 1);
    }
  }

 private:
  struct Entry {
    QComboBox* combo;
    int position;
    QString text;
  };
  std::vector<Entry> removed_;
};

}  // namespace

// ---- TListViewPanel ----

TListViewPanel::TListViewPanel(QWidget* parent, MvSNMPRequest2Edits* binding)
    : QFrame(parent), listView_(new QTreeWidget(this)), filter_(new QLineEdit(this)) {
  setObjectName(QStringLiteral("ListViewPanel"));
  listView_->setObjectName(QStringLiteral("ListView"));
  filter_->setObjectName(QStringLiteral("FilterEdit"));
  filter_->setPlaceholderText(QStringLiteral("Filter (Ctrl+F)"));
  filter_->setClearButtonEnabled(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(filter_);
  layout->addWidget(listView_);
  if (binding) binding->BindListView(listView_, false);
  int characters = 0;
  const QTreeWidgetItem* header = listView_->headerItem();
  for (int c = 0; c < listView_->columnCount(); ++c) characters += static_cast<int>(header->text(c).size());
  const int width = 2 * listView_->frameWidth() + PixelsPerHeadingChar * characters;
  designSize_ = QSize(std::min(width, MaxWidth), PanelHeight);
  resize(designSize_);
}

int TListViewPanel::ApplyFilter(int first) {
  return MvListRows::applyFilter(listView_, filter_->text(), first);
}

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel* panel) {
  using P = TCtrlBtnPanel;
  for (int c : {P::CountDisplay, P::SamplesLabel, P::RefreshBtn, P::EditBtn, P::CloseBtn})
    panel->Control(c)->show();
  for (int c : {P::SetCheckedBtn, P::CheckAllBtn, P::ClearChecksBtn}) panel->Control(c)->hide();
  panel->Control(P::EditBtn)->setEnabled(false);
  panel->Control(P::DeleteBtn)->setEnabled(false);
  panel->Control(P::AddBtn)->setVisible(addColumn_ >= 0);
  panel->Control(P::DeleteBtn)->setVisible(deleteColumn_ >= 0);
  panel->Arrange();
}

void TListViewPanel::SetAdd(int column, const QString& value) {
  addColumn_ = column;
  addValue_ = value;
}

void TListViewPanel::SetDelete(int column, const QString& value) {
  deleteColumn_ = column;
  deleteValue_ = value;
}

// ---- the add and edit dialogs ----

// One dialog around the page's edits panel: lends the panel on construction (the shared set-up)
// and takes it back, with the constraint owner, on destruction, whatever happened in between.
class TSNMPListViewPanel::RowDialog {
 public:
  RowDialog(TSNMPListViewPanel& page, const QString& caption)
      : page_(page), dialog_(std::make_unique<QDialog>(page.window())) {
    dialog_->setObjectName(QStringLiteral("RowDialog"));
    dialog_->setWindowTitle(caption);
    page.Binding()->SetConstraintOwner(dialog_.get());
    // Status lines of the dialog go to the table page's memo.
    TMsgPanel* shared = page.MsgPanel();
    frame_ = new TSNMPPanel(dialog_.get(), shared, page.Binding());
    page.EditsPanel()->WireButtons(frame_->BtnPanel(), 1);
  }

  TSNMPPanel& Frame() { return *frame_; }

  // Moves the edits panel into the dialog and sizes the dialog around it. While lent, rows
  // widened for a long value grow the dialog, not the page.
  void Lend() {
    TEditsPanel* edits = page_.EditsPanel();
    edits->ArrangeCtrlBtn(frame_->BtnPanel());
    frame_->BtnPanel()->Control(TCtrlBtnPanel::RefreshBtn)->hide();
    frame_->BtnPanel()->Arrange();
    edits->LayOut();
    frame_->SetContent(edits);
    frame_->FitForm(dialog_.get());
    pageGrown_ = std::exchange(edits->OnGrown, [this, edits] {
      frame_->SetContent(edits);
      dialog_->resize(TSNMPPanel::GrownClientSize(dialog_->size(), frame_->PageSize()));
    });
    lent_ = true;
  }

  void Run() { UserNotice::runModal(*dialog_); }

  ~RowDialog() {
    if (lent_) page_.EditsPanel()->OnGrown = std::move(pageGrown_);
    page_.Reclaim(page_.EditsPanel());
    dialog_.reset();
    if (page_.Binding()) page_.Binding()->SetConstraintOwner(page_.window());
    page_.RefreshTable();
  }

  RowDialog(const RowDialog&) = delete;
  RowDialog& operator=(const RowDialog&) = delete;

 private:
  TSNMPListViewPanel& page_;
  std::unique_ptr<QDialog> dialog_;
  TSNMPPanel* frame_ = nullptr;
  std::function<void()> pageGrown_;  // the page's own handler, back when the rows come back
  bool lent_ = false;
};

// For its lifetime, writes of the page's request address the row the selected line was read
// with, not the one its shown index texts would encode.
class TSNMPListViewPanel::ReadInstance {
 public:
  explicit ReadInstance(MvSNMPRequest2Edits& binding)
      : binding_(&binding), instance_(binding.SelectedInstance()) {
    binding.Request().writeInstance = instance_;
  }
  ~ReadInstance() {
    if (binding_) binding_->Request().writeInstance.clear();
  }
  const QString& Instance() const { return instance_; }
  ReadInstance(const ReadInstance&) = delete;
  ReadInstance& operator=(const ReadInstance&) = delete;

 private:
  QPointer<MvSNMPRequest2Edits> binding_;
  QString instance_;
};

// ---- TSNMPListViewPanel ----

TSNMPListViewPanel::TSNMPListViewPanel(QWidget* parent, MvSNMPRequest2Edits* binding)
    : TSNMPEditorPanel(parent, binding), listPanel_(new TListViewPanel(ClientPanel(), binding)) {
  setObjectName(QStringLiteral("SNMPListViewPanel"));
  OnBeforeAdd = [](TSNMPListViewPanel* page, QAbstractButton*) { page->EditsPanel()->ClearRows(); };
  QTreeWidget* view = listPanel_->ListView();
  connect(view, &QTreeWidget::itemSelectionChanged, this, &TSNMPListViewPanel::SelectionChanged);
  connect(view, &QTreeWidget::itemDoubleClicked, this, [this] {
    QPushButton* edit = BtnPanel()->Button(TCtrlBtnPanel::EditBtn);
    if (hasSelection() && !edit->isHidden() && edit->isEnabled()) EditBtnClick();
  });
  // The count reads "shown of total" while the filter hides rows; rows a walk adds are
  // filtered as they come.
  connect(view->model(), &QAbstractItemModel::rowsInserted, this,
          [this](const QModelIndex& parent, int first) {
            if (!parent.isValid()) updateCount(first);
          });
  connect(view->model(), &QAbstractItemModel::rowsRemoved, this, [this] { updateCount(); });
  connect(view->model(), &QAbstractItemModel::modelReset, this, [this] { updateCount(); });
  connect(listPanel_->FilterEdit(), &QLineEdit::textChanged, this, [this] { updateCount(); });
  auto* find = new QShortcut(QKeySequence::Find, this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
  connect(find, &QShortcut::activated, this, [this] {
    listPanel_->FilterEdit()->setFocus(Qt::ShortcutFocusReason);
    listPanel_->FilterEdit()->selectAll();
  });
  view->viewport()->setMouseTracking(true);
  view->viewport()->installEventFilter(this);

  TCtrlBtnPanel* buttons = BtnPanel();
  QPushButton* refresh = buttons->Button(TCtrlBtnPanel::RefreshBtn);
  disconnect(refresh, nullptr, this, nullptr);
  connect(refresh, &QPushButton::clicked, this, &TSNMPListViewPanel::RefreshTable);
  connect(buttons->Button(TCtrlBtnPanel::EditBtn), &QPushButton::clicked, this, &TSNMPListViewPanel::EditBtnClick);
  connect(buttons->Button(TCtrlBtnPanel::AddBtn), &QPushButton::clicked, this, &TSNMPListViewPanel::AddBtnClick);
  connect(buttons->Button(TCtrlBtnPanel::DeleteBtn), &QPushButton::clicked, this, &TSNMPListViewPanel::DeleteRow);
  listPanel_->ArrangeCtrlBtn(buttons);
  if (EditsPanel()->NothingSettable()) buttons->Control(TCtrlBtnPanel::EditBtn)->hide();
  buttons->Arrange();
  SetContent(listPanel_);

  // While a walk runs, Refresh becomes Stop (Esc too): the rows read so far stay. Afterwards the
  // count says when the walk ended before the table did.
  stopKey_ = new QShortcut(QKeySequence(Qt::Key_Escape), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
  stopKey_->setEnabled(false);
  connect(stopKey_, &QShortcut::activated, this, [this] {
    if (Binding()) Binding()->StopWalk();
  });
  view->installEventFilter(this);
  if (binding) binding->OnBusyChanged = [this](bool busy) { walkStateChanged(busy); };
}

TSNMPListViewPanel::~TSNMPListViewPanel() {
  if (Binding()) Binding()->OnBusyChanged = nullptr;
  QTreeWidget* view = ListView();
  view->removeEventFilter(this);
  view->viewport()->removeEventFilter(this);
  view->model()->disconnect(this);
  view->disconnect(this);
}

void TSNMPListViewPanel::checkStatusValue(int column, const QString& value, const QString& error) {
  TEditsPanel* edits = EditsPanel();
  const auto* combo = column >= 0 && column < edits->RowCount()
                          ? qobject_cast<const QComboBox*>(edits->RowAt(column).value)
                          : nullptr;
  if (!combo || combo->findText(value) < 0) raiseFormError(error + value);
}

void TSNMPListViewPanel::SetAddStatus(int column, const QString& value) {
  checkStatusValue(column, value, QStringLiteral("TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:"));
  listPanel_->SetAdd(column, value);
  BtnPanel()->Control(TCtrlBtnPanel::AddBtn)->show();
  BtnPanel()->Arrange();
}

void TSNMPListViewPanel::SetDeleteStatus(int column, const QString& value) {
  checkStatusValue(column, value,
                   QStringLiteral("TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:"));
  listPanel_->SetDelete(column, value);
  BtnPanel()->Control(TCtrlBtnPanel::DeleteBtn)->show();
  BtnPanel()->Arrange();
}

bool TSNMPListViewPanel::hasSelection() const { return !ListView()->selectedItems().isEmpty(); }

void TSNMPListViewPanel::setRowButtons(bool enabled) {
  BtnPanel()->Control(TCtrlBtnPanel::EditBtn)->setEnabled(enabled);
  BtnPanel()->Control(TCtrlBtnPanel::DeleteBtn)->setEnabled(enabled);
}

void TSNMPListViewPanel::walkStateChanged(bool busy) {
  MvSNMPRequest2Edits* binding = Binding();
  if (!binding) return;
  const bool walking = busy && binding->Asynchronous() && binding->LastOperation() == MvSNMPRequest2Controls::Operation::Get;
  BtnPanel()->Button(TCtrlBtnPanel::RefreshBtn)
      ->setText(walking ? QStringLiteral("Stop") : QStringLiteral("Refresh"));
  stopKey_->setEnabled(walking);
  if (busy) {
    BtnPanel()->SetCountNote(QString());
    return;
  }
  updateCount();
  restoreSelection();
  BtnPanel()->SetCountNote(binding->StopReason().isEmpty()
                               ? QString()
                               : QStringLiteral("rows \u2014 stopped: %1").arg(binding->StopReason()));
}

void TSNMPListViewPanel::RefreshTable() {
  MvSNMPRequest2Edits* binding = Binding();
  if (!binding) return;
  // The button reads "Stop" while a walk runs.
  if (binding->Asynchronous() && binding->Busy()) {
    binding->StopWalk();
    return;
  }
  binding->Resume();  // after a Stop
  rememberSelection();
  setRowButtons(false);
  try {
    binding->Refresh();
  } catch (const MvException& e) {
    binding->ShowStatus(e.message());
  }
  updateCount();
  if (!binding->Asynchronous()) restoreSelection();
}

void TSNMPListViewPanel::updateCount(int first) {
  BtnPanel()->SetCount(listPanel_->ApplyFilter(first), ListView()->topLevelItemCount());
}

QStringList TSNMPListViewPanel::keyOf(const QTreeWidgetItem* row) const {
  // The index columns name a row whatever its other values; a list without them, its first.
  QStringList key;
  MvSNMPRequest2Edits* binding = Binding();
  if (!binding || !row) return key;
  const std::vector<int>& items = binding->ColumnItems();
  const int keyCount = binding->Request().varList.keyCount();
  for (size_t c = 0; c < items.size(); ++c)
    if (items[c] < keyCount) key << row->text(static_cast<int>(c));
  if (key.isEmpty()) key << row->text(0);
  return key;
}

void TSNMPListViewPanel::rememberSelection() {
  const QList<QTreeWidgetItem*> selected = ListView()->selectedItems();
  if (wantedKey_.isEmpty() && !selected.isEmpty()) wantedKey_ = keyOf(selected.front());
  wantedScroll_ = ListView()->verticalScrollBar()->value();
}

void TSNMPListViewPanel::restoreSelection() {
  // After a refresh (Add, Edit, Delete included) the view stays where it was and the row that
  // was selected, or the one just added, is selected again when it is still there.
  const QStringList key = std::exchange(wantedKey_, {});
  const int scroll = std::exchange(wantedScroll_, -1);
  QTreeWidget* view = ListView();
  if (scroll >= 0) view->verticalScrollBar()->setValue(scroll);
  if (key.isEmpty()) return;
  for (int r = 0; r < view->topLevelItemCount(); ++r) {
    QTreeWidgetItem* row = view->topLevelItem(r);
    if (keyOf(row) != key) continue;
    view->setCurrentItem(row);
    view->scrollToItem(row);
    return;
  }
}

void TSNMPListViewPanel::SelectionChanged() {
  const qsizetype selected = ListView()->selectedItems().size();
  // Edit and Delete act on one row; several are selected to be copied.
  setRowButtons(selected == 1);
  if (selected == 0) EditsPanel()->ClearRows();
}

QString TSNMPListViewPanel::RowHint(const QPoint& pos) const {
  const QTreeWidgetItem* line = ListView()->itemAt(pos);
  if (!line) return QString();
  const QTreeWidgetItem* header = ListView()->headerItem();
  const int columns = ListView()->columnCount();
  qsizetype longest = 0;
  for (int c = 0; c < columns; ++c) longest = std::max(longest, header->text(c).size());
  QString hint;
  for (int c = 0; c < columns; ++c) {
    const QString heading = header->text(c);
    hint += heading + QString(longest - heading.size(), QLatin1Char('\t')) + QStringLiteral("  ") +
            line->text(c) + QLatin1Char('\n');
  }
  return hint;
}

void TSNMPListViewPanel::ShowRowHint(const QPoint& pos) {
  // An empty tool tip switches the hint off.
  ListView()->setToolTip(RowHint(pos));
}

bool TSNMPListViewPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ListView()->viewport() && event->type() == QEvent::MouseMove)
    ShowRowHint(static_cast<QMouseEvent*>(event)->position().toPoint());
  // Enter on a line opens Edit, as a double-click does.
  if (watched == ListView() && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    QPushButton* edit = BtnPanel()->Button(TCtrlBtnPanel::EditBtn);
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && hasSelection() && !edit->isHidden() &&
        edit->isEnabled()) {
      EditBtnClick();
      return true;
    }
  }
  return TSNMPEditorPanel::eventFilter(watched, event);
}

void TSNMPListViewPanel::fire(const RowEvent& event, QAbstractButton* button) {
  if (event) event(this, button);
}

void TSNMPListViewPanel::AddBtnClick() {
  auto* button = BtnPanel()->Button(TCtrlBtnPanel::AddBtn);
  ListView()->clearSelection();
  fire(OnBeforeAdd, button);
  AddRow();
  fire(OnAfterAdd, button);
}

void TSNMPListViewPanel::EditBtnClick() {
  auto* button = BtnPanel()->Button(TCtrlBtnPanel::EditBtn);
  fire(OnBeforeEdit, button);
  EditRow();
  fire(OnAfterEdit, button);
}

QString TSNMPListViewPanel::holderCaption() const {
  QWidget* holder = parentWidget();
  if (holder && holder->isWindow()) return holder->windowTitle();
  // A tab sheet: the tab's caption.
  for (QWidget* w = holder ? holder->parentWidget() : nullptr; w; w = w->parentWidget()) {
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
      const int index = tabs->indexOf(holder);
      if (index >= 0) return tabs->tabText(index);
      break;
    }
  }
  return Form() ? Form()->windowTitle() : window()->windowTitle();
}

void TSNMPListViewPanel::AddRow() {
  MvSNMPRequest2Edits* binding = Binding();
  const int addColumn = listPanel_->AddColumn();
  if (!binding || addColumn < 0) return;
  // The dialog's selection must be empty before the rows are prepared: deselecting empties them.
  ListView()->clearSelection();
  const QString caption = holderCaption();
  RowDialog dialog(*this, caption + QStringLiteral(" (Add)"));
  TEditsPanel* edits = EditsPanel();
  edits->SetRowsState(false);
  // The typed index values always form the new row's instance and cannot be left out.
  for (int r = 0; r < edits->RowCount(); ++r) {
    if (!edits->IsKeyRow(r)) continue;
    edits->EnableRow(r);
    const TEditsPanel::Row& row = edits->RowAt(r);
    row.check->setChecked(true);
    row.check->show();
    row.check->setEnabled(false);
  }
  const TEditsPanel::Row& status = edits->RowAt(addColumn);
  // Its box stays hidden: the add value always travels and is not the user's to leave out.
  edits->DisableRow(addColumn);
  status.check->setChecked(true);
  edits->SetRowValue(addColumn, listPanel_->AddValue());
  dialog.Lend();
  setRowButtons(false);
  dialog.Run();
  // The refresh that follows selects the row just added, found by the index typed for it.
  QStringList typedKey;
  for (int r = 0; r < edits->RowCount(); ++r)
    if (edits->IsKeyRow(r))
      if (auto* value = qobject_cast<QLineEdit*>(edits->RowAt(r).value)) typedKey << value->text();
  if (!typedKey.isEmpty() && !typedKey.join(QString()).isEmpty()) wantedKey_ = typedKey;
}

void TSNMPListViewPanel::EditRow() {
  MvSNMPRequest2Edits* binding = Binding();
  if (!binding || !hasSelection()) return;
  if (binding->Asynchronous()) {
    // A walk still running would refill the lines under the dialog: stop it first.
    binding->StopAndWait(kEditWaitMs);
    binding->Resume();
  }
  const ReadInstance row(*binding);
  RowDialog dialog(*this, Form() ? Form()->windowTitle() : window()->windowTitle());
  dialog.Frame().BtnPanel()->Button(TCtrlBtnPanel::SetCheckedBtn)->setEnabled(false);
  TEditsPanel* edits = EditsPanel();
  edits->SetRowsState(false);
  dialog.Lend();
  // Creating and destroying are the page's own buttons, not values to edit.
  RemovedOptions removed;
  std::vector<int> hidden;
  for (const auto& [column, value] : {std::pair{listPanel_->AddColumn(), listPanel_->AddValue()},
                                      std::pair{listPanel_->DeleteColumn(), listPanel_->DeleteValue()}}) {
    if (column < 0) continue;
    auto* combo = qobject_cast<QComboBox*>(edits->RowAt(column).value);
    if (!combo) continue;
    removed.remove(combo, value);
    if (combo->count() == 0 && std::find(hidden.begin(), hidden.end(), column) == hidden.end()) {
      edits->HideRow(column);
      hidden.push_back(column);
    }
  }
  dialog.Run();
  for (int r : hidden) edits->ShowRow(r);
}

void TSNMPListViewPanel::DeleteRow() {
  MvSNMPRequest2Edits* binding = Binding();
  const int deleteColumn = listPanel_->DeleteColumn();
  if (!binding || deleteColumn < 0) return;
  if (!UserNotice::confirm(this, QStringLiteral("Are you sure to delete it?"))) return;
  // Without a selected line there is no instance to delete.
  if (!hasSelection()) return;
  const bool wasAsynchronous = binding->Asynchronous();
  binding->SetAsynchronous(false);
  // Only the delete column travels, with the delete value, at the selected line's instance.
  const MvSNMPVarList& list = binding->Request().varList;
  std::vector<int> chosen;
  for (int i = 0; i < list.count(); ++i)
    if (i < list.keyCount() || i == deleteColumn) chosen.push_back(i);
  const QPointer<MvSNMPRequest2Edits> guard(binding);
  QString deleted;
  std::optional<QString> failure;
  {
    const ReadInstance row(*binding);
    deleted = row.Instance();
    // The set's own "Ok" would come before anyone knows whether the row went: the verdict is
    // written once the table has been read again.
    QPlainTextEdit* memo = MsgPanel() ? MsgPanel()->Memo() : nullptr;
    if (memo) binding->SetStatusTarget(static_cast<QPlainTextEdit*>(nullptr));
    try {
      binding->CollectValues();
      EditsPanel()->SetRowValue(deleteColumn, listPanel_->DeleteValue());
      binding->ApplyItems(chosen, false);
    } catch (const MvException& e) {
      failure = e.message();
    }
    if (!guard) return;  // the form was closed meanwhile
    if (memo) binding->SetStatusTarget(memo);
  }
  if (failure) {
    binding->ShowStatus(*failure);
    RefreshTable();
    binding->SetAsynchronous(wasAsynchronous);
    return;
  }
  RefreshTable();
  if (!guard) return;
  binding->SetAsynchronous(wasAsynchronous);
  // An agent may answer the destroy without error and keep the row: that is no success.
  bool kept = false;
  if (!deleted.isEmpty()) {
    for (int r = 0; r < ListView()->topLevelItemCount() && !kept; ++r) {
      const auto* line = dynamic_cast<const MvListRow*>(ListView()->topLevelItem(r));
      kept = line && line->Instance() == deleted;
    }
  }
  if (QPlainTextEdit* memo = MsgPanel() ? MsgPanel()->Memo() : nullptr)
    memo->appendPlainText(MvSNMPRequest2Controls::StatusLine(
        MvSNMPRequest2Controls::Operation::Set,
        kept ? KeptRowMessage() : messageOf(MvCode::Ok), QTime::currentTime()));
  if (kept) UserNotice::warning(this, KeptRowMessage());
}

QString TSNMPListViewPanel::KeptRowMessage() {
  return QStringLiteral("the device kept the row: it answered the delete without an error, "
                        "but the row is still in the table.");
}
