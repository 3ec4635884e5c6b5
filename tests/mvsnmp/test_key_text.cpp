// The strict readers of typed instance parts and sized texts: what they take, the text they give
// back, and what they refuse (with the message the forms show).
#include <gtest/gtest.h>

#include "mvsnmp/MvKeyText.h"
#include "mvsnmp/MvSNMPVarList.h"

static void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {

struct Case {
  const char* typed;
  const char* read;  // nullptr: refused
};

void expectCases(const MvKeyRule& rule, std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    const std::optional<QString> got = MvKeyText::read(rule, QString::fromUtf8(c.typed));
    if (c.read)
      EXPECT_EQ(got, std::optional<QString>(QString::fromLatin1(c.read)));
    else
      EXPECT_FALSE(got.has_value()) << got->toStdString();
  }
}

}  // namespace

TEST(KeyTextTest, VlanIdsWithinTheirRangeOnly) {
  expectCases(MvKeyRule::number(Syntax::Guage, 1, 4094),
              {{"1", "1"}, {"4094", "4094"}, {" 10 ", "10"}, {"+10", "10"}, {"010", "10"}, {"abc", nullptr},
               {"", nullptr}, {"0", nullptr}, {"4095", nullptr}, {"5000", nullptr}, {"99999999999", nullptr},
               {"-1", nullptr}, {"1 0", nullptr}, {"10x", nullptr}, {"1e3", nullptr}});
}

TEST(KeyTextTest, NumbersKeepTheirSyntaxBoundsWithoutARange) {
  expectCases(MvKeyRule::of(Syntax::Guage), {{"0", "0"}, {"4294967295", "4294967295"}, {"4294967296", nullptr}});
  expectCases(MvKeyRule::of(Syntax::Integer),
              {{"-2147483648", "-2147483648"}, {"2147483648", nullptr}, {"999999999999999999999", nullptr}});
}

TEST(KeyTextTest, MacAddressesInTheFormsUsersPaste) {
  expectCases(MvKeyRule::of(Syntax::MacAddress),
              {{"01005e0000fb", "01005E0000FB"},
               {"00:01:02:03:04:05", "000102030405"},
               {"00-01-02-0a-0B-FF", "0001020A0BFF"},
               {"0:1:2:3:4:5", "000102030405"},
               {"0001.0203.0405", "000102030405"},
               {" 00:01:02:03:04:05 ", "000102030405"},
               {"000102030", nullptr},
               {"0001020304050", nullptr},
               {"00:01:02:03:04", nullptr},
               {"00:01-02:03:04:05", nullptr},
               {"00:01:02:03:04:0G", nullptr},
               {"000:01:02:03:04:05", nullptr},
               {"00::01:02:03:04", nullptr},
               {"001.0203.0405", nullptr},
               {"", nullptr}});
}

TEST(KeyTextTest, Ipv4DottedQuadsOnly) {
  expectCases(MvKeyRule::of(Syntax::IpAddress),
              {{"10.1.1.1", "10.1.1.1"}, {"192.168.001.1", "192.168.1.1"}, {" 10.0.0.1", "10.0.0.1"},
               {"abc", nullptr}, {"10.1.1", nullptr}, {"10.1.1.1.1", nullptr}, {"10.1.1.256", nullptr},
               {"10..1.1", nullptr}, {"10.1.1.-1", nullptr}, {"10.+1.1.1", nullptr}, {"10. 1.1.1", nullptr},
               {"", nullptr}});
}

TEST(KeyTextTest, TextsWithinTheirSize) {
  const QString longName(44, u'n');
  EXPECT_EQ(MvKeyText::read(MvKeyRule::text(0, 32), QString(32, u'n')), QString(32, u'n'));
  EXPECT_FALSE(MvKeyText::read(MvKeyRule::text(0, 32), longName));
  EXPECT_FALSE(MvKeyText::read(MvKeyRule::text(1, 32), QString()));
  EXPECT_FALSE(MvKeyText::read(MvKeyRule::text(0, 32), QStringLiteral("\u20AC")));  // no octet carries it
  EXPECT_EQ(MvKeyText::read(MvKeyRule::text(0, 32), QStringLiteral(" a ")), QStringLiteral(" a "));
}

TEST(KeyTextTest, RefusalNamesTheFieldTheTextAndTheForm) {
  EXPECT_EQ(MvKeyText::refusal("VLAN ID", "abc", MvKeyRule::number(Syntax::Guage, 1, 4094)),
            "VLAN ID \"abc\" is not a whole number from 1 to 4094.");
  EXPECT_EQ(MvKeyText::refusal("VLAN Name", "x", MvKeyRule::text(0, 32)),
            "VLAN Name \"x\" is not text of at most 32 characters (U+0000 to U+00FF).");
  EXPECT_TRUE(MvKeyText::refusal("DHCP Server IP", "abc", MvKeyRule::of(Syntax::IpAddress)).contains("IPv4 address"));
}
