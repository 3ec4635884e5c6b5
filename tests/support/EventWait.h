// Waiting in tests for something the event loop brings (an answer, a completion, a closed
// dialog): a nested loop that sleeps between events, never a spinning processEvents.
#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <functional>

namespace kxtest {

// Runs the event loop until done() holds or limitMs have passed; returns done().
inline bool waitUntil(const std::function<bool()>& done, int limitMs = 20000) {
  QElapsedTimer t;
  t.start();
  QEventLoop loop;
  QTimer check;
  QObject::connect(&check, &QTimer::timeout, &loop, [&] {
    if (done() || t.elapsed() >= limitMs) loop.quit();
  });
  check.start(5);
  if (!done()) loop.exec();
  return done();
}

}  // namespace kxtest
