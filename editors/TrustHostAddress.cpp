#include "editors/TrustHostAddress.h"

namespace TrustHostAddress {

namespace {

const QString kInvalid = QStringLiteral("Please input a valid ip");
const QString kInvalidDot = QStringLiteral("Please input a valid IP");
constexpr int kExamined = 15;

}  // namespace

QString plausibilityError(const QString& text) {
  if (text == u"255.255.255.255" || text == u"0.0.0.0") return QStringLiteral("you can't input this ip address");
  if (text.startsWith(u"127")) return QStringLiteral("you can't input ip address like 127.*.*.*");
  const qsizetype dot = text.indexOf(u'.');
  if (dot < 0) return kInvalid;
  bool number = false;
  const int first = text.left(dot).toInt(&number);
  if (!number) return kInvalid;
  if (first >= 223 && first <= 247) return kInvalid;
  return {};
}

QString syntaxError(const QString& text) {
  const QString t = text.left(kExamined);
  QString octet;
  int dots = 0;
  // A value of 0 passes only when written without "00". The length rule holds for the octets
  // that a "." closes; the last one is judged by its value alone ("1.2.3.0255" passes).
  const auto badValue = [](const QString& o) {
    const int v = o.toInt();
    return v > 255 || (v == 0 && o.contains(u"00"));
  };
  const auto badOctet = [&badValue](const QString& o) { return o.size() >= 4 || badValue(o); };
  for (qsizetype i = 0; i < t.size(); ++i) {
    const QChar c = t.at(i);
    if (c.isDigit() && c.unicode() < 128) {
      octet += c;
    } else if (c == u'.') {
      if (i == 0 || i + 1 >= t.size() || !t.at(i + 1).isDigit()) return kInvalidDot;
      ++dots;
      if (badOctet(octet)) return kInvalid;
      octet.clear();
    } else {
      return kInvalid;
    }
  }
  if (octet.isEmpty() || badValue(octet)) return kInvalid;
  return dots == 3 ? QString() : kInvalid;
}

}  // namespace TrustHostAddress
