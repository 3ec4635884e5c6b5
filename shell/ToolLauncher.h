// The sibling-tool launcher: the standard-MIB pages are shown by separate tools of the host
// application that lie next to this program; each gets the device parameters in the module's
// own switch language followed by the page argument ("/TMIB_Info").
#pragma once

#include <QString>
#include <QStringList>

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

// The directory of the running program's executable, with a trailing "/".
QString ProgramDir();
