// Port lists on the generic pages: a bitstr row is edited on the unit's port grid, its hex kept
// on a read-only line. Ticking a port ticks the row and rewrites the line; Set writes exactly the
// ticked ports in the agent's octets, module ports included; bits that stand for no shown port
// stay as the agent gave them and are named; a read-only port list shows its grid disabled.
// What reached the agent is read from kx760sim's request log and with snmpget.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "bind/MvSNMPRequest2Edits.h"
#include "catalogue/CatalogueOptions.h"
#include "catalogue/Portoidunit.h"
#include "catalogue/Snmpv3oidunit.h"
#include "configform/Guiconfigform.h"
#include "configform/PortListValue.h"
#include "tests/support/FormsFixture.h"
#include "tests/support/NetSnmpTool.h"
#include "tests/support/SimLog.h"
#include "widgets/PortUitFormUnit.h"

using formstest::FormAnswers;
using formstest::snmpGet;
using formstest::waitUntil;

namespace {

// "Advanced Configuration › Port Management › Port Mirror": two port lists, a port, a state.
constexpr char kRxList[] = "1.3.6.1.4.1.48213.11.63.2.2.6.2.0";
constexpr char kTxList[] = "1.3.6.1.4.1.48213.11.63.2.2.6.3.0";
enum MirrorRow { RxList, TxList, TargetPort, State };

// The RX list read-only beside a writable TX list (a page that shows a port list it cannot write).
const SnmpVarDef kReadOnlyRx[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.6.2", "Port Mirror RX Port List", Syntax::BitStr, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.11.63.2.2.6.3", "Port Mirror TX Port List", Syntax::BitStr, Access::ReadWrite},
    {},
};

class PortListTest : public ::testing::Test {
 protected:
  void SetUp() override { agent = formstest::startAgent({"--log", log.path().toStdString()}); }

  TSNMPEditorPanel* open(const SnmpVarDef* defs) {
    page = form.MakeEditorForm(formstest::makeBinding(&form, defs));
    form.show();
    EXPECT_TRUE(waitUntil([&] { return !memo()->toPlainText().isEmpty() && !form.BindingAt(0)->Busy(); }));
    return page;
  }
  TPortListValue* ports(int row) { return dynamic_cast<TPortListValue*>(page->EditsPanel()->RowAt(row).value); }
  QCheckBox* box(int row, int port) { return ports(row)->Grid()->PortCheckBoxes().at(port - 1); }
  QCheckBox* check(int row) { return page->EditsPanel()->RowAt(row).check; }
  QPushButton* setButton() { return page->BtnPanel()->Button(TCtrlBtnPanel::SetCheckedBtn); }
  QPlainTextEdit* memo() { return form.findChild<QPlainTextEdit*>("Memo"); }
  // The ports whose boxes are ticked, shown or not.
  std::vector<int> ticked(int row) {
    std::vector<int> out;
    const auto& boxes = ports(row)->Grid()->PortCheckBoxes();
    for (int i = 0; i < boxes.size(); ++i)
      if (boxes.at(i)->isChecked()) out.push_back(i + 1);
    return out;
  }
  void put(const char* oid, const char* hex) {
    const auto r = kxtest::runNetSnmpTool({"snmpset", "-v2c", "-c", "private", agent->address(), oid, "x", hex});
    ASSERT_EQ(r.exitCode, 0) << r.err;
  }
  // Presses Set Checked and returns the set requests it sent.
  std::vector<kxtest::LoggedRequest> setChecked() {
    const int mark = log.lines();
    QTest::mouseClick(setButton(), Qt::LeftButton);
    EXPECT_TRUE(waitUntil([&] { return !form.BindingAt(0)->Busy(); }));
    return log.of("set", mark);
  }

  QTemporaryDir dir;
  kxtest::SimLog log{dir.filePath("requests.jsonl")};
  std::unique_ptr<kxtest::SimAgent> agent;
  TConfigForm form;
  TSNMPEditorPanel* page = nullptr;
  FormAnswers answers;
};

}  // namespace

TEST(PortListRows, BitstrWithoutOptionsOutsideTheSnmpFrameworkIsAPortList) {
  struct Case {
    const SnmpVarDef& def;
    bool portList;
  } const cases[] = {
      {PortMirrorList[0], true},          // Port Mirror RX Port List
      {PortTrunkList[4], true},           // Active Port, read-only
      {PortMirrorList[2], false},         // a port number
      {SnmpTargetAddrList[2], false},     // snmpTargetAddrTAddress: a transport address
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.def.label);
    MvSNMPVarList list;
    const SnmpVarDef defs[] = {c.def, {}};
    list.appendDefs(defs);
    EXPECT_EQ(TPortListValue::IsPortList(list.item(0)), c.portList);
  }
  // A list of single ports is chosen from its drop-down list.
  MvSNMPVarList single;
  const SnmpVarDef singleDefs[] = {{"1.3.6.1.4.1.48213.1", "Port", Syntax::BitStr, Access::ReadWrite, &SinglePortOptions}, {}};
  single.appendDefs(singleDefs);
  EXPECT_FALSE(TPortListValue::IsPortList(single.item(0)));
}

TEST_F(PortListTest, APortListOnAGenericPageIsWrittenFromTicks) {
  open(PortMirrorList);
  ASSERT_NE(ports(RxList), nullptr);
  ASSERT_NE(ports(TxList), nullptr);
  EXPECT_EQ(dynamic_cast<TPortListValue*>(page->EditsPanel()->RowAt(TargetPort).value), nullptr);
  // The agent's F0000000: ports 1-4, on the line as read.
  EXPECT_EQ(ports(RxList)->Line()->text(), "F0000000");
  EXPECT_TRUE(ports(RxList)->Line()->isReadOnly());
  EXPECT_EQ(ticked(RxList), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(ports(RxList)->KeptText(), "");
  EXPECT_FALSE(check(RxList)->isChecked());
  EXPECT_FALSE(setButton()->isEnabled());

  // Port 4 cleared, port 6 and the module port 17 ticked: the row is ticked with the first click.
  QTest::mouseClick(box(RxList, 4), Qt::LeftButton);
  EXPECT_TRUE(check(RxList)->isChecked());
  EXPECT_TRUE(setButton()->isEnabled());
  QTest::mouseClick(box(RxList, 6), Qt::LeftButton);
  QTest::mouseClick(box(RxList, 17), Qt::LeftButton);
  EXPECT_EQ(ports(RxList)->Line()->text(), "E4008000");
  EXPECT_FALSE(check(TxList)->isChecked());

  const auto sets = setChecked();
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].pairs(), QStringList{QString(kRxList) + "=E4008000"});
  EXPECT_EQ(snmpGet(*agent, kRxList), "E4 00 80 00");
  EXPECT_EQ(snmpGet(*agent, kTxList), "F0 00 00 00");
  EXPECT_TRUE(memo()->toPlainText().split('\n').last().startsWith("Set: Ok"));

  // Read again, the grid shows what the agent holds; the second module port written alone.
  QTest::mouseClick(page->BtnPanel()->Button(TCtrlBtnPanel::RefreshBtn), Qt::LeftButton);
  ASSERT_TRUE(waitUntil([&] { return !form.BindingAt(0)->Busy(); }));
  EXPECT_EQ(ticked(RxList), (std::vector<int>{1, 2, 3, 6, 17}));
  page->EditsPanel()->ClearChecks();
  for (int port : {1, 2, 3, 4, 18}) QTest::mouseClick(box(TxList, port), Qt::LeftButton);
  const auto second = setChecked();
  ASSERT_EQ(second.size(), 1u);
  EXPECT_EQ(second[0].pairs(), QStringList{QString(kTxList) + "=00004000"});
  EXPECT_EQ(snmpGet(*agent, kTxList), "00 00 40 00");
}

// Bits of no shown port (19 and up) are written back as the agent gave them, in the agent's
// length; the line names them. A short list grows only as far as a ticked port needs.
TEST_F(PortListTest, BitsBeyondTheShownPortsAreKeptAndNamed) {
  struct Case {
    const char* agentHex;
    int click;
    const char* kept;
    const char* written;
  } const cases[] = {
      {"F0002001", 5, "kept as read, beyond port 18: 19, 32", "F8002001"},
      {"F000000000FF", 18, "kept as read, beyond port 18: 41-48", "F000400000FF"},
      {"F0", 17, "", "F00080"},
      {"FFFFFFFF", 1, "kept as read, beyond port 18: 19-32", "7FFFFFFF"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.agentHex);
    put(kRxList, c.agentHex);
    if (!page)
      open(PortMirrorList);
    else {
      QTest::mouseClick(page->BtnPanel()->Button(TCtrlBtnPanel::RefreshBtn), Qt::LeftButton);
      ASSERT_TRUE(waitUntil([&] { return !form.BindingAt(0)->Busy(); }));
    }
    page->EditsPanel()->ClearChecks();
    EXPECT_EQ(ports(RxList)->Line()->text(), c.agentHex);
    EXPECT_EQ(ports(RxList)->KeptText(), c.kept);
    EXPECT_EQ(ports(RxList)->findChild<QLabel*>("PortListKept")->isHidden(), QString(c.kept).isEmpty());
    QTest::mouseClick(box(RxList, c.click), Qt::LeftButton);
    const auto sets = setChecked();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].pairs(), QStringList{QString(kRxList) + '=' + c.written});
  }
}

TEST_F(PortListTest, AReadOnlyPortListShowsItsGridDisabled) {
  put(kRxList, "0000C000");  // the two module ports
  open(kReadOnlyRx);
  TPortListValue* rx = ports(0);
  ASSERT_NE(rx, nullptr);
  EXPECT_FALSE(rx->isEnabled());
  EXPECT_TRUE(check(0)->isHidden());
  EXPECT_EQ(ticked(0), (std::vector<int>{17, 18}));
  for (QCheckBox* b : rx->Grid()->PortCheckBoxes()) EXPECT_FALSE(b->isEnabled());
  QTest::mouseClick(box(0, 1), Qt::LeftButton);
  EXPECT_EQ(ticked(0), (std::vector<int>{17, 18}));
  EXPECT_EQ(rx->Line()->text(), "0000C000");
  // The writable list beside it is open: a single settable row, written by "Set".
  EXPECT_TRUE(ports(1)->isEnabled());
  EXPECT_EQ(setButton()->text(), "Set");
}

// In a table's row dialog the port list is ticked the same way; the read-only column beside it
// shows its grid disabled, and only the row's ticked values travel.
TEST_F(PortListTest, ARowDialogWritesThePortListFromTicks) {
  constexpr int kPortList = 2, kActive = 4, kState = 5;
  form.setWindowTitle("Port Trunk Table");
  auto* table = form.MakeTableForm(formstest::makeBinding(&form, PortTrunkList, MVT_FMV, 1), kState,
                                   "createAndGo", kState, "destroy");
  form.show();
  ASSERT_TRUE(waitUntil([&] { return !form.BindingAt(0)->Busy() && table->ListView()->topLevelItemCount() > 0; }));
  table->ListView()->setCurrentItem(table->ListView()->topLevelItem(0));
  const QString instance = table->ListView()->topLevelItem(0)->text(0);
  const int mark = log.lines();
  answers.onDialog = [&](QDialog& dialog) {
    auto* list = dynamic_cast<TPortListValue*>(dialog.findChild<QWidget*>(QStringLiteral("Value%1").arg(kPortList)));
    auto* active = dynamic_cast<TPortListValue*>(dialog.findChild<QWidget*>(QStringLiteral("Value%1").arg(kActive)));
    ASSERT_NE(list, nullptr);
    ASSERT_NE(active, nullptr);
    EXPECT_FALSE(active->isEnabled());
    QTest::mouseClick(list->Grid()->PortCheckBoxes().at(8), Qt::LeftButton);  // port 9
    EXPECT_TRUE(dialog.findChild<QCheckBox*>(QStringLiteral("Check%1").arg(kPortList))->isChecked());
    // KX_FORMS_SHOTS=DIR: a picture of the dialog, to look at as the page screenshots.
    if (const QString shots = qEnvironmentVariable("KX_FORMS_SHOTS"); !shots.isEmpty())
      EXPECT_TRUE(dialog.grab().save(shots + "/port-list-dialog.png"));
    QTest::mouseClick(dialog.findChild<QPushButton*>("SetCheckedBtn"), Qt::LeftButton);
  };
  QTest::mouseClick(table->BtnPanel()->Button(TCtrlBtnPanel::EditBtn), Qt::LeftButton);
  const auto sets = log.of("set", mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].pairs(),
            QStringList{QStringLiteral("1.3.6.1.4.1.48213.11.63.2.2.4.3.1.3.%1=F0800000").arg(instance)});
}
