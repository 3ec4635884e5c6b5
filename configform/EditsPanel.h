// TEditsPanel: one row per variable-list item (check box, label, edit or combo box), laid out in
// one aligned column and bound through the page's edit binding; writes exactly the ticked rows.
// TSNMPEditorPanel: the editor page, a page frame whose content is an edits panel.
#pragma once

#include <functional>

#include <QFrame>
#include <QPointer>
#include <QString>
#include <vector>

#include "configform/SNMPPanel.h"

class MvSNMPRequest2Edits;
class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QScrollArea;

class TEditsPanel : public QFrame {
 public:
  enum RowKind { ReadOnlyText = 1, SettableText = 2, SettableOptions = 3, ReadOnlyOptions = 4 };
  struct Row {
    RowKind kind;
    QString format;
    QWidget* value;  // QLineEdit, or QComboBox for SettableOptions
    QCheckBox* check;
    QLabel* label;
    bool checkWasHidden = false;  // the check box's state before HideRow
  };

  static constexpr int DefaultEditWidth = 121;
  // The value column grows for a longer value or option up to this width; beyond it an edit
  // shows its value from the start and scrolls.
  static constexpr int MaxValueWidth = 480;
  // Called after a value too wide for its edit has widened the rows (the page grows with them).
  std::function<void()> OnGrown;
  static constexpr int CheckLeft = 20;
  static constexpr int CheckWidth = 20;
  static constexpr int FirstTop = 20;
  static constexpr int Spacing = 5;
  static constexpr int Border = 40;

  TEditsPanel(QWidget* parent, MvSNMPRequest2Edits* binding);

  MvSNMPRequest2Edits* EditCtrl() const { return editCtrl_; }
  int RowCount() const { return static_cast<int>(rows_.size()); }
  const Row& RowAt(int row) const { return rows_.at(static_cast<size_t>(row)); }
  bool IsKeyRow(int row) const;
  bool IsReadOnlyRow(int row) const;
  // Every row read-only or a key row: nothing on this page can be written.
  bool NothingSettable() const;

  // Shows the buttons of an editor page on `panel` and remembers it as the panel whose
  // "Set Checked" the row check boxes update.
  virtual void ArrangeCtrlBtn(TCtrlBtnPanel* panel);
  // Wires "Set Checked" (given `tag`: 1 closes the holding window after a sent apply),
  // "Check All" and "Clear Checks" of `panel` to this panel.
  void WireButtons(TCtrlBtnPanel* panel, int tag);

  void SetRowsState(bool defaultCheck);
  void EnableRow(int row);
  void DisableRow(int row);
  void ClearRow(int row);
  void ClearRows();
  void UntickRow(int row);
  // Ticks the row as the user's typing or choosing in it does (a composite value's parts too).
  void TickEditedRow(int row);
  void SetRowValue(int row, const QString& text);
  // Puts `value` (a composite of parts, say) in the place of the row's value control, which is
  // destroyed; the row's item must already be unbound. A value that is neither an edit nor a
  // drop-down list counts as empty while its "text" property is empty.
  void ReplaceValue(int row, QWidget* value);
  void HideRow(int row);
  void ShowRow(int row);
  void LayOut();
  void SetRowFormat(int row, const QString& format);
  void SetEditWidth(int width);
  int EditWidth() const { return editWidth_; }

  void UpdateSetButton();
  void CheckAll();
  void ClearChecks();
  // Writes the ticked rows in one blocking set. `button` is the clicked button.
  void ApplyChecked(QAbstractButton* button);

  QSize sizeHint() const override { return designSize_; }

 private:
  void buildRows();
  void setChecks(bool on);
  bool valueEmpty(int row) const;
  void showOwnText(QLineEdit* edit, const QString& text);
  void tickEditedRow(QCheckBox* check);
  void paintValue(QWidget* value, bool enabled);
  Row& row(int i) { return rows_.at(static_cast<size_t>(i)); }

  QPointer<MvSNMPRequest2Edits> editCtrl_;
  QPointer<TCtrlBtnPanel> btnPanel_;
  QScrollArea* scroll_;
  QWidget* rowsHolder_;
  std::vector<Row> rows_;
  int editWidth_ = DefaultEditWidth;
  bool layOutQueued_ = false;
  bool defaultCheck_ = false;
  QSize designSize_{Border, Border};
};

class TSNMPEditorPanel : public TSNMPPanel {
 public:
  TSNMPEditorPanel(QWidget* parent, MvSNMPRequest2Edits* binding);
  TEditsPanel* EditsPanel() const { return edits_; }
  void SetRowFormat(int row, const QString& format) { edits_->SetRowFormat(row, format); }
  // Widens every value control, then sizes the page and its window again.
  void SetEditWidth(int width);

 private:
  TEditsPanel* edits_;
};
