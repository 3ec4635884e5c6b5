// Small text helpers shared by the file readers of the layer.
#pragma once

#include <QString>
#include <QStringView>

// The text without leading and trailing blanks and control characters.
inline QString trimmedOfControls(QStringView s) {
  qsizetype begin = 0, end = s.size();
  while (begin < end && s.at(begin).unicode() <= 0x20) ++begin;
  while (end > begin && s.at(end - 1).unicode() <= 0x20) --end;
  return s.mid(begin, end - begin).toString();
}
