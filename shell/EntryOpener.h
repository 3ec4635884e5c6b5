// Opens a menu entry from the command line (kx760 --open ITEM) as if the user had chosen it, and
// optionally saves a picture of the window it opened once that window's first refresh has ended,
// then ends the program. For runs without a display and for documentation pictures.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QTimer>

class QWidget;
class TMainForm;
struct MenuEntry;

class EntryOpener : public QObject {
 public:
  // Polls this often; the window counts as filled once no binding has been busy for
  // QuietPolls polls in a row, and at least MinShownMs after it appeared.
  static constexpr int PollMs = 100;
  static constexpr int QuietPolls = 3;
  static constexpr int MinShownMs = 500;
  static constexpr int AppearLimitMs = 10000;
  static constexpr int FillLimitMs = 60000;

  // `screenshot` empty: only open the entry.
  EntryOpener(TMainForm& main, const MenuEntry& entry, const QString& screenshot);

  // Whether the main window lets the entry be chosen; otherwise `why` says what stops it.
  static bool canOpen(const TMainForm& main, const MenuEntry& entry, bool needsWindow, QString& why);

  // Chooses the entry from the event loop (a modal window runs its own loop inside).
  void start();

 private:
  void poll();
  QWidget* openedWindow() const;
  void finish(int exitCode, const QString& message);

  TMainForm& main_;
  const MenuEntry& entry_;
  QString screenshot_;
  QSet<QWidget*> before_;
  QTimer timer_;
  QElapsedTimer sinceStart_;
  QElapsedTimer sinceShown_;
  QPointer<QWidget> window_;
  int quietPolls_ = 0;
};
