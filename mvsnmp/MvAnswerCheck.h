// Whether an agent's answer fits the request it answers: the variable bindings a get or set
// must echo, the exceptions SNMPv1 and sets never carry, and the encoding of every value as it
// came over the wire (a library that reads a five-octet Counter32 or a negative Gauge32 keeps
// quiet about it, so the octets are checked here, before its reading is trusted).
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "mvsnmp/MvSnmpTransport.h"

// Empty when the answered varbinds fit the asked ones, else what is wrong, in parentheses, for
// the error text: a get or set must answer the asked OIDs in their order; a set never answers
// with noSuchObject, noSuchInstance or endOfMibView (nothing was written); an SNMPv1 answer
// (version code 0) never carries them at all; an OID value has at least two arcs. The count of
// varbinds is the caller's check.
QString answerMisfit(MvPduKind kind, int version, const std::vector<MvVarBind>& asked,
                     const std::vector<MvVarBind>& answered);

// What the wire check found in one received PDU.
struct MvWireFinding {
  qint64 requestId = 0;
  QString problem;  // empty: every value is well formed
};

// Checks an SNMPv1/v2c message (SEQUENCE { version, community, PDU }) or an SNMPv3 scoped PDU
// (SEQUENCE { contextEngineID, contextName, PDU }). Nothing when the bytes are not such a
// message (the library then refuses them itself). A value is malformed when its encoding leaves
// the range of its type: INTEGER beyond 32 bits, Counter32, Gauge32, TimeTicks and Unsigned32
// negative or beyond 32 bits, Counter64 negative or beyond 64 bits, an empty encoding of a
// number, an OBJECT IDENTIFIER without its two first arcs or with an arc cut short, an IpAddress
// of other than 4 octets, a NULL or exception with contents, and an Opaque-wrapped float, double
// or 64-bit integer whose contents do not fit it.
std::optional<MvWireFinding> checkWireMessage(const QByteArray& message);
std::optional<MvWireFinding> checkWireScopedPdu(const QByteArray& scopedPdu);

// The value an Opaque wraps (the float, double and 64-bit integer extensions: tag 0x9F with
// 0x78, 0x79, 0x7A, 0x7B or 0x76); nothing for other contents, which stay octets.
std::optional<MvValue> unwrapOpaque(const QByteArray& contents);
// The contents of the Opaque that carries one of the Opaque extension values.
QByteArray opaqueContents(const MvValue& v);
