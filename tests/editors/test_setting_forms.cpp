// The dedicated setting forms end to end against kx760sim: the spanning-tree bridge and port
// dialogs, summer time with its rule rows bound to single octets, SMTP with its test mail, and
// log saving. What the forms send is read from the agent's request log.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "configform/CtrlBtnPanel.h"
#include "tests/editors/EditorsFixture.h"
#include "configform/EditsPanel.h"
#include "editors/LogSaveControlForm.h"
#include "bind/MvSNMPRequest2Edits.h"
#include "editors/SmtpControlForm.h"
#include "editors/StpForms.h"
#include "editors/SummerTimeForm.h"

using editorstest::EditorsTest;
using formstest::waitUntil;

namespace {

const QString kSummer = QStringLiteral("1.3.6.1.4.1.48213.12.10.12.");
const QString kSmtp = QStringLiteral("1.3.6.1.4.1.48213.12.29.1.");

void setText(QLineEdit* edit, const QString& text) {
  edit->clear();
  QTest::keyClicks(edit, text);
}

QString partText(const QWidget* part) {
  if (auto* list = qobject_cast<const QComboBox*>(part)) return list->currentText();
  if (auto* edit = qobject_cast<const QLineEdit*>(part)) return edit->text();
  return {};
}

QStringList partTexts(const TCtrlsList& parts) {
  QStringList out;
  for (int k = 1; k < parts.size(); ++k) out << partText(parts.at(k));
  return out;
}

}  // namespace

// ---- spanning tree ----

TEST_F(EditorsTest, StpBridgeChecksTheTimerRelations) {
  struct Case {
    const char* forwardDelay;
    const char* helloTime;
    const char* maxAge;
    const char* message;  // "" when the values are written
  };
  const Case cases[] = {
      {"1500", "200", "2900", "Data Error !"},   // 2 x 1500 - 200 = 2800 < 2900
      {"1500", "1000", "2000", "Data Error !"},  // 2000 < 2 x 1000 + 200
      {"1500", "", "2000", "Don't Leave Empty Fileds !"},
      {"1500", "200", "2000", ""},
  };
  auto form = open<TSTP_Info>();
  EXPECT_EQ(form->windowTitle(), "Spanning Tree Control : 127.0.0.1");
  EXPECT_EQ(form->Edit(TSTP_Info::MaxAge)->text(), "2000");
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.forwardDelay) + "/" + c.helloTime + "/" + c.maxAge);
    setText(form->Edit(TSTP_Info::ForwardDelay), c.forwardDelay);
    setText(form->Edit(TSTP_Info::HelloTime), c.helloTime);
    setText(form->Edit(TSTP_Info::MaxAge), c.maxAge);
    setText(form->Edit(TSTP_Info::Priority), "61440");
    const int mark = log.lines();
    form->SetButton()->click();
    ASSERT_TRUE(waitUntil([&] { return form->FirstRefreshDone(); }));
    if (*c.message) {
      EXPECT_EQ(form->StatusPanel()->text(), c.message);
      EXPECT_TRUE(log.of("set", mark).empty());
      continue;
    }
    const auto sets = log.of("set", mark);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].pairs(), QStringList({"1.3.6.1.2.1.17.2.16.0=2", "1.3.6.1.2.1.17.2.2.0=61440",
                                            "1.3.6.1.2.1.17.2.12.0=2000", "1.3.6.1.2.1.17.2.13.0=200",
                                            "1.3.6.1.2.1.17.2.14.0=1500", "1.3.6.1.2.1.17.2.17.0=6"}));
    EXPECT_TRUE(form->StatusPanel()->text().startsWith("Set: Ok")) << form->StatusPanel()->text().toStdString();
  }
}

TEST_F(EditorsTest, StpPortSetWritesSixItemsOfThePort) {
  auto form = open<TSTP_Port>();
  EXPECT_EQ(form->windowTitle(), "STP Port Table :127.0.0.1");
  ASSERT_EQ(form->ListView()->topLevelItemCount(), 18);
  EXPECT_FALSE(form->SetButton()->isEnabled());
  form->ListView()->setCurrentItem(form->ListView()->topLevelItem(2));  // port 3
  EXPECT_TRUE(form->SetButton()->isEnabled());
  EXPECT_EQ(TSTP_Port::LastStpPortRow, 2);
  form->PriorityEdit()->clear();
  form->SetButton()->click();
  EXPECT_EQ(form->StatusPanel()->text(), "Please Input Value!");

  setText(form->PriorityEdit(), "64");
  form->EdgeCombo()->setCurrentIndex(0);  // true
  const int mark = log.lines();
  form->SetButton()->click();  // blocking: returns once written and read again
  const auto sets = log.of("set", mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].pairs(), QStringList({"1.3.6.1.2.1.17.2.15.1.2.3=64", "1.3.6.1.2.1.17.2.15.1.4.3=1",
                                          "1.3.6.1.2.1.17.2.19.1.1.3=2", "1.3.6.1.2.1.17.2.19.1.2.3=1",
                                          "1.3.6.1.2.1.17.2.19.1.4.3=2", "1.3.6.1.2.1.17.2.19.1.6.3=20000"}));
  // The port stays selected, with the values read back, ready for the next change.
  EXPECT_TRUE(form->SetButton()->isEnabled());
  EXPECT_EQ(form->ListView()->currentItem(), form->ListView()->topLevelItem(2));
  EXPECT_TRUE(form->ListView()->topLevelItem(2)->isSelected());
  EXPECT_EQ(form->PriorityEdit()->text(), "64");
  EXPECT_EQ(get("1.3.6.1.2.1.17.2.15.1.2.3"), "64");
}

// ---- summer time ----

TEST_F(EditorsTest, SummerTimeShowsTheRulesOctetsAsParts) {
  set("1.3.6.1.4.1.48213.12.10.12.3.0", "x", "030001030200");
  auto form = open<TSummerTimeForm>();
  TEditsPanel* rows = form->Page()->EditsPanel();
  EXPECT_EQ(form->StatusCombo()->currentText(), "repeating");
  EXPECT_EQ(partTexts(form->Parts(TSummerTimeForm::RepeatStart)), QStringList({"Mar", "3rd", "Sun", "2", "0"}));
  EXPECT_EQ(partTexts(form->Parts(TSummerTimeForm::RepeatEnd)), QStringList({"Oct", "last", "Sun", "3", "0"}));
  EXPECT_FALSE(rows->RowAt(TSummerTimeForm::RepeatStart).value->isHidden());
  EXPECT_TRUE(rows->RowAt(TSummerTimeForm::AnnualStart).value->isHidden());
  EXPECT_FALSE(form->Page()->MsgPanel()->Memo()->toPlainText().contains("failed"));
}

TEST_F(EditorsTest, SummerTimeModeSwitchShowsTheOtherRules) {
  set("1.3.6.1.4.1.48213.12.10.12.1.0", "i", "2");
  auto form = open<TSummerTimeForm>();
  TEditsPanel* rows = form->Page()->EditsPanel();
  EXPECT_EQ(form->StatusCombo()->currentText(), "annual");
  EXPECT_FALSE(rows->RowAt(TSummerTimeForm::AnnualStart).value->isHidden());
  EXPECT_TRUE(rows->RowAt(TSummerTimeForm::RepeatStart).value->isHidden());
  EXPECT_EQ(partTexts(form->Parts(TSummerTimeForm::AnnualStart)), QStringList({"31", "Mar", "2", "0"}));
  rows->RowAt(TSummerTimeForm::AnnualStart).check->setChecked(true);
  form->StatusCombo()->setCurrentIndex(form->StatusCombo()->findText("repeating"));
  EXPECT_FALSE(rows->RowAt(TSummerTimeForm::RepeatStart).value->isHidden());
  EXPECT_TRUE(rows->RowAt(TSummerTimeForm::AnnualStart).value->isHidden());
  EXPECT_FALSE(rows->RowAt(TSummerTimeForm::AnnualStart).check->isChecked());
}

// The mode is written first, then the offset and the rules of that mode, each rule as octets. The
// rule's row is ticked by typing its parts, as any row of a page is.
TEST_F(EditorsTest, SummerTimeWritesTheModeThenTheRules) {
  auto form = open<TSummerTimeForm>();
  TEditsPanel* rows = form->Page()->EditsPanel();
  form->StatusCombo()->setCurrentIndex(form->StatusCombo()->findText("annual"));
  const TCtrlsList& start = form->Parts(TSummerTimeForm::AnnualStart);
  EXPECT_FALSE(rows->RowAt(TSummerTimeForm::AnnualStart).check->isChecked());
  setText(qobject_cast<QLineEdit*>(start.at(1)), "31");
  EXPECT_TRUE(rows->RowAt(TSummerTimeForm::AnnualStart).check->isChecked());
  auto* month = qobject_cast<QComboBox*>(start.at(2));
  month->setCurrentIndex(month->findText("Oct"));
  setText(qobject_cast<QLineEdit*>(start.at(3)), "3");
  setText(qobject_cast<QLineEdit*>(start.at(4)), "0");
  EXPECT_FALSE(rows->RowAt(TSummerTimeForm::AnnualEnd).check->isChecked());  // untouched rules stay out
  rows->RowAt(TSummerTimeForm::Status).check->click();
  const int mark = log.lines();
  form->Page()->BtnPanel()->Button(TCtrlBtnPanel::SetCheckedBtn)->click();
  const auto sets = log.of("set", mark);
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(sets[0].pairs(), QStringList({kSummer + "1.0=2"}));
  EXPECT_EQ(sets[1].pairs(), QStringList({kSummer + "5.0=1F0A0300"}));
  EXPECT_EQ(get("1.3.6.1.4.1.48213.12.10.12.5.0"), "1F 0A 03 00");
  EXPECT_EQ(get("1.3.6.1.4.1.48213.12.10.12.1.0"), "2");
}

TEST_F(EditorsTest, SummerTimeRefusesAnEmptyPartAtTheSecondRequest) {
  auto form = open<TSummerTimeForm>();
  TEditsPanel* rows = form->Page()->EditsPanel();
  const TCtrlsList& start = form->Parts(TSummerTimeForm::RepeatStart);
  qobject_cast<QLineEdit*>(start.at(5))->clear();  // the minute
  for (int row : {TSummerTimeForm::Status, TSummerTimeForm::RepeatStart}) rows->RowAt(row).check->click();
  const int mark = log.lines();
  form->Page()->BtnPanel()->Button(TCtrlBtnPanel::SetCheckedBtn)->click();
  EXPECT_EQ(answers.warnings, QStringList({"Some items are empty!"}));
  const auto sets = log.of("set", mark);
  ASSERT_EQ(sets.size(), 1u);  // the status went with the first request
  EXPECT_EQ(sets[0].pairs(), QStringList({kSummer + "1.0=1"}));
}

// ---- SMTP ----

TEST_F(EditorsTest, SmtpSetFollowsTheTestMessageChoice) {
  auto form = open<TSMTPControlForm>();
  EXPECT_EQ(form->windowTitle(), "SMTP Control Table : 127.0.0.1");
  EXPECT_EQ(form->Edit(TSMTPControlForm::ServerAddress)->text(), "10.90.90.25");
  int mark = log.lines();

  // An empty port is said before anything else.
  form->Edit(TSMTPControlForm::ServerPort)->clear();
  form->StatusCombo()->setCurrentIndex(0);
  form->SendTestCombo()->setCurrentIndex(0);
  form->SetButton()->click();
  EXPECT_EQ(form->StatusPanel()->text(), "Please Input Value!");
  setText(form->Edit(TSMTPControlForm::ServerPort), "25");

  // "send" while SMTP is disabled.
  form->SetButton()->click();
  EXPECT_EQ(answers.warnings, QStringList({"Enable SMTP first if you want send a mail"}));

  // "send", enabled, Cancel: nothing is sent, the form reads the device again.
  form->StatusCombo()->setCurrentIndex(1);
  answers.confirmAnswer = false;
  form->SetButton()->click();
  EXPECT_EQ(answers.confirmations, QStringList({"To Send the mail may take a long time. Do you want to go on?"}));
  ASSERT_TRUE(waitUntil([&] { return form->FirstRefreshDone() && !log.of("get", mark).empty(); }));
  EXPECT_TRUE(log.of("set", mark).empty());

  // "noAction": items 0 to 5 only; then a read.
  form->SendTestCombo()->setCurrentIndex(1);
  setText(form->Edit(TSMTPControlForm::Subject), "hello");
  mark = log.lines();
  form->SetButton()->click();
  ASSERT_TRUE(waitUntil([&] { return form->FirstRefreshDone() && !log.of("get", mark).empty(); }));
  const auto sets = log.of("set", mark);
  ASSERT_EQ(sets.size(), 1u);
  QStringList oids;
  for (const auto& vb : sets[0].varbinds) oids << vb.oid;
  EXPECT_EQ(oids, QStringList({kSmtp + "1.0", kSmtp + "2.0", kSmtp + "3.0", kSmtp + "4.0", kSmtp + "5.0",
                               kSmtp + "6.0"}));
  EXPECT_EQ(get("1.3.6.1.4.1.48213.12.29.1.5.0"), "hello");
  EXPECT_EQ(form->Binding()->Request().varList.item(TSMTPControlForm::SendTest).access, Access::ReadWrite);

  // "send", OK: the progress dialog starts the write of all seven items.
  form->SendTestCombo()->setCurrentIndex(0);
  answers.confirmAnswer = true;
  mark = log.lines();
  form->SetButton()->click();
  ASSERT_TRUE(waitUntil([&] { return form->FirstRefreshDone() && !log.of("set", mark).empty(); }));
  EXPECT_EQ(log.of("set", mark).front().varbinds.size(), 7u);
  EXPECT_EQ(log.of("set", mark).front().pairs().last(), kSmtp + "7.0=1");
  // The form reads the device again once the write has ended.
  ASSERT_TRUE(waitUntil([&] { return form->Settled() && !log.of("get", mark).empty(); }));
}

// ---- log save ----

TEST_F(EditorsTest, LogSaveWritesTheIntervalOnlyWithItsMethod) {
  auto form = open<TLogSaveControlForm>();
  EXPECT_EQ(form->MethodCombo()->currentText(), "time-interval");
  EXPECT_TRUE(form->IntervalEdit()->isEnabled());
  form->MethodCombo()->setCurrentIndex(1);  // on-demand
  EXPECT_FALSE(form->IntervalEdit()->isEnabled());
  int mark = log.lines();
  form->SetButton()->click();
  auto sets = log.of("set", mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].pairs(), QStringList({"1.3.6.1.4.1.48213.12.12.3.1.0=2"}));

  form->MethodCombo()->setCurrentIndex(0);
  form->IntervalEdit()->clear();
  mark = log.lines();
  form->SetButton()->click();
  EXPECT_EQ(answers.warnings, QStringList({"You should fill in Log Savetime Interval."}));
  EXPECT_TRUE(log.of("set", mark).empty());

  setText(form->IntervalEdit(), "10");
  form->SetButton()->click();
  sets = log.of("set", mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].pairs(), QStringList({"1.3.6.1.4.1.48213.12.12.3.1.0=1", "1.3.6.1.4.1.48213.12.12.3.2.0=10"}));
  EXPECT_TRUE(form->StatusPanel()->text().startsWith("Get: Ok") || form->StatusPanel()->text().startsWith("Set: Ok"))
      << form->StatusPanel()->text().toStdString();
}
