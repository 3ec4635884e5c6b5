#include "ToolLauncher.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

#include "MibToolPages.h"

namespace {

enum class PassPhrases { OnCommandLine, Left };

// The switches before the page argument, each with its whole value, in the order the host's
// tools receive them.
QStringList toolSwitches(const LaunchParameters& launch, int version, PassPhrases phrases) {
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
  const bool withPhrases = phrases == PassPhrases::OnCommandLine;
  if (launch.contextNameGiven) s << QStringLiteral("/c") + launch.contextNameText;
  if (launch.securityLevelGiven) s << QStringLiteral("/l") + launch.securityLevelText;
  if (launch.authProtocolGiven) s << QStringLiteral("/a") + launch.authProtocolText;
  if (launch.authPasswordGiven && withPhrases) s << QStringLiteral("/A") + launch.authPasswordText;
  if (launch.privProtocolGiven) s << QStringLiteral("/p") + launch.privProtocolText;
  if (launch.privPasswordGiven && withPhrases) s << QStringLiteral("/P") + launch.privPasswordText;
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
  for (const QString& s : toolSwitches(launch, version, PassPhrases::OnCommandLine)) c += u' ' + s;
  c += u' ' + argument;
  line.text = c;
  // Nothing is quoted: a value holding blanks reaches the tool as several parameters.
  line.parameters = c.mid(line.executable.size()).split(u' ', Qt::SkipEmptyParts);
  return line;
}

ToolStart PlanToolStart(const QString& argument, const LaunchParameters& launch, int version,
                        const QString& programDir, std::optional<quint16> agentPort) {
  const ToolCommandLine line = ComposeToolCommandLine(argument, launch, version, programDir);
  ToolStart start;
  if (QFileInfo(line.executable).isFile()) {
    start.program = line.executable;
    start.arguments = line.parameters;
    start.hostTool = true;
    return start;
  }
  start.program = programDir + QLatin1String(MibToolProgram);
  start.arguments = toolSwitches(launch, version, PassPhrases::Left);
  start.arguments << argument;
  if (agentPort) start.arguments << QStringLiteral("--port") << QString::number(*agentPort);
  if (version == 3 && launch.authPasswordGiven)
    start.environment.append({QLatin1String(MibToolAuthPassPhraseEnv), launch.authPasswordText});
  if (version == 3 && launch.privPasswordGiven)
    start.environment.append({QLatin1String(MibToolPrivPassPhraseEnv), launch.privPasswordText});
  return start;
}

bool StartTool(const ToolStart& start) {
  QProcess process;
  process.setProgram(start.program);
  process.setArguments(start.arguments);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const auto& [name, value] : start.environment) env.insert(name, value);
  process.setProcessEnvironment(env);
  return process.startDetached();
}

QString ProgramDir() {
  QString dir = QCoreApplication::applicationDirPath();
  if (!dir.endsWith(u'/')) dir += u'/';
  return dir;
}
