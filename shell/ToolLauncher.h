// The sibling-tool launcher: the standard-MIB pages are shown by separate tools that lie next to
// this program; each gets the device parameters in the module's own switch language followed by
// the page argument ("/TMIB_Info"). A host that ships its own tool ("MIB.EXE") keeps it; without
// one, this program's kx760mib shows the page, with the whole session handed over through a pipe.
#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include "mvsnmp/MvDeviceParams.h"
#include "mvsnmp/MvSecrets.h"
#include "mvsnmp/MvStartup.h"

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
  // kx760mib's session (MvSessionHandover), read from a pipe it inherits; empty for a host tool.
  MvSecretBytes session;
  bool hostTool = false;  // the host's own <Tool>.EXE
};

// The host's tool when `programDir` holds it, started exactly as composed from `launch` and the
// session's version; otherwise kx760mib from `programDir` with the page argument alone on its
// command line and `session` (version, address, port, communities, user, levels, protocols,
// context, pass phrases) handed over whole.
ToolStart PlanToolStart(const QString& argument, const LaunchParameters& launch, const MvDeviceParams& session,
                        const QString& programDir);
// Starts it without waiting (kx760mib with "--session-fd N" added, N the read end of a pipe that
// holds the session); false when it could not be started.
bool StartTool(const ToolStart& start);

// The directory of the running program's executable, with a trailing "/".
QString ProgramDir();
