#include <gtest/gtest.h>

#include "mvsnmp/MvValue.h"

// Readable failure messages for texts.
static void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace {

struct OidCase {
  const char* text;
  bool valid;
  MvOid oid;
};

TEST(MvValue, OidTextIsParsedStrictly) {
  const OidCase cases[] = {
      {"1.3.6.1", true, {1, 3, 6, 1}},
      {".1.3", true, {1, 3}},
      {"", true, {}},
      {"4294967295", true, {4294967295u}},
      {"4294967296", false, {}},
      {"99999999999999999999999", false, {}},
      {"1..2", false, {}},
      {"1.2.", false, {}},
      {"..1", false, {}},
      {"1.a", false, {}},
      {"-1", false, {}},
      {" 1", false, {}},
      {"1.+2", false, {}},
  };
  for (const OidCase& c : cases) {
    SCOPED_TRACE(c.text);
    const std::optional<MvOid> oid = parseOid(QString::fromLatin1(c.text));
    ASSERT_EQ(oid.has_value(), c.valid);
    if (c.valid) {
      EXPECT_EQ(*oid, c.oid);
      EXPECT_EQ(oidText(*oid), QString::fromLatin1(c.text).mid(c.text[0] == '.' ? 1 : 0));
    }
  }
  EXPECT_EQ(oidText({1, 3, 6, 1, 2}, 3), "1.2");
  EXPECT_EQ(oidText({1, 3}, 5), "");
}

TEST(MvValue, OidsCompareBySubIdentifier) {
  EXPECT_LT(compareOids({1, 3, 6}, {1, 3, 10}), 0);  // not as text: 6 < 10
  EXPECT_LT(compareOids({1, 3}, {1, 3, 0}), 0);
  EXPECT_EQ(compareOids({1, 3}, {1, 3}), 0);
  EXPECT_GT(compareOids({2}, {1, 9, 9}), 0);
  EXPECT_GT(compareOids({4294967295u}, {0}), 0);
  EXPECT_TRUE(isOidPrefix({1, 3}, {1, 3, 6}));
  EXPECT_TRUE(isOidPrefix({}, {1}));
  EXPECT_TRUE(isOidPrefix({1, 3}, {1, 3}));
  EXPECT_FALSE(isOidPrefix({1, 3, 6}, {1, 3}));
  EXPECT_FALSE(isOidPrefix({1, 3, 1}, {1, 3, 10}));
}

}  // namespace
