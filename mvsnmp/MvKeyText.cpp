#include "mvsnmp/MvKeyText.h"

#include <QStringList>
#include <limits>

#include "mvsnmp/MvSNMPVarList.h"
#include "mvsnmp/MvValueConversion.h"

namespace {

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

bool isHexDigit(QChar c) {
  return isAsciiDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

bool allHex(QStringView t) {
  for (const QChar c : t)
    if (!isHexDigit(c)) return false;
  return true;
}

bool isNumberSyntax(quint32 syntax) {
  return syntax == Syntax::Integer || syntax == Syntax::Counter || syntax == Syntax::Guage ||
         syntax == Syntax::UInteger;
}

// The syntax's own bounds of a number.
std::pair<qint64, qint64> syntaxBounds(quint32 syntax) {
  if (syntax == Syntax::Integer)
    return {std::numeric_limits<qint32>::lowest(), std::numeric_limits<qint32>::max()};
  return {0, 0xFFFFFFFFLL};
}

std::pair<qint64, qint64> boundsOf(const MvKeyRule& rule) {
  const auto own = syntaxBounds(rule.syntax);
  if (rule.minimum > rule.maximum) return own;
  return {std::max(rule.minimum, own.first), std::min(rule.maximum, own.second)};
}

}  // namespace

MvKeyRule MvKeyRule::number(quint32 syntax, qint64 minimum, qint64 maximum) {
  MvKeyRule r;
  r.syntax = syntax;
  r.minimum = minimum;
  r.maximum = maximum;
  return r;
}

MvKeyRule MvKeyRule::text(int minLength, int maxLength) {
  MvKeyRule r;
  r.syntax = Syntax::DisplayStr;
  r.minLength = minLength;
  r.maxLength = maxLength;
  return r;
}

MvKeyRule MvKeyRule::of(quint32 syntax) {
  MvKeyRule r;
  r.syntax = syntax;
  return r;
}

namespace MvKeyText {

std::optional<QString> macAddress(const QString& typed) {
  const QString t = typed.trimmed();
  QString digits;
  if (t.size() == 12 && allHex(t)) {
    digits = t;
  } else if (t.count(u'.') == 2 && !t.contains(u':') && !t.contains(u'-')) {
    // Three groups of four digits, as some switches print them.
    for (const QString& group : t.split(u'.')) {
      if (group.size() != 4 || !allHex(group)) return std::nullopt;
      digits += group;
    }
  } else {
    const QChar separator = t.contains(u':') ? u':' : u'-';
    const QStringList groups = t.split(separator);
    if (groups.size() != 6) return std::nullopt;
    for (const QString& group : groups) {
      if (group.isEmpty() || group.size() > 2 || !allHex(group)) return std::nullopt;
      digits += group.rightJustified(2, u'0');
    }
  }
  return digits.toUpper();
}

std::optional<QString> ipv4Address(const QString& typed) {
  const QStringList parts = typed.trimmed().split(u'.');
  if (parts.size() != 4) return std::nullopt;
  QStringList numbers;
  for (const QString& part : parts) {
    const std::optional<QString> n = number(part, 0, 255);
    if (!n || part.trimmed() != part || part.startsWith(u'+')) return std::nullopt;
    numbers << *n;
  }
  return numbers.join(u'.');
}

std::optional<QString> number(const QString& typed, qint64 minimum, qint64 maximum) {
  QStringView t = QStringView(typed).trimmed();
  bool negative = false;
  if (t.startsWith(u'-') || t.startsWith(u'+')) {
    negative = t.front() == u'-';
    t = t.mid(1);
  }
  // At most 18 digits keeps the value inside 64 bits; leading zeros count as digits too.
  if (t.isEmpty() || t.size() > 18) return std::nullopt;
  qint64 value = 0;
  for (const QChar c : t) {
    if (!isAsciiDigit(c)) return std::nullopt;
    value = value * 10 + (c.unicode() - u'0');
  }
  if (negative) value = -value;
  if (value < minimum || value > maximum) return std::nullopt;
  return QString::number(value);
}

std::optional<QString> read(const MvKeyRule& rule, const QString& typed) {
  if (isNumberSyntax(rule.syntax)) {
    const auto [low, high] = boundsOf(rule);
    return number(typed, low, high);
  }
  switch (rule.syntax) {
    case Syntax::MacAddress:
      return macAddress(typed);
    case Syntax::IpAddress:
      return ipv4Address(typed);
    case Syntax::DisplayStr:
      if (typed.size() < rule.minLength || (rule.maxLength >= 0 && typed.size() > rule.maxLength))
        return std::nullopt;
      for (const QChar c : typed)
        if (c.unicode() > 0xFF) return std::nullopt;
      return typed;
    default:
      if (!isValueSyntax(rule.syntax) || !valueOfText(rule.syntax, typed)) return std::nullopt;
      return typed.trimmed();
  }
}

QString expected(const MvKeyRule& rule) {
  if (isNumberSyntax(rule.syntax)) {
    const auto [low, high] = boundsOf(rule);
    return QStringLiteral("a whole number from %1 to %2").arg(low).arg(high);
  }
  switch (rule.syntax) {
    case Syntax::MacAddress:
      return QStringLiteral("a MAC address of 12 hexadecimal digits (separated by \":\", \"-\" or \".\" "
                            "or not at all)");
    case Syntax::IpAddress:
      return QStringLiteral("an IPv4 address of four numbers from 0 to 255 separated by dots");
    case Syntax::DisplayStr: {
      QString size;
      if (rule.maxLength >= 0 && rule.minLength > 0)
        size = QStringLiteral("%1 to %2 characters").arg(rule.minLength).arg(rule.maxLength);
      else if (rule.maxLength >= 0)
        size = QStringLiteral("at most %1 characters").arg(rule.maxLength);
      else if (rule.minLength > 0)
        size = QStringLiteral("at least %1 characters").arg(rule.minLength);
      return size.isEmpty() ? QStringLiteral("text of characters U+0000 to U+00FF")
                            : QStringLiteral("text of %1 (U+0000 to U+00FF)").arg(size);
    }
    default: {
      const char* keyword = syntaxKeyword(rule.syntax);
      return QStringLiteral("a valid %1 value").arg(QLatin1String(keyword ? keyword : "typed"));
    }
  }
}

QString refusal(const QString& field, const QString& typed, const MvKeyRule& rule) {
  return QStringLiteral("%1 \"%2\" is not %3.").arg(field, typed, expected(rule));
}

}  // namespace MvKeyText
