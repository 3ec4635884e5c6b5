// FormParts: the components and layouts the dedicated forms are made of, named as the forms'
// resources name them (memo, buttons, static texts, the list view with its table tools, the
// status bar, the port-grid sheets, the list editors' layout), and the checks a form runs on what
// the user typed before anything is sent. Free functions: a form's base keeps only its life.
#pragma once

#include <QList>
#include <QString>
#include <vector>

#include "mvsnmp/MvKeyText.h"

class QLabel;
class QLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTreeWidget;
class QWidget;

namespace FormParts {

// A read-only memo that receives status lines.
QPlainTextEdit* MakeMemo(QWidget* parent, const char* name = "Memo1");
// A button that Enter in an edit does not press.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption);
// A static text: a sunken label that shows a value.
QLabel* MakeStaticText(QWidget* parent, const char* name);
// A list view with the table tools (MvListTools): when its form is first shown, a filter line
// and the row count go above it, its binding's walk gets Stop (Esc, and the form's "Refresh"
// button reading "Stop" while it runs), and the form widens until the columns fit.
QTreeWidget* MakeListView(QWidget* parent, const char* name);
// A status bar with one panel, which receives the bindings' lines and the form's messages.
QStatusBar* MakeStatusBar(QWidget* parent, QLabel** panel);
// A sheet of the page control with a box (named `boxName`) that a port grid fills.
QWidget* AddGridSheet(QTabWidget* pages, const char* sheetName, const QString& caption, const char* boxName);
// The layout of the list editors on `form`: the list view on top, the fields and the lower part
// below it (either may be left out), the buttons (and, when given, "Samples" with the row count)
// on the right, the memo at the bottom.
void LayOutListEditor(QWidget* form, QTreeWidget* list, QLayout* fields, QWidget* lower,
                      const QList<QPushButton*>& buttons, QLabel* count, QPlainTextEdit* memo,
                      bool samplesLabel = true);

// The number of rows of a list view as its "Samples" text ("shown of total" while its filter
// hides rows).
void ShowRowCount(QLabel* label, const QTreeWidget* view);
// Selects the row whose `column` shows `text` (its values then fill the bound controls); false
// when no row does.
bool SelectRowWithText(QTreeWidget* view, int column, const QString& text);

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
bool CheckFields(QWidget* parent, const std::vector<TypedField>& fields);
// Asks "Are you sure to delete it?" (Cancel by default); true to go on.
bool ConfirmDelete(QWidget* parent);

}  // namespace FormParts
