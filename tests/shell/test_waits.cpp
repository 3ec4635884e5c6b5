// The main window against slow and silent agents: input during a wait is thrown away, never
// acted on afterwards; the menus work while the start-up reads are out; Reboot shows that it is
// under way and then its result; the window fits a screen smaller than its panel; the LEDs go on
// being polled while a page opened with --open is on view.
#include "tests/shell/MainFormFixture.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QProgressDialog>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "bind/BusyWait.h"
#include "panel/KX760PanelFormUnit.h"
#include "catalogue/Mainoidunit.h"
#include "tests/support/SimLog.h"

namespace {

using kxtest::waitUntil;
using shelltest::MainFormTest;

constexpr char kRebootOid[] = "1.3.6.1.4.1.48213.12.1.2.3.0";
constexpr char kLedOid[] = "1.3.6.1.4.1.48213.11.63.2.2.1.1.5.0";

// An agent with its request log in a directory of the test's own.
struct LoggedAgent {
  QTemporaryDir dir;
  kxtest::SimAgent agent;
  kxtest::SimLog log{dir.filePath("requests.jsonl")};

  explicit LoggedAgent(std::vector<std::string> options) {
    options.insert(options.end(), {"--led-period", "0", "--log", log.path().toStdString()});
    agent.start(options);
  }
  int setsOf(const QString& oid, int skip = 0) const {
    int n = 0;
    for (const kxtest::LoggedRequest& r : log.of("set", skip))
      for (const kxtest::LoggedVarbind& v : r.varbinds) n += v.oid == oid;
    return n;
  }
};

bool anyMenuOpen() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<QMenu*>(w) && w->isVisible()) return true;
  return false;
}

// Alt+C, R (Configuration, Reboot) typed while a blocking read waits for a slow agent: neither
// key acts, during the wait or after it; no question is asked and no set reaches the agent. The
// busy cursor shows while the wait runs.
TEST_F(MainFormTest, KeysTypedDuringAWaitAreDroppedNotReplayed) {
  LoggedAgent slow({"--delay", "700"});
  auto form = openOn(slow.agent.port());
  form->show();
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  ASSERT_TRUE(waitUntil([&] { return form->FrontPanel() && form->FrontPanel()->ModulesRead(); }));
  answers.answer = true;  // a Reboot question, if one came, would be answered OK
  const int mark = slow.log.lines();
  const int droppedBefore = BusyWait::DroppedEvents();

  MvSNMPRequest2Edits reading(form.get());
  reading.SetAsynchronous(false);
  reading.Request().varList = MvSNMPVarList(ModuleTypeList, SVT_SV, 0);
  bool typed = false;
  bool busyCursor = false;
  QTimer::singleShot(200, form.get(), [&] {
    busyCursor = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    QTest::keyClick(form.get(), Qt::Key_C, Qt::AltModifier);
    QWidget* target = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : form.get();
    QTest::keyClick(target, Qt::Key_R);
    typed = true;
  });
  reading.Refresh();  // blocks for the delayed answer
  EXPECT_TRUE(typed);
  EXPECT_TRUE(busyCursor);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // gone with the wait
  EXPECT_GT(BusyWait::DroppedEvents(), droppedBefore);
  EXPECT_FALSE(anyMenuOpen());

  // Whatever was held back would arrive now.
  QTest::qWait(1500);
  EXPECT_FALSE(anyMenuOpen());
  EXPECT_TRUE(answers.questions.isEmpty()) << answers.questions.join('\n').toStdString();
  EXPECT_EQ(slow.setsOf(kRebootOid, mark), 0);
  EXPECT_EQ(form->RebootProgress(), nullptr);

  // The same keys after the wait work as usual: the menu opens.
  QTest::keyClick(form.get(), Qt::Key_C, Qt::AltModifier);
  EXPECT_TRUE(waitUntil([] { return anyMenuOpen(); }, 2000));
  if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
}

// A window opened during a wait (a message an answer raises) takes input as usual.
TEST_F(MainFormTest, AWindowOpenedDuringAWaitTakesInput) {
  LoggedAgent slow({"--delay", "700"});
  auto form = openOn(slow.agent.port());
  form->show();
  MvSNMPRequest2Edits reading(form.get());
  reading.SetAsynchronous(false);
  reading.Request().varList = MvSNMPVarList(ModuleTypeList, SVT_SV, 0);
  bool clicked = false;
  QTimer::singleShot(100, form.get(), [&] {
    QDialog box(form.get());
    auto* ok = new QPushButton(QStringLiteral("OK"), &box);
    QObject::connect(ok, &QPushButton::clicked, &box, [&] {
      clicked = true;
      box.accept();
    });
    QTimer::singleShot(100, &box, [ok] { QTest::mouseClick(ok, Qt::LeftButton); });
    QTimer::singleShot(3000, &box, &QDialog::reject);  // never hangs the test
    box.exec();
  });
  reading.Refresh();
  EXPECT_TRUE(clicked);
}

// With an agent that answers nothing, the window and its menus work while the start-up reads
// wait for their time-outs.
TEST_F(MainFormTest, MenusOpenWhileTheStartUpReadsOfASilentAgentAreOut) {
  kxtest::SimAgent silent;
  silent.start({"--led-period", "0"});
  const int port = silent.port();
  silent.stop();
  DeviceTarget.timeout = 300;
  TMainForm::Options options;
  options.agentPort = static_cast<quint16>(port);
  options.confirmExit = false;
  auto form = std::make_unique<TMainForm>(kV1Parameters, options);
  form->show();
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  QTest::qWait(300);  // the reads are out now
  ASSERT_FALSE(form->DeviceStateRead());
  QMenu* configuration = form->TopMenu("Configuration1");
  ASSERT_NE(configuration, nullptr);
  QElapsedTimer opened;
  opened.start();
  QTest::keyClick(form.get(), Qt::Key_C, Qt::AltModifier);
  ASSERT_TRUE(waitUntil([&] { return configuration->isVisible(); }, 5000));
  EXPECT_LT(opened.elapsed(), 1000);
  EXPECT_FALSE(form->DeviceStateRead());  // still waiting for the device
  configuration->close();
  // The RMON menu opens at once too; its check answers later.
  QMenu* rmon = form->TopMenu("RMON1");
  ASSERT_NE(rmon, nullptr);
  opened.restart();
  form->menuBar()->setActiveAction(rmon->menuAction());
  ASSERT_TRUE(waitUntil([&] { return rmon->isVisible(); }, 5000));
  EXPECT_LT(opened.elapsed(), 1000);
  rmon->close();
  ASSERT_TRUE(waitUntil([&] { return form->DeviceStateRead(); }));
  EXPECT_FALSE(form->StatusPanel()->text().isEmpty());
}

// Reboot against a slow agent: the set goes out at once, a progress dialog says it is under way,
// and the result follows when the answer comes; the window keeps working meanwhile.
TEST_F(MainFormTest, RebootShowsProgressThenItsResult) {
  LoggedAgent slow({"--delay", "700"});
  auto form = openOn(slow.agent.port());
  form->show();
  answers.answer = true;
  const int mark = slow.log.lines();
  form->MenuAction("Reset2")->trigger();
  // trigger() has returned while the set is out.
  ASSERT_NE(form->RebootProgress(), nullptr);
  EXPECT_TRUE(form->RebootProgress()->isVisible());
  EXPECT_EQ(form->RebootProgress()->labelText(), RebootProgressText);
  EXPECT_EQ(form->StatusPanel()->text(), RebootProgressText);
  EXPECT_TRUE(answers.messages.isEmpty());
  // A picture to look at (KX_SHELL_SHOTS=DIR): the window with the progress dialog over it.
  if (const QString dir = qEnvironmentVariable("KX_SHELL_SHOTS"); !dir.isEmpty()) {
    QProgressDialog* progress = form->RebootProgress();
    const QRect both = form->frameGeometry().united(progress->frameGeometry());
    QPixmap shot(both.size());
    shot.fill(QColor(0x30, 0x50, 0x70));
    QPainter painter(&shot);
    for (QWidget* w : {static_cast<QWidget*>(form.get()), static_cast<QWidget*>(progress)})
      painter.drawPixmap(w->frameGeometry().topLeft() - both.topLeft(), w->grab());
    painter.end();
    EXPECT_TRUE(shot.save(dir + "/reboot-progress.png"));
  }
  ASSERT_TRUE(waitUntil([&] { return !answers.messages.isEmpty(); }));
  EXPECT_EQ(answers.messages, QStringList{RebootDoneText});
  EXPECT_EQ(form->StatusPanel()->text(), RebootDoneText);
  EXPECT_TRUE(waitUntil([&] { return form->RebootProgress() == nullptr; }));
  // The set reached the agent with "warm-start", and it came before any read sent after OK.
  const std::vector<kxtest::LoggedRequest> after = slow.log.of("set", mark);
  ASSERT_EQ(after.size(), 1u);
  EXPECT_EQ(after.front().pairs(), QStringList{QString(kRebootOid) + "=3"});
  const auto r = kxtest::runNetSnmpTool({"snmpget", "-v2c", "-c", "public", slow.agent.address(), kRebootOid});
  EXPECT_NE(r.out.find("INTEGER: 3"), std::string::npos) << r.out;
}

// A reboot the agent refuses (the read community given for writing): the progress ends and the error is shown.
TEST_F(MainFormTest, RebootShowsItsError) {
  auto form = openOn(agent_->port(), {"/I127.0.0.1", "/Rpublic", "/Wpublic", "/v1"});
  form->show();
  answers.answer = true;
  form->MenuAction("Reset2")->trigger();
  ASSERT_TRUE(waitUntil([&] { return !answers.messages.isEmpty(); }));
  EXPECT_NE(answers.messages.front(), RebootDoneText);
  EXPECT_FALSE(answers.messages.front().isEmpty());
  EXPECT_EQ(form->StatusPanel()->text(), answers.messages.front());
  EXPECT_TRUE(waitUntil([&] { return form->RebootProgress() == nullptr; }));
}

// The offscreen screen (800 x 600) is narrower than the front panel: the window takes the
// screen's width, the client area scrolls so that slot 2 can be brought into view, the whole
// height shows, and the window cannot be enlarged past its client area.
TEST_F(MainFormTest, MainWindowFitsAScreenNarrowerThanThePanel) {
  auto form = open();
  form->show();
  ASSERT_NE(form->FrontPanel(), nullptr);
  const QRect avail = form->screen()->availableGeometry();
  ASSERT_LT(avail.width(), 908);
  EXPECT_LE(form->frameGeometry().width(), avail.width());
  EXPECT_TRUE(avail.contains(form->frameGeometry()));
  QScrollArea* scroller = form->ClientScroller();
  ASSERT_NE(scroller, nullptr);
  EXPECT_GT(scroller->horizontalScrollBar()->maximum(), 0);
  EXPECT_EQ(scroller->verticalScrollBar()->maximum(), 0);  // the height is all there
  EXPECT_EQ(form->ClientArea()->size(), QSize(908, 127));
  EXPECT_EQ(form->StatusBar()->geometry().bottom(), form->ClientArea()->height() - 1);
  QFrame* slot2 = form->FrontPanel()->SlotPanel(2);
  scroller->ensureWidgetVisible(slot2, 0, 0);
  const QRect inViewport(slot2->mapTo(scroller->viewport(), QPoint(0, 0)), slot2->size());
  EXPECT_TRUE(scroller->viewport()->rect().contains(inViewport));
  const QSize fitted = form->size();
  form->resize(fitted + QSize(300, 200));
  QCoreApplication::processEvents();
  EXPECT_EQ(form->size(), fitted);
}

// The program at scale factor 2 on a 1600 x 1000 screen: its picture (in device pixels) lies
// inside the screen.
TEST_F(MainFormTest, MainWindowFitsItsScreenAtScaleTwo) {
  QTemporaryDir dir;
  const QString screens = dir.filePath("screen.json");
  QFile file(screens);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(R"({"screens":[{"name":"s","x":0,"y":0,"width":1600,"height":1000,"logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
  file.close();
  const QString picture = dir.filePath("main.png");
  QProcess program;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + screens);
  env.insert("QT_SCALE_FACTOR", "2");
  env.insert("XDG_STATE_HOME", dir.path());
  program.setProcessEnvironment(env);
  program.start(QStringLiteral(KX_BIN_DIR "/kx760"),
                {"/I127.0.0.1", "/Rpublic", "/Wprivate", "/v1", "--port", QString::number(agent_->port()),
                 "--screenshot", picture});
  ASSERT_TRUE(program.waitForFinished(120000));
  ASSERT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
  const QImage image(picture);
  ASSERT_FALSE(image.isNull());
  EXPECT_LE(image.width(), 1600);
  EXPECT_LE(image.height(), 1000);
  EXPECT_GT(image.width(), 1200);  // the screen's width is used, not a thumbnail
}

// kx760 --open ITEM: while the page it opened is on view, the main window goes on polling its
// LEDs every three seconds.
TEST_F(MainFormTest, OpenLeavesTheLedPollsRunning) {
  LoggedAgent logged({});
  QProcess program;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("XDG_STATE_HOME", logged.dir.path());
  program.setProcessEnvironment(env);
  program.start(QStringLiteral(KX_BIN_DIR "/kx760"),
                {"/I127.0.0.1", "/Rpublic", "/Wprivate", "/v1", "--port", QString::number(logged.agent.port()),
                 "--open", "BasicInfo1"});
  ASSERT_TRUE(program.waitForStarted());
  auto ledReads = [&] {
    int n = 0;
    for (const kxtest::LoggedRequest& r : logged.log.all())
      for (const kxtest::LoggedVarbind& v : r.varbinds) n += r.pdu == "get" && v.oid == kLedOid;
    return n;
  };
  EXPECT_TRUE(waitUntil([&] { return ledReads() >= 3; }, 15000)) << ledReads();
  program.kill();
  program.waitForFinished();
}

}  // namespace
