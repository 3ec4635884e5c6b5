// The About box, the progress dialog and the help viewer.
#include <QDesktopServices>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

#include <QPainter>
#include <QScreen>

#include "shell/About.h"
#include "widgets/ScreenFit.h"
#include "shell/HelpViewer.h"
#include "tests/shell/MainFormFixture.h"
#include "editors/Progress.h"
#include "shell/ToolLauncher.h"

namespace {

using kxtest::waitUntil;
using shelltest::MainFormTest;

class DialogsTest : public MainFormTest {};

TEST_F(DialogsTest, AboutBoxesOpenWithoutBlockingAndCloseOneByOne) {
  auto form = open();
  form->show();
  form->MenuAction("About2")->trigger();
  QPointer<TAboutForm> first = AboutForm;
  form->MenuAction("About2")->trigger();
  QPointer<TAboutForm> second = AboutForm;
  ASSERT_TRUE(first && second);
  EXPECT_NE(first, second);
  for (TAboutForm* box : {first.data(), second.data()}) {
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(box->isModal());
    EXPECT_EQ(box->windowTitle(), "About KX-760 Module");
    EXPECT_EQ(box->findChild<QLabel*>("Label")->text(), "Maravel KX-760 Management Module");
    EXPECT_EQ(box->VersionLabel()->text(), "Release Version 4.20");
    EXPECT_TRUE(box->findChild<QLabel*>("ImageKX760")->isVisible());
  }
  QTest::mouseClick(first->OkButton(), Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(first.isNull());  // freed on close
  EXPECT_TRUE(second && second->isVisible());
  second->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(second.isNull());
}

TEST_F(DialogsTest, ShiftAltF3OnTheButtonRevealsTheBuild) {
  auto form = open();
  TAboutForm box(form.get());
  box.setAttribute(Qt::WA_DeleteOnClose, false);
  struct Case {
    Qt::KeyboardModifiers modifiers;
    int key;
    const char* version;
  } const cases[] = {
      {Qt::ShiftModifier, Qt::Key_F3, "Release Version 4.20"},
      {Qt::AltModifier, Qt::Key_F3, "Release Version 4.20"},
      {Qt::ShiftModifier | Qt::AltModifier, Qt::Key_F4, "Release Version 4.20"},
      {Qt::ShiftModifier | Qt::AltModifier, Qt::Key_F3, "Release Version 4.20R12(Build 2008/11/10)"},
  };
  for (const Case& c : cases) {
    QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers);
    QCoreApplication::sendEvent(box.OkButton(), &press);
    EXPECT_EQ(box.VersionLabel()->text(), c.version) << c.key << " " << c.modifiers.toInt();
  }
}

// In this platform's fonts the texts are wider than the box was drawn for: the box grows, the
// button never covers a text, nothing runs past the edge, before and after the build is shown.
TEST_F(DialogsTest, AboutBoxFitsItsTexts) {
  auto form = open();
  TAboutForm box(form.get());
  box.setAttribute(Qt::WA_DeleteOnClose, false);
  box.show();
  for (bool build : {false, true}) {
    if (build) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_F3, Qt::ShiftModifier | Qt::AltModifier);
      QCoreApplication::sendEvent(box.OkButton(), &press);
    }
    EXPECT_GE(box.width(), TAboutForm::ClientWidth);
    EXPECT_GE(box.height(), TAboutForm::ClientHeight);
    for (QLabel* label : box.findChildren<QLabel*>()) {
      const QRect text(label->pos(), label->sizeHint());
      EXPECT_FALSE(text.intersects(box.OkButton()->geometry())) << label->text().toStdString();
      EXPECT_TRUE(box.rect().contains(text)) << label->text().toStdString();
    }
    EXPECT_TRUE(box.rect().contains(box.OkButton()->geometry()));
  }
}

// Pictures to look at (KX_SHELL_SHOTS=DIR): the About box, and a page opened from a main window
// at the very top of the screen, drawn with the whole screen around it.
TEST_F(DialogsTest, RenderAboutBoxAndAPageNearTheScreenEdge) {
  const QString dir = qEnvironmentVariable("KX_SHELL_SHOTS");
  if (dir.isEmpty()) GTEST_SKIP() << "set KX_SHELL_SHOTS to a directory to render the pictures";
  ScreenFit::install();
  auto form = open();
  form->move(0, 0);
  form->show();
  TAboutForm box(form.get());
  box.setAttribute(Qt::WA_DeleteOnClose, false);
  box.show();
  QKeyEvent press(QEvent::KeyPress, Qt::Key_F3, Qt::ShiftModifier | Qt::AltModifier);
  QCoreApplication::sendEvent(box.OkButton(), &press);
  ASSERT_TRUE(box.grab().save(dir + "/about.png"));
  box.close();
  answers.onForm = [&](TConfigForm& page) {
    ASSERT_TRUE(waitUntil([&] { return !shelltest::memoOf(page)->toPlainText().isEmpty() && !page.CurrentBinding()->Busy(); }));
    QScreen* screen = QGuiApplication::primaryScreen();
    QPixmap shot(screen->geometry().size());
    shot.fill(QColor(0x30, 0x50, 0x70));
    QPainter painter(&shot);
    for (QWidget* w : {static_cast<QWidget*>(form.get()), static_cast<QWidget*>(&page)})
      painter.drawPixmap(w->frameGeometry().topLeft() - screen->geometry().topLeft(), w->grab());
    painter.end();
    ASSERT_TRUE(shot.save(dir + "/page-near-edge.png"));
  };
  form->MenuAction("DeviceControl1")->trigger();
  EXPECT_EQ(answers.forms, 1);
}

TEST_F(DialogsTest, ProgressDialogStartsTheWriteAndClosesAfterTwentySteps) {
  auto form = open();
  setRmon(2);
  QWidget host;
  QLabel status(&host);
  auto* edit = new QLineEdit(&host);
  auto binding = std::make_unique<MvSNMPRequest2Edits>(&host);
  binding->Request().varList = findMenuItem(u"RMONState1")->pageList().front().makeVarList();
  binding->BindControl(0, edit);
  binding->SetAsynchronous(false);
  ASSERT_TRUE(binding->Refresh());
  ASSERT_EQ(edit->text(), "disabled");
  edit->setText("enabled");

  TProgressForm progress({&host, binding.get(), &status});
  EXPECT_EQ(progress.windowTitle(), "Progress");
  EXPECT_TRUE(progress.ProgressTimer()->isActive());
  EXPECT_EQ(progress.ProgressTimer()->interval(), 1000);
  // The write has reached the device.
  const auto r = kxtest::runNetSnmpTool({"snmpget", "-v2c", "-c", "public", agent_->address(),
                                         "1.3.6.1.4.1.48213.11.63.2.2.1.2.16.0"});
  EXPECT_NE(r.out.find("INTEGER: 3"), std::string::npos) << r.out;
  EXPECT_TRUE(status.text().isEmpty());

  // The ticks, taken by hand: position 1 after the first, closing at the tick that finds 20.
  progress.show();
  progress.ProgressTimerTimer();
  EXPECT_EQ(progress.ProgressBar()->value(), 1);
  for (int tick = 2; tick <= 20; ++tick) progress.ProgressTimerTimer();
  EXPECT_EQ(progress.ProgressBar()->value(), 20);
  EXPECT_TRUE(progress.isVisible());
  progress.ProgressTimerTimer();
  EXPECT_FALSE(progress.isVisible());
  EXPECT_FALSE(progress.ProgressTimer()->isActive());
  setRmon(2);
}

// Receives what the desktop would open.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> urls;
 public slots:
  void open(const QUrl& url) { urls << url; }
};

TEST_F(DialogsTest, HelpOpensTheModulesHelpFileOrSaysItIsMissing) {
  auto form = open();
  const QString path = ProgramDir() + QLatin1String(HelpFileName);
  ASSERT_FALSE(QFile::exists(path));
  QTemporaryDir dir;
  const QString missingGuide = dir.filePath("no-guide.html");
  EXPECT_FALSE(ShowHelpContents(form.get(), path, missingGuide));
  ASSERT_EQ(answers.messages.size(), 1);
  EXPECT_TRUE(answers.messages.first().contains(path)) << answers.messages.first().toStdString();

  const QString file = dir.filePath(QLatin1String(HelpFileName));
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.close();
  UrlCatcher catcher;
  QDesktopServices::setUrlHandler("file", &catcher, "open");
  EXPECT_TRUE(ShowHelpContents(form.get(), file, missingGuide));
  QDesktopServices::unsetUrlHandler("file");
  EXPECT_EQ(catcher.urls, QList<QUrl>{QUrl::fromLocalFile(file)});
  EXPECT_EQ(answers.messages.size(), 1);
}

// Without the host's help file, Help opens the user guide built with the program: an HTML page
// next to the program that covers start-up, the panel, pages, editors, tools, CLI and trouble.
TEST_F(DialogsTest, HelpWithoutTheHelpFileOpensTheUserGuide) {
  auto form = open();
  const QString guide = ProgramDir() + QLatin1String(GuideFileName);
  QFile page(guide);
  ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << guide.toStdString();
  const QString html = QString::fromUtf8(page.readAll());
  for (const char* part : {"Starting the program", "The front panel", "Menus, pages and tables",
                           "Dedicated editors", "Standard MIB tools", "The command-line tool",
                           "Troubleshooting", "timed out", "(SNMPv3USM) Unknown SecurityName!",
                           "(SNMPv3USM) Authentication failure!", "Log Save Control", "/TMIB_IFCounters"})
    EXPECT_TRUE(html.contains(QLatin1String(part))) << part;

  UrlCatcher catcher;
  QDesktopServices::setUrlHandler("file", &catcher, "open");
  form->MenuAction("Help1")->trigger();
  QDesktopServices::unsetUrlHandler("file");
  EXPECT_EQ(catcher.urls, QList<QUrl>{QUrl::fromLocalFile(guide)});
  EXPECT_TRUE(answers.messages.isEmpty());
}

// No external viewer takes the guide (a machine without a browser): Help shows it in the
// program's own viewer window, with the guide's text; nothing of the guide: the message.
TEST_F(DialogsTest, HelpFallsBackToTheBuiltInViewer) {
  auto form = open();
  QList<QUrl> offered;
  const ExternalHelpOpener previous = SetExternalHelpOpener([&](const QUrl& url) {
    offered << url;
    return false;
  });
  form->MenuAction("Help1")->trigger();
  const QString guide = ProgramDir() + QLatin1String(GuideFileName);
  EXPECT_EQ(offered, QList<QUrl>{QUrl::fromLocalFile(guide)});
  EXPECT_TRUE(answers.messages.isEmpty()) << answers.messages.join('\n').toStdString();
  QWidget* viewer = form->findChild<QWidget*>("HelpBrowser");
  ASSERT_NE(viewer, nullptr);
  EXPECT_TRUE(viewer->isVisible());
  EXPECT_TRUE(viewer->isWindow());
  auto* text = viewer->findChild<QTextBrowser*>("HelpText");
  ASSERT_NE(text, nullptr);
  EXPECT_TRUE(text->toPlainText().contains("The front panel"));
  EXPECT_EQ(text->source(), QUrl::fromLocalFile(guide));
  viewer->close();

  QTemporaryDir dir;
  EXPECT_FALSE(ShowHelpContents(form.get(), ProgramDir() + QLatin1String(HelpFileName), dir.filePath("none.html")));
  ASSERT_EQ(answers.messages.size(), 1);
  SetExternalHelpOpener(previous);
}

}  // namespace

#include "test_dialogs.moc"
