// The table page end to end on the simulator's VLAN table: the walk, the buttons, Add with
// "createAndGo" at the typed index, Edit without the row-status actions, Delete with "destroy",
// the read-only case, row hints, and closing the form while a walk runs.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QTemporaryDir>
#include <algorithm>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "tests/support/FormsFixture.h"
#include "configform/Guiconfigform.h"
#include "mvsnmp/MvOptionList.h"
#include "bind/MvSNMPRequest2Edits.h"
#include "widgets/MvListRows.h"
#include "tests/support/NetSnmpTool.h"
#include "widgets/UserNotice.h"

using formstest::FormAnswers;
using formstest::snmpGet;
using formstest::waitUntil;

namespace {

const OptionSource kRowStatusSource[] = {{1, "active"},      {2, "notInService"}, {3, "notReady"},
                                         {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"},
                                         {0, nullptr}};
const OptionSource kCreateDestroySource[] = {{4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
const MvOptionList kRowStatus(kRowStatusSource);
const MvOptionList kCreateDestroy(kCreateDestroySource);

constexpr char kVlanName[] = "1.3.6.1.2.1.17.7.1.4.3.1.1.";
constexpr char kVlanEgress[] = "1.3.6.1.2.1.17.7.1.4.3.1.2.";
constexpr char kVlanStatus[] = "1.3.6.1.2.1.17.7.1.4.3.1.5.";

enum Column { VlanId, Name, Egress, Untagged, Status };
const SnmpVarDef kVlans[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.1", "VLAN ID", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "Name", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Status", Syntax::Integer, Access::ReadWrite, &kRowStatus},
    {},
};
const SnmpVarDef kVlansCreateDestroy[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.1", "VLAN ID", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "Name", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Status", Syntax::Integer, Access::ReadWrite, &kCreateDestroy},
    {},
};
const SnmpVarDef kForwarding[] = {
    {"1.3.6.1.2.1.17.4.3.1.1", "Address", Syntax::MacAddress, Access::ReadOnly},
    {"1.3.6.1.2.1.17.4.3.1.2", "Port", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.2.1.17.4.3.1.3", "Status", Syntax::Integer, Access::ReadOnly},
    {},
};

class TablePageTest : public ::testing::Test {
 protected:
  // A fresh agent per test: the tests add and delete its rows.
  void SetUp() override { agent = formstest::startAgent({"--fdb-entries", "400"}); }

  TSNMPListViewPanel* open(const SnmpVarDef* defs, bool rowStatus = true) {
    const int status = defs == kVlans ? Status : 2;
    page = rowStatus ? form.MakeTableForm(formstest::makeBinding(&form, defs, MVT_FMV, 1), status,
                                          "createAndGo", status, "destroy")
                     : form.MakeTableForm(formstest::makeBinding(&form, defs, MVT_FMV, defs == kForwarding ? 0 : 1));
    form.show();
    EXPECT_TRUE(waitUntil([&] { return !memo()->toPlainText().isEmpty() && !form.BindingAt(0)->Busy(); }));
    return page;
  }
  QTreeWidget* view() { return page->ListView(); }
  QPlainTextEdit* memo() { return form.findChild<QPlainTextEdit*>("Memo"); }
  QWidget* control(int which) { return page->BtnPanel()->Control(which); }
  void click(int which) { QTest::mouseClick(page->BtnPanel()->Button(which), Qt::LeftButton); }
  void select(int line) { view()->setCurrentItem(view()->topLevelItem(line)); }
  int lineOf(const QString& vlan) {
    for (int i = 0; i < view()->topLevelItemCount(); ++i)
      if (view()->topLevelItem(i)->text(0) == vlan) return i;
    return -1;
  }
  bool walked() { return !form.BindingAt(0)->Busy(); }

  std::unique_ptr<kxtest::SimAgent> agent;
  TConfigForm form;
  TSNMPListViewPanel* page = nullptr;
  FormAnswers answers;
};

// The dialog's row controls, found by the names the edits panel gives them.
template <typename T>
T* rowValue(QDialog& dialog, int row) {
  return dialog.findChild<T*>(QStringLiteral("Value%1").arg(row));
}
QCheckBox* rowCheck(QDialog& dialog, int row) {
  return dialog.findChild<QCheckBox*>(QStringLiteral("Check%1").arg(row));
}
QPushButton* dialogButton(QDialog& dialog, const char* name) { return dialog.findChild<QPushButton*>(name); }

TEST_F(TablePageTest, WalksTheRowsAndOffersTheTableButtons) {
  open(kVlans);
  ASSERT_EQ(view()->topLevelItemCount(), 2);
  EXPECT_EQ(view()->topLevelItem(0)->text(0), "1");
  EXPECT_EQ(view()->topLevelItem(1)->text(0), "10");
  EXPECT_EQ(view()->topLevelItem(1)->text(1), "engineering");
  EXPECT_EQ(view()->topLevelItem(1)->text(4), "active");
  EXPECT_EQ(page->BtnPanel()->Count()->text(), "2");

  using P = TCtrlBtnPanel;
  for (int shown : {P::CountDisplay, P::SamplesLabel, P::RefreshBtn, P::EditBtn, P::AddBtn, P::DeleteBtn, P::CloseBtn})
    EXPECT_FALSE(control(shown)->isHidden()) << shown;
  for (int hidden : {P::SetCheckedBtn, P::CheckAllBtn, P::ClearChecksBtn}) EXPECT_TRUE(control(hidden)->isHidden());
  EXPECT_GT(control(P::AddBtn)->y(), control(P::EditBtn)->y());
  EXPECT_GT(control(P::DeleteBtn)->y(), control(P::AddBtn)->y());
  // Edit and Delete wait for a line; clicking empty space closes them again and empties the rows.
  EXPECT_FALSE(control(P::EditBtn)->isEnabled());
  EXPECT_FALSE(control(P::DeleteBtn)->isEnabled());
  select(1);
  EXPECT_TRUE(control(P::EditBtn)->isEnabled());
  EXPECT_TRUE(control(P::DeleteBtn)->isEnabled());
  auto* name = qobject_cast<QLineEdit*>(page->EditsPanel()->RowAt(Name).value);
  EXPECT_EQ(name->text(), "engineering");
  view()->clearSelection();
  EXPECT_FALSE(control(P::EditBtn)->isEnabled());
  EXPECT_TRUE(name->text().isEmpty());
  // A key row starts closed in the page's edits panel.
  EXPECT_FALSE(page->EditsPanel()->RowAt(VlanId).check->isEnabled());
}

TEST_F(TablePageTest, ReadOnlyTableShowsNeitherAddNorDeleteNorEdit) {
  open(kForwarding, false);
  EXPECT_EQ(view()->topLevelItemCount(), 400);
  EXPECT_TRUE(control(TCtrlBtnPanel::AddBtn)->isHidden());
  EXPECT_TRUE(control(TCtrlBtnPanel::DeleteBtn)->isHidden());
  EXPECT_TRUE(control(TCtrlBtnPanel::EditBtn)->isHidden());
  EXPECT_EQ(control(TCtrlBtnPanel::CloseBtn)->y(),
            control(TCtrlBtnPanel::RefreshBtn)->y() + TCtrlBtnPanel::ButtonHeight + TCtrlBtnPanel::Gap);
}

TEST_F(TablePageTest, AddCreatesTheRowAtTheTypedIndex) {
  open(kVlans);
  answers.onDialog = [&](QDialog& dialog) {
    EXPECT_TRUE(dialog.windowTitle().endsWith(" (Add)"));
    auto* id = rowValue<QLineEdit>(dialog, VlanId);
    ASSERT_NE(id, nullptr);
    EXPECT_FALSE(id->isReadOnly());
    EXPECT_TRUE(rowCheck(dialog, VlanId)->isChecked());
    EXPECT_FALSE(rowCheck(dialog, VlanId)->isEnabled());
    auto* status = rowValue<QComboBox>(dialog, Status);
    EXPECT_EQ(status->currentText(), "createAndGo");
    EXPECT_FALSE(status->isEnabled());
    // The add value always travels: its box is ticked and out of the user's reach.
    EXPECT_TRUE(rowCheck(dialog, Status)->isHidden());
    EXPECT_TRUE(rowCheck(dialog, Status)->isChecked());
    EXPECT_FALSE(rowCheck(dialog, Status)->isEnabled());
    EXPECT_TRUE(dialogButton(dialog, "RefreshBtn")->isHidden());
    id->setText("30");
    rowValue<QLineEdit>(dialog, Name)->setText("lab");
    rowCheck(dialog, Name)->click();
    QTest::mouseClick(dialogButton(dialog, "SetCheckedBtn"), Qt::LeftButton);
  };
  click(TCtrlBtnPanel::AddBtn);
  EXPECT_EQ(answers.dialogs, 1);
  EXPECT_TRUE(answers.dialogClosedItself);
  EXPECT_TRUE(answers.warnings.isEmpty()) << answers.warnings.join("|").toStdString();
  // createAndGo makes the row active at once, with the name given in the same request.
  EXPECT_EQ(snmpGet(*agent, std::string(kVlanStatus) + "30"), "1");
  EXPECT_EQ(snmpGet(*agent, std::string(kVlanName) + "30"), "lab");
  ASSERT_TRUE(waitUntil([&] { return walked(); }));
  EXPECT_GE(lineOf("30"), 0);
  // The edits panel is back, hidden, in the page.
  EXPECT_EQ(page->EditsPanel()->window(), &form);
  EXPECT_TRUE(page->EditsPanel()->isHidden());
}

TEST_F(TablePageTest, AddWithAnEmptyIndexSendsNothingAndStaysOpen) {
  open(kVlans);
  answers.onDialog = [&](QDialog& dialog) {
    QTest::mouseClick(dialogButton(dialog, "SetCheckedBtn"), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
  };
  click(TCtrlBtnPanel::AddBtn);
  EXPECT_EQ(answers.warnings, QStringList{"Some items are empty!"});
  EXPECT_FALSE(answers.dialogClosedItself);
  ASSERT_TRUE(waitUntil([&] { return walked(); }));
  EXPECT_EQ(view()->topLevelItemCount(), 2);
}

TEST_F(TablePageTest, RefusedAddKeepsTheDialogOpenWithWhatWasTyped) {
  open(kVlans);
  // createAndGo on a row that is there: the agent answers inconsistentValue and changes nothing.
  QString memoText;
  QString typedId;
  QString typedName;
  bool stayedOpen = false;
  answers.onDialog = [&](QDialog& dialog) {
    rowValue<QLineEdit>(dialog, VlanId)->setText("10");
    rowValue<QLineEdit>(dialog, Name)->setText("lab");
    rowCheck(dialog, Name)->click();
    QTest::mouseClick(dialogButton(dialog, "SetCheckedBtn"), Qt::LeftButton);
    stayedOpen = dialog.isVisible();
    typedId = rowValue<QLineEdit>(dialog, VlanId)->text();
    typedName = rowValue<QLineEdit>(dialog, Name)->text();
    memoText = memo()->toPlainText();  // the dialog reports into the page's memo
    dialog.reject();
  };
  click(TCtrlBtnPanel::AddBtn);
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(typedId, "10");
  EXPECT_EQ(typedName, "lab");
  EXPECT_TRUE(memoText.contains("Set: ")) << memoText.toStdString();
  EXPECT_FALSE(memoText.contains("Set: Ok")) << memoText.toStdString();
  EXPECT_EQ(snmpGet(*agent, std::string(kVlanName) + "10"), "engineering");
  // Cancelled, the page is whole again.
  EXPECT_EQ(page->EditsPanel()->window(), &form);
  ASSERT_TRUE(waitUntil([&] { return walked(); }));
  EXPECT_EQ(view()->topLevelItemCount(), 2);
}

TEST_F(TablePageTest, EditHidesTheRowStatusActionsAndWritesTheTickedColumns) {
  open(kVlans);
  const std::string egress = snmpGet(*agent, std::string(kVlanEgress) + "10");
  select(lineOf("10"));
  answers.onDialog = [&](QDialog& dialog) {
    auto* status = rowValue<QComboBox>(dialog, Status);
    QStringList offered;
    for (int i = 0; i < status->count(); ++i) offered << status->itemText(i);
    EXPECT_EQ(offered, QStringList({"active", "notInService", "notReady", "createAndWait"}));
    EXPECT_EQ(status->currentText(), "active");
    EXPECT_TRUE(rowCheck(dialog, VlanId)->isHidden());
    EXPECT_TRUE(rowValue<QLineEdit>(dialog, VlanId)->isReadOnly());
    EXPECT_EQ(rowValue<QLineEdit>(dialog, VlanId)->text(), "10");
    QPushButton* set = dialogButton(dialog, "SetCheckedBtn");
    EXPECT_FALSE(set->isEnabled());
    rowValue<QLineEdit>(dialog, Name)->setText("research");
    rowValue<QLineEdit>(dialog, Egress)->setText("00000000");  // changed but not ticked
    rowCheck(dialog, Name)->click();
    EXPECT_TRUE(set->isEnabled());
    QTest::mouseClick(set, Qt::LeftButton);
  };
  click(TCtrlBtnPanel::EditBtn);
  EXPECT_TRUE(answers.dialogClosedItself);
  EXPECT_EQ(snmpGet(*agent, std::string(kVlanName) + "10"), "research");
  EXPECT_EQ(snmpGet(*agent, std::string(kVlanEgress) + "10"), egress);
  // The actions are offered again, in the option list's order.
  auto* status = qobject_cast<QComboBox*>(page->EditsPanel()->RowAt(Status).value);
  ASSERT_EQ(status->count(), 6);
  EXPECT_EQ(status->itemText(3), "createAndGo");
  EXPECT_EQ(status->itemText(5), "destroy");
  ASSERT_TRUE(waitUntil([&] { return walked(); }));
  EXPECT_EQ(view()->topLevelItem(lineOf("10"))->text(1), "research");
}

TEST_F(TablePageTest, RowStatusWithOnlyTheActionsIsHiddenWhileEditing) {
  open(kVlansCreateDestroy);
  select(lineOf("10"));
  answers.onDialog = [&](QDialog& dialog) {
    EXPECT_TRUE(rowValue<QComboBox>(dialog, 2)->isHidden());
    // The next visible row moves up: no gap where the hidden row was.
    EXPECT_EQ(dialog.findChild<QLabel*>("Label2")->isHidden(), true);
  };
  click(TCtrlBtnPanel::EditBtn);
  const TEditsPanel::Row& row = page->EditsPanel()->RowAt(2);
  EXPECT_FALSE(row.label->isHidden());
  EXPECT_EQ(qobject_cast<QComboBox*>(row.value)->count(), 2);
  EXPECT_FALSE(form.BindingAt(0)->Request().varList.item(2).access & Access::Hidden);
}

TEST_F(TablePageTest, DeleteAfterConfirmationDestroysOnlyTheSelectedRow) {
  open(kVlans);
  const std::string defaultName = snmpGet(*agent, std::string(kVlanName) + "1");
  select(lineOf("10"));
  answers.confirmAnswer = false;
  click(TCtrlBtnPanel::DeleteBtn);
  EXPECT_EQ(answers.confirmations, QStringList{"Are you sure to delete it?"});
  EXPECT_EQ(snmpGet(*agent, std::string(kVlanStatus) + "10"), "1");

  answers.confirmAnswer = true;
  click(TCtrlBtnPanel::DeleteBtn);
  EXPECT_EQ(snmpGet(*agent, std::string(kVlanStatus) + "10"), "");
  EXPECT_EQ(snmpGet(*agent, std::string(kVlanName) + "1"), defaultName);
  // The list was read again, blocking, before Delete returned.
  EXPECT_EQ(view()->topLevelItemCount(), 1);
  EXPECT_TRUE(form.BindingAt(0)->Asynchronous());
  const MvSNMPVarList& list = form.BindingAt(0)->Request().varList;
  for (int i = 0; i < list.count(); ++i) EXPECT_FALSE(list.item(i).access & Access::Invalid) << i;
  EXPECT_TRUE(memo()->toPlainText().contains("Set: "));
}

TEST_F(TablePageTest, RowHintListsEveryColumnOfTheLine) {
  open(kVlans);
  const QRect line = view()->visualItemRect(view()->topLevelItem(1));
  const QString hint = page->RowHint(line.center());
  const QStringList lines = hint.split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 5);
  EXPECT_EQ(lines[0], "VLAN ID" + QString(7, '\t') + "  10");
  EXPECT_EQ(lines[1], "Name" + QString(10, '\t') + "  engineering");
  EXPECT_EQ(lines[3], "Untagged Ports  F0000000");
  EXPECT_TRUE(page->RowHint(QPoint(5, view()->viewport()->height() - 2)).isEmpty());
}

TEST_F(TablePageTest, WrongRowStatusValuesAreRefused) {
  TSNMPListViewPanel* table = form.MakeTableForm(formstest::makeBinding(&form, kVlans, MVT_FMV, 1));
  const struct {
    std::function<void()> call;
    QString text;
  } cases[] = {
      {[&] { table->SetAddStatus(Status, "create"); }, "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:create"},
      {[&] { table->SetAddStatus(Name, "createAndGo"); }, "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:createAndGo"},
      {[&] { table->SetDeleteStatus(Status, "gone"); }, "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:gone"},
      {[&] { table->SetDeleteStatus(99, "destroy"); }, "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:destroy"},
  };
  for (const auto& c : cases) {
    QString text;
    try {
      c.call();
    } catch (const MvException& e) {
      text = e.message();
    }
    EXPECT_EQ(text, c.text);
  }
  EXPECT_TRUE(table->BtnPanel()->Control(TCtrlBtnPanel::AddBtn)->isHidden());
  EXPECT_TRUE(table->BtnPanel()->Control(TCtrlBtnPanel::DeleteBtn)->isHidden());
}

TEST_F(TablePageTest, EditStopsARunningWalkBeforeTheDialogOpens) {
  agent = formstest::startAgent({"--delay", "100"});  // a walk that takes a while
  formstest::targetAgent(*agent);
  DeviceTarget.maxRepetitions = 0;  // one round trip per row: the walk is still running at line 1
  open(kVlans);
  MvSNMPRequest2Edits* binding = form.BindingAt(0);
  ASSERT_TRUE(binding->Asynchronous());
  click(TCtrlBtnPanel::RefreshBtn);
  // The first line is back while the walk still asks for the next ones.
  ASSERT_TRUE(waitUntil([&] { return lineOf("1") >= 0; }));
  ASSERT_TRUE(binding->Busy());
  select(lineOf("1"));
  bool busyUnderDialog = true;
  QString nameInDialog;
  answers.onDialog = [&](QDialog& dialog) {
    busyUnderDialog = binding->Busy();
    nameInDialog = rowValue<QLineEdit>(dialog, Name)->text();
    // Nothing of the stopped walk refills the lines while the dialog is open.
    QTest::qWait(300);
    nameInDialog += '|' + rowValue<QLineEdit>(dialog, Name)->text();
    dialog.reject();
  };
  click(TCtrlBtnPanel::EditBtn);
  EXPECT_EQ(answers.dialogs, 1);
  EXPECT_FALSE(busyUnderDialog);
  const QString name = QString::fromStdString(snmpGet(*agent, std::string(kVlanName) + "1"));
  EXPECT_EQ(nameInDialog, name + '|' + name);
  // The page walks again once the dialog has gone.
  ASSERT_TRUE(waitUntil([&] { return walked(); }));
  EXPECT_EQ(view()->topLevelItemCount(), 2);
}

TEST_F(TablePageTest, ClosingDuringAnAsynchronousWalkEndsCleanly) {
  page = form.MakeTableForm(formstest::makeBinding(&form, kForwarding, MVT_FMV, 0));
  form.show();
  MvSNMPRequest2Edits* binding = form.BindingAt(0);
  ASSERT_TRUE(waitUntil([&] { return binding->Busy(); }));  // the queued first refresh has started
  form.close();
  EXPECT_EQ(form.BindingCount(), 0);
  EXPECT_EQ(page->Binding(), nullptr);
  EXPECT_LT(view()->topLevelItemCount(), 400);
  // Nothing of the walk arrives later.
  const int lines = view()->topLevelItemCount();
  QTest::qWait(0);
  EXPECT_EQ(view()->topLevelItemCount(), lines);
}

}  // namespace

namespace {

std::vector<qint64> numbersIn(QTreeWidget* view, int column) {
  std::vector<qint64> numbers;
  for (int i = 0; i < view->topLevelItemCount(); ++i) numbers.push_back(view->topLevelItem(i)->text(column).toLongLong());
  return numbers;
}

// A heading click sorts by the column's kind: ports as numbers (10 after 9), addresses as text;
// again the other way. A row chosen after sorting fills the edits with its own values.
TEST_F(TablePageTest, HeadingClickSortsByTheValuesKind) {
  open(kForwarding, false);
  ASSERT_EQ(view()->topLevelItemCount(), 400);
  QHeaderView* header = view()->header();
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
  std::vector<qint64> ports = numbersIn(view(), 1);
  EXPECT_TRUE(std::is_sorted(ports.begin(), ports.end()));
  EXPECT_GT(ports.back(), 9);
  form.BindingAt(0)->SortBy(1);
  ports = numbersIn(view(), 1);
  EXPECT_TRUE(std::is_sorted(ports.rbegin(), ports.rend()));
  form.BindingAt(0)->SortBy(0);
  for (int i = 1; i < view()->topLevelItemCount(); ++i)
    EXPECT_LE(view()->topLevelItem(i - 1)->text(0), view()->topLevelItem(i)->text(0));
  select(123);
  const QString address = view()->topLevelItem(123)->text(0);
  EXPECT_EQ(qobject_cast<QLineEdit*>(page->EditsPanel()->RowAt(0).value)->text(), address);
  // A refresh keeps the order.
  click(TCtrlBtnPanel::RefreshBtn);
  ASSERT_TRUE(waitUntil([&] { return walked() && view()->topLevelItemCount() == 400; }));
  for (int i = 1; i < view()->topLevelItemCount(); ++i)
    EXPECT_LE(view()->topLevelItem(i - 1)->text(0), view()->topLevelItem(i)->text(0));
}

// Addresses sort by their octets and numbers numerically; texts that are no value go last.
TEST(ListRows, SortByKind) {
  QTreeWidget view;
  view.setColumnCount(2);
  auto kinds = std::make_shared<std::vector<quint32>>(std::vector<quint32>{Syntax::IpAddress, Syntax::Integer});
  for (const auto& [ip, n] : std::vector<std::pair<const char*, const char*>>{
           {"10.0.0.10", "-5"}, {"9.255.0.1", "(NULL)"}, {"10.0.0.9", "12"}, {"192.168.1.1", "3"}})
    view.addTopLevelItem(new MvListRow({ip, n}, kinds));
  auto column = [&](int c) {
    QStringList texts;
    for (int i = 0; i < view.topLevelItemCount(); ++i) texts << view.topLevelItem(i)->text(c);
    return texts.join(u' ');
  };
  view.sortItems(0, Qt::AscendingOrder);
  EXPECT_EQ(column(0), "9.255.0.1 10.0.0.9 10.0.0.10 192.168.1.1");
  view.sortItems(1, Qt::AscendingOrder);
  EXPECT_EQ(column(1), "-5 3 12 (NULL)");
}

// The selected row goes to the clipboard as tab-separated text; Export CSV writes every row,
// quoting a value with a comma and a quote.
TEST_F(TablePageTest, CopyAndExportGiveExactText) {
  ASSERT_EQ(kxtest::runNetSnmpTool({"snmpset", "-v2c", "-c", "private", agent->address(),
                                    std::string(kVlanName) + "10", "s", "lab, \"north\""})
                .exitCode,
            0);
  open(kVlans);
  select(lineOf("10"));
  // Ctrl+C and the context menu: one action of the view.
  QAction* copy = nullptr;
  for (QAction* a : view()->actions())
    if (a->text() == "Copy") copy = a;
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->shortcut(), QKeySequence(QKeySequence::Copy));
  copy->trigger();
  const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n');
  ASSERT_GE(lines.size(), 2);
  EXPECT_EQ(lines[0], "VLAN ID\tName\tEgress Ports\tUntagged Ports\tStatus");
  EXPECT_TRUE(lines[1].startsWith("10\tlab, \"north\"\t")) << lines[1].toStdString();

  QTemporaryDir dir;
  const QString file = dir.filePath("vlans.csv");
  UserNotice::setSaveFileHandler([&](QWidget*, const QString&, const QString&) { return file; });
  EXPECT_TRUE(form.BindingAt(0)->ExportCsv());
  UserNotice::setSaveFileHandler({});
  QFile csv(file);
  ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
  const QList<QByteArray> rows = csv.readAll().split('\n');
  EXPECT_EQ(rows[0], "VLAN ID,Name,Egress Ports,Untagged Ports,Status\r");
  bool quoted = false;
  for (const QByteArray& row : rows) quoted = quoted || row.startsWith("10,\"lab, \"\"north\"\"\",");
  EXPECT_TRUE(quoted);
  EXPECT_EQ(rows.size(), view()->topLevelItemCount() + 2);  // heading, rows, the empty end
}

// Export CSV: a name without an extension gets ".csv"; a name with one is written as typed.
TEST_F(TablePageTest, ExportAddsTheCsvExtensionOnlyWhereTheNameHasNone) {
  open(kVlans);
  QTemporaryDir dir;
  struct Case {
    const char* typed;
    const char* written;
  } const cases[] = {{"vlans", "vlans.csv"}, {"vlans.csv", "vlans.csv"}, {"vlans.txt", "vlans.txt"},
                     {"my.dir/vlans", "my.dir/vlans.csv"}};
  ASSERT_TRUE(QDir(dir.path()).mkpath("my.dir"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    const QString typed = dir.filePath(QLatin1String(c.typed));
    UserNotice::setSaveFileHandler([&](QWidget*, const QString&, const QString&) { return typed; });
    EXPECT_TRUE(form.BindingAt(0)->ExportCsv());
    UserNotice::setSaveFileHandler({});
    EXPECT_TRUE(QFile::exists(dir.filePath(QLatin1String(c.written))));
    QFile::remove(dir.filePath(QLatin1String(c.written)));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{});  // nothing else written
  }
}

// While a walk runs, Refresh reads "Stop" (Esc as well): the walk ends with the rows read so far
// and the count says it stopped. A failed walk and the row limit say so there too.
TEST_F(TablePageTest, StopEndsAWalkAndTheCountSaysWhy) {
  agent = formstest::startAgent({"--fdb-entries", "400", "--delay", "20"});
  formstest::targetAgent(*agent);
  DeviceTarget.maxRepetitions = 0;  // a row per round trip: the walk takes a while
  page = form.MakeTableForm(formstest::makeBinding(&form, kForwarding, MVT_FMV, 0));
  form.show();
  QPushButton* refresh = page->BtnPanel()->Button(TCtrlBtnPanel::RefreshBtn);
  ASSERT_TRUE(waitUntil([&] { return view()->topLevelItemCount() >= 10; }));
  EXPECT_EQ(refresh->text(), "Stop");
  QTest::keyClick(view(), Qt::Key_Escape);
  ASSERT_TRUE(waitUntil([&] { return walked(); }));
  EXPECT_TRUE(form.isVisible());  // Esc stopped the walk, it did not close the page
  const int rows = view()->topLevelItemCount();
  EXPECT_LT(rows, 400);
  auto* note = qobject_cast<QLabel*>(page->BtnPanel()->Control(TCtrlBtnPanel::SamplesLabel));
  EXPECT_TRUE(note->text().contains("stopped")) << note->text().toStdString();
  EXPECT_EQ(refresh->text(), "Refresh");

  // The row limit.
  form.BindingAt(0)->SetMaxRows(25);
  click(TCtrlBtnPanel::RefreshBtn);
  ASSERT_TRUE(waitUntil([&] { return walked() && refresh->text() == "Refresh"; }));
  EXPECT_EQ(view()->topLevelItemCount(), 25);
  EXPECT_TRUE(note->text().contains("at most 25 rows")) << note->text().toStdString();

  // A walk that fails half way.
  form.BindingAt(0)->SetMaxRows(MvSNMPRequest2Edits::MaxListRows);
  form.BindingAt(0)->Request().timeout = 20;
  click(TCtrlBtnPanel::RefreshBtn);
  ASSERT_TRUE(waitUntil([&] { return view()->topLevelItemCount() >= 5; }));
  agent->stop();
  ASSERT_TRUE(waitUntil([&] { return walked(); }, 30000));
  EXPECT_TRUE(note->text().contains("stopped: (SNMPClass) SNMP request timed out!")) << note->text().toStdString();
}

// Enter on a selected line opens Edit, as a double-click does.
TEST_F(TablePageTest, EnterOpensEdit) {
  open(kVlans);
  select(lineOf("1"));
  answers.onDialog = [](QDialog& dialog) { dialog.reject(); };
  QTest::keyClick(view(), Qt::Key_Return);
  EXPECT_EQ(answers.dialogs, 1);
}

}  // namespace

namespace {

// The filter hides rows without its text in any shown column; the count reads "shown of total";
// Ctrl+F goes to it.
TEST_F(TablePageTest, FilterHidesRowsAndCountsThem) {
  open(kForwarding, false);
  ASSERT_EQ(view()->topLevelItemCount(), 400);
  QLineEdit* filter = page->ListViewPanel()->FilterEdit();
  const QString address = view()->topLevelItem(17)->text(0);
  filter->setText(address);
  int shown = 0;
  for (int i = 0; i < view()->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* row = view()->topLevelItem(i);
    EXPECT_EQ(row->isHidden(), !row->text(0).contains(address, Qt::CaseInsensitive) &&
                                   !row->text(1).contains(address) && !row->text(2).contains(address));
    if (!row->isHidden()) ++shown;
  }
  EXPECT_GE(shown, 1);
  EXPECT_EQ(page->BtnPanel()->Count()->text(), QStringLiteral("%1 of 400").arg(shown));
  // A refresh keeps filtering the rows as they come.
  click(TCtrlBtnPanel::RefreshBtn);
  ASSERT_TRUE(waitUntil([&] { return walked() && view()->topLevelItemCount() == 400; }));
  EXPECT_EQ(page->BtnPanel()->Count()->text(), QStringLiteral("%1 of 400").arg(shown));
  filter->clear();
  EXPECT_EQ(page->BtnPanel()->Count()->text(), "400");
}

// After Edit (and its refresh) the edited row is selected again and the view has not jumped.
TEST_F(TablePageTest, SelectionAndPlaceKeptAfterEdit) {
  open(kVlans);
  select(lineOf("10"));
  answers.onDialog = [&](QDialog& dialog) {
    rowValue<QLineEdit>(dialog, Name)->setText("kept");
    rowCheck(dialog, Name)->click();
    QTest::mouseClick(dialogButton(dialog, "SetCheckedBtn"), Qt::LeftButton);
  };
  click(TCtrlBtnPanel::EditBtn);
  ASSERT_TRUE(waitUntil([&] { return walked(); }));
  ASSERT_FALSE(view()->selectedItems().isEmpty());
  EXPECT_EQ(view()->selectedItems().front()->text(0), "10");
  EXPECT_EQ(view()->selectedItems().front()->text(1), "kept");
}

}  // namespace

namespace {

// Sorted the other way, the first line is VLAN 10: selecting it fills the edits with its values
// and Delete destroys exactly that row on the agent. Several selected rows are copied together
// and leave Edit and Delete off.
TEST_F(TablePageTest, AfterSortingTheSelectedRowIsTheOneActedOn) {
  open(kVlans);
  form.BindingAt(0)->SortBy(VlanId);
  form.BindingAt(0)->SortBy(VlanId);  // descending
  ASSERT_EQ(view()->topLevelItem(0)->text(0), "10");
  view()->selectAll();
  form.BindingAt(0)->CopyRows();
  EXPECT_EQ(QGuiApplication::clipboard()->text().count(u'\n'), 1 + view()->topLevelItemCount());
  EXPECT_FALSE(control(TCtrlBtnPanel::DeleteBtn)->isEnabled());
  select(0);
  EXPECT_TRUE(control(TCtrlBtnPanel::DeleteBtn)->isEnabled());
  EXPECT_EQ(qobject_cast<QLineEdit*>(page->EditsPanel()->RowAt(VlanId).value)->text(), "10");
  answers.confirmAnswer = true;
  click(TCtrlBtnPanel::DeleteBtn);
  EXPECT_EQ(snmpGet(*agent, std::string(kVlanStatus) + "10"), "");
  EXPECT_EQ(snmpGet(*agent, std::string(kVlanStatus) + "1"), "1");
}

}  // namespace
