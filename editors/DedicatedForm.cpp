#include "editors/DedicatedForm.h"

#include <QAbstractItemModel>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <algorithm>
#include <optional>

#include "bind/MvListTools.h"
#include "bind/MvSNMPRequest2Edits.h"
#include "catalogue/CatalogueRegistry.h"
#include "mvsnmp/MvError.h"

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
  MvSNMPRequest2Edits* b = bindings_.Adopt(std::make_unique<MvSNMPRequest2Edits>(this));
  b->Request().varList = list->makeVarList();
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

void TDedicatedForm::WhenDone(MvSNMPRequest2Edits* binding, std::function<void(const MvSNMPError& error)> then) {
  if (!binding->Busy()) return then(MvSNMPError{});
  // After the steps already waiting for the same operation.
  AfterEnd& waiting = binding->LastOperation() == MvSNMPRequest2Controls::Operation::Set ? afterApply_ : afterRefresh_;
  waiting.emplace_back(binding, std::move(then));
}

void TDedicatedForm::OnRefreshEnded(MvSNMPRequest2Edits* binding, std::function<void(const MvSNMPError& error)> done) {
  refreshEnded_.emplace_back(binding, std::move(done));
}

bool TDedicatedForm::StartRefresh(MvSNMPRequest2Edits* binding) {
  binding->Resume();
  return binding->Refresh();
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
  if (!bindings_.Holds(binding)) return;
  // Nothing waits for it any more: a completion that arrives while it is released runs no step.
  for (AfterEnd* waiting : {&afterApply_, &afterRefresh_, &refreshEnded_})
    std::erase_if(*waiting, [binding](const auto& p) { return p.first == binding; });
  bindings_.Release(binding);
}

void TDedicatedForm::ReleaseAll() {
  while (MvSNMPRequest2Edits* b = bindings_.At(0)) Release(b);
}

void TDedicatedForm::OnRowsChanged(QTreeWidget* view, const std::function<void()>& changed) {
  QAbstractItemModel* model = view->model();
  followers_.push_back(connect(model, &QAbstractItemModel::rowsInserted, this, changed));
  followers_.push_back(connect(model, &QAbstractItemModel::rowsRemoved, this, changed));
  followers_.push_back(connect(model, &QAbstractItemModel::modelReset, this, changed));
}

bool TDedicatedForm::FirstRefreshDone() const { return !bindings_.AnyBusy(); }

bool TDedicatedForm::Settled() const { return !bindings_.AnyBusy() && afterApply_.empty() && afterRefresh_.empty(); }

void TDedicatedForm::ConnectListTools() {
  // The form's "Refresh" button starts the walk of its list.
  QPushButton* refresh = nullptr;
  for (QPushButton* b : findChildren<QPushButton*>())
    if (b->window() == this && b->text() == u"Refresh") refresh = b;
  for (int i = 0; i < bindings_.Count(); ++i) {
    MvSNMPRequest2Edits* binding = bindings_.At(i);
    MvListTools* tools = MvListTools::Of(binding->ListView());
    if (!tools) continue;
    tools->PlaceAbove();
    tools->SetBinding(binding);
    if (refresh) tools->SetRefreshButton(refresh);
  }
}

void TDedicatedForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  ConnectListTools();
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
