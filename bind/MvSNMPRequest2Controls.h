// The abstract base of every binding between one SNMP request and a set of widgets: runs refresh
// (agent -> controls) and apply (controls -> agent), blocking or asynchronous, and leaves one
// status line per operation in a status target (or a message box for errors without one).
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTime>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "mvsnmp/MvError.h"
#include "mvsnmp/MvSNMPRequest.h"

class QEventLoop;
class QLabel;
class QPlainTextEdit;
class QStatusBar;
class QWidget;

class MvSNMPRequest2Controls : public QObject {
 public:
  // Selects the status-line format: the index of the catalogue's get and set formats.
  enum class Operation { Get = 0, Set = 1 };
  using DoneEvent = std::function<void(MvSNMPRequest2Controls* binding, const MvSNMPError& error)>;

  explicit MvSNMPRequest2Controls(QWidget* owner);
  // The owner calls StopAndWait before destroying a binding (MvBindingOwner does); a completion
  // that still arrives afterwards never reaches it. Never destroy a binding from inside its own
  // OnRefreshDone/OnApplyDone (use deleteLater).
  ~MvSNMPRequest2Controls() override;
  MvSNMPRequest2Controls(const MvSNMPRequest2Controls&) = delete;
  MvSNMPRequest2Controls& operator=(const MvSNMPRequest2Controls&) = delete;

  MvSNMPRequest& Request() { return request_; }
  const MvSNMPRequest& Request() const { return request_; }
  QWidget* Owner() const { return owner_; }
  bool Busy() const { return busy_; }
  // How many bindings of the program are busy now (a picture of a window waits for none).
  static int BusyBindings();
  bool Asynchronous() const { return asynchronous_; }
  void SetAsynchronous(bool on) { asynchronous_ = on; }
  bool RefreshAfterApply() const { return refreshAfterApply_; }
  Operation LastOperation() const { return lastOperation_; }

  // Fired when an asynchronous refresh or apply ends, in success or failure.
  DoneEvent OnRefreshDone;
  DoneEvent OnApplyDone;
  // Fired when an operation starts (true) and when it has ended (false).
  std::function<void(bool busy)> OnBusyChanged;

  // Attaches the status control (not owned; nullptr detaches). One target at a time.
  void SetStatusTarget(QPlainTextEdit* memo);
  // A status bar keeps the lines as its simple-mode text (SimpleText), which it does not show
  // while it displays its panels: the user keeps seeing the first panel's text.
  void SetStatusTarget(QStatusBar* bar);
  void SetStatusTarget(QLabel* panel);
  bool HasStatusTarget() const;

  // Reads the variable list from the agent and hands every row to RowReceived. Blocking mode
  // returns when the refresh has ended and raises its error (MvException); the windows keep
  // painting meanwhile and user input is dropped (BusyWait). Asynchronous mode returns at once.
  // Operations never overlap: a blocking call first waits for a running one, an asynchronous
  // call on a busy binding starts nothing. Returns false when nothing was started (busy, or the
  // request not alive).
  bool Refresh();
  // Writes the variable list to the agent; `collectFirst` calls CollectValues before sending.
  // After success on a table list with `refreshAfter`, a refresh follows.
  bool Apply(bool refreshAfter = true, bool collectFirst = true);
  // Writes only the chosen items, in list order, without collecting first; the other items keep
  // their values and flags. An empty choice sends nothing and returns false.
  bool ApplyItems(const std::vector<int>& items, bool refreshAfter = false);

  // Writes one status line for the last operation with the message in place of "[ERROR]";
  // nothing without a status target.
  void ShowStatus(const QString& message);
  // The status line of an operation at a time of day: the catalogue's format without its
  // " Request:[VARLIST]" part, "[ERROR]" and "[TIME]" replaced in one pass.
  static QString StatusLine(Operation op, const QString& message, const QTime& time);
  // The last status line a binding gave the bar (its simple-mode text).
  static QString SimpleText(const QStatusBar* bar);

  // Waits, repainting but dropping user input (BusyWait), until the binding is no longer Busy or
  // `maxMs` (negative: no limit) has passed. True when it is no longer Busy.
  bool WaitWhileBusy(int maxMs = -1);

  // ---- what the windows set on the request ----
  // Ends what is out at its next answer (a walk keeps the rows read so far) and starts nothing
  // until Resume: refreshes and applies return false meanwhile.
  void Stop() { request_.alive = false; }
  // Takes operations again after a Stop.
  void Resume() { request_.alive = true; }
  bool Stopped() const { return !request_.alive; }
  // The stop-and-release contract: stopped, then waited for (the windows painting) until
  // nothing is out or `maxMs` (negative: no limit) has passed; true when nothing is out. The
  // binding may be destroyed then: a completion that arrives later never reaches it.
  bool StopAndWait(int maxMs = -1);
  // The time-out of each try, in hundredths of a second.
  void SetTimeout(int hundredths) { request_.timeout = hundredths; }
  // Leaves an item out of every PDU (its flags become the excluded flag alone), or gives it back
  // its read-write access.
  void SetExcluded(int item, bool excluded);

 protected:
  virtual void BeforeRefresh() {}
  virtual void BeforeApply() {}
  virtual void RowReceived() = 0;
  virtual void CollectValues() {}
  // Runs right before an apply sends (after collecting, with the items' flags as they will go);
  // an error it raises stops the apply with nothing sent.
  virtual void CheckValues() {}
  virtual void RefreshFailed(const MvSNMPError& error);
  // A read failed (blocking or not), before the operation ends: what its controls showed is no
  // longer the device's.
  virtual void ReadFailed(const MvSNMPError&) {}
  virtual void ApplyFailed(const MvSNMPError& error);
  virtual void AfterRefresh() {}
  virtual void AfterApply() {}
  // Called whenever an operation ends, whatever its outcome, after Busy was cleared (the edit
  // binding shows rows it still holds back).
  virtual void OperationEnded() {}

  // Reports an error as the base error hooks do: status line, else message box.
  void ReportError(Operation op, const QString& message);
  void SetLastOperation(Operation op) { lastOperation_ = op; }

 private:
  // The outcome of a blocking operation, filled by its completions.
  struct Outcome {
    bool done = false;
    std::optional<MvException> error;
  };

  void setBusy(bool on);
  void startRefresh();
  void startApply();
  void refreshStep(const MvSNMPError& error);
  void applyDone(const MvSNMPError& error);
  void finishRefresh(const MvSNMPError& error);
  void rowFailed(const MvException& error);
  void endOperation(std::optional<MvException> error);
  void fire(const DoneEvent& event, const MvSNMPError& error);
  void waitFor(const Outcome& outcome);
  // Sends one operation; a blocking binding then waits for its outcome and raises its error.
  // False when the binding was destroyed while it waited.
  bool run(const std::function<void()>& send);
  void wakeWaiters();
  SnmpCompletion completion(void (MvSNMPRequest2Controls::*step)(const MvSNMPError&));

  MvSNMPRequest request_;
  QPointer<QWidget> owner_;
  QPointer<QPlainTextEdit> memo_;
  QPointer<QStatusBar> statusBar_;
  QPointer<QLabel> statusPanel_;
  bool asynchronous_ = true;
  bool busy_ = false;
  bool blocking_ = false;  // the running operation was started in blocking mode
  Operation lastOperation_ = Operation::Get;
  bool refreshAfterApply_ = true;
  Outcome* outcome_ = nullptr;  // the running blocking operation's record
  std::vector<QEventLoop*> waiters_;
  // Cleared on destruction: completions that arrive later return at once.
  std::shared_ptr<bool> living_ = std::make_shared<bool>(true);
};
