#include "mvsnmp/MvNumList.h"

#include <cmath>

namespace {

// Reduces any accumulated value modulo 2^32 into the element type (well defined since C++20).
template <typename T>
T wrap(qint64 v) {
  return static_cast<T>(static_cast<quint32>(static_cast<quint64>(v)));
}

}  // namespace

template <typename T>
int MvNumList<T>::countIn(const QString& text) const {
  if (text.isEmpty()) return 0;
  return 1 + static_cast<int>(text.count(delimiter));
}

template <typename T>
void MvNumList<T>::parse(const QString& text) {
  values_.assign(static_cast<size_t>(countIn(text)), T(0));
  if (values_.empty()) return;
  size_t n = 0;
  double f = 0;
  for (const QChar c : text) {
    const qint64 digit = static_cast<qint64>(c.unicode()) - '0';
    if (c == delimiter) {
      ++n;
      f = 0;
    } else if (c == QLatin1Char('.')) {
      f = 1;
    } else if (f != 0) {
      // Fraction digits: the sum is truncated toward zero, so they never change a non-negative
      // number (a wrapped negative one moves one step toward zero).
      f *= 0.1;
      const double sum = static_cast<double>(values_[n]) + f * static_cast<double>(digit);
      values_[n] = wrap<T>(static_cast<qint64>(std::trunc(sum)));
    } else {
      values_[n] = wrap<T>(static_cast<qint64>(values_[n]) * 10 + digit);
    }
  }
}

template <typename T>
int MvNumList<T>::indexOf(T number) const {
  for (size_t i = 0; i < values_.size(); ++i)
    if (values_[i] == number) return static_cast<int>(i);
  return -1;
}

template <typename T>
bool MvNumList<T>::allWithin(T min, T max) const {
  for (T v : values_)
    if (v < min || v > max) return false;
  return true;
}

template class MvNumList<qint32>;
template class MvNumList<quint32>;
