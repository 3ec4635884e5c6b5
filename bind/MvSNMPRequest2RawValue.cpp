#include "bind/MvSNMPRequest2RawValue.h"

#include <QStringList>
#include <QtEndian>
#include <cstring>

#include "mvsnmp/MvDateTime.h"
#include "mvsnmp/MvError.h"
#include "mvsnmp/MvSNMPVarList.h"
#include "mvsnmp/MvValueConversion.h"

namespace MvSNMPRequest2RawValue {

namespace {

template <typename T>
QByteArray littleEndian(T value) {
  QByteArray bytes(sizeof(T), '\0');
  qToLittleEndian(value, bytes.data());
  return bytes;
}

template <typename T>
T fromLittleEndian(const QByteArray& raw) {
  return qFromLittleEndian<T>(raw.constData());
}

QByteArray networkOrder16(quint16 value) {
  QByteArray bytes(2, '\0');
  qToBigEndian(value, bytes.data());
  return bytes;
}

quint16 fromNetworkOrder16(const QByteArray& raw) {
  return qFromBigEndian<quint16>(raw.constData());
}

QByteArray doubleBytes(double value) {
  QByteArray bytes(sizeof(double), '\0');
  std::memcpy(bytes.data(), &value, sizeof(double));
  return bytes;
}

double doubleOf(const QByteArray& raw) {
  double value = 0;
  std::memcpy(&value, raw.constData(), sizeof(double));
  return value;
}

// The dotted parts of an OID or address text; a leading "." is ignored, each part is read like
// a typed number.
QList<quint32> dottedParts(const QString& text) {
  QString t = text.trimmed();
  if (t.startsWith(QLatin1Char('.'))) t.remove(0, 1);
  QList<quint32> parts;
  if (t.isEmpty()) return parts;
  for (const QString& part : t.split(QLatin1Char('.'))) parts.append(uint32OfText(part));
  return parts;
}

bool isTrue(const QString& text) { return text == QLatin1String("true"); }

}  // namespace

int neededLength(quint32 syntax) {
  switch (syntax) {
    case Syntax::BitStr:
    case Syntax::OctetStr:
    case Syntax::Opaque:
    case Syntax::ObjectId:
    case Syntax::DisplayStr:
    case Syntax::Null:
      return 0;
    case Syntax::Bool8:
    case Syntax::Int8:
    case Syntax::UInt8:
      return 1;
    case Syntax::Bool16:
    case Syntax::Int16:
    case Syntax::UInt16:
      return 2;
    case Syntax::Boolean:
    case Syntax::Integer:
    case Syntax::IpAddress:
    case Syntax::NsapAddr:
    case Syntax::Counter:
    case Syntax::Guage:
    case Syntax::UInteger:
    case Syntax::TimeTicks:
      return 4;
    case Syntax::MacAddress:
      return 6;
    case Syntax::Counter64:
    case Syntax::Double:
    case Syntax::BcDateTime:
      return 8;
    case Syntax::DateTime:
      return MvDateTime::OctetCount;
    case Syntax::Ipv6Address:
      return 16;
    default:
      raiseError(MvCode::BadSyntax);
  }
}

QByteArray toRaw(const QString& text, quint32 syntax) {
  neededLength(syntax);  // unknown codes raise first
  if (text == QLatin1String(NullValueText)) return {};
  switch (syntax) {
    case Syntax::Boolean:
      return littleEndian<qint32>(isTrue(text) ? 1 : 0);
    case Syntax::Bool8:
      return QByteArray(1, isTrue(text) ? '\1' : '\0');
    case Syntax::Bool16:
      return networkOrder16(isTrue(text) ? 1 : 0);
    case Syntax::Integer:
      return littleEndian<qint32>(int32OfText(text));
    case Syntax::Counter:
    case Syntax::Guage:
    case Syntax::UInteger:
      return littleEndian<quint32>(uint32OfText(text));
    case Syntax::Int8:
    case Syntax::UInt8:
      return QByteArray(1, static_cast<char>(readInteger(text) & 0xFF));
    case Syntax::Int16:
    case Syntax::UInt16:
      return networkOrder16(static_cast<quint16>(readInteger(text) & 0xFFFF));
    case Syntax::BitStr:
    case Syntax::OctetStr:
    case Syntax::Opaque:
    case Syntax::MacAddress:
    case Syntax::Ipv6Address:
      return octetsOfHex(text);
    case Syntax::ObjectId: {
      QByteArray raw;
      for (quint32 part : dottedParts(text)) raw += littleEndian<quint32>(part);
      return raw;
    }
    case Syntax::IpAddress:
    case Syntax::NsapAddr: {
      QByteArray raw;
      for (quint32 part : dottedParts(text)) raw += static_cast<char>(part & 0xFF);
      return raw;
    }
    case Syntax::TimeTicks:
      return littleEndian<quint32>(ticksOfText(text));
    case Syntax::Counter64:
      return littleEndian<quint64>(counter64OfText(text));
    case Syntax::Double:
      return doubleBytes(readDouble(text));
    case Syntax::DateTime:
      return MvDateTime(text).toOctets();
    case Syntax::BcDateTime:
      return doubleBytes(bcDateTimeOfText(text));
    case Syntax::DisplayStr:
      return text.toLatin1();
    default:  // null
      return {};
  }
}

QString toText(const QByteArray& raw, quint32 syntax) {
  const int needed = neededLength(syntax);
  if (raw.isEmpty())
    return syntax == Syntax::DisplayStr ? QString() : QString::fromLatin1(NullValueText);
  if (raw.size() < needed) raiseError(-518);
  switch (syntax) {
    case Syntax::Boolean:
      return fromLittleEndian<qint32>(raw) != 0 ? QStringLiteral("true") : QStringLiteral("false");
    case Syntax::Bool8:
      return raw.at(0) != 0 ? QStringLiteral("true") : QStringLiteral("false");
    case Syntax::Bool16:
      return fromNetworkOrder16(raw) != 0 ? QStringLiteral("true") : QStringLiteral("false");
    case Syntax::Integer:
      return QString::number(fromLittleEndian<qint32>(raw));
    case Syntax::Counter:
    case Syntax::Guage:
    case Syntax::UInteger:
      return QString::number(fromLittleEndian<quint32>(raw));
    case Syntax::Int8:
      return QString::number(static_cast<qint8>(raw.at(0)));
    case Syntax::UInt8:
      return QString::number(static_cast<quint8>(raw.at(0)));
    case Syntax::Int16:
    case Syntax::UInt16:
      return QString::number(fromNetworkOrder16(raw));
    case Syntax::IpAddress:
    case Syntax::NsapAddr:
      return QStringLiteral("%1.%2.%3.%4")
          .arg(static_cast<quint8>(raw.at(0)))
          .arg(static_cast<quint8>(raw.at(1)))
          .arg(static_cast<quint8>(raw.at(2)))
          .arg(static_cast<quint8>(raw.at(3)));
    case Syntax::ObjectId: {
      QStringList parts;
      for (int i = 0; i + 4 <= raw.size(); i += 4)
        parts.append(QString::number(qFromLittleEndian<quint32>(raw.constData() + i)));
      return parts.join(QLatin1Char('.'));
    }
    case Syntax::BitStr:
    case Syntax::OctetStr:
    case Syntax::Opaque:
    case Syntax::MacAddress:
    case Syntax::Ipv6Address:
      return hexText(raw);
    case Syntax::TimeTicks:
      return ticksText(fromLittleEndian<quint32>(raw));
    case Syntax::Counter64:
      return QString::number(fromLittleEndian<quint64>(raw));
    case Syntax::Double:
      return doubleText(doubleOf(raw));
    case Syntax::DateTime:
      return MvDateTime::fromOctets(raw)->toText();
    case Syntax::BcDateTime:
      return bcDateTimeText(doubleOf(raw));
    case Syntax::DisplayStr:
      return QString::fromLatin1(raw);
    default:  // null
      return QString::fromLatin1(NullValueText);
  }
}

QByteArray cut(const QByteArray& raw, int offset, quint32 syntax) {
  const int needed = neededLength(syntax);
  if (raw.isEmpty() || syntax == Syntax::Null) return {};
  if (needed == 0) return offset < raw.size() ? raw.mid(offset) : QByteArray();
  if (offset < 0 || raw.size() < offset + needed) raiseError(-519);
  return raw.mid(offset, needed);
}

void patch(QByteArray& raw, int offset, const QByteArray& piece) {
  if (raw.size() < offset + piece.size()) raw.append(offset + piece.size() - raw.size(), '\0');
  std::memcpy(raw.data() + offset, piece.constData(), static_cast<size_t>(piece.size()));
}

bool bit(const QByteArray& raw, quint32 bit) {
  const quint32 octet = bit / 8;
  return octet < static_cast<quint32>(raw.size()) && (static_cast<quint8>(raw.at(octet)) & (0x80u >> (bit % 8)));
}

void setBit(QByteArray& raw, quint32 bit, bool on) {
  const auto octet = static_cast<qsizetype>(bit / 8);
  if (raw.size() <= octet) raw.append(octet + 1 - raw.size(), '\0');
  const auto mask = static_cast<quint8>(0x80u >> (bit % 8));
  const auto old = static_cast<quint8>(raw.at(octet));
  raw[octet] = static_cast<char>(on ? old | mask : old & ~mask);
}

}  // namespace MvSNMPRequest2RawValue
