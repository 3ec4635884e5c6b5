// The dedicated table editors end to end against kx760sim: static unicast and multicast filtering,
// the trusted hosts with their add dialog and address checks, the DHCP relay servers, and the
// forwarding table. What the forms send is read from the agent's request log.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "editors/BOOTCtrlTableForm.h"
#include "tests/editors/EditorsFixture.h"
#include "editors/ForwardingTableForm.h"
#include "editors/HostTableForm.h"
#include "bind/MvSNMPRequest2Edits.h"
#include "editors/StaticFilterForms.h"
#include "editors/TrustHostAddress.h"
#include "widgets/PortUitFormUnit.h"

using editorstest::EditorsTest;
using formstest::waitUntil;

namespace {

const QString kUnicast = QStringLiteral("1.3.6.1.2.1.17.7.1.3.1.1.");
const QString kMulticast = QStringLiteral("1.3.6.1.2.1.17.7.1.3.2.1.");
const QString kHost = QStringLiteral("1.3.6.1.4.1.48213.12.1.2.10.1.1.");
const QString kRelay = QStringLiteral("1.3.6.1.4.1.48213.12.42.3.1.1.");

void selectRow(QTreeWidget* view, std::initializer_list<QString> cells) {
  for (int i = 0; i < view->topLevelItemCount(); ++i) {
    QTreeWidgetItem* row = view->topLevelItem(i);
    int column = 0;
    bool match = true;
    for (const QString& cell : cells) match = match && row->text(column++) == cell;
    if (match) return view->setCurrentItem(row);
  }
  FAIL() << "no row " << QStringList(cells).join(' ').toStdString();
}

QStringList memoLines(const QPlainTextEdit* memo) { return memo->toPlainText().split(u'\n', Qt::SkipEmptyParts); }

}  // namespace

// ---- static unicast filtering ----

TEST_F(EditorsTest, UnicastAddChecksItsInputInOrder) {
  struct Case {
    std::initializer_list<int> ports;
    int status;  // combo entry: 0 other, 2 permanent
    const char* message;
  };
  const Case cases[] = {
      {{3, 5}, 2, "Allow To Go To Port just for one Port."},
      {{3}, 0, "Status must be Permanent."},
  };
  auto form = open<TUnicastFilterInformationForm>();
  const int mark = log.lines();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    answers.warnings.clear();
    QTest::keyClicks(form->VlanEdit(), "5");
    QTest::keyClicks(form->MacEdit(), "01020304AABB");
    tick(form->Grid(), c.ports);
    form->StatusCombo()->setCurrentIndex(c.status);
    form->AddButton()->click();
    EXPECT_EQ(answers.warnings, QStringList({c.message}));
    PortGrid::UncheckAll(form->Grid());
    form->VlanEdit()->clear();
    form->MacEdit()->clear();
  }
  form->StatusCombo()->setCurrentIndex(2);
  form->AddButton()->click();
  EXPECT_EQ(answers.warnings.last(), "Please fill the empty.");
  EXPECT_TRUE(log.of("set", mark).empty());

  // No port ticked: the row is written with four zero octets, then status permanent.
  QTest::keyClicks(form->VlanEdit(), "5");
  QTest::keyClicks(form->MacEdit(), "01020304AABB");
  form->StatusCombo()->setCurrentIndex(2);
  form->AddButton()->click();
  ASSERT_TRUE(waitUntil([&] { return form->ListView()->topLevelItemCount() == 4 && !form->Binding()->Busy(); }));
  const auto sets = log.of("set", mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].pairs(), QStringList({kUnicast + "3.5.1.2.3.4.170.187.0=00000000",
                                          kUnicast + "4.5.1.2.3.4.170.187.0=3"}));
  EXPECT_TRUE(form->VlanEdit()->text().isEmpty());
}

TEST_F(EditorsTest, UnicastDeleteSendsTheStatusInvalidAlone) {
  auto form = open<TUnicastFilterInformationForm>();
  selectRow(form->ListView(), {"1", "000102030405"});
  EXPECT_TRUE(form->VlanEdit()->isReadOnly());
  EXPECT_EQ(form->MacEdit()->text(), "000102030405");
  const int mark = log.lines();
  form->DeleteButton()->click();
  ASSERT_TRUE(waitUntil([&] { return form->ListView()->topLevelItemCount() == 2 && !form->Binding()->Busy(); }));
  const auto sets = log.of("set", mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].pairs(), QStringList({kUnicast + "4.1.0.1.2.3.4.5.0=2"}));
  EXPECT_FALSE(form->VlanEdit()->isReadOnly());
  EXPECT_EQ(form->Binding()->Request().varList.item(TStaticFilterForm::PortList).access, Access::ReadWrite);
}

// ---- static multicast filtering ----

// Add creates the row with its status alone and, once the agent has created it, writes its
// egress ports alone.
TEST_F(EditorsTest, MulticastAddSendsTwoRequestsInTurn) {
  auto form = open<TMulticastFilterInformationForm>();
  const int mark = log.lines();
  QTest::keyClicks(form->VlanEdit(), "1");
  QTest::keyClicks(form->MacEdit(), "01005E010203");
  tick(form->Grid(), {1, 2});
  form->AddButton()->click();
  ASSERT_TRUE(waitUntil([&] { return form->ListView()->topLevelItemCount() == 3 && !form->Binding()->Busy(); }));
  const auto sets = log.of("set", mark);
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(sets[0].pairs(), QStringList({kMulticast + "5.1.1.0.94.1.2.3.0=3"}));
  EXPECT_EQ(sets[1].pairs(), QStringList({kMulticast + "3.1.1.0.94.1.2.3.0=C0000000"}));
  EXPECT_EQ(get("1.3.6.1.2.1.17.7.1.3.2.1.3.1.1.0.94.1.2.3.0"), "C0 00 00 00");
}

// A row the agent did not create gets no egress request; the error shows, and the next Set
// sends both items again.
TEST_F(EditorsTest, MulticastAddStopsWhenTheRowIsNotCreated) {
  auto form = open<TMulticastFilterInformationForm>();
  const QString community = form->Binding()->Request().writeCommunity;
  form->Binding()->Request().writeCommunity = QStringLiteral("not-the-community");
  form->Binding()->Request().timeout = 30;
  const int mark = log.lines();
  QTest::keyClicks(form->VlanEdit(), "1");
  QTest::keyClicks(form->MacEdit(), "01005E010203");
  tick(form->Grid(), {1});
  form->AddButton()->click();
  ASSERT_TRUE(waitUntil([&] { return !form->Binding()->Busy() && !log.of("set", mark).empty(); }));
  ASSERT_TRUE(waitUntil([&] { return !form->Binding()->Busy(); }));
  for (const auto& set : log.of("set", mark))
    EXPECT_EQ(set.pairs(), QStringList({kMulticast + "5.1.1.0.94.1.2.3.0=3"}));  // tries of the first only
  const QStringList lines = memoLines(form->Memo());
  ASSERT_FALSE(lines.isEmpty());
  EXPECT_TRUE(lines.last().startsWith("Set: ") && !lines.last().startsWith("Set: Ok")) << lines.join('\n').toStdString();

  form->Binding()->Request().writeCommunity = community;
  selectRow(form->ListView(), {"10"});
  const int again = log.lines();
  form->SetButton()->click();
  ASSERT_TRUE(waitUntil([&] { return !log.of("set", again).empty() && !form->Binding()->Busy(); }));
  EXPECT_EQ(log.of("set", again).front().varbinds.size(), 2u);
}

TEST_F(EditorsTest, MulticastDeleteErrorIsShown) {
  auto form = open<TMulticastFilterInformationForm>();
  form->Binding()->Request().writeCommunity = QStringLiteral("not-the-community");
  form->Binding()->Request().timeout = 30;
  selectRow(form->ListView(), {"10"});
  form->DeleteButton()->click();
  ASSERT_TRUE(waitUntil([&] { return !form->Binding()->Busy(); }));
  EXPECT_TRUE(form->Memo()->toPlainText().contains("Set: ")) << form->Memo()->toPlainText().toStdString();
  EXPECT_FALSE(form->Memo()->toPlainText().contains("Set: Ok"));
  EXPECT_EQ(form->Binding()->Request().varList.item(TStaticFilterForm::PortList).access, Access::ReadWrite);
}

// The delete's click does not wait for the agent: it returns with the write out, and the table
// is read again once the agent has answered.
TEST_F(EditorsTest, MulticastDeleteReadsTheTableAgainOnceAnswered) {
  start({"--delay", "200"});
  auto form = open<TMulticastFilterInformationForm>();
  const int rows = form->ListView()->topLevelItemCount();
  selectRow(form->ListView(), {"10"});
  const int mark = log.lines();
  form->DeleteButton()->click();
  EXPECT_TRUE(form->Binding()->Busy());
  EXPECT_EQ(form->Binding()->LastOperation(), MvSNMPRequest2Controls::Operation::Set) << "the click waited for the agent";
  const auto walked = [&] { return !log.of("getbulk", mark).empty() || !log.of("getnext", mark).empty(); };
  ASSERT_TRUE(waitUntil([&] { return form->Settled() && walked(); }));
  const auto sets = log.of("set", mark);
  ASSERT_EQ(sets.size(), 1u);
  ASSERT_EQ(sets[0].pairs().size(), 1);
  EXPECT_TRUE(sets[0].pairs().front().startsWith(kMulticast + "5.10.")) << sets[0].pairs().front().toStdString();
  EXPECT_EQ(form->ListView()->topLevelItemCount(), rows - 1);
}

// ---- trusted hosts ----

TEST(TrustHostAddressTest, ChecksGiveTheDevicesMessages) {
  struct Case {
    const char* address;
    const char* plausibility;
    const char* syntax;
  };
  const Case cases[] = {
      {"10.1.2.3", "", ""},
      {"224.0.0.1", "Please input a valid ip", ""},
      {"223.1.1.1", "Please input a valid ip", ""},
      {"248.1.1.1", "", ""},
      {"127.0.0.1", "you can't input ip address like 127.*.*.*", ""},
      {"255.255.255.255", "you can't input this ip address", ""},
      {"0.0.0.0", "you can't input this ip address", ""},
      {"host", "Please input a valid ip", "Please input a valid ip"},
      {"a.1.1.1", "Please input a valid ip", "Please input a valid ip"},
      {"1.2.3", "", "Please input a valid ip"},
      {"1..2.3", "", "Please input a valid IP"},
      {".1.2.3", "Please input a valid ip", "Please input a valid IP"},
      {"1.2.3.", "", "Please input a valid IP"},
      {"1.2.3.04x", "", "Please input a valid ip"},
      {"10.0.0.1", "", ""},
      {"192.168.001.1", "", ""},
      {"10.00.0.1", "", "Please input a valid ip"},
      {"10.0.0.00", "", "Please input a valid ip"},
      {"10.256.0.1", "", "Please input a valid ip"},
      {"10.1.2.3.4", "", "Please input a valid ip"},
      {"1.2.3.4567", "", "Please input a valid ip"},
      {"1.2.3.0255", "", ""},  // only octets a "." closes have the three-character rule
      {"1.2.0255.3", "", "Please input a valid ip"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.address);
    EXPECT_EQ(TrustHostAddress::plausibilityError(QString::fromLatin1(c.address)), c.plausibility);
    EXPECT_EQ(TrustHostAddress::syntaxError(QString::fromLatin1(c.address)), c.syntax);
  }
}

TEST_F(EditorsTest, TrustHostAddSendsAddressAndCreateAndGo) {
  struct Case {
    const char* index;
    const char* address;
    bool mask;
    const char* maskText;
    const char* message;  // "" when the add goes through
    QStringList pairs;
  };
  const Case cases[] = {
      {"5", "224.0.0.1", false, "", "Please input a valid ip", {}},
      {"5", "127.0.0.1", false, "", "you can't input ip address like 127.*.*.*", {}},
      {"5", "10.1.2.3", true, "", "you have choosed the Trust Host IP Subnet Mask,it can't be empty", {}},
      {"5", "10.1.2.3", false, "", "", {kHost + "2.5=10.1.2.3", kHost + "3.5=4"}},
      {"6", "10.1.2.4", true, "255.255.0.0", "", {kHost + "2.6=10.1.2.4", kHost + "3.6=4", kHost + "4.6=255.255.0.0"}},
  };
  auto form = open<THostTableForm>();
  ASSERT_EQ(form->ListView()->topLevelItemCount(), 3);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.address) + (c.mask ? " with mask" : ""));
    answers.warnings.clear();
    const int mark = log.lines();
    answers.onDialog = [&](QDialog& d) {
      auto& dialog = dynamic_cast<THostTableEditForm&>(d);
      QTest::keyClicks(dialog.IndexEdit(), c.index);
      QTest::keyClicks(dialog.IpEdit(), c.address);
      QTest::keyClicks(dialog.SubnetEdit(), c.maskText);
      dialog.IpCheck()->setChecked(true);
      dialog.SubnetCheck()->setChecked(c.mask);
      dialog.SetButton()->click();
      EXPECT_EQ(dialog.isVisible(), *c.message != 0);  // a refused entry keeps the dialog open
    };
    form->AddButton()->click();
    ASSERT_TRUE(waitUntil([&] { return form->FirstRefreshDone(); }));
    if (*c.message) {
      EXPECT_EQ(answers.warnings, QStringList({c.message}));
      EXPECT_TRUE(log.of("set", mark).empty());
      continue;
    }
    ASSERT_TRUE(waitUntil([&] { return log.startsOf(kHost + "2", mark) > 0 && form->FirstRefreshDone(); }));
    const auto sets = log.of("set", mark);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].pairs(), c.pairs);
    EXPECT_EQ(form->Binding()->Request().varList.item(THostTableForm::Mask).access, Access::ReadWrite);
  }
  EXPECT_EQ(form->ListView()->topLevelItemCount(), 5);
  EXPECT_EQ(form->CountText()->text(), "5");
}

// Delete writes destroy alone; a refused delete is shown, and the next add sends the address again.
TEST_F(EditorsTest, TrustHostDeleteSendsTheRowStatusAlone) {
  auto form = open<THostTableForm>();
  form->DeleteButton()->click();
  EXPECT_TRUE(answers.warnings.isEmpty());  // disabled without a row: the click does nothing
  form->DeleteButtonClick();
  EXPECT_EQ(answers.warnings, QStringList({"Choose the item first."}));

  const QString community = form->Binding()->Request().writeCommunity;
  form->Binding()->Request().writeCommunity = QStringLiteral("not-the-community");
  form->Binding()->Request().timeout = 30;
  selectRow(form->ListView(), {"2"});
  form->DeleteButton()->click();
  ASSERT_TRUE(waitUntil([&] { return form->FirstRefreshDone() && form->Memo()->toPlainText().contains("Set: "); }));
  EXPECT_FALSE(form->Memo()->toPlainText().contains("Set: Ok"));
  form->Binding()->Request().writeCommunity = community;

  int mark = log.lines();
  selectRow(form->ListView(), {"2"});
  form->DeleteButton()->click();
  ASSERT_TRUE(waitUntil([&] { return form->ListView()->topLevelItemCount() == 2 && form->FirstRefreshDone(); }));
  auto sets = log.of("set", mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].pairs(), QStringList({kHost + "3.2=6"}));

  mark = log.lines();
  answers.onDialog = [&](QDialog& d) {
    auto& dialog = dynamic_cast<THostTableEditForm&>(d);
    QTest::keyClicks(dialog.IndexEdit(), "7");
    QTest::keyClicks(dialog.IpEdit(), "10.7.7.7");
    dialog.SetButton()->click();
  };
  form->AddButton()->click();
  ASSERT_TRUE(waitUntil([&] { return !log.of("set", mark).empty() && form->FirstRefreshDone(); }));
  EXPECT_EQ(log.of("set", mark).front().pairs(), QStringList({kHost + "2.7=10.7.7.7", kHost + "3.7=4"}));
}

// ---- DHCP relay ----

TEST_F(EditorsTest, DhcpRelayAllowsFourServersPerInterface) {
  auto form = open<TBOOTCtrlTableForm>();
  ASSERT_TRUE(form->DataComplete());
  ASSERT_EQ(form->ServersOf("System"), 4);
  const int mark = log.lines();
  struct Case {
    const char* interfaceName;
    const char* server;
    bool refused;
  };
  const Case cases[] = {{"System", "10.1.1.5", true}, {"vlan10", "10.10.0.2", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.interfaceName);
    answers.warnings.clear();
    answers.onDialog = [&](QDialog& d) {
      auto& dialog = dynamic_cast<TNewBootpCtrlForm&>(d);
      EXPECT_EQ(dialog.windowTitle(), "New DHCP Control: 127.0.0.1");
      QTest::keyClicks(dialog.InterfaceEdit(), c.interfaceName);
      QTest::keyClicks(dialog.ServerEdit(), c.server);
      dialog.SetButton()->click();
    };
    form->AddButton()->click();
    ASSERT_TRUE(waitUntil([&] { return form->DataComplete(); }));
    EXPECT_EQ(answers.warnings.size(), c.refused ? 1 : 0);
  }
  EXPECT_EQ(answers.warnings, QStringList());
  const auto sets = log.of("set", mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].pairs(), QStringList({kRelay + "3.6.118.108.97.110.49.48.10.10.0.2=4"}));
  EXPECT_EQ(form->ServersOf("vlan10"), 2);
}

TEST_F(EditorsTest, DhcpRelayRefusesToCloseDuringAWalkUntilStopped) {
  start({"--delay", "300"});
  DeviceTarget.maxRepetitions = 0;
  auto form = open<TBOOTCtrlTableForm>();
  DeviceTarget.maxRepetitions = -1;
  ASSERT_TRUE(form->DataComplete());
  form->RefreshButton()->click();
  form->close();
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(answers.warnings, QStringList({"Get data not complete"}));
  form->StopButton()->click();
  ASSERT_TRUE(waitUntil([&] { return form->DataComplete(); }));
  form->close();
  EXPECT_FALSE(form->isVisible());
}

TEST_F(EditorsTest, DhcpRelayDeleteSendsOneVariable) {
  auto form = open<TBOOTCtrlTableForm>();
  selectRow(form->ListView(), {"System", "10.1.1.2"});
  const int mark = log.lines();
  form->DeleteButton()->click();
  EXPECT_FALSE(form->DataComplete());
  ASSERT_TRUE(waitUntil([&] { return form->DataComplete(); }));
  const auto sets = log.of("set", mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].pairs(), QStringList({kRelay + "3.6.83.121.115.116.101.109.10.1.1.2=6"}));
  EXPECT_EQ(form->ListView()->topLevelItemCount(), 4);
  EXPECT_GE(log.startsOf(kRelay + "3", mark), 1);  // read again after the set
}

// ---- forwarding table ----

// 10,000 learned addresses arrive row by row while the window stays usable.
TEST_F(EditorsTest, ForwardingTableFillsAsItsWalkProceeds) {
  start({"--fdb-entries", "10000"});
  auto form = std::make_unique<TForwarding_Table>(nullptr);
  EXPECT_EQ(form->windowTitle(), " Transparent Bridge Forwarding Table: 127.0.0.1");
  form->show();
  int partial = 0;
  ASSERT_TRUE(waitUntil(
      [&] {
        const int rows = form->ListView()->topLevelItemCount();
        if (rows > 0 && rows < 10000) partial = rows;
        return form->FirstRefreshDone();
      },
      120000));
  EXPECT_GT(partial, 0);
  EXPECT_EQ(form->ListView()->topLevelItemCount(), 10000);
  EXPECT_TRUE(form->StatusPanel()->text().startsWith("Get: Ok")) << form->StatusPanel()->text().toStdString();
  EXPECT_EQ(form->ListView()->topLevelItem(0)->text(0), "021CF0000001");
}
