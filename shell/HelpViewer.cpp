#include "HelpViewer.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "MainUnit.h"
#include "UserNotice.h"

const char* const HelpFileName = "KX-780 Series R4 Oct 08 D1panoptra.hlp";

bool ShowHelpContents(QWidget* owner, const QString& path) {
  const QString caption = QStringLiteral("Help");
  if (!QFileInfo(path).isFile()) {
    UserNotice::message(owner, caption, QStringLiteral("Cannot find the help file \"%1\".").arg(path), UserNotice::Style::Critical);
    return false;
  }
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
    UserNotice::message(owner, caption, QStringLiteral("No viewer could open the help file \"%1\".").arg(path), UserNotice::Style::Critical);
    return false;
  }
  return true;
}
