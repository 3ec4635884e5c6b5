#include "widgets/UserNotice.h"

#include <QApplication>
#include <QFileDialog>
#include <QDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <cstdio>
#include <utility>

namespace UserNotice {
namespace {

// One handler per type and tag (the save and open file dialogs share a type).
template <typename Handler, int Tag = 0>
Handler& slot() {
  static Handler handler;
  return handler;
}

QMessageBox::Icon iconOf(Style style) {
  switch (style) {
    case Style::Information: return QMessageBox::Information;
    case Style::Question: return QMessageBox::Question;
    case Style::Warning: return QMessageBox::Warning;
    case Style::Critical: return QMessageBox::Critical;
    case Style::Plain: break;
  }
  return QMessageBox::NoIcon;
}

bool showBox(const Notice& n) {
  QMessageBox::StandardButton yes = QMessageBox::Ok, no = QMessageBox::NoButton;
  if (n.buttons == Buttons::OkCancel) no = QMessageBox::Cancel;
  if (n.buttons == Buttons::YesNo) yes = QMessageBox::Yes, no = QMessageBox::No;
  QMessageBox box(iconOf(n.style), n.caption, n.text, yes | no, n.parent ? n.parent->window() : nullptr);
  if (no != QMessageBox::NoButton) box.setDefaultButton(n.defaultNo ? no : yes);
  return box.exec() == yes;
}

}  // namespace

bool show(const Notice& notice) {
  if (auto& handler = slot<NoticeHandler>()) return handler(notice);
  return showBox(notice);
}

void message(QWidget* parent, const QString& caption, const QString& text, Style style) {
  show({parent, caption, text, style, Buttons::Ok, false});
}

bool askOkCancel(QWidget* parent, const QString& caption, const QString& text, Style style, bool defaultNo) {
  return show({parent, caption, text, style, Buttons::OkCancel, defaultNo});
}

bool askYesNo(QWidget* parent, const QString& caption, const QString& text) {
  return show({parent, caption, text, Style::Question, Buttons::YesNo, false});
}

void warning(QWidget* parent, const QString& text) {
  message(parent, windowCaption(parent), text, Style::Warning);
}

void information(QWidget* parent, const QString& text) {
  message(parent, windowCaption(parent), text, Style::Information);
}

bool confirm(QWidget* parent, const QString& text) {
  return askOkCancel(parent, windowCaption(parent), text, Style::Question, true);
}

void runModal(QDialog& dialog) {
  if (auto& runner = slot<ModalRunner>()) return runner(dialog);
  dialog.exec();
}

void beep(int frequencyHz, int durationMs) {
  if (auto& handler = slot<BeepHandler>()) return handler(frequencyHz, durationMs);
  QApplication::beep();
}

QString saveFileName(QWidget* parent, const QString& caption, const QString& filter) {
  if (auto& handler = slot<SaveFileHandler>()) return handler(parent, caption, filter);
  return QFileDialog::getSaveFileName(parent, caption, QString(), filter);
}

QString openFileName(QWidget* parent, const QString& caption, const QString& filter) {
  if (auto& handler = slot<OpenFileHandler, 1>()) return handler(parent, caption, filter);
  return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString programFileName() { return QFileInfo(QCoreApplication::applicationFilePath()).fileName(); }

QString windowCaption(QWidget* widget) {
  return widget && widget->window() ? widget->window()->windowTitle() : QString();
}

bool hasScreen() {
  const QString platform = QGuiApplication::platformName();
  return platform != u"offscreen" && platform != u"minimal";
}

void printNoticesWithoutScreen() {
  if (hasScreen()) return;
  setNoticeHandler([](const Notice& n) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(programFileName()), n.text.toLocal8Bit().constData());
    return n.buttons == Buttons::Ok;
  });
}

bool chooseOffscreenWithoutDisplay() {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
      !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    return false;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  return true;
}

QString noDisplayText() {
  return QStringLiteral("no display: set DISPLAY, or run with QT_QPA_PLATFORM=offscreen and --screenshot FILE");
}

NoticeHandler setNoticeHandler(NoticeHandler handler) {
  return std::exchange(slot<NoticeHandler>(), std::move(handler));
}
ModalRunner setModalRunner(ModalRunner runner) {
  return std::exchange(slot<ModalRunner>(), std::move(runner));
}
BeepHandler setBeepHandler(BeepHandler handler) {
  return std::exchange(slot<BeepHandler>(), std::move(handler));
}

SaveFileHandler setSaveFileHandler(SaveFileHandler handler) {
  return std::exchange(slot<SaveFileHandler>(), std::move(handler));
}

OpenFileHandler setOpenFileHandler(OpenFileHandler handler) {
  return std::exchange(slot<OpenFileHandler, 1>(), std::move(handler));
}

}  // namespace UserNotice
