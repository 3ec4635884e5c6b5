#include "shell/ToolLauncher.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <unistd.h>

#include "catalogue/MibToolPages.h"
#include "mvsnmp/MvSessionHandover.h"

namespace {

// The switches before the page argument, each with its whole value, in the order the host's
// tools receive them.
QStringList toolSwitches(const LaunchParameters& launch, int version) {
  QStringList s;
  if (version != 3) {
    s << QStringLiteral("/I") + launch.addressText << QStringLiteral("/R") + launch.readCommunityText
      << QStringLiteral("/W") + launch.writeCommunityText;
    return s;
  }
  s << QStringLiteral("/I") + launch.addressText;
  if (launch.profileFound)
    s << QStringLiteral("/t") + launch.portText << QStringLiteral("/v") + launch.versionText
      << QStringLiteral("/d") + launch.contextEngineIdText << QStringLiteral("/m") + launch.securityModelText
      << QStringLiteral("/n") + launch.securityNameText;
  if (launch.contextNameGiven) s << QStringLiteral("/c") + launch.contextNameText;
  if (launch.securityLevelGiven) s << QStringLiteral("/l") + launch.securityLevelText;
  if (launch.authProtocolGiven) s << QStringLiteral("/a") + launch.authProtocolText;
  if (launch.authPasswordGiven) s << QStringLiteral("/A") + launch.authPasswordText;
  if (launch.privProtocolGiven) s << QStringLiteral("/p") + launch.privProtocolText;
  if (launch.privPasswordGiven) s << QStringLiteral("/P") + launch.privPasswordText;
  return s;
}

}  // namespace

ToolCommandLine ComposeToolCommandLine(const QString& argument, const LaunchParameters& launch,
                                       int version, const QString& programDir) {
  // The tool name runs from the third character up to the first "_"; none without a "_".
  const qsizetype underscore = argument.indexOf(u'_');
  const QString toolName = underscore < 0 ? QString() : argument.mid(2, underscore - 2);
  ToolCommandLine line;
  line.executable = programDir + toolName + QStringLiteral(".EXE");
  QString c = line.executable;
  for (const QString& s : toolSwitches(launch, version)) c += u' ' + s;
  c += u' ' + argument;
  line.text = c;
  // Nothing is quoted: a value holding blanks reaches the tool as several parameters.
  line.parameters = c.mid(line.executable.size()).split(u' ', Qt::SkipEmptyParts);
  return line;
}

ToolStart PlanToolStart(const QString& argument, const LaunchParameters& launch, const MvDeviceParams& session,
                        const QString& programDir) {
  const ToolCommandLine line = ComposeToolCommandLine(argument, launch, session.version, programDir);
  ToolStart start;
  if (QFileInfo(line.executable).isFile()) {
    start.program = line.executable;
    start.arguments = line.parameters;
    start.hostTool = true;
    return start;
  }
  start.program = programDir + QLatin1String(MibToolProgram);
  start.arguments << argument;
  start.session = MvSessionHandover::encode(session);
  return start;
}

bool StartTool(const ToolStart& start) {
  QProcess process;
  process.setProgram(start.program);
  if (start.session.isEmpty()) {
    process.setArguments(start.arguments);
    return process.startDetached();
  }
  // The pipe already holds the whole session and its write end is closed: the tool reads it to
  // its end, and nothing of it is left here once the read end is closed below.
  const int fd = MvSessionHandover::pipeHolding(start.session.bytes());
  if (fd < 0) return false;
  process.setArguments(QStringList{QLatin1String(MvSessionHandover::FdOption), QString::number(fd)} + start.arguments);
  const bool started = process.startDetached();
  ::close(fd);
  return started;
}

QString ProgramDir() {
  QString dir = QCoreApplication::applicationDirPath();
  if (!dir.endsWith(u'/')) dir += u'/';
  return dir;
}
