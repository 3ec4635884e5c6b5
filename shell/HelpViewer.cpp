#include "shell/HelpViewer.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "shell/ToolLauncher.h"
#include "widgets/UserNotice.h"

const char* const HelpFileName = "KX-780 Series R4 Oct 08 D1panoptra.hlp";
const char* const GuideFileName = "kx760-guide.html";
namespace {

ExternalHelpOpener& opener() {
  static ExternalHelpOpener current;
  return current;
}

bool openExternally(const QUrl& url) {
  return opener() ? opener()(url) : QDesktopServices::openUrl(url);
}

}  // namespace

ExternalHelpOpener SetExternalHelpOpener(ExternalHelpOpener next) {
  ExternalHelpOpener previous = std::move(opener());
  opener() = std::move(next);
  return previous;
}

QWidget* ShowBuiltInHelp(QWidget* owner, const QString& htmlFile) {
  auto* window = new QWidget(owner, Qt::Window);  // owned by `owner`, freed when closed
  window->setObjectName(QStringLiteral("HelpBrowser"));
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowTitle(QStringLiteral("Help"));
  auto* text = new QTextBrowser(window);
  text->setObjectName(QStringLiteral("HelpText"));
  text->setOpenExternalLinks(true);  // web links go to the desktop; links inside the guide stay here
  text->setSource(QUrl::fromLocalFile(htmlFile));
  auto* layout = new QVBoxLayout(window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(text);
  window->resize(800, 600);  // fitted to the screen when shown
  window->show();
  return window;
}

namespace {

// The guide next to the program (a build tree, a copied bin/ directory), else in the data
// directory of an installation (bin/../share/kx760-manager).
QString programGuide() {
  const QString beside = ProgramDir() + QLatin1String(GuideFileName);
  const QString installed = QFileInfo(ProgramDir() + QStringLiteral("../share/kx760-manager/") +
                                      QLatin1String(GuideFileName)).absoluteFilePath();
  return !QFileInfo(beside).isFile() && QFileInfo(installed).isFile() ? installed : beside;
}

}  // namespace

bool ShowHelpContents(QWidget* owner, const QString& path, QString guide) {
  const QString caption = QStringLiteral("Help");
  if (guide.isEmpty()) guide = programGuide();
  const bool guideThere = QFileInfo(guide).isFile();
  QString shown = path;
  if (!QFileInfo(path).isFile()) {
    if (!guideThere) {
      UserNotice::message(owner, caption, QStringLiteral("Cannot find the help file \"%1\".").arg(path),
                          UserNotice::Style::Critical);
      return false;
    }
    shown = guide;
  }
  if (openExternally(QUrl::fromLocalFile(shown))) return true;
  // No viewer took it: the guide in the program's own window, which needs nothing installed.
  if (guideThere) {
    ShowBuiltInHelp(owner, guide);
    return true;
  }
  UserNotice::message(owner, caption, QStringLiteral("No viewer could open the help file \"%1\".").arg(shown),
                      UserNotice::Style::Critical);
  return false;
}
