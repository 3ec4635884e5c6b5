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

namespace {

// Writes the decimal digits of `arc` backwards, ending just before `end`; returns where they start.
template <typename Char>
Char* digitsBefore(Char* end, quint32 arc) {
  do {
    *--end = static_cast<Char>('0' + arc % 10);
    arc /= 10;
  } while (arc != 0);
  return end;
}

// Dotted text of oid[from..] into `out`, which holds at least 11 characters per arc.
template <typename Char>
size_t writeOidText(Char* out, const MvOid& oid, size_t from) {
  Char* p = out;
  for (size_t k = from; k < oid.size(); ++k) {
    if (k > from) *p++ = static_cast<Char>('.');
    Char digits[10];
    Char* first = digitsBefore(digits + 10, oid[k]);
    p = std::copy(first, digits + 10, p);
  }
  return static_cast<size_t>(p - out);
}

}  // namespace

QString oidText(const MvOid& oid, size_t from) {
  QString text;
  if (from >= oid.size()) return text;
  text.resize(static_cast<qsizetype>((oid.size() - from) * 11));
  text.resize(static_cast<qsizetype>(writeOidText(text.data(), oid, from)));
  return text;
}

QString oidText(const MvOid& oid) {
  return oidText(oid, 0);
}

void setOidText(QString& text, const MvOid& oid) {
  char16_t buffer[MvOid::kInline * 11];
  if (oid.size() > MvOid::kInline) {
    text = oidText(oid);
    return;
  }
  const size_t n = writeOidText(buffer, oid, 0);
  // Equal text: nothing to write (a column that stays where it was).
  if (text.size() == static_cast<qsizetype>(n) &&
      std::equal(buffer, buffer + n, reinterpret_cast<const char16_t*>(text.constData())))
    return;
  text.resize(static_cast<qsizetype>(n));  // keeps the buffer when it is the text's own
  std::copy(buffer, buffer + n, reinterpret_cast<char16_t*>(text.data()));
}

void appendOidText(std::string& out, const MvOid& oid) {
  const size_t at = out.size();
  out.resize(at + oid.size() * 11);
  out.resize(at + writeOidText(out.data() + at, oid, 0));
}

std::optional<MvOid> parseOid(const QString& text) {
  MvOid oid;
  const QChar* p = text.constData();
  const QChar* end = p + text.size();
  if (p != end && *p == u'.') ++p;
  if (p == end) return oid;
  for (;;) {
    const QChar* first = p;
    quint64 value = 0;
    while (p != end && *p >= u'0' && *p <= u'9') {
      value = value * 10 + static_cast<quint64>(p->unicode() - u'0');
      if (value > 0xFFFFFFFFu) return std::nullopt;
      ++p;
    }
    if (p == first || p - first > 10) return std::nullopt;
    oid.push_back(static_cast<quint32>(value));
    if (p == end) return oid;
    if (*p != u'.') return std::nullopt;
    ++p;
    if (p == end) return std::nullopt;  // a trailing dot
  }
}

int compareOids(const MvOid& a, const MvOid& b) {
  const auto order = std::lexicographical_compare_three_way(a.begin(), a.end(), b.begin(), b.end());
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

bool isOidPrefix(const MvOid& prefix, const MvOid& oid) {
  return prefix.size() <= oid.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}
