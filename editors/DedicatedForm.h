// TDedicatedForm: the life of a dedicated editor form. It owns the form's bindings (each over one
// of the catalogue's form lists), runs an action under the error guard that turns a raised error
// into a status line of the right binding (or a bare line of the form's own choosing), runs a
// step once an operation has ended, and on close releases every binding (stopped, waited for,
// destroyed). The components the forms are made of are in FormParts, the port grid's in
// PortUitFormUnit.
#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <functional>
#include <vector>

#include "bind/MvBindingOwner.h"
#include "editors/FormParts.h"

class MvSNMPRequest2Edits;
class QKeyEvent;
class QTreeWidget;

class TDedicatedForm : public QDialog {
 public:
  TDedicatedForm(QWidget* owner, const QString& caption);
  // Releases the bindings, then cuts the widgets' signals to the form: the list views empty
  // themselves while they are destroyed, after the form's own handlers have gone.
  ~TDedicatedForm() override;

  // A binding over the catalogue's form list of that name, owned by the form; asynchronous
  // unless the form says otherwise. Raises -1 for a list the catalogue does not have.
  MvSNMPRequest2Edits* AddBinding(const char* listName);

  // Runs `action`; an error it raises becomes a status line of `binding` (ShowStatus), and false
  // is returned so that the steps after it in the same guard are skipped.
  static bool Guard(MvSNMPRequest2Controls* binding, const std::function<void()>& action);
  // As above, the error's bare message handed to `sink`.
  static bool Guard(const std::function<void(const QString&)>& sink, const std::function<void()>& action);

  // Starts an apply without a refresh after it; `then` runs once the apply has ended, well or not
  // (its error already reported by the binding; a blocking binding's error is raised instead). A
  // refresh started from there does not meet the binding still busy with the apply. False, and
  // `then` dropped, when nothing was started; an error raised while starting passes through.
  bool ApplyThen(MvSNMPRequest2Edits* binding, bool collectFirst,
                 std::function<void(const MvSNMPError& error)> then);
  // Starts an apply (collecting first, no refresh after it) and waits, the windows painting, until
  // it has ended: the dialogs that add a row stay open when it fails. Returns the error's message,
  // "" when the agent took it; `raised` tells an error raised while starting (which no status
  // line reported) from the agent's.
  QString ApplyAndWait(MvSNMPRequest2Edits* binding, bool* raised = nullptr);
  // Starts a refresh (even after a Stop); `then` runs once it has ended, well or not (its error
  // already reported by the binding; a blocking binding's error is raised instead). False, and
  // `then` dropped, when nothing was started; an error raised while starting passes through.
  bool RefreshThen(MvSNMPRequest2Edits* binding, std::function<void(const MvSNMPError& error)> then);
  // Runs `then` once the operation the binding has out has ended (at once when none is).
  void WhenDone(MvSNMPRequest2Edits* binding, std::function<void(const MvSNMPError& error)> then);
  // Runs `done` whenever an asynchronous refresh of the binding ends (its OnRefreshDone, which
  // the form leaves to this base).
  void OnRefreshEnded(MvSNMPRequest2Edits* binding, std::function<void(const MvSNMPError& error)> done);
  // Starts a refresh even after a Stop (the request made alive again); false when none started.
  static bool StartRefresh(MvSNMPRequest2Edits* binding);

  // Releases the binding: stopped, waited for with the windows painting, destroyed. Bindings the
  // form still holds when it closes go the same way.
  void Release(MvSNMPRequest2Edits* binding);
  void ReleaseAll();

  // Runs `changed` (the form's list-view change handler) whenever rows come or go.
  void OnRowsChanged(QTreeWidget* view, const std::function<void()>& changed);

  // The form's first refresh has ended (every binding's first operation, well or not).
  bool FirstRefreshDone() const;
  // Nothing of the form is under way: no binding busy, and no step waiting for one to end.
  bool Settled() const;

  // Gives every list view its tools' place and its binding and refresh button (done on the
  // first showing; later calls pick up views bound since).
  void ConnectListTools();
  // Enter in one of `fields` presses the first of `buttons` that is shown and enabled (the
  // form's default action in its state); Enter elsewhere does nothing.
  void SetEnterButtons(const QList<QWidget*>& fields, const QList<QPushButton*>& buttons);

 protected:
  // Whether the form may close now (FormCloseQuery); true unless a form says otherwise. It only
  // answers: what closing does belongs in FormClose.
  virtual bool CanClose() { return true; }
  // Runs once when the form closes, before its bindings are released (FormClose).
  virtual void FormClose() {}
  void done(int result) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  MvBindingOwner<MvSNMPRequest2Edits> bindings_;
  std::vector<QMetaObject::Connection> followers_;
  using AfterEnd = std::vector<std::pair<MvSNMPRequest2Edits*, std::function<void(const MvSNMPError&)>>>;
  AfterEnd afterApply_;
  AfterEnd afterRefresh_;
  AfterEnd refreshEnded_;
  bool closed_ = false;
  QList<QPointer<QWidget>> enterFields_;
  QList<QPointer<QPushButton>> enterButtons_;
};
