#include "mvsnmp/MvDateTime.h"

#include <QDateTime>
#include <array>

namespace {

// Reads text by a picture of literal characters and "%d" conversions, the way the C library's
// scanf does: a conversion skips white space, takes an optional sign and at least one digit; a
// literal must match the next character exactly. Reading stops at the first mismatch; the count of
// numbers read is returned. Numbers are kept modulo 2^32, so an over-long number cannot overflow
// and still yields its exact low 8 or 16 bits when cut to a field.
int scanNumbers(const QString& text, const char* picture, std::array<quint32, 9>& out) {
  qsizetype pos = 0;
  int read = 0;
  for (const char* p = picture; *p != '\0'; ++p) {
    if (p[0] == '%' && p[1] == 'd') {
      ++p;
      while (pos < text.size() && QStringView(u" \t\n\v\f\r").contains(text[pos])) ++pos;
      bool negative = false;
      if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        negative = text[pos] == u'-';
        ++pos;
      }
      const qsizetype firstDigit = pos;
      quint32 value = 0;
      while (pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9') {
        value = value * 10u + static_cast<quint32>(text[pos].unicode() - u'0');
        ++pos;
      }
      if (pos == firstDigit || read >= static_cast<int>(out.size())) return read;
      out[static_cast<size_t>(read++)] = negative ? 0u - value : value;
    } else {
      if (pos >= text.size() || text[pos] != QLatin1Char(*p)) return read;
      ++pos;
    }
  }
  return read;
}

}  // namespace

MvDateTime::MvDateTime() {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate date = now.date();
  const QTime time = now.time();
  year = static_cast<quint16>(date.year());
  month = static_cast<quint8>(date.month());
  day = static_cast<quint8>(date.day());
  hour = static_cast<quint8>(time.hour());
  minutes = static_cast<quint8>(time.minute());
  seconds = static_cast<quint8>(time.second());
}

MvDateTime::MvDateTime(const QString& text) {
  std::array<quint32, 9> n{};
  int read = scanNumbers(text, "%d-%d-%d,%d:%d:%d.%d,+%d:%d", n);
  if (read == 9) {
    direction = '+';
  } else {
    n = {};
    read = scanNumbers(text, "%d-%d-%d,%d:%d:%d.%d,-%d:%d", n);
    if (read == 9) {
      direction = '-';
    } else {
      // Without an offset only the seven date and time numbers count; what was read past them by
      // the two attempts above is discarded.
      n = {};
      scanNumbers(text, "%d-%d-%d,%d:%d:%d.%d", n);
    }
  }
  year = static_cast<quint16>(n[0]);
  month = static_cast<quint8>(n[1]);
  day = static_cast<quint8>(n[2]);
  hour = static_cast<quint8>(n[3]);
  minutes = static_cast<quint8>(n[4]);
  seconds = static_cast<quint8>(n[5]);
  deciSeconds = static_cast<quint8>(n[6]);
  hoursFromUtc = static_cast<quint8>(n[7]);
  minutesFromUtc = static_cast<quint8>(n[8]);
}

QString MvDateTime::toText() const {
  QString text = QString::asprintf("%d-%d-%d,%d:%d:%d.%d", int(year), int(month), int(day),
                                   int(hour), int(minutes), int(seconds), int(deciSeconds));
  if ((hoursFromUtc != 0 || minutesFromUtc != 0) && (direction == '+' || direction == '-'))
    text += QString::asprintf(",%c%d:%d", direction, int(hoursFromUtc), int(minutesFromUtc));
  return text;
}

void MvDateTime::swapYear() {
  year = static_cast<quint16>((year >> 8) | (year << 8));
}

QByteArray MvDateTime::toOctets() const {
  const char octets[OctetCount] = {
      static_cast<char>(year >> 8),    static_cast<char>(year & 0xFF),   static_cast<char>(month),
      static_cast<char>(day),          static_cast<char>(hour),          static_cast<char>(minutes),
      static_cast<char>(seconds),      static_cast<char>(deciSeconds),   direction,
      static_cast<char>(hoursFromUtc), static_cast<char>(minutesFromUtc)};
  return QByteArray(octets, OctetCount);
}

std::optional<MvDateTime> MvDateTime::fromOctets(const QByteArray& octets) {
  if (octets.size() < OctetCount) return std::nullopt;
  const auto at = [&octets](int k) { return static_cast<quint8>(octets[k]); };
  MvDateTime v{Blank{}};
  v.year = static_cast<quint16>((at(0) << 8) | at(1));
  v.month = at(2);
  v.day = at(3);
  v.hour = at(4);
  v.minutes = at(5);
  v.seconds = at(6);
  v.deciSeconds = at(7);
  v.direction = octets[8];
  v.hoursFromUtc = at(9);
  v.minutesFromUtc = at(10);
  return v;
}
