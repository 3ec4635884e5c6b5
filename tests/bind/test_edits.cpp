// The edit binding: values into every control kind and back, edit groups of each multi-edit
// syntax, partial bytes, bit rows, prefix options, errors, Unbind, and the list view against
// kx760sim.
#include <QAbstractItemModel>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QWidget>
#include <QtTest/QTest>

#include "tests/bind/BindFixture.h"
#include "mvsnmp/MvOptionList.h"
#include "bind/MvSNMPRequest2Edits.h"

using bindtest::NoticeRecorder;

namespace {

const OptionSource kEnableSource[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const OptionSource kByteSource[] = {{0, "zero"}, {7, "seven"}, {0, nullptr}};
const TextOptionSource kPrefixSource[] = {
    {"1.3.6.1.2.1", "mib-2"}, {"1.3.6.1.4.1", "enterprises"}, {nullptr, nullptr}};
const MvOptionList kEnable(kEnableSource);
const MvOptionList kByte(kByteSource);
const MvOptionList kPrefix(kPrefixSource, MvOptionList::TextPrefix);

enum Item { Admin, Name, Mac, Ip, Up, When, Local, Ports, Oid, Flag, Num, Ipv6, Fixed, Prefixed };

const SnmpVarDef kItems[] = {
    {"1.1", "Admin", Syntax::Integer, Access::ReadWrite, &kEnable},
    {"1.2", "Name", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3", "Mac", Syntax::MacAddress, Access::ReadWrite},
    {"1.4", "Ip", Syntax::IpAddress, Access::ReadWrite},
    {"1.5", "Up", Syntax::TimeTicks, Access::ReadWrite},
    {"1.6", "When", Syntax::DateTime, Access::ReadWrite},
    {"1.7", "Local", Syntax::BcDateTime, Access::ReadWrite},
    {"1.8", "Ports", Syntax::OctetStr, Access::ReadWrite},
    {"1.9", "Oid", Syntax::ObjectId, Access::ReadWrite},
    {"1.10", "Flag", Syntax::Boolean, Access::ReadWrite},
    {"1.11", "Num", Syntax::Integer, Access::ReadWrite},
    {"1.12", "Ipv6", Syntax::Ipv6Address, Access::ReadWrite},
    {"1.13", "Fixed", Syntax::Integer, Access::ReadOnly},
    {"1.14", "Prefixed", Syntax::ObjectId, Access::ReadWrite, &kPrefix},
    {},
};

QStringList texts(const QList<QLineEdit*>& edits) {
  QStringList t;
  for (const QLineEdit* e : edits) t << e->text();
  return t;
}

class EditsTest : public ::testing::Test {
 protected:
  EditsTest() : binding(&form) {
    binding.Request().varList = MvSNMPVarList(kItems, SVT_SV, 0);
  }

  QString& value(int item) { return binding.Request().varList.item(item).value; }

  // n edits owned by the form.
  QList<QLineEdit*> edits(int n) {
    QList<QLineEdit*> list;
    for (int i = 0; i < n; ++i) list << new QLineEdit(&form);
    return list;
  }

  QWidget form;
  MvSNMPRequest2Edits binding;
};

TEST_F(EditsTest, LabelEditAndCheckBoxRoundTrips) {
  auto* label = new QLabel(&form);
  auto* name = new QLineEdit(&form);
  auto* flag = new QCheckBox(&form);
  auto* admin = new QCheckBox(&form);
  binding.BindControl(Num, label);
  binding.BindEdits(Name, "%s{l16}", {name});
  binding.BindControl(Flag, flag);
  binding.BindControl(Admin, admin);  // the item's option list: entry 0 unchecked, 1 checked
  value(Num) = "42";
  value(Name) = "core-switch";
  value(Flag) = "true";
  value(Admin) = "enabled";
  binding.ShowValues();
  EXPECT_EQ(label->text(), "42");
  EXPECT_EQ(name->text(), "core-switch");
  EXPECT_TRUE(flag->isChecked());
  EXPECT_TRUE(admin->isChecked());

  label->setText("43");
  name->setText("edge");
  flag->setChecked(false);
  admin->setChecked(false);
  binding.ReadControls();
  EXPECT_EQ(value(Num), "43");
  EXPECT_EQ(value(Name), "edge");  // rebuilt, not patched into the longer old text
  EXPECT_EQ(value(Flag), "false");
  EXPECT_EQ(value(Admin), "disabled");

  value(Admin) = "3";  // a raw value finds its entry too
  binding.ShowValues(Admin);
  EXPECT_TRUE(admin->isChecked());
}

TEST_F(EditsTest, ComboBoxAndRadioGroupSelectByLabelOrValue) {
  auto* combo = new QComboBox(&form);
  combo->setEditable(true);
  auto* radios = new QGroupBox(&form);
  binding.BindComboBox(Admin, combo);
  binding.BindControl(Admin, radios);
  EXPECT_FALSE(combo->isEditable());
  EXPECT_EQ(combo->count(), 2);
  EXPECT_EQ(combo->itemText(1), "enabled");
  QButtonGroup* group = radios->findChild<QButtonGroup*>();
  ASSERT_NE(group, nullptr);
  ASSERT_EQ(group->buttons().size(), 2);

  value(Admin) = "enabled";
  binding.ShowValues();
  EXPECT_EQ(combo->currentIndex(), 1);
  EXPECT_EQ(group->checkedId(), 1);

  // The radio group is bound last, so its selection is what ReadControls keeps.
  combo->setCurrentIndex(1);
  group->button(0)->setChecked(true);
  binding.ReadControls();
  EXPECT_EQ(value(Admin), "disabled");

  value(Admin) = "9";  // no entry: nothing selected, and the value is left as it was
  binding.ShowValues();
  EXPECT_EQ(combo->currentIndex(), -1);
  EXPECT_EQ(group->checkedId(), -1);
  binding.ReadControls();
  EXPECT_EQ(value(Admin), "9");
}

TEST_F(EditsTest, EditGroupsOfEachSyntax) {
  struct Case {
    Item item;
    int edits;
    const char* format;
    QString value;
    QStringList shown;
    int change;  // edit to change before reading back, -1 none
    QString changed;
    QString readBack;
  } cases[] = {
      {Mac, 6, "%h%h%h%h%h%h", "000A0B0C0D0E", {"00", "0A", "0B", "0C", "0D", "0E"}, 1, "", "00000B0C0D0E"},
      {Mac, 6, "%h%h%h%h%h%h", "000A0B0C0D0E", {"00", "0A", "0B", "0C", "0D", "0E"}, 5, "F", "000A0B0C0D0F"},
      {Ip, 4, "%u%u%u%u", "192.168.1.20", {"192", "168", "1", "20"}, 3, "21", "192.168.1.21"},
      {Up, 5, "%u%u%u%u%u", "1 day 1:00:01.23", {"1", "1", "0", "1", "23"}, -1, "", "1 day 1:00:01.23"},
      {Up, 5, "%u%u%u%u%u", "0:00:00.00", {"0", "0", "0", "0", "0"}, 0, "2", "2 days, 0:00:00.00"},
      {When, 10, "%u%u%u%u%u%u%u%s%u%u", "2008-11-10,13:5:7.3,+8:0",
       {"2008", "11", "10", "13", "5", "7", "3", "+", "8", "0"}, 8, "9", "2008-11-10,13:5:7.3,+9:0"},
      {Local, 7, "%u%u%u%u%u%u%u", "2008/11/10 01:05:07 pm",
       {"2008", "11", "10", "13", "5", "7", "0"}, 3, "9", "2008/11/10 09:05:07 am"},
      {Oid, 6, "%u%u%u%u%u%u", "1.3.6.1", {"1", "3", "6", "1", "", ""}, 4, "5", "1.3.6.1.5"},
      {Ports, 4, "%h%h%h%h", "0102", {"01", "02", "", ""}, -1, "", "01020000"},
      {Name, 2, "%s%s", "hello", {"hello", ""}, 1, " world", "hello world"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value.toStdString());
    binding.Unbind(c.item);
    const QList<QLineEdit*> group = edits(c.edits);
    for (QLineEdit* e : group) e->setText("stale");
    binding.BindEdits(c.item, c.format, group);
    value(c.item) = c.value;
    binding.ShowValues(c.item);
    EXPECT_EQ(texts(group), c.shown);
    if (c.change >= 0) group.at(c.change)->setText(c.changed);
    binding.ReadControls(c.item);
    EXPECT_EQ(value(c.item), c.readBack);
  }
}

TEST_F(EditsTest, NullLeavesFixedEditGroupsUntouched) {
  struct Case {
    Item item;
    int edits;
  } cases[] = {{Ip, 4}, {Up, 5}, {When, 10}, {Local, 7}, {Mac, 6}};
  for (const Case& c : cases) {
    const QList<QLineEdit*> group = edits(c.edits);
    for (QLineEdit* e : group) e->setText("7");
    binding.BindEdits(c.item, QString("%s").repeated(c.edits), group);
    value(c.item) = "(NULL)";
    binding.ShowValues(c.item);
    EXPECT_EQ(texts(group), QStringList(c.edits, "7")) << c.item;
  }
}

TEST_F(EditsTest, TooFewEditsForTheSyntax) {
  struct Case {
    Item item;
    int edits;
    QString value;
  } cases[] = {{Mac, 5, "000A0B0C0D0E"}, {Ip, 3, "1.2.3.4"}, {Up, 4, "0:00:00.01"},
               {When, 9, "2008-11-10,13:5:7.3"}, {Local, 6, "2008/11/10 01:05:07 pm"},
               {Ipv6, 15, "00000000000000000000000000000001"}, {Ports, 2, "010203"}};
  for (const Case& c : cases) {
    binding.BindEdits(c.item, QString("%s").repeated(c.edits), edits(c.edits));
    value(c.item) = c.value;
    EXPECT_EQ(bindtest::errorCode([&] { binding.ShowValues(c.item); }), -522) << c.item;
  }
}

TEST_F(EditsTest, PartialBytesWithTheirOwnSyntax) {
  auto* high = new QComboBox(&form);
  auto* low = new QComboBox(&form);
  value(Num) = "7";  // raw 07 00 00 00
  binding.BindPart(Num, 2, Syntax::UInt8, &kByte, high);
  binding.BindPart(Num, 0, Syntax::UInt8, &kByte, low);
  binding.ShowValues();
  EXPECT_EQ(high->currentText(), "zero");
  EXPECT_EQ(low->currentText(), "seven");
  high->setCurrentIndex(1);
  binding.ReadControls();
  EXPECT_EQ(value(Num), QString::number(0x00070007));

  const QList<QLineEdit*> word = edits(1);
  value(Ports) = "0102030405";
  binding.BindPartEdits(Ports, 1, Syntax::UInt16, nullptr, "%u", word);
  binding.ShowValues(Ports);
  EXPECT_EQ(word.front()->text(), "515");  // 02 03 in network order
  word.front()->setText("1");
  binding.ReadControls(Ports);
  EXPECT_EQ(value(Ports), "0100010405");

  value(Ports) = "0102";  // the piece at offset 1 needs 2 bytes
  EXPECT_EQ(bindtest::errorCode([&] { binding.ShowValues(Ports); }), -519);
}

// A part of an edit group, or a piece of a value in its own edit, that does not read strictly is
// named when its item is to be sent, and the item keeps its value: "300" is no octet, "abc" no 0.
TEST_F(EditsTest, PiecesAreReadStrictly) {
  struct Case {
    Item item;
    int edits;
    int offset;      // -1: an edit group over the whole value, else a UInt8 piece at that offset
    QString value;
    int change;
    QString typed;
    QString message;  // "" when it reads
  } cases[] = {
      {Ip, 4, -1, "10.1.1.1", 3, "abc", "Ip \"abc\" is not a whole number from 0 to 255."},
      {Ip, 4, -1, "10.1.1.1", 0, "300", "Ip \"300\" is not a whole number from 0 to 255."},
      {Ip, 4, -1, "10.1.1.1", 0, "", "Ip \"\" is not a whole number from 0 to 255."},
      {Mac, 6, -1, "000A0B0C0D0E", 2, "GG", "Mac \"GG\" is not an octet of one or two hexadecimal digits."},
      {Mac, 6, -1, "000A0B0C0D0E", 2, "123", "Mac \"123\" is not an octet of one or two hexadecimal digits."},
      {Ports, 1, 1, "01020304", 0, "300", "Ports \"300\" is not a whole number from 0 to 255."},
      {Ports, 1, 1, "01020304", 0, "-1", "Ports \"-1\" is not a whole number from 0 to 255."},
      {Ports, 1, 1, "01020304", 0, "x", "Ports \"x\" is not a whole number from 0 to 255."},
      {Ports, 1, 1, "01020304", 0, "255", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    binding.Unbind(c.item);
    const QList<QLineEdit*> group = edits(c.edits);
    if (c.offset < 0)
      binding.BindEdits(c.item, QString("%s").repeated(c.edits), group);
    else
      binding.BindPartEdits(c.item, c.offset, Syntax::UInt8, nullptr, "%s", group);
    value(c.item) = c.value;
    binding.ShowValues(c.item);
    group.at(c.change)->setText(c.typed);
    binding.ReadControls(c.item);
    if (c.message.isEmpty()) {
      EXPECT_EQ(value(c.item), "01FF0304");
      EXPECT_EQ(bindtest::errorCode([&] { binding.CheckValues(); }), 0);
      continue;
    }
    EXPECT_EQ(value(c.item), c.value);
    try {
      binding.CheckValues();
      ADD_FAILURE() << "not refused";
    } catch (const MvException& e) {
      EXPECT_EQ(e.code(), -511);
      EXPECT_TRUE(e.message().endsWith(c.message)) << e.message().toStdString();
    }
    // An item that is not sent never matters; shown again, its controls read anew.
    binding.Request().varList.item(c.item).access = Access::Invalid;
    EXPECT_EQ(bindtest::errorCode([&] { binding.CheckValues(); }), 0);
    binding.Request().varList.item(c.item).access = Access::ReadWrite;
    binding.ShowValues(c.item);
    EXPECT_EQ(bindtest::errorCode([&] { binding.CheckValues(); }), 0);
  }
}

TEST_F(EditsTest, BitRows) {
  QList<QCheckBox*> boxes;
  for (int i = 0; i < 3; ++i) boxes << new QCheckBox(&form);
  binding.BindBits(Ports, "0,1,9", boxes);
  value(Ports) = "8040";
  binding.ShowValues();
  EXPECT_TRUE(boxes[0]->isChecked());
  EXPECT_FALSE(boxes[1]->isChecked());
  EXPECT_TRUE(boxes[2]->isChecked());
  boxes[1]->setChecked(true);
  boxes[2]->setChecked(false);
  binding.ReadControls();
  EXPECT_EQ(value(Ports), "C000");

  value(Ports) = "80";  // bit 9 lies beyond the value; the boxes before it are shown
  EXPECT_EQ(bindtest::errorCode([&] { binding.ShowValues(); }), -519);
  EXPECT_TRUE(boxes[0]->isChecked());
  EXPECT_FALSE(boxes[1]->isChecked());
  boxes[2]->setChecked(true);
  binding.ReadControls();  // reading grows the value instead
  EXPECT_EQ(value(Ports), "8040");
}

TEST_F(EditsTest, BitRowsKeepTheBitsTheyDoNotShow) {
  auto* first = new QCheckBox(&form);
  auto* second = new QCheckBox(&form);
  binding.BindBits(Ports, "0", {first});
  binding.BindBits(Ports, "1", {second});
  value(Ports) = "FF01";
  binding.ShowValues();
  EXPECT_TRUE(first->isChecked());
  EXPECT_TRUE(second->isChecked());
  first->setChecked(false);
  binding.ReadControls();
  EXPECT_EQ(value(Ports), "7F01");
}

TEST_F(EditsTest, PrefixOptionWithASecondControl) {
  auto* combo = new QComboBox(&form);
  auto* rest = new QLineEdit(&form);
  binding.Bind(Prefixed, 0, Syntax::ObjectId, nullptr, combo, rest);
  value(Prefixed) = "1.3.6.1.4.1.48213";
  binding.ShowValues();
  EXPECT_EQ(combo->currentText(), "enterprises");
  EXPECT_EQ(rest->text(), "48213");
  binding.ReadControls();
  EXPECT_EQ(value(Prefixed), "enterprises.48213");

  combo->setCurrentIndex(0);
  rest->setText("1.1");
  binding.ReadControls();
  EXPECT_EQ(value(Prefixed), "mib-2.1.1");
}

TEST_F(EditsTest, BindErrors) {
  auto* combo = new QComboBox(&form);
  auto* button = new QPushButton(&form);
  auto* box = new QCheckBox(&form);
  EXPECT_EQ(bindtest::errorCode([&] { binding.BindComboBox(Num, combo); }), -520);
  EXPECT_EQ(bindtest::errorCode([&] { binding.BindControl(Num, new QGroupBox(&form)); }), -520);
  EXPECT_EQ(bindtest::errorCode([&] { binding.BindComboBox(Prefixed, combo); }), -522);
  EXPECT_EQ(bindtest::errorCode([&] { binding.BindControl(Num, button); }), -521);
  EXPECT_EQ(bindtest::errorCode([&] { binding.BindControl(99, box); }), -12);
  EXPECT_EQ(bindtest::errorCode([&] { binding.BindBits(Ports, "0,1", {box}); }), -522);
  EXPECT_EQ(bindtest::errorCode([&] { binding.BindEdits(Num, "%q", edits(1)); }), -2);
  EXPECT_EQ(binding.BindingCount(), 0);

  binding.BindControl(Num, box);  // a check box needs a truth-value syntax
  value(Num) = "1";
  EXPECT_EQ(bindtest::errorCode([&] { binding.ShowValues(); }), -517);
  EXPECT_EQ(bindtest::errorCode([&] { binding.ReadControls(); }), -517);
}

TEST_F(EditsTest, InvalidItemsAreNotShownAndReadOnlyItemsNotRead) {
  auto* fixed = new QLabel("before", &form);
  binding.BindControl(Fixed, fixed);
  value(Fixed) = "5";
  binding.Request().varList.item(Fixed).access |= Access::Invalid;
  binding.ShowValues();
  EXPECT_EQ(fixed->text(), "before");
  binding.Request().varList.item(Fixed).access &= ~Access::Invalid;
  binding.ShowValues();
  EXPECT_EQ(fixed->text(), "5");
  fixed->setText("6");
  binding.ReadControls();
  EXPECT_EQ(value(Fixed), "5");
}

TEST_F(EditsTest, OwnHandlersKeepWorkingAndUnbindRestores) {
  NoticeRecorder notices;
  auto* combo = new QComboBox(&form);
  auto* edit = new QLineEdit(&form);
  int comboChanges = 0;
  int editChanges = 0;
  QObject::connect(combo, &QComboBox::currentIndexChanged, [&] { ++comboChanges; });
  QObject::connect(edit, &QLineEdit::textChanged, [&] { ++editChanges; });
  binding.BindComboBox(Admin, combo);
  binding.BindEdits(Num, "%i{l4}", {edit});
  value(Admin) = "enabled";
  value(Num) = "12";
  comboChanges = editChanges = 0;
  binding.ShowValues();
  EXPECT_EQ(comboChanges, 1);
  EXPECT_EQ(editChanges, 1);
  QTest::keyClicks(edit, "a3");  // the constraint refuses the letter
  EXPECT_EQ(edit->text(), "123");
  EXPECT_EQ(notices.beeps.size(), 1u);
  EXPECT_EQ(edit->maxLength(), 4);

  binding.Unbind(Admin);
  binding.Unbind(Num);
  EXPECT_EQ(binding.BindingCount(), 0);
  EXPECT_FALSE(binding.Constraints().IsAttached(edit));
  value(Num) = "99";
  binding.ShowValues();
  EXPECT_EQ(edit->text(), "123");
  QTest::keyClicks(edit, "ab");  // no constraint any more
  EXPECT_EQ(edit->text(), "123ab");
  EXPECT_EQ(notices.beeps.size(), 1u);
  EXPECT_EQ(edit->maxLength(), 32767);
  comboChanges = 0;
  combo->setCurrentIndex(0);
  EXPECT_EQ(comboChanges, 1);
}

TEST_F(EditsTest, EnableControlsReachesEveryBoundControl) {
  auto* label = new QLabel(&form);
  const QList<QLineEdit*> group = edits(4);
  binding.BindControl(Num, label);
  binding.BindEdits(Ip, "%u%u%u%u", group);
  binding.EnableControls(false);
  EXPECT_FALSE(label->isEnabled());
  for (QLineEdit* e : group) EXPECT_FALSE(e->isEnabled());
  binding.EnableControls(true);
  EXPECT_TRUE(group.back()->isEnabled());
}

// ---- the list view against the simulator ----

const SnmpVarDef kForwarding[] = {
    {"1.3.6.1.2.1.17.4.3.1.1", "Address", Syntax::MacAddress, Access::ReadOnly},
    {"1.3.6.1.2.1.17.4.3.1.2", "Port", Syntax::Integer, Access::ReadOnly | Access::Hidden},
    {"1.3.6.1.2.1.17.4.3.1.3", "Status", Syntax::Integer, Access::ReadOnly},
    {},
};

class ListViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bindtest::targetAgent();
    binding = std::make_unique<MvSNMPRequest2Edits>(&form);
    binding->Request().varList = MvSNMPVarList(kForwarding, MVT_FMV, 0);
    view = new QTreeWidget(&form);
    view->setObjectName("LV_dot1dTpFdbEntry");
  }

  void refresh() {
    binding->Refresh();
    ASSERT_TRUE(bindtest::waitUntil([&] { return !binding->Busy(); }));
  }

  QWidget form;
  QTreeWidget* view = nullptr;
  std::unique_ptr<MvSNMPRequest2Edits> binding;
};

TEST_F(ListViewTest, ColumnsCarriedFirstThenShown) {
  binding->BindListView(view);
  ASSERT_EQ(view->columnCount(), 3);
  EXPECT_EQ(binding->ColumnItems(), std::vector<int>({1, 0, 2}));
  EXPECT_TRUE(view->isColumnHidden(0));
  EXPECT_FALSE(view->isColumnHidden(1));
  EXPECT_EQ(view->headerItem()->text(0), "Port");
  EXPECT_EQ(view->headerItem()->text(1), "Address");
  EXPECT_EQ(view->headerItem()->text(2), "Status");
  EXPECT_EQ(view->editTriggers(), QAbstractItemView::NoEditTriggers);
  EXPECT_EQ(view->selectionBehavior(), QAbstractItemView::SelectRows);

  // A view that already has enough columns keeps them.
  QTreeWidget other;
  other.setHeaderLabels({"a", "b", "c", "d"});
  binding->BindListView(&other);
  EXPECT_EQ(other.headerItem()->text(0), "a");
}

TEST_F(ListViewTest, RefreshFillsRowsAndSelectionFeedsTheControls) {
  auto* address = new QLabel(&form);
  auto* port = new QLineEdit(&form);
  binding->BindListView(view);
  binding->BindControl(0, address);
  binding->BindEdits(1, "%i", {port});
  refresh();
  ASSERT_EQ(view->topLevelItemCount(), bindtest::kForwardingEntries);
  EXPECT_EQ(view->topLevelItem(0)->text(0), "1");
  EXPECT_EQ(view->topLevelItem(0)->text(1), "021CF0000001");
  EXPECT_EQ(view->topLevelItem(4)->text(1), "021CF0000005");
  EXPECT_EQ(view->topLevelItem(4)->text(2), "3");
  // Following the selection: nothing selected, nothing to edit.
  EXPECT_FALSE(address->isEnabled());
  EXPECT_FALSE(port->isEnabled());

  view->setCurrentItem(view->topLevelItem(2));
  EXPECT_TRUE(address->isEnabled());
  EXPECT_TRUE(port->isEnabled());
  EXPECT_EQ(address->text(), "021CF0000003");
  EXPECT_EQ(port->text(), "3");
  EXPECT_EQ(binding->Request().varList.item(1).value, "3");

  // Deselecting changes nothing.
  view->clearSelection();
  EXPECT_EQ(address->text(), "021CF0000003");

  // A second refresh starts from an empty view.
  refresh();
  EXPECT_EQ(view->topLevelItemCount(), bindtest::kForwardingEntries);
}

// The view lays out every row it shows again after each batch: during a long walk a batch holds at
// least a quarter of the rows already shown (the last, flushed when the walk ends, may hold
// fewer), so the fill grows with the rows and not with their square; and the first rows show
// before the walk has ended.
TEST_F(ListViewTest, LongWalksReachTheViewInGrowingBatches) {
  constexpr int kRows = 10000;
  kxtest::SimAgent big;
  big.start({"--fdb-entries", std::to_string(kRows), "--led-period", "0"});
  kxtest::targetAgent(big);
  DeviceTarget.maxRepetitions = 0;  // a get-next walk: one row an answer, many batches
  binding = std::make_unique<MvSNMPRequest2Edits>(&form);
  DeviceTarget.maxRepetitions = -1;
  bindtest::targetAgent();
  binding->Request().varList = MvSNMPVarList(kForwarding, MVT_FMV, 0);
  binding->BindListView(view);
  std::vector<std::pair<int, int>> batches;  // rows shown before the batch, rows it added
  QObject::connect(view->model(), &QAbstractItemModel::rowsInserted, &form,
                   [&batches](const QModelIndex&, int first, int last) { batches.emplace_back(first, last - first + 1); });
  int shownWhileWalking = 0;
  ASSERT_TRUE(binding->Refresh());
  ASSERT_TRUE(bindtest::waitUntil(
      [&] {
        if (binding->Busy()) shownWhileWalking = view->topLevelItemCount();
        return !binding->Busy();
      },
      120000));
  ASSERT_EQ(view->topLevelItemCount(), kRows);
  EXPECT_GT(shownWhileWalking, 0);
  ASSERT_GE(batches.size(), 2u);
  for (size_t i = 0; i + 1 < batches.size(); ++i)
    EXPECT_GE(batches[i].second, batches[i].first / 4) << "batch " << i << " of " << batches.size();
}

TEST_F(ListViewTest, WithoutFollowSelectionControlsStayEnabled) {
  auto* address = new QLabel(&form);
  binding->BindListView(view, false);
  binding->BindControl(0, address);
  refresh();
  EXPECT_TRUE(address->isEnabled());
}

}  // namespace
