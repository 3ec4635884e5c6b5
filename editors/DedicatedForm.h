// TDedicatedForm: what the dedicated editor forms share. It owns their bindings (each over one
// of the catalogue's form lists) and their port grids, runs an action under the error guard that
// turns a raised error into a status line of the right binding (or a bare line of the form's own
// choosing), and on close stops every binding, waits while it is busy and destroys it.
#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "mvsnmp/MvKeyText.h"

class MvSNMPRequest2Controls;
struct MvSNMPError;
class MvSNMPRequest2Edits;
class QCheckBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPlainTextEdit;
class QKeyEvent;
class QTabWidget;
class QStatusBar;
class QTreeWidget;
class TPortUitForm;

class TDedicatedForm : public QDialog {
 public:
  // Boxes per port grid and the ports the KX-760 shows of them: box k stands for bit k-1 of a
  // port list, counted from the most significant bit of the first octet.
  static constexpr int GridBoxes = 32;
  static constexpr int GridColumns = 12;
  static constexpr int VisiblePorts = 18;

  TDedicatedForm(QWidget* owner, const QString& caption);
  // Releases the bindings, then cuts the widgets' signals to the form: the list views empty
  // themselves while they are destroyed, after the form's own handlers have gone.
  ~TDedicatedForm() override;

  // A binding over the catalogue's form list of that name, owned by the form; asynchronous
  // unless the form says otherwise. Raises -1 for a list the catalogue does not have.
  MvSNMPRequest2Edits* AddBinding(const char* listName);
  // The port grid of one unit (32 boxes in 12 columns, 18 shown for the KX760) filling `parent`.
  TPortUitForm* AddPortGrid(QWidget* parent);
  // "0,1,...,31": every box of a grid bound to its bit.
  static QString PortBitList();
  static void UncheckAll(const TPortUitForm* grid);
  static void EnableAll(const TPortUitForm* grid, bool on);

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
  // Runs `done` whenever an asynchronous refresh of the binding ends (its OnRefreshDone, which
  // the form leaves to this base).
  void OnRefreshEnded(MvSNMPRequest2Edits* binding, std::function<void(const MvSNMPError& error)> done);

  // A field the user types a row's key or a sized value into, and what its object accepts.
  struct TypedField {
    QLineEdit* edit;
    QString label;  // as the form labels the field
    MvKeyRule rule;
  };
  // Reads each field strictly, in order. The first that does not read is named with its text in
  // a warning, gets the cursor, and false is returned: nothing may be sent, and every field keeps
  // what the user typed. A field that reads is given the form the value layer holds (a MAC
  // address typed with separators as its 12 digits), so that what is sent is what was meant.
  // `parent` is the window the warning belongs to.
  static bool CheckFields(QWidget* parent, const std::vector<TypedField>& fields);
  // Asks "Are you sure to delete it?" (Cancel by default); true to go on.
  bool ConfirmDelete();
  // Selects the row whose `column` shows `text` (its values then fill the bound controls); false
  // when no row does.
  static bool SelectRowWithText(QTreeWidget* view, int column, const QString& text);

  // Leaves an item out of every PDU (its flags become the excluded flag alone), or gives it back
  // its read-write access.
  static void SetExcluded(MvSNMPRequest2Edits* binding, int item, bool excluded);
  // Starts a refresh even after a Stop (the request made alive again); false when none started.
  static bool StartRefresh(MvSNMPRequest2Edits* binding);

  // Stops the binding (its request's `alive` cleared), waits while it is busy with the windows
  // painting, and destroys it. Bindings the form still holds when it closes go the same way.
  void Release(MvSNMPRequest2Edits* binding);
  void ReleaseAll();

  // The number of rows of a list view as its "Samples" text ("shown of total" while its filter
  // hides rows).
  static void ShowRowCount(QLabel* label, const QTreeWidget* view);
  // Runs `changed` (the form's list-view change handler) whenever rows come or go.
  void OnRowsChanged(QTreeWidget* view, const std::function<void()>& changed);

  // The form's first refresh has ended (every binding's first operation, well or not).
  bool FirstRefreshDone() const;

  // Common parts of the forms' resources.
  static QPlainTextEdit* MakeMemo(QWidget* parent, const char* name = "Memo1");
  static QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption);
  // A static text: a sunken label that shows a value.
  static QLabel* MakeStaticText(QWidget* parent, const char* name);
  // A list view with the table tools (MvListTools): when the form is first shown, a filter line
  // and the row count go above it, its binding's walk gets Stop (Esc, and the form's "Refresh"
  // button reading "Stop" while it runs), and the form widens until the columns fit.
  static QTreeWidget* MakeListView(QWidget* parent, const char* name);
  // Gives every list view its tools' place and its binding and refresh button (done on the
  // first showing; later calls pick up views bound since).
  void ConnectListTools();
  // The page control's sheets each get a box (named `boxName`) that a port grid fills.
  static QWidget* AddGridSheet(QTabWidget* pages, const char* sheetName, const QString& caption, const char* boxName);
  // The layout of the list editors: the list view on top, the fields and the grid pages below
  // it, the buttons (and, when given, "Samples" with the row count) on the right, the memo at
  // the bottom.
  void LayOutListEditor(QTreeWidget* list, QLayout* fields, QWidget* lower, const QList<QPushButton*>& buttons,
                        QLabel* count, QPlainTextEdit* memo, bool samplesLabel = true);
  // A status bar with one panel, which receives the bindings' lines and the form's messages.
  static QStatusBar* MakeStatusBar(QWidget* parent, QLabel** panel);
  // Enter in one of `fields` presses the first of `buttons` that is shown and enabled (the
  // form's default action in its state); Enter elsewhere does nothing.
  void SetEnterButtons(const QList<QWidget*>& fields, const QList<QPushButton*>& buttons);

 protected:
  // Whether the form may close now (FormCloseQuery); true unless a form says otherwise.
  virtual bool CanClose() { return true; }
  // Runs once when the form closes, before its bindings are released (FormClose).
  virtual void FormClose() {}
  void done(int result) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  std::vector<std::unique_ptr<MvSNMPRequest2Edits>> bindings_;
  std::vector<QMetaObject::Connection> followers_;
  using AfterEnd = std::vector<std::pair<MvSNMPRequest2Edits*, std::function<void(const MvSNMPError&)>>>;
  AfterEnd afterApply_;
  AfterEnd afterRefresh_;
  AfterEnd refreshEnded_;
  bool closed_ = false;
  QList<QPointer<QWidget>> enterFields_;
  QList<QPointer<QPushButton>> enterButtons_;
};
