#include <gtest/gtest.h>

#include <QStringList>
#include <string>

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

// OIDs are held inline up to MvOid::kInline sub-identifiers and on the heap beyond: both
// sides of that line, and an OID that grows across it, read, copy, move, order and print alike.
TEST(MvValue, OidsLongerThanTheInlineRoomBehaveAlike) {
  for (size_t length : {size_t{0}, size_t{1}, MvOid::kInline - 1, MvOid::kInline, MvOid::kInline + 1, size_t{128}}) {
    SCOPED_TRACE(length);
    QStringList parts;
    MvOid grown;
    for (size_t k = 0; k < length; ++k) {
      const quint32 arc = static_cast<quint32>(k * 2654435761u % 4294967295u);
      parts << QString::number(arc);
      grown.push_back(arc);
    }
    const QString text = parts.join(u'.');
    const std::optional<MvOid> parsed = parseOid(text);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(*parsed, grown);
    EXPECT_EQ(oidText(grown), text);
    QString reused = QStringLiteral("9.9.9.9.9.9.9.9.9.9.9.9.9.9.9.9.9.9.9.9.9.9.9.9.9.9.9.9.9.9");
    setOidText(reused, grown);
    EXPECT_EQ(reused, text);
    std::string out = "x ";
    appendOidText(out, grown);
    EXPECT_EQ(out, "x " + text.toStdString());

    MvOid copy = grown;
    EXPECT_EQ(copy, grown);
    MvOid moved = std::move(copy);
    EXPECT_EQ(moved, grown);
    copy = moved;  // assigned after the move
    EXPECT_EQ(copy, grown);
    MvOid longer = grown;
    longer.push_back(7);
    EXPECT_LT(compareOids(grown, longer), 0);
    EXPECT_TRUE(isOidPrefix(grown, longer));
    EXPECT_NE(longer, grown);
    MvOid joined = {1, 3};
    joined.insert(joined.end(), grown.begin(), grown.end());
    EXPECT_EQ(joined.size(), grown.size() + 2);
    EXPECT_TRUE(std::equal(grown.begin(), grown.end(), joined.begin() + 2));
  }
}

}  // namespace
