// How the program speaks to the user outside its status lines: message boxes, confirmations, the
// modal run of a form or dialog, and the beep. Every layer that shows windows goes through here,
// so tests answer all of them by replacing the handlers of this one seam.
#pragma once

#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace UserNotice {

enum class Style { Plain, Information, Question, Warning, Critical };
enum class Buttons { Ok, OkCancel, YesNo };

struct Notice {
  QWidget* parent = nullptr;
  QString caption;
  QString text;
  Style style = Style::Plain;
  Buttons buttons = Buttons::Ok;
  bool defaultNo = false;  // Cancel/No is the default button (a destructive question)
};

// Answers a notice: true for OK or Yes (a box with one OK button always gives true).
using NoticeHandler = std::function<bool(const Notice& notice)>;
// Shows a dialog modally and returns once it has closed.
using ModalRunner = std::function<void(QDialog& dialog)>;
using BeepHandler = std::function<void(int frequencyHz, int durationMs)>;
// Asks for the name of a file to write; empty when the user cancels.
using SaveFileHandler =
    std::function<QString(QWidget* parent, const QString& caption, const QString& filter)>;
// Asks for the name of an existing file to read; empty when the user cancels.
using OpenFileHandler = SaveFileHandler;

bool show(const Notice& notice);
// A box with one OK button.
void message(QWidget* parent, const QString& caption, const QString& text, Style style = Style::Plain);
// OK/Cancel or Yes/No; true for OK or Yes.
bool askOkCancel(QWidget* parent, const QString& caption, const QString& text,
                 Style style = Style::Information, bool defaultNo = false);
bool askYesNo(QWidget* parent, const QString& caption, const QString& text);
// A form's warning: one OK button, captioned with the form's title.
void warning(QWidget* parent, const QString& text);
// A form's information box: one OK button, captioned with the form's title.
void information(QWidget* parent, const QString& text);
// A form's OK/Cancel question, captioned with the form's title, Cancel by default.
bool confirm(QWidget* parent, const QString& text);
void runModal(QDialog& dialog);
// A beep of the given frequency and duration (the platform beep where those cannot be chosen).
void beep(int frequencyHz, int durationMs);
// The file dialog for a file to write ("" when cancelled).
QString saveFileName(QWidget* parent, const QString& caption, const QString& filter);
// The file dialog for a file to read ("" when cancelled).
QString openFileName(QWidget* parent, const QString& caption, const QString& filter);

// The running program's file name without directory: the caption of the bindings' boxes.
QString programFileName();
// The title of the window that holds `widget` ("" without one).
QString windowCaption(QWidget* widget);

// Whether a box of this process can be seen: false on the offscreen and minimal platforms, where
// a box would wait for a click that never comes.
bool hasScreen();
// Without a screen, notices are written to stderr as "program: text" instead, and questions are
// answered No (Cancel), so nothing is done that nobody asked for. With a screen: nothing changes.
// A program calls it once after its application object exists.
void printNoticesWithoutScreen();
// Before the application object exists: with no platform chosen (QT_QPA_PLATFORM) and no display
// to reach (DISPLAY, WAYLAND_DISPLAY), chooses the offscreen platform, so that the program can still
// report on stderr instead of aborting in the toolkit, and returns true.
bool chooseOffscreenWithoutDisplay();
// What a windowed program says when it has no display to show its window on.
QString noDisplayText();

// Replace a handler; an empty function restores the default. Each returns the previous one.
NoticeHandler setNoticeHandler(NoticeHandler handler);
ModalRunner setModalRunner(ModalRunner runner);
BeepHandler setBeepHandler(BeepHandler handler);
SaveFileHandler setSaveFileHandler(SaveFileHandler handler);
OpenFileHandler setOpenFileHandler(OpenFileHandler handler);

}  // namespace UserNotice
