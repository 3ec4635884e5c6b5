#include "FormNotice.h"

#include <QDialog>
#include <QMessageBox>
#include <utility>

#include "MvError.h"

namespace FormNotice {
namespace {

WarningHandler& warningHandler() {
  static WarningHandler handler;
  return handler;
}
ConfirmHandler& confirmHandler() {
  static ConfirmHandler handler;
  return handler;
}
DialogRunner& dialogRunner() {
  static DialogRunner runner;
  return runner;
}

QString captionOf(QWidget* parent) {
  return parent && parent->window() ? parent->window()->windowTitle() : QString();
}

}  // namespace

void warning(QWidget* parent, const QString& text) {
  if (warningHandler()) return warningHandler()(parent, text);
  QMessageBox::warning(parent, captionOf(parent), text, QMessageBox::Ok);
}

bool confirm(QWidget* parent, const QString& text) {
  if (confirmHandler()) return confirmHandler()(parent, text);
  return QMessageBox::question(parent, captionOf(parent), text,
                               QMessageBox::Ok | QMessageBox::Cancel,
                               QMessageBox::Cancel) == QMessageBox::Ok;
}

void runDialog(QDialog& dialog) {
  if (dialogRunner()) return dialogRunner()(dialog);
  dialog.exec();
}

void raise(const QString& text) { throw MvException(MvCode::UnknownError, text); }

WarningHandler setWarningHandler(WarningHandler handler) {
  return std::exchange(warningHandler(), std::move(handler));
}
ConfirmHandler setConfirmHandler(ConfirmHandler handler) {
  return std::exchange(confirmHandler(), std::move(handler));
}
DialogRunner setDialogRunner(DialogRunner runner) {
  return std::exchange(dialogRunner(), std::move(runner));
}

}  // namespace FormNotice
