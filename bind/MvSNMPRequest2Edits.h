// The binding that nearly every page uses: each item of the variable list shown in and read back
// from ordinary controls (edits, combo boxes, check boxes, radio groups, labels), whole values or
// byte ranges and single bits of them, and a table list shown in a list view whose selected row
// feeds the other controls.
//
// Control kinds: QLabel (label, static text), QLineEdit (edit), QComboBox, QCheckBox, and a
// QGroupBox as a radio group (its radio buttons are made from the option list; a QButtonGroup
// child carries their click notification). The binding hooks only the edits (through its
// MvEditConstraint) and the list view's selection (one connection of its own); the controls'
// own connections keep working and nothing of theirs is replaced.
#pragma once

#include <QList>
#include <QMetaObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QTreeWidget>  // ListView() converts a QPointer<QTreeWidget>: the whole type is needed
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "bind/MvEditConstraint.h"
#include "widgets/MvListRows.h"
#include "bind/MvSNMPRequest2Controls.h"

class MvOptionList;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QTreeWidgetItem;

class MvSNMPRequest2Edits : public MvSNMPRequest2Controls {
 public:
  static constexpr int AllItems = -1;

  explicit MvSNMPRequest2Edits(QWidget* owner);
  ~MvSNMPRequest2Edits() override;

  // Makes the view read-only with whole-row selection, selection shown when unfocused and grid
  // lines; builds the columns (carried items hidden first, then shown items sized to their
  // headings, widened once to the first rows received, the last one taking the rest of the
  // width); its row selection then runs SelectItem. Rows received during a walk are added in
  // batches, so a 10,000-row table stays fast and the window responsive.
  void BindListView(QTreeWidget* view, bool followSelection = true);
  // A whole value to a label, check box, combo box, radio group or edit.
  void BindControl(int item, QWidget* control);
  // Makes the combo box a drop-down list without free text, then as BindControl.
  void BindComboBox(int item, QComboBox* combo);
  // A whole value to one or more edits, each guarded by its specifier of `format` ("%s",
  // "%i{n1x99l2}%i{n1x99l2}", ...).
  void BindEdits(int item, const QString& format, const QList<QLineEdit*>& edits);
  // The piece at a byte offset, read with its own syntax and labelled by `options`.
  void BindPart(int item, int offset, quint32 syntax, const MvOptionList* options, QComboBox* combo);
  void BindPartEdits(int item, int offset, quint32 syntax, const MvOptionList* options,
                     const QString& format, const QList<QLineEdit*>& edits);
  // Bits of the value to check boxes: "0,1,9" (bit 0 is the most significant bit of byte 0).
  void BindBits(int item, const QString& bitList, const QList<QCheckBox*>& boxes);
  // The general form underneath: a combo box or radio group needs an option list (-520); a
  // second control, an edit, shows the rest of a value after a prefix-kind option's label.
  void Bind(int item, int offset, quint32 syntax, const MvOptionList* options, QWidget* control,
            QWidget* second = nullptr);
  // Removes every binding of the item; its edits leave the constraint engine.
  void Unbind(int item);
  int BindingCount(int item = AllItems) const;

  void SetConstraintOwner(QWidget* form) { constraints_->SetOwner(form); }
  MvEditConstraint& Constraints() { return *constraints_; }

  // The items' value texts into the bound controls (item, or all).
  void ShowValues(int item = AllItems);
  // The settable items' value texts rebuilt from their controls (item, or all).
  void ReadControls(int item = AllItems);
  void EnableControls(bool on);

  bool FollowSelection() const { return followSelection_; }
  void SetFollowSelection(bool on) { followSelection_ = on; }
  QTreeWidget* ListView() const { return listView_; }
  // The item shown in each list-view column, in column order.
  const std::vector<int>& ColumnItems() const { return columnItems_; }
  // The row index the selected line was read with ("" without a selected line, or for a list
  // without index): see MvListRow::Instance.
  QString SelectedInstance() const;

  // A row of the list view became selected (or deselected): copies it into the values and shows
  // them. Errors are reported as the status line of a get.
  virtual void SelectItem(QTreeWidgetItem* row, bool selected);

  // ---- what users do with a list view ----
  // The most rows a list view takes: past it the walk stops, so an agent whose table never ends
  // cannot eat the memory.
  static constexpr int MaxListRows = 1000000;
  void SetMaxRows(int rows) { maxRows_ = rows; }
  // Ends a running walk at its next answer; the rows read so far stay.
  void StopWalk();
  // Why the last walk of the list view ended before the table's end ("" when it did not).
  const QString& StopReason() const { return stopReason_; }
  // Sorts by the column (the same column again: the other way round); kept after each walk.
  void SortBy(int column);
  // The selected rows, in the view's order, as tab-separated text on the clipboard.
  void CopyRows();
  // Every row as CSV into a file the user chooses; false when cancelled or not written.
  bool ExportCsv();

  // Rebuilds every item's value from the controls (and the selected line of a list view); a
  // text that does not convert raises its error.
  void CollectValues() override;
  // Raises the message of a piece of a value (a part of an edit group, an edit or list bound to
  // some octets, the value under check boxes) that did not read strictly, if its item is to be
  // sent: nothing is sent then. Items that are not sent never matter.
  void CheckValues() override;

 protected:
  void BeforeRefresh() override;
  void RowReceived() override;
  void AfterRefresh() override;
  void ReadFailed(const MvSNMPError& error) override;
  void OperationEnded() override;

 private:
  struct Binding;

  void checkItem(int item) const;
  bool isWhole(const Binding& b) const;
  const MvOptionList* optionsOf(const Binding& b) const;
  void showBinding(const Binding& b);
  void showEditGroup(const Binding& b, const QByteArray& raw, const QString& text);
  void showEdit(QLineEdit* edit, const QString& text);
  // The text of a binding's controls. A part of an edit group that does not read strictly makes
  // `refused` the message naming it (the first such part only).
  std::optional<QString> pieceText(const Binding& b, const MvOptionList* options, QString& refused) const;
  QString editGroupText(const Binding& b, QString& refused) const;
  // The item's value as raw octets for patching pieces or bits into it; nothing when its text is
  // not a valid form of its syntax (no value reads as no octets).
  std::optional<QByteArray> baseOctets(const SnmpVarItem& item) const;
  void ensureColumns();
  void addListTools(QTreeWidget* view);
  struct PendingRow {
    QStringList texts;
    QString instance;
  };
  void widenColumns(const std::vector<PendingRow>& rows);
  // The row index of the row the request has just read (table lists).
  QString readInstance() const;
  void readRow(const QTreeWidgetItem* row);
  void readSelectedRow();
  void flushRows();
  void selectionChanged();

  std::unique_ptr<MvEditConstraint> constraints_;
  std::vector<Binding> bindings_;
  std::map<int, QString> refusedPieces_;  // item -> why its controls did not read
  QPointer<QTreeWidget> listView_;
  QMetaObject::Connection selectionConnection_;
  bool followSelection_ = true;
  std::vector<int> columnItems_;
  MvColumnKinds columnKinds_;  // per column: the syntax rows sort by (0: as text)
  int sortColumn_ = -1;
  Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
  int maxRows_ = MaxListRows;
  int rowsThisWalk_ = 0;
  QString stopReason_;
  std::vector<PendingRow> pendingRows_;
  bool widenToRows_ = false;
  QTimer flushTimer_;
};
