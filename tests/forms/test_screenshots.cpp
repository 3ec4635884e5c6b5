// Renders an editor page, a table page, an add dialog and a paged form to PNG files for a look
// by eye. Runs only when KX_FORMS_SHOTS names a directory; otherwise it is skipped.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest/QTest>
#include <vector>

#include "tests/support/FormsFixture.h"
#include "configform/Guiconfigform.h"
#include "mvsnmp/MvOptionList.h"
#include "bind/MvSNMPRequest2Edits.h"

using formstest::waitUntil;

namespace {

const SnmpVarDef kForwarding[] = {
    {"1.3.6.1.2.1.17.4.3.1.1", "Address", Syntax::MacAddress, Access::ReadOnly},
    {"1.3.6.1.2.1.17.4.3.1.2", "Port", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.2.1.17.4.3.1.3", "Status", Syntax::Integer, Access::ReadOnly},
    {},
};

const OptionSource kEnableSource[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const MvOptionList kEnable(kEnableSource);
const OptionSource kRowStatusSource[] = {{1, "active"},      {2, "notInService"}, {3, "notReady"},
                                         {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"},
                                         {0, nullptr}};
const MvOptionList kRowStatus(kRowStatusSource);

const SnmpVarDef kSystem[] = {
    {"1.3.6.1.2.1.1.1", "System Description", Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.2.1.1.4", "System Contact", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.2.1.1.5", "System Name", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.2.1.1.6", "System Location", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.1.2.16", "RMON State", Syntax::Integer, Access::ReadWrite, &kEnable},
    {"1.3.6.1.2.1.17.4.2", "Ageing Time (s)", Syntax::Integer, Access::ReadWrite},
    {},
};
const SnmpVarDef kVlans[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.1", "VLAN ID", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "VLAN Name", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Row Status", Syntax::Integer, Access::ReadWrite, &kRowStatus},
    {},
};

TEST(Screenshots, RenderPages) {
  const QString dir = qEnvironmentVariable("KX_FORMS_SHOTS");
  if (dir.isEmpty()) GTEST_SKIP() << "set KX_FORMS_SHOTS to a directory to render the pages";
  auto agent = formstest::startAgent();
  auto idle = [](TConfigForm& f) {
    for (int i = 0; i < f.BindingCount(); ++i)
      if (f.BindingAt(i)->Busy()) return false;
    return true;
  };
  {
    TConfigForm form;
    form.setWindowTitle("Basic Information : 127.0.0.1");
    TSNMPEditorPanel* page = form.MakeEditorForm(formstest::makeBinding(&form, kSystem));
    page->SetEditWidth(150);
    form.show();
    ASSERT_TRUE(waitUntil([&] { return idle(form) && form.CurrentBinding(); }));
    page->EditsPanel()->RowAt(2).check->setChecked(true);
    page->EditsPanel()->UpdateSetButton();
    EXPECT_TRUE(form.grab().save(dir + "/editor.png"));
  }
  {
    TConfigForm form;
    form.setWindowTitle("VLAN Static Table : 127.0.0.1");
    TSNMPListViewPanel* page = form.MakeTableForm(formstest::makeBinding(&form, kVlans, MVT_FMV, 1), 4,
                                                  "createAndGo", 4, "destroy");
    form.show();
    ASSERT_TRUE(waitUntil([&] { return idle(form) && form.CurrentBinding(); }));
    page->ListView()->setCurrentItem(page->ListView()->topLevelItem(1));
    EXPECT_TRUE(form.grab().save(dir + "/table.png"));
    formstest::FormAnswers answers;
    answers.onDialog = [&](QDialog& dialog) {
      dialog.findChild<QLineEdit*>("Value0")->setText("30");
      dialog.findChild<QLineEdit*>("Value1")->setText("lab");
      EXPECT_TRUE(dialog.grab().save(dir + "/add-dialog.png"));
    };
    QTest::mouseClick(page->BtnPanel()->Button(TCtrlBtnPanel::AddBtn), Qt::LeftButton);
  }
  {
    TConfigForm form;
    form.setWindowTitle("Bridge : 127.0.0.1");
    form.MakePagedForm();
    form.AddEditorPage("System", formstest::makeBinding(&form, kSystem));
    form.AddTablePage("VLANs", formstest::makeBinding(&form, kVlans, MVT_FMV, 1), 4, "createAndGo", 4, "destroy");
    form.AddEditorPage("More", formstest::makeBinding(&form, kSystem));
    form.show();
    ASSERT_TRUE(waitUntil([&] { return idle(form) && form.CurrentBinding(); }));
    form.PageControl()->setCurrentIndex(1);
    ASSERT_TRUE(waitUntil([&] { return idle(form); }));
    EXPECT_TRUE(form.grab().save(dir + "/paged.png"));
  }
  {
    // The forwarding table filtered, sorted by port, one row selected.
    TConfigForm form;
    form.setWindowTitle("Forwarding Table : 127.0.0.1");
    TSNMPListViewPanel* page = form.MakeTableForm(formstest::makeBinding(&form, kForwarding, MVT_FMV, 0));
    form.show();
    ASSERT_TRUE(waitUntil([&] { return idle(form) && form.CurrentBinding(); }));
    form.BindingAt(0)->SortBy(1);
    page->ListViewPanel()->FilterEdit()->setText(page->ListView()->topLevelItem(1)->text(0).left(8));
    page->ListView()->setCurrentItem(page->ListView()->topLevelItem(2));
    EXPECT_TRUE(form.grab().save(dir + "/table-filtered.png"));
  }
  {
    // Seventeen columns: the view scrolls sideways, headings whole.
    std::vector<QByteArray> labels;
    std::vector<SnmpVarDef> defs;
    for (int k = 0; k < 17; ++k) labels.push_back(QByteArray("Column heading ") + QByteArray::number(k + 1));
    for (int k = 0; k < 17; ++k)
      defs.push_back({kForwarding[k % 3].oid, labels[static_cast<size_t>(k)].constData(), kForwarding[k % 3].syntax,
                      Access::ReadOnly});
    defs.push_back({});
    TConfigForm form;
    form.setWindowTitle("Wide Table : 127.0.0.1");
    form.MakeTableForm(formstest::makeBinding(&form, defs.data(), MVT_FMV, 0));
    form.show();
    ASSERT_TRUE(waitUntil([&] { return idle(form) && form.CurrentBinding(); }));
    EXPECT_TRUE(form.grab().save(dir + "/table-wide.png"));
  }
}

}  // namespace
