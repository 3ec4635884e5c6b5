#include "mvsnmp/MvValueConversion.h"

#include <optional>

#include <QRegularExpression>

#include <QDate>
#include <QStringList>
#include <QTime>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "mvsnmp/MvDateTime.h"
#include "mvsnmp/MvError.h"
#include "mvsnmp/MvOptionList.h"

namespace {

constexpr quint32 TicksPerDay = 8640000;
constexpr quint32 TicksPerHour = 360000;
constexpr quint32 TicksPerMinute = 6000;
constexpr quint32 TicksPerSecond = 100;
constexpr int CarrierOctets = 8;  // "double" and "bcdatetime"
constexpr qint64 MsecsPerDay = 86400000;

// Day 0 of the date-time double.
const QDate& dayZero() {
  static const QDate zero(1899, 12, 30);
  return zero;
}

QString nullText() {
  return QString::fromLatin1(NullValueText);
}

bool isBlank(QChar c) {
  return QStringView(u" \t\n\v\f\r").contains(c);
}
bool isDigit(QChar c) {
  return c >= u'0' && c <= u'9';
}

bool isHexForm(quint32 syntax) {
  return syntax == Syntax::OctetStr || syntax == Syntax::BitStr || syntax == Syntax::Opaque ||
         syntax == Syntax::MacAddress || syntax == Syntax::Ipv6Address;
}

bool isNumberSyntax(quint32 syntax) {
  return syntax == Syntax::Boolean || syntax == Syntax::Integer || syntax == Syntax::Counter ||
         syntax == Syntax::Guage || syntax == Syntax::UInteger || syntax == Syntax::TimeTicks ||
         syntax == Syntax::Counter64;
}

void requireValueSyntax(quint32 syntax) {
  if (!isValueSyntax(syntax)) raiseError(MvCode::BadSyntax);
}

// The item is the last index column and carries its value without a length prefix.
bool isLastImplied(const MvSNMPVarList& list, int i) {
  return i + 1 == list.keyCount() && list.isImpliedIndex(i);
}

// ---- doubles and their octets ----

// Clamps a double into an integer range without undefined behaviour: NaN gives 0, values beyond
// the range give its bound, others are truncated toward zero.
template <typename T>
T clampToInteger(double x) {
  if (std::isnan(x)) return 0;
  // Bounds as doubles: lowest is exact (0 or -2^k); max + 1 is the power of two just above.
  constexpr double low = static_cast<double>(std::numeric_limits<T>::lowest());
  constexpr double high = static_cast<double>(std::numeric_limits<T>::max() / 2 + 1) * 2.0;
  if (x <= low) return std::numeric_limits<T>::lowest();
  if (x >= high) return std::numeric_limits<T>::max();
  return static_cast<T>(x);
}

quint64 bitsOfDouble(double x) {
  quint64 bits;
  std::memcpy(&bits, &x, sizeof bits);
  return bits;
}

double doubleOfBits(quint64 bits) {
  double x;
  std::memcpy(&x, &bits, sizeof x);
  return x;
}

// IEEE-754 double in little-endian order, the way the device carries it in an OCTET STRING.
QByteArray octetsOfDouble(double x) {
  const quint64 bits = bitsOfDouble(x);
  QByteArray octets(CarrierOctets, '\0');
  for (int k = 0; k < CarrierOctets; ++k) octets[k] = static_cast<char>((bits >> (8 * k)) & 0xFF);
  return octets;
}

double doubleOfOctets(const QByteArray& octets) {
  quint64 bits = 0;
  for (int k = 0; k < CarrierOctets; ++k)
    bits |= static_cast<quint64>(static_cast<quint8>(octets[k])) << (8 * k);
  return doubleOfBits(bits);
}

// A double carried in an index as two sub-identifiers, low half first.
MvOid subIdsOfDouble(double x) {
  const quint64 bits = bitsOfDouble(x);
  return {static_cast<quint32>(bits & 0xFFFFFFFFu), static_cast<quint32>(bits >> 32)};
}

double doubleOfSubIds(quint32 low, quint32 high) {
  return doubleOfBits((static_cast<quint64>(high) << 32) | low);
}

// ---- text forms by syntax ----

QString dottedOctets(const QByteArray& octets, int n) {
  QString text;
  for (int k = 0; k < n; ++k) {
    if (k > 0) text += u'.';
    text += QString::number(static_cast<quint8>(octets[k]));
  }
  return text;
}

QString dateTimeText(const QByteArray& octets) {
  const std::optional<MvDateTime> dt = MvDateTime::fromOctets(octets);
  return dt ? dt->toText() : nullText();
}

// The first four dotted numbers of an address text (missing ones 0).
std::array<qint64, 4> addressNumbers(const QString& text) {
  std::array<qint64, 4> numbers{};
  const QStringList parts = text.split(u'.');
  for (int k = 0; k < 4 && k < parts.size(); ++k)
    numbers[static_cast<size_t>(k)] = readInteger(parts[k]);
  return numbers;
}

// An OID typed by the user: dotted numbers read as far as they go, each clamped to 32 bits.
MvOid readOid(const QString& text) {
  QStringView rest(text);
  if (rest.startsWith(u'.')) rest = rest.mid(1);
  MvOid oid;
  if (rest.isEmpty()) return oid;
  for (const QStringView part : rest.split(u'.')) oid.push_back(uint32OfText(part.toString()));
  return oid;
}

QByteArray octetsOfSubIds(const MvOid& subIds, size_t from, size_t n) {
  QByteArray octets;
  octets.reserve(static_cast<qsizetype>(n));
  for (size_t k = from; k < from + n; ++k) octets.append(static_cast<char>(subIds[k] & 0xFF));
  return octets;
}

void appendOctets(MvOid& subIds, const QByteArray& octets, qsizetype n) {
  for (qsizetype k = 0; k < n; ++k) subIds.push_back(static_cast<quint8>(octets[k]));
}

// The shortest text that reads back to the same float ("0.46", not 0.4600000083...).
QString floatText(float f) {
  char buffer[64];
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, f);
  return QString::fromLatin1(buffer, r.ptr - buffer);
}

// The text of an Opaque extension value shown by its own syntax.
std::optional<QString> opaqueWrappedText(quint32 syntax, const MvValue& v) {
  if (static_cast<quint32>(v.type) != syntax) return std::nullopt;
  switch (v.type) {
    case MvValueType::OpaqueFloat:
      return floatText(static_cast<float>(v.floatingNumber()));
    case MvValueType::OpaqueDouble:
      return doubleText(v.floatingNumber());
    case MvValueType::OpaqueInt64:
      return QString::number(v.signedNumber());
    default:
      return QString::number(v.number);
  }
}

// The text of an answer's value by syntax; nothing when the value carries none that fits.
std::optional<QString> textOfValue(quint32 syntax, const MvValue& v) {
  if (isAnswerOnlySyntax(syntax)) return opaqueWrappedText(syntax, v);
  // An "opaque" item shows the Opaque's contents, whatever they wrap.
  if (syntax == Syntax::Opaque && v.isOpaqueWrapped()) return hexText(v.octets);
  if (isNumberSyntax(syntax)) {
    if (!v.isNumber()) return std::nullopt;
    const auto low32 = static_cast<quint32>(v.number & 0xFFFFFFFFu);
    switch (syntax) {
      case Syntax::Boolean:
        return QString::fromLatin1(v.number != 0 ? "true" : "false");
      case Syntax::Integer:
        return QString::number(static_cast<qint32>(low32));
      case Syntax::TimeTicks:
        return ticksText(low32);
      case Syntax::Counter64:
        return QString::number(v.number);
      default:
        return QString::number(low32);
    }
  }
  if (syntax == Syntax::ObjectId) {
    if (v.type != MvValueType::ObjectId || v.oid.empty()) return std::nullopt;
    return oidText(v.oid);
  }
  if (!v.isOctets()) return std::nullopt;
  const QByteArray& o = v.octets;
  switch (syntax) {
    case Syntax::IpAddress:
    case Syntax::NsapAddr:
      if (o.size() < 4) return std::nullopt;
      return dottedOctets(o, 4);
    case Syntax::DisplayStr:
      return QString::fromLatin1(o);
    case Syntax::Double:
      if (o.size() < CarrierOctets) return std::nullopt;
      return doubleText(doubleOfOctets(o));
    case Syntax::BcDateTime:
      if (o.size() < CarrierOctets) return std::nullopt;
      return bcDateTimeText(doubleOfOctets(o));
    case Syntax::DateTime:
      if (o.size() < MvDateTime::OctetCount) return std::nullopt;
      return dateTimeText(o);
    default:
      return hexText(o);  // the hexadecimal forms
  }
}

// Reads one index column from the sub-identifiers; `used` receives how many it took.
QString indexText(const MvSNMPVarList& list, int i, const MvOid& s, size_t& used) {
  const quint32 syntax = list.item(i).syntax;
  const auto need = [&s, &used](size_t n) {
    if (s.size() < n) raiseError(MvCode::BadKeyCount);
    used = n;
  };
  // A length-prefixed value (s1 = n, then n sub-identifiers), or all of them when implied.
  const auto prefixed = [&](size_t& from) -> size_t {
    need(1);
    if (isLastImplied(list, i)) {
      from = 0;
      used = s.size();
      return s.size();
    }
    const quint64 n = s[0];
    if (n > s.size() - 1) raiseError(MvCode::BadKeyCount);
    from = 1;
    used = static_cast<size_t>(n) + 1;
    return static_cast<size_t>(n);
  };
  size_t from = 0;
  switch (syntax) {
    case Syntax::Null:
      used = 0;
      return nullText();
    case Syntax::Boolean:
      need(1);
      return QString::fromLatin1(s[0] != 0 ? "true" : "false");
    case Syntax::Integer:
      need(1);
      return QString::number(static_cast<qint32>(s[0]));
    case Syntax::Counter:
    case Syntax::Guage:
    case Syntax::UInteger:
      need(1);
      return QString::number(s[0]);
    case Syntax::TimeTicks:
      need(1);
      return ticksText(s[0]);
    case Syntax::Counter64:
      need(2);
      return QString::number((static_cast<quint64>(s[0]) << 32) | s[1]);
    case Syntax::IpAddress:
    case Syntax::NsapAddr:
      need(4);
      return dottedOctets(octetsOfSubIds(s, 0, 4), 4);
    case Syntax::MacAddress:
      need(6);
      return hexText(octetsOfSubIds(s, 0, 6));
    case Syntax::Ipv6Address:
      need(1);
      if (isLastImplied(list, i)) {
        used = s.size();
        return hexText(octetsOfSubIds(s, 0, s.size()));
      }
      need(16);
      return hexText(octetsOfSubIds(s, 0, 16));
    case Syntax::OctetStr:
    case Syntax::BitStr:
    case Syntax::Opaque: {
      const size_t n = prefixed(from);
      return hexText(octetsOfSubIds(s, from, n));
    }
    case Syntax::DisplayStr: {
      const size_t n = prefixed(from);
      return QString::fromLatin1(octetsOfSubIds(s, from, n));
    }
    case Syntax::ObjectId: {
      const size_t n = prefixed(from);
      return oidText(MvOid(s.begin() + static_cast<ptrdiff_t>(from),
                           s.begin() + static_cast<ptrdiff_t>(from + n)));
    }
    case Syntax::Double:
      need(2);
      return doubleText(doubleOfSubIds(s[0], s[1]));
    case Syntax::BcDateTime:
      need(2);
      return bcDateTimeText(doubleOfSubIds(s[0], s[1]));
    case Syntax::DateTime:
      need(MvDateTime::OctetCount);
      return dateTimeText(octetsOfSubIds(s, 0, MvDateTime::OctetCount));
    default:
      raiseError(MvCode::BadSyntax);
  }
}

// ---- floating-point reading ----

// The longest prefix of `text` from `pos` that the C library's strtod would take as a decimal
// number, without its sign. Returns the number of characters consumed (0: none).
qsizetype scanDecimal(QStringView text, qsizetype pos, std::string& digits, int& decimalExponent) {
  const qsizetype start = pos;
  int intDigits = 0;     // significant digits before the point
  int leadingZeros = 0;  // zeros after the point before the first significant digit
  bool significant = false;
  bool any = false;
  while (pos < text.size() && isDigit(text[pos])) {
    any = true;
    if (text[pos] != u'0') significant = true;
    if (significant) ++intDigits;
    digits += static_cast<char>(text[pos].unicode());
    ++pos;
  }
  if (pos < text.size() && text[pos] == u'.') {
    qsizetype p = pos + 1;
    std::string fraction = ".";
    while (p < text.size() && isDigit(text[p])) {
      any = true;
      if (!significant && text[p] == u'0')
        ++leadingZeros;
      else
        significant = true;
      fraction += static_cast<char>(text[p].unicode());
      ++p;
    }
    if (!any) return 0;  // a lone "." is no number
    digits += fraction;
    pos = p;
  }
  if (!any) return 0;
  long exponent = 0;
  if (pos < text.size() && (text[pos] == u'e' || text[pos] == u'E')) {
    qsizetype p = pos + 1;
    bool negative = false;
    if (p < text.size() && (text[p] == u'+' || text[p] == u'-')) negative = text[p++] == u'-';
    if (p < text.size() && isDigit(text[p])) {
      // Exponents are capped far beyond any double's range, which keeps their value exact enough.
      while (p < text.size() && isDigit(text[p])) {
        if (exponent < 100000) exponent = exponent * 10 + (text[p].unicode() - u'0');
        ++p;
      }
      if (negative) exponent = -exponent;
      digits += 'e' + std::to_string(exponent);
      pos = p;
    }
  }
  // Order of magnitude, enough to tell an overflow from an underflow.
  decimalExponent = static_cast<int>(exponent) + (intDigits > 0 ? intDigits : -leadingZeros);
  return pos - start;
}

}  // namespace

// ---- syntax table ----

bool isAnswerOnlySyntax(quint32 syntax) {
  return syntax == Syntax::OpaqueCounter64 ||
         (syntax >= Syntax::OpaqueFloat && syntax <= Syntax::OpaqueUInt64);
}

bool isValueSyntax(quint32 syntax) {
  return (syntax >= Syntax::Boolean && syntax <= Syntax::ObjectId) ||
         (syntax >= Syntax::IpAddress && syntax <= Syntax::Ipv6Address);
}

MvValueType valueTypeOfSyntax(quint32 syntax) {
  switch (syntax) {
    case Syntax::Boolean:
    case Syntax::Integer:
      return MvValueType::Integer;
    case Syntax::Null:
      return MvValueType::Null;
    case Syntax::ObjectId:
      return MvValueType::ObjectId;
    case Syntax::IpAddress:
    case Syntax::NsapAddr:
      return MvValueType::IpAddress;
    case Syntax::Counter:
      return MvValueType::Counter32;
    case Syntax::Guage:
      return MvValueType::Gauge32;
    case Syntax::TimeTicks:
      return MvValueType::TimeTicks;
    case Syntax::Opaque:
      return MvValueType::Opaque;
    case Syntax::Counter64:
      return MvValueType::Counter64;
    case Syntax::UInteger:
      return MvValueType::UInteger32;
    case Syntax::BitStr:
    case Syntax::OctetStr:
    case Syntax::Double:
    case Syntax::MacAddress:
    case Syntax::DateTime:
    case Syntax::BcDateTime:
    case Syntax::DisplayStr:
    case Syntax::Ipv6Address:
      return MvValueType::OctetString;
    default:
      raiseError(MvCode::BadSyntax);
  }
}

// ---- option lists ----

QString rawValueOf(const SnmpVarItem& item) {
  return item.options ? item.options->valueOf(item.value) : item.value;
}

QString labelOfRaw(const SnmpVarItem& item, const QString& raw) {
  return item.options ? item.options->labelOf(raw) : raw;
}

// ---- the four conversions ----

void storeValue(MvSNMPVarList& list, int i, const MvValue& value) {
  SnmpVarItem& item = list.item(i);
  if (!isAnswerOnlySyntax(item.syntax)) requireValueSyntax(item.syntax);
  QString text;
  if (item.syntax == Syntax::Null || value.isException()) {
    text = nullText();
  } else if (std::optional<QString> t = textOfValue(item.syntax, value)) {
    text = *t;
  } else if (!isHexForm(item.syntax) && item.syntax != Syntax::DisplayStr) {
    text = nullText();
  }  // else: a hexadecimal form or displaystr without value is empty text
  item.value = labelOfRaw(item, text);
}

namespace {

// ---- strict reading of typed texts ----
//
// A text is read only when all of it is a valid form of the syntax; surrounding blanks are
// allowed. Every text that storeValue shows reads back to the value it came from.

std::optional<quint64> strictUnsigned(QStringView t, quint64 most) {
  if (t.startsWith(u'+')) t = t.mid(1);
  if (t.isEmpty() || t.size() > 20) return std::nullopt;
  quint64 value = 0;
  for (const QChar c : t) {
    if (!isDigit(c)) return std::nullopt;
    const quint64 d = static_cast<quint64>(c.unicode() - u'0');
    if (value > (most - d) / 10) return std::nullopt;
    value = value * 10 + d;
  }
  return value;
}

std::optional<qint64> strictSigned(QStringView t, qint64 lowest, qint64 highest) {
  const bool negative = t.startsWith(u'-');
  if (negative) t = t.mid(1);
  else if (t.startsWith(u'+')) t = t.mid(1);
  if (t.startsWith(u'+') || t.startsWith(u'-')) return std::nullopt;
  const std::optional<quint64> magnitude =
      strictUnsigned(t, negative ? static_cast<quint64>(-(lowest + 1)) + 1 : static_cast<quint64>(highest));
  if (!magnitude) return std::nullopt;
  return negative ? static_cast<qint64>(0 - *magnitude) : static_cast<qint64>(*magnitude);
}

std::optional<QByteArray> strictDotted(QStringView t, int count) {
  const QList<QStringView> parts = t.split(u'.');
  if (parts.size() != count) return std::nullopt;
  QByteArray octets;
  for (const QStringView part : parts) {
    if (part.startsWith(u'+')) return std::nullopt;
    const std::optional<quint64> n = strictUnsigned(part, 255);
    if (!n) return std::nullopt;
    octets.append(static_cast<char>(*n));
  }
  return octets;
}

std::optional<MvOid> strictOid(QStringView t) {
  if (t.startsWith(u'.')) t = t.mid(1);
  MvOid oid;
  if (t.isEmpty()) return oid;
  for (const QStringView part : t.split(u'.')) {
    if (part.startsWith(u'+')) return std::nullopt;
    const std::optional<quint64> n = strictUnsigned(part, 0xFFFFFFFFu);
    if (!n) return std::nullopt;
    oid.push_back(static_cast<quint32>(*n));
  }
  return oid;
}

std::optional<QByteArray> strictHex(QStringView t) {
  QByteArray digits;
  for (const QChar c : t) {
    if (isBlank(c)) continue;
    const char16_t u = c.unicode();
    if (!((u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F')))
      return std::nullopt;
    digits.append(static_cast<char>(u));
  }
  if (digits.size() % 2 != 0) return std::nullopt;
  return QByteArray::fromHex(digits);
}

std::optional<quint32> strictTicks(const QString& t) {
  if (const std::optional<quint64> plain = strictUnsigned(t, 0xFFFFFFFFu)) return static_cast<quint32>(*plain);
  static const QRegularExpression form(
      QStringLiteral("^(?:(\\d{1,5}) days?,? )?(\\d{1,2}):(\\d{2}):(\\d{2})(?:\\.(\\d{2}))?$"));
  const QRegularExpressionMatch m = form.match(t);
  if (!m.hasMatch()) return std::nullopt;
  const quint64 days = m.captured(1).toULongLong(), hours = m.captured(2).toULongLong(),
                minutes = m.captured(3).toULongLong(), seconds = m.captured(4).toULongLong(),
                hundredths = m.captured(5).toULongLong();
  if (hours > 23 || minutes > 59 || seconds > 59) return std::nullopt;
  const quint64 ticks = days * TicksPerDay + hours * TicksPerHour + minutes * TicksPerMinute +
                        seconds * TicksPerSecond + hundredths;
  if (ticks > 0xFFFFFFFFu) return std::nullopt;
  return static_cast<quint32>(ticks);
}

std::optional<double> strictDouble(const QString& t) {
  static const QRegularExpression special(QStringLiteral("^[+-]?(inf|nan)$"),
                                          QRegularExpression::CaseInsensitiveOption);
  if (special.match(t).hasMatch()) return readDouble(t);
  static const QRegularExpression number(
      QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
  if (!number.match(t).hasMatch()) return std::nullopt;
  return readDouble(t);
}

std::optional<QByteArray> strictDateTime(const QString& t) {
  static const QRegularExpression form(QStringLiteral(
      "^(\\d{1,5})-(\\d{1,3})-(\\d{1,3}),(\\d{1,3}):(\\d{1,3}):(\\d{1,3})\\.(\\d{1,3})(,[+-]\\d{1,3}:\\d{1,3})?$"));
  const QRegularExpressionMatch m = form.match(t);
  if (!m.hasMatch() || m.captured(1).toUInt() > 65535) return std::nullopt;
  for (int k = 2; k <= 7; ++k)
    if (m.captured(k).toUInt() > 255) return std::nullopt;
  return MvDateTime(t).toOctets();
}

// What a valid text of the syntax looks like, for the message.
QString formOf(quint32 syntax) {
  switch (syntax) {
    case Syntax::Boolean:
      return QStringLiteral("true or false");
    case Syntax::Integer:
      return QStringLiteral("a whole number from -2147483648 to 2147483647");
    case Syntax::Counter:
    case Syntax::Guage:
    case Syntax::UInteger:
      return QStringLiteral("a whole number from 0 to 4294967295");
    case Syntax::Counter64:
      return QStringLiteral("a whole number from 0 to 18446744073709551615");
    case Syntax::TimeTicks:
      return QStringLiteral("a time as \"d days, h:mm:ss.hh\" or a number of hundredths of a second");
    case Syntax::IpAddress:
    case Syntax::NsapAddr:
      return QStringLiteral("an address of four numbers from 0 to 255 separated by dots");
    case Syntax::ObjectId:
      return QStringLiteral("an object identifier of numbers separated by dots");
    case Syntax::DisplayStr:
      return QStringLiteral("text of characters U+0000 to U+00FF only");
    case Syntax::Double:
      return QStringLiteral("a decimal number");
    case Syntax::BcDateTime:
      return QStringLiteral("a date and time as \"yyyy/mm/dd hh:mm:ss am\"");
    case Syntax::DateTime:
      return QStringLiteral("a date and time as \"y-m-d,h:m:s.d\" with an optional \",+h:m\"");
    default:
      return QStringLiteral("hexadecimal octets, two digits each (blanks allowed between them)");
  }
}

}  // namespace

std::optional<MvValue> valueOfText(quint32 syntax, const QString& typed) {
  requireValueSyntax(syntax);
  const MvValueType type = valueTypeOfSyntax(syntax);
  if (syntax == Syntax::Null || typed == QLatin1String(NullValueText)) return MvValue::null();
  if (syntax == Syntax::DisplayStr) {
    // Every character is one octet; one that no octet carries is refused, never sent as "?".
    for (const QChar c : typed)
      if (c.unicode() > 0xFF) return std::nullopt;
    return MvValue::bytes(type, typed.toLatin1());
  }
  const QString text = typed.trimmed();
  switch (syntax) {
    case Syntax::Boolean:
      if (text == u"true" || text == u"false") return MvValue::integer(text == u"true" ? 1 : 0);
      return std::nullopt;
    case Syntax::Integer:
      if (const auto n = strictSigned(text, std::numeric_limits<qint32>::lowest(),
                                      std::numeric_limits<qint32>::max()))
        return MvValue::integer(static_cast<qint32>(*n));
      return std::nullopt;
    case Syntax::Counter:
    case Syntax::Guage:
    case Syntax::UInteger:
      if (const auto n = strictUnsigned(text, 0xFFFFFFFFu)) return MvValue::unsignedNumber(type, *n);
      return std::nullopt;
    case Syntax::Counter64:
      if (const auto n = strictUnsigned(text, std::numeric_limits<quint64>::max()))
        return MvValue::unsignedNumber(type, *n);
      return std::nullopt;
    case Syntax::TimeTicks:
      if (const auto n = strictTicks(text)) return MvValue::unsignedNumber(type, *n);
      return std::nullopt;
    case Syntax::IpAddress:
    case Syntax::NsapAddr:
      if (const auto o = strictDotted(text, 4)) return MvValue::bytes(type, *o);
      return std::nullopt;
    case Syntax::ObjectId:
      if (const auto oid = strictOid(text)) return MvValue::objectId(*oid);
      return std::nullopt;
    case Syntax::Double:
      if (const auto x = strictDouble(text)) return MvValue::bytes(type, octetsOfDouble(*x));
      return std::nullopt;
    case Syntax::BcDateTime: {
      const double days = bcDateTimeOfText(text);
      // Day zero itself reads as 0 too: only a text that shows that day again is taken.
      if (days == 0.0 && bcDateTimeText(0.0) != text && text != u"1899/12/30") return std::nullopt;
      return MvValue::bytes(type, octetsOfDouble(days));
    }
    case Syntax::DateTime:
      if (const auto o = strictDateTime(text)) return MvValue::bytes(type, *o);
      return std::nullopt;
    default:
      if (const auto o = strictHex(text)) return MvValue::bytes(type, *o);
      return std::nullopt;  // the hexadecimal forms
  }
}

void loadValue(const MvSNMPVarList& list, int i, MvValue& value) {
  const SnmpVarItem& item = list.item(i);
  const std::optional<MvValue> read = valueOfText(item.syntax, rawValueOf(item));
  if (!read)
    throw MvException(MvCode::BadSyntax,
                      messageOf(MvCode::BadSyntax) +
                          QStringLiteral(" \"%1\": \"%2\" is not %3.")
                              .arg(item.label, item.value, formOf(item.syntax)));
  value = *read;
}

QString decodeIndexValue(MvSNMPVarList& list, int i, const QString& suffix) {
  SnmpVarItem& item = list.item(i);
  requireValueSyntax(item.syntax);
  const std::optional<MvOid> subIds = parseOid(suffix);
  if (!subIds) raiseError(MvCode::BadKeyCount);
  size_t used = 0;
  const QString text = indexText(list, i, *subIds, used);
  item.value = labelOfRaw(item, text);
  return oidText(*subIds, used);
}

QString encodeIndexValue(const MvSNMPVarList& list, int i) {
  const SnmpVarItem& item = list.item(i);
  requireValueSyntax(item.syntax);
  const QString text = rawValueOf(item);
  const bool implied = isLastImplied(list, i);
  MvOid s;
  switch (item.syntax) {
    case Syntax::Null:
      break;
    case Syntax::Boolean:
      s = {text == u"true" ? 1u : 0u};
      break;
    case Syntax::Integer:
      s = {static_cast<quint32>(int32OfText(text))};
      break;
    case Syntax::Counter:
    case Syntax::Guage:
    case Syntax::UInteger:
      s = {uint32OfText(text)};
      break;
    case Syntax::TimeTicks:
      s = {ticksOfText(text)};
      break;
    case Syntax::Counter64: {
      const quint64 v = counter64OfText(text);
      s = {static_cast<quint32>(v >> 32), static_cast<quint32>(v & 0xFFFFFFFFu)};
      break;
    }
    case Syntax::IpAddress:
    case Syntax::NsapAddr:
      for (const qint64 n : addressNumbers(text))
        s.push_back(static_cast<quint32>(std::clamp<qint64>(n, 0, 0xFFFFFFFF)));
      break;
    case Syntax::OctetStr:
    case Syntax::BitStr:
    case Syntax::Opaque:
    case Syntax::DisplayStr: {
      const QByteArray octets =
          item.syntax == Syntax::DisplayStr ? text.toLatin1() : octetsOfHex(text);
      if (!implied) s.push_back(static_cast<quint32>(octets.size()));
      appendOctets(s, octets, octets.size());
      break;
    }
    case Syntax::ObjectId: {
      const MvOid oid = readOid(text);
      if (!implied) s.push_back(static_cast<quint32>(oid.size()));
      s.insert(s.end(), oid.begin(), oid.end());
      break;
    }
    case Syntax::MacAddress:
    case Syntax::Ipv6Address: {
      const qsizetype n = item.syntax == Syntax::MacAddress ? 6 : 16;
      const QByteArray octets = octetsOfHex(text);
      if (octets.size() >= n) appendOctets(s, octets, n);
      break;
    }
    case Syntax::Double:
      s = subIdsOfDouble(readDouble(text));
      break;
    case Syntax::BcDateTime:
      s = subIdsOfDouble(bcDateTimeOfText(text));
      break;
    case Syntax::DateTime: {
      const QByteArray octets = MvDateTime(text).toOctets();
      appendOctets(s, octets, octets.size());
      break;
    }
    default:
      raiseError(MvCode::BadSyntax);
  }
  return oidText(s);
}

// ---- text forms ----

QString ticksText(quint32 ticks) {
  const quint32 days = ticks / TicksPerDay;
  ticks %= TicksPerDay;
  const quint32 hours = ticks / TicksPerHour;
  ticks %= TicksPerHour;
  const quint32 minutes = ticks / TicksPerMinute;
  ticks %= TicksPerMinute;
  const quint32 seconds = ticks / TicksPerSecond;
  const quint32 hundredths = ticks % TicksPerSecond;
  const QString time = QString::asprintf("%u:%02u:%02u.%02u", hours, minutes, seconds, hundredths);
  if (days == 0) return time;
  if (days == 1) return QStringLiteral("1 day ") + time;
  return QString::asprintf("%u days, ", days) + time;
}

quint32 ticksOfText(const QString& text) {
  // Each part is clamped to +-2^32 before it is scaled, so the sum stays far inside 64 bits.
  const auto part = [](QStringView s) {
    return std::clamp<qint64>(readInteger(s.toString()), -0x100000000LL, 0x100000000LL);
  };
  QStringView rest(text);
  qint64 days = 0, hours = 0, minutes = 0, seconds = 0, hundredths = 0;
  for (const QStringView word : {QStringView(u"days"), QStringView(u"day")}) {
    const qsizetype at = rest.indexOf(word);
    if (at >= 0) {
      days = part(rest.left(at));
      rest = rest.mid(at + word.size());
      break;
    }
  }
  if (const qsizetype at = rest.indexOf(u','); at >= 0) rest = rest.mid(at + 1);
  if (const qsizetype at = rest.indexOf(u':'); at >= 0) {
    hours = part(rest.left(at));
    rest = rest.mid(at + 1);
    if (const qsizetype at2 = rest.indexOf(u':'); at2 >= 0) {
      minutes = part(rest.left(at2));
      rest = rest.mid(at2 + 1);
    }
  }
  if (const qsizetype at = rest.indexOf(u'.'); at >= 0) {
    seconds = part(rest.left(at));
    hundredths = part(rest.mid(at + 1));
  }
  const qint64 ticks = days * TicksPerDay + hours * TicksPerHour + minutes * TicksPerMinute +
                       seconds * TicksPerSecond + hundredths;
  return static_cast<quint32>(std::clamp<qint64>(ticks, 0, 0xFFFFFFFF));
}

QString hexText(const QByteArray& octets) {
  return QString::fromLatin1(octets.toHex().toUpper());
}

QByteArray octetsOfHex(const QString& text) {
  const auto digit = [](char16_t c) -> char {
    if (c >= u'0' && c <= u'9') return static_cast<char>(c - u'0');
    if (c >= u'a' && c <= u'f') return static_cast<char>(c - u'a' + 10);
    if (c >= u'A' && c <= u'F') return static_cast<char>(c - u'A' + 10);
    return 0;  // not a hexadecimal digit
  };
  QByteArray digits;
  for (const QChar c : text)
    if (c != u' ') digits.append(digit(c.unicode()));
  QByteArray octets;
  qsizetype k = 0;
  if (digits.size() % 2 == 1) octets.append(digits[k++]);
  for (; k < digits.size(); k += 2)
    octets.append(static_cast<char>(digits[k] * 16 + digits[k + 1]));
  return octets;
}

qint64 readInteger(const QString& text) {
  qsizetype pos = 0;
  while (pos < text.size() && isBlank(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) negative = text[pos++] == u'-';
  // Accumulated as a negative number, whose range reaches one further than the positive one.
  qint64 value = 0;
  constexpr qint64 lowest = std::numeric_limits<qint64>::lowest();
  for (; pos < text.size() && isDigit(text[pos]); ++pos) {
    const int d = text[pos].unicode() - u'0';
    value = value < (lowest + d) / 10 ? lowest : value * 10 - d;
  }
  if (negative) return value;
  return value == lowest ? std::numeric_limits<qint64>::max() : -value;
}

qint32 int32OfText(const QString& text) {
  return static_cast<qint32>(std::clamp<qint64>(readInteger(text),
                                                std::numeric_limits<qint32>::lowest(),
                                                std::numeric_limits<qint32>::max()));
}

quint32 uint32OfText(const QString& text) {
  return static_cast<quint32>(std::clamp<qint64>(readInteger(text), 0, 0xFFFFFFFF));
}

double readDouble(const QString& text) {
  QStringView s(text);
  qsizetype pos = 0;
  while (pos < s.size() && isBlank(s[pos])) ++pos;
  bool negative = false;
  if (pos < s.size() && (s[pos] == u'+' || s[pos] == u'-')) negative = s[pos++] == u'-';
  const double sign = negative ? -1.0 : 1.0;
  const QStringView rest = s.mid(pos);
  if (rest.startsWith(u"inf", Qt::CaseInsensitive))
    return sign * std::numeric_limits<double>::infinity();
  if (rest.startsWith(u"nan", Qt::CaseInsensitive))
    return sign * std::numeric_limits<double>::quiet_NaN();
  std::string digits;
  int decimalExponent = 0;
  if (scanDecimal(s, pos, digits, decimalExponent) == 0) return 0.0;
  double x = 0.0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), x);
  (void)end;
  if (error == std::errc::result_out_of_range)
    x = decimalExponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  return sign * x;
}

quint64 counter64OfText(const QString& text) {
  // A plain integer is taken exactly: a double holds only 53 bits, so a counter above 2^53 read
  // back and written unchanged would otherwise lose its low digits.
  QStringView s(text);
  qsizetype pos = 0;
  while (pos < s.size() && isBlank(s[pos])) ++pos;
  if (pos < s.size() && s[pos] == u'+') ++pos;
  const qsizetype first = pos;
  quint64 value = 0;
  bool fits = true;
  for (; pos < s.size() && isDigit(s[pos]); ++pos) {
    const quint64 d = static_cast<quint64>(s[pos].unicode() - u'0');
    if (value > (std::numeric_limits<quint64>::max() - d) / 10) fits = false;
    value = value * 10 + d;
  }
  const bool plain =
      pos > first && (pos == s.size() || (s[pos] != u'.' && s[pos] != u'e' && s[pos] != u'E'));
  if (plain && fits) return value;
  return clampToInteger<quint64>(readDouble(text));
}

QString doubleText(double x) {
  return QString::number(x, 'g', 15);
}

QString bcDateTimeText(double days) {
  // Years 1 to 9999 lie within these day counts; anything beyond has no four-digit year.
  constexpr double first = -693593.0, last = 2958466.0;
  if (!std::isfinite(days) || days <= first - 1.0 || days >= last) return nullText();
  double whole = std::trunc(days);
  qint64 msecs = std::llround(std::fabs(days - whole) * MsecsPerDay);
  if (msecs >= MsecsPerDay) {  // rounding reached midnight of the next day
    msecs -= MsecsPerDay;
    whole += days < 0 ? -1.0 : 1.0;
  }
  const QDate date = dayZero().addDays(static_cast<qint64>(whole));
  if (!date.isValid() || date.year() < 1 || date.year() > 9999) return nullText();
  const int hour = static_cast<int>(msecs / 3600000);
  const int minute = static_cast<int>(msecs / 60000 % 60);
  const int second = static_cast<int>(msecs / 1000 % 60);
  return QString::asprintf("%04d/%02d/%02d %02d:%02d:%02d %s", date.year(), date.month(),
                           date.day(), hour % 12 == 0 ? 12 : hour % 12, minute, second,
                           hour < 12 ? "am" : "pm");
}

double bcDateTimeOfText(const QString& text) {
  const QString trimmed = text.trimmed();
  const qsizetype blank = trimmed.indexOf(u' ');
  const QDate date = QDate::fromString(blank < 0 ? trimmed : trimmed.left(blank), u"yyyy/MM/dd");
  if (!date.isValid()) return 0.0;
  QTime time(0, 0);
  if (blank >= 0) {
    const QString clock = trimmed.mid(blank + 1).trimmed();
    time = QTime::fromString(clock, u"hh:mm:ss ap");
    if (!time.isValid()) time = QTime::fromString(clock, u"HH:mm:ss");
    if (!time.isValid()) return 0.0;
  }
  const double days = static_cast<double>(dayZero().daysTo(date));
  const double fraction = time.msecsSinceStartOfDay() / static_cast<double>(MsecsPerDay);
  // Before day zero the fraction still counts forward from midnight: -1.25 is 1899-12-29 06:00.
  return days < 0 ? days - fraction : days + fraction;
}
