// Arbitrary answers, row indexes and typed texts to the value conversions and to MvDateTime: none
// may crash or trip a sanitizer, errors are only the documented ones, and what the conversions
// produce reads back to itself.
#include <gtest/gtest.h>

#include "tests/mvsnmp/FuzzInput.h"
#include "mvsnmp/MvDateTime.h"
#include "mvsnmp/MvError.h"
#include "mvsnmp/MvOptionList.h"
#include "mvsnmp/MvValueConversion.h"

static void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace {

constexpr quint32 kSyntaxes[] = {
    Syntax::Boolean,   Syntax::Integer,    Syntax::BitStr,     Syntax::OctetStr,
    Syntax::Null,      Syntax::ObjectId,   Syntax::IpAddress,  Syntax::Counter,
    Syntax::Guage,     Syntax::TimeTicks,  Syntax::Opaque,     Syntax::NsapAddr,
    Syntax::Counter64, Syntax::UInteger,   Syntax::Double,     Syntax::MacAddress,
    Syntax::DateTime,  Syntax::BcDateTime, Syntax::DisplayStr, Syntax::Ipv6Address,
    Syntax::Bool8,     Syntax::Int16,      Syntax::UInt16,     0u};

constexpr MvValueType kTypes[] = {
    MvValueType::Integer,        MvValueType::OctetString, MvValueType::Null,
    MvValueType::ObjectId,       MvValueType::IpAddress,   MvValueType::Counter32,
    MvValueType::Gauge32,        MvValueType::TimeTicks,   MvValueType::Opaque,
    MvValueType::Counter64,      MvValueType::UInteger32,  MvValueType::NoSuchObject,
    MvValueType::NoSuchInstance, MvValueType::EndOfMibView};

const OptionSource kEnable[] = {{1, "disabled"}, {2, "enabled"}, {-1, "minus one"}, {0, nullptr}};
const MvOptionList kEnableList(kEnable);

quint32 anySyntax(FuzzInput& in) {
  return kSyntaxes[in.number(std::size(kSyntaxes) - 1)];
}

quint32 anySubId(FuzzInput& in) {
  switch (in.number(3)) {
    case 0:
      return in.number(0xFFFFFFFFu);
    case 1:
      return in.number(300);
    default:
      return in.number(20);
  }
}

MvValue anyValue(FuzzInput& in) {
  MvValue v;
  v.type = kTypes[in.number(std::size(kTypes) - 1)];
  v.number = (static_cast<quint64>(anySubId(in)) << 32) | anySubId(in);
  if (in.number(1)) v.number = static_cast<quint64>(-static_cast<qint64>(in.number(5)));
  v.octets = in.bytes(in.number(1) ? 12 : 40);
  for (unsigned k = in.number(6); k > 0; --k) v.oid.push_back(anySubId(in));
  return v;
}

// A table list whose item 0 is its only (last) index column. Integer items sometimes carry an
// option list of enumerated values, as in the catalogue.
MvSNMPVarList listOf(FuzzInput& in, quint32 syntax) {
  const bool implied = in.number(1) == 0;
  const bool enumerated = syntax == Syntax::Integer || syntax == Syntax::Counter ||
                          syntax == Syntax::Guage || syntax == Syntax::UInteger;
  const MvOptionList* options = enumerated && in.number(1) == 0 ? &kEnableList : nullptr;
  const SnmpVarDef defs[] = {
      {"1.3.6.1.4.1.48213.1", "item", syntax,
       Access::NotAccess | Access::ReadWrite | (implied ? Access::Implied : 0), options},
      {}};
  return MvSNMPVarList(defs, MVT_FMV, 1);
}

void expectCode(const MvException& e, quint32 syntax, int allowed) {
  if (isValueSyntax(syntax))
    ASSERT_EQ(e.code(), allowed) << "syntax " << syntax;
  else
    ASSERT_EQ(e.code(), MvCode::BadSyntax) << "syntax " << syntax;
}

TEST(Fuzz, AnswersToStoreValue) {
  FuzzInput in(11);
  in.run([&](long) {
    const quint32 syntax = anySyntax(in);
    MvSNMPVarList list = listOf(in, syntax);
    list.item(0).value = "previous";
    try {
      storeValue(list, 0, anyValue(in));
    } catch (const MvException& e) {
      expectCode(e, syntax, 0);
      ASSERT_EQ(list.item(0).value, "previous");
      return;
    }
    // A text that storeValue shows reads back to itself through a set's value.
    const QString shown = list.item(0).value;
    if (shown == QLatin1String(NullValueText)) return;
    MvValue sent;
    loadValue(list, 0, sent);
    storeValue(list, 0, sent);
    ASSERT_EQ(list.item(0).value, shown) << "syntax " << syntax;
  });
}

TEST(Fuzz, RowIndexesToDecodeIndexValue) {
  FuzzInput in(12);
  in.run([&](long) {
    const quint32 syntax = anySyntax(in);
    MvSNMPVarList list = listOf(in, syntax);
    list.item(0).value = "previous";
    QString suffix;
    if (in.number(3) == 0) {
      suffix = in.text("0123456789.-+ a", 40);
    } else {
      QStringList parts;
      for (unsigned k = in.number(20); k > 0; --k) parts << QString::number(anySubId(in));
      suffix = parts.join(u'.');
    }
    QString rest;
    try {
      rest = decodeIndexValue(list, 0, suffix);
    } catch (const MvException& e) {
      expectCode(e, syntax, MvCode::BadKeyCount);
      ASSERT_EQ(list.item(0).value, "previous");
      return;
    }
    // What is handed back is the tail of the index.
    const std::optional<MvOid> all = parseOid(suffix);
    const std::optional<MvOid> tail = parseOid(rest);
    ASSERT_TRUE(all && tail);
    ASSERT_LE(tail->size(), all->size());
    ASSERT_TRUE(std::equal(tail->begin(), tail->end(), all->end() - static_cast<qsizetype>(tail->size())));
  });
}

TEST(Fuzz, TypedTextsToLoadValueAndEncodeIndexValue) {
  // Syntaxes whose index encoding reads back to the same sub-identifiers.
  const auto reEncodes = [](quint32 s) {
    return s != Syntax::Double && s != Syntax::DateTime && s != Syntax::IpAddress &&
           s != Syntax::NsapAddr && s != Syntax::Null;
  };
  FuzzInput in(13);
  in.run([&](long) {
    const quint32 syntax = anySyntax(in);
    MvSNMPVarList list = listOf(in, syntax);
    list.item(0).value = in.text("0123456789abcdefABCDEF.:,- +e/(NULL)daysnapmtrue", 40);
    MvValue value;
    QString encoded;
    try {
      loadValue(list, 0, value);
      encoded = encodeIndexValue(list, 0);
    } catch (const MvException& e) {
      // A typed text that is not a valid form of its syntax is refused, never read in part.
      expectCode(e, syntax, MvCode::BadSyntax);
      return;
    }
    ASSERT_TRUE(parseOid(encoded).has_value()) << encoded.toStdString();
    if (encoded.isEmpty()) return;
    // An encoded column is used up whole by decoding.
    ASSERT_EQ(decodeIndexValue(list, 0, encoded), "") << "syntax " << syntax;
    if (reEncodes(syntax)) {
      ASSERT_EQ(encodeIndexValue(list, 0), encoded) << "syntax " << syntax;
    }
  });
}

TEST(Fuzz, DateTimeTextsAndOctets) {
  FuzzInput in(14);
  in.run([&](long) {
    const MvDateTime parsed(in.text("0123456789-,:.+ ", 40));
    const QString text = parsed.toText();
    ASSERT_EQ(MvDateTime(text).toText(), text);

    const QByteArray octets = in.bytes(14);
    const std::optional<MvDateTime> read = MvDateTime::fromOctets(octets);
    ASSERT_EQ(read.has_value(), octets.size() >= MvDateTime::OctetCount);
    if (read) {
      ASSERT_EQ(read->toOctets(), octets.left(MvDateTime::OctetCount));
      (void)read->toText();
    }
  });
}

TEST(Fuzz, TextFormHelpers) {
  FuzzInput in(15);
  in.run([&](long) {
    const QString text = in.text("0123456789.:,-+ eEinfnaday", 30);
    (void)ticksOfText(text);
    (void)readInteger(text);
    (void)counter64OfText(text);
    (void)bcDateTimeOfText(text);
    const double x = readDouble(text);
    (void)bcDateTimeText(x);
    const QByteArray octets = octetsOfHex(in.text("0123456789abcdefABCDEF xg", 30));
    ASSERT_EQ(octetsOfHex(hexText(octets)), octets);
  });
}

}  // namespace
