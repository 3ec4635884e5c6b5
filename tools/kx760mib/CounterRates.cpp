#include "tools/kx760mib/CounterRates.h"

#include "mvsnmp/MvSNMPVarList.h"

quint64 counterDelta(quint64 previous, quint64 current, quint32 syntax) {
  if (current >= previous) return current - previous;
  if (syntax == Syntax::Counter64) return current - previous;  // unsigned arithmetic wraps at 2^64
  return (Q_UINT64_C(1) << 32) - previous + current;
}

QString rateText(double perSecond) { return QString::number(perSecond, 'f', 1); }

std::optional<double> CounterRates::sample(const QString& key, quint32 syntax, const QString& text, qint64 ms) {
  bool ok = false;
  const quint64 value = text.trimmed().toULongLong(&ok);
  if (!ok || (syntax == Syntax::Counter && value > 0xFFFFFFFFull)) {
    last_.remove(key);  // "(NULL)" or an error text: the next reading starts afresh
    return std::nullopt;
  }
  const auto it = last_.find(key);
  std::optional<double> rate;
  if (it != last_.end() && ms > it->ms)
    rate = static_cast<double>(counterDelta(it->value, value, syntax)) * 1000.0 / static_cast<double>(ms - it->ms);
  last_.insert(key, Reading{value, ms});
  return rate;
}
