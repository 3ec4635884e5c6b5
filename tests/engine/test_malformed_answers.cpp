// Answers no well-behaved agent sends: a response with fewer or more varbinds than the request,
// or a PDU of another type. A small responder on loopback sends them as real datagrams.
#include <gtest/gtest.h>

#include <QUdpSocket>

#include "mvsnmp/MvSNMPRequest.h"
#include "tests/engine/SnmpdFixture.h"

namespace {

// Reads one BER length at pos (short and long forms); -1 when malformed.
int berLength(const QByteArray& b, int& pos) {
  if (pos >= b.size()) return -1;
  const int first = static_cast<quint8>(b[pos++]);
  if (first < 0x80) return first;
  int n = first & 0x7F, len = 0;
  while (n-- > 0 && pos < b.size()) len = (len << 8) | static_cast<quint8>(b[pos++]);
  return len;
}

QByteArray tlv(quint8 tag, const QByteArray& content) {
  QByteArray out(1, static_cast<char>(tag));
  if (content.size() < 0x80) {
    out.append(static_cast<char>(content.size()));
  } else {
    out.append(static_cast<char>(0x82));
    out.append(static_cast<char>(content.size() >> 8));
    out.append(static_cast<char>(content.size() & 0xFF));
  }
  return out + content;
}

// The request ID of a v1/v2c message: SEQUENCE { version, community, PDU { request-id ... } }.
QByteArray requestIdTlv(const QByteArray& msg) {
  int pos = 1;
  if (berLength(msg, pos) < 0) return {};
  for (int skip = 0; skip < 2; ++skip) {  // version, community
    ++pos;
    const int len = berLength(msg, pos);
    if (len < 0) return {};
    pos += len;
  }
  ++pos;  // the PDU's tag
  if (berLength(msg, pos) < 0 || pos >= msg.size()) return {};
  const int start = pos++;
  const int len = berLength(msg, pos);
  return len < 0 ? QByteArray() : msg.mid(start, pos - start + len);
}

// Answers every v2c request with a PDU of the given tag carrying `varbinds` copies of sysName.0.
class MalformedResponder {
public:
  MalformedResponder(quint8 pduTag, int varbinds, int errorStatus = 0,
                     QByteArray community = "public")
      : tag_(pduTag), count_(varbinds), errorStatus_(errorStatus), community_(std::move(community)) {
    socket_.bind(QHostAddress::LocalHost, 0);
    QObject::connect(&socket_, &QUdpSocket::readyRead, [this] { answer(); });
  }
  quint16 port() const { return socket_.localPort(); }

private:
  void answer() {
    while (socket_.hasPendingDatagrams()) {
      QHostAddress from;
      quint16 fromPort = 0;
      QByteArray msg(static_cast<int>(socket_.pendingDatagramSize()), '\0');
      socket_.readDatagram(msg.data(), msg.size(), &from, &fromPort);
      const QByteArray oid = tlv(0x06, QByteArray::fromHex("2b06010201010500"));
      QByteArray list;
      for (int i = 0; i < count_; ++i) list += tlv(0x30, oid + tlv(0x04, "x"));
      const QByteArray pdu = tlv(tag_, requestIdTlv(msg) + tlv(0x02, integerOctets(errorStatus_)) +
                                           tlv(0x02, QByteArray(1, 0)) + tlv(0x30, list));
      const QByteArray reply =
          tlv(0x30, tlv(0x02, QByteArray(1, 1)) + tlv(0x04, community_) + pdu);
      socket_.writeDatagram(reply, from, fromPort);
    }
  }
  // The shortest two's-complement octets of an INTEGER.
  static QByteArray integerOctets(int value) {
    QByteArray octets;
    for (int shift = 24; shift >= 0; shift -= 8) octets += static_cast<char>((value >> shift) & 0xFF);
    while (octets.size() > 1 && ((octets[0] == 0 && !(octets[1] & 0x80)) ||
                                 (octets[0] == char(0xFF) && (octets[1] & 0x80))))
      octets.remove(0, 1);
    return octets;
  }
  QUdpSocket socket_;
  quint8 tag_;
  int count_;
  int errorStatus_;
  QByteArray community_;  // the answer carries the request's community
};

const SnmpVarDef kTwoScalars[] = {
    {"1.3.6.1.2.1.1.5", "Name", Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.2.1.1.6", "Location", Syntax::DisplayStr, Access::ReadOnly},
    {},
};

const SnmpVarDef kWritableName[] = {
    {"1.3.6.1.2.1.1.5", "Name", Syntax::DisplayStr, Access::ReadWrite},
    {},
};

struct MalformedCase {
  const char* what;
  quint8 tag;
  int varbinds;
  int code;
};

void PrintTo(const MalformedCase& c, std::ostream* os) { *os << c.what; }

class MalformedAnswer : public SnmpdFixture, public ::testing::WithParamInterface<MalformedCase> {};

TEST_P(MalformedAnswer, IsAnErrorNotAnOverrun) {
  const MalformedCase c = GetParam();
  MalformedResponder responder(c.tag, c.varbinds);
  DeviceTarget = target();
  DeviceTarget.agentPort = responder.port();
  DeviceTarget.timeout = 30;
  // Get and get-next: the varbind count must match the request's (a get-bulk answer may hold
  // any number up to what was asked).
  DeviceTarget.maxRepetitions = 0;
  for (quint8 kind : {SVT_SV, MVT_FMV}) {
    MvSNMPRequest r;
    r.varList = MvSNMPVarList(kTwoScalars, kind, 0);
    MvSNMPError got;
    bool done = false;
    r.readAsync([&](void*, const MvSNMPError& e, MvSNMPVarList&) { got = e, done = true; }, nullptr, true);
    ASSERT_TRUE(waitUntil([&] { return done; })) << c.what;
    EXPECT_EQ(got.code, c.code) << c.what;
    // The catalogue text, and what was wrong after it.
    EXPECT_TRUE(got.message.startsWith(messageOf(c.code))) << got.message.toStdString();
    EXPECT_TRUE(got.finished);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, MalformedAnswer,
                         ::testing::Values(MalformedCase{"fewer varbinds", 0xA2, 1, -411},
                                           MalformedCase{"no varbinds", 0xA2, 0, -411},
                                           MalformedCase{"more varbinds", 0xA2, 3, -411},
                                           // The library drops a message that is no response:
                                           // the request times out.
                                           MalformedCase{"a get-request instead of a response", 0xA0, 2, -405}),
                         [](const auto& info) {
                           std::string n = info.param.what;
                           for (char& ch : n)
                             if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           return n;
                         });

}  // namespace

namespace {

// An error-status outside SNMP's 0..18 is a malformed answer, never read as the program's own
// status numbers (1400 and -1401 there mean success, -5 a time-out, 1404 an unknown user).
class HostileErrorStatus : public SnmpdFixture, public ::testing::WithParamInterface<int> {};

TEST_P(HostileErrorStatus, FailsTheSetAndNamesTheValue) {
  MalformedResponder responder(0xA2, 1, GetParam(), target().writeCommunity.toLatin1());
  DeviceTarget = target();
  DeviceTarget.agentPort = responder.port();
  DeviceTarget.timeout = 30;
  MvSNMPRequest r;
  r.varList = MvSNMPVarList(kWritableName, SVT_SV, 0);
  r.varList.item(0).value = QStringLiteral("core-sw1");
  // The responder answers from this thread's event loop: the set goes asynchronously.
  MvSNMPError got;
  bool done = false;
  r.writeAsync([&](void*, const MvSNMPError& e, MvSNMPVarList&) { got = e, done = true; }, nullptr);
  ASSERT_TRUE(waitUntil([&] { return done; }));
  EXPECT_EQ(got.code, -411);
  EXPECT_TRUE(got.message.contains(QString::number(GetParam()))) << got.message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Values, HostileErrorStatus, ::testing::Values(1400, -1401, -5, 1404, 19, 255));

}  // namespace
