// What the dedicated editors do with what the user types and ticks, end to end against kx760sim:
// keys read strictly before anything is sent (and kept when refused), the port pages of a VLAN
// written as they show, failed writes that keep the input, Delete that asks first, the edited
// row still selected after Set, and read-only grids that cannot be ticked. What reached the agent
// is read from its request log. With KX_EDITOR_SHOTS naming a directory, the VLAN Static window is
// rendered there after a refused Add and after a tagged Set, and the VLAN Current Table with a row.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "editors/BOOTCtrlTableForm.h"
#include "tests/editors/EditorsFixture.h"
#include "editors/GuestVlanForm.h"
#include "editors/HostTableForm.h"
#include "bind/MvSNMPRequest2Edits.h"
#include "editors/StaticFilterForms.h"
#include "editors/VLanCurrentTableForm.h"
#include "editors/VlanStaticForm.h"

using editorstest::EditorsTest;
using formstest::waitUntil;

namespace {

const QString kStatic = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1.");
const QString kUnicast = QStringLiteral("1.3.6.1.2.1.17.7.1.3.1.1.");
const QString kHost = QStringLiteral("1.3.6.1.4.1.48213.12.1.2.10.1.1.");
const QString kRelay = QStringLiteral("1.3.6.1.4.1.48213.12.42.3.1.1.");

void selectRow(QTreeWidget* view, int column, const QString& text) {
  ASSERT_TRUE(FormParts::SelectRowWithText(view, column, text)) << text.toStdString();
}

// The user's click on box `number` of a grid (a click, not the program's setChecked).
void click(const TPortUitForm* grid, int number) { grid->PortCheckBoxes().at(number - 1)->click(); }

void shoot(QWidget* window, const char* name) {
  const QString dir = qEnvironmentVariable("KX_EDITOR_SHOTS");
  if (dir.isEmpty()) return;
  QDir().mkpath(dir);
  EXPECT_TRUE(window->grab().save(dir + u'/' + QLatin1String(name)));
}

// Every way the agent can refuse a write here: the write community is wrong and the request
// times out quickly.
void refuseWrites(MvSNMPRequest2Edits* binding) {
  binding->Request().writeCommunity = QStringLiteral("not-the-community");
  binding->Request().timeout = 30;
}

}  // namespace

// ---- keys read strictly ----

// A VLAN ID that is no VLAN, or a name longer than the object holds, is refused before anything is
// sent; the message names the field and the text, and every field keeps what was typed.
TEST_F(EditorsTest, VlanStaticRefusesIdsOutsideOneTo4094AndLongNames) {
  struct Case {
    const char* id;
    QString name;
    QString message;
  };
  const QString longName(44, u'n');
  const Case cases[] = {
      {"abc", "sales", "VLAN ID \"abc\" is not a whole number from 1 to 4094."},
      {"0", "sales", "VLAN ID \"0\" is not a whole number from 1 to 4094."},
      {"4095", "sales", "VLAN ID \"4095\" is not a whole number from 1 to 4094."},
      {"5000", "sales", "VLAN ID \"5000\" is not a whole number from 1 to 4094."},
      {"99999999999", "sales", "VLAN ID \"99999999999\" is not a whole number from 1 to 4094."},
      {"20", longName,
       QStringLiteral("VLAN Name \"%1\" is not text of at most 32 characters (U+0000 to U+00FF).").arg(longName)},
  };
  auto form = open<TVlanStaticForm>();
  const int mark = log.lines();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    answers.warnings.clear();
    form->VlanIdEdit()->setText(QString::fromLatin1(c.id));
    form->VlanNameEdit()->setText(c.name);
    tick(form->Grid(0), {3});
    form->AddButton()->click();
    EXPECT_EQ(answers.warnings, QStringList({c.message}));
    EXPECT_EQ(form->VlanIdEdit()->text(), c.id);
    EXPECT_EQ(form->VlanNameEdit()->text(), c.name);
    EXPECT_EQ(ticked(form->Grid(0)), std::vector<int>({3}));
  }
  shoot(form.get(), "vlan-static-refused-add.png");
  EXPECT_TRUE(log.of("set", mark).empty());
  EXPECT_EQ(form->ListView()->topLevelItemCount(), 2);
}

// The static filters: a VID beyond 4094 and a MAC address of 9 digits are refused with nothing
// sent; a MAC address pasted with separators is sent as its six octets.
TEST_F(EditorsTest, FilterKeysAreReadStrictly) {
  auto form = open<TUnicastFilterInformationForm>();
  const int mark = log.lines();
  struct Case {
    const char* vid;
    const char* mac;
    const char* message;
  };
  const Case cases[] = {
      {"5000", "01020304AABB", "VID \"5000\" is not a whole number from 1 to 4094."},
      {"5", "01020304A",
       "MAC Address \"01020304A\" is not a MAC address of 12 hexadecimal digits (separated by \":\", \"-\" or "
       "\".\" or not at all)."},
  };
  form->StatusCombo()->setCurrentIndex(2);  // permanent
  for (const Case& c : cases) {
    SCOPED_TRACE(c.vid);
    answers.warnings.clear();
    form->VlanEdit()->setText(QString::fromLatin1(c.vid));
    form->MacEdit()->setText(QString::fromLatin1(c.mac));
    form->AddButton()->click();
    EXPECT_EQ(answers.warnings, QStringList({QString::fromLatin1(c.message)}));
    EXPECT_EQ(form->VlanEdit()->text(), c.vid);
    EXPECT_EQ(form->MacEdit()->text(), c.mac);
  }
  EXPECT_TRUE(log.of("set", mark).empty());

  form->VlanEdit()->setText("5");
  QTest::keyClicks(form->MacEdit(), "");
  form->MacEdit()->clear();
  QTest::keyClicks(form->MacEdit(), "01:02:03:04:aa:bb");  // pasted with separators
  form->AddButton()->click();
  ASSERT_TRUE(waitUntil([&] { return form->ListView()->topLevelItemCount() == 4 && !form->Binding()->Busy(); }));
  const auto sets = log.of("set", mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].pairs().last(), kUnicast + "4.5.1.2.3.4.170.187.0=3");
}

// The DHCP relay dialog: a server address that is not a dotted quad, or an empty interface name,
// is refused; nothing is sent, the dialog stays open with the input, and the form takes requests.
TEST_F(EditorsTest, DhcpRelayRefusesServersThatAreNoAddress) {
  auto form = open<TBOOTCtrlTableForm>();
  const int mark = log.lines();
  struct Case {
    const char* interfaceName;
    const char* server;
    const char* message;
  };
  const Case cases[] = {
      {"vlan10", "abc", "DHCP Server IP \"abc\" is not an IPv4 address of four numbers from 0 to 255 separated by dots."},
      {"vlan10", "10.1.1", "DHCP Server IP \"10.1.1\" is not an IPv4 address of four numbers from 0 to 255 separated by dots."},
      {"", "10.1.1.9", "Interface Name \"\" is not text of 1 to 110 characters (U+0000 to U+00FF)."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.server);
    answers.warnings.clear();
    answers.onDialog = [&](QDialog& d) {
      auto& dialog = dynamic_cast<TNewBootpCtrlForm&>(d);
      QTest::keyClicks(dialog.InterfaceEdit(), c.interfaceName);
      QTest::keyClicks(dialog.ServerEdit(), c.server);
      dialog.SetButton()->click();
      EXPECT_TRUE(dialog.isVisible());
      EXPECT_EQ(dialog.InterfaceEdit()->text(), c.interfaceName);
      EXPECT_EQ(dialog.ServerEdit()->text(), c.server);
    };
    form->AddButton()->click();
    EXPECT_EQ(answers.warnings, QStringList({QString::fromLatin1(c.message)}));
    EXPECT_TRUE(form->DataComplete());
  }
  EXPECT_TRUE(log.of("set", mark).empty());
}

// The trusted-host dialog sends the address whether or not its box is ticked: a typed address
// that is no address is refused even then, and the dialog stays open. "1.2.3.0255" passes the
// device's checks (its last number is judged by value alone) and goes out as 1.2.3.255.
TEST_F(EditorsTest, TrustHostAddressesAreReadStrictlyWhateverTheBox) {
  auto form = open<THostTableForm>();
  struct Case {
    const char* index;
    const char* address;
    bool ipBox;
    const char* message;  // "" when sent
  };
  const Case cases[] = {
      {"5", "10.1.2.300", false,
       "Trust Host IP Address \"10.1.2.300\" is not an IPv4 address of four numbers from 0 to 255 separated by dots."},
      {"", "10.1.2.3", true, "Trust Host Index \"\" is not a whole number from 1 to 10."},
      {"5", "1.2.3.0255", true, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.address);
    answers.warnings.clear();
    const int mark = log.lines();
    answers.onDialog = [&](QDialog& d) {
      auto& dialog = dynamic_cast<THostTableEditForm&>(d);
      QTest::keyClicks(dialog.IndexEdit(), c.index);
      QTest::keyClicks(dialog.IpEdit(), c.address);
      dialog.IpCheck()->setChecked(c.ipBox);
      dialog.SetButton()->click();
      EXPECT_EQ(dialog.isVisible(), *c.message != 0);
      if (*c.message) {
        EXPECT_EQ(dialog.IpEdit()->text(), c.address);
      }
    };
    form->AddButton()->click();
    ASSERT_TRUE(waitUntil([&] { return form->FirstRefreshDone(); }));
    if (*c.message) {
      EXPECT_EQ(answers.warnings, QStringList({c.message}));
      EXPECT_TRUE(log.of("set", mark).empty());
    } else {
      EXPECT_TRUE(answers.warnings.isEmpty()) << answers.warnings.join('\n').toStdString();
      const auto sets = log.of("set", mark);
      ASSERT_EQ(sets.size(), 1u);
      EXPECT_EQ(sets[0].pairs(), QStringList({kHost + "2.5=1.2.3.255", kHost + "3.5=4"}));
    }
  }
}

// Typing a mask ticks its row: the mask goes out with the address, not dropped behind "Set: Ok".
TEST_F(EditorsTest, TrustHostTypedMaskTicksItsRow) {
  auto form = open<THostTableForm>();
  const int mark = log.lines();
  answers.onDialog = [&](QDialog& d) {
    auto& dialog = dynamic_cast<THostTableEditForm&>(d);
    EXPECT_FALSE(dialog.SubnetCheck()->isChecked());
    QTest::keyClicks(dialog.IndexEdit(), "8");
    QTest::keyClicks(dialog.IpEdit(), "10.8.8.8");
    QTest::keyClicks(dialog.SubnetEdit(), "255.255.255.0");
    EXPECT_TRUE(dialog.IpCheck()->isChecked());
    EXPECT_TRUE(dialog.SubnetCheck()->isChecked());
    dialog.SetButton()->click();
  };
  form->AddButton()->click();
  ASSERT_TRUE(waitUntil([&] { return !log.of("set", mark).empty() && form->FirstRefreshDone(); }));
  EXPECT_EQ(log.of("set", mark).front().pairs(),
            QStringList({kHost + "2.8=10.8.8.8", kHost + "3.8=4", kHost + "4.8=255.255.255.0"}));
}

// ---- the port pages of a VLAN ----

// Tagged is egress and not untagged: a tick on Tagged makes the port a member that is not
// untagged, a member taken off Egress leaves Untagged too. Set sends what the pages show, and the
// re-read shows it again on the same, still selected, VLAN.
TEST_F(EditorsTest, VlanStaticTaggedTickWritesAMemberThatIsNotUntagged) {
  auto form = open<TVlanStaticForm>();
  selectRow(form->ListView(), 0, "10");
  ASSERT_EQ(ticked(form->Grid(TVlanStaticForm::Egress)), std::vector<int>({1, 2, 3, 4, 17, 18}));
  ASSERT_EQ(ticked(form->Grid(TVlanStaticForm::Tagged)), std::vector<int>({17, 18}));
  ASSERT_EQ(ticked(form->Grid(TVlanStaticForm::Untagged)), std::vector<int>({1, 2, 3, 4}));

  click(form->Grid(TVlanStaticForm::Tagged), 5);
  click(form->Grid(TVlanStaticForm::Egress), 1);
  click(form->Grid(TVlanStaticForm::Untagged), 17);
  EXPECT_EQ(ticked(form->Grid(TVlanStaticForm::Egress)), std::vector<int>({2, 3, 4, 5, 17, 18}));
  EXPECT_EQ(ticked(form->Grid(TVlanStaticForm::Tagged)), std::vector<int>({5, 18}));
  EXPECT_EQ(ticked(form->Grid(TVlanStaticForm::Untagged)), std::vector<int>({2, 3, 4, 17}));

  const int mark = log.lines();
  form->SetButton()->click();
  ASSERT_TRUE(waitUntil([&] {
    return !log.of("set", mark).empty() && form->FirstRefreshDone() && form->ListView()->currentItem() &&
           form->ListView()->currentItem()->isSelected();
  }));
  const auto sets = log.of("set", mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].pairs(), QStringList({kStatic + "1.10=656E67696E656572696E67", kStatic + "2.10=7800C000",
                                          kStatic + "4.10=70008000", kStatic + "5.10=1"}))
      << sets[0].pairs().join(' ').toStdString();
  EXPECT_EQ(form->ListView()->currentItem()->text(0), "10");
  EXPECT_EQ(form->VlanIdEdit()->text(), "10");
  EXPECT_TRUE(form->SetButton()->isEnabled());
  EXPECT_EQ(ticked(form->Grid(TVlanStaticForm::Egress)), std::vector<int>({2, 3, 4, 5, 17, 18}));
  EXPECT_EQ(ticked(form->Grid(TVlanStaticForm::Tagged)), std::vector<int>({5, 18}));  // as the device reads it
  EXPECT_EQ(ticked(form->Grid(TVlanStaticForm::Untagged)), std::vector<int>({2, 3, 4, 17}));
  EXPECT_EQ(get("1.3.6.1.4.1.48213.11.63.2.2.19.1.1.7.10"), "08 00 40 00");
  form->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(TVlanStaticForm::Tagged);
  shoot(form.get(), "vlan-static-after-tagged-set.png");
}

// ---- failed writes keep the input ----

// A VLAN the agent refuses to create leaves the fields and ticks as typed and the error in the
// memo, without a walk's remark on the set's error.
TEST_F(EditorsTest, VlanStaticFailedAddKeepsTheInput) {
  auto form = open<TVlanStaticForm>();
  refuseWrites(form->TableBinding());
  const int mark = log.lines();
  const int status = form->StatusCombo()->currentIndex();
  QTest::keyClicks(form->VlanIdEdit(), "30");
  QTest::keyClicks(form->VlanNameEdit(), "lab");
  tick(form->Grid(TVlanStaticForm::Egress), {6});
  form->AddButton()->click();
  ASSERT_TRUE(waitUntil([&] { return !log.of("set", mark).empty() && form->FirstRefreshDone(); }));
  const QString memo = form->Memo()->toPlainText();
  EXPECT_TRUE(memo.contains("Set: ")) << memo.toStdString();
  EXPECT_FALSE(memo.contains("Set: Ok"));
  EXPECT_FALSE(memo.contains("walk")) << memo.toStdString();
  EXPECT_EQ(form->VlanIdEdit()->text(), "30");
  EXPECT_EQ(form->VlanNameEdit()->text(), "lab");
  EXPECT_EQ(ticked(form->Grid(TVlanStaticForm::Egress)), std::vector<int>({6}));
  EXPECT_EQ(form->StatusCombo()->currentIndex(), status);  // no command left behind in the list
}

// A unicast row the agent refuses keeps the key and the tick, and the row count stays shown.
TEST_F(EditorsTest, UnicastFailedAddKeepsTheInputAndTheCount) {
  auto form = open<TUnicastFilterInformationForm>();
  refuseWrites(form->Binding());
  const int mark = log.lines();
  form->CountText()->clear();
  QTest::keyClicks(form->VlanEdit(), "5");
  QTest::keyClicks(form->MacEdit(), "01020304AABB");
  tick(form->Grid(), {2});
  form->StatusCombo()->setCurrentIndex(2);
  form->AddButton()->click();
  ASSERT_TRUE(waitUntil([&] { return !log.of("set", mark).empty() && !form->Binding()->Busy(); }));
  EXPECT_FALSE(form->Memo()->toPlainText().contains("Set: Ok"));
  EXPECT_EQ(form->VlanEdit()->text(), "5");
  EXPECT_EQ(form->MacEdit()->text(), "01020304AABB");
  EXPECT_EQ(ticked(form->Grid()), std::vector<int>({2}));
  EXPECT_EQ(form->CountText()->text(), "3");
}

// A DHCP server the agent refuses keeps the dialog open with its input; the form is not left
// waiting for an operation that never ends.
TEST_F(EditorsTest, DhcpRelayFailedAddKeepsTheDialogAndTakesRequestsAgain) {
  auto form = open<TBOOTCtrlTableForm>();
  refuseWrites(form->Binding());
  const int mark = log.lines();
  answers.onDialog = [&](QDialog& d) {
    auto& dialog = dynamic_cast<TNewBootpCtrlForm&>(d);
    QTest::keyClicks(dialog.InterfaceEdit(), "vlan10");
    QTest::keyClicks(dialog.ServerEdit(), "10.10.0.9");
    dialog.SetButton()->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.ServerEdit()->text(), "10.10.0.9");
  };
  form->AddButton()->click();
  EXPECT_EQ(answers.warnings.size(), 1);
  EXPECT_FALSE(log.of("set", mark).empty());
  EXPECT_TRUE(form->DataComplete());

  // An apply that cannot even start (a list the engine refuses to send) ends the wait as well.
  form->Binding()->Request().varList.setItemType(9);
  answers.warnings.clear();
  form->AddButton()->click();
  form->Binding()->Request().varList.setItemType(MVT_FMV);
  EXPECT_EQ(answers.warnings.size(), 1);
  EXPECT_TRUE(form->DataComplete());
  form->RefreshButton()->click();
  EXPECT_FALSE(form->DataComplete());
  ASSERT_TRUE(waitUntil([&] { return form->DataComplete(); }));
}

// ---- Delete asks first ----

TEST_F(EditorsTest, EveryDedicatedDeleteAsksFirst) {
  answers.confirmAnswer = false;
  const int mark = log.lines();
  const QStringList asked({"Are you sure to delete it?"});
  {
    auto form = open<TVlanStaticForm>();
    selectRow(form->ListView(), 0, "10");
    form->DeleteButton()->click();
    EXPECT_EQ(answers.confirmations, asked);
    EXPECT_EQ(form->VlanIdEdit()->text(), "10");
  }
  for (auto* kind : {"unicast", "multicast"}) {
    SCOPED_TRACE(kind);
    answers.confirmations.clear();
    std::unique_ptr<TStaticFilterForm> form;
    if (QLatin1String(kind) == QLatin1String("unicast"))
      form = open<TUnicastFilterInformationForm>();
    else
      form = open<TMulticastFilterInformationForm>();
    selectRow(form->ListView(), 0, "10");
    form->findChild<QPushButton*>(QLatin1String(kind) == QLatin1String("unicast") ? "DeleteBtn" : "btnDelete")->click();
    EXPECT_EQ(answers.confirmations, asked);
  }
  {
    answers.confirmations.clear();
    auto form = open<THostTableForm>();
    selectRow(form->ListView(), 0, "2");
    form->DeleteButton()->click();
    EXPECT_EQ(answers.confirmations, asked);
  }
  {
    answers.confirmations.clear();
    auto form = open<TBOOTCtrlTableForm>();
    selectRow(form->ListView(), 0, "System");
    form->DeleteButton()->click();
    EXPECT_EQ(answers.confirmations, asked);
    EXPECT_TRUE(form->DataComplete());
  }
  {
    answers.confirmations.clear();
    auto form = open<TGuestVlanForm>();
    form->DeleteButton()->click();
    EXPECT_EQ(answers.confirmations, asked);
  }
  EXPECT_TRUE(log.of("set", mark).empty());
}

// ---- read-only grids ----

TEST_F(EditorsTest, VlanCurrentGridsCannotBeTicked) {
  auto form = open<TVLanCurrentTableForm>();
  selectRow(form->ListView(), 1, "10");
  for (int page = 0; page < 2; ++page) {
    QCheckBox* box = form->Grid(page)->PortCheckBoxes().at(0);
    EXPECT_TRUE(box->isChecked());
    EXPECT_FALSE(box->isEnabled());
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_TRUE(box->isChecked());
  }
  shoot(form.get(), "vlan-current-read-only.png");
}
