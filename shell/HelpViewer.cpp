#include "HelpViewer.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "MainUnit.h"

const char* const HelpFileName = "KX-780 Series R4 Oct 08 D1panoptra.hlp";

bool ShowHelpContents(QWidget* owner, const QString& path) {
  const QString caption = QStringLiteral("Help");
  if (!QFileInfo(path).isFile()) {
    MainNotice::message(owner, caption, QStringLiteral("Cannot find the help file \"%1\".").arg(path));
    return false;
  }
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
    MainNotice::message(owner, caption, QStringLiteral("No viewer could open the help file \"%1\".").arg(path));
    return false;
  }
  return true;
}
