#include "HelpViewer.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "ToolLauncher.h"
#include "UserNotice.h"

const char* const HelpFileName = "KX-780 Series R4 Oct 08 D1panoptra.hlp";
const char* const GuideFileName = "kx760-guide.html";

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
  QString shown = path;
  if (!QFileInfo(path).isFile()) {
    if (!QFileInfo(guide).isFile()) {
      UserNotice::message(owner, caption, QStringLiteral("Cannot find the help file \"%1\".").arg(path),
                          UserNotice::Style::Critical);
      return false;
    }
    shown = guide;
  }
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(shown))) {
    UserNotice::message(owner, caption, QStringLiteral("No viewer could open the help file \"%1\".").arg(shown),
                        UserNotice::Style::Critical);
    return false;
  }
  return true;
}
