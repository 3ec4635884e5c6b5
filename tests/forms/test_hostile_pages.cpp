// An editor page against kx_hostile_agent: an answer that does not fit its request, or carries a
// malformed value, leaves an error in the page's status line, never "Ok" and never the value; a
// set that the agent answers with an exception or other OIDs says that nothing was written.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <memory>

#include "tests/support/FormsFixture.h"
#include "configform/Guiconfigform.h"
#include "bind/MvSNMPRequest2Edits.h"

using formstest::FormAnswers;
using formstest::waitUntil;

namespace {

const SnmpVarDef kSystem[] = {
    {"1.3.6.1.2.1.1.1", "System Description", Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.2.1.1.5", "Name", Syntax::DisplayStr, Access::ReadWrite},
    {},
};
enum Row { Descr, Name };

struct PageCase {
  const char* mode;
  bool set;          // the status line of "Set Checked" (else of the first refresh)
  const char* says;  // in that line
};

void PrintTo(const PageCase& c, std::ostream* os) { *os << c.mode << (c.set ? " set" : " get"); }

class HostilePage : public ::testing::TestWithParam<PageCase> {
 protected:
  void SetUp() override {
    agent_ = kxtest::startHostileAgent(GetParam().mode);
    formstest::targetAgent(*agent_, 50);
  }
  QPlainTextEdit* memo() { return form.findChild<QPlainTextEdit*>("Memo"); }
  QString lastLine() { return memo()->toPlainText().split(u'\n').last(); }

  std::unique_ptr<kxtest::SimAgent> agent_;
  TConfigForm form;
  FormAnswers answers;
};

TEST_P(HostilePage, StatusLineShowsTheErrorNeverOk) {
  const PageCase& c = GetParam();
  TSNMPEditorPanel* page = form.MakeEditorForm(formstest::makeBinding(&form, kSystem));
  form.show();
  ASSERT_TRUE(waitUntil([&] { return !memo()->toPlainText().isEmpty() && !form.BindingAt(0)->Busy(); }));
  auto* name = qobject_cast<QLineEdit*>(page->EditsPanel()->RowAt(Name).value);
  if (!c.set) {
    EXPECT_TRUE(lastLine().startsWith(QStringLiteral("Get: "))) << lastLine().toStdString();
    EXPECT_FALSE(lastLine().startsWith(QStringLiteral("Get: Ok"))) << lastLine().toStdString();
    EXPECT_TRUE(lastLine().contains(QLatin1String(c.says))) << lastLine().toStdString();
    EXPECT_NE(name->text(), QStringLiteral("42"));
    return;
  }
  name->setText(QStringLiteral("new-name"));
  page->EditsPanel()->RowAt(Name).check->setChecked(true);  // editing ticks it already
  QTest::mouseClick(page->BtnPanel()->Button(TCtrlBtnPanel::SetCheckedBtn), Qt::LeftButton);
  ASSERT_TRUE(waitUntil([&] { return lastLine().startsWith(QStringLiteral("Set: ")); }, 3000))
      << memo()->toPlainText().toStdString() << " | " << answers.warnings.join(u'|').toStdString();
  EXPECT_FALSE(lastLine().startsWith(QStringLiteral("Set: Ok"))) << lastLine().toStdString();
  EXPECT_TRUE(lastLine().contains(QLatin1String(c.says))) << lastLine().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Modes, HostilePage,
    ::testing::Values(PageCase{"wrong-oid", false, "where 1.3.6.1.2.1.1.1.0 was asked"},
                      PageCase{"counter32-negative", false, "with a negative Counter32"},
                      PageCase{"timeticks-too-large", false, "TimeTicks of 5 octets"},
                      PageCase{"wrong-oid", true, "1.3.6.1.2.1.1.5.1000 where 1.3.6.1.2.1.1.5.0 was asked"},
                      PageCase{"no-such-object", true, "nothing was written"},
                      PageCase{"end-of-mib-view", true, "nothing was written"}),
    [](const auto& info) {
      std::string name = std::string(info.param.mode) + (info.param.set ? "_set" : "_get");
      for (char& ch : name)
        if (ch == '-') ch = '_';
      return name;
    });

}  // namespace
