#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "mvsnmp/MvError.h"
#include "mvsnmp/MvOptionList.h"
#include "mvsnmp/MvValueConversion.h"

// Readable failure messages for texts.
static void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace {

constexpr const char* kOid = "1.3.6.1.4.1.48213.1";

// A list holding one item of the given syntax, at position 0.
MvSNMPVarList listOf(quint32 syntax, quint32 access = Access::ReadWrite,
                     const MvOptionList* options = nullptr, quint8 kind = SVT_SV,
                     int keyCount = 0) {
  const SnmpVarDef defs[] = {{kOid, "item", syntax, access, options}, {}};
  return MvSNMPVarList(defs, kind, keyCount);
}

// A table list whose only item is its (last) index column.
MvSNMPVarList indexOf(quint32 syntax, bool implied) {
  return listOf(syntax, Access::NotAccess | (implied ? Access::Implied : 0), nullptr, MVT_FMV, 1);
}

QByteArray hex(const char* digits) {
  return QByteArray::fromHex(digits);
}
MvValue octets(const char* digits) {
  return MvValue::bytes(MvValueType::OctetString, hex(digits));
}
MvValue counter(MvValueType t, quint64 v) {
  return MvValue::unsignedNumber(t, v);
}

QString store(quint32 syntax, const MvValue& value, const MvOptionList* options = nullptr) {
  MvSNMPVarList list = listOf(syntax, Access::ReadWrite, options);
  storeValue(list, 0, value);
  return list.item(0).value;
}

MvValue load(quint32 syntax, const QString& text, const MvOptionList* options = nullptr) {
  MvSNMPVarList list = listOf(syntax, Access::ReadWrite, options);
  list.item(0).value = text;
  MvValue value = MvValue::integer(12345);
  loadValue(list, 0, value);
  return value;
}

// ---- storeValue ----

struct Store {
  quint32 syntax;
  MvValue value;
  const char* text;
};

TEST(StoreValue, TextFormOfEverySyntax) {
  using T = MvValueType;
  const Store cases[] = {
      {Syntax::Boolean, MvValue::integer(0), "false"},
      {Syntax::Boolean, MvValue::integer(-7), "true"},
      {Syntax::Integer, MvValue::integer(-2147483648LL), "-2147483648"},
      {Syntax::Integer, counter(T::Counter32, 4294967295u), "-1"},  // read by its low 32 bits
      {Syntax::Counter, counter(T::Counter32, 4294967295u), "4294967295"},
      {Syntax::Guage, counter(T::Gauge32, 7), "7"},
      {Syntax::UInteger, counter(T::UInteger32, 9), "9"},
      {Syntax::Counter64, counter(T::Counter64, 18446744073709551615ull), "18446744073709551615"},
      {Syntax::TimeTicks, counter(T::TimeTicks, 0), "0:00:00.00"},
      {Syntax::TimeTicks, counter(T::TimeTicks, 6000), "0:01:00.00"},
      {Syntax::TimeTicks, counter(T::TimeTicks, 8640000), "1 day 0:00:00.00"},
      {Syntax::TimeTicks, counter(T::TimeTicks, 17280001), "2 days, 0:00:00.01"},
      {Syntax::TimeTicks, counter(T::TimeTicks, 4294967295u), "497 days, 2:27:52.95"},
      {Syntax::IpAddress, MvValue::bytes(T::IpAddress, hex("C0A801FE")), "192.168.1.254"},
      {Syntax::NsapAddr, MvValue::bytes(T::IpAddress, hex("0A000001")), "10.0.0.1"},
      {Syntax::ObjectId, MvValue::objectId({1, 3, 6, 1, 4294967295u}), "1.3.6.1.4294967295"},
      {Syntax::OctetStr, octets("001AFF"), "001AFF"},
      {Syntax::OctetStr, octets(""), ""},
      {Syntax::BitStr, octets("80000000000040"), "80000000000040"},
      {Syntax::Opaque, MvValue::bytes(T::Opaque, hex("0102")), "0102"},
      {Syntax::MacAddress, octets("00055d0a0b0c"), "00055D0A0B0C"},
      {Syntax::Ipv6Address, octets("FE800000000000000000000000000001"),
       "FE800000000000000000000000000001"},
      {Syntax::DisplayStr, octets("616263"), "abc"},
      {Syntax::DisplayStr, octets(""), ""},
      {Syntax::Null, MvValue::null(), "(NULL)"},
      {Syntax::Null, MvValue::integer(5), "(NULL)"},
      {Syntax::Double, octets("000000000000F83F"), "1.5"},
      {Syntax::Double, octets("9A9999999999B93F"), "0.1"},
      {Syntax::Double, octets("000000000000F83Fffff"), "1.5"},  // the first 8 octets count
      {Syntax::Double, octets("000000000000F07F"), "inf"},
      {Syntax::BcDateTime, octets("EE047172516AE340"), "2008/11/10 01:05:07 pm"},
      {Syntax::BcDateTime, octets("0000000000000000"), "1899/12/30 12:00:00 am"},
      {Syntax::BcDateTime, octets("000000000000E03F"), "1899/12/30 12:00:00 pm"},
      {Syntax::BcDateTime, octets("000000000000F4BF"), "1899/12/29 06:00:00 am"},
      {Syntax::BcDateTime, octets("9C7500883CE4377E"), "(NULL)"},  // 1e300 days
      {Syntax::BcDateTime, octets("000000000000F87F"), "(NULL)"},  // NaN
      {Syntax::DateTime,
       octets("07D80B0A0D050700"
              "2B0800"),
       "2008-11-10,13:5:7.0,+8:0"},
      // Carriers with too few octets, and values without any.
      {Syntax::Double, octets("000000000000F8"), "(NULL)"},
      {Syntax::BcDateTime, octets("00000000"), "(NULL)"},
      {Syntax::DateTime, octets("07D80B0A0D0507002B08"), "(NULL)"},
      {Syntax::IpAddress, MvValue::bytes(T::IpAddress, hex("0A0000")), "(NULL)"},
      {Syntax::ObjectId, MvValue::objectId({}), "(NULL)"},
      {Syntax::Integer, MvValue::null(), "(NULL)"},
      {Syntax::Integer, octets("01"), "(NULL)"},  // a type that does not fit
      {Syntax::ObjectId, octets("01"), "(NULL)"},
      {Syntax::DisplayStr, MvValue::null(), ""},
      {Syntax::OctetStr, MvValue::null(), ""},
      {Syntax::OctetStr, MvValue::integer(3), ""},
      // The SNMPv2 exceptions show "(NULL)" for every syntax.
      {Syntax::Integer, MvValue::exception(T::NoSuchObject), "(NULL)"},
      {Syntax::DisplayStr, MvValue::exception(T::NoSuchInstance), "(NULL)"},
      {Syntax::OctetStr, MvValue::exception(T::EndOfMibView), "(NULL)"},
  };
  for (const Store& c : cases) {
    SCOPED_TRACE(testing::Message() << syntaxKeyword(c.syntax) << " -> " << c.text);
    EXPECT_EQ(store(c.syntax, c.value), QString::fromLatin1(c.text));
  }
}

// ---- loadValue ----

struct Load {
  quint32 syntax;
  const char* text;
  MvValue value;
};

MvValue doubleOctets(double x) {
  QByteArray o(8, '\0');
  quint64 bits;
  std::memcpy(&bits, &x, 8);
  for (int k = 0; k < 8; ++k) o[k] = static_cast<char>(bits >> (8 * k));
  return MvValue::bytes(MvValueType::OctetString, o);
}

TEST(LoadValue, ValueOfEverySyntax) {
  using T = MvValueType;
  const quint64 max64 = std::numeric_limits<quint64>::max();
  const Load cases[] = {
      {Syntax::Boolean, "true", MvValue::integer(1)},
      {Syntax::Boolean, "false", MvValue::integer(0)},
      {Syntax::Integer, " -12 ", MvValue::integer(-12)},
      {Syntax::Integer, "+7", MvValue::integer(7)},
      {Syntax::Integer, "2147483647", MvValue::integer(2147483647)},
      {Syntax::Integer, "-2147483648", MvValue::integer(-2147483648LL)},
      {Syntax::Counter, "4294967295", counter(T::Counter32, 4294967295u)},
      {Syntax::Guage, "0", counter(T::Gauge32, 0)},
      {Syntax::UInteger, "17", counter(T::UInteger32, 17)},
      {Syntax::Counter64, "18446744073709551615", counter(T::Counter64, max64)},
      {Syntax::Counter64, "9007199254740993", counter(T::Counter64, 9007199254740993ull)},
      {Syntax::TimeTicks, "1:02:03", counter(T::TimeTicks, 372300)},
      {Syntax::TimeTicks, "2 days, 0:00:00.01", counter(T::TimeTicks, 17280001)},
      {Syntax::TimeTicks, "1 day 0:00:00.00", counter(T::TimeTicks, 8640000)},
      {Syntax::TimeTicks, "372300", counter(T::TimeTicks, 372300)},
      {Syntax::IpAddress, "192.168.1.254", MvValue::bytes(T::IpAddress, hex("C0A801FE"))},
      {Syntax::NsapAddr, "10.0.0.1", MvValue::bytes(T::IpAddress, hex("0A000001"))},
      {Syntax::ObjectId, "1.3.6.1", MvValue::objectId({1, 3, 6, 1})},
      {Syntax::ObjectId, ".1.3.4294967295", MvValue::objectId({1, 3, 4294967295u})},
      {Syntax::OctetStr, "1A FF", octets("1AFF")},
      {Syntax::OctetStr, "af", octets("AF")},
      {Syntax::OctetStr, "", octets("")},
      {Syntax::BitStr, "80000000000000", octets("80000000000000")},
      {Syntax::Opaque, "0102", MvValue::bytes(T::Opaque, hex("0102"))},
      {Syntax::MacAddress, "00055D0A0B0C", octets("00055D0A0B0C")},
      {Syntax::Ipv6Address, "FE80", octets("FE80")},  // any number of octets
      {Syntax::DisplayStr, "abc", octets("616263")},
      {Syntax::DisplayStr, " padded ", octets("2070616464656420")},  // blanks are characters
      {Syntax::Double, "1.5", doubleOctets(1.5)},
      {Syntax::Double, " -2.5e-3 ", doubleOctets(-2.5e-3)},
      {Syntax::Double, "1e999", doubleOctets(std::numeric_limits<double>::infinity())},
      {Syntax::Double, "-1e-999", doubleOctets(-0.0)},
      {Syntax::Double, "inf", doubleOctets(std::numeric_limits<double>::infinity())},
      {Syntax::BcDateTime, "2008/11/10 01:05:07 pm", doubleOctets(39762 + 47107 / 86400.0)},
      {Syntax::BcDateTime, "2008/11/10 13:05:07", doubleOctets(39762 + 47107 / 86400.0)},
      {Syntax::BcDateTime, "2008/11/10", doubleOctets(39762)},
      {Syntax::BcDateTime, "1899/12/29 06:00:00 am", doubleOctets(-1.25)},
      {Syntax::BcDateTime, "1899/12/30 12:00:00 am", doubleOctets(0)},
      {Syntax::DateTime, "2008-11-10,13:5:7.0,+8:0", octets("07D80B0A0D0507002B0800")},
      {Syntax::Null, "anything", MvValue::null()},
      // "(NULL)" gives the NULL value whatever the syntax.
      {Syntax::Integer, "(NULL)", MvValue::null()},
      {Syntax::DisplayStr, "(NULL)", MvValue::null()},
  };
  for (const Load& c : cases) {
    SCOPED_TRACE(testing::Message() << syntaxKeyword(c.syntax) << " <- " << c.text);
    EXPECT_EQ(load(c.syntax, QString::fromUtf8(c.text)), c.value);
  }
}

// A typed text that is not all a valid form of the syntax is refused with the item's label and
// the text: it is never read as far as it goes, clamped, or cut to fewer octets.
TEST(LoadValue, RefusesWhatIsNotAValidForm) {
  const std::pair<quint32, const char*> cases[] = {
      {Syntax::Boolean, "True"},
      {Syntax::Integer, " -12abc"},
      {Syntax::Integer, "abc"},
      {Syntax::Integer, ""},
      {Syntax::Integer, "2x0"},
      {Syntax::Integer, "99999999999"},
      {Syntax::Integer, "--5"},
      {Syntax::Counter, "4294967296"},
      {Syntax::Guage, "-1"},
      {Syntax::Counter64, "1e3"},
      {Syntax::Counter64, "12.7"},
      {Syntax::Counter64, "99999999999999999999"},
      {Syntax::TimeTicks, "1:62:03"},
      {Syntax::TimeTicks, "soon"},
      {Syntax::IpAddress, "10.90.9O.1"},
      {Syntax::IpAddress, "300.1.1.1"},
      {Syntax::IpAddress, "10.0.0"},
      {Syntax::IpAddress, "10.0.0.1.5"},
      {Syntax::NsapAddr, "host.example"},
      {Syntax::ObjectId, "1.3.x.6"},
      {Syntax::ObjectId, "1.3.99999999999"},
      {Syntax::OctetStr, "1-4"},
      {Syntax::OctetStr, "AFF"},
      {Syntax::OctetStr, "G1"},
      {Syntax::MacAddress, "00:05:5D:0A:0B:0C"},
      {Syntax::DisplayStr, "price \u20AC5"},
      {Syntax::Double, "abc"},
      {Syntax::Double, "1.5xyz"},
      {Syntax::BcDateTime, "yesterday"},
      {Syntax::DateTime, "2008-11-10"},
      {Syntax::DateTime, "2008-13-10,13:5:7.0 later"},
  };
  for (const auto& [syntax, text] : cases) {
    const QString typed = QString::fromUtf8(text);
    SCOPED_TRACE(testing::Message() << syntaxKeyword(syntax) << " <- " << typed.toStdString());
    MvSNMPVarList list = listOf(syntax, Access::ReadWrite, nullptr);
    list.item(0).value = typed;
    MvValue value = MvValue::integer(12345);
    try {
      loadValue(list, 0, value);
      ADD_FAILURE() << "read as " << value.number;
    } catch (const MvException& e) {
      EXPECT_EQ(e.code(), MvCode::BadSyntax);
      EXPECT_TRUE(e.message().contains(list.item(0).label)) << e.message().toStdString();
      EXPECT_TRUE(e.message().contains(u'"' + typed + u'"')) << e.message().toStdString();
    }
    EXPECT_EQ(value, MvValue::integer(12345));  // left as it was
  }
}

// Every text the value layer shows reads back to the value it came from, for every syntax.
TEST(LoadValue, EveryShownTextReadsBackToItsValue) {
  using T = MvValueType;
  const Store cases[] = {
      {Syntax::Boolean, MvValue::integer(1), ""},
      {Syntax::Integer, MvValue::integer(-2147483648LL), ""},
      {Syntax::Integer, MvValue::integer(2147483647), ""},
      {Syntax::Counter, counter(T::Counter32, 4294967295u), ""},
      {Syntax::Guage, counter(T::Gauge32, 7), ""},
      {Syntax::UInteger, counter(T::UInteger32, 0), ""},
      {Syntax::Counter64, counter(T::Counter64, std::numeric_limits<quint64>::max()), ""},
      {Syntax::TimeTicks, counter(T::TimeTicks, 0), ""},
      {Syntax::TimeTicks, counter(T::TimeTicks, 8640000), ""},
      {Syntax::TimeTicks, counter(T::TimeTicks, 4294967295u), ""},
      {Syntax::IpAddress, MvValue::bytes(T::IpAddress, hex("C0A801FE")), ""},
      {Syntax::NsapAddr, MvValue::bytes(T::IpAddress, hex("0A000001")), ""},
      {Syntax::ObjectId, MvValue::objectId({1, 3, 6, 1, 4294967295u}), ""},
      {Syntax::OctetStr, octets("00FF10"), ""},
      {Syntax::BitStr, octets("80000000000000"), ""},
      {Syntax::Opaque, MvValue::bytes(T::Opaque, hex("0102")), ""},
      {Syntax::MacAddress, octets("00055D0A0B0C"), ""},
      {Syntax::Ipv6Address, octets("FE800000000000000000000000000001"), ""},
      {Syntax::DisplayStr, octets("6B78E9FF00"), ""},
      {Syntax::Double, doubleOctets(-2.5e-3), ""},
      {Syntax::Double, doubleOctets(std::numeric_limits<double>::infinity()), ""},
      {Syntax::BcDateTime, doubleOctets(39762 + 47107 / 86400.0), ""},
      {Syntax::BcDateTime, doubleOctets(0), ""},
      {Syntax::DateTime, octets("07D80B0A0D0507002B0800"), ""},
  };
  for (const Store& c : cases) {
    const QString shown = store(c.syntax, c.value);
    SCOPED_TRACE(testing::Message() << syntaxKeyword(c.syntax) << " shown as " << shown.toStdString());
    EXPECT_EQ(store(c.syntax, load(c.syntax, shown)), shown);
  }
}

TEST(LoadValue, TypeTagFollowsTheSyntax) {
  for (quint32 syntax :
       {Syntax::Double, Syntax::MacAddress, Syntax::DateTime, Syntax::BcDateTime,
        Syntax::DisplayStr, Syntax::Ipv6Address, Syntax::BitStr, Syntax::OctetStr}) {
    EXPECT_EQ(valueTypeOfSyntax(syntax), MvValueType::OctetString);
  }
  EXPECT_EQ(valueTypeOfSyntax(Syntax::Boolean), MvValueType::Integer);
  EXPECT_EQ(valueTypeOfSyntax(Syntax::NsapAddr), MvValueType::IpAddress);
  EXPECT_EQ(valueTypeOfSyntax(Syntax::UInteger), MvValueType::UInteger32);
}

// ---- round trips ----

struct Trip {
  quint32 syntax;
  const char* text;
};

TEST(ValueConversion, CanonicalTextsSurviveLoadAndStore) {
  const Trip cases[] = {
      {Syntax::Boolean, "true"},
      {Syntax::Boolean, "false"},
      {Syntax::Integer, "-2147483648"},
      {Syntax::Integer, "2147483647"},
      {Syntax::Counter, "4294967295"},
      {Syntax::Guage, "0"},
      {Syntax::UInteger, "123"},
      {Syntax::Counter64, "18446744073709551615"},
      {Syntax::Counter64, "9007199254740993"},
      {Syntax::TimeTicks, "0:00:00.00"},
      {Syntax::TimeTicks, "1 day 23:59:59.99"},
      {Syntax::TimeTicks, "497 days, 2:27:52.95"},
      {Syntax::IpAddress, "10.255.0.1"},
      {Syntax::NsapAddr, "1.2.3.4"},
      {Syntax::ObjectId, "1.3.6.1.4.1.48213.4294967295"},
      {Syntax::OctetStr, "001AFF"},
      {Syntax::BitStr, "80000000000040"},
      {Syntax::Opaque, "00"},
      {Syntax::MacAddress, "00055D0A0B0C"},
      {Syntax::Ipv6Address, "FE800000000000000000000000000001"},
      {Syntax::DisplayStr, "KX-760 port 1"},
      {Syntax::Null, "(NULL)"},
      {Syntax::Double, "0.1"},
      {Syntax::Double, "-1.5e-07"},
      {Syntax::Double, "123456789012345"},
      {Syntax::Double, "inf"},
      {Syntax::BcDateTime, "2008/11/10 01:05:07 pm"},
      {Syntax::BcDateTime, "2008/11/10 12:00:00 am"},
      {Syntax::BcDateTime, "0001/01/01 11:59:59 pm"},
      {Syntax::BcDateTime, "9999/12/31 11:59:59 pm"},
      {Syntax::BcDateTime, "1850/06/15 06:30:00 pm"},
      {Syntax::DateTime, "2008-11-10,13:5:7.0,-5:30"},
      {Syntax::DateTime, "2008-11-10,13:5:7.9"},
  };
  for (const Trip& c : cases) {
    SCOPED_TRACE(testing::Message() << syntaxKeyword(c.syntax) << " " << c.text);
    EXPECT_EQ(store(c.syntax, load(c.syntax, QString::fromLatin1(c.text))),
              QString::fromLatin1(c.text));
  }
}

TEST(ValueConversion, DisplayStringsKeepEveryOctet) {
  QByteArray all;
  for (int b = 0; b < 256; ++b) all.append(static_cast<char>(b));
  const MvValue sent = MvValue::bytes(MvValueType::OctetString, all);
  const QString shown = store(Syntax::DisplayStr, sent);
  ASSERT_EQ(shown.size(), 256);
  EXPECT_EQ(shown[0xE9], QChar(0xE9));
  EXPECT_EQ(load(Syntax::DisplayStr, shown), sent);
  // A typed character outside Latin-1 cannot travel as one octet: it is refused.
  EXPECT_THROW(load(Syntax::DisplayStr, QStringLiteral("\u00E9\u20AC")), MvException);
}

// ---- option lists ----

const OptionSource kEnable[] = {{1, "disabled"}, {2, "enabled"}, {0, nullptr}};
const TextOptionSource kPorts[] = {
    {"80000000000000", "Port 1"}, {"00000040000000", "Port 26"}, {nullptr, nullptr}};

TEST(ValueConversion, OptionListsMapRawValuesAndLabels) {
  const MvOptionList enable(kEnable);
  const MvOptionList ports(kPorts, MvOptionList::Text);
  EXPECT_EQ(store(Syntax::Integer, MvValue::integer(2), &enable), "enabled");
  EXPECT_EQ(store(Syntax::Integer, MvValue::integer(3), &enable), "3");
  EXPECT_EQ(store(Syntax::Integer, MvValue::exception(MvValueType::NoSuchInstance), &enable),
            "(NULL)");
  EXPECT_EQ(store(Syntax::BitStr, octets("00000040000000"), &ports), "Port 26");
  EXPECT_EQ(load(Syntax::Integer, "ENABLED", &enable), MvValue::integer(2));
  EXPECT_EQ(load(Syntax::Integer, "7", &enable), MvValue::integer(7));
  EXPECT_EQ(load(Syntax::BitStr, "Port 1", &ports), octets("80000000000000"));

  MvSNMPVarList list = listOf(Syntax::Integer, Access::NotAccess, &enable, MVT_FMV, 1);
  EXPECT_EQ(decodeIndexValue(list, 0, "1.5"), "5");
  EXPECT_EQ(list.item(0).value, "disabled");
  EXPECT_EQ(encodeIndexValue(list, 0), "1");
  EXPECT_EQ(rawValueOf(list.item(0)), "1");
  EXPECT_EQ(labelOfRaw(list.item(0), "2"), "enabled");
}

// ---- row indexes ----

struct Index {
  quint32 syntax;
  bool implied;
  const char* value;
  const char* encoded;
};

TEST(IndexValue, EncodesAndDecodesEverySyntax) {
  const Index cases[] = {
      {Syntax::Boolean, false, "true", "1"},
      {Syntax::Boolean, false, "false", "0"},
      {Syntax::Integer, false, "-1", "4294967295"},
      {Syntax::Integer, false, "17", "17"},
      {Syntax::Counter, false, "4294967295", "4294967295"},
      {Syntax::Guage, false, "3", "3"},
      {Syntax::UInteger, false, "0", "0"},
      {Syntax::TimeTicks, false, "0:01:00.00", "6000"},
      {Syntax::Counter64, false, "4294967297", "1.1"},
      {Syntax::IpAddress, false, "192.168.0.1", "192.168.0.1"},
      {Syntax::NsapAddr, false, "10.0.0.255", "10.0.0.255"},
      {Syntax::MacAddress, false, "00055D0A0B0C", "0.5.93.10.11.12"},
      {Syntax::Ipv6Address, false, "FE800000000000000000000000000001",
       "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1"},
      {Syntax::Ipv6Address, true, "FE800000000000000000000000000001",
       "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1"},
      {Syntax::OctetStr, false, "0A0B", "2.10.11"},
      {Syntax::OctetStr, true, "0A0B", "10.11"},
      {Syntax::OctetStr, false, "", "0"},
      {Syntax::BitStr, false, "FF", "1.255"},
      {Syntax::Opaque, true, "00FF", "0.255"},
      {Syntax::DisplayStr, false, "abc", "3.97.98.99"},
      {Syntax::DisplayStr, true, "abc", "97.98.99"},
      {Syntax::ObjectId, false, "1.3.6", "3.1.3.6"},
      {Syntax::ObjectId, true, "1.3.6", "1.3.6"},
      {Syntax::Double, false, "1.5", "0.1073217536"},
      {Syntax::BcDateTime, false, "1899/12/31 12:00:00 am", "0.1072693248"},
      {Syntax::DateTime, false, "2008-11-10,13:5:7.0,+8:0", "7.216.11.10.13.5.7.0.43.8.0"},
  };
  for (const Index& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << syntaxKeyword(c.syntax) << (c.implied ? " implied " : " ") << c.value);
    MvSNMPVarList list = indexOf(c.syntax, c.implied);
    list.item(0).value = QString::fromLatin1(c.value);
    EXPECT_EQ(encodeIndexValue(list, 0), QString::fromLatin1(c.encoded));

    // Decoding takes what the column needs and hands back the rest; an implied column takes all.
    list.item(0).value = "previous";
    const QString suffix = QString::fromLatin1(c.encoded) + ".7.8";
    const QString rest =
        decodeIndexValue(list, 0, c.implied ? QString::fromLatin1(c.encoded) : suffix);
    EXPECT_EQ(list.item(0).value, QString::fromLatin1(c.value));
    EXPECT_EQ(rest, c.implied ? "" : "7.8");
  }
}

TEST(IndexValue, NullTakesNothing) {
  MvSNMPVarList list = indexOf(Syntax::Null, false);
  EXPECT_EQ(encodeIndexValue(list, 0), "");
  EXPECT_EQ(decodeIndexValue(list, 0, "7.8"), "7.8");
  EXPECT_EQ(list.item(0).value, "(NULL)");
  EXPECT_EQ(decodeIndexValue(list, 0, ""), "");
}

TEST(IndexValue, SubIdentifiersAboveAnOctetGiveTheirLowBits) {
  const Index cases[] = {
      {Syntax::OctetStr, false, "00FF", "2.256.511"},
      {Syntax::DisplayStr, true, "a", "353"},
      {Syntax::IpAddress, false, "0.1.2.255", "256.257.258.4294967295"},
      {Syntax::MacAddress, false, "000102030405", "256.257.258.259.260.261"},
      {Syntax::DateTime, false, "2008-11-10,13:5:7.0,+8:0",
       "263.472.267.266.269.261.263.256.299.264.256"},
  };
  for (const Index& c : cases) {
    SCOPED_TRACE(c.encoded);
    MvSNMPVarList list = indexOf(c.syntax, c.implied);
    EXPECT_EQ(decodeIndexValue(list, 0, QString::fromLatin1(c.encoded)), "");
    EXPECT_EQ(list.item(0).value, QString::fromLatin1(c.value));
  }
}

TEST(IndexValue, ShortHexTextsEncodeNothingForFixedSizes) {
  MvSNMPVarList mac = indexOf(Syntax::MacAddress, false);
  mac.item(0).value = "00055D0A0B";
  EXPECT_EQ(encodeIndexValue(mac, 0), "");
  mac.item(0).value = "00055D0A0B0C0D";  // only the first 6 octets
  EXPECT_EQ(encodeIndexValue(mac, 0), "0.5.93.10.11.12");
  MvSNMPVarList ipv6 = indexOf(Syntax::Ipv6Address, false);
  ipv6.item(0).value = "FE80";
  EXPECT_EQ(encodeIndexValue(ipv6, 0), "");
  // An implied IPv6 column still decodes whatever sub-identifiers the row index has.
  MvSNMPVarList implied = indexOf(Syntax::Ipv6Address, true);
  EXPECT_EQ(decodeIndexValue(implied, 0, "254.128"), "");
  EXPECT_EQ(implied.item(0).value, "FE80");
}

TEST(IndexValue, ImpliedCountsOnlyOnTheLastIndexColumn) {
  const SnmpVarDef defs[] = {
      {kOid, "name", Syntax::DisplayStr, Access::NotAccess | Access::Implied},
      {kOid, "user", Syntax::DisplayStr, Access::NotAccess | Access::Implied},
      {}};
  MvSNMPVarList list(defs, MVT_FMV, 2);
  const QString rest = decodeIndexValue(list, 0, "2.97.98.120.121");
  EXPECT_EQ(list.item(0).value, "ab");
  EXPECT_EQ(decodeIndexValue(list, 1, rest), "");
  EXPECT_EQ(list.item(1).value, "xy");
  EXPECT_EQ(encodeIndexValue(list, 0) + "." + encodeIndexValue(list, 1), "2.97.98.120.121");
}

struct Short {
  quint32 syntax;
  bool implied;
  const char* suffix;
};

TEST(IndexValue, ShortOrMalformedIndexRaisesBadKeyCount) {
  const Short cases[] = {
      {Syntax::Integer, false, ""},
      {Syntax::Boolean, false, ""},
      {Syntax::Counter64, false, "1"},
      {Syntax::IpAddress, false, "1.2.3"},
      {Syntax::MacAddress, false, "1.2.3.4.5"},
      {Syntax::Ipv6Address, false, "1.2.3.4.5.6.7.8.9.10.11.12.13.14.15"},
      {Syntax::Ipv6Address, true, ""},
      {Syntax::OctetStr, false, "5.1.2"},
      {Syntax::OctetStr, false, "4294967295.1"},
      {Syntax::OctetStr, true, ""},
      {Syntax::DisplayStr, false, "4.97.98.99"},
      {Syntax::ObjectId, false, "3.1.3"},
      {Syntax::ObjectId, true, ""},
      {Syntax::Double, false, "1"},
      {Syntax::BcDateTime, false, "0"},
      {Syntax::DateTime, false, "7.216.11.10.13.5.7.0.43.8"},
      // Not dotted decimal sub-identifiers of 32 bits.
      {Syntax::Integer, false, "1..2"},
      {Syntax::Integer, false, "abc"},
      {Syntax::Integer, false, "-1"},
      {Syntax::Integer, false, "4294967296"},
      {Syntax::Integer, false, " 1"},
      {Syntax::OctetStr, true, "1.2."},
  };
  for (const Short& c : cases) {
    SCOPED_TRACE(testing::Message() << syntaxKeyword(c.syntax) << " '" << c.suffix << "'");
    MvSNMPVarList list = indexOf(c.syntax, c.implied);
    list.item(0).value = "previous";
    try {
      decodeIndexValue(list, 0, QString::fromLatin1(c.suffix));
      ADD_FAILURE() << "no error raised";
    } catch (const MvException& e) {
      EXPECT_EQ(e.code(), MvCode::BadKeyCount);
    }
    EXPECT_EQ(list.item(0).value, "previous");
  }
}

// ---- syntaxes outside the table ----

TEST(ValueConversion, OtherSyntaxesRaiseBadSyntaxAndChangeNothing) {
  for (quint32 syntax : {0u, 7u, 63u, 78u, 192u, 193u, 194u, 195u, 196u, 197u, 198u, 999u}) {
    SCOPED_TRACE(syntax);
    MvSNMPVarList list = listOf(syntax, Access::NotAccess, nullptr, MVT_FMV, 1);
    list.item(0).value = "previous";
    const auto expectBadSyntax = [](const auto& call) {
      try {
        call();
        ADD_FAILURE() << "no error raised";
      } catch (const MvException& e) {
        EXPECT_EQ(e.code(), MvCode::BadSyntax);
      }
    };
    MvValue value = MvValue::integer(5);
    expectBadSyntax([&] { storeValue(list, 0, MvValue::integer(1)); });
    expectBadSyntax([&] { loadValue(list, 0, value); });
    expectBadSyntax([&] { decodeIndexValue(list, 0, "1.2.3"); });
    expectBadSyntax([&] { encodeIndexValue(list, 0); });
    expectBadSyntax([&] { valueTypeOfSyntax(syntax); });
    EXPECT_EQ(list.item(0).value, "previous");
    EXPECT_EQ(value, MvValue::integer(5));
  }
}

// ---- text forms ----

TEST(TextForms, TicksTextIsReadPartByPart) {
  const std::pair<const char*, quint32> cases[] = {
      {"1:02:03", 372000},  // seconds without "." do not count
      {"1:02:03.04", 372304},
      {"5 days, 1:00:00.00", 5 * 8640000 + 360000},
      {"1 day 0:00:00.01", 8640001},
      {"  2:3.4", 2 * 360000 + 300 + 4},  // hours, then seconds and hundredths
      {"12.5", 1205},                     // the hundredths are the number after "."
      {"", 0},
      {"garbage", 0},
      {"-5:00:00.00", 0},  // clamped at 0
      {"99999999999 days, 0:00:00.00", 4294967295u},
  };
  for (const auto& [text, ticks] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(ticksOfText(QString::fromLatin1(text)), ticks);
  }
}

TEST(TextForms, DecimalReadingSaturates) {
  EXPECT_EQ(readInteger("9223372036854775807"), std::numeric_limits<qint64>::max());
  EXPECT_EQ(readInteger("9223372036854775808"), std::numeric_limits<qint64>::max());
  EXPECT_EQ(readInteger("-9223372036854775808"), std::numeric_limits<qint64>::lowest());
  EXPECT_EQ(readInteger("-99999999999999999999999"), std::numeric_limits<qint64>::lowest());
  EXPECT_EQ(readInteger("\t 42 7"), 42);
  EXPECT_EQ(readInteger("- 1"), 0);
  EXPECT_TRUE(std::isnan(readDouble("nan")));
  EXPECT_EQ(readDouble("-inf"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(readDouble("."), 0.0);
  EXPECT_EQ(readDouble("5."), 5.0);
  EXPECT_EQ(readDouble(".5"), 0.5);
  EXPECT_EQ(readDouble("2e"), 2.0);
  EXPECT_EQ(readDouble("1e0000000000000000000002"), 100.0);
}

}  // namespace
