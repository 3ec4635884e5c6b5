#include "editors/FormParts.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <optional>

#include "bind/MvListTools.h"
#include "widgets/MvListRows.h"
#include "widgets/UserNotice.h"

namespace FormParts {

QPlainTextEdit* MakeMemo(QWidget* parent, const char* name) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(QLatin1String(name));
  memo->setReadOnly(true);
  return memo;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);  // Enter in an edit must not press a button
  return button;
}

QLabel* MakeStaticText(QWidget* parent, const char* name) {
  auto* text = new QLabel(parent);
  text->setObjectName(QLatin1String(name));
  text->setFrameShape(QFrame::Panel);
  text->setFrameShadow(QFrame::Sunken);
  text->setMinimumWidth(80);
  text->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return text;
}

QTreeWidget* MakeListView(QWidget* parent, const char* name) {
  auto* view = new QTreeWidget(parent);
  view->setObjectName(QLatin1String(name));
  // Attached before the form connects to the view's rows: rows are filtered before it counts.
  MvListTools::Attach(view);
  return view;
}

QStatusBar* MakeStatusBar(QWidget* parent, QLabel** panel) {
  auto* bar = new QStatusBar(parent);
  bar->setObjectName(QStringLiteral("StatusBar1"));
  bar->setSizeGripEnabled(false);
  *panel = new QLabel(bar);
  (*panel)->setObjectName(QStringLiteral("StatusPanel0"));
  bar->addWidget(*panel, 1);
  return bar;
}

QWidget* AddGridSheet(QTabWidget* pages, const char* sheetName, const QString& caption, const char* boxName) {
  auto* sheet = new QWidget;
  sheet->setObjectName(QLatin1String(sheetName));
  pages->addTab(sheet, caption);  // the page control owns the sheet
  auto* layout = new QVBoxLayout(sheet);
  layout->setContentsMargins(2, 2, 2, 2);
  auto* box = new QWidget(sheet);
  box->setObjectName(QLatin1String(boxName));
  layout->addWidget(box);
  return box;
}

void LayOutListEditor(QWidget* form, QTreeWidget* list, QLayout* fields, QWidget* lower,
                      const QList<QPushButton*>& buttons, QLabel* count, QPlainTextEdit* memo,
                      bool samplesLabel) {
  auto* side = new QVBoxLayout;
  for (QPushButton* b : buttons) side->addWidget(b);
  if (count) {
    side->addSpacing(12);
    if (samplesLabel) side->addWidget(new QLabel(QStringLiteral("Samples"), form));
    side->addWidget(count);
  }
  side->addStretch();
  memo->setMaximumHeight(90);
  auto* body = new QGridLayout(form);
  body->addWidget(list, 0, 0);
  int memoRow = 1;
  if (fields || lower) {
    auto* middle = new QVBoxLayout;
    if (fields) middle->addLayout(fields);
    if (lower) middle->addWidget(lower, 1);
    body->addLayout(middle, 1, 0);
    body->addLayout(side, 0, 1, 2, 1);
    body->setRowStretch(0, 2);
    body->setRowStretch(1, 3);
    memoRow = 2;
  } else {
    body->addLayout(side, 0, 1);
  }
  body->addWidget(memo, memoRow, 0, 1, 2);
}

void ShowRowCount(QLabel* label, const QTreeWidget* view) {
  if (!label || !view) return;
  const int total = view->topLevelItemCount();
  const int shown = MvListRows::shownRows(view);
  label->setText(shown == total ? QString::number(total) : QStringLiteral("%1 of %2").arg(shown).arg(total));
  // The form counts the rows: the tools' line says only why a walk stopped.
  if (MvListTools* tools = MvListTools::Of(view)) tools->SetOwnCount(true);
}

bool SelectRowWithText(QTreeWidget* view, int column, const QString& text) {
  for (int i = 0; i < view->topLevelItemCount(); ++i) {
    QTreeWidgetItem* row = view->topLevelItem(i);
    if (row->text(column) != text) continue;
    view->setCurrentItem(row);
    view->scrollToItem(row);
    return true;
  }
  return false;
}

bool CheckFields(QWidget* parent, const std::vector<TypedField>& fields) {
  std::vector<QString> read;
  for (const TypedField& f : fields) {
    const std::optional<QString> text = MvKeyText::read(f.rule, f.edit->text());
    if (!text) {
      UserNotice::warning(parent, MvKeyText::refusal(f.label, f.edit->text(), f.rule));
      if (f.edit->isEnabled()) f.edit->setFocus();
      return false;
    }
    read.push_back(*text);
  }
  // Only once every field has passed: a refused entry keeps each field as typed.
  for (size_t i = 0; i < fields.size(); ++i)
    if (fields[i].edit->text() != read[i]) fields[i].edit->setText(read[i]);
  return true;
}

bool ConfirmDelete(QWidget* parent) {
  return UserNotice::confirm(parent, QStringLiteral("Are you sure to delete it?"));
}

}  // namespace FormParts
