// Rows of the generic table pages on the catalogue's own lists: typed index values read strictly
// (refused with the row's label, nothing sent), a row deleted by the index it was read with, a
// delete the device does not carry out reported, and a row dialog that keeps its rows whatever
// message it shows while the page keeps its list.
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

#include "catalogue/CatalogueOptions.h"
#include "catalogue/Dhcprelayoidunit.h"
#include "tests/support/FormsFixture.h"
#include "configform/Guiconfigform.h"
#include "widgets/MvListRows.h"
#include "bind/MvSNMPRequest2Edits.h"
#include "tests/support/NetSnmpTool.h"
#include "tests/support/SimLog.h"
#include "catalogue/Smtpoidunit.h"

using formstest::FormAnswers;
using formstest::snmpGet;
using formstest::waitUntil;

namespace {

constexpr char kOption60Status[] = "1.3.6.1.4.1.48213.12.42.3.3.4.1.4";
constexpr char kReceiverStatus[] = "1.3.6.1.4.1.48213.12.29.3.1.1.3";

// "DHCP Relay Option 60 Table" and "SMTP Mail Receiver Table" as the menu opens them.
struct Page {
  const SnmpVarDef* list;
  int keys;
  int status;
};
constexpr Page kOption60{DhcpOption60TableList, 2, 3};
constexpr Page kReceivers{SmtpReceiverList, 1, 2};

class TableRowsTest : public ::testing::Test {
 protected:
  void start(const std::vector<std::string>& extra = {}) {
    std::vector<std::string> args{"--log", log.path().toStdString()};
    args.insert(args.end(), extra.begin(), extra.end());
    agent = formstest::startAgent(args);
  }

  TSNMPListViewPanel* open(const Page& p, const QString& title) {
    form.setWindowTitle(title);
    page = form.MakeTableForm(formstest::makeBinding(&form, p.list, MVT_UMV, p.keys), p.status,
                              "createAndGo", p.status, "destroy");
    form.show();
    EXPECT_TRUE(waitUntil([&] { return walked() && view()->topLevelItemCount() > 0; }));
    return page;
  }
  QTreeWidget* view() { return page->ListView(); }
  QPlainTextEdit* memo() { return form.findChild<QPlainTextEdit*>("Memo"); }
  bool walked() { return form.BindingAt(0) && !form.BindingAt(0)->Busy(); }
  void click(int which) { QTest::mouseClick(page->BtnPanel()->Button(which), Qt::LeftButton); }
  int lineWith(int column, const QString& text) {
    for (int i = 0; i < view()->topLevelItemCount(); ++i)
      if (view()->topLevelItem(i)->text(column) == text) return i;
    return -1;
  }
  int sets() { return static_cast<int>(log.of("set").size()); }
  // Runs the event loop for a moment: queued layouts and the like happen, as under a message box.
  static void settle() { QTest::qWait(100); }

  QTemporaryDir dir;
  kxtest::SimLog log{dir.filePath("requests.jsonl")};
  std::unique_ptr<kxtest::SimAgent> agent;
  TConfigForm form;
  TSNMPListViewPanel* page = nullptr;
  FormAnswers answers;
};

template <typename T>
T* rowValue(QDialog& dialog, int row) {
  return dialog.findChild<T*>(QStringLiteral("Value%1").arg(row));
}
QPushButton* setButton(QDialog& dialog) { return dialog.findChild<QPushButton*>("SetCheckedBtn"); }

// Creates an Option 60 row at exactly the index given, as another manager could.
void createOption60Row(const kxtest::SimAgent& agent, const std::string& index) {
  const auto r = kxtest::runNetSnmpTool({"snmpset", "-v2c", "-c", "private", agent.address(),
                                         std::string(kOption60Status) + "." + index, "i", "4"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
}

}  // namespace

TEST_F(TableRowsTest, TypedIndexValuesAreReadStrictlyAndRefusedWithTheirLabel) {
  start();
  open(kOption60, "DHCP Relay Option 60 Table");
  struct Case {
    const char* string;
    const char* replyIp;
    const char* refusedLabel;  // nullptr: accepted and created
  } const cases[] = {
      {"vendor-x", "10.9.9.999", "DHCP Relay Option 60 Reply IP"},
      {"vendor-x", "10.9.9", "DHCP Relay Option 60 Reply IP"},
      {"vendor-x", "10.9.9.9x", "DHCP Relay Option 60 Reply IP"},
      {"vendor-x", "-1.9.9.9", "DHCP Relay Option 60 Reply IP"},
      {"vendor-\u20ac", "10.9.9.9", "DHCP Relay Option 60 String"},  // not Latin-1
      {"vendor-x", "10.9.9.255", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.string) + " / " + c.replyIp);
    answers.warnings.clear();
    const int before = sets();
    bool stayedOpen = false;
    answers.onDialog = [&](QDialog& dialog) {
      rowValue<QLineEdit>(dialog, 0)->setText(QString::fromUtf8(c.string));
      rowValue<QLineEdit>(dialog, 1)->setText(c.replyIp);
      rowValue<QComboBox>(dialog, 2)->setCurrentIndex(0);  // the match type
      QTest::mouseClick(setButton(dialog), Qt::LeftButton);
      stayedOpen = dialog.isVisible();
    };
    click(TCtrlBtnPanel::AddBtn);
    ASSERT_TRUE(waitUntil([&] { return walked(); }));
    if (c.refusedLabel) {
      EXPECT_TRUE(stayedOpen);
      ASSERT_EQ(answers.warnings.size(), 1);
      EXPECT_TRUE(answers.warnings.front().contains(QString("\"%1\"").arg(c.refusedLabel)))
          << answers.warnings.front().toStdString();
      EXPECT_EQ(sets(), before) << "nothing may reach the device";
    } else {
      EXPECT_FALSE(stayedOpen);
      EXPECT_TRUE(answers.warnings.isEmpty()) << answers.warnings.join("|").toStdString();
      // "vendor-x" (8 octets, length first) at 10.9.9.255.
      EXPECT_EQ(snmpGet(*agent, std::string(kOption60Status) +
                                    ".8.118.101.110.100.111.114.45.120.10.9.9.255"),
                "1");
    }
  }
}

TEST_F(TableRowsTest, DeleteAddressesTheRowAsReadNotAsShown) {
  start();
  // An index sub-identifier above 255 in the address part: shown as its low octet (231).
  createOption60Row(*agent, "1.65.10.9.9.999");
  open(kOption60, "DHCP Relay Option 60 Table");
  const int line = lineWith(1, "10.9.9.231");
  ASSERT_GE(line, 0);
  auto* row = dynamic_cast<MvListRow*>(view()->topLevelItem(line));
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->Instance(), "1.65.10.9.9.999");

  view()->setCurrentItem(view()->topLevelItem(line));
  const int mark = log.lines();
  click(TCtrlBtnPanel::DeleteBtn);
  const auto written = log.of("set", mark);
  ASSERT_EQ(written.size(), 1u);
  EXPECT_EQ(written.front().pairs(),
            QStringList{QString(kOption60Status) + ".1.65.10.9.9.999=6"});
  EXPECT_EQ(snmpGet(*agent, std::string(kOption60Status) + ".1.65.10.9.9.999"), "");
  EXPECT_EQ(lineWith(1, "10.9.9.231"), -1);
  const QString lastLine = memo()->toPlainText().split('\n').last();
  EXPECT_TRUE(lastLine.startsWith("Set: Ok")) << lastLine.toStdString();
}

TEST_F(TableRowsTest, EditWritesTheRowAsRead) {
  start();
  createOption60Row(*agent, "1.65.10.9.9.999");
  open(kOption60, "DHCP Relay Option 60 Table");
  const int line = lineWith(1, "10.9.9.231");
  ASSERT_GE(line, 0);
  view()->setCurrentItem(view()->topLevelItem(line));
  const int mark = log.lines();
  answers.onDialog = [&](QDialog& dialog) {
    auto* type = rowValue<QComboBox>(dialog, 2);
    ASSERT_NE(type, nullptr);
    type->setCurrentIndex(type->currentIndex() == 0 ? 1 : 0);
    dialog.findChild<QCheckBox*>("Check2")->click();
    QTest::mouseClick(setButton(dialog), Qt::LeftButton);
  };
  click(TCtrlBtnPanel::EditBtn);
  const auto written = log.of("set", mark);
  ASSERT_EQ(written.size(), 1u);
  ASSERT_EQ(written.front().varbinds.size(), 1u);
  EXPECT_EQ(written.front().varbinds.front().oid, "1.3.6.1.4.1.48213.12.42.3.3.4.1.3.1.65.10.9.9.999");
}

TEST_F(TableRowsTest, ARowTheDeviceKeepsAfterDestroyIsReportedNotOk) {
  start({"--fault", std::string("keeprows:") + kReceiverStatus});
  open(kReceivers, "SMTP Mail Receiver Table");
  ASSERT_EQ(view()->topLevelItemCount(), 2);
  view()->setCurrentItem(view()->topLevelItem(0));
  click(TCtrlBtnPanel::DeleteBtn);
  EXPECT_EQ(snmpGet(*agent, std::string(kReceiverStatus) + ".1"), "1");
  EXPECT_EQ(view()->topLevelItemCount(), 2);
  const QString text = memo()->toPlainText();
  const QString lastLine = text.split('\n').last();
  EXPECT_TRUE(lastLine.startsWith("Set: the device kept the row")) << text.toStdString();
  EXPECT_FALSE(text.contains("Set: Ok")) << text.toStdString();
  EXPECT_EQ(answers.warnings, QStringList{TSNMPListViewPanel::KeptRowMessage()});
}

// Add, an address typed, the index left empty, Set, OK on the message: the dialog keeps its rows,
// and after it the page has its list and filter; a later Add shows its row.
TEST_F(TableRowsTest, EmptyItemsMessageLeavesDialogAndPageIntact) {
  start();
  open(kReceivers, "SMTP Mail Receiver Table");
  QWidget* listPanel = page->ListViewPanel();
  answers.onDialog = [&](QDialog& dialog) {
    auto* address = rowValue<QLineEdit>(dialog, 1);
    address->setText("network-operations-team@example.com");  // wider than the edit
    settle();
    QTest::mouseClick(setButton(dialog), Qt::LeftButton);
    settle();
    EXPECT_EQ(answers.warnings, QStringList{"Some items are empty!"});
    EXPECT_TRUE(dialog.isVisible());
    for (int r = 0; r < 3; ++r) {
      SCOPED_TRACE(r);
      QLabel* label = dialog.findChild<QLabel*>(QStringLiteral("Label%1").arg(r));
      ASSERT_NE(label, nullptr) << "the dialog lost its rows";
      EXPECT_EQ(label->window(), &dialog);
      EXPECT_TRUE(label->isVisibleTo(&dialog));
    }
    EXPECT_EQ(address->text(), "network-operations-team@example.com");
    EXPECT_EQ(page->Content(), listPanel);
    if (!qEnvironmentVariableIsEmpty("KX_FORMS_SHOTS"))
      dialog.grab().save(qEnvironmentVariable("KX_FORMS_SHOTS") + "/smtp-add-after-message.png");
    dialog.reject();
  };
  click(TCtrlBtnPanel::AddBtn);
  ASSERT_TRUE(waitUntil([&] { return walked(); }));
  click(TCtrlBtnPanel::RefreshBtn);
  ASSERT_TRUE(waitUntil([&] { return walked(); }));
  EXPECT_EQ(page->Content(), listPanel);
  EXPECT_TRUE(view()->isVisibleTo(&form));
  EXPECT_TRUE(page->ListViewPanel()->FilterEdit()->isVisibleTo(&form));
  EXPECT_TRUE(page->EditsPanel()->isHidden());
  EXPECT_EQ(view()->topLevelItemCount(), 2);

  answers.warnings.clear();
  answers.onDialog = [&](QDialog& dialog) {
    rowValue<QLineEdit>(dialog, 0)->setText("7");
    rowValue<QLineEdit>(dialog, 1)->setText("network-operations-team@example.com");
    settle();
    QTest::mouseClick(setButton(dialog), Qt::LeftButton);
  };
  click(TCtrlBtnPanel::AddBtn);
  EXPECT_TRUE(answers.warnings.isEmpty()) << answers.warnings.join("|").toStdString();
  ASSERT_TRUE(waitUntil([&] { return walked(); }));
  EXPECT_EQ(view()->topLevelItemCount(), 3);
  const int added = lineWith(0, "7");
  ASSERT_GE(added, 0);
  EXPECT_FALSE(view()->topLevelItem(added)->isHidden());
  EXPECT_TRUE(view()->isVisibleTo(&form));
}
