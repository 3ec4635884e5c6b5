// MvValue: the value of one varbind, independent of the SNMP library: an ASN.1 type tag with an
// integer, octets or an object identifier. The request engine converts it to and from the
// library's varbinds; value conversion works on it alone, so it is testable without a network.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>
#include <vector>

// The type tags of SNMP values (the ASN.1 tags), and the SNMPv2 exceptions that stand in a
// varbind of an answer instead of a value.
enum class MvValueType : quint8 {
  Integer = 2,
  OctetString = 4,
  Null = 5,
  ObjectId = 6,
  IpAddress = 64,
  Counter32 = 65,
  Gauge32 = 66,
  TimeTicks = 67,
  Opaque = 68,
  Counter64 = 70,
  UInteger32 = 71,
  // The Opaque extension types: a float, double or 64-bit integer wrapped in an Opaque (its
  // contents begin with 0x9F and this tag). `number` holds the value (the IEEE-754 bits of the
  // double for OpaqueFloat and OpaqueDouble), `octets` the Opaque's contents as they came.
  OpaqueCounter64 = 118,
  OpaqueFloat = 120,
  OpaqueDouble = 121,
  OpaqueInt64 = 122,
  OpaqueUInt64 = 123,
  NoSuchObject = 128,
  NoSuchInstance = 129,
  EndOfMibView = 130
};

using MvOid = std::vector<quint32>;

struct MvValue {
  MvValueType type = MvValueType::Null;
  // The number of Integer (two's complement, sign-extended), Counter32, Gauge32, TimeTicks,
  // UInteger32 and Counter64 values.
  quint64 number = 0;
  // The octets of OctetString, Opaque and IpAddress values.
  QByteArray octets;
  // The sub-identifiers of ObjectId values.
  MvOid oid;

  static MvValue null() { return {}; }
  static MvValue integer(qint64 v) {
    return {MvValueType::Integer, static_cast<quint64>(v), {}, {}};
  }
  // t is one of Counter32, Gauge32, TimeTicks, UInteger32, Counter64.
  static MvValue unsignedNumber(MvValueType t, quint64 v) { return {t, v, {}, {}}; }
  // t is one of OctetString, Opaque, IpAddress.
  static MvValue bytes(MvValueType t, QByteArray v) { return {t, 0, std::move(v), {}}; }
  static MvValue objectId(MvOid v) { return {MvValueType::ObjectId, 0, {}, std::move(v)}; }
  static MvValue exception(MvValueType t) { return {t, 0, {}, {}}; }

  qint64 signedNumber() const { return static_cast<qint64>(number); }
  bool isNumber() const;     // one of the six integer types
  bool isOctets() const;     // OctetString, Opaque or IpAddress
  bool isException() const;  // noSuchObject, noSuchInstance, endOfMibView
  bool isOpaqueWrapped() const;  // one of the Opaque extension types
  double floatingNumber() const;  // OpaqueFloat and OpaqueDouble: the value

  bool operator==(const MvValue&) const = default;
};

// Dotted decimal text of an OID ("1.3.6.1"; no leading dot; empty text for an empty OID).
QString oidText(const MvOid& oid);
QString oidText(const MvOid& oid, size_t from);  // the sub-identifiers from position `from` on

// Reads dotted decimal text as an OID. One leading dot is accepted; empty text is the empty OID.
// Nothing when a part is not a decimal number from 0 to 4294967295 (letters, blanks, signs,
// empty parts as in "1..2", a trailing dot).
std::optional<MvOid> parseOid(const QString& text);

// Lexicographic order of sub-identifiers (a prefix comes first): negative, 0 or positive.
int compareOids(const MvOid& a, const MvOid& b);
// True when `prefix` is a leading part of `oid` (or equal to it).
bool isOidPrefix(const MvOid& prefix, const MvOid& oid);
