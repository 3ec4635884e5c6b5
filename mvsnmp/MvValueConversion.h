// Value conversion: every item keeps its value as display text. These functions turn an answer's
// value into that text (storeValue), the text into a value for a set (loadValue), and index
// columns to and from the sub-identifiers of a table row's instance (decode/encodeIndexValue),
// for every syntax code, with the item's option list mapping raw values to labels on top.
//
// Conventions of the text forms:
// - Octet strings (octetstr, bitstr, opaque, macaddress, ipv6address) are upper-case hexadecimal,
//   two digits per octet, no separators.
// - displaystr is Latin-1: each octet is one character (0x00..0xFF), so whatever the device sends
//   comes back byte for byte when written unchanged, whatever its encoding. A typed character
//   outside Latin-1 is refused.
// - A value for a set is read strictly (valueOfText); the lenient readers below (readInteger and
//   the like, C-library style with clamping) serve expressions and pieces of raw values.
// - An answer's value of a type that does not fit the item's syntax counts as no value.
//
// Every function raises MvCode::BadSyntax (-511) for the partial-data codes 193 to 198 and for
// unknown codes; the item (or the value) is then left unchanged. decodeIndexValue raises
// MvCode::BadKeyCount (-514) for a row index that is too short or malformed.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "mvsnmp/MvSNMPVarList.h"
#include "mvsnmp/MvValue.h"

// ---- the four conversions on item i of a list ----

// Sets the item's value from an answer's value. The SNMPv2 exceptions (noSuchObject,
// noSuchInstance, endOfMibView) show "(NULL)"; so does an answer without a value, except for
// displaystr (empty text) and the hexadecimal forms (no octets). "double" and "bcdatetime" need at
// least 8 octets, "datetime" 11, "ipaddress" 4, "objectid" one sub-identifier: fewer is no value.
void storeValue(MvSNMPVarList& list, int i, const MvValue& value);

// Fills `value` (type tag and data) from the item's value for a set. The text "(NULL)" (after the
// option list's label-to-value mapping) gives the NULL value whatever the syntax. The text must be
// a valid form of the syntax as a whole (see valueOfText); anything else raises -511 with the
// item's label, the text and the form expected, and leaves `value` unchanged.
void loadValue(const MvSNMPVarList& list, int i, MvValue& value);

// The value a typed text stands for, read strictly: all of it must be a valid form of the syntax
// (surrounding blanks allowed, except in displaystr): a number within the type's range, an
// address of four numbers 0-255, dotted OID numbers, hexadecimal octets in digit pairs, the
// display forms of time ticks, dates and doubles, displaystr characters up to U+00FF. Every text
// storeValue shows reads back to its value. Nothing for any other text.
std::optional<MvValue> valueOfText(quint32 syntax, const QString& text);

// Reads the item's value from the front of a row index (dotted sub-identifiers) and returns the
// sub-identifiers it did not use, as dotted text. An octet is the low 8 bits of a sub-identifier.
// Raises -514, item unchanged, when the suffix is not dotted decimal sub-identifiers of 0 to
// 4294967295 or holds fewer than the syntax needs (every syntax but "null" needs at least one).
QString decodeIndexValue(MvSNMPVarList& list, int i, const QString& suffix);

// The item's value as the dotted sub-identifiers of a row index.
QString encodeIndexValue(const MvSNMPVarList& list, int i);

// The type tag that a set of this syntax carries (the ASN.1 tag of the syntax, OCTET STRING for
// the octet-string carriers, IpAddress for nsapaddr). Raises -511 for codes that are no varbind
// syntax.
MvValueType valueTypeOfSyntax(quint32 syntax);
// True for the codes the four conversions accept.
bool isValueSyntax(quint32 syntax);
// True for the Opaque extension codes, which storeValue alone accepts (they are never written).
bool isAnswerOnlySyntax(quint32 syntax);

// ---- option-list mapping ----

// The item's value with a label turned back into its raw value (unchanged without option list).
QString rawValueOf(const SnmpVarItem& item);
// A raw value turned into the item's label (unchanged without option list or without entry).
QString labelOfRaw(const SnmpVarItem& item, const QString& raw);

// ---- text forms, shared with the binding layer ----

// "h:mm:ss.hh" below one day, "1 day h:mm:ss.hh", "N days, h:mm:ss.hh" from two days on.
QString ticksText(quint32 ticks);
// Reads "[N day[s][,]] h:m:s.hh"; seconds count only when a "." follows them. The sum is clamped
// to 0 .. 4294967295.
quint32 ticksOfText(const QString& text);

// Upper-case hexadecimal, two digits per octet.
QString hexText(const QByteArray& octets);
// Spaces are ignored, digits of either case taken in pairs (an odd first digit makes an octet of
// its own); any other character counts as the digit 0.
QByteArray octetsOfHex(const QString& text);

// The C library's decimal reading, saturated at the 64-bit range.
qint64 readInteger(const QString& text);
qint32 int32OfText(const QString& text);    // clamped to the signed 32-bit range
quint32 uint32OfText(const QString& text);  // clamped to 0 .. 4294967295
// The C library's floating-point reading ("." as decimal point; "inf", "nan"; stops at the first
// character that does not fit; nothing readable gives 0; overflow gives infinity).
double readDouble(const QString& text);
// A Counter64 from text: a plain decimal integer exactly, anything else read as floating point
// and truncated; clamped to 0 .. 2^64-1, NaN gives 0.
quint64 counter64OfText(const QString& text);

// General floating-point text with up to 15 significant digits ("0.1", "1e+20", "nan").
QString doubleText(double x);

// A date-time as a day count since 1899-12-30 with the time of day as the fraction (negative
// counts reach back before that day, the fraction still counting forward from midnight).
// Text form "yyyy/mm/dd hh:nn:ss am/pm" on the 12-hour clock, e.g. "2008/11/10 01:05:07 pm";
// "(NULL)" for NaN, infinities and days outside the years 1 to 9999.
QString bcDateTimeText(double days);
// Reads that text form back (also "yyyy/mm/dd hh:nn:ss" on the 24-hour clock and "yyyy/mm/dd");
// text that does not parse gives 0 (1899-12-30 00:00:00).
double bcDateTimeOfText(const QString& text);
