// End to end: every editor, table and tabbed entry of the menu opened in the main window against
// kx760sim; each page's first refresh must succeed and show a value for every object it reads.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

#include "tests/shell/MainFormFixture.h"

namespace {

using kxtest::waitUntil;
using shelltest::MainFormTest;
using shelltest::memoOf;

// Every text the page shows in its value controls and list view.
QStringList shownTexts(QWidget* page) {
  QStringList texts;
  for (auto* e : page->findChildren<QLineEdit*>()) texts << e->text();
  for (auto* c : page->findChildren<QComboBox*>()) texts << c->currentText();
  for (auto* l : page->findChildren<QLabel*>()) texts << l->text();
  for (auto* tree : page->findChildren<QTreeWidget*>())
    for (int row = 0; row < tree->topLevelItemCount(); ++row)
      for (int col = 0; col < tree->columnCount(); ++col) texts << tree->topLevelItem(row)->text(col);
  return texts;
}

class EveryPageTest : public MainFormTest {};

TEST_F(EveryPageTest, EveryGenericPageRefreshesCleanly) {
  auto form = open();
  setRmon(3);  // the RMON pages are enabled
  emit form->TopMenu("RMON1")->aboutToShow();
  int opened = 0;
  int noEditPages = 0;
  for (const MenuEntry& entry : menuEntries()) {
    if (entry.isHiddenInMenu()) continue;
    if (entry.family != MenuFamily::Editor && entry.family != MenuFamily::Table && entry.family != MenuFamily::Tabs)
      continue;
    SCOPED_TRACE(entry.item);
    QAction* action = form->MenuAction(QString::fromLatin1(entry.item));
    ASSERT_NE(action, nullptr);
    EXPECT_TRUE(action->isEnabled());
    QStringList problems;
    answers.onForm = [&](TConfigForm& f) {
      const int pages = f.PageControl() ? f.PageControl()->count() : 1;
      for (int p = 0; p < pages; ++p) {
        if (f.PageControl()) f.PageControl()->setCurrentIndex(p);
        QWidget* page = f.PageControl() ? f.PageControl()->currentWidget() : &f;
        QPlainTextEdit* memo = memoOf(f);
        if (!waitUntil([&] { return !memo->toPlainText().isEmpty() && !f.CurrentBinding()->Busy(); })) {
          problems << QStringLiteral("page %1: no refresh").arg(p);
          continue;
        }
        const QString status = memo->toPlainText();
        if (!status.startsWith(u"Get: Ok")) problems << QStringLiteral("page %1: %2").arg(p).arg(status);
        for (const QString& text : shownTexts(page))
          if (text.contains(u"(NULL)") || text.contains(u"(NOTDONE)"))
            problems << QStringLiteral("page %1 shows %2").arg(p).arg(text);
      }
      // The DHCP relay option tables add and delete rows but never edit them.
      if (entry.extras.noEdit) {
        auto* edit = f.findChild<QPushButton*>("EditBtn");
        if (!edit || !edit->isHidden()) problems << QStringLiteral("an Edit button");
        ++noEditPages;
      }
    };
    const int before = answers.forms;
    action->trigger();
    EXPECT_EQ(answers.forms, before + 1);
    EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
    EXPECT_TRUE(answers.messages.isEmpty()) << answers.messages.join('\n').toStdString();
    answers.messages.clear();
    ++opened;
  }
  EXPECT_GT(opened, 100);
  EXPECT_EQ(noEditPages, 3);
  setRmon(2);
}

TEST_F(EveryPageTest, SaveChangesAndRebootWriteOnlyWhenConfirmed) {
  auto form = open();
  const std::string reset = "1.3.6.1.4.1.48213.12.1.2.3.0";
  const std::string save = "1.3.6.1.4.1.48213.12.1.2.6.0";
  auto value = [&](const std::string& oid) {
    const auto r = kxtest::runNetSnmpTool({"snmpget", "-v2c", "-c", "public", agent_->address(), oid});
    const auto at = r.out.find('=');
    return at == std::string::npos ? r.out : r.out.substr(at, r.out.find_last_not_of('\n') + 1 - at);
  };
  auto put = [&](const std::string& oid, const char* v) {
    ASSERT_EQ(kxtest::runNetSnmpTool({"snmpset", "-v2c", "-c", "private", agent_->address(), oid, "i", v}).exitCode, 0);
  };
  put(reset, "4");
  put(save, "1");

  answers.answer = false;
  form->MenuAction("Reset2")->trigger();
  form->MenuAction("SaveChanges1")->trigger();
  EXPECT_EQ(value(reset), "= INTEGER: 4");
  EXPECT_EQ(value(save), "= INTEGER: 1");
  EXPECT_EQ(answers.forms, 0);

  answers.answer = true;
  form->MenuAction("Reset2")->trigger();
  // The reboot is asynchronous: its result comes as a message once the switch has answered.
  ASSERT_TRUE(waitUntil([&] { return !answers.messages.isEmpty(); }));
  EXPECT_EQ(answers.messages, QStringList{RebootDoneText});
  answers.messages.clear();
  EXPECT_EQ(value(reset), "= INTEGER: 3");  // "warm-start"
  QString memoAfterSet;
  answers.onForm = [&](TConfigForm& f) {
    ASSERT_TRUE(waitUntil([&] { return !memoOf(f)->toPlainText().isEmpty() && !f.CurrentBinding()->Busy(); }));
    auto* choice = f.findChild<QComboBox*>();
    ASSERT_NE(choice, nullptr);
    choice->setCurrentIndex(choice->findText("all"));
    auto* tick = f.findChild<QCheckBox*>("Check0");
    ASSERT_NE(tick, nullptr);
    if (!tick->isChecked()) tick->click();
    auto* set = f.findChild<QPushButton*>("SetCheckedBtn");
    ASSERT_NE(set, nullptr);
    set->click();
    EXPECT_TRUE(waitUntil([&] { return !f.CurrentBinding()->Busy(); }));
    memoAfterSet = memoOf(f)->toPlainText();
  };
  form->MenuAction("SaveChanges1")->trigger();
  EXPECT_EQ(answers.forms, 1);
  EXPECT_EQ(value(save), "= INTEGER: 5");
  // The memo said the save was under way, then gave the set's result.
  const QStringList lines = memoAfterSet.split(u'\n');
  ASSERT_GE(lines.size(), 2);
  EXPECT_EQ(lines.at(lines.size() - 2), SavingText);
  EXPECT_TRUE(lines.last().startsWith("Set: Ok")) << lines.last().toStdString();
  EXPECT_TRUE(answers.messages.isEmpty()) << answers.messages.join('\n').toStdString();
}

TEST_F(EveryPageTest, Version3StartUpEnablesTheSnmpV3Menu) {
  struct Case {
    QStringList parameters;
    bool v3;
  } const cases[] = {
      {{"/I127.0.0.1", "/Rpublic", "/Wprivate", "/v1"}, false},
      {{"/I127.0.0.1", "/Rpublic", "/Wprivate", "/v0"}, false},
      {{"/I127.0.0.1", "/v3", "/nmd5des", "/l3", "/a2", "/Aauthpass123", "/p2", "/Pprivpass123"}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.parameters.join(' ').toStdString());
    auto form = open(c.parameters);
    ASSERT_FALSE(form->Ended());
    EXPECT_EQ(form->SnmpV3(), c.v3);
    EXPECT_EQ(form->TopMenu("VACM1")->menuAction()->isEnabled(), c.v3);
    // The device was read with these parameters.
    EXPECT_EQ(form->StatusPanel()->text(), "");
    EXPECT_EQ(form->Module1Text()->text(), "moduleType-KM-6B");
  }
}

}  // namespace
