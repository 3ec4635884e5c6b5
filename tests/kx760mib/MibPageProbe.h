// Reading what a kx760mib page shows, as a user would see it: the list views' rows and the
// editor rows' values, by column or label.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QTabWidget>
#include <QTreeWidget>

#include "configform/EditsPanel.h"
#include "configform/Guiconfigform.h"
#include "tools/kx760mib/MibToolForm.h"
#include "bind/MvSNMPRequest2Edits.h"

namespace mibtest {

// The text of a list view row's column headed `heading`; a null string when there is none.
inline QString cell(const QTreeWidgetItem* row, const QString& heading) {
  const QTreeWidget* view = row->treeWidget();
  for (int c = 0; c < view->columnCount(); ++c)
    if (view->headerItem()->text(c) == heading) return row->text(c);
  return {};
}

// The row whose first visible column (the key) is `key`.
inline QTreeWidgetItem* rowWithKey(QTreeWidget* view, const QString& key) {
  int first = 0;
  while (first < view->columnCount() && view->isColumnHidden(first)) ++first;
  for (int r = 0; r < view->topLevelItemCount(); ++r)
    if (view->topLevelItem(r)->text(first) == key) return view->topLevelItem(r);
  return nullptr;
}

// The sheet that shows binding `i` of a form: its tab, or the form itself.
inline QWidget* sheetOf(TConfigForm* form, int i) {
  return form->PageControl() ? form->PageControl()->widget(i) : static_cast<QWidget*>(form);
}

// The shown value of item `item` on an editor sheet.
inline QString editorValue(QWidget* sheet, int item) {
  for (QWidget* w : sheet->findChildren<QWidget*>(QStringLiteral("Value%1").arg(item))) {
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentText();
  }
  return {};
}

// The shown value of the editor row labelled `label` of binding `i`.
inline QString editorValue(TConfigForm* form, int i, const QString& label) {
  const MvSNMPVarList& list = form->BindingAt(i)->Request().varList;
  for (int item = 0; item < list.count(); ++item)
    if (list.item(item).label == label) return editorValue(sheetOf(form, i), item);
  return {};
}

}  // namespace mibtest
