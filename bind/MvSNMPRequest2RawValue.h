// The raw byte form of a value text for each syntax, as the edit binding cuts and patches it:
// whole values, byte ranges inside octet strings, and the one- and two-byte partial syntaxes
// (193-198). Multi-byte numbers are little-endian unless the syntax says network order.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace MvSNMPRequest2RawValue {

// Bytes a value of the syntax needs before it can be shown: 0 for any length (octet strings,
// OIDs, display strings, null), else 1, 2, 4, 6, 8, 11 or 16. Raises -511 for an unknown code.
int neededLength(quint32 syntax);

// Text to raw bytes; "(NULL)" gives no bytes for every syntax. Raises -511 for unknown codes.
QByteArray toRaw(const QString& text, quint32 syntax);

// Raw bytes to text: no bytes give "(NULL)" ("" for a display string); fewer bytes than the
// syntax needs raise -518; unknown codes -511.
QString toText(const QByteArray& raw, quint32 syntax);

// The piece of a raw value at a byte offset read with a syntax: variable-length syntaxes take
// the rest, the others exactly their length (-519 when the value is too short).
QByteArray cut(const QByteArray& raw, int offset, quint32 syntax);

// Copies the piece over the raw value at the offset, extending it with zero bytes as needed.
void patch(QByteArray& raw, int offset, const QByteArray& piece);

// Bits of an octet string as port lists and other BITS values number them: bit 0 is the most
// significant bit of octet 0, bit 8 that of octet 1 (port p of a port list is bit p - 1).
// A bit past the last octet reads as clear.
bool bit(const QByteArray& raw, quint32 bit);
// Sets or clears the bit, extending the value with zero octets up to the bit's octet.
void setBit(QByteArray& raw, quint32 bit, bool on);

}  // namespace MvSNMPRequest2RawValue
