// How the configuration forms ask and warn: a warning box, an OK/Cancel confirmation and the
// modal run of a row dialog. Each can be replaced, so tests answer them without a user.
#pragma once

#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace FormNotice {

using WarningHandler = std::function<void(QWidget* parent, const QString& text)>;
using ConfirmHandler = std::function<bool(QWidget* parent, const QString& text)>;
using DialogRunner = std::function<void(QDialog& dialog)>;

// A warning box with one OK button.
void warning(QWidget* parent, const QString& text);
// A confirmation with OK and Cancel; true exactly for OK.
bool confirm(QWidget* parent, const QString& text);
// Shows the dialog modally and returns when it has closed.
void runDialog(QDialog& dialog);

// The forms' own errors (wrong set-up calls, wrong row-status values): an MvException with the
// given text and the library's "unknown error" code, since no catalogue entry describes them.
[[noreturn]] void raise(const QString& text);

// Replace a handler; an empty function restores the default. Each returns the previous one.
WarningHandler setWarningHandler(WarningHandler handler);
ConfirmHandler setConfirmHandler(ConfirmHandler handler);
DialogRunner setDialogRunner(DialogRunner runner);

}  // namespace FormNotice
