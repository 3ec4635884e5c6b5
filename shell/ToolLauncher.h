// The sibling-tool launcher: the standard-MIB pages are shown by separate tools that lie next to
// this program; each gets the device parameters in the module's own switch language followed by
// the page argument ("/TMIB_Info"). A host that ships its own tool ("MIB.EXE") keeps it; without
// one, this program's kx760mib shows the page.
#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <optional>

#include "MvStartup.h"

struct ToolCommandLine {
  QString executable;      // the tool's path: this program's directory + tool name + ".EXE"
  QStringList parameters;  // the composed text after the executable, split at blanks
  QString text;            // the whole command line as composed, executable first
};

// The command line for `argument` with the given launch parameters and SNMP version code.
// `programDir` ends with the path separator.
ToolCommandLine ComposeToolCommandLine(const QString& argument, const LaunchParameters& launch,
                                       int version, const QString& programDir);

// What is started for a tool argument.
struct ToolStart {
  QString program;
  QStringList arguments;
  QList<QPair<QString, QString>> environment;  // variables added to this program's environment
  bool hostTool = false;                       // the host's own <Tool>.EXE
};

// The host's tool when `programDir` holds it, started exactly as composed; otherwise kx760mib from
// `programDir` with the same switches, each value kept whole, the page argument, and `agentPort`
// as "--port N" when given. kx760mib gets the pass phrases in its environment, never on its
// command line.
ToolStart PlanToolStart(const QString& argument, const LaunchParameters& launch, int version,
                        const QString& programDir, std::optional<quint16> agentPort = std::nullopt);
// Starts it without waiting; false when it could not be started.
bool StartTool(const ToolStart& start);

// The directory of the running program's executable, with a trailing "/".
QString ProgramDir();
