// Strict reading of what a user types for the parts of a table row's instance (VLAN IDs, indexes,
// MAC addresses, IPv4 addresses, interface names) and for values whose object limits their size:
// a text is taken only when all of it is a valid form within the object's range, and it comes back
// as the text the value layer holds for that syntax (a MAC address as 12 upper-case hexadecimal
// digits, a number without blanks or leading "+"). The lenient conversions of an index would turn
// "abc" into 0, "10.1.1" into 10.1.1.0 and 99999999999 into 4294967295; these readers refuse them.
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// What an object accepts: its syntax code and, where its MIB narrows it, the range of a number or
// the size of a text in characters (one octet each).
struct MvKeyRule {
  quint32 syntax = 0;
  qint64 minimum = 0;   // numbers; the syntax's own bounds apply when minimum > maximum
  qint64 maximum = -1;
  int minLength = 0;    // texts (display strings)
  int maxLength = -1;   // -1: no size known

  static MvKeyRule number(quint32 syntax, qint64 minimum, qint64 maximum);
  static MvKeyRule text(int minLength, int maxLength);
  static MvKeyRule of(quint32 syntax);
};

namespace MvKeyText {

// 12 hexadecimal digits, or six groups of one or two digits separated by ":" or by "-", or three
// groups of four digits separated by "." (one kind of separator); surrounding blanks allowed.
std::optional<QString> macAddress(const QString& typed);
// Four decimal numbers from 0 to 255 separated by dots; surrounding blanks allowed.
std::optional<QString> ipv4Address(const QString& typed);
// A whole decimal number from `minimum` to `maximum`; surrounding blanks and a leading "+" allowed.
std::optional<QString> number(const QString& typed, qint64 minimum, qint64 maximum);

// The text the value layer holds for a typed text that the rule accepts; nothing otherwise.
// Syntaxes without a reader of their own go through the value layer's strict reading.
std::optional<QString> read(const MvKeyRule& rule, const QString& typed);
// What the rule accepts, in words for a message ("a whole number from 1 to 4094").
QString expected(const MvKeyRule& rule);
// The message for a refused text: `VLAN ID "abc" is not a whole number from 1 to 4094.`
QString refusal(const QString& field, const QString& typed, const MvKeyRule& rule);

}  // namespace MvKeyText
