// The tabbed form: only the tab on view is refreshed, and the tab left behind stops its walk.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>

#include "tests/support/FormsFixture.h"
#include "configform/Guiconfigform.h"
#include "bind/MvSNMPRequest2Edits.h"

using formstest::waitUntil;

namespace {

const SnmpVarDef kSystem[] = {
    {"1.3.6.1.2.1.1.5", "Name", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.2.1.1.6", "Location", Syntax::DisplayStr, Access::ReadWrite},
    {},
};
const SnmpVarDef kForwarding[] = {
    {"1.3.6.1.2.1.17.4.3.1.1", "Address", Syntax::MacAddress, Access::ReadOnly},
    {"1.3.6.1.2.1.17.4.3.1.2", "Port", Syntax::Integer, Access::ReadOnly},
    {},
};
const SnmpVarDef kVlans[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.1", "VLAN ID", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "Name", Syntax::DisplayStr, Access::ReadWrite},
    {},
};
constexpr int kEntries = 400;

class PagedFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    agent = formstest::startAgent({"--fdb-entries", std::to_string(kEntries)});
    form.MakePagedForm();
    system = form.AddEditorPage("System", formstest::makeBinding(&form, kSystem));
    forwarding = form.AddTablePage("Forwarding", formstest::makeBinding(&form, kForwarding, MVT_FMV, 0));
    vlans = form.AddTablePage("VLANs", formstest::makeBinding(&form, kVlans, MVT_FMV, 1));
  }
  QString memoText(TSNMPPanel* page) { return page->MsgPanel()->Memo()->toPlainText(); }
  bool idle() {
    for (int i = 0; i < form.BindingCount(); ++i)
      if (form.BindingAt(i)->Busy()) return false;
    return true;
  }

  std::unique_ptr<kxtest::SimAgent> agent;
  TConfigForm form;
  TSNMPEditorPanel* system = nullptr;
  TSNMPListViewPanel* forwarding = nullptr;
  TSNMPListViewPanel* vlans = nullptr;
};

TEST_F(PagedFormTest, RefreshesOnlyTheTabOnView) {
  EXPECT_EQ(form.PageControl()->count(), 3);
  form.show();
  ASSERT_TRUE(waitUntil([&] { return !memoText(system).isEmpty() && idle(); }));
  EXPECT_EQ(qobject_cast<QLineEdit*>(system->EditsPanel()->RowAt(0).value)->text(), "kx760-sim");
  EXPECT_TRUE(memoText(forwarding).isEmpty());
  EXPECT_TRUE(memoText(vlans).isEmpty());
  EXPECT_EQ(form.CurrentBinding(), form.BindingAt(0));

  form.PageControl()->setCurrentIndex(2);
  EXPECT_FALSE(form.BindingAt(0)->Request().alive);
  EXPECT_TRUE(form.BindingAt(2)->Request().alive);
  ASSERT_TRUE(waitUntil([&] { return !memoText(vlans).isEmpty() && idle(); }));
  EXPECT_EQ(vlans->ListView()->topLevelItemCount(), 2);
  EXPECT_TRUE(memoText(forwarding).isEmpty());
  EXPECT_EQ(forwarding->ListView()->topLevelItemCount(), 0);
}

TEST_F(PagedFormTest, LeavingATabStopsItsWalk) {
  form.show();
  ASSERT_TRUE(waitUntil([&] { return !memoText(system).isEmpty() && idle(); }));
  form.PageControl()->setCurrentIndex(1);
  MvSNMPRequest2Edits* walk = form.BindingAt(1);
  ASSERT_TRUE(walk->Busy());
  form.PageControl()->setCurrentIndex(2);
  EXPECT_FALSE(walk->Request().alive);
  ASSERT_TRUE(waitUntil([&] { return idle(); }));
  EXPECT_LT(forwarding->ListView()->topLevelItemCount(), kEntries);
  EXPECT_EQ(vlans->ListView()->topLevelItemCount(), 2);
}

TEST_F(PagedFormTest, TheFormGrowsToItsLargestPage) {
  const int tabHeight = form.PageControl()->tabBar()->sizeHint().height();
  for (TSNMPPanel* page : {static_cast<TSNMPPanel*>(system), static_cast<TSNMPPanel*>(forwarding),
                           static_cast<TSNMPPanel*>(vlans)}) {
    EXPECT_GE(form.width(), std::min(page->PageSize().width(), TSNMPPanel::MaxClientWidth));
    EXPECT_GE(form.height(), std::min(page->PageSize().height() + tabHeight, TSNMPPanel::MaxClientHeight));
  }
  EXPECT_LE(form.width(), TSNMPPanel::MaxClientWidth);
  EXPECT_LE(form.height(), TSNMPPanel::MaxClientHeight);
}

TEST_F(PagedFormTest, ClosingDuringAWalkStopsEveryBinding) {
  form.show();
  ASSERT_TRUE(waitUntil([&] { return !memoText(system).isEmpty() && idle(); }));
  form.PageControl()->setCurrentIndex(1);
  ASSERT_TRUE(form.BindingAt(1)->Busy());
  form.close();
  EXPECT_EQ(form.BindingCount(), 0);
  EXPECT_EQ(forwarding->Binding(), nullptr);
  EXPECT_LT(forwarding->ListView()->topLevelItemCount(), kEntries);
}

}  // namespace
