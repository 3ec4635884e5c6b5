// The Net-SNMP adapter: library start-up, one cached single-session handle per target, PDUs built
// from and answers turned into the layer's own types, and the mapping of every library outcome
// onto the status numbering of translateStatus. The only unit that includes Net-SNMP headers.
// clang-format off
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/keytools.h>
#include <net-snmp/library/snmpusm.h>
#include <net-snmp/library/transform_oids.h>
// clang-format on

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QHash>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <poll.h>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>

#include "mvsnmp/MvAnswerCheck.h"
#include "mvsnmp/MvError.h"
#include "mvsnmp/MvSecrets.h"
#include "mvsnmp/MvSnmpSession.h"
#include "mvsnmp/MvSnmpTransport.h"

namespace {

// ---- status mapping -------------------------------------------------------------------------
//
// | outcome seen from Net-SNMP                                  | status | code |
// |-------------------------------------------------------------|--------|------|
// | RESPONSE, error status 0                                     | 0      | 0    |
// | RESPONSE, error status n (1..18, tooBig .. inconsistentName) | n      | -100-n |
// | op TIMED_OUT, STAT_TIMEOUT, SNMPERR_TIMEOUT                  | -5     | -405 |
// | REPORT usmStatsUnsupportedSecLevels / SNMPERR -34, -44       | 1403   | -303 |
// | REPORT usmStatsNotInTimeWindows / SNMPERR -36, -49           | 1411   | -311 |
// | REPORT usmStatsUnknownUserNames / SNMPERR -33, -43           | 1404   | -304 |
// | REPORT usmStatsUnknownEngineIDs / SNMPERR -32, -48           | 1410   | -310 |
// | REPORT usmStatsWrongDigests / SNMPERR -35, -46               | 1408   | -308 |
// | REPORT usmStatsDecryptionErrors / SNMPERR -37, -50           | 1406   | -306 |
// | SNMPERR_USM_ENCRYPTIONERROR -45                              | 1405   | -305 |
// | SNMPERR_USM_PARSEERROR -47                                   | 1409   | -309 |
// | SNMPERR_USM_GENERICERROR -42                                 | 1401   | -301 |
// | REPORT snmpUnavailableContexts                               | -1416  | -215 |
// | REPORT snmpUnknownContexts                                   | -1417  | -216 |
// | any other REPORT                                             | -1418  | -217 |
// | SNMPERR_TOO_LONG (request does not fit a message)            | 1      | -101 |
// | SNMPERR_BAD_SENDTO, SNMPERR_BAD_RECVFROM                      | -22    | -422 |
// | answer of an unexpected PDU type, or a varbind count that    | -11    | -411 |
// |   differs from the request's (a get-bulk: none, or more than |        |      |
// |   asked for), or that does not fit the request (answerMisfit)|        |      |
// | a value whose encoding leaves its type's range (the wire     | -11    | -411, the OID named |
// |   check), also when the library could not read the answer   |        |      |
// | RESPONSE with an error status outside 0..18                  | -11    | -411, the value named |
// | SNMPERR_BAD_ADDRESS at open                                  | raised as -509 |
// | any other library error                                      | -1     | -401 |
int statusOfLibraryError(int err) {
  switch (err) {
    case SNMPERR_SUCCESS:
      return 0;
    case SNMPERR_TIMEOUT:
      return -5;
    case SNMPERR_UNSUPPORTED_SEC_LEVEL:
    case SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL:
      return 1403;
    case SNMPERR_NOT_IN_TIME_WINDOW:
    case SNMPERR_USM_NOTINTIMEWINDOW:
      return 1411;
    case SNMPERR_UNKNOWN_USER_NAME:
    case SNMPERR_USM_UNKNOWNSECURITYNAME:
      return 1404;
    case SNMPERR_UNKNOWN_ENG_ID:
    case SNMPERR_USM_UNKNOWNENGINEID:
      return 1410;
    case SNMPERR_AUTHENTICATION_FAILURE:
    case SNMPERR_USM_AUTHENTICATIONFAILURE:
      return 1408;
    case SNMPERR_DECRYPTION_ERR:
    case SNMPERR_USM_DECRYPTIONERROR:
      return 1406;
    case SNMPERR_USM_ENCRYPTIONERROR:
      return 1405;
    case SNMPERR_USM_PARSEERROR:
      return 1409;
    case SNMPERR_USM_GENERICERROR:
      return 1401;
    case SNMPERR_TOO_LONG:
      return 1;
    case SNMPERR_BAD_SENDTO:
    case SNMPERR_BAD_RECVFROM:
      return -22;
    default:
      return -1;
  }
}

int statusOfReport(const netsnmp_pdu* pdu) {
  static const MvOid usmStats = {1, 3, 6, 1, 6, 3, 15, 1, 1};
  static const MvOid mpdStats = {1, 3, 6, 1, 6, 3, 12, 1};
  if (!pdu || !pdu->variables) return -1418;
  const MvOid oid(pdu->variables->name, pdu->variables->name + pdu->variables->name_length);
  if (isOidPrefix(usmStats, oid) && oid.size() > usmStats.size()) {
    switch (oid[usmStats.size()]) {
      case 1:
        return 1403;
      case 2:
        return 1411;
      case 3:
        return 1404;
      case 4:
        return 1410;
      case 5:
        return 1408;
      case 6:
        return 1406;
    }
  }
  if (isOidPrefix(mpdStats, oid) && oid.size() > mpdStats.size()) {
    if (oid[mpdStats.size()] == 4) return -1416;
    if (oid[mpdStats.size()] == 5) return -1417;
  }
  return -1418;
}

// ---- values ---------------------------------------------------------------------------------

MvValue valueOf(const netsnmp_variable_list* v) {
  switch (v->type) {
    case ASN_INTEGER:
      return MvValue::integer(v->val.integer ? *v->val.integer : 0);
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
    case ASN_UINTEGER:
      return MvValue::unsignedNumber(static_cast<MvValueType>(v->type),
                                     v->val.integer ? (*v->val.integer & 0xFFFFFFFFul) : 0);
    case ASN_COUNTER64:
      return MvValue::unsignedNumber(MvValueType::Counter64,
                                     v->val.counter64
                                         ? (quint64(v->val.counter64->high & 0xFFFFFFFFul) << 32) |
                                               (v->val.counter64->low & 0xFFFFFFFFul)
                                         : 0);
    case ASN_OBJECT_ID:
      return MvValue::objectId(
          v->val.objid ? MvOid(v->val.objid, v->val.objid + v->val_len / sizeof(oid)) : MvOid());
    case ASN_NULL:
      return MvValue::null();
#ifdef NETSNMP_WITH_OPAQUE_SPECIAL_TYPES
    // The library reads the Opaque extension types itself.
    case ASN_OPAQUE_FLOAT:
    case ASN_OPAQUE_DOUBLE: {
      MvValue x;
      x.type = v->type == ASN_OPAQUE_FLOAT ? MvValueType::OpaqueFloat : MvValueType::OpaqueDouble;
      const double d = v->type == ASN_OPAQUE_FLOAT ? (v->val.floatVal ? *v->val.floatVal : 0.0f)
                                                   : (v->val.doubleVal ? *v->val.doubleVal : 0.0);
      std::memcpy(&x.number, &d, sizeof d);
      x.octets = opaqueContents(x);
      return x;
    }
    case ASN_OPAQUE_I64:
    case ASN_OPAQUE_U64:
    case ASN_OPAQUE_COUNTER64: {
      MvValue x;
      x.type = v->type == ASN_OPAQUE_I64   ? MvValueType::OpaqueInt64
               : v->type == ASN_OPAQUE_U64 ? MvValueType::OpaqueUInt64
                                           : MvValueType::OpaqueCounter64;
      x.number = v->val.counter64 ? (quint64(v->val.counter64->high & 0xFFFFFFFFul) << 32) |
                                        (v->val.counter64->low & 0xFFFFFFFFul)
                                  : 0;
      x.octets = opaqueContents(x);
      return x;
    }
#endif
    case SNMP_NOSUCHOBJECT:
      return MvValue::exception(MvValueType::NoSuchObject);
    case SNMP_NOSUCHINSTANCE:
      return MvValue::exception(MvValueType::NoSuchInstance);
    case SNMP_ENDOFMIBVIEW:
      return MvValue::exception(MvValueType::EndOfMibView);
    case ASN_IPADDRESS:
    case ASN_OPAQUE:
    case ASN_OCTET_STR:
    default: {
      // Anything else that carries octets (BIT STRING, NsapAddress) is shown by its octets; an
      // Opaque extension value the library left wrapped is unwrapped here.
      if (v->type == ASN_OPAQUE && v->val.string)
        if (std::optional<MvValue> x = unwrapOpaque(QByteArray(
                reinterpret_cast<const char*>(v->val.string), static_cast<qsizetype>(v->val_len))))
          return *x;
      const auto type = v->type == ASN_IPADDRESS ? MvValueType::IpAddress
                        : v->type == ASN_OPAQUE  ? MvValueType::Opaque
                                                 : MvValueType::OctetString;
      return MvValue::bytes(type, v->val.string
                                      ? QByteArray(reinterpret_cast<const char*>(v->val.string),
                                                   static_cast<qsizetype>(v->val_len))
                                      : QByteArray());
    }
  }
}

void addVarBind(netsnmp_pdu* pdu, const MvVarBind& vb, bool withValue) {
  std::vector<oid> name(vb.oid.begin(), vb.oid.end());
  if (name.empty()) name = {0, 0};  // the library refuses an empty name; 0.0 is never an object
  if (!withValue) {
    snmp_add_null_var(pdu, name.data(), name.size());
    return;
  }
  const MvValue& v = vb.value;
  switch (v.type) {
    case MvValueType::Integer: {
      long n = static_cast<long>(static_cast<qint32>(v.signedNumber()));
      snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_INTEGER, &n, sizeof n);
      break;
    }
    case MvValueType::Counter32:
    case MvValueType::Gauge32:
    case MvValueType::TimeTicks:
    case MvValueType::UInteger32: {
      u_long n = static_cast<u_long>(v.number & 0xFFFFFFFFu);
      snmp_pdu_add_variable(pdu, name.data(), name.size(), static_cast<u_char>(v.type), &n,
                            sizeof n);
      break;
    }
    case MvValueType::Counter64: {
      counter64 c{static_cast<u_long>(v.number >> 32), static_cast<u_long>(v.number & 0xFFFFFFFFu)};
      snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_COUNTER64, &c, sizeof c);
      break;
    }
    case MvValueType::ObjectId: {
      std::vector<oid> o(v.oid.begin(), v.oid.end());
      snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_OBJECT_ID, o.data(),
                            o.size() * sizeof(oid));
      break;
    }
    case MvValueType::IpAddress: {
      QByteArray four = v.octets.left(4);
      four.resize(4, '\0');
      snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_IPADDRESS, four.constData(), 4);
      break;
    }
    case MvValueType::OctetString:
    case MvValueType::Opaque:
      snmp_pdu_add_variable(pdu, name.data(), name.size(), static_cast<u_char>(v.type),
                            v.octets.constData(), static_cast<size_t>(v.octets.size()));
      break;
    default:
      snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_NULL, nullptr, 0);
      break;
  }
}

// ---- the wire check ---------------------------------------------------------------------------
//
// The library reads a five-octet Counter32 or a negative Gauge32 without a word, and drops an
// answer it cannot read at all as if none had come. So every answer's octets are checked as they
// arrive: the messages of community sessions where the transport receives them, the scoped PDUs
// of SNMPv3 where the USM has decrypted them. What is found is kept by request-id until the
// operation of that request-id ends.

std::map<long, QString>& wireProblems() {
  static std::map<long, QString> problems;
  return problems;
}

void noteWire(const std::optional<MvWireFinding>& f) {
  if (!f || f->problem.isEmpty()) return;
  auto& problems = wireProblems();
  // Findings of answers nobody waits for any more must not pile up.
  if (problems.size() >= 64) problems.erase(problems.begin());
  problems[static_cast<long>(f->requestId)] = f->problem;
}

QString takeWireProblem(long reqid) {
  const auto it = wireProblems().find(reqid);
  if (it == wireProblems().end()) return {};
  QString problem = std::move(it->second);
  wireProblems().erase(it);
  return problem;
}

using RecvFunction = int (*)(netsnmp_transport*, void*, int, void**, int*);

// Kept for the whole process: the session cache, destroyed at exit, still reaches it.
std::map<const netsnmp_transport*, RecvFunction>& originalRecv() {
  static auto* functions = new std::map<const netsnmp_transport*, RecvFunction>;
  return *functions;
}

int checkingRecv(netsnmp_transport* t, void* buffer, int size, void** opaque, int* olength) {
  const auto it = originalRecv().find(t);
  if (it == originalRecv().end()) return -1;
  const int n = it->second(t, buffer, size, opaque, olength);
  if (n > 0)
    noteWire(checkWireMessage(QByteArray::fromRawData(static_cast<const char*>(buffer), n)));
  return n;
}

void checkReceivedMessages(netsnmp_transport* t) {
  if (!t || t->f_recv == checkingRecv) return;
  originalRecv()[t] = t->f_recv;
  t->f_recv = checkingRecv;
}

SecmodInMsg* originalUsmDecode = nullptr;

int checkingUsmDecode(struct snmp_secmod_incoming_params* p) {
  const int rc = originalUsmDecode(p);
  if (rc == SNMPERR_SUCCESS && p->scopedPdu && *p->scopedPdu && p->scopedPduLen)
    noteWire(checkWireScopedPdu(QByteArray::fromRawData(reinterpret_cast<const char*>(*p->scopedPdu),
                                                        static_cast<qsizetype>(*p->scopedPduLen))));
  return rc;
}

void checkDecryptedPdus() {
  snmp_secmod_def* usm = find_sec_mod(USM_SEC_MODEL_NUMBER);
  if (!usm || !usm->decode || usm->decode == checkingUsmDecode) return;
  originalUsmDecode = usm->decode;
  usm->decode = checkingUsmDecode;
}

// ---- sessions -------------------------------------------------------------------------------

struct ProtocolOid {
  const oid* id;
  size_t length;
};

ProtocolOid authProtocolOid(int code) {
  switch (code) {
    case 2:
      return {usmHMACMD5AuthProtocol, OID_LENGTH(usmHMACMD5AuthProtocol)};
    case 3:
      return {usmHMACSHA1AuthProtocol, OID_LENGTH(usmHMACSHA1AuthProtocol)};
    case 4:
      return {usmHMAC128SHA224AuthProtocol, OID_LENGTH(usmHMAC128SHA224AuthProtocol)};
    case 5:
      return {usmHMAC192SHA256AuthProtocol, OID_LENGTH(usmHMAC192SHA256AuthProtocol)};
    case 6:
      return {usmHMAC256SHA384AuthProtocol, OID_LENGTH(usmHMAC256SHA384AuthProtocol)};
    case 7:
      return {usmHMAC384SHA512AuthProtocol, OID_LENGTH(usmHMAC384SHA512AuthProtocol)};
    default:
      return {nullptr, 0};
  }
}

ProtocolOid privProtocolOid(int code) {
  switch (code) {
#ifndef NETSNMP_DISABLE_DES
    case 2:
      return {usmDESPrivProtocol, OID_LENGTH(usmDESPrivProtocol)};
#endif
    case 4:
      return {usmAESPrivProtocol, OID_LENGTH(usmAESPrivProtocol)};
#ifdef NETSNMP_DRAFT_BLUMENTHAL_AES_04
    case 20:
      return {usmAES192PrivProtocol, OID_LENGTH(usmAES192PrivProtocol)};
    case 21:
      return {usmAES256PrivProtocol, OID_LENGTH(usmAES256PrivProtocol)};
#endif
    default:
      return {nullptr, 0};
  }
}

// A protocol this build of the library cannot do (IDEA, 3DES, an unknown code) is refused with
// the USM's own "unsupported" error, never replaced by another protocol.
[[noreturn]] void unsupported(int usmStatus) {
  const MvSNMPError e = translateStatus(usmStatus);
  throw MvException(e.code, e.message);
}

// A Net-SNMP single-session handle, closed with its owner.
struct SessionHandle {
  void* sessp = nullptr;
  QString key;
  QByteArray user;    // SNMPv3 user name, empty for community sessions
  QString endpoint;   // endpointKey of its target
  ~SessionHandle() {
    if (!sessp) return;
    originalRecv().erase(snmp_sess_transport(sessp));
    // The library keeps the pass phrases' keys in its copy of the session and frees it unwiped.
    if (netsnmp_session* s = session()) forgetKeys(*s);
    snmp_sess_close(sessp);
  }
  static void forgetKeys(netsnmp_session& s) {
    wipeBytes(s.securityAuthKey, sizeof s.securityAuthKey);
    wipeBytes(s.securityPrivKey, sizeof s.securityPrivKey);
  }
  netsnmp_session* session() const { return snmp_sess_session(sessp); }
  int socket() const {
    netsnmp_transport* t = snmp_sess_transport(sessp);
    return t ? t->sock : -1;
  }
};

std::vector<std::unique_ptr<SessionHandle>>& sessionCache() {
  static std::vector<std::unique_ptr<SessionHandle>> cache;
  return cache;
}

// Engine IDs learned by discovery, per address and port, so that a new session needs no probe.
QHash<QString, QByteArray>& engineIds() {
  static QHash<QString, QByteArray> ids;
  return ids;
}

QString endpointKey(const MvDeviceParams& t) {
  return t.address + u'|' + QString::number(t.agentPort);
}

// What an SNMPv3 user's keys are made from: its security level, protocols and pass phrases. The
// text outlives the request in the session cache, so it holds a digest of the phrases, not them.
QString securityKey(const MvDeviceParams& t) {
  QCryptographicHash phrases(QCryptographicHash::Sha256);
  phrases.addData(QByteArray::number(t.authPassword.size()));
  phrases.addData(QByteArrayView(":"));
  phrases.addData(t.authPassword);
  phrases.addData(t.privPassword);
  return QStringList{QString::number(t.securityLevel), QString::number(t.authProtocol),
                     QString::number(t.privProtocol), QString::fromLatin1(phrases.result().toHex())}
      .join(QChar(0x1F));
}

QString sessionKey(const MvDeviceParams& t) {
  QStringList parts{endpointKey(t), QString::number(t.version), QString::number(t.timeout),
                    QString::number(t.retries), t.securityEngineId};
  if (t.version == 3) parts << QString::fromLatin1(t.securityName.toHex()) << securityKey(t);
  return parts.join(QChar(0x1F));
}

// The security each SNMPv3 user name was last entered into the library's USM with. Sessions that
// differ only in time-out and retries (the LED polls, the pages, a page with its own time-out)
// share that entry; only a user entered with other pass phrases or protocols replaces it.
QHash<QByteArray, QString>& usmUserSecurity() {
  static QHash<QByteArray, QString> entered;
  return entered;
}

// Sessions closed by the transport itself, not by the library: while it closes them, the library
// calls back every request still out on them as timed out. Those requests were cut off, not left
// unanswered, so they are sent again on the session that replaces it (see onLibraryCallback).
int closingOwnSessions = 0;

template <class Which>
void closeSessions(Which which) {
  ++closingOwnSessions;
  std::erase_if(sessionCache(), [&](const auto& s) { return which(*s); });
  --closingOwnSessions;
}

// The library keeps USM keys per engine ID and user name for the whole process; a user entered
// with other pass phrases must be removed first or the old keys are used silently.
void removeUsmUser(const QByteArray& n) {
  for (usmUser* u = usm_get_userList(); u;) {
    usmUser* next = u->next;
    if (u->name && n == u->name) {
      usm_remove_user(u);
      usm_free_user(u);
    }
    u = next;
  }
}

// Key from a pass phrase (RFC 3414); a phrase the library refuses (shorter than 8 characters)
// is an authentication error of the USM.
void localKey(const ProtocolOid& hash, const QByteArray& pass, u_char* key, size_t* len) {
  *len = USM_AUTH_KU_LEN;
  if (generate_Ku(hash.id, static_cast<u_int>(hash.length),
                  reinterpret_cast<const u_char*>(pass.constData()),
                  static_cast<size_t>(pass.size()), key, len) != SNMPERR_SUCCESS) {
    const MvSNMPError e = translateStatus(1407);
    throw MvException(e.code, e.message);
  }
}

SessionHandle& openSession(const MvDeviceParams& t) {
  // Net-SNMP takes an empty peer name for the local host: another agent's data would then be shown
  // as the device's. A device without an address is as unreachable as an unresolvable one.
  if (t.address.trimmed().isEmpty()) raiseError(MvCode::BadAddress);
  const QString key = sessionKey(t);
  auto& cache = sessionCache();
  for (auto& s : cache)
    if (s->key == key) return *s;

  if (t.version == 3) {
    countBootsBeforeSnmpV3();
    // A session of the same user with other keys goes, and so do the library's keys of that
    // user. Sessions with the same keys stay: closing one would cut off what it has out.
    const QString security = securityKey(t);
    const auto entered = usmUserSecurity().constFind(t.securityName);
    if (entered != usmUserSecurity().cend() && *entered != security) {
      closeSessions([&](const SessionHandle& s) { return s.user == t.securityName; });
      removeUsmUser(t.securityName);
    }
    usmUserSecurity().insert(t.securityName, security);
  }

  netsnmp_session s;
  snmp_sess_init(&s);
  // The keys made below are copied into the library's session; this copy goes however we leave.
  struct KeyWipe {
    netsnmp_session& s;
    ~KeyWipe() { SessionHandle::forgetKeys(s); }
  } keyWipe{s};
  const QByteArray host = t.address.contains(u':') ? ("udp6:[" + t.address.toUtf8() + "]")
                                                   : ("udp:" + t.address.toUtf8());
  QByteArray peer = host + ':' + QByteArray::number(t.agentPort);
  s.peername = peer.data();
  s.version = t.version == 3 ? SNMP_VERSION_3 : t.version == 1 ? SNMP_VERSION_2c : SNMP_VERSION_1;
  s.timeout = static_cast<long>(std::max(t.timeout, 1)) * 10000L;
  // Every try is the transport's own (see Operation): the library's retransmission would give
  // an SNMPv3 message a new ID, and the answer to the earlier one would then match nothing.
  s.retries = 0;
  QByteArray user = t.securityName;
  QByteArray engine;
  // The library copies the protocol OIDs when it opens the session.
  std::vector<oid> authProto, privProto;
  if (t.version == 3) {
    s.securityName = user.data();
    s.securityNameLen = static_cast<size_t>(user.size());
    s.securityModel = USM_SEC_MODEL_NUMBER;
    s.securityLevel = t.securityLevel >= 3   ? SNMP_SEC_LEVEL_AUTHPRIV
                      : t.securityLevel == 2 ? SNMP_SEC_LEVEL_AUTHNOPRIV
                                             : SNMP_SEC_LEVEL_NOAUTH;
    if (s.securityLevel != SNMP_SEC_LEVEL_NOAUTH) {
      const ProtocolOid auth = authProtocolOid(t.authProtocol);
      if (!auth.id) unsupported(1412);
      authProto.assign(auth.id, auth.id + auth.length);
      s.securityAuthProto = authProto.data();
      s.securityAuthProtoLen = auth.length;
      localKey(auth, t.authPassword, s.securityAuthKey, &s.securityAuthKeyLen);
      if (s.securityLevel == SNMP_SEC_LEVEL_AUTHPRIV) {
        const ProtocolOid priv = privProtocolOid(t.privProtocol);
        if (!priv.id) unsupported(1413);
        privProto.assign(priv.id, priv.id + priv.length);
        s.securityPrivProto = privProto.data();
        s.securityPrivProtoLen = priv.length;
        // The privacy key is hashed with the authentication protocol (RFC 3414).
        localKey(auth, t.privPassword, s.securityPrivKey, &s.securityPrivKeyLen);
      }
    }
    // An engine ID the user gave is used as given (a wrong one is refused by the agent); else
    // the one discovered before, if any.
    engine = t.securityEngineId.isEmpty() ? engineIds().value(endpointKey(t))
                                          : engineIdOctets(t.securityEngineId).value_or(QByteArray());
    if (!engine.isEmpty()) {
      s.securityEngineID = reinterpret_cast<u_char*>(engine.data());
      s.securityEngineIDLen = static_cast<size_t>(engine.size());
    }
  }
  void* sessp = snmp_sess_open(&s);
  if (!sessp) {
    if (s.s_snmp_errno == SNMPERR_BAD_ADDRESS || s.s_snmp_errno == SNMPERR_BAD_SENDTO ||
        s.s_errno == 0)
      raiseError(MvCode::BadAddress);
    throw MvException(translateStatus(statusOfLibraryError(s.s_snmp_errno)).code,
                      translateStatus(statusOfLibraryError(s.s_snmp_errno)).message);
  }
  checkReceivedMessages(snmp_sess_transport(sessp));
  auto handle = std::make_unique<SessionHandle>();
  handle->sessp = sessp;
  handle->key = key;
  handle->user = t.version == 3 ? t.securityName : QByteArray();
  handle->endpoint = endpointKey(t);
  cache.push_back(std::move(handle));
  return *cache.back();
}

void rememberEngineId(const MvDeviceParams& t, SessionHandle& h) {
  if (t.version != 3 || !t.securityEngineId.isEmpty()) return;
  netsnmp_session* s = h.session();
  if (s && s->securityEngineIDLen)
    engineIds().insert(endpointKey(t),
                       QByteArray(reinterpret_cast<const char*>(s->securityEngineID),
                                  static_cast<qsizetype>(s->securityEngineIDLen)));
}

netsnmp_pdu* buildPdu(const MvDeviceParams& t, MvPduKind kind, const std::vector<MvVarBind>& vbs,
                      int maxRepetitions) {
  const int command = kind == MvPduKind::Get       ? SNMP_MSG_GET
                      : kind == MvPduKind::GetNext ? SNMP_MSG_GETNEXT
                      : kind == MvPduKind::GetBulk ? SNMP_MSG_GETBULK
                                                   : SNMP_MSG_SET;
  netsnmp_pdu* pdu = snmp_pdu_create(command);
  if (kind == MvPduKind::GetBulk) {
    pdu->non_repeaters = 0;
    pdu->max_repetitions = std::max(1, maxRepetitions);
  }
  if (t.version != 3) {
    // One session serves reads and writes: the community travels with each PDU.
    const QByteArray community =
        (kind == MvPduKind::Set ? t.writeCommunity : t.readCommunity).toUtf8();
    pdu->community = static_cast<u_char*>(
        netsnmp_memdup(community.constData(), static_cast<size_t>(community.size()) + 1));
    pdu->community_len = static_cast<size_t>(community.size());
  } else {
    const QByteArray& context = t.contextName;
    if (!context.isEmpty()) {
      pdu->contextName = static_cast<char*>(
          netsnmp_memdup(context.constData(), static_cast<size_t>(context.size()) + 1));
      pdu->contextNameLen = static_cast<size_t>(context.size());
    }
    const QByteArray contextEngine = engineIdOctets(t.contextEngineId).value_or(QByteArray());
    if (!contextEngine.isEmpty()) {
      pdu->contextEngineID = static_cast<u_char*>(
          netsnmp_memdup(contextEngine.constData(), static_cast<size_t>(contextEngine.size())));
      pdu->contextEngineIDLen = static_cast<size_t>(contextEngine.size());
    }
  }
  for (const MvVarBind& vb : vbs) addVarBind(pdu, vb, kind == MvPduKind::Set);
  return pdu;
}

// `asked`: the varbinds of the request. A get, get-next or set must answer with as many; a
// get-bulk with at least one and at most asked x repetitions. A get or set must answer with
// the asked OIDs (answerMisfit), and no value may be malformed on the wire.
MvSnmpAnswer answerOf(const MvDeviceParams& t, const netsnmp_pdu* pdu, MvPduKind kind = MvPduKind::Get,
                      const std::vector<MvVarBind>& asked = {}, int maxRepetitions = 0) {
  MvSnmpAnswer a;
  a.agentAddress = t.address;
  a.agentPort = t.agentPort;
  if (!pdu) {
    a.status = -1;
    return a;
  }
  if (pdu->command == SNMP_MSG_REPORT) {
    a.status = statusOfReport(pdu);
    return a;
  }
  if (pdu->command != SNMP_MSG_RESPONSE) {
    a.status = -11;
    return a;
  }
  // Only 0..18 are SNMP error statuses; anything else is a malformed answer, never taken into
  // the program's own status numbering (where 1400 would read as success).
  if (pdu->errstat < 0 || pdu->errstat > 18) {
    a.status = -11;
    a.detail = QStringLiteral("(the agent answered with error-status %1, which SNMP does not define)")
                   .arg(pdu->errstat);
    return a;
  }
  if (const QString problem = takeWireProblem(pdu->reqid); !problem.isEmpty()) {
    a.status = -11;
    a.detail = problem;
    return a;
  }
  a.status = static_cast<int>(pdu->errstat);
  a.errorIndex = static_cast<int>(pdu->errindex);
  size_t count = 0;
  for (const netsnmp_variable_list* v = pdu->variables; v; v = v->next_variable) ++count;
  a.varbinds.reserve(count);
  for (const netsnmp_variable_list* v = pdu->variables; v; v = v->next_variable)
    a.varbinds.push_back({MvOid(v->name, v->name + v->name_length), valueOf(v)});
  const bool bulk = kind == MvPduKind::GetBulk;
  const size_t expected = bulk ? asked.size() * static_cast<size_t>(std::max(1, maxRepetitions)) : asked.size();
  const bool countFits = bulk ? !a.varbinds.empty() && a.varbinds.size() <= expected
                              : a.varbinds.size() == expected;
  if (a.status == 0 && !countFits) {
    a.status = -11;
    a.detail = QStringLiteral("(%1 variable bindings answered for %2 asked)")
                   .arg(a.varbinds.size())
                   .arg(expected);
  }
  if (a.status == 0) {
    const QString misfit = answerMisfit(kind, t.version, asked, a.varbinds);
    if (!misfit.isEmpty()) {
      a.status = -11;
      a.detail = misfit;
    }
  }
  return a;
}

// A time-out where an answer did come but could not be read is a malformed answer.
MvSnmpAnswer timedOut(const MvDeviceParams& t, long reqid) {
  MvSnmpAnswer a = answerOf(t, nullptr);
  a.status = -5;
  if (QString problem = takeWireProblem(reqid); !problem.isEmpty()) {
    a.status = -11;
    a.detail = std::move(problem);
  }
  return a;
}

// ---- asynchronous operations ----------------------------------------------------------------

bool isRead(MvPduKind kind) { return kind != MvPduKind::Set; }

// An SNMPv3 agent that restarted has a new engine ID or boot count: it refuses what the session
// sends as from an unknown engine or out of its time window.
bool agentForgotUs(const MvDeviceParams& t, int status) {
  return t.version == 3 && (status == 1410 || status == 1411);
}

// The session, the engine ID learned for the endpoint and the user's keys localized to it go, so
// the next send discovers the engine again. Returns the engine ID forgotten. Discovery blocks
// while it waits, so after one that found nothing the endpoint is not tried again for
// kRediscoverMs.
constexpr qint64 kRediscoverMs = 30000;

QHash<QString, qint64>& lastRediscovery() {
  static QHash<QString, qint64> last;
  return last;
}

bool mayRediscover(const MvDeviceParams& t) {
  const auto it = lastRediscovery().constFind(endpointKey(t));
  return it == lastRediscovery().cend() || QDateTime::currentMSecsSinceEpoch() - *it >= kRediscoverMs;
}

QByteArray forgetEngine(const MvDeviceParams& t) {
  const QByteArray old = engineIds().take(endpointKey(t));
  // Every session of the user at this endpoint speaks to the old engine, and the user's keys
  // are localized to it: all of them go.
  const QString endpoint = endpointKey(t);
  closeSessions([&](const SessionHandle& s) {
    return s.endpoint == endpoint && s.user == t.securityName;
  });
  removeUsmUser(t.securityName);
  usmUserSecurity().remove(t.securityName);
  return old;
}

// Discovery found nothing (the agent is down): the engine known before comes back, so later
// sends wait for their own time-outs instead of blocking in discovery again.
void restoreEngine(const MvDeviceParams& t, const QByteArray& old) {
  if (old.isEmpty() || engineIds().contains(endpointKey(t))) return;
  lastRediscovery().insert(endpointKey(t), QDateTime::currentMSecsSinceEpoch());
  const QString key = sessionKey(t);
  closeSessions([&](const SessionHandle& s) { return s.key == key; });
  engineIds().insert(endpointKey(t), old);
}

struct Operation {
  MvDeviceParams target;
  MvPduKind kind = MvPduKind::Get;
  std::vector<MvVarBind> vbs;
  int maxRepetitions = 0;
  int resendsLeft = 0;   // tries after the first (triesAfterFirst)
  int timedOut = 0;      // tries that timed out
  bool rediscovered = false;
  bool resending = false;  // a resend is queued: late callbacks of the old send are ignored
  bool cutOff = false;     // its session was closed under it once already
  bool forget = false;     // the queued resend first forgets the engine
  QByteArray oldEngine;    // what was forgotten, put back when discovery finds nothing
  // Every send of the operation carries the request-id (and SNMPv3 message ID) of the first, so
  // that an agent slower than one time-out is still heard: its answer to an earlier send matches
  // the send outstanding when it comes.
  long reqid = 0;
  long msgid = 0;
  MvAnswerHandler handler;
  bool done = false;
  MvSnmpAnswer answer;
};

std::map<quint64, Operation>& operations() {
  static std::map<quint64, Operation> ops;
  return ops;
}

quint64 nextOperationId = 1;

QObject* deliveryContext() {
  static QObject* context = new QObject(QCoreApplication::instance());
  return context;
}

void deliver(quint64 id) {
  auto& ops = operations();
  const auto it = ops.find(id);
  if (it == ops.end()) return;
  MvAnswerHandler handler = std::move(it->second.handler);
  const MvSnmpAnswer answer = std::move(it->second.answer);
  if (answer.status != 0) restoreEngine(it->second.target, it->second.oldEngine);
  ops.erase(it);
  if (handler) handler(answer);
}

void queueDelivery(quint64 id) {
  QMetaObject::invokeMethod(
      deliveryContext(), [id] { deliver(id); }, Qt::QueuedConnection);
}

int onLibraryCallback(int op, netsnmp_session* session, int, netsnmp_pdu* pdu, void* magic);
MvSnmpAnswer refused(const MvDeviceParams& t, void* sessp);

// Sends the operation's PDU (again) over the target's session. False when the library refused
// it; the outcome is then set (or already queued by a failed engine probe).
// The operation's PDU, with the ids of its first send.
netsnmp_pdu* pduOf(Operation& o, const std::vector<MvVarBind>& vbs) {
  netsnmp_pdu* pdu = buildPdu(o.target, o.kind, vbs, o.maxRepetitions);
  if (o.reqid == 0) {
    o.reqid = pdu->reqid;
    o.msgid = pdu->msgid;
  } else {
    pdu->reqid = o.reqid;
    pdu->msgid = o.msgid;
  }
  return pdu;
}

bool sendOperation(quint64 id, Operation& o) {
  SessionHandle& h = openSession(o.target);
  netsnmp_pdu* pdu = pduOf(o, o.vbs);
  const int reqid = snmp_sess_async_send(h.sessp, pdu, onLibraryCallback,
                                         reinterpret_cast<void*>(static_cast<quintptr>(id)));
  rememberEngineId(o.target, h);
  if (reqid != 0) return true;
  snmp_free_pdu(pdu);
  if (!o.done) o.answer = refused(o.target, h.sessp);
  return false;
}

// A queued resend: never from inside the library call that reported the outcome, since
// forgetting the engine closes the session that call is working on.
void resend(quint64 id) {
  auto& ops = operations();
  const auto it = ops.find(id);
  if (it == ops.end()) return;  // cancelled meanwhile
  Operation& o = it->second;
  if (!o.resending) return;  // already sent again by a blocking wait (MvSnmpTransport::await)
  o.resending = false;
  if (o.forget) o.oldEngine = forgetEngine(o.target);
  o.forget = false;
  bool sent = false;
  try {
    sent = sendOperation(id, o);
  } catch (const MvException& e) {
    o.answer = MvSnmpAnswer{};
    o.answer.status = -1;
    o.answer.detail = e.message();
  }
  if (!sent && !o.done) {
    o.done = true;
    queueDelivery(id);
  }
  SnmpEventProcessor::instance().rearm();
}

// Whether the outcome is worth another try (and what that try needs); counts the try.
// Tries after the first: `retries` more for every operation, and for a read (which changes
// nothing on the agent) all of that again `readResends` times.
int triesAfterFirst(MvPduKind kind, const MvDeviceParams& t) {
  const int tries = std::max(0, t.retries) + 1;
  return (isRead(kind) ? tries * (std::max(0, t.readResends) + 1) : tries) - 1;
}

bool takeResend(Operation& o, int status) {
  if (status == -5) ++o.timedOut;
  // An SNMPv3 agent that restarted with a new engine ID drops what is sent to the old one
  // without a word: a read whose tries of one round (retries + 1) all timed out is first sent
  // again to the engine found anew.
  const bool roundEnded = o.timedOut % (std::max(0, o.target.retries) + 1) == 0;
  if (status == -5 && roundEnded && isRead(o.kind) && o.target.version == 3 && !o.rediscovered &&
      engineIds().contains(endpointKey(o.target)) && mayRediscover(o.target)) {
    o.rediscovered = true;
    o.forget = true;
    return true;
  }
  if (status == -5 && o.resendsLeft > 0) {
    --o.resendsLeft;
    return true;
  }
  if (agentForgotUs(o.target, status) && !o.rediscovered) {
    o.rediscovered = true;
    o.forget = true;
    return true;
  }
  return false;
}

// Net-SNMP calls back on every retransmission (RESEND), and for a REPORT first with SEC_ERROR and
// then with RECEIVED_MESSAGE. Only the first final outcome counts; it is delivered from the event
// loop, never from inside the library call that produced it.
int onLibraryCallback(int op, netsnmp_session* session, int, netsnmp_pdu* pdu, void* magic) {
  if (op == NETSNMP_CALLBACK_OP_RESEND || op == NETSNMP_CALLBACK_OP_CONNECT ||
      op == NETSNMP_CALLBACK_OP_DISCONNECT)
    return 1;
  const quint64 id = reinterpret_cast<quintptr>(magic);
  auto& ops = operations();
  const auto it = ops.find(id);
  if (it == ops.end() || it->second.done || it->second.resending) return 1;
  Operation& o = it->second;
  if (closingOwnSessions > 0 && op == NETSNMP_CALLBACK_OP_TIMED_OUT && !o.cutOff) {
    // Its session is being closed by the transport: sent again once, not counted as a try.
    // (Twice would mean two sets of keys of one user taking turns; that ends as a time-out.)
    o.cutOff = true;
    o.resending = true;
    QMetaObject::invokeMethod(
        deliveryContext(), [id] { resend(id); }, Qt::QueuedConnection);
    return 1;
  }
  MvSnmpAnswer answer;
  switch (op) {
    case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
      answer = answerOf(o.target, pdu, o.kind, o.vbs, o.maxRepetitions);
      break;
    case NETSNMP_CALLBACK_OP_TIMED_OUT:
      answer = timedOut(o.target, o.reqid);
      break;
    default:
      answer = answerOf(o.target, nullptr);
      answer.status = pdu && pdu->command == SNMP_MSG_REPORT
                          ? statusOfReport(pdu)
                          : statusOfLibraryError(session ? session->s_snmp_errno : 0);
      if (answer.status == 0) answer.status = -1;
      break;
  }
  if (takeResend(o, answer.status)) {
    o.resending = true;
    QMetaObject::invokeMethod(
        deliveryContext(), [id] { resend(id); }, Qt::QueuedConnection);
    return 1;
  }
  o.answer = std::move(answer);
  o.done = true;
  queueDelivery(id);
  return 1;
}

MvSnmpAnswer refused(const MvDeviceParams& t, void* sessp) {
  int libErr = 0, sysErr = 0;
  char* text = nullptr;
  snmp_sess_error(sessp, &sysErr, &libErr, &text);
  SNMP_FREE(text);
  MvSnmpAnswer a = answerOf(t, nullptr);
  a.status = statusOfLibraryError(libErr);
  return a;
}

bool libraryStarted = false;

// Net-SNMP's own log lines ("Created directory: ...", "Bad PDU type received") are not the
// program's messages: they are dropped, unless KX760_SNMP_LOG is set (to anything but 0 or empty), when
// the library writes them to stderr as it does by default. The library falls back to stderr when
// it has no log handler at all, so a handler that drops everything stands in.
int dropLibraryLog(int, int, void*, void*) { return 0; }

bool libraryLogShown() {
  const QString setting = qEnvironmentVariable("KX760_SNMP_LOG");
  return !setting.isEmpty() && setting != u"0";
}

void startLibrary() {
  if (libraryStarted) return;
  if (!libraryLogShown()) {
    snmp_disable_log();
    netsnmp_register_loghandler(NETSNMP_LOGHANDLER_CALLBACK, LOG_DEBUG);
  }
  // Numeric OIDs only: no MIB files are loaded, so no "Cannot find module" noise.
  qputenv("MIBS", "");
  qputenv("MIBDIRS", "");
  const QString own =
      QFileInfo(bootCounterPath(QString())).absolutePath() + QStringLiteral("/snmp");
  QDir().mkpath(own + QStringLiteral("/conf"));
  QDir().mkpath(own + QStringLiteral("/persist"));
  // The library must not read ~/.snmp or the system's files, nor write /var/lib/snmp.
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
  netsnmp_ds_set_string(
      NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR,
      QDir::toNativeSeparators(own + QStringLiteral("/conf")).toLocal8Bit().constData());
  netsnmp_ds_set_string(
      NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR,
      QDir::toNativeSeparators(own + QStringLiteral("/persist")).toLocal8Bit().constData());
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_QUICK_PRINT, 1);
  init_snmp("kx760");
  checkDecryptedPdus();
  if (!libraryLogShown())
    snmp_register_callback(SNMP_CALLBACK_LIBRARY, SNMP_CALLBACK_LOGGING, dropLibraryLog, nullptr);
  libraryStarted = true;
}

int bootsAnnounced = 0;
// The boot counter's directory while the count waits for the first SNMPv3 session.
std::optional<QString> bootsPending;

// Counts this start in the boot counter file and gives the library the local engine ID.
void countBoots(const QString& directory) {
  const QString path = bootCounterPath(directory);
  const int boots = nextBoots(readBootCounter(path, QString::fromLatin1(kLocalEngineId)));
  saveBootCounter(path, QString::fromLatin1(kLocalEngineId), boots);
  setup_engineID(nullptr, kLocalEngineId);
  bootsAnnounced = boots;
}

}  // namespace

// ---- session --------------------------------------------------------------------------------

void initSnmpSession(const QString& directory, MvBootCount when) {
  try {
    startLibrary();
  } catch (...) {
    raiseError(MvCode::CannotCreateSession);
  }
  if (when == MvBootCount::AtStart)
    countBoots(directory);
  else
    bootsPending = directory;
  DeviceTarget = MvDeviceParams::defaults();
  SnmpEventProcessor::instance().start();
}

void countBootsBeforeSnmpV3() {
  if (!bootsPending) return;
  const QString directory = *bootsPending;
  countBoots(directory);
  bootsPending.reset();
}

bool snmpSessionReady() {
  return libraryStarted && (bootsAnnounced > 0 || bootsPending);
}
int engineBoots() {
  return bootsAnnounced;
}

// ---- transport ------------------------------------------------------------------------------

MvSNMPError answerError(const MvSnmpAnswer& answer) {
  MvSNMPError e = translateStatus(answer.status);
  if (!answer.detail.isEmpty() && e.code != 0) e.message += u' ' + answer.detail;
  e.errorIndex = answer.errorIndex;
  e.agentAddress = answer.agentAddress;
  e.agentPort = answer.agentPort;
  return e;
}

namespace MvSnmpTransport {

MvSnmpAnswer send(const MvDeviceParams& t, MvPduKind kind, const std::vector<MvVarBind>& vbs,
                  int maxRepetitions) {
  startLibrary();
  Operation o;
  o.target = t;
  o.kind = kind;
  o.maxRepetitions = maxRepetitions;
  o.resendsLeft = triesAfterFirst(kind, t);
  for (;;) {
    SessionHandle& h = openSession(t);
    netsnmp_pdu* response = nullptr;
    const int stat = snmp_sess_synch_response(h.sessp, pduOf(o, vbs), &response);
    std::unique_ptr<netsnmp_pdu, decltype(&snmp_free_pdu)> owned(response, &snmp_free_pdu);
    rememberEngineId(t, h);
    MvSnmpAnswer a;
    if (stat == STAT_SUCCESS) {
      a = answerOf(t, response, kind, vbs, maxRepetitions);
    } else if (stat == STAT_TIMEOUT) {
      a = timedOut(t, o.reqid);
    } else {
      a = refused(t, h.sessp);
    }
    if (!takeResend(o, a.status)) {
      if (a.status != 0) restoreEngine(t, o.oldEngine);
      return a;
    }
    if (o.forget) o.oldEngine = forgetEngine(t);
    o.forget = false;
  }
}

quint64 sendAsync(const MvDeviceParams& t, MvPduKind kind, const std::vector<MvVarBind>& vbs,
                  MvAnswerHandler handler, int maxRepetitions) {
  startLibrary();
  openSession(t);  // an address that cannot be used is raised here, before anything is queued
  const quint64 id = nextOperationId++;
  Operation& o = operations()[id];
  o.target = t;
  o.kind = kind;
  o.vbs = vbs;
  o.maxRepetitions = maxRepetitions;
  o.resendsLeft = triesAfterFirst(kind, t);
  o.handler = std::move(handler);
  bool sent = false;
  try {
    sent = sendOperation(id, o);
  } catch (...) {
    operations().erase(id);
    throw;
  }
  // A failed engine-ID probe both refuses the send and calls back: the outcome is then
  // already queued for delivery and the operation counts as sent.
  if (!sent && !o.done) {
    const MvSNMPError e = answerError(o.answer);
    operations().erase(id);
    throw MvException(e.code, e.message);
  }
  SnmpEventProcessor::instance().rearm();
  return id;
}

MvSnmpAnswer await(quint64 id) {
  int unclocked = 0;  // waits without a time-out pending in the library
  for (;;) {
    auto& ops = operations();
    const auto it = ops.find(id);
    if (it == ops.end()) {
      MvSnmpAnswer gone;
      gone.status = -1;
      return gone;
    }
    Operation& o = it->second;
    if (o.done) {
      // Its delivery, already queued, finds nothing once the operation is gone.
      MvSnmpAnswer answer = std::move(o.answer);
      if (answer.status != 0) restoreEngine(o.target, o.oldEngine);
      ops.erase(it);
      return answer;
    }
    if (o.resending) {
      resend(id);
      continue;
    }
    std::vector<pollfd> fds;
    for (int fd : sockets()) fds.push_back({fd, POLLIN, 0});
    const int ms = nextTimeoutMs();
    // The library keeps no time-out for it (its session went): after a while it has timed out.
    if (ms < 0 && ++unclocked > 1000) {
      ops.erase(it);
      MvSnmpAnswer lost;
      lost.status = -5;
      return lost;
    }
    const int ready = ::poll(fds.data(), static_cast<nfds_t>(fds.size()), ms < 0 ? 10 : ms);
    if (ready > 0) {
      for (const pollfd& p : fds)
        if (p.revents & (POLLIN | POLLERR | POLLHUP)) readSocket(p.fd);
    } else {
      processTimeouts();
    }
  }
}

quint64 deliverLater(MvSnmpAnswer answer, MvAnswerHandler handler) {
  const quint64 id = nextOperationId++;
  Operation& o = operations()[id];
  o.handler = std::move(handler);
  o.answer = std::move(answer);
  o.done = true;
  queueDelivery(id);
  return id;
}

void cancel(quint64 id) {
  operations().erase(id);
}

int outstanding() {
  return static_cast<int>(operations().size());
}

void readSocket(int fd) {
  for (auto& s : sessionCache()) {
    if (s->socket() != fd) continue;
    fd_set set;
    FD_ZERO(&set);
    FD_SET(fd, &set);
    snmp_sess_read(s->sessp, &set);
    return;
  }
}

void processTimeouts() {
  for (auto& s : sessionCache()) snmp_sess_timeout(s->sessp);
}

std::vector<int> sockets() {
  std::vector<int> fds;
  for (auto& s : sessionCache())
    if (s->socket() >= 0) fds.push_back(s->socket());
  return fds;
}

int nextTimeoutMs() {
  int best = -1;
  for (auto& s : sessionCache()) {
    int numfds = 0, block = 1;
    fd_set set;
    FD_ZERO(&set);
    timeval tv{0, 0};
    snmp_sess_select_info(s->sessp, &numfds, &set, &tv, &block);
    if (block) continue;  // nothing outstanding on this session
    const int ms = static_cast<int>(tv.tv_sec * 1000 + (tv.tv_usec + 999) / 1000);
    best = best < 0 ? ms : std::min(best, ms);
  }
  return best;
}

void closeAll() {
  operations().clear();
  sessionCache().clear();
  SnmpEventProcessor::instance().rearm();
}

}  // namespace MvSnmpTransport

// ---- event pump -----------------------------------------------------------------------------

struct SnmpEventProcessor::Impl {
  std::map<int, std::unique_ptr<QSocketNotifier>> notifiers;
  QTimer timer;
};

SnmpEventProcessor::SnmpEventProcessor() : d_(std::make_unique<Impl>()) {
  d_->timer.setSingleShot(true);
  connect(&d_->timer, &QTimer::timeout, this, [this] {
    MvSnmpTransport::processTimeouts();
    rearm();
  });
}

SnmpEventProcessor::~SnmpEventProcessor() = default;

SnmpEventProcessor& SnmpEventProcessor::instance() {
  static SnmpEventProcessor* pump = new SnmpEventProcessor();  // lives as long as the process
  return *pump;
}

void SnmpEventProcessor::start() {
  running_ = true;
  rearm();
}

void SnmpEventProcessor::stop() {
  running_ = false;
  d_->timer.stop();
  d_->notifiers.clear();
}

void SnmpEventProcessor::rearm() {
  if (!running_ || !QCoreApplication::instance()) return;
  const std::vector<int> fds = MvSnmpTransport::sockets();
  std::erase_if(d_->notifiers, [&](const auto& n) {
    return std::find(fds.begin(), fds.end(), n.first) == fds.end();
  });
  for (int fd : fds) {
    if (d_->notifiers.count(fd)) continue;
    auto n = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(n.get(), &QSocketNotifier::activated, this, [this, fd] {
      MvSnmpTransport::readSocket(fd);
      rearm();
    });
    d_->notifiers.emplace(fd, std::move(n));
  }
  const int ms = MvSnmpTransport::nextTimeoutMs();
  if (ms < 0)
    d_->timer.stop();
  else
    d_->timer.start(ms);
}
