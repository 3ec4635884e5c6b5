// The wire check and the fit of an answer, without a network: values encoded at the edges of
// their types, Opaque-wrapped numbers both ways, and bytes that are no message at all.
#include <gtest/gtest.h>

#include <cstring>

#include "mvsnmp/MvAnswerCheck.h"

namespace {

QByteArray tlv(quint8 tag, const QByteArray& content) {
  return QByteArray(1, static_cast<char>(tag)) + QByteArray(1, static_cast<char>(content.size())) + content;
}

// A v2c response carrying one varbind 1.3.6.1.2.1.1.5.0 with the value TLV given in hex.
QByteArray response(const char* valueHex, quint8 version = 1) {
  const QByteArray vb = tlv(0x30, tlv(0x06, QByteArray::fromHex("2b06010201010500")) + QByteArray::fromHex(valueHex));
  const QByteArray pdu = tlv(0xA2, tlv(0x02, QByteArray(1, 7)) + tlv(0x02, QByteArray(1, 0)) +
                                       tlv(0x02, QByteArray(1, 0)) + tlv(0x30, vb));
  return tlv(0x30, tlv(0x02, QByteArray(1, static_cast<char>(version))) + tlv(0x04, "public") + pdu);
}

TEST(WireCheck, ValuesAtTheEdgesOfTheirTypes) {
  struct Case {
    const char* value;
    const char* problem;  // "" when well formed
  };
  const Case cases[] = {
      {"02047FFFFFFF", ""},
      {"020480000000", ""},
      {"02050080000000", "INTEGER of 5 octets"},
      {"0200", "INTEGER of 0 octets"},
      {"410500FFFFFFFF", ""},            // 4294967295 with its leading zero octet
      {"41050100000000", "Counter32 of 5 octets"},
      {"4101FF", "negative Counter32"},
      {"4200", "Gauge32 without octets"},
      {"470180", "negative Unsigned32"},
      {"460900FFFFFFFFFFFFFFFF", ""},    // 2^64 - 1
      {"4609010000000000000000", "Counter64 of 9 octets"},
      {"0600", "fewer than two arcs"},
      {"06012B", ""},
      {"06022B86", "cut short"},
      {"400400000000", ""},
      {"4005000000000000", "IpAddress of 5 octets"},
      {"0500", ""},
      {"050100", "NULL with contents"},
      {"8000", ""},
      {"820101", "exception with contents"},
      {"44079F78043EEB851F", ""},
      {"44069F7803000000", "Opaque float of 3 octets"},
      {"440A9F790700000000000000", "Opaque double of 7 octets"},
      {"4403010203", ""},               // other Opaque contents are octets
      {"04026869", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    const std::optional<MvWireFinding> f = checkWireMessage(response(c.value));
    ASSERT_TRUE(f.has_value());
    EXPECT_EQ(f->requestId, 7);
    if (*c.problem == '\0') {
      EXPECT_TRUE(f->problem.isEmpty()) << f->problem.toStdString();
    } else {
      EXPECT_TRUE(f->problem.contains(QLatin1String(c.problem))) << f->problem.toStdString();
      EXPECT_TRUE(f->problem.contains(QLatin1String("1.3.6.1.2.1.1.5.0"))) << f->problem.toStdString();
    }
  }
}

TEST(WireCheck, NoMessageNoFinding) {
  EXPECT_FALSE(checkWireMessage(QByteArray()));
  EXPECT_FALSE(checkWireMessage(QByteArray::fromHex("3005020101")));  // cut short
  EXPECT_FALSE(checkWireMessage(response("0201", 3)));                 // SNMPv3: its scoped PDU counts
  const QByteArray whole = response("4101FF");
  for (qsizetype n = 0; n < whole.size(); ++n) EXPECT_FALSE(checkWireMessage(whole.left(n))) << n;
}

TEST(WireCheck, OpaqueNumbersRoundTrip) {
  for (const char* hex : {"9F78043EEB851F", "9F79083FDD70A3D70A3D71", "9F7A0185", "9F7B0900FFFFFFFFFFFFFFFF",
                          "9F7606010000000000", "9F7A017F"}) {
    SCOPED_TRACE(hex);
    const QByteArray contents = QByteArray::fromHex(hex);
    const std::optional<MvValue> v = unwrapOpaque(contents);
    ASSERT_TRUE(v.has_value());
    EXPECT_TRUE(v->isOpaqueWrapped());
    EXPECT_EQ(opaqueContents(*v).toHex().toUpper().toStdString(), QByteArray(hex).toStdString());
  }
  EXPECT_FLOAT_EQ(static_cast<float>(unwrapOpaque(QByteArray::fromHex("9F78043EEB851F"))->floatingNumber()), 0.46f);
  EXPECT_EQ(unwrapOpaque(QByteArray::fromHex("9F7A02FF85"))->signedNumber(), -123);
  EXPECT_FALSE(unwrapOpaque(QByteArray::fromHex("010203")));
  EXPECT_FALSE(unwrapOpaque(QByteArray::fromHex("9F7803000000")));  // a float of three octets
}

TEST(AnswerFit, GetAndSetEchoTheirOids) {
  const MvOid asked = {1, 3, 6, 1, 2, 1, 1, 5, 0};
  const MvOid other = {1, 3, 6, 1, 2, 1, 1, 5, 1000};
  const std::vector<MvVarBind> request{{asked, MvValue::null()}};
  const std::vector<MvVarBind> fits{{asked, MvValue::integer(1)}};
  const std::vector<MvVarBind> elsewhere{{other, MvValue::integer(42)}};
  const std::vector<MvVarBind> missing{{asked, MvValue::exception(MvValueType::NoSuchObject)}};
  const std::vector<MvVarBind> shortOid{{asked, MvValue::objectId({1})}};
  EXPECT_TRUE(answerMisfit(MvPduKind::Get, 1, request, fits).isEmpty());
  EXPECT_TRUE(answerMisfit(MvPduKind::Get, 1, request, missing).isEmpty());  // v2c: the agent's word
  EXPECT_TRUE(answerMisfit(MvPduKind::GetNext, 1, request, elsewhere).isEmpty());
  EXPECT_TRUE(answerMisfit(MvPduKind::Get, 1, request, elsewhere).contains(QLatin1String("5.1000 where")));
  EXPECT_TRUE(answerMisfit(MvPduKind::Set, 1, request, elsewhere).contains(QLatin1String("5.1000 where")));
  EXPECT_TRUE(answerMisfit(MvPduKind::Set, 1, request, missing).contains(QLatin1String("nothing was written")));
  EXPECT_TRUE(answerMisfit(MvPduKind::Get, 0, request, missing).contains(QLatin1String("SNMPv1")));
  EXPECT_TRUE(answerMisfit(MvPduKind::Get, 1, request, shortOid).contains(QLatin1String("two arcs")));
}

}  // namespace
