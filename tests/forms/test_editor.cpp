// The editor page end to end: every value shown, only ticked rows written, the one-row "Set"
// page, empty ticked rows refused before anything is sent, the buttons of each kind of list,
// and the set-up errors of the form.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "tests/support/FormsFixture.h"
#include "tests/support/NetSnmpTool.h"
#include "configform/Guiconfigform.h"
#include "mvsnmp/MvOptionList.h"
#include "bind/MvSNMPRequest2Edits.h"

using formstest::FormAnswers;
using formstest::snmpGet;
using formstest::waitUntil;

namespace {

const OptionSource kEnableSource[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const MvOptionList kEnable(kEnableSource);

constexpr char kDescr[] = "1.3.6.1.2.1.1.1.0";
constexpr char kContact[] = "1.3.6.1.2.1.1.4.0";
constexpr char kName[] = "1.3.6.1.2.1.1.5.0";
constexpr char kLocation[] = "1.3.6.1.2.1.1.6.0";
constexpr char kRmon[] = "1.3.6.1.4.1.48213.11.63.2.2.1.2.16.0";

enum Row { Descr, Contact, Name, Location, Rmon, Ageing };
const SnmpVarDef kSystem[] = {
    {"1.3.6.1.2.1.1.1", "System Description", Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.2.1.1.4", "Contact", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.2.1.1.5", "Name", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.2.1.1.6", "Location", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.1.2.16", "RMON State", Syntax::Integer, Access::ReadWrite, &kEnable},
    {"1.3.6.1.2.1.17.4.2", "Ageing Time", Syntax::Integer, Access::ReadWrite},
    {},
};
const SnmpVarDef kOneSettable[] = {
    {"1.3.6.1.2.1.1.1", "System Description", Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.2.1.1.5", "Name", Syntax::DisplayStr, Access::ReadWrite},
    {},
};
const SnmpVarDef kReadOnly[] = {
    {"1.3.6.1.2.1.1.1", "System Description", Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.11.63.2.2.1.2.16", "RMON State", Syntax::Integer, Access::ReadOnly, &kEnable},
    {},
};

class EditorPageTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { agent_ = formstest::startAgent().release(); }
  static void TearDownTestSuite() {
    delete agent_;
    agent_ = nullptr;
  }
  void SetUp() override { formstest::targetAgent(*agent_); }

  // Builds the editor page, shows the form and waits for its first refresh.
  TSNMPEditorPanel* open(const SnmpVarDef* defs) {
    page = form.MakeEditorForm(formstest::makeBinding(&form, defs));
    form.show();
    EXPECT_TRUE(waitUntil([&] { return !memo()->toPlainText().isEmpty() && !form.BindingAt(0)->Busy(); }));
    return page;
  }
  QLineEdit* edit(int row) { return qobject_cast<QLineEdit*>(page->EditsPanel()->RowAt(row).value); }
  QCheckBox* check(int row) { return page->EditsPanel()->RowAt(row).check; }
  QPushButton* button(int which) { return page->BtnPanel()->Button(which); }
  QPlainTextEdit* memo() { return form.findChild<QPlainTextEdit*>("Memo"); }
  void click(int which) { QTest::mouseClick(button(which), Qt::LeftButton); }

  static kxtest::SimAgent* agent_;
  TConfigForm form;
  TSNMPEditorPanel* page = nullptr;
  FormAnswers answers;
};

kxtest::SimAgent* EditorPageTest::agent_ = nullptr;

TEST_F(EditorPageTest, ShowsEveryValueAndTheEditorButtons) {
  open(kSystem);
  EXPECT_EQ(edit(Descr)->text().toStdString(), snmpGet(*agent_, kDescr));
  EXPECT_EQ(edit(Name)->text().toStdString(), snmpGet(*agent_, kName));
  EXPECT_EQ(edit(Location)->text().toStdString(), snmpGet(*agent_, kLocation));
  EXPECT_EQ(edit(Ageing)->text(), "300");
  auto* rmon = qobject_cast<QComboBox*>(page->EditsPanel()->RowAt(Rmon).value);
  ASSERT_NE(rmon, nullptr);
  EXPECT_EQ(rmon->currentText(), "enabled");
  EXPECT_TRUE(memo()->toPlainText().startsWith("Get: "));
  EXPECT_TRUE(memo()->isReadOnly());

  // Read-only rows: no check box, grey and read-only; settable rows open and unticked.
  EXPECT_TRUE(check(Descr)->isHidden());
  EXPECT_TRUE(edit(Descr)->isReadOnly());
  EXPECT_FALSE(check(Name)->isHidden());
  EXPECT_FALSE(check(Name)->isChecked());
  EXPECT_EQ(page->EditsPanel()->RowAt(Rmon).kind, TEditsPanel::SettableOptions);
  EXPECT_EQ(page->EditsPanel()->RowAt(Descr).kind, TEditsPanel::ReadOnlyText);

  using P = TCtrlBtnPanel;
  for (int hidden : {P::CountDisplay, P::SamplesLabel, P::EditBtn, P::AddBtn, P::DeleteBtn})
    EXPECT_TRUE(page->BtnPanel()->Control(hidden)->isHidden()) << hidden;
  for (int shown : {P::RefreshBtn, P::SetCheckedBtn, P::CheckAllBtn, P::ClearChecksBtn, P::CloseBtn})
    EXPECT_FALSE(page->BtnPanel()->Control(shown)->isHidden()) << shown;
  EXPECT_EQ(button(P::SetCheckedBtn)->text(), "Set Checked");
}

TEST_F(EditorPageTest, CheckButtonsFollowTheTicks) {
  open(kSystem);
  QPushButton* set = button(TCtrlBtnPanel::SetCheckedBtn);
  EXPECT_FALSE(set->isEnabled());
  QTest::mouseClick(check(Location), Qt::LeftButton);
  EXPECT_TRUE(set->isEnabled());
  click(TCtrlBtnPanel::ClearChecksBtn);
  EXPECT_FALSE(check(Location)->isChecked());
  EXPECT_FALSE(set->isEnabled());
  click(TCtrlBtnPanel::CheckAllBtn);
  for (int r : {Contact, Name, Location, Rmon, Ageing}) EXPECT_TRUE(check(r)->isChecked()) << r;
  EXPECT_FALSE(check(Descr)->isChecked());
  EXPECT_TRUE(set->isEnabled());
}

TEST_F(EditorPageTest, SetCheckedWritesOnlyTheTickedRows) {
  open(kSystem);
  const std::string contactBefore = snmpGet(*agent_, kContact);
  edit(Contact)->setText("nobody");
  edit(Location)->setText("lab rack 7");
  qobject_cast<QComboBox*>(page->EditsPanel()->RowAt(Rmon).value)->setCurrentText("disabled");
  check(Location)->click();
  check(Rmon)->click();
  const int linesBefore = memo()->blockCount();
  click(TCtrlBtnPanel::SetCheckedBtn);
  EXPECT_EQ(snmpGet(*agent_, kLocation), "lab rack 7");
  EXPECT_EQ(snmpGet(*agent_, kRmon), "2");
  EXPECT_EQ(snmpGet(*agent_, kContact), contactBefore);
  EXPECT_TRUE(answers.warnings.isEmpty());
  EXPECT_EQ(memo()->blockCount(), linesBefore + 1);
  EXPECT_TRUE(memo()->toPlainText().split('\n').last().startsWith("Set: "));
  // The page is back to its asynchronous mode, and no item stays left out of later requests.
  EXPECT_TRUE(form.BindingAt(0)->Asynchronous());
  const MvSNMPVarList& list = form.BindingAt(0)->Request().varList;
  for (int i = 0; i < list.count(); ++i) EXPECT_FALSE(list.item(i).access & Access::Invalid) << i;
  // Restore the agent for the other tests.
  qobject_cast<QComboBox*>(page->EditsPanel()->RowAt(Rmon).value)->setCurrentText("enabled");
  check(Location)->click();
  click(TCtrlBtnPanel::SetCheckedBtn);
  EXPECT_EQ(snmpGet(*agent_, kRmon), "3");
}

// Every row is read before the unticked ones are left out: after "Set Checked" (sent or
// refused as empty) an unticked row's item still holds the text the row shows.
TEST_F(EditorPageTest, UntickedRowsKeepTheirShownValues) {
  open(kSystem);
  const MvSNMPVarList& list = form.BindingAt(0)->Request().varList;
  edit(Contact)->setText("typed, not ticked");
  edit(Location)->setText(QString::fromStdString(snmpGet(*agent_, kLocation)));
  check(Location)->click();
  click(TCtrlBtnPanel::SetCheckedBtn);
  EXPECT_TRUE(answers.warnings.isEmpty());
  EXPECT_EQ(list.item(Contact).value, "typed, not ticked");
  EXPECT_EQ(list.item(Ageing).value, "300");
  EXPECT_EQ(list.item(Rmon).value, "enabled");
  EXPECT_NE(snmpGet(*agent_, kContact), "typed, not ticked");

  // A refused apply has read the rows too.
  edit(Location)->clear();
  edit(Name)->setText("read though refused");
  click(TCtrlBtnPanel::SetCheckedBtn);
  EXPECT_EQ(answers.warnings, QStringList{"Some items are empty!"});
  EXPECT_EQ(list.item(Name).value, "read though refused");
}

// Clearing a row goes through its input guard: a failed exit check afterwards puts back the
// empty text, never the value the row showed before.
TEST_F(EditorPageTest, ClearedRowRestoresNothingOnAFailedCheck) {
  open(kSystem);
  TEditsPanel* edits = page->EditsPanel();
  edits->SetRowFormat(Ageing, "%i{n10x1000000}");
  edits->SetRowValue(Ageing, "300");
  QLineEdit* ageing = edit(Ageing);
  EXPECT_EQ(form.BindingAt(0)->Constraints().LastValidText(ageing), "300");
  edits->ClearRow(Ageing);
  EXPECT_TRUE(ageing->text().isEmpty());
  EXPECT_TRUE(form.BindingAt(0)->Constraints().LastValidText(ageing).isEmpty());
}

// A value typed in a form its row's syntax does not have is refused when it would be written,
// naming the row and the text; nothing reaches the agent. The same text in a row left unticked
// does not stop the others.
TEST_F(EditorPageTest, BadTypedValuesAreRefusedWithTheirRowAndNothingIsSent) {
  struct Bad {
    int row;
    const char* oid;
    QString text;
  };
  const Bad cases[] = {
      {Ageing, "1.3.6.1.2.1.17.4.2.0", QStringLiteral("2x0")},
      {Ageing, "1.3.6.1.2.1.17.4.2.0", QStringLiteral("99999999999")},
      {Location, kLocation, QStringLiteral("rack \u20AC7")},
  };
  open(kSystem);
  for (const Bad& c : cases) {
    SCOPED_TRACE(c.text.toStdString());
    const std::string before = snmpGet(*agent_, c.oid);
    const std::string nameBefore = snmpGet(*agent_, kName);
    edit(Name)->setText("sent-with-a-bad-row");
    if (!check(Name)->isChecked()) check(Name)->click();
    edit(c.row)->setText(c.text);
    if (!check(c.row)->isChecked()) check(c.row)->click();
    click(TCtrlBtnPanel::SetCheckedBtn);
    // The page's status line says it.
    const QString message = memo()->toPlainText().split(u'\n').last();
    EXPECT_TRUE(message.startsWith("Set: ")) << message.toStdString();
    EXPECT_TRUE(message.contains(form.BindingAt(0)->Request().varList.item(c.row).label)) << message.toStdString();
    EXPECT_TRUE(message.contains(c.text)) << message.toStdString();
    EXPECT_EQ(snmpGet(*agent_, c.oid), before);
    EXPECT_EQ(snmpGet(*agent_, kName), nameBefore);  // the whole set was refused
    // Unticked, the bad row is left alone and the others go out.
    check(c.row)->click();
    click(TCtrlBtnPanel::SetCheckedBtn);
    EXPECT_EQ(snmpGet(*agent_, kName), "sent-with-a-bad-row");
    ASSERT_EQ(kxtest::runNetSnmpTool({"snmpset", "-v2c", "-c", "private", agent_->address(), kName, "s",
                                      nameBefore}).exitCode, 0);
    form.BindingAt(0)->Refresh();
    ASSERT_TRUE(waitUntil([&] { return !form.BindingAt(0)->Busy(); }));
  }
}

// Typing in a row ticks it; a value the program shows does not.
TEST_F(EditorPageTest, EditingARowTicksIt) {
  open(kSystem);
  page->EditsPanel()->SetRowValue(Contact, "shown by the program");
  EXPECT_FALSE(check(Contact)->isChecked());
  QPushButton* set = button(TCtrlBtnPanel::SetCheckedBtn);
  EXPECT_FALSE(set->isEnabled());
  QTest::keyClicks(edit(Location), "7");
  EXPECT_TRUE(check(Location)->isChecked());
  EXPECT_TRUE(set->isEnabled());
  auto* rmon = qobject_cast<QComboBox*>(page->EditsPanel()->RowAt(Rmon).value);
  rmon->setCurrentIndex(0);
  EXPECT_FALSE(check(Rmon)->isChecked());
  emit rmon->activated(0);  // as a choice in the list does
  EXPECT_TRUE(check(Rmon)->isChecked());
  // Read-only rows never get a tick.
  QTest::keyClicks(edit(Descr), "x");
  EXPECT_FALSE(check(Descr)->isChecked());
}

// A read that fails leaves no earlier value in view: edits and drop-down lists alike.
TEST(EditorPageFailure, FailedReadLeavesNoStaleValue) {
  auto agent = formstest::startAgent();
  formstest::targetAgent(*agent);
  TConfigForm form;
  TSNMPEditorPanel* page = form.MakeEditorForm(formstest::makeBinding(&form, kSystem));
  FormAnswers answers;
  form.show();
  auto* memo = form.findChild<QPlainTextEdit*>("Memo");
  ASSERT_TRUE(waitUntil([&] { return !memo->toPlainText().isEmpty() && !form.BindingAt(0)->Busy(); }));
  auto* rmon = qobject_cast<QComboBox*>(page->EditsPanel()->RowAt(Rmon).value);
  ASSERT_EQ(rmon->currentText(), "enabled");
  form.BindingAt(0)->Request().timeout = 20;
  agent->stop();
  QTest::mouseClick(page->BtnPanel()->Button(TCtrlBtnPanel::RefreshBtn), Qt::LeftButton);
  ASSERT_TRUE(waitUntil([&] { return memo->toPlainText().contains("timed out"); }, 30000));
  EXPECT_EQ(rmon->currentIndex(), -1);
  for (int row : {Descr, Name, Location, Ageing})
    EXPECT_EQ(qobject_cast<QLineEdit*>(page->EditsPanel()->RowAt(row).value)->text(), "(NULL)") << row;
}

TEST_F(EditorPageTest, EmptyTickedRowIsRefusedAndNothingIsSent) {
  open(kSystem);
  const std::string name = snmpGet(*agent_, kName);
  const std::string contact = snmpGet(*agent_, kContact);
  edit(Name)->setText("never-sent");
  edit(Contact)->clear();
  check(Name)->click();
  check(Contact)->click();
  click(TCtrlBtnPanel::SetCheckedBtn);
  EXPECT_EQ(answers.warnings, QStringList{"Some items are empty!"});
  EXPECT_EQ(snmpGet(*agent_, kName), name);
  EXPECT_EQ(snmpGet(*agent_, kContact), contact);

  // Empty rows that are not ticked do not matter.
  check(Contact)->click();
  edit(Name)->setText("kx760-renamed");
  click(TCtrlBtnPanel::SetCheckedBtn);
  EXPECT_EQ(answers.warnings.size(), 1);
  EXPECT_EQ(snmpGet(*agent_, kName), "kx760-renamed");
  EXPECT_EQ(snmpGet(*agent_, kContact), contact);
}

TEST_F(EditorPageTest, OneSettableRowGivesASetButton) {
  open(kOneSettable);
  QPushButton* set = button(TCtrlBtnPanel::SetCheckedBtn);
  EXPECT_EQ(set->text(), "Set");
  EXPECT_TRUE(set->isEnabled());
  EXPECT_TRUE(page->BtnPanel()->Control(TCtrlBtnPanel::CheckAllBtn)->isHidden());
  EXPECT_TRUE(page->BtnPanel()->Control(TCtrlBtnPanel::ClearChecksBtn)->isHidden());
  EXPECT_TRUE(check(1)->isHidden());
  edit(1)->setText("kx760-single");
  click(TCtrlBtnPanel::SetCheckedBtn);
  EXPECT_EQ(snmpGet(*agent_, kName), "kx760-single");
}

// The single row's button reads "Set" also where a glyph file took the caption's place.
TEST_F(EditorPageTest, OneSettableRowSaysSetBesideAGlyph) {
  QTemporaryDir dir;
  QImage glyph(16, 16, QImage::Format_RGB32);
  glyph.fill(Qt::green);
  ASSERT_TRUE(glyph.save(dir.filePath("SetCheck.bmp"), "BMP"));
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  open(kOneSettable);
  QDir::setCurrent(previous);
  QPushButton* set = button(TCtrlBtnPanel::SetCheckedBtn);
  EXPECT_FALSE(set->icon().isNull());
  EXPECT_EQ(set->text(), "Set");
}

TEST_F(EditorPageTest, ReadOnlyListOffersNothingToWrite) {
  open(kReadOnly);
  using P = TCtrlBtnPanel;
  for (int hidden : {P::SetCheckedBtn, P::CheckAllBtn, P::ClearChecksBtn})
    EXPECT_TRUE(page->BtnPanel()->Control(hidden)->isHidden()) << hidden;
  EXPECT_EQ(page->EditsPanel()->RowAt(1).kind, TEditsPanel::ReadOnlyOptions);
  for (int r : {0, 1}) {
    EXPECT_TRUE(check(r)->isHidden());
    EXPECT_TRUE(edit(r)->isReadOnly());
  }
  // The read-only item with options shows its label in an edit.
  EXPECT_EQ(edit(1)->text(), "enabled");
}

TEST_F(EditorPageTest, RefreshAndCloseButtons) {
  open(kSystem);
  const int lines = memo()->blockCount();
  click(TCtrlBtnPanel::RefreshBtn);
  ASSERT_TRUE(waitUntil([&] { return memo()->blockCount() == lines + 1 && !form.BindingAt(0)->Busy(); }));
  click(TCtrlBtnPanel::CloseBtn);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.BindingCount(), 0);
  EXPECT_EQ(page->Binding(), nullptr);
}

// ---- set-up errors ----

QString errorText(const std::function<void()>& f) {
  try {
    f();
  } catch (const MvException& e) {
    return e.message();
  }
  return {};
}

TEST(ConfigFormSetUp, WrongCallsAreRefusedWithTheirTexts) {
  TConfigForm editor;
  editor.MakeEditorForm(formstest::makeBinding(&editor, kSystem));
  TConfigForm plain;
  TConfigForm paged;
  paged.MakePagedForm();
  const struct {
    const char* what;
    std::function<void()> call;
    QString text;
  } cases[] = {
      {"second editor", [&] { editor.MakeEditorForm(formstest::makeBinding(&editor, kSystem)); },
       "Can not change Type of a Config Form!"},
      {"table after editor", [&] { editor.MakeTableForm(formstest::makeBinding(&editor, kSystem)); },
       "Can not change Type of a Config Form!"},
      {"pages after pages", [&] { paged.MakePagedForm(); }, "Can not change Type of a Config Form!"},
      {"editor page", [&] { plain.AddEditorPage("x", formstest::makeBinding(&plain, kSystem)); },
       "Can not add editor page to a none-page pannel!"},
      {"table page", [&] { editor.AddTablePage("x", formstest::makeBinding(&editor, kSystem)); },
       "Can not add listview page to a none-page pannel!"},
  };
  for (const auto& c : cases) EXPECT_EQ(errorText(c.call), c.text) << c.what;
  EXPECT_EQ(editor.BindingCount(), 1);
  EXPECT_EQ(plain.Type(), TConfigForm::FormType::None);
}

TEST(ConfigFormSetUp, SetRowFormatRefusesOtherRowsAndKeepsTheirBinding) {
  TConfigForm form;
  TSNMPEditorPanel* page = form.MakeEditorForm(formstest::makeBinding(&form, kSystem));
  MvSNMPRequest2Edits* binding = form.BindingAt(0);
  EXPECT_EQ(errorText([&] { page->SetRowFormat(Rmon, "%i"); }), "Can not set Var format to a ComboBox!");
  EXPECT_EQ(binding->BindingCount(Rmon), 1);
  TConfigForm readOnly;
  TSNMPEditorPanel* other = readOnly.MakeEditorForm(formstest::makeBinding(&readOnly, kReadOnly));
  EXPECT_EQ(errorText([&] { other->SetRowFormat(1, "%i"); }), "Unknow UI Control type!");
  EXPECT_EQ(readOnly.BindingAt(0)->BindingCount(1), 1);

  page->SetRowFormat(Ageing, "%i{n10x1000000}");
  EXPECT_EQ(page->EditsPanel()->RowAt(Ageing).format, "%i{n10x1000000}");
  EXPECT_EQ(binding->BindingCount(Ageing), 1);
  EXPECT_TRUE(binding->Constraints().IsAttached(
      qobject_cast<QLineEdit*>(page->EditsPanel()->RowAt(Ageing).value)));
}

TEST(ConfigFormSetUp, FormWithoutPagesOrTypeRefreshesNothing) {
  TConfigForm none;
  EXPECT_NO_THROW(none.RefreshActivePage());
  TConfigForm paged;
  paged.MakePagedForm();
  FormAnswers answers;
  paged.show();
  QCoreApplication::processEvents();  // the queued first refresh
  EXPECT_TRUE(answers.warnings.isEmpty());
  EXPECT_EQ(paged.CurrentBinding(), nullptr);
}

}  // namespace
