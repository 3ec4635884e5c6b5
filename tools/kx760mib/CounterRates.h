// Per-second rates of SNMP counters read at successive refreshes. A counter that is lower than
// at its last reading has wrapped once: Counter32 at 2^32, Counter64 at 2^64.
#pragma once

#include <QHash>
#include <QString>
#include <optional>

// The growth from `previous` to `current` of a counter of the given syntax (Syntax::Counter or
// Syntax::Counter64), counting one wrap when `current` is lower.
quint64 counterDelta(quint64 previous, quint64 current, quint32 syntax);

// The display text of a rate: one decimal.
QString rateText(double perSecond);

class CounterRates {
 public:
  // Records the counter `key` (any text naming one counter instance) read as `text` at `ms`
  // milliseconds of a monotonic clock. Returns the rate per second since its previous reading;
  // nothing on the first reading, for a text that is not a counter value, or when no time passed.
  std::optional<double> sample(const QString& key, quint32 syntax, const QString& text, qint64 ms);
  void clear() { last_.clear(); }

 private:
  struct Reading {
    quint64 value;
    qint64 ms;
  };
  QHash<QString, Reading> last_;
};
