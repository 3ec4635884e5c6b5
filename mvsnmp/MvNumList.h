// A list of numbers parsed from delimited text ("1,3,5"): bit and octet index lists of the binding
// layer and numeric input constraints.
#pragma once

#include <QChar>
#include <QString>
#include <QtGlobal>
#include <vector>

template <typename T>
class MvNumList {
public:
  QChar delimiter = QLatin1Char('.');

  int count() const { return static_cast<int>(values_.size()); }
  T value(int i) const { return values_.at(static_cast<size_t>(i)); }
  const std::vector<T>& values() const { return values_; }

  // 0 for empty text, else 1 + the number of delimiters.
  int countIn(const QString& text) const;
  // Replaces the numbers by those of the text. Digits accumulate decimally; a "." (when it is
  // not the delimiter) starts fraction digits that cannot change the integer; any other
  // character is folded in by its distance from "0". Arithmetic wraps modulo 2^32.
  void parse(const QString& text);
  int indexOf(T number) const;
  // True when every number lies within [min, max]; true for an empty list.
  bool allWithin(T min, T max) const;

private:
  std::vector<T> values_;
};

using MvIntList = MvNumList<qint32>;
using MvUIntList = MvNumList<quint32>;

extern template class MvNumList<qint32>;
extern template class MvNumList<quint32>;
