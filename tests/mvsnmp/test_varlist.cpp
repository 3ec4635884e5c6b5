#include <gtest/gtest.h>

#include "mvsnmp/MvOptionList.h"
#include "mvsnmp/MvSNMPVarList.h"

// Readable failure messages for texts.
static void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace {

const OptionSource kEnable[] = {{1, "disabled"}, {2, "enabled"}, {0, nullptr}};
const MvOptionList kEnableList(kEnable);

const SnmpVarDef kPortTable[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.2.2.1.1", "Port", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.11.63.2.2.2.2.1.3", "State", Syntax::Integer, Access::ReadWrite,
     &kEnableList},
    {"1.3.6.1.4.1.48213.11.63.2.2.2.2.1.4", "Name", Syntax::DisplayStr, Access::ReadOnly, nullptr,
     "$1+1", nullptr, "note", "initial", "1.3.6.1.4.1.48213.11.63.2.2.2.2.1.4.7"},
    {},
};
const SnmpVarDef kEmpty[] = {{}};

TEST(MvSNMPVarList, BuildsItemsFromTheDefinitions) {
  const MvSNMPVarList list(kPortTable, MVT_FMV, 1);
  EXPECT_EQ(list.itemType(), MVT_FMV);
  EXPECT_EQ(list.keyCount(), 1);
  ASSERT_EQ(list.count(), 3);
  const SnmpVarItem& state = list.item(1);
  EXPECT_EQ(state.oid, "1.3.6.1.4.1.48213.11.63.2.2.2.2.1.3");
  EXPECT_EQ(state.label, "State");
  EXPECT_EQ(state.syntax, Syntax::Integer);
  EXPECT_EQ(state.access, Access::ReadWrite);
  EXPECT_EQ(state.options, &kEnableList);
  EXPECT_FALSE(state.readExpr.has_value());
  EXPECT_FALSE(state.reserved.has_value());
  EXPECT_TRUE(state.value.isEmpty());
  EXPECT_TRUE(state.currentOid.isEmpty());
  const SnmpVarItem& name = list.item(2);
  EXPECT_EQ(name.readExpr, QString("$1+1"));
  EXPECT_FALSE(name.writeExpr.has_value());
  EXPECT_EQ(name.reserved, QString("note"));
  EXPECT_EQ(name.value, "initial");
  EXPECT_EQ(name.currentOid, "1.3.6.1.4.1.48213.11.63.2.2.2.2.1.4.7");
  EXPECT_THROW(list.item(3), std::out_of_range);
}

TEST(MvSNMPVarList, EmptyArraysAndAppending) {
  MvSNMPVarList list(kEmpty, SVT_SV, 0);
  EXPECT_EQ(list.count(), 0);
  list.appendDefs(kPortTable);
  list.appendDefs(kEmpty);
  list.appendDefs(nullptr);
  ASSERT_EQ(list.count(), 3);
  list.appendDefs(kPortTable);
  ASSERT_EQ(list.count(), 6);
  EXPECT_EQ(list.item(0).label, "Port");
  EXPECT_EQ(list.item(3).label, "Port");
  EXPECT_EQ(list.item(5).label, "Name");

  const MvSNMPVarList empty;
  EXPECT_EQ(empty.count(), 0);
  EXPECT_EQ(empty.itemType(), SVT_SV);
  EXPECT_EQ(empty.keyCount(), 0);
}

TEST(MvSNMPVarList, AppendOidSuffixAddressesOneRow) {
  MvSNMPVarList list(kPortTable, MVT_SV, 0);
  list.appendOidSuffix("3");
  EXPECT_EQ(list.item(1).oid, "1.3.6.1.4.1.48213.11.63.2.2.2.2.1.3.3");
  EXPECT_EQ(list.item(2).oid, "1.3.6.1.4.1.48213.11.63.2.2.2.2.1.4.3");
}

struct Access4 {
  quint32 access;
  quint8 kind;
  int keyCount;  // the item stands at position 0
  bool readable, settable, shown, carried, implied;
};

TEST(MvSNMPVarList, PredicatesFollowTheAccessBits) {
  const Access4 cases[] = {
      {Access::ReadWrite, SVT_SV, 0, true, true, true, false, false},
      {Access::ReadOnly, SVT_SV, 0, true, false, true, false, false},
      {Access::WriteOnly, SVT_SV, 0, false, true, false, true, false},
      {Access::NotAccess, MVT_FMV, 1, false, true, true, false, false},
      {Access::NotAccess | Access::Implied, MVT_UMV, 1, false, true, true, false, true},
      // An index column counts as settable only in a table list.
      {Access::NotAccess, MVT_SV, 1, false, false, true, false, false},
      {Access::NotAccess, MVT_FMV, 0, false, false, true, false, false},
      {0, SVT_SV, 0, false, false, false, false, false},
      {Access::Derived, SVT_SV, 0, false, false, true, false, false},
      {Access::ReadWrite | Access::Hidden, SVT_SV, 0, true, true, false, true, false},
      {Access::ReadWrite | Access::Invalid, SVT_SV, 0, false, false, false, true, false},
      {Access::NotAccess | Access::Invalid, MVT_FMV, 1, false, false, false, true, false},
      {Access::WriteOnly | Access::Derived, SVT_SV, 0, false, true, true, false, false},
  };
  for (const Access4& c : cases) {
    SCOPED_TRACE(testing::Message() << "access " << c.access << " kind " << int(c.kind));
    const SnmpVarDef defs[] = {{"1.3.6.1.4.1.48213.1", "x", Syntax::Integer, c.access}, {}};
    const MvSNMPVarList list(defs, c.kind, c.keyCount);
    EXPECT_EQ(list.isReadable(0), c.readable);
    EXPECT_EQ(list.isSettable(0), c.settable);
    EXPECT_EQ(list.isShown(0), c.shown);
    EXPECT_EQ(list.isCarried(0), c.carried);
    EXPECT_EQ(list.isImpliedIndex(0), c.implied);
    EXPECT_EQ(list.shownCount(), c.shown ? 1 : 0);
    EXPECT_EQ(list.carriedCount(), c.carried ? 1 : 0);
  }
}

TEST(MvSNMPVarList, CopiesAreDeepButShareOptionLists) {
  MvSNMPVarList original(kPortTable, MVT_FMV, 1);
  original.item(1).value = "enabled";
  MvSNMPVarList copy(original);
  copy.item(1).value = "disabled";
  copy.item(1).access |= Access::Invalid;
  copy.appendOidSuffix("9");
  EXPECT_EQ(original.item(1).value, "enabled");
  EXPECT_EQ(original.item(1).access, Access::ReadWrite);
  EXPECT_EQ(original.item(1).oid, "1.3.6.1.4.1.48213.11.63.2.2.2.2.1.3");
  EXPECT_EQ(copy.item(1).options, original.item(1).options);

  // Assignment replaces kind, key count and items wholesale.
  MvSNMPVarList target(kEmpty, SVT_SV, 0);
  target.appendDefs(kPortTable);
  target.appendDefs(kPortTable);
  target = copy;
  EXPECT_EQ(target.itemType(), MVT_FMV);
  EXPECT_EQ(target.keyCount(), 1);
  ASSERT_EQ(target.count(), 3);
  EXPECT_EQ(target.item(1).value, "disabled");
  target.item(2).value = "changed";
  EXPECT_EQ(copy.item(2).value, "initial");
}

TEST(MvSNMPVarList, KeywordsOfCodes) {
  EXPECT_STREQ(syntaxKeyword(Syntax::Guage), "guage");
  EXPECT_STREQ(syntaxKeyword(Syntax::UInt16), "uint16");
  EXPECT_EQ(syntaxKeyword(7), nullptr);
  EXPECT_STREQ(itemTypeKeyword(MVT_UMV), "MVT_UMV");
  EXPECT_EQ(itemTypeKeyword(4), nullptr);
}

}  // namespace
