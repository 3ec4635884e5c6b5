// Answers no well-behaved agent sends: a response with fewer or more varbinds than the request,
// or a PDU of another type. A small responder on loopback sends them as real datagrams.
#include <gtest/gtest.h>

#include <QUdpSocket>

#include "MvSNMPRequest.h"
#include "SnmpdFixture.h"

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
  MalformedResponder(quint8 pduTag, int varbinds) : tag_(pduTag), count_(varbinds) {
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
      const QByteArray pdu = tlv(tag_, requestIdTlv(msg) + tlv(0x02, QByteArray(1, 0)) +
                                           tlv(0x02, QByteArray(1, 0)) + tlv(0x30, list));
      const QByteArray reply =
          tlv(0x30, tlv(0x02, QByteArray(1, 1)) + tlv(0x04, "public") + pdu);
      socket_.writeDatagram(reply, from, fromPort);
    }
  }
  QUdpSocket socket_;
  quint8 tag_;
  int count_;
};

const SnmpVarDef kTwoScalars[] = {
    {"1.3.6.1.2.1.1.5", "Name", Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.2.1.1.6", "Location", Syntax::DisplayStr, Access::ReadOnly},
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
  for (quint8 kind : {SVT_SV, MVT_FMV}) {
    MvSNMPRequest r;
    r.varList = MvSNMPVarList(kTwoScalars, kind, 0);
    MvSNMPError got;
    bool done = false;
    r.readAsync([&](void*, const MvSNMPError& e, MvSNMPVarList&) { got = e, done = true; }, nullptr, true);
    ASSERT_TRUE(waitUntil([&] { return done; })) << c.what;
    EXPECT_EQ(got.code, c.code) << c.what;
    EXPECT_EQ(got.message, messageOf(c.code));
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
