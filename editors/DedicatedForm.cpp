#include "editors/DedicatedForm.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "catalogue/CatalogueRegistry.h"
#include "mvsnmp/MvError.h"
#include "widgets/MvListRows.h"
#include "bind/MvListTools.h"
#include "bind/MvSNMPRequest2Edits.h"
#include "widgets/PortUitFormUnit.h"
#include "widgets/UserNotice.h"

TDedicatedForm::TDedicatedForm(QWidget* owner, const QString& caption) : QDialog(owner) {
  setWindowTitle(caption);
  setSizeGripEnabled(true);
}

TDedicatedForm::~TDedicatedForm() {
  for (QTreeWidget* view : findChildren<QTreeWidget*>())
    if (MvListTools* tools = MvListTools::Of(view)) tools->Detach();
  ReleaseAll();
  for (const QMetaObject::Connection& c : followers_) disconnect(c);
  for (QObject* child : findChildren<QObject*>()) disconnect(child, nullptr, this, nullptr);
}

MvSNMPRequest2Edits* TDedicatedForm::AddBinding(const char* listName) {
  const CatalogueList* list = findCatalogueList(QString::fromLatin1(listName));
  if (!list) throw MvException(-1, QStringLiteral("Unknown descriptor list %1").arg(QLatin1String(listName)));
  auto binding = std::make_unique<MvSNMPRequest2Edits>(this);
  binding->Request().varList = list->makeVarList();
  MvSNMPRequest2Edits* b = binding.get();
  // The first step waiting for this binding's apply (or refresh) runs once it has ended.
  const auto runFirst = [b](AfterEnd& waiting, const MvSNMPError& error) {
    for (auto it = waiting.begin(); it != waiting.end(); ++it) {
      if (it->first != b) continue;
      auto then = std::move(it->second);
      waiting.erase(it);
      then(error);
      return;
    }
  };
  b->OnApplyDone = [this, runFirst](MvSNMPRequest2Controls*, const MvSNMPError& error) {
    runFirst(afterApply_, error);
  };
  b->OnRefreshDone = [this, b, runFirst](MvSNMPRequest2Controls*, const MvSNMPError& error) {
    // The form's own handler first (it ends its guards), then what waited for this refresh.
    const AfterEnd handlers = refreshEnded_;
    for (const auto& [binding, done] : handlers)
      if (binding == b) done(error);
    runFirst(afterRefresh_, error);
  };
  bindings_.push_back(std::move(binding));
  return b;
}

bool TDedicatedForm::ApplyThen(MvSNMPRequest2Edits* binding, bool collectFirst,
                               std::function<void(const MvSNMPError& error)> then) {
  if (!binding->Asynchronous()) {
    // A blocking apply has ended when it returns (its error raised); no completion follows.
    const bool sent = binding->Apply(false, collectFirst);
    if (sent) then(MvSNMPError{});
    return sent;
  }
  afterApply_.emplace_back(binding, std::move(then));
  const auto drop = [this, binding] {
    std::erase_if(afterApply_, [binding](const auto& p) { return p.first == binding; });
  };
  try {
    if (binding->Apply(false, collectFirst)) return true;
  } catch (...) {
    drop();
    throw;
  }
  drop();
  return false;
}

QString TDedicatedForm::ApplyAndWait(MvSNMPRequest2Edits* binding, bool* raised) {
  // Shared: the completion may outlive this call only if the binding is released meanwhile.
  const auto outcome = std::make_shared<std::optional<MvSNMPError>>();
  QString failure;
  bool started = false;
  const bool ok = Guard([&failure](const QString& m) { failure = m; }, [&] {
    started = ApplyThen(binding, true, [outcome](const MvSNMPError& e) { *outcome = e; });
  });
  if (raised) *raised = !ok || !started;
  if (!ok) return failure;
  if (!started) return QStringLiteral("Get data not complete");  // busy or stopped: nothing sent
  binding->WaitWhileBusy();
  return *outcome && !(*outcome)->ok() ? (*outcome)->message : QString();
}

bool TDedicatedForm::RefreshThen(MvSNMPRequest2Edits* binding, std::function<void(const MvSNMPError& error)> then) {
  if (!binding->Asynchronous()) {
    // A blocking refresh has ended when it returns (its error raised); no completion follows.
    const bool started = StartRefresh(binding);
    if (started) then(MvSNMPError{});
    return started;
  }
  afterRefresh_.emplace_back(binding, std::move(then));
  const auto drop = [this, binding] {
    // Only the step just added: an earlier one may still wait for a refresh under way.
    for (auto it = afterRefresh_.rbegin(); it != afterRefresh_.rend(); ++it) {
      if (it->first != binding) continue;
      afterRefresh_.erase(std::next(it).base());
      return;
    }
  };
  try {
    if (StartRefresh(binding)) return true;
  } catch (...) {
    drop();
    throw;
  }
  drop();
  return false;
}

void TDedicatedForm::OnRefreshEnded(MvSNMPRequest2Edits* binding, std::function<void(const MvSNMPError& error)> done) {
  refreshEnded_.emplace_back(binding, std::move(done));
}

bool TDedicatedForm::CheckFields(QWidget* parent, const std::vector<TypedField>& fields) {
  std::vector<QString> read;
  for (const TypedField& f : fields) {
    const std::optional<QString> text = MvKeyText::read(f.rule, f.edit->text());
    if (!text) {
      UserNotice::warning(parent, MvKeyText::refusal(f.label, f.edit->text(), f.rule));
      if (f.edit->isEnabled()) f.edit->setFocus();
      return false;
    }
    read.push_back(*text);
  }
  // Only once every field has passed: a refused entry keeps each field as typed.
  for (size_t i = 0; i < fields.size(); ++i)
    if (fields[i].edit->text() != read[i]) fields[i].edit->setText(read[i]);
  return true;
}

bool TDedicatedForm::ConfirmDelete() { return UserNotice::confirm(this, QStringLiteral("Are you sure to delete it?")); }

bool TDedicatedForm::SelectRowWithText(QTreeWidget* view, int column, const QString& text) {
  for (int i = 0; i < view->topLevelItemCount(); ++i) {
    QTreeWidgetItem* row = view->topLevelItem(i);
    if (row->text(column) != text) continue;
    view->setCurrentItem(row);
    view->scrollToItem(row);
    return true;
  }
  return false;
}

TPortUitForm* TDedicatedForm::AddPortGrid(QWidget* parent) {
  auto* grid = new TPortUitForm(parent);
  grid->AddUnit(QStringLiteral("Unit1"), 1, GridBoxes, GridColumns);
  grid->ShowUnit(QStringLiteral("1"), QStringLiteral("KX760"), VisiblePorts);
  auto* layout = parent->layout() ? parent->layout() : new QVBoxLayout(parent);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(grid);
  grid->show();
  return grid;
}

QString TDedicatedForm::PortBitList() {
  QStringList bits;
  for (int i = 0; i < GridBoxes; ++i) bits << QString::number(i);
  return bits.join(u',');
}

void TDedicatedForm::UncheckAll(const TPortUitForm* grid) {
  for (QCheckBox* box : grid->PortCheckBoxes()) box->setChecked(false);
}

void TDedicatedForm::EnableAll(const TPortUitForm* grid, bool on) {
  for (QCheckBox* box : grid->PortCheckBoxes()) box->setEnabled(on);
}

bool TDedicatedForm::Guard(MvSNMPRequest2Controls* binding, const std::function<void()>& action) {
  return Guard([binding](const QString& message) { if (binding) binding->ShowStatus(message); }, action);
}

bool TDedicatedForm::Guard(const std::function<void(const QString&)>& sink, const std::function<void()>& action) {
  try {
    action();
    return true;
  } catch (const MvException& e) {
    sink(e.message());
    return false;
  }
}

void TDedicatedForm::Release(MvSNMPRequest2Edits* binding) {
  for (auto it = bindings_.begin(); it != bindings_.end(); ++it) {
    if (it->get() != binding) continue;
    // Moved out first: a completion that arrives while we wait must not find it half destroyed.
    std::unique_ptr<MvSNMPRequest2Edits> owned = std::move(*it);
    bindings_.erase(it);
    for (AfterEnd* waiting : {&afterApply_, &afterRefresh_, &refreshEnded_})
      std::erase_if(*waiting, [binding](const auto& p) { return p.first == binding; });
    owned->Request().alive = false;
    owned->WaitWhileBusy();
    return;
  }
}

void TDedicatedForm::ReleaseAll() {
  while (!bindings_.empty()) Release(bindings_.front().get());
}

void TDedicatedForm::ShowRowCount(QLabel* label, const QTreeWidget* view) {
  if (!label || !view) return;
  const int total = view->topLevelItemCount();
  const int shown = MvListRows::shownRows(view);
  label->setText(shown == total ? QString::number(total) : QStringLiteral("%1 of %2").arg(shown).arg(total));
  // The form counts the rows: the tools' line says only why a walk stopped.
  if (MvListTools* tools = MvListTools::Of(view)) tools->SetOwnCount(true);
}

void TDedicatedForm::OnRowsChanged(QTreeWidget* view, const std::function<void()>& changed) {
  QAbstractItemModel* model = view->model();
  followers_.push_back(connect(model, &QAbstractItemModel::rowsInserted, this, changed));
  followers_.push_back(connect(model, &QAbstractItemModel::rowsRemoved, this, changed));
  followers_.push_back(connect(model, &QAbstractItemModel::modelReset, this, changed));
}

void TDedicatedForm::SetExcluded(MvSNMPRequest2Edits* binding, int item, bool excluded) {
  binding->Request().varList.item(item).access = excluded ? Access::Invalid : Access::ReadWrite;
}

bool TDedicatedForm::StartRefresh(MvSNMPRequest2Edits* binding) {
  binding->Request().alive = true;
  return binding->Refresh();
}

bool TDedicatedForm::FirstRefreshDone() const {
  for (const auto& b : bindings_)
    if (b->Busy()) return false;
  return true;
}

QPlainTextEdit* TDedicatedForm::MakeMemo(QWidget* parent, const char* name) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(QLatin1String(name));
  memo->setReadOnly(true);
  return memo;
}

QPushButton* TDedicatedForm::MakeButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);  // Enter in an edit must not press a button
  return button;
}

QLabel* TDedicatedForm::MakeStaticText(QWidget* parent, const char* name) {
  auto* text = new QLabel(parent);
  text->setObjectName(QLatin1String(name));
  text->setFrameShape(QFrame::Panel);
  text->setFrameShadow(QFrame::Sunken);
  text->setMinimumWidth(80);
  text->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return text;
}

QTreeWidget* TDedicatedForm::MakeListView(QWidget* parent, const char* name) {
  auto* view = new QTreeWidget(parent);
  view->setObjectName(QLatin1String(name));
  // Attached before the form connects to the view's rows: rows are filtered before it counts.
  MvListTools::Attach(view);
  return view;
}

void TDedicatedForm::ConnectListTools() {
  // The form's "Refresh" button starts the walk of its list.
  QPushButton* refresh = nullptr;
  for (QPushButton* b : findChildren<QPushButton*>())
    if (b->window() == this && b->text() == u"Refresh") refresh = b;
  for (const auto& binding : bindings_) {
    MvListTools* tools = MvListTools::Of(binding->ListView());
    if (!tools) continue;
    tools->PlaceAbove();
    tools->SetBinding(binding.get());
    if (refresh) tools->SetRefreshButton(refresh);
  }
}

void TDedicatedForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  ConnectListTools();
}

QWidget* TDedicatedForm::AddGridSheet(QTabWidget* pages, const char* sheetName, const QString& caption,
                                      const char* boxName) {
  auto* sheet = new QWidget;
  sheet->setObjectName(QLatin1String(sheetName));
  pages->addTab(sheet, caption);  // the page control owns the sheet
  auto* layout = new QVBoxLayout(sheet);
  layout->setContentsMargins(2, 2, 2, 2);
  auto* box = new QWidget(sheet);
  box->setObjectName(QLatin1String(boxName));
  layout->addWidget(box);
  return box;
}

void TDedicatedForm::LayOutListEditor(QTreeWidget* list, QLayout* fields, QWidget* lower,
                                      const QList<QPushButton*>& buttons, QLabel* count, QPlainTextEdit* memo,
                                      bool samplesLabel) {
  auto* side = new QVBoxLayout;
  for (QPushButton* b : buttons) side->addWidget(b);
  if (count) {
    side->addSpacing(12);
    if (samplesLabel) side->addWidget(new QLabel(QStringLiteral("Samples"), this));
    side->addWidget(count);
  }
  side->addStretch();
  memo->setMaximumHeight(90);
  auto* middle = new QVBoxLayout;
  middle->addLayout(fields);
  middle->addWidget(lower, 1);
  auto* body = new QGridLayout(this);
  body->addWidget(list, 0, 0);
  body->addLayout(middle, 1, 0);
  body->addLayout(side, 0, 1, 2, 1);
  body->addWidget(memo, 2, 0, 1, 2);
  body->setRowStretch(0, 2);
  body->setRowStretch(1, 3);
}

QStatusBar* TDedicatedForm::MakeStatusBar(QWidget* parent, QLabel** panel) {
  auto* bar = new QStatusBar(parent);
  bar->setObjectName(QStringLiteral("StatusBar1"));
  bar->setSizeGripEnabled(false);
  *panel = new QLabel(bar);
  (*panel)->setObjectName(QStringLiteral("StatusPanel0"));
  bar->addWidget(*panel, 1);
  return bar;
}

void TDedicatedForm::SetEnterButtons(const QList<QWidget*>& fields, const QList<QPushButton*>& buttons) {
  enterFields_.clear();
  for (QWidget* f : fields) enterFields_.append(f);
  enterButtons_.clear();
  for (QPushButton* b : buttons) enterButtons_.append(b);
}

void TDedicatedForm::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && !enterButtons_.isEmpty()) {
    // The fields ignore Enter, so it arrives here; it presses the button the form's state offers.
    QWidget* focus = focusWidget();
    const bool inField = std::any_of(enterFields_.begin(), enterFields_.end(), [focus](const QPointer<QWidget>& f) {
      return f && focus && (f == focus || f->isAncestorOf(focus));
    });
    if (inField) {
      for (const QPointer<QPushButton>& b : enterButtons_) {
        if (b && b->isVisible() && b->isEnabled()) {
          b->click();
          break;
        }
      }
    }
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TDedicatedForm::done(int result) {
  if (!closed_) {
    if (!CanClose()) return;
    closed_ = true;
    FormClose();
    ReleaseAll();
  }
  QDialog::done(result);
}
