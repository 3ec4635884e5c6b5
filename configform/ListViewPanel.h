// TListViewPanel: the list view of a table page, one line per table row, and the buttons a
// table page offers. TSNMPListViewPanel: the table page, whose add, edit and delete dialogs
// borrow the page's own (hidden) edits panel.
#pragma once

#include <QFrame>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "configform/EditsPanel.h"

class QAbstractButton;
class QDialog;
class QLineEdit;
class QShortcut;
class QTreeWidget;
class QTreeWidgetItem;

class TListViewPanel : public QFrame {
 public:
  static constexpr int PixelsPerHeadingChar = 8;
  static constexpr int MaxWidth = 450;
  static constexpr int PanelHeight = 350;

  TListViewPanel(QWidget* parent, MvSNMPRequest2Edits* binding);
  QTreeWidget* ListView() const { return listView_; }
  // Above the list: rows that do not contain its text in a shown column are hidden.
  QLineEdit* FilterEdit() const { return filter_; }
  // Hides the rows from `first` on that the filter leaves out (all rows by default); the rows
  // shown.
  int ApplyFilter(int first = 0);
  virtual void ArrangeCtrlBtn(TCtrlBtnPanel* panel);

  int AddColumn() const { return addColumn_; }
  const QString& AddValue() const { return addValue_; }
  int DeleteColumn() const { return deleteColumn_; }
  const QString& DeleteValue() const { return deleteValue_; }
  void SetAdd(int column, const QString& value);
  void SetDelete(int column, const QString& value);

  QSize sizeHint() const override { return designSize_; }

 private:
  QTreeWidget* listView_;
  QLineEdit* filter_;
  int addColumn_ = -1;
  QString addValue_;
  int deleteColumn_ = -1;
  QString deleteValue_;
  QSize designSize_;
};

class TSNMPListViewPanel : public TSNMPEditorPanel {
 public:
  using RowEvent = std::function<void(TSNMPListViewPanel* page, QAbstractButton* button)>;

  TSNMPListViewPanel(QWidget* parent, MvSNMPRequest2Edits* binding);
  // The list view outlives this part of the page (children go last): its notifications stop here.
  ~TSNMPListViewPanel() override;
  TListViewPanel* ListViewPanel() const { return listPanel_; }
  QTreeWidget* ListView() const { return listPanel_->ListView(); }

  // `value` must be an entry of that column's combo box; shows "Add" / "Delete".
  void SetAddStatus(int column, const QString& value);
  void SetDeleteStatus(int column, const QString& value);

  void RefreshTable();
  void SelectionChanged();
  // The hint of the line under `pos` (viewport coordinates): every column's heading and value.
  QString RowHint(const QPoint& pos) const;
  void ShowRowHint(const QPoint& pos);
  void AddRow();
  // Edits and deletes the selected line's row by the index it was read with.
  void EditRow();
  // After the destroy the table is read again: a row still there is reported, not "Ok".
  void DeleteRow();
  // The status text of a delete the device answered without error but did not carry out.
  static QString KeptRowMessage();

  RowEvent OnBeforeAdd;  // ClearRows of the edits panel
  RowEvent OnAfterAdd;
  RowEvent OnBeforeEdit;
  RowEvent OnAfterEdit;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class RowDialog;
  class ReadInstance;
  void AddBtnClick();
  void EditBtnClick();
  void fire(const RowEvent& event, QAbstractButton* button);
  void setRowButtons(bool enabled);
  bool hasSelection() const;
  // The caption the add dialog starts from: the holding window's or tab sheet's.
  QString holderCaption() const;
  void checkStatusValue(int column, const QString& value, const QString& error);
  void walkStateChanged(bool busy);
  void updateCount(int first = 0);
  QStringList keyOf(const QTreeWidgetItem* row) const;
  void rememberSelection();
  void restoreSelection();

  TListViewPanel* listPanel_;
  QShortcut* stopKey_ = nullptr;
  QStringList wantedKey_;  // the row to select again after the refresh
  int wantedScroll_ = -1;
};
