// Raw byte forms of value texts: every syntax there and back, partial pieces, and the errors.
#include "tests/bind/BindFixture.h"
#include "mvsnmp/MvError.h"
#include "bind/MvSNMPRequest2RawValue.h"
#include "mvsnmp/MvSNMPVarList.h"

namespace Raw = MvSNMPRequest2RawValue;

namespace {

TEST(RawValue, EverySyntaxThereAndBack) {
  struct Case {
    quint32 syntax;
    const char* text;
    const char* hex;   // the raw bytes
    const char* back;  // the text they give back
  } cases[] = {
      {Syntax::Boolean, "true", "01000000", "true"},
      {Syntax::Boolean, "yes", "00000000", "false"},
      {Syntax::Integer, "-2", "FEFFFFFF", "-2"},
      {Syntax::Counter, "4294967295", "FFFFFFFF", "4294967295"},
      {Syntax::UInteger, "-1", "00000000", "0"},
      {Syntax::Bool8, "true", "01", "true"},
      {Syntax::Int8, "-1", "FF", "-1"},
      {Syntax::UInt8, "256", "00", "0"},
      {Syntax::Bool16, "true", "0001", "true"},
      {Syntax::Int16, "-1", "FFFF", "65535"},
      {Syntax::UInt16, "258", "0102", "258"},
      {Syntax::OctetStr, "0a0B", "0A0B", "0A0B"},
      {Syntax::MacAddress, "00112233AABB", "00112233AABB", "00112233AABB"},
      {Syntax::ObjectId, "1.3.6", "010000000300000006000000", "1.3.6"},
      {Syntax::IpAddress, "10.0.0.1", "0A000001", "10.0.0.1"},
      {Syntax::TimeTicks, "1 day 1:00:01.23", "BB548900", "1 day 1:00:01.23"},
      {Syntax::Counter64, "4294967296", "0000000001000000", "4294967296"},
      {Syntax::Double, "0.5", "000000000000E03F", "0.5"},
      {Syntax::DateTime, "2008-11-10,13:5:7.3,+8:0", "07D80B0A0D0507032B0800",
       "2008-11-10,13:5:7.3,+8:0"},
      {Syntax::DisplayStr, "abc", "616263", "abc"},
      {Syntax::Null, "anything", "", "(NULL)"},
      {Syntax::Integer, "(NULL)", "", "(NULL)"},
      {Syntax::DisplayStr, "(NULL)", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " / " + std::to_string(c.syntax));
    const QByteArray raw = Raw::toRaw(QString::fromLatin1(c.text), c.syntax);
    EXPECT_EQ(raw.toHex().toUpper(), QByteArray(c.hex));
    EXPECT_EQ(Raw::toText(raw, c.syntax), QString::fromLatin1(c.back));
  }
}

TEST(RawValue, LocalDateTimeKeepsItsText) {
  const QString text = QStringLiteral("2008/11/10 01:05:07 pm");
  EXPECT_EQ(Raw::toText(Raw::toRaw(text, Syntax::BcDateTime), Syntax::BcDateTime), text);
}

TEST(RawValue, CutTakesTheSyntaxLengthOrTheRest) {
  const QByteArray raw = QByteArray::fromHex("0A0B0C0D0E");
  struct Case {
    int offset;
    quint32 syntax;
    const char* hex;
  } cases[] = {
      {1, Syntax::Integer, "0B0C0D0E"}, {4, Syntax::UInt8, "0E"},   {3, Syntax::UInt16, "0D0E"},
      {1, Syntax::OctetStr, "0B0C0D0E"}, {5, Syntax::OctetStr, ""}, {0, Syntax::Null, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Raw::cut(raw, c.offset, c.syntax).toHex().toUpper(), QByteArray(c.hex)) << c.offset;
  EXPECT_TRUE(Raw::cut(QByteArray(), 3, Syntax::Integer).isEmpty());
}

TEST(RawValue, Errors) {
  const QByteArray two = QByteArray::fromHex("0102");
  EXPECT_EQ(bindtest::errorCode([] { Raw::toRaw("1", 99); }), -511);
  EXPECT_EQ(bindtest::errorCode([&] { Raw::toText(two, 99); }), -511);
  EXPECT_EQ(bindtest::errorCode([&] { Raw::cut(two, 0, 99); }), -511);
  EXPECT_EQ(bindtest::errorCode([&] { Raw::toText(two, Syntax::Integer); }), -518);
  EXPECT_EQ(bindtest::errorCode([&] { Raw::toText(two, Syntax::MacAddress); }), -518);
  EXPECT_EQ(bindtest::errorCode([&] { Raw::cut(two, 1, Syntax::UInt16); }), -519);
  EXPECT_EQ(bindtest::errorCode([&] { Raw::cut(two, 0, Syntax::Integer); }), -519);
}

TEST(RawValue, PatchExtendsWithZeros) {
  QByteArray raw = QByteArray::fromHex("0102");
  Raw::patch(raw, 3, QByteArray::fromHex("AABB"));
  EXPECT_EQ(raw.toHex().toUpper(), QByteArray("010200AABB"));
  Raw::patch(raw, 0, QByteArray::fromHex("FF"));
  EXPECT_EQ(raw.toHex().toUpper(), QByteArray("FF0200AABB"));
}

}  // namespace
