// kx760ctl's command line: the module's own switches (arguments that begin with "/", handed to
// start-up as the host application would pass them) or else the options of Net-SNMP's tools and
// the agent (CtlSnmpOptions), kx760ctl's options, then a command and its arguments.
#pragma once

#include <QStringList>
#include <optional>

#include "tools/kx760ctl/CtlSnmpOptions.h"

struct CtlCommandLine {
  QStringList moduleSwitches;        // "/I10.0.0.5", "/Rpublic" ...
  CtlSnmpOptions snmpOptions;        // "-v", "2c", "-c", "public", "10.0.0.5:161" ...
  std::optional<quint16> port;       // --port N: overrides the agent port after start-up
  bool json = false;                 // --json
  std::optional<int> maxRepetitions; // --max-repetitions N: overrides the profile's
  std::optional<qint64> maxRows;     // --max-rows N
  bool help = false;                 // --help
  bool version = false;              // --version
  QString hostsFile;                 // --hosts FILE: the command over every device in FILE
  std::optional<int> parallel;       // --parallel N: devices asked at once with --hosts
  bool ordered = false;              // --ordered: --hosts output in the file's order
  QString command;
  QStringList commandArgs;

  // Options and switches stand before the command word ("--" ends them); everything after the
  // command's name belongs to it, options too. Throws CtlUsageError.
  static CtlCommandLine parse(const QStringList& args);
  static QString usage();
};
