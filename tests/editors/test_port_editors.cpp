// The dedicated forms built on port grids, end to end against kx760sim: the VLAN static table
// (Add, Delete, Set with hidden ports), the VLAN current table, the IGMP router ports (Set, the
// one-operation guard, Stop, an apply that fails) and the guest VLAN. What the forms send is
// read from the agent's request log.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "tests/editors/EditorsFixture.h"
#include "editors/GuestVlanForm.h"
#include "editors/IGMPRouterPortsForm.h"
#include "bind/MvSNMPRequest2Edits.h"
#include "editors/VLanCurrentTableForm.h"
#include "editors/VlanStaticForm.h"
#include "widgets/PortUitFormUnit.h"

using editorstest::EditorsTest;
using formstest::waitUntil;

namespace {

const QString kStatic = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1.");
const QString kIgmp = QStringLiteral("1.3.6.1.4.1.48213.11.63.2.2.7.6.1.");
const QString kGuest = QStringLiteral("1.3.6.1.4.1.48213.12.30.1.");

QTreeWidgetItem* rowWith(QTreeWidget* view, int column, const QString& text) {
  for (int i = 0; i < view->topLevelItemCount(); ++i)
    if (view->topLevelItem(i)->text(column) == text) return view->topLevelItem(i);
  return nullptr;
}

void select(QTreeWidget* view, int column, const QString& text) {
  QTreeWidgetItem* row = rowWith(view, column, text);
  ASSERT_NE(row, nullptr) << text.toStdString();
  view->setCurrentItem(row);
}

// A click on the list view's empty space, below its rows.
void clickEmptySpace(QTreeWidget* view) {
  QWidget* area = view->viewport();
  QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(10, area->height() - 5));
}

QStringList memoLines(const QPlainTextEdit* memo) { return memo->toPlainText().split(u'\n', Qt::SkipEmptyParts); }

}  // namespace

// ---- VLAN static table ----

// The Add example: VLAN 10 with a name, egress ports 1 and 2 and untagged port 1 is created in one
// request of name, egress, untagged and createAndGo, in that order; the table is read again and
// the editor is empty.
TEST_F(EditorsTest, VlanStaticAddSendsOneRowInListOrder) {
  set("1.3.6.1.2.1.17.7.1.4.3.1.5.10", "i", "6");  // VLAN 10 out of the way
  auto form = open<TVlanStaticForm>();
  ASSERT_EQ(form->ListView()->topLevelItemCount(), 1);
  const int mark = log.lines();
  QTest::keyClicks(form->VlanIdEdit(), "10");
  QTest::keyClicks(form->VlanNameEdit(), "sales");
  tick(form->Grid(0), {1, 2});
  tick(form->Grid(2), {1});
  form->AddButton()->click();
  ASSERT_TRUE(waitUntil([&] { return form->ListView()->topLevelItemCount() == 2 && !form->TableBinding()->Busy(); }));

  const auto sets = log.of("set", mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].pairs(), QStringList({kStatic + "1.10=73616C6573", kStatic + "2.10=C0000000",
                                          kStatic + "4.10=80000000", kStatic + "5.10=4"}));
  EXPECT_EQ(get("1.3.6.1.2.1.17.7.1.4.3.1.1.10"), "sales");
  EXPECT_TRUE(form->VlanIdEdit()->text().isEmpty());
  EXPECT_TRUE(form->VlanNameEdit()->text().isEmpty());
  EXPECT_TRUE(ticked(form->Grid(0)).empty());
  EXPECT_EQ(form->CountText()->text(), "2");
  EXPECT_FALSE(form->Memo()->toPlainText().contains("failed"));
}

TEST_F(EditorsTest, VlanStaticAddOrDeleteWithAnEmptyFieldSendsNothing) {
  auto form = open<TVlanStaticForm>();
  const int mark = log.lines();
  QTest::keyClicks(form->VlanIdEdit(), "30");
  form->AddButton()->click();  // no name
  select(form->ListView(), 0, "10");
  form->VlanNameEdit()->clear();
  form->DeleteButton()->click();
  EXPECT_EQ(answers.warnings,
            QStringList({"Please fill the empty.", "Please select which entry you want to delete."}));
  EXPECT_TRUE(log.of("set", mark).empty());
  EXPECT_EQ(get("1.3.6.1.2.1.17.7.1.4.3.1.5.10"), "1");
}

// A selected row's port list ticks its boxes, hidden ones included; Set sends it back unchanged.
TEST_F(EditorsTest, VlanStaticSetKeepsEveryBitOfThePortList) {
  struct Case {
    const char* vlan;
    const char* egress;  // written on the agent first
    std::vector<int> boxes;
  };
  const Case cases[] = {
      {"1", "FFFFC000", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}},
      {"10", "F0000800", {1, 2, 3, 4, 21}},  // bit 20: box 21 is hidden on an 18-port switch
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.vlan);
    set("1.3.6.1.2.1.17.7.1.4.3.1.2." + std::string(c.vlan), "x", c.egress);
    auto form = open<TVlanStaticForm>();
    select(form->ListView(), 0, c.vlan);
    EXPECT_EQ(ticked(form->Grid(0)), c.boxes);
    EXPECT_FALSE(form->Grid(0)->PortCheckBoxes().at(20)->isVisible());
    const int mark = log.lines();
    form->SetButton()->click();
    ASSERT_TRUE(waitUntil([&] { return !form->TableBinding()->Busy() && !log.of("set", mark).empty(); }));
    const auto sets = log.of("set", mark);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_TRUE(sets[0].pairs().contains(kStatic + "2." + c.vlan + "=" + c.egress)) << sets[0].pairs().join(' ').toStdString();
    EXPECT_FALSE(sets[0].pairs().join(' ').contains("48213.11.63.2.2.19"));  // tagged ports are read-only
  }
  EXPECT_EQ(get("1.3.6.1.2.1.17.7.1.4.3.1.2.10"), "F0 00 08 00");
}

TEST_F(EditorsTest, VlanStaticRefreshLeavesNoRowSelected) {
  auto form = open<TVlanStaticForm>();
  select(form->ListView(), 0, "10");
  EXPECT_TRUE(form->SetButton()->isEnabled());
  EXPECT_TRUE(form->DeleteButton()->isEnabled());
  EXPECT_FALSE(form->AddButton()->isEnabled());
  form->RefreshButton()->click();
  ASSERT_TRUE(waitUntil([&] { return form->FirstRefreshDone() && form->ListView()->topLevelItemCount() == 2; }));
  EXPECT_TRUE(form->ListView()->selectedItems().isEmpty());
  EXPECT_FALSE(form->SetButton()->isEnabled());
  EXPECT_FALSE(form->DeleteButton()->isEnabled());
  EXPECT_TRUE(form->AddButton()->isEnabled());
  EXPECT_EQ(form->CountText()->text(), "2");
  EXPECT_EQ(form->NextFreeText()->text(), "4096");
}

// Delete writes destroy with the row's values; the VLAN leaves the static and the current table.
TEST_F(EditorsTest, VlanStaticDeleteDestroysTheRow) {
  auto form = open<TVlanStaticForm>();
  select(form->ListView(), 0, "10");
  const int mark = log.lines();
  form->DeleteButton()->click();
  ASSERT_TRUE(waitUntil([&] { return form->ListView()->topLevelItemCount() == 1 && !form->TableBinding()->Busy(); }));
  const auto sets = log.of("set", mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].pairs().last(), kStatic + "5.10=6");
  EXPECT_EQ(get("1.3.6.1.2.1.17.7.1.4.2.1.6.0.10"), "");
  EXPECT_EQ(get("1.3.6.1.2.1.17.7.1.4.1.0"), "1");  // dot1qVlanNumDeletes
}

// ---- VLAN current table ----

TEST_F(EditorsTest, VlanCurrentShowsTheSelectedVlansPorts) {
  auto form = open<TVLanCurrentTableForm>();
  EXPECT_EQ(form->CountText()->text(), "2");
  EXPECT_EQ(form->DeletesText()->text(), "0");
  select(form->ListView(), 1, "10");
  EXPECT_EQ(form->VlanIndexText()->text(), "10");
  EXPECT_EQ(ticked(form->Grid(0)), std::vector<int>({1, 2, 3, 4, 17, 18}));
  EXPECT_EQ(ticked(form->Grid(1)), std::vector<int>({1, 2, 3, 4}));
  clickEmptySpace(form->ListView());
  EXPECT_TRUE(form->ListView()->selectedItems().isEmpty());
  EXPECT_TRUE(ticked(form->Grid(0)).empty());
  EXPECT_TRUE(ticked(form->Grid(1)).empty());
  EXPECT_TRUE(form->VlanIndexText()->text().isEmpty());
  EXPECT_TRUE(log.of("set").empty());
}

// ---- IGMP router ports ----

// Set writes the static port list alone; the table is read again only after the apply has ended.
TEST_F(EditorsTest, IgmpSetWritesTheStaticPortsThenRefreshes) {
  auto form = open<TIGMPRouterPortsForm>();
  ASSERT_TRUE(form->DataComplete());
  select(form->ListView(), 0, "1");
  EXPECT_TRUE(form->SetButton()->isEnabled());
  EXPECT_EQ(ticked(form->Grid(0)), std::vector<int>({16}));
  EXPECT_EQ(ticked(form->Grid(1)), std::vector<int>({1}));
  EXPECT_TRUE(form->Grid(0)->PortCheckBoxes().at(16)->isEnabled());
  PortGrid::UncheckAll(form->Grid(0));
  tick(form->Grid(0), {17, 18});
  const int mark = log.lines();
  form->SetButton()->click();
  EXPECT_FALSE(form->DataComplete());
  ASSERT_TRUE(waitUntil([&] { return form->DataComplete(); }));

  const auto all = log.all();
  std::vector<kxtest::LoggedRequest> after(all.begin() + mark, all.end());
  ASSERT_FALSE(after.empty());
  EXPECT_EQ(after.front().pdu, "set");
  EXPECT_EQ(after.front().pairs(), QStringList({kIgmp + "3.1=0000C000"}));
  EXPECT_EQ(log.of("set", mark).size(), 1u);
  EXPECT_GE(log.startsOf(kIgmp + "2", mark), 1);  // the walk came after the set
  EXPECT_EQ(get("1.3.6.1.4.1.48213.11.63.2.2.7.6.1.3.1"), "00 00 C0 00");
  const QStringList lines = memoLines(form->Memo());
  ASSERT_GE(lines.size(), 2);
  EXPECT_TRUE(lines.at(lines.size() - 2).startsWith("Set: Ok")) << lines.join('\n').toStdString();
  EXPECT_TRUE(lines.last().startsWith("Get: Ok"));
  // VLAN 1 stays selected and shows its ports as read back.
  ASSERT_NE(form->ListView()->currentItem(), nullptr);
  EXPECT_EQ(form->ListView()->currentItem()->text(0), "1");
  EXPECT_TRUE(form->SetButton()->isEnabled());
  EXPECT_EQ(form->VlanIdText()->text(), "1");
  EXPECT_EQ(ticked(form->Grid(0)), std::vector<int>({17, 18}));
}

TEST_F(EditorsTest, IgmpRefreshTwiceStartsOneWalkAndStopsIt) {
  start({"--delay", "300"});
  auto form = open<TIGMPRouterPortsForm>();
  ASSERT_TRUE(form->DataComplete());
  const int mark = log.lines();
  form->GetButton()->click();
  // While the walk runs the button reads "Stop": the second click ends the walk, it starts none.
  EXPECT_EQ(form->GetButton()->text(), "Stop");
  form->GetButton()->click();
  EXPECT_FALSE(form->DataComplete());
  ASSERT_TRUE(waitUntil([&] { return form->DataComplete(); }));
  EXPECT_EQ(log.startsOf(kIgmp + "2", mark), 1);
  EXPECT_EQ(form->GetButton()->text(), "Refresh");
  // Pressed again, it reads the whole table.
  form->GetButton()->click();
  ASSERT_TRUE(waitUntil([&] { return form->DataComplete() && !form->GetButton()->text().startsWith("Stop"); }));
  EXPECT_EQ(log.startsOf(kIgmp + "2", mark), 2);
  EXPECT_EQ(form->ListView()->topLevelItemCount(), 2);
}

// A second Set while the first is out is refused with "Get data not complete" and sends nothing.
TEST_F(EditorsTest, IgmpSecondSetWhileOneIsOutIsRefused) {
  start({"--delay", "300"});
  auto form = open<TIGMPRouterPortsForm>();
  select(form->ListView(), 0, "10");
  const int mark = log.lines();
  form->SetButton()->click();
  form->btnSetClick();  // the row is still selected in the list
  form->GetButton()->click();
  EXPECT_EQ(answers.warnings, QStringList({"Get data not complete"}));
  ASSERT_TRUE(waitUntil([&] { return form->DataComplete(); }));
  EXPECT_EQ(log.of("set", mark).size(), 1u);
  EXPECT_EQ(log.startsOf(kIgmp + "2", mark), 1);  // the refresh after the apply, not the button's
}

// Stop ends a walk at its next answer with the rows read so far; Refresh works again afterwards.
TEST_F(EditorsTest, IgmpStopEndsTheWalk) {
  start({"--delay", "400"});
  DeviceTarget.maxRepetitions = 0;  // one get-next per row, so the walk can be stopped between rows
  auto form = open<TIGMPRouterPortsForm>();
  DeviceTarget.maxRepetitions = -1;
  ASSERT_EQ(form->ListView()->topLevelItemCount(), 2);
  form->GetButton()->click();
  form->StopButton()->click();
  ASSERT_TRUE(waitUntil([&] { return form->DataComplete(); }));
  EXPECT_LT(form->ListView()->topLevelItemCount(), 2);
  form->GetButton()->click();
  EXPECT_FALSE(form->DataComplete());
  ASSERT_TRUE(waitUntil([&] { return form->DataComplete(); }));
  EXPECT_EQ(form->ListView()->topLevelItemCount(), 2);
}

// An apply the agent never answers shows its error before the refresh that follows it.
TEST_F(EditorsTest, IgmpFailedSetKeepsItsError) {
  auto form = open<TIGMPRouterPortsForm>();
  form->Binding()->Request().writeCommunity = QStringLiteral("not-the-community");
  form->Binding()->Request().timeout = 30;
  select(form->ListView(), 0, "1");
  form->SetButton()->click();
  ASSERT_TRUE(waitUntil([&] { return form->DataComplete(); }));
  const QStringList lines = memoLines(form->Memo());
  ASSERT_GE(lines.size(), 3);
  EXPECT_TRUE(lines.at(lines.size() - 2).startsWith("Set: ")) << lines.join('\n').toStdString();
  EXPECT_FALSE(lines.at(lines.size() - 2).startsWith("Set: Ok"));
  EXPECT_TRUE(lines.last().startsWith("Get: Ok"));
}

// ---- guest VLAN ----

TEST_F(EditorsTest, GuestVlanSetSendsTheNameOnlyWhenItChanged) {
  struct Case {
    const char* deviceName;
    const char* typed;
    QStringList expected;
  };
  const Case cases[] = {
      {"guests", "guests", {kGuest + "2.0=800F0000"}},
      {"guests", "visitors", {kGuest + "1.0=76697369746F7273", kGuest + "2.0=800F0000"}},
      {"", "", {kGuest + "1.0=", kGuest + "2.0=800F0000"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    set("1.3.6.1.4.1.48213.12.30.1.1.0", "s", c.deviceName);
    set("1.3.6.1.4.1.48213.12.30.1.2.0", "x", "000F0000");
    auto form = open<TGuestVlanForm>();
    EXPECT_EQ(form->DeviceNameEdit()->text(), c.deviceName);
    form->NameEdit()->setText(QString::fromLatin1(c.typed));
    tick(form->Grid(), {1});
    const int mark = log.lines();
    form->SetButton()->click();
    ASSERT_TRUE(waitUntil([&] { return form->FirstRefreshDone(); }));
    const auto sets = log.of("set", mark);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].pairs(), c.expected);
    EXPECT_EQ(form->EditBinding()->Request().varList.item(0).access, Access::ReadWrite);
  }
}

TEST_F(EditorsTest, GuestVlanDeleteSendsOneVariableThenReadsAgain) {
  auto form = open<TGuestVlanForm>();
  EXPECT_EQ(form->NameEdit()->text(), "guests");
  const int mark = log.lines();
  form->DeleteButton()->click();
  ASSERT_TRUE(waitUntil([&] { return form->FirstRefreshDone(); }));
  const auto sets = log.of("set", mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].pairs(), QStringList({kGuest + "3.0=2"}));
  EXPECT_FALSE(log.of("get", mark).empty());
  EXPECT_TRUE(form->NameEdit()->text().isEmpty());  // the device removed it
  EXPECT_TRUE(ticked(form->Grid()).empty());
  EXPECT_TRUE(form->StatusPanel()->text().startsWith("Get: Ok")) << form->StatusPanel()->text().toStdString();
}
