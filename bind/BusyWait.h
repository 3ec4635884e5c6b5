// BusyWait: what the program does with the user's input while a window waits for the device in a
// nested event loop. The loop keeps painting and running timers and socket notifiers, so answers
// arrive; mouse clicks, keys and close requests aimed at the windows that were open when the wait
// began are thrown away (never held back and handed over once the wait ends, where a key typed
// long before would act on whatever is then on screen), and the busy cursor shows why nothing
// reacts. Windows that open during the wait, such as a message box raised by an answer, take
// input as usual.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWindow;

class BusyWait {
 public:
  // The first of nested waits installs the filter and the busy cursor; the last one removes them.
  BusyWait();
  ~BusyWait();
  BusyWait(const BusyWait&) = delete;
  BusyWait& operator=(const BusyWait&) = delete;

  // Whether a wait is running now.
  static bool Active();
  // How many input events waits have thrown away since the program started (for tests).
  static int DroppedEvents();
};
