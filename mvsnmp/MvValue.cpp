#include "mvsnmp/MvValue.h"

#include <QList>
#include <algorithm>
#include <cstring>

bool MvValue::isNumber() const {
  switch (type) {
    case MvValueType::Integer:
    case MvValueType::Counter32:
    case MvValueType::Gauge32:
    case MvValueType::TimeTicks:
    case MvValueType::UInteger32:
    case MvValueType::Counter64:
      return true;
    default:
      return false;
  }
}

bool MvValue::isOctets() const {
  return type == MvValueType::OctetString || type == MvValueType::Opaque ||
         type == MvValueType::IpAddress;
}

bool MvValue::isException() const {
  return type == MvValueType::NoSuchObject || type == MvValueType::NoSuchInstance ||
         type == MvValueType::EndOfMibView;
}

bool MvValue::isOpaqueWrapped() const {
  switch (type) {
    case MvValueType::OpaqueCounter64:
    case MvValueType::OpaqueFloat:
    case MvValueType::OpaqueDouble:
    case MvValueType::OpaqueInt64:
    case MvValueType::OpaqueUInt64:
      return true;
    default:
      return false;
  }
}

double MvValue::floatingNumber() const {
  double x;
  std::memcpy(&x, &number, sizeof x);
  return x;
}

QString oidText(const MvOid& oid, size_t from) {
  QString text;
  for (size_t k = from; k < oid.size(); ++k) {
    if (k > from) text += u'.';
    text += QString::number(oid[k]);
  }
  return text;
}

QString oidText(const MvOid& oid) {
  return oidText(oid, 0);
}

std::optional<MvOid> parseOid(const QString& text) {
  MvOid oid;
  QStringView rest(text);
  if (rest.startsWith(u'.')) rest = rest.mid(1);
  if (rest.isEmpty()) return oid;
  for (const QStringView part : rest.split(u'.')) {
    if (part.isEmpty() || part.size() > 10) return std::nullopt;
    quint64 value = 0;
    for (const QChar c : part) {
      if (c < u'0' || c > u'9') return std::nullopt;
      value = value * 10 + static_cast<quint64>(c.unicode() - u'0');
    }
    if (value > 0xFFFFFFFFu) return std::nullopt;
    oid.push_back(static_cast<quint32>(value));
  }
  return oid;
}

int compareOids(const MvOid& a, const MvOid& b) {
  const auto order = std::lexicographical_compare_three_way(a.begin(), a.end(), b.begin(), b.end());
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

bool isOidPrefix(const MvOid& prefix, const MvOid& oid) {
  return prefix.size() <= oid.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}
