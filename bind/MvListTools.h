// MvListTools: the tools of a bound list view for a window that lays out its own list (the
// dedicated editors): a filter line above it (Ctrl+F) with the row count beside it ("shown of
// total", and why a walk stopped), its "Refresh" button reading "Stop" while the walk runs, Esc
// stopping the walk before it could close the window, and the window widened once the columns
// show their headings and values, as far as the screen allows. Sorting, copying and CSV come
// with the binding's list view (MvSNMPRequest2Edits::BindListView).
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class MvSNMPRequest2Edits;
class QAbstractButton;
class QLabel;
class QLineEdit;
class QShortcut;
class QTreeWidget;
class QWidget;

class MvListTools : public QObject {
 public:
  // The tools of `view` (created once, owned by the view). Rows are filtered as they come, before
  // anything else the window connects later to the view's rows sees them.
  static MvListTools* Attach(QTreeWidget* view);
  // The view's tools, or nullptr.
  static MvListTools* Of(const QTreeWidget* view);

  QTreeWidget* View() const { return view_; }
  QLineEdit* FilterEdit() const { return filter_; }
  // "12", "3 of 12", with "— stopped: why" after a walk that ended early.
  QLabel* CountLabel() const { return count_; }
  // Shows the filter line and the count above the view, in the place the view had in its
  // window's layout (done once; false when the view is in no layout).
  bool PlaceAbove();
  // The window counts the rows itself: the label here then says only why a walk stopped.
  void SetOwnCount(bool own);

  // The binding that walks the view: Esc and the Refresh button stop its walk. Its busy
  // notification is chained (an earlier handler keeps running).
  void SetBinding(MvSNMPRequest2Edits* binding);
  // The window's button that starts the walk; it reads "Stop" while one runs, and pressed then
  // it stops the walk (the window's own handler finds the binding busy and starts nothing).
  void SetRefreshButton(QAbstractButton* button);

  // Stops following the view's rows and the binding. The window calls it before its widgets
  // go: a list view empties itself while it is destroyed, when it may no longer be read.
  void Detach();

  bool Walking() const;
  void UpdateCount();
  // Widens the view's window so that every column shows its heading and values, at most to its
  // screen's available width; never narrows it.
  void FitColumns();

 private:
  explicit MvListTools(QTreeWidget* view);
  void busyChanged(bool busy);

  QPointer<QTreeWidget> view_;
  QLineEdit* filter_ = nullptr;
  QLabel* count_ = nullptr;
  QWidget* bar_ = nullptr;
  QShortcut* find_ = nullptr;
  QShortcut* stopKey_ = nullptr;
  QPointer<MvSNMPRequest2Edits> binding_;
  QPointer<QAbstractButton> refresh_;
  QString refreshCaption_;
  bool stopOnClick_ = false;
  bool ownCount_ = false;
  bool placed_ = false;
};
