#include <gtest/gtest.h>

#include "mvsnmp/MvOptionList.h"

namespace {

const OptionSource kEnable[] = {{1, "disabled"}, {2, "enabled"}, {0, nullptr}};
const TextOptionSource kPorts[] = {
    {"80000000000000", "Port 1"}, {"00000040000000", "Port 26"}, {nullptr, nullptr}};
const TextOptionSource kPrefixes[] = {
    {"1.3.6.1.2.1", "mib-2"}, {"1.3.6.1.4.1", "enterprises"}, {nullptr, nullptr}};

struct Lookup {
  const MvOptionList* list;
  enum { LabelOf, ValueOf, IndexOfValue, IndexOfLabel } op;
  const char* input;
  QString expected;
};

TEST(MvOptionList, LookupsOfTheThreeKinds) {
  const MvOptionList numeric(kEnable);
  const MvOptionList text(kPorts, MvOptionList::Text);
  const MvOptionList textCase(kPorts, MvOptionList::Text, true);
  const MvOptionList prefix(kPrefixes, MvOptionList::TextPrefix);
  const Lookup cases[] = {
      {&numeric, Lookup::LabelOf, "2", "enabled"},
      {&numeric, Lookup::LabelOf, "3", "3"},
      {&numeric, Lookup::LabelOf, "(NULL)", "(NULL)"},
      {&numeric, Lookup::ValueOf, "ENABLED", "2"},
      {&numeric, Lookup::ValueOf, "unknown", "unknown"},
      {&numeric, Lookup::IndexOfValue, "(NULL)", "-1"},
      {&numeric, Lookup::IndexOfValue, "two", "-1"},
      {&numeric, Lookup::IndexOfValue, "99999999999", "-1"},
      {&numeric, Lookup::IndexOfValue, "1", "0"},
      {&numeric, Lookup::IndexOfLabel, "Disabled", "0"},
      {&text, Lookup::LabelOf, "80000000000000", "Port 1"},
      {&text, Lookup::ValueOf, "port 26", "00000040000000"},
      {&text, Lookup::LabelOf, "8000000000000", "8000000000000"},
      {&textCase, Lookup::IndexOfLabel, "port 1", "-1"},
      {&textCase, Lookup::IndexOfLabel, "Port 1", "0"},
      {&prefix, Lookup::LabelOf, "1.3.6.1.2.1.1", "mib-2.1"},
      {&prefix, Lookup::ValueOf, "enterprises.48213", "1.3.6.1.4.1.48213"},
      {&prefix, Lookup::LabelOf, "1.3.6.1.6", "1.3.6.1.6"},
      {&prefix, Lookup::IndexOfLabel, "MIB-2.5", "0"},
      {&prefix, Lookup::IndexOfLabel, "mib", "-1"},
  };
  for (const auto& c : cases) {
    QString got;
    switch (c.op) {
      case Lookup::LabelOf: got = c.list->labelOf(c.input); break;
      case Lookup::ValueOf: got = c.list->valueOf(c.input); break;
      case Lookup::IndexOfValue: got = QString::number(c.list->indexOfValue(c.input)); break;
      case Lookup::IndexOfLabel: got = QString::number(c.list->indexOfLabel(c.input)); break;
    }
    EXPECT_EQ(got, c.expected) << c.input;
  }
}

TEST(MvOptionList, AppendFillAndSelect) {
  MvOptionList list(kEnable);
  const OptionSource more[] = {{2, "duplicate"}, {7, "other"}, {0, nullptr}};
  list.append(more);
  list.append(static_cast<const OptionSource*>(nullptr));
  ASSERT_EQ(list.count(), 4);
  EXPECT_EQ(list.labelOf("2"), "enabled");  // the first entry with the value wins
  EXPECT_EQ(list.valueText(3), "7");
  QStringList items{"stale"};
  list.fillItems(items);
  EXPECT_EQ(items, (QStringList{"disabled", "enabled", "duplicate", "other"}));
  EXPECT_EQ(list.selectionIndex("other"), 3);
  EXPECT_EQ(list.selectionIndex("7"), 3);
  EXPECT_EQ(list.selectionIndex("nothing"), -1);
  const OptionSource empty[] = {{0, nullptr}};
  EXPECT_EQ(MvOptionList(empty).count(), 0);
}

}  // namespace
