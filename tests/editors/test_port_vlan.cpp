// The port VLAN settings form end to end against kx760sim: PVIDs of several ports in one set, the
// PVID read strictly and checked against the static VLAN table before anything is sent, the offer
// to make the ports untagged members, frame types and filtering, and the agent's refusal named
// per port. What the form sends is read from the agent's request log.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "tests/editors/EditorsFixture.h"
#include "bind/MvSNMPRequest2Edits.h"
#include "editors/PortVlanForm.h"

using editorstest::EditorsTest;
using formstest::waitUntil;

namespace {

const QString kPortVlan = QStringLiteral("1.3.6.1.2.1.17.7.1.4.5.1.");
const QString kStatic = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1.");

QTreeWidgetItem* portRow(const TPortVlanForm& form, int port) {
  QTreeWidget* view = form.ListView();
  for (int i = 0; i < view->topLevelItemCount(); ++i)
    if (view->topLevelItem(i)->text(0) == QString::number(port)) return view->topLevelItem(i);
  return nullptr;
}

bool idle(const TPortVlanForm& form) { return form.FirstRefreshDone(); }

}  // namespace

TEST_F(EditorsTest, PortVlanListsEveryPortWithItsMemberships) {
  auto form = open<TPortVlanForm>();
  ASSERT_EQ(form->ListView()->topLevelItemCount(), 18);
  const QTreeWidgetItem* header = form->ListView()->headerItem();
  EXPECT_EQ(header->text(1), "PVID");
  EXPECT_EQ(header->text(TPortVlanForm::UntaggedColumn), "Untagged VLANs");
  EXPECT_EQ(header->text(TPortVlanForm::TaggedColumn), "Tagged VLANs");
  const QTreeWidgetItem* one = portRow(*form, 1);
  ASSERT_NE(one, nullptr);
  EXPECT_EQ(one->text(1), "10");
  EXPECT_EQ(one->text(2), "admitAll");
  EXPECT_EQ(one->text(TPortVlanForm::UntaggedColumn), "1,10");
  const QTreeWidgetItem* seventeen = portRow(*form, 17);
  ASSERT_NE(seventeen, nullptr);
  EXPECT_EQ(seventeen->text(TPortVlanForm::UntaggedColumn), "1");
  EXPECT_EQ(seventeen->text(TPortVlanForm::TaggedColumn), "10");
  EXPECT_EQ(form->CountText()->text(), "18");
}

// Ports 3 and 4 are untagged members of VLAN 10, port 5 is not: declining the offer sends the
// three PVIDs alone, in one request.
TEST_F(EditorsTest, PortVlanSetsThePvidOfSeveralPortsInOneSet) {
  auto form = open<TPortVlanForm>();
  answers.confirmAnswer = false;
  const int mark = log.lines();
  tick(form->Grid(), {3, 4, 5});
  QTest::keyClicks(form->PvidEdit(), "10");
  form->SetButton()->click();
  ASSERT_TRUE(waitUntil([&] { return !log.of("set", mark).empty() && idle(*form) && portRow(*form, 5) &&
                                     portRow(*form, 5)->text(1) == "10"; }));
  const auto sets = log.of("set", mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].pairs(), QStringList({kPortVlan + "1.3=10", kPortVlan + "1.4=10", kPortVlan + "1.5=10"}));
  EXPECT_EQ(answers.confirmations, QStringList({"Port 5 is not an untagged member of VLAN 10. Make it one as well?"}));
  EXPECT_EQ(get("1.3.6.1.2.1.17.7.1.4.5.1.1.5"), "10");
  EXPECT_EQ(get("1.3.6.1.2.1.17.7.1.4.3.1.4.10"), "F0 00 00 00");
}

// Accepting the offer writes the VLAN's egress and untagged ports before the PVIDs, in one set.
TEST_F(EditorsTest, PortVlanMakesThePortsUntaggedMembersWhenAsked) {
  auto form = open<TPortVlanForm>();
  answers.confirmAnswer = true;
  const int mark = log.lines();
  tick(form->Grid(), {5, 6});
  QTest::keyClicks(form->PvidEdit(), "10");
  form->SetButton()->click();
  ASSERT_TRUE(waitUntil([&] { return !log.of("set", mark).empty() && idle(*form) && portRow(*form, 6) &&
                                     portRow(*form, 6)->text(TPortVlanForm::UntaggedColumn) == "1,10"; }));
  const auto sets = log.of("set", mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].pairs(), QStringList({kStatic + "2.10=FC00C000", kStatic + "4.10=FC000000",
                                          kPortVlan + "1.5=10", kPortVlan + "1.6=10"}));
  EXPECT_EQ(get("1.3.6.1.2.1.17.7.1.4.5.1.1.6"), "10");
  EXPECT_EQ(get("1.3.6.1.2.1.17.7.1.4.3.1.4.10"), "FC 00 00 00");
}

// A PVID that does not read, or names a VLAN the static table lacks, is refused with nothing sent
// and the text left as typed.
TEST_F(EditorsTest, PortVlanRefusesABadPvidBeforeSending) {
  struct Case {
    const char* typed;
    const char* warning;
  };
  const Case cases[] = {
      {"77", "VLAN 77 is not in the static VLAN table. Create it there first."},
      {"0", "PVID \"0\" is not a whole number from 1 to 4094."},
      {"4095", "PVID \"4095\" is not a whole number from 1 to 4094."},
      {"10x", "PVID \"10x\" is not a whole number from 1 to 4094."},
  };
  auto form = open<TPortVlanForm>();
  tick(form->Grid(), {3});
  const int mark = log.lines();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    answers.warnings.clear();
    form->PvidEdit()->setText(QString::fromLatin1(c.typed));
    form->SetButton()->click();
    ASSERT_EQ(answers.warnings.size(), 1);
    EXPECT_TRUE(answers.warnings[0].startsWith(QString::fromLatin1(c.warning))) << answers.warnings[0].toStdString();
    EXPECT_EQ(form->PvidEdit()->text(), c.typed);
  }
  QTest::qWait(50);
  EXPECT_TRUE(log.of("set", mark).empty());
  EXPECT_EQ(get("1.3.6.1.2.1.17.7.1.4.5.1.1.3"), "10");
}

TEST_F(EditorsTest, PortVlanSetsFrameTypesAndFilteringWithoutAPvid) {
  auto form = open<TPortVlanForm>();
  const int mark = log.lines();
  tick(form->Grid(), {1, 2});
  form->FrameTypesCombo()->setCurrentText("admitOnlyVlanTagged");
  form->FilteringCombo()->setCurrentText("true");
  form->SetButton()->click();
  ASSERT_TRUE(waitUntil([&] { return !log.of("set", mark).empty() && idle(*form); }));
  const auto sets = log.of("set", mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].pairs(), QStringList({kPortVlan + "2.1=2", kPortVlan + "2.2=2", kPortVlan + "3.1=1",
                                          kPortVlan + "3.2=1"}));
  EXPECT_TRUE(answers.confirmations.isEmpty());
}

// VLAN 10 removed behind the form's back: the agent refuses the PVID and the memo names the port.
TEST_F(EditorsTest, PortVlanNamesThePortTheAgentRefused) {
  auto form = open<TPortVlanForm>();
  set("1.3.6.1.2.1.17.7.1.4.3.1.5.10", "i", "6");
  answers.confirmAnswer = false;
  const int mark = log.lines();
  tick(form->Grid(), {7});
  QTest::keyClicks(form->PvidEdit(), "10");
  form->SetButton()->click();
  ASSERT_TRUE(waitUntil([&] { return form->Memo()->toPlainText().contains("refused"); }));
  EXPECT_EQ(log.of("set", mark).size(), 1u);
  EXPECT_TRUE(form->Memo()->toPlainText().contains("Port 7 PVID 10: refused")) << form->Memo()->toPlainText().toStdString();
  EXPECT_EQ(get("1.3.6.1.2.1.17.7.1.4.5.1.1.7"), "1");
}
