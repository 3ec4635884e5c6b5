#include "mvsnmp/MvAnswerCheck.h"

#include <QStringList>
#include <cstring>

namespace {

const char* exceptionName(MvValueType t) {
  switch (t) {
    case MvValueType::NoSuchObject:
      return "noSuchObject";
    case MvValueType::NoSuchInstance:
      return "noSuchInstance";
    default:
      return "endOfMibView";
  }
}

// ---- BER reading ------------------------------------------------------------------------------

struct Tlv {
  quint8 tag = 0;
  QByteArrayView content;  // points into the message: reading allocates nothing
};

// Reads one TLV (single-octet tag, definite length) at pos; nothing when the bytes end early.
std::optional<Tlv> readTlv(QByteArrayView b, qsizetype& pos) {
  if (pos + 2 > b.size()) return std::nullopt;
  Tlv t;
  t.tag = static_cast<quint8>(b[pos++]);
  quint64 len = static_cast<quint8>(b[pos++]);
  if (len & 0x80) {
    const int n = static_cast<int>(len & 0x7F);
    if (n == 0 || n > 4) return std::nullopt;
    len = 0;
    for (int k = 0; k < n; ++k) {
      if (pos >= b.size()) return std::nullopt;
      len = (len << 8) | static_cast<quint8>(b[pos++]);
    }
  }
  if (len > static_cast<quint64>(b.size() - pos)) return std::nullopt;
  t.content = b.sliced(pos, static_cast<qsizetype>(len));
  pos += static_cast<qsizetype>(len);
  return t;
}

// A two's-complement INTEGER of up to 8 octets.
std::optional<qint64> signedOf(QByteArrayView c) {
  if (c.isEmpty() || c.size() > 8) return std::nullopt;
  qint64 v = (static_cast<quint8>(c[0]) & 0x80) ? -1 : 0;
  for (char o : c) v = static_cast<qint64>((static_cast<quint64>(v) << 8) | static_cast<quint8>(o));
  return v;
}

// A non-negative number of unsigned type: at most `bits` bits, one leading zero octet allowed.
QString unsignedProblem(QByteArrayView c, int bits, const char* type) {
  if (c.isEmpty()) return QStringLiteral("a %1 without octets").arg(QLatin1String(type));
  if (static_cast<quint8>(c[0]) & 0x80) return QStringLiteral("a negative %1").arg(QLatin1String(type));
  qsizetype first = 0;
  while (first < c.size() - 1 && c[first] == 0) ++first;
  const qsizetype octets = c.size() - first;
  if (octets * 8 > bits)
    return QStringLiteral("a %1 of %2 octets, beyond its range").arg(QLatin1String(type)).arg(c.size());
  return {};
}

QString oidProblem(QByteArrayView c) {
  if (c.isEmpty()) return QStringLiteral("an OBJECT IDENTIFIER of fewer than two arcs");
  if (static_cast<quint8>(c.back()) & 0x80)
    return QStringLiteral("an OBJECT IDENTIFIER whose last arc is cut short");
  quint64 arc = 0;
  for (char o : c) {
    arc = (arc << 7) | (static_cast<quint8>(o) & 0x7F);
    if (arc > 0xFFFFFFFFull + 80) return QStringLiteral("an OBJECT IDENTIFIER with an arc beyond 32 bits");
    if (!(static_cast<quint8>(o) & 0x80)) arc = 0;
  }
  return {};
}

QString opaqueProblem(QByteArrayView c) {
  if (c.size() < 2 || static_cast<quint8>(c[0]) != 0x9F) return {};
  const quint8 inner = static_cast<quint8>(c[1]);
  if (inner != 0x76 && (inner < 0x78 || inner > 0x7B)) return {};
  qsizetype pos = 1;
  const std::optional<Tlv> t = readTlv(c, pos);
  if (!t || pos != c.size()) return QStringLiteral("an Opaque whose wrapped value is cut short");
  switch (inner) {
    case 0x78:
      if (t->content.size() != 4) return QStringLiteral("an Opaque float of %1 octets").arg(t->content.size());
      return {};
    case 0x79:
      if (t->content.size() != 8) return QStringLiteral("an Opaque double of %1 octets").arg(t->content.size());
      return {};
    case 0x7A:
      if (!signedOf(t->content)) return QStringLiteral("an Opaque Integer64 of %1 octets").arg(t->content.size());
      return {};
    default:
      return unsignedProblem(t->content, 64, inner == 0x76 ? "Opaque Counter64" : "Opaque Unsigned64");
  }
}

// What is wrong with one encoded value (empty: nothing).
QString valueProblem(quint8 tag, QByteArrayView c) {
  switch (tag) {
    case 0x02: {  // INTEGER (Integer32)
      const std::optional<qint64> v = signedOf(c);
      if (!v || *v < -2147483648LL || *v > 2147483647LL)
        return QStringLiteral("an INTEGER of %1 octets, beyond its range").arg(c.size());
      return {};
    }
    case 0x05:
      return c.isEmpty() ? QString() : QStringLiteral("a NULL with contents");
    case 0x06:
      return oidProblem(c);
    case 0x40:
      return c.size() == 4 ? QString() : QStringLiteral("an IpAddress of %1 octets").arg(c.size());
    case 0x41:
      return unsignedProblem(c, 32, "Counter32");
    case 0x42:
      return unsignedProblem(c, 32, "Gauge32");
    case 0x43:
      return unsignedProblem(c, 32, "TimeTicks");
    case 0x44:
      return opaqueProblem(c);
    case 0x46:
      return unsignedProblem(c, 64, "Counter64");
    case 0x47:
      return unsignedProblem(c, 32, "Unsigned32");
    case 0x80:
    case 0x81:
    case 0x82:
      return c.isEmpty() ? QString() : QStringLiteral("an exception with contents");
    default:
      return {};
  }
}

// Dotted text of an encoded OID, for naming the varbind (best effort).
QString dottedOf(QByteArrayView c) {
  QStringList arcs;
  quint64 arc = 0;
  for (char o : c) {
    arc = (arc << 7) | (static_cast<quint8>(o) & 0x7F);
    if (static_cast<quint8>(o) & 0x80) continue;
    if (arcs.isEmpty()) {
      arcs << QString::number(arc < 80 ? arc / 40 : 2) << QString::number(arc < 80 ? arc % 40 : arc - 80);
    } else {
      arcs << QString::number(arc);
    }
    arc = 0;
  }
  return arcs.join(u'.');
}

// The PDU: [tag] { request-id, error-status, error-index, SEQUENCE OF { name, value } }.
std::optional<MvWireFinding> checkPdu(const Tlv& pdu) {
  qsizetype pos = 0;
  const std::optional<Tlv> reqid = readTlv(pdu.content, pos);
  if (!reqid || reqid->tag != 0x02) return std::nullopt;
  const std::optional<qint64> id = signedOf(reqid->content);
  if (!id) return std::nullopt;
  MvWireFinding f;
  f.requestId = *id;
  for (int skip = 0; skip < 2; ++skip)
    if (!readTlv(pdu.content, pos)) return std::nullopt;
  const std::optional<Tlv> list = readTlv(pdu.content, pos);
  if (!list || list->tag != 0x30) return std::nullopt;
  for (qsizetype at = 0; at < list->content.size();) {
    const std::optional<Tlv> vb = readTlv(list->content, at);
    if (!vb || vb->tag != 0x30) return std::nullopt;
    qsizetype in = 0;
    const std::optional<Tlv> name = readTlv(vb->content, in);
    const std::optional<Tlv> value = readTlv(vb->content, in);
    if (!name || !value || name->tag != 0x06) return std::nullopt;
    const QString problem = valueProblem(value->tag, value->content);
    if (!problem.isEmpty()) {
      f.problem = QStringLiteral("(the agent answered %1 with %2)").arg(dottedOf(name->content), problem);
      return f;
    }
  }
  return f;
}

// The PDU after the two leading fields of a SEQUENCE (version and community, or the context
// engine ID and name).
std::optional<MvWireFinding> checkAfterTwo(QByteArrayView bytes) {
  qsizetype pos = 0;
  const std::optional<Tlv> seq = readTlv(bytes, pos);
  if (!seq || seq->tag != 0x30) return std::nullopt;
  qsizetype in = 0;
  for (int skip = 0; skip < 2; ++skip)
    if (!readTlv(seq->content, in)) return std::nullopt;
  const std::optional<Tlv> pdu = readTlv(seq->content, in);
  if (!pdu) return std::nullopt;
  return checkPdu(*pdu);
}

}  // namespace

QString answerMisfit(MvPduKind kind, int version, const std::vector<MvVarBind>& asked,
                     const std::vector<MvVarBind>& answered) {
  const bool echoes = kind == MvPduKind::Get || kind == MvPduKind::Set;
  for (size_t k = 0; k < answered.size(); ++k) {
    const MvVarBind& vb = answered[k];
    if (echoes && k < asked.size() && vb.oid != asked[k].oid)
      return QStringLiteral("(the agent answered %1 where %2 was asked)")
          .arg(oidText(vb.oid), oidText(asked[k].oid));
    if (vb.value.isException() && version == 0)
      return QStringLiteral("(an SNMPv1 answer carries %1 for %2, which SNMPv1 does not have)")
          .arg(QLatin1String(exceptionName(vb.value.type)), oidText(vb.oid));
    if (vb.value.isException() && kind == MvPduKind::Set)
      return QStringLiteral("(the agent answered the set of %1 with %2: nothing was written)")
          .arg(oidText(vb.oid), QLatin1String(exceptionName(vb.value.type)));
    if (vb.value.type == MvValueType::ObjectId && vb.value.oid.size() < 2)
      return QStringLiteral("(the agent answered %1 with an OBJECT IDENTIFIER of fewer than two arcs)")
          .arg(oidText(vb.oid));
  }
  return {};
}

std::optional<MvWireFinding> checkWireMessage(const QByteArray& message) {
  // An SNMPv3 message holds its PDU in the scoped PDU, checked once the USM has opened it.
  qsizetype pos = 0;
  const std::optional<Tlv> seq = readTlv(message, pos);
  if (!seq || seq->tag != 0x30) return std::nullopt;
  qsizetype in = 0;
  const std::optional<Tlv> version = readTlv(seq->content, in);
  if (!version || version->tag != 0x02 || signedOf(version->content) == 3) return std::nullopt;
  return checkAfterTwo(message);
}

std::optional<MvWireFinding> checkWireScopedPdu(const QByteArray& scopedPdu) {
  return checkAfterTwo(scopedPdu);
}

std::optional<MvValue> unwrapOpaque(const QByteArray& contents) {
  if (!opaqueProblem(contents).isEmpty() || contents.size() < 3 || static_cast<quint8>(contents[0]) != 0x9F)
    return std::nullopt;
  const quint8 inner = static_cast<quint8>(contents[1]);
  qsizetype pos = 1;
  const std::optional<Tlv> t = readTlv(contents, pos);
  if (!t) return std::nullopt;
  MvValue v;
  v.octets = contents;
  QByteArrayView c = t->content;
  quint64 bits = 0;
  for (char o : c) bits = (bits << 8) | static_cast<quint8>(o);
  switch (inner) {
    case 0x78: {
      const quint32 b32 = static_cast<quint32>(bits);
      float f;
      std::memcpy(&f, &b32, sizeof f);
      const double d = f;
      std::memcpy(&v.number, &d, sizeof d);
      v.type = MvValueType::OpaqueFloat;
      return v;
    }
    case 0x79:
      v.number = bits;
      v.type = MvValueType::OpaqueDouble;
      return v;
    case 0x7A:
      v.number = static_cast<quint64>(*signedOf(c));
      v.type = MvValueType::OpaqueInt64;
      return v;
    case 0x7B:
      v.number = bits;
      v.type = MvValueType::OpaqueUInt64;
      return v;
    case 0x76:
      v.number = bits;
      v.type = MvValueType::OpaqueCounter64;
      return v;
    default:
      return std::nullopt;
  }
}

QByteArray opaqueContents(const MvValue& v) {
  QByteArray c;
  quint8 inner = 0;
  switch (v.type) {
    case MvValueType::OpaqueFloat: {
      const float f = static_cast<float>(v.floatingNumber());
      quint32 bits;
      std::memcpy(&bits, &f, sizeof bits);
      for (int k = 3; k >= 0; --k) c.append(static_cast<char>((bits >> (8 * k)) & 0xFF));
      inner = 0x78;
      break;
    }
    case MvValueType::OpaqueDouble:
      for (int k = 7; k >= 0; --k) c.append(static_cast<char>((v.number >> (8 * k)) & 0xFF));
      inner = 0x79;
      break;
    case MvValueType::OpaqueInt64:
    case MvValueType::OpaqueUInt64:
    case MvValueType::OpaqueCounter64: {
      const bool isSigned = v.type == MvValueType::OpaqueInt64;
      for (int k = 7; k >= 0; --k) c.append(static_cast<char>((v.number >> (8 * k)) & 0xFF));
      // The shortest form: leading octets that only repeat the sign go.
      while (c.size() > 1 && ((c[0] == 0 && !(c[1] & 0x80)) ||
                              (isSigned && c[0] == '\xFF' && (c[1] & 0x80))))
        c.remove(0, 1);
      if (!isSigned && (c[0] & 0x80)) c.prepend('\0');
      inner = v.type == MvValueType::OpaqueInt64 ? 0x7A : v.type == MvValueType::OpaqueUInt64 ? 0x7B : 0x76;
      break;
    }
    default:
      return v.octets;
  }
  QByteArray out;
  out.append('\x9F');
  out.append(static_cast<char>(inner));
  out.append(static_cast<char>(c.size()));
  return out + c;
}
