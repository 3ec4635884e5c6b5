#include "ToolLauncher.h"

#include <QCoreApplication>

ToolCommandLine ComposeToolCommandLine(const QString& argument, const LaunchParameters& launch,
                                       int version, const QString& programDir) {
  // The tool name runs from the third character up to the first "_"; none without a "_".
  const qsizetype underscore = argument.indexOf(u'_');
  const QString toolName = underscore < 0 ? QString() : argument.mid(2, underscore - 2);
  ToolCommandLine line;
  line.executable = programDir + toolName + QStringLiteral(".EXE");
  QString c = line.executable;
  if (version == 3) {
    c += QStringLiteral(" /I") + launch.addressText;
    if (launch.profileFound) {
      c += QStringLiteral(" /t") + launch.portText;
      c += QStringLiteral(" /v") + launch.versionText;
      c += QStringLiteral(" /d") + launch.contextEngineIdText;
      c += QStringLiteral(" /m") + launch.securityModelText;
      c += QStringLiteral(" /n") + launch.securityNameText;
    }
    if (launch.contextNameGiven) c += QStringLiteral(" /c") + launch.contextNameText;
    if (launch.securityLevelGiven) c += QStringLiteral(" /l") + launch.securityLevelText;
    if (launch.authProtocolGiven) c += QStringLiteral(" /a") + launch.authProtocolText;
    if (launch.authPasswordGiven) c += QStringLiteral(" /A") + launch.authPasswordText;
    if (launch.privProtocolGiven) c += QStringLiteral(" /p") + launch.privProtocolText;
    if (launch.privPasswordGiven) c += QStringLiteral(" /P") + launch.privPasswordText;
  } else {
    c += QStringLiteral(" /I") + launch.addressText + QStringLiteral(" /R") + launch.readCommunityText +
         QStringLiteral(" /W") + launch.writeCommunityText;
  }
  c += u' ' + argument;
  line.text = c;
  // Nothing is quoted: a value holding blanks reaches the tool as several parameters.
  line.parameters = c.mid(line.executable.size()).split(u' ', Qt::SkipEmptyParts);
  return line;
}

QString ProgramDir() {
  QString dir = QCoreApplication::applicationDirPath();
  if (!dir.endsWith(u'/')) dir += u'/';
  return dir;
}
