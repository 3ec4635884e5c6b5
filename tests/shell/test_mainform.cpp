// The main window offscreen against kx760sim: start-up, FormCreate, the menu tree from the menu
// map, and menu entries opening their configuration forms.
#include "tests/shell/MainFormFixture.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLayout>
#include <QProcess>
#include <QTemporaryDir>
#include <QMenuBar>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <csignal>

#include "editors/DedicatedForms.h"

#include "configform/EditsPanel.h"
#include "shell/MenuMnemonics.h"

namespace {

using kxtest::waitUntil;
using shelltest::Answers;
using shelltest::MainFormTest;
using shelltest::memoOf;

TEST_F(MainFormTest, StartUpGivesCaptionAndFormCreateReadsTheDevice) {
  auto form = open();
  ASSERT_FALSE(form->Ended());
  EXPECT_TRUE(answers.messages.isEmpty());
  EXPECT_EQ(form->windowTitle(), "127.0.0.1");
  EXPECT_EQ(form->Launch().addressText, "127.0.0.1");
  EXPECT_EQ(form->StatusPanel()->text(), "");
  EXPECT_EQ(form->Module1Text()->text(), "moduleType-KM-6B");
  EXPECT_EQ(form->Module2Text()->text(), "none");
  EXPECT_TRUE(form->RmonStateText()->text() == "disabled" || form->RmonStateText()->text() == "enabled")
      << form->RmonStateText()->text().toStdString();
  EXPECT_FALSE(form->SnmpV3());
  ASSERT_NE(form->TopMenu("VACM1"), nullptr);
  EXPECT_FALSE(form->TopMenu("VACM1")->menuAction()->isEnabled());
}

TEST_F(MainFormTest, AnUnreachableAgentLeavesTheErrorInTheStatusPanel) {
  kxtest::SimAgent silent;  // started and stopped: its port then answers nothing
  silent.start({"--led-period", "0"});
  const int port = silent.port();
  silent.stop();
  auto window = openOn(port, kV1Parameters, 50);  // nothing will answer: short time-outs
  TMainForm& form = *window;
  ASSERT_FALSE(form.Ended());
  EXPECT_FALSE(form.StatusPanel()->text().isEmpty());
  EXPECT_EQ(form.RmonStateText()->text(), "ST_RmonState");
  EXPECT_EQ(form.Module1Text()->text(), "ST_Module1");
}

TEST_F(MainFormTest, StartUpThatMustEndShowsItsMessage) {
  struct Case {
    QStringList parameters;
    QString message;  // the start of the text shown
    int exitCode;
  } const cases[] = {
      {{}, "No parameter input", 1},
      {{"/I127.0.0.1", "/vthree"}, "/v", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.parameters.join(' ').toStdString());
    answers.messages.clear();
    auto form = open(c.parameters);
    EXPECT_TRUE(form->Ended());
    EXPECT_EQ(form->ExitCode(), c.exitCode);
    ASSERT_EQ(answers.messages.size(), 1);
    EXPECT_TRUE(answers.messages.first().contains(c.message)) << answers.messages.first().toStdString();
    EXPECT_TRUE(form->menuBar()->actions().isEmpty());
  }
}

TEST_F(MainFormTest, MenuBarFollowsTheMenuMap) {
  auto form = open();
  const QList<QAction*> tops = form->menuBar()->actions();
  ASSERT_EQ(tops.size(), static_cast<qsizetype>(menuTops().size()));
  for (size_t i = 0; i < menuTops().size(); ++i) {
    EXPECT_EQ(visibleCaption(tops.at(static_cast<qsizetype>(i))->text()), QString::fromLatin1(menuTops()[i].caption));
    EXPECT_EQ(tops.at(static_cast<qsizetype>(i))->menu()->objectName(), QString::fromLatin1(menuTops()[i].name));
  }
  int shown = 0;
  int hidden = 0;
  for (const MenuEntry& e : menuEntries()) {
    QAction* a = form->MenuAction(QString::fromLatin1(e.item));
    if (e.isHiddenInMenu()) {
      ++hidden;
      EXPECT_EQ(a, nullptr) << e.item;
      continue;
    }
    ++shown;
    ASSERT_NE(a, nullptr) << e.item;
    EXPECT_EQ(visibleCaption(a->text()), QString::fromLatin1(e.caption));
    // The path of menus above the item is the entry's caption path.
    QStringList path;
    for (QMenu* m = qobject_cast<QMenu*>(a->associatedObjects().value(0)); m;
         m = qobject_cast<QMenu*>(m->menuAction()->associatedObjects().value(0)))
      path.prepend(visibleCaption(m->title()));
    QStringList expected = e.captionPath();
    expected.removeLast();
    EXPECT_EQ(path, expected) << e.item;
    const bool rmonPage = a->objectName() == "Statistics1" || a->objectName() == "History1" ||
                          a->objectName() == "AlarmEvent1";
    if (!rmonPage) {
      EXPECT_TRUE(a->isEnabled()) << e.item;  // every dedicated form is built
      if (e.family == MenuFamily::Form) EXPECT_TRUE(isDedicatedFormBuilt(QString::fromLatin1(e.form))) << e.item;
    }
  }
  EXPECT_GT(hidden, 0);
  EXPECT_EQ(shown + hidden, 160);
  EXPECT_EQ(form->MenuAction("CPUIPv6Table1"), nullptr);
  EXPECT_EQ(form->MenuAction("AggPortStateTable1"), nullptr);
}

TEST_F(MainFormTest, RmonCheckFollowsTheDevice) {
  auto form = open();
  struct Case {
    int value;
    const char* text;
    bool enabled;
  } const cases[] = {{2, "disabled", false}, {3, "enabled", true}, {2, "disabled", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    setRmon(c.value);
    emit form->TopMenu("RMON1")->aboutToShow();
    // The check is asynchronous: the menu is open while it waits for the answer.
    EXPECT_TRUE(waitUntil([&] { return !form->RmonBinding()->Busy(); }));
    EXPECT_EQ(form->RmonStateText()->text(), c.text);
    for (const char* item : {"Statistics1", "History1", "AlarmEvent1"}) {
      ASSERT_NE(form->MenuAction(item), nullptr) << item;
      EXPECT_EQ(form->MenuAction(item)->isEnabled(), c.enabled) << item;
    }
  }
}

TEST_F(MainFormTest, MenuEntriesOpenTheirFormsWithTheMapsTitle) {
  auto form = open();
  struct Case {
    const char* item;
    TConfigForm::FormType type;
    int bindings;
  } const cases[] = {
      {"BasicInfo1", TConfigForm::FormType::Editor, 1},
      {"MIBCapabilities1", TConfigForm::FormType::Table, 1},
      {"SystemTime1", TConfigForm::FormType::Pages, 2},
      {"DHCPRelayOption60Table1", TConfigForm::FormType::Table, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    const MenuEntry* entry = findMenuItem(QString::fromLatin1(c.item));
    ASSERT_NE(entry, nullptr);
    QString title;
    TConfigForm::FormType type = TConfigForm::FormType::None;
    int bindings = 0;
    QString memo;
    bool editVisible = true;
    answers.onForm = [&](TConfigForm& f) {
      title = f.windowTitle();
      type = f.Type();
      bindings = f.BindingCount();
      EXPECT_TRUE(waitUntil([&] { return !memoOf(f)->toPlainText().isEmpty() && !f.CurrentBinding()->Busy(); }));
      memo = memoOf(f)->toPlainText();
      if (auto* edit = f.findChild<QPushButton*>("EditBtn")) editVisible = !edit->isHidden();
    };
    const int before = answers.forms;
    form->MenuAction(c.item)->trigger();
    EXPECT_EQ(answers.forms, before + 1);
    EXPECT_EQ(title, entry->title.caption("127.0.0.1"));
    EXPECT_EQ(type, c.type);
    EXPECT_EQ(bindings, c.bindings);
    EXPECT_TRUE(memo.startsWith("Get: Ok")) << memo.toStdString();
    if (entry->extras.noEdit) {
      EXPECT_FALSE(editVisible);
    }
    EXPECT_TRUE(answers.messages.isEmpty()) << answers.messages.join('\n').toStdString();
  }
}

TEST_F(MainFormTest, CancelledSingleActionsOpenNothing) {
  auto form = open();
  answers.answer = false;
  form->MenuAction("SaveChanges1")->trigger();
  form->MenuAction("Reset2")->trigger();
  EXPECT_EQ(answers.questions, (QStringList{"Device Save Changes|Are you sure?", "Device Reboot|Are you sure?"}));
  EXPECT_EQ(answers.forms, 0);
  EXPECT_TRUE(answers.messages.isEmpty());
}

TEST_F(MainFormTest, ConfirmedSaveChangesOpensTheLogSaveControlPage) {
  auto form = open();
  answers.answer = true;
  QString title;
  int timeout = 0;
  answers.onForm = [&](TConfigForm& f) {
    title = f.windowTitle();
    timeout = f.BindingAt(0)->Request().timeout;
  };
  form->MenuAction("SaveChanges1")->trigger();
  EXPECT_EQ(answers.forms, 1);
  EXPECT_EQ(title, "Log Save Control : 127.0.0.1");
  EXPECT_EQ(timeout, 1200);
}

// A tool directory with neither the host's tool nor kx760mib: the start fails and says so.
TEST_F(MainFormTest, AToolThatCannotStartIsReported) {
  QTemporaryDir empty;
  TMainForm::Options options;
  options.agentPort = static_cast<quint16>(agent_->port());
  options.confirmExit = false;
  options.toolDir = empty.path();
  auto form = std::make_unique<TMainForm>(kV1Parameters, options);
  ASSERT_TRUE(waitUntil([&] { return form->DeviceStateRead(); }));
  const MenuEntry* tool = nullptr;
  for (const MenuEntry& e : menuEntries())
    if (e.family == MenuFamily::Tool && !e.isHiddenInMenu()) {
      tool = &e;
      break;
    }
  ASSERT_NE(tool, nullptr);
  form->MenuAction(tool->item)->trigger();
  EXPECT_EQ(form->StatusPanel()->text(), "Could not start " + empty.path() + "/kx760mib");
}

// The program's own directory (the build's bin/, as after the run command) holds kx760mib: a
// tool entry starts it there, on the same device and port. It stays running; it is ended here.
TEST_F(MainFormTest, AToolEntryStartsKx760mibBesideTheProgram) {
  auto form = open();
  ASSERT_FALSE(form->Ended());
  const QString program = QStringLiteral(KX_BIN_DIR "/kx760mib");
  ASSERT_TRUE(QFile::exists(program));
  form->MenuAction("IFCounter1")->trigger();
  EXPECT_EQ(form->StatusPanel()->text(), "");
  // The detached process, found by its command line (the session itself travels in a pipe).
  const QStringList wanted{program, "--session-fd", "/TMIB_IFCounters"};
  qint64 pid = 0;
  EXPECT_TRUE(waitUntil([&] {
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
      QFile cmdline("/proc/" + entry + "/cmdline");
      if (entry.toLongLong() <= 0 || !cmdline.open(QIODevice::ReadOnly)) continue;
      const QStringList args = QString::fromLocal8Bit(cmdline.readAll()).split(QChar(0));
      if (std::all_of(wanted.begin(), wanted.end(), [&](const QString& w) { return args.contains(w); })) {
        pid = entry.toLongLong();
        return true;
      }
    }
    return false;
  }));
  if (pid > 0) ::kill(static_cast<pid_t>(pid), SIGTERM);
}

TEST(PortCountOfModel, KnownModelsIgnoringCase) {
  const std::pair<const char*, int> cases[] = {
      {"KX760", 18}, {"kx760", 18}, {"KX-760", 0}, {"KX720A", 10}, {"ky720c", 10}, {"KX780", 26},
      {"KY780", 26}, {"KX720B", 10}, {"KX740", 16}, {"KY760", 18},  {"", 0},        {"KX7600", 0},
  };
  for (const auto& [model, ports] : cases) EXPECT_EQ(PortCountOfModel(model), ports) << model;
  EXPECT_EQ(ModelName, "KX-760");
}

// Keyboard access: every menu's entries have mnemonics of their own, unique within that menu,
// their captions read as before, and F10 opens the menu bar.
TEST_F(MainFormTest, EveryMenuHasUniqueMnemonicsAndF10OpensTheBar) {
  auto form = open();
  form->show();
  const QList<QAction*> top = form->menuBar()->actions();
  QList<QList<QAction*>> all{top};
  for (QMenu* menu : form->menuBar()->findChildren<QMenu*>()) all << menu->actions();
  int checked = 0;
  for (const QList<QAction*>& actions : all) {
    QSet<QChar> seen;
    QList<QAction*> without;
    for (QAction* a : actions) {
      if (a->isSeparator()) continue;
      const QChar m = mnemonicOf(a->text());
      if (m.isNull()) {
        without << a;
        continue;
      }
      EXPECT_FALSE(seen.contains(m)) << "repeated '" << QString(m).toStdString() << "' at "
                                     << a->text().toStdString();
      seen.insert(m);
      ++checked;
    }
    // An entry goes without only when every letter of its caption is taken in its menu.
    for (QAction* a : without)
      for (QChar c : visibleCaption(a->text()))
        if (c.isLetterOrNumber()) { EXPECT_TRUE(seen.contains(c.toLower())) << a->text().toStdString(); }
  }
  EXPECT_GT(checked, static_cast<int>(menuTops().size()));
  for (const MenuEntry& e : menuEntries()) {
    if (e.isHiddenInMenu()) continue;
    QAction* a = form->MenuAction(QString::fromLatin1(e.item));
    ASSERT_NE(a, nullptr) << e.item;
    EXPECT_EQ(visibleCaption(a->text()), QString::fromLatin1(e.caption)) << e.item;
  }

  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  QTest::keyClick(form.get(), Qt::Key_F10);
  EXPECT_EQ(form->menuBar()->activeAction(), top.first());
}

// Start-up against a slow device: the window is built and shown before the first device read, and
// timers (painting, LED blinking) run while FormCreate's reads wait for the answers.
TEST_F(MainFormTest, StartUpShowsTheWindowBeforeWaitingForTheDevice) {
  kxtest::SimAgent slow;
  slow.start({"--led-period", "0", "--delay", "700", "--modules", "KM-6B,none"});
  TMainForm::Options options;
  options.agentPort = static_cast<quint16>(slow.port());
  options.confirmExit = false;
  bool shown = false;
  int ticksWhileReading = 0;
  std::unique_ptr<TMainForm> form;
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, [&] {
    if (shown && form && !form->DeviceStateRead()) ++ticksWhileReading;
  });
  tick.start(50);
  form = std::make_unique<TMainForm>(kV1Parameters, options);
  EXPECT_FALSE(form->DeviceStateRead());  // nothing was read while the window was built
  form->show();
  shown = true;
  EXPECT_TRUE(form->isVisible());
  EXPECT_NE(form->FrontPanel(), nullptr);
  ASSERT_TRUE(waitUntil([&] { return form->DeviceStateRead(); }));
  EXPECT_GE(ticksWhileReading, 3);
  EXPECT_EQ(form->Module1Text()->text(), "moduleType-KM-6B");
}

// The program told to end while a blocking read waits for a slow device (the screenshot run ends
// the program 600 ms after start-up; the device answers each request 1.5 s late) finishes that
// read and ends, instead of spinning in its wait.
TEST_F(MainFormTest, ProgramEndsWhileABlockingReadWaits) {
  kxtest::SimAgent slow;
  slow.start({"--led-period", "0", "--delay", "1500"});
  QTemporaryDir dir;
  const shelltest::ProgramRun run = shelltest::runProgram(slow.port(), {"--screenshot", dir.filePath("main.png")}, dir.path());
  ASSERT_TRUE(run.ended) << "kx760 did not end";
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(QFile::exists(dir.filePath("main.png")));
}

// Esc closes a page opened from the menu, once its first read has ended.
TEST_F(MainFormTest, EscClosesAPage) {
  auto form = open();
  bool closed = false;
  answers.onForm = [&](TConfigForm& page) {
    ASSERT_TRUE(waitUntil([&] { return !memoOf(page)->toPlainText().isEmpty() && !page.CurrentBinding()->Busy(); }));
    page.activateWindow();
    QTest::keyClick(&page, Qt::Key_Escape);
    closed = waitUntil([&] { return !page.isVisible(); });
  };
  form->MenuAction("BasicInfo1")->trigger();
  EXPECT_EQ(answers.forms, 1);
  EXPECT_TRUE(closed);
}

// IP Configuration: the address rows stay in view when the page opens on a device that gets its
// address by DHCP or BOOTP (the refresh fills the box); only the user's choice hides or shows them.
TEST_F(MainFormTest, IpConfigurationRowsFollowOnlyTheUsersChoice) {
  auto form = open();
  const std::string getIpFrom = "1.3.6.1.4.1.48213.12.1.3.3.0";
  auto put = [&](const char* v) {
    ASSERT_EQ(kxtest::runNetSnmpTool({"snmpset", "-v2c", "-c", "private", agent_->address(), getIpFrom, "i", v}).exitCode, 0);
  };
  for (const char* device : {"4", "3", "2"}) {
    SCOPED_TRACE(device);
    put(device);
    answers.onForm = [&](TConfigForm& page) {
      ASSERT_TRUE(waitUntil([&] { return !memoOf(page)->toPlainText().isEmpty() && !page.CurrentBinding()->Busy(); }));
      TEditsPanel* editor = nullptr;
      for (auto* frame : page.findChildren<QFrame*>())
        if (!editor) editor = dynamic_cast<TEditsPanel*>(frame);
      ASSERT_NE(editor, nullptr);
      auto* combo = qobject_cast<QComboBox*>(editor->RowAt(0).value);
      ASSERT_NE(combo, nullptr);
      EXPECT_EQ(combo->currentIndex(), std::atoi(device) - 2);
      for (int row = 1; row <= 3; ++row) EXPECT_FALSE(editor->RowAt(row).label->isHidden()) << row;
      // The user chooses DHCP, then Manual.
      combo->setCurrentIndex(2);
      emit combo->activated(2);
      for (int row = 1; row <= 3; ++row) EXPECT_TRUE(editor->RowAt(row).label->isHidden()) << row;
      combo->setCurrentIndex(0);
      emit combo->activated(0);
      for (int row = 1; row <= 3; ++row) EXPECT_FALSE(editor->RowAt(row).label->isHidden()) << row;
    };
    form->MenuAction("IPConfig1")->trigger();
  }
  EXPECT_EQ(answers.forms, 3);
}

}  // namespace

