// The table tools in the dedicated forms' list views: the filter (a MAC typed with or without
// separators), "shown of total", Stop by the Refresh button and by Esc (which then does not close
// the form), sorting, copying and CSV, and columns that fit their headings.
#include "tests/editors/EditorsFixture.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>

#include "editors/DedicatedForms.h"
#include "editors/BOOTCtrlTableForm.h"
#include "editors/ForwardingTableForm.h"
#include "editors/VlanStaticForm.h"
#include "bind/MvListTools.h"
#include "bind/MvSNMPRequest2Edits.h"

namespace {

using editorstest::EditorsTest;
using formstest::waitUntil;

const QString kStaticRowStatus = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1.5.");

int shownRows(const QTreeWidget* view) {
  int n = 0;
  for (int r = 0; r < view->topLevelItemCount(); ++r) n += view->topLevelItem(r)->isHidden() ? 0 : 1;
  return n;
}

// The forwarding table's filter finds a learned address however its octets are separated; the
// count beside the filter says how many rows of how many are shown.
TEST_F(EditorsTest, ForwardingTableFilterFindsAMacTypedWithOrWithoutSeparators) {
  start({"--fdb-entries", "300"});
  auto form = open<TForwarding_Table>();
  QTreeWidget* view = form->ListView();
  ASSERT_EQ(view->topLevelItemCount(), 300);
  MvListTools* tools = MvListTools::Of(view);
  ASSERT_NE(tools, nullptr);
  QLineEdit* filter = tools->FilterEdit();
  ASSERT_TRUE(filter->isVisible());
  EXPECT_EQ(tools->CountLabel()->text(), "300");
  struct Case {
    const char* typed;
    int shown;
  } const cases[] = {
      {"02:1c:f0:00:00:2a", 1}, {"02-1C-F0-00-00-2A", 1}, {"021c.f000.002a", 1}, {"021CF000002A", 1},
      {"F0:00:00:2A", 1},       {"00 00 2a", 1},          {"02:1C:F0:00:01", 45}, {"02:1C:F0:FF", 0},
      {"learned", 300},         {"", 300},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    filter->setText(QString::fromLatin1(c.typed));
    EXPECT_EQ(shownRows(view), c.shown);
    EXPECT_EQ(tools->CountLabel()->text(),
              c.shown == 300 ? QStringLiteral("300") : QStringLiteral("%1 of 300").arg(c.shown));
  }
  // Ctrl+F goes to the filter.
  view->setFocus();
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  QTest::keyClick(view, Qt::Key_F, Qt::ControlModifier);
  EXPECT_TRUE(filter->hasFocus());
  filter->setText("02:1c:f0:00:00:2a");
  ASSERT_EQ(shownRows(view), 1);
  // A picture to look at (KX_EDITORS_SHOTS=DIR).
  if (const QString dir = qEnvironmentVariable("KX_EDITORS_SHOTS"); !dir.isEmpty()) {
    QCoreApplication::processEvents();  // the line laid out again around the new count
    EXPECT_TRUE(form->grab().save(dir + "/forwarding-filtered.png"));
  }
  // A refresh keeps the filter: the rows it brings are filtered as they come.
  form->GetButton()->click();
  ASSERT_TRUE(waitUntil([&] { return form->FirstRefreshDone(); }));
  EXPECT_EQ(view->topLevelItemCount(), 300);
  EXPECT_EQ(shownRows(view), 1);
  EXPECT_EQ(tools->CountLabel()->text(), "1 of 300");
}

// During the forwarding table's walk its Refresh button reads "Stop" and ends the walk with the
// rows read so far; Esc does the same without closing the form, and closes it once no walk runs.
TEST_F(EditorsTest, ForwardingTableStopsItsWalk) {
  start({"--fdb-entries", "3000", "--delay", "20"});
  const qint32 repetitions = DeviceTarget.maxRepetitions;
  DeviceTarget.maxRepetitions = 0;  // a row per round trip: the walk takes a while
  auto form = std::make_unique<TForwarding_Table>(nullptr);
  form->show();
  QTreeWidget* view = form->ListView();
  MvListTools* tools = MvListTools::Of(view);
  ASSERT_NE(tools, nullptr);
  QPushButton* button = form->GetButton();
  ASSERT_TRUE(waitUntil([&] { return view->topLevelItemCount() >= 10; }));
  EXPECT_EQ(button->text(), "Stop");
  button->click();
  ASSERT_TRUE(waitUntil([&] { return form->FirstRefreshDone(); }));
  const int rows = view->topLevelItemCount();
  EXPECT_LT(rows, 3000);
  EXPECT_EQ(button->text(), "Refresh");
  EXPECT_TRUE(tools->CountLabel()->text().contains("stopped: Stop pressed")) << tools->CountLabel()->text().toStdString();
  EXPECT_EQ(form->Binding()->StopReason(), "Stop pressed");

  // Refresh starts a new walk (after the Stop); Esc stops it and the form stays.
  button->click();
  ASSERT_TRUE(waitUntil([&] { return form->Binding()->Busy() && view->topLevelItemCount() >= 10; }));
  EXPECT_EQ(button->text(), "Stop");
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  QTest::keyClick(view, Qt::Key_Escape);
  ASSERT_TRUE(waitUntil([&] { return form->FirstRefreshDone(); }));
  EXPECT_TRUE(form->isVisible());
  EXPECT_LT(view->topLevelItemCount(), 3000);
  QTest::keyClick(view, Qt::Key_Escape);
  EXPECT_TRUE(waitUntil([&] { return !form->isVisible(); }, 3000));
  DeviceTarget.maxRepetitions = repetitions;
}

// Every dedicated form's list view has the tools: the filter line with its count, the sort by a
// heading click, Copy and Export CSV; its columns show their headings and values (the form
// widens up to its screen's width).
TEST_F(EditorsTest, EveryListViewHasTheTableTools) {
  for (const char* formClass : {"TForwarding_Table", "TVlanStaticForm", "TVLanCurrentTableForm",
                                "TUnicastFilterInformationForm", "TMulticastFilterInformationForm",
                                "THostTableForm", "TBOOTCtrlTableForm", "TIGMPRouterPortsForm", "TSTP_Port"}) {
    SCOPED_TRACE(formClass);
    std::unique_ptr<TDedicatedForm> form = createDedicatedForm(QString::fromLatin1(formClass), nullptr);
    ASSERT_NE(form, nullptr);
    form->show();
    ASSERT_TRUE(waitUntil([&] { return form->FirstRefreshDone(); }));
    QCoreApplication::processEvents();
    const QList<QTreeWidget*> views = form->findChildren<QTreeWidget*>();
    ASSERT_FALSE(views.isEmpty());
    for (QTreeWidget* view : views) {
      SCOPED_TRACE(view->objectName().toStdString());
      MvListTools* tools = MvListTools::Of(view);
      ASSERT_NE(tools, nullptr);
      EXPECT_TRUE(tools->FilterEdit()->isVisible());
      EXPECT_TRUE(view->header()->sectionsClickable());
      QStringList actions;
      for (QAction* a : view->actions()) actions << a->text();
      EXPECT_TRUE(actions.contains("Copy"));
      EXPECT_TRUE(actions.contains("Export CSV..."));
      ASSERT_GT(view->topLevelItemCount(), 0);
      // The filter hides what does not match, and the count says so.
      tools->FilterEdit()->setText("no row holds this text");
      EXPECT_EQ(shownRows(view), 0);
      tools->FilterEdit()->clear();
      EXPECT_EQ(shownRows(view), view->topLevelItemCount());
      // Columns: every heading fits, unless the form already takes the screen's whole width.
      const int screenWidth = form->screen()->availableGeometry().width();
      int needed = 0;
      int last = -1;
      for (int c = 0; c < view->columnCount(); ++c)
        if (!view->isColumnHidden(c)) last = c;
      for (int c = 0; c <= last; ++c)
        if (!view->isColumnHidden(c))
          needed += c == last ? view->header()->sectionSizeHint(c) : view->header()->sectionSize(c);
      EXPECT_TRUE(needed <= view->viewport()->width() || form->frameGeometry().width() >= screenWidth)
          << needed << " > " << view->viewport()->width();
    }
    form->close();
  }
}

// Enter in the VLAN static form's fields presses the button the form's state offers: Add for a
// new VLAN (no row selected); with a row selected, Set. Enter in the filter presses nothing.
TEST_F(EditorsTest, EnterInTheVlanFieldsPressesTheEnabledAction) {
  set("1.3.6.1.2.1.17.7.1.4.3.1.5.10", "i", "6");  // VLAN 10 out of the way
  auto form = open<TVlanStaticForm>();
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  ASSERT_EQ(form->ListView()->topLevelItemCount(), 1);
  int mark = log.lines();
  MvListTools::Of(form->ListView())->FilterEdit()->setFocus();
  QTest::keyClick(MvListTools::Of(form->ListView())->FilterEdit(), Qt::Key_Return);
  QTest::qWait(300);
  EXPECT_TRUE(log.of("set", mark).empty());

  QTest::keyClicks(form->VlanIdEdit(), "10");
  QTest::keyClicks(form->VlanNameEdit(), "sales");
  ASSERT_TRUE(form->AddButton()->isEnabled());
  form->VlanNameEdit()->setFocus();
  QTest::keyClick(form->VlanNameEdit(), Qt::Key_Return);
  ASSERT_TRUE(waitUntil([&] { return form->ListView()->topLevelItemCount() == 2 && !form->TableBinding()->Busy(); }));
  auto sets = log.of("set", mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_TRUE(sets[0].pairs().contains(kStaticRowStatus + "10=4")) << sets[0].pairs().join(' ').toStdString();

  // A row selected: Enter sets it (rowStatus is not created again).
  form->ListView()->setCurrentItem(form->ListView()->topLevelItem(1));
  ASSERT_TRUE(form->SetButton()->isEnabled());
  ASSERT_FALSE(form->AddButton()->isEnabled());
  mark = log.lines();
  form->VlanNameEdit()->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), form->VlanNameEdit());
  QTest::keyClick(form->VlanNameEdit(), Qt::Key_Enter);
  ASSERT_TRUE(waitUntil([&] { return !log.of("set", mark).empty() && !form->TableBinding()->Busy(); }));
  sets = log.of("set", mark);
  EXPECT_FALSE(sets[0].pairs().join(' ').contains("=4")) << sets[0].pairs().join(' ').toStdString();
}

// Enter in the "New DHCP Ctrl Entry" dialog presses Set.
TEST_F(EditorsTest, EnterInTheNewDhcpDialogSets) {
  auto form = open<TBOOTCtrlTableForm>();
  ASSERT_TRUE(form->DataComplete());
  const int mark = log.lines();
  answers.onDialog = [&](QDialog& d) {
    auto& dialog = dynamic_cast<TNewBootpCtrlForm&>(d);
    dialog.show();
    QTest::keyClicks(dialog.InterfaceEdit(), "vlan20");
    QTest::keyClicks(dialog.ServerEdit(), "10.20.0.2");
    QTest::keyClick(dialog.ServerEdit(), Qt::Key_Return);
  };
  form->AddButton()->click();
  ASSERT_TRUE(waitUntil([&] { return form->DataComplete(); }));
  const auto sets = log.of("set", mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_TRUE(sets[0].pairs().join(' ').contains("10.20.0.2=4")) << sets[0].pairs().join(' ').toStdString();
}

}  // namespace
