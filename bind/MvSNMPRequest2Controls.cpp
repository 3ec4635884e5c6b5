#include "bind/MvSNMPRequest2Controls.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>

#include "bind/BusyWait.h"
#include "widgets/UserNotice.h"

namespace {

// The status bar property that holds its simple-mode text.
constexpr char kSimpleTextProperty[] = "simpleText";
const QString kErrorMark = QStringLiteral("[ERROR]");
const QString kVarListMark = QStringLiteral("[VARLIST]");
const QString kTimeMark = QStringLiteral("[TIME]");

// "hh:nn:ss ampm": two-digit hour on the 12-hour clock and the locale's designator.
QString timeText(const QTime& time) {
  int hour = time.hour() % 12;
  if (hour == 0) hour = 12;
  const QLocale locale;
  return QString::asprintf("%02d:%02d:%02d ", hour, time.minute(), time.second()) +
         (time.hour() < 12 ? locale.amText() : locale.pmText());
}

}  // namespace

MvSNMPRequest2Controls::MvSNMPRequest2Controls(QWidget* owner) : owner_(owner) {}

MvSNMPRequest2Controls::~MvSNMPRequest2Controls() {
  *living_ = false;
  if (outcome_) outcome_->done = true;
  for (QEventLoop* loop : waiters_) loop->quit();
  setBusy(false);
  request_.alive = false;
  // The request's own destructor lets outstanding completions run (they return at once now)
  // and cancels what is left.
}

void MvSNMPRequest2Controls::SetStatusTarget(QPlainTextEdit* memo) {
  memo_ = memo;
  statusBar_ = nullptr;
  statusPanel_ = nullptr;
}

void MvSNMPRequest2Controls::SetStatusTarget(QStatusBar* bar) {
  memo_ = nullptr;
  statusBar_ = bar;
  statusPanel_ = nullptr;
}

void MvSNMPRequest2Controls::SetStatusTarget(QLabel* panel) {
  memo_ = nullptr;
  statusBar_ = nullptr;
  statusPanel_ = panel;
}

QString MvSNMPRequest2Controls::SimpleText(const QStatusBar* bar) {
  return bar ? bar->property(kSimpleTextProperty).toString() : QString();
}

bool MvSNMPRequest2Controls::HasStatusTarget() const {
  return memo_ || statusBar_ || statusPanel_;
}

QString MvSNMPRequest2Controls::StatusLine(Operation op, const QString& message,
                                           const QTime& time) {
  QString format = MvCatalogues::entry(MvCatalogue::StatusFormats, static_cast<int>(op));
  // Variable lists carry no name here, so " Request:[VARLIST]" goes.
  const int error = format.indexOf(kErrorMark);
  if (error >= 0) {
    const int varList = format.indexOf(kVarListMark, error);
    if (varList >= 0) {
      const int from = error + static_cast<int>(kErrorMark.size());
      format.remove(from, varList + static_cast<int>(kVarListMark.size()) - from);
    }
  }
  // One pass, so that text put in by a replacement is never searched again.
  const QString time_ = timeText(time);
  QString line;
  line.reserve(format.size() + message.size() + time_.size());
  for (qsizetype i = 0; i < format.size();) {
    const QStringView rest = QStringView(format).mid(i);
    if (rest.startsWith(kErrorMark)) {
      line += message;
      i += kErrorMark.size();
    } else if (rest.startsWith(kTimeMark)) {
      line += time_;
      i += kTimeMark.size();
    } else {
      line += format.at(i++);
    }
  }
  return line;
}

void MvSNMPRequest2Controls::ShowStatus(const QString& message) {
  if (!HasStatusTarget()) return;
  const QString line = StatusLine(lastOperation_, message, QTime::currentTime());
  if (memo_)
    memo_->appendPlainText(line);
  else if (statusBar_)
    statusBar_->setProperty(kSimpleTextProperty, line);
  else if (statusPanel_)
    statusPanel_->setText(line);
}

void MvSNMPRequest2Controls::ReportError(Operation op, const QString& message) {
  lastOperation_ = op;
  if (HasStatusTarget())
    ShowStatus(message);
  else
    UserNotice::message(owner_, UserNotice::programFileName(), message);
}

void MvSNMPRequest2Controls::RefreshFailed(const MvSNMPError& error) {
  ReportError(Operation::Get, error.message);
}

void MvSNMPRequest2Controls::ApplyFailed(const MvSNMPError& error) {
  ReportError(Operation::Set, error.message);
}

SnmpCompletion MvSNMPRequest2Controls::completion(
    void (MvSNMPRequest2Controls::*step)(const MvSNMPError&)) {
  return [this, living = living_, step](void*, const MvSNMPError& error, MvSNMPVarList&) {
    if (!*living) return;
    // Nothing may escape into the engine: its bookkeeping follows the callback.
    try {
      (this->*step)(error);
    } catch (...) {
    }
  };
}

bool MvSNMPRequest2Controls::Refresh() {
  if (busy_ && (asynchronous_ || !WaitWhileBusy())) return false;
  lastOperation_ = Operation::Get;
  BeforeRefresh();
  if (!request_.alive) {
    OperationEnded();
    return false;
  }
  return run([this] {
    request_.readAsync(completion(&MvSNMPRequest2Controls::refreshStep), this, true);
  });
}

bool MvSNMPRequest2Controls::Apply(bool refreshAfter, bool collectFirst) {
  if (busy_ && (asynchronous_ || !WaitWhileBusy())) return false;
  lastOperation_ = Operation::Set;
  refreshAfterApply_ = refreshAfter;
  BeforeApply();
  if (collectFirst) CollectValues();
  CheckValues();
  if (!request_.alive) {
    OperationEnded();
    return false;
  }
  const bool blocking = !asynchronous_;
  if (!run([this] { request_.writeAsync(completion(&MvSNMPRequest2Controls::applyDone), this, false); }))
    return false;
  if (blocking && request_.varList.isTableList() && refreshAfterApply_) Refresh();
  return true;
}

bool MvSNMPRequest2Controls::ApplyItems(const std::vector<int>& items, bool refreshAfter) {
  MvSNMPVarList& list = request_.varList;
  // The set PDU is built from the items not marked invalid; the marks last only while it is
  // built and sent, and items the caller had already left out stay out.
  std::vector<int> marked;
  for (int i = 0; i < list.count(); ++i) {
    SnmpVarItem& item = list.item(i);
    if ((item.access & Access::Invalid) || std::find(items.begin(), items.end(), i) != items.end())
      continue;
    item.access |= Access::Invalid;
    marked.push_back(i);
  }
  bool anyLeft = false;
  for (int i = 0; i < list.count() && !anyLeft; ++i) anyLeft = !(list.item(i).access & Access::Invalid);
  if (!anyLeft) {
    for (int i : marked) list.item(i).access &= ~Access::Invalid;
    return false;
  }
  const auto living = living_;
  auto unmark = [&] {
    if (!*living) return;
    for (int i : marked)
      if (i < request_.varList.count()) request_.varList.item(i).access &= ~Access::Invalid;
  };
  bool sent = false;
  try {
    sent = Apply(refreshAfter, false);
  } catch (...) {
    unmark();
    throw;
  }
  unmark();
  return sent;
}

namespace {
int busyBindings = 0;
}  // namespace

int MvSNMPRequest2Controls::BusyBindings() { return busyBindings; }

void MvSNMPRequest2Controls::setBusy(bool on) {
  if (on != busy_) busyBindings += on ? 1 : -1;
  busy_ = on;
}

bool MvSNMPRequest2Controls::run(const std::function<void()>& send) {
  Outcome outcome;
  blocking_ = !asynchronous_;
  setBusy(true);
  if (OnBusyChanged) OnBusyChanged(true);
  if (blocking_) outcome_ = &outcome;
  try {
    send();
  } catch (...) {
    endOperation(std::nullopt);
    throw;
  }
  if (!outcome_) return true;
  const auto living = living_;
  waitFor(outcome);
  if (!*living) return false;
  if (outcome.error) throw *outcome.error;
  return true;
}

void MvSNMPRequest2Controls::refreshStep(const MvSNMPError& error) {
  if (!error.ok()) {
    const bool blocking = blocking_;
    ReadFailed(error);
    endOperation(MvException(error.code, error.message));
    if (!blocking) {
      RefreshFailed(error);
      fire(OnRefreshDone, error);
    }
    return;
  }
  try {
    const bool table = request_.varList.isTableList();
    if (!table || !error.finished) {
      if (request_.matchesFilter()) RowReceived();
      if (table && request_.alive) {
        request_.readAsync(completion(&MvSNMPRequest2Controls::refreshStep), this, false);
        return;
      }
    }
    finishRefresh(error);
  } catch (const MvException& e) {
    // A row that cannot be handled stops the walk; the rows before it stay.
    rowFailed(e);
  } catch (const std::exception& e) {
    rowFailed(MvException(MvCode::UnknownError, QString::fromLocal8Bit(e.what())));
  }
}

void MvSNMPRequest2Controls::rowFailed(const MvException& e) {
  const bool blocking = blocking_;
  ReadFailed(e.error());
  endOperation(e);
  if (blocking) return;
  // Reported as any failed refresh is (status line, else message box).
  RefreshFailed(e.error());
  fire(OnRefreshDone, e.error());
}

void MvSNMPRequest2Controls::finishRefresh(const MvSNMPError& error) {
  AfterRefresh();
  const bool blocking = blocking_;
  endOperation(std::nullopt);
  if (HasStatusTarget()) {
    lastOperation_ = Operation::Get;
    ShowStatus(messageOf(MvCode::Ok));
  }
  if (!blocking) fire(OnRefreshDone, error);
}

void MvSNMPRequest2Controls::applyDone(const MvSNMPError& error) {
  const bool blocking = blocking_;
  if (!error.ok()) {
    endOperation(MvException(error.code, error.message));
    if (!blocking) {
      ApplyFailed(error);
      fire(OnApplyDone, error);
    }
    return;
  }
  try {
    AfterApply();
  } catch (const MvException& e) {
    endOperation(e);
    if (blocking) return;
    ReportError(Operation::Set, e.message());
    fire(OnApplyDone, e.error());
    return;
  }
  endOperation(std::nullopt);
  if (HasStatusTarget()) {
    lastOperation_ = Operation::Set;
    ShowStatus(messageOf(MvCode::Ok));
  }
  if (blocking) return;  // the blocking Apply refreshes once it has returned from its wait
  const auto living = living_;
  fire(OnApplyDone, error);
  if (!*living || !request_.varList.isTableList() || !refreshAfterApply_) return;
  try {
    Refresh();
  } catch (const MvException& e) {
    ReportError(Operation::Get, e.message());
  }
}

void MvSNMPRequest2Controls::endOperation(std::optional<MvException> error) {
  if (outcome_) {
    outcome_->done = true;
    outcome_->error = std::move(error);
    outcome_ = nullptr;
  }
  setBusy(false);
  blocking_ = false;
  wakeWaiters();
  OperationEnded();
  if (OnBusyChanged) OnBusyChanged(false);
}

void MvSNMPRequest2Controls::fire(const DoneEvent& event, const MvSNMPError& error) {
  if (!event) return;
  try {
    event(this, error);
  } catch (const MvException& e) {
    ReportError(lastOperation_, e.message());
  }
}

void MvSNMPRequest2Controls::wakeWaiters() {
  for (QEventLoop* loop : waiters_) loop->quit();
}

namespace {

// One turn of a blocking wait. The user's input is taken from the queue and thrown away by the
// BusyWait around it, never held back for later. Once the application has been told to exit, a
// new nested loop returns at once (-1) and a wait built on it would spin at full speed without
// ever receiving its answer; the wait then takes events directly, sleeping until one arrives, so
// the operation still ends and the program with it.
void waitTurn(QEventLoop& loop) {
  if (loop.exec() == -1) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

}  // namespace

void MvSNMPRequest2Controls::waitFor(const Outcome& outcome) {
  const auto living = living_;
  const BusyWait busy;
  while (!outcome.done) {
    QEventLoop loop;
    waiters_.push_back(&loop);
    waitTurn(loop);
    if (!*living) return;
    waiters_.erase(std::find(waiters_.begin(), waiters_.end(), &loop));
  }
}

bool MvSNMPRequest2Controls::StopAndWait(int maxMs) {
  Stop();
  return WaitWhileBusy(maxMs);
}

void MvSNMPRequest2Controls::SetExcluded(int item, bool excluded) {
  request_.varList.item(item).access = excluded ? Access::Invalid : Access::ReadWrite;
}

bool MvSNMPRequest2Controls::WaitWhileBusy(int maxMs) {
  if (!busy_) return true;
  const auto living = living_;
  bool expired = false;
  QTimer limit;
  limit.setSingleShot(true);
  const BusyWait busy;
  while (busy_ && !expired) {
    QEventLoop loop;
    waiters_.push_back(&loop);
    if (maxMs >= 0) {
      QObject::connect(&limit, &QTimer::timeout, &loop, [&] {
        expired = true;
        loop.quit();
      });
      if (!limit.isActive()) limit.start(maxMs);
    }
    waitTurn(loop);
    if (!*living) return true;
    waiters_.erase(std::find(waiters_.begin(), waiters_.end(), &loop));
  }
  return !busy_;
}
