#include "HelpViewer.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "ToolLauncher.h"
#include "UserNotice.h"

const char* const HelpFileName = "KX-780 Series R4 Oct 08 D1panoptra.hlp";
const char* const GuideFileName = "kx760-guide.html";
const char* const InstalledGuidePath = "../share/doc/kx760/kx760-guide.html";

QString GuideFile() {
  const QString beside = ProgramDir() + QLatin1String(GuideFileName);
  if (QFileInfo(beside).isFile()) return beside;
  return QFileInfo(ProgramDir() + QLatin1String(InstalledGuidePath)).absoluteFilePath();
}

bool ShowHelpContents(QWidget* owner, const QString& path, QString guide) {
  const QString caption = QStringLiteral("Help");
  if (guide.isEmpty()) guide = GuideFile();
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
