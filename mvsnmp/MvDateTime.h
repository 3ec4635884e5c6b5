// MvDateTime: the SNMP DateAndTime value (RFC 2579, eleven octets) and its text form
// "2008-11-10,13:5:7.0,+8:0", used to show DateAndTime objects and to parse edited ones back.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

class MvDateTime {
 public:
  // Number of octets of a DateAndTime value on the wire.
  static constexpr int OctetCount = 11;

  // The current local date and time, deci-seconds 0, offset "+0:0".
  MvDateTime();

  // Parses "y-m-d,h:n:s.d,+h:m", "y-m-d,h:n:s.d,-h:m" or "y-m-d,h:n:s.d" (scanf-style: each
  // number may carry blanks and a sign before it; trailing text is ignored). Each number is
  // stored cut to its field's width (its low 8 or 16 bits). Fields that a partial text does not
  // supply are 0, the direction "+" and both offsets 0.
  explicit MvDateTime(const QString& text);

  // "%d-%d-%d,%d:%d:%d.%d", plus ",%c%d:%d" when an offset is not 0 and the direction is + or -.
  QString toText() const;

  // Exchanges the two octets of year: the record keeps year in host order, DateAndTime sends its
  // most significant octet first. Only for code that copies the eleven octets as raw memory;
  // toOctets/fromOctets below do the byte order themselves.
  void swapYear();

  // The eleven octets of the DateAndTime value: year most significant octet first, then the other
  // fields one octet each, the direction as its character code.
  QByteArray toOctets() const;
  // The value of the first eleven octets; nothing when fewer are given (a short answer).
  static std::optional<MvDateTime> fromOctets(const QByteArray& octets);

  bool operator==(const MvDateTime&) const = default;

  quint16 year = 0;
  quint8 month = 0;
  quint8 day = 0;
  quint8 hour = 0;
  quint8 minutes = 0;
  quint8 seconds = 0;
  quint8 deciSeconds = 0;
  char direction = '+';
  quint8 hoursFromUtc = 0;
  quint8 minutesFromUtc = 0;

 private:
  struct Blank {};
  explicit MvDateTime(Blank) {}
};
