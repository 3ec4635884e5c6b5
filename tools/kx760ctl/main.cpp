// kx760ctl: the module's start-up, request engine and catalogue texts from a shell.
// Exit status: 0 success, 1 an error of the device or the engine (its code and catalogue text on
// stderr), 2 a command line that cannot be run.
#include <QCoreApplication>
#include <cstdio>

#include "CtlCommand.h"
#include "CtlCommandLine.h"
#include "CtlOutput.h"
#include "MvDeviceParams.h"
#include "MvError.h"
#include "MvSnmpSession.h"
#include "MvStartup.h"

namespace {

constexpr int kExitError = 1;
constexpr int kExitUsage = 2;

void printError(const QString& text) {
  std::fprintf(stderr, "kx760ctl: %s\n", text.toLocal8Bit().constData());
}

int usageError(const QString& text) {
  printError(text);
  std::fputs(CtlCommandLine::usage().toLocal8Bit().constData(), stderr);
  return kExitUsage;
}

int run(const QStringList& args) {
  const CtlCommandLine line = CtlCommandLine::parse(args);
  if (line.help) {
    std::fputs(CtlCommandLine::usage().toLocal8Bit().constData(), stdout);
    return 0;
  }
  if (line.command.isEmpty()) return usageError(QStringLiteral("no command"));
  const CtlCommandEntry* entry = findCtlCommand(line.command);
  if (!entry) return usageError(QStringLiteral("unknown command \"%1\"").arg(line.command));
  std::unique_ptr<CtlCommand> command = entry->make();
  CtlOutput out(line.json, stdout);
  if (!entry->needsDevice) {
    command->run(line.commandArgs, out);
    return 0;
  }

  initSnmpSession();
  const MvStartupResult startup = runStartup(line.moduleSwitches);
  if (startup.noParameters) {
    printError(QString::fromLatin1(NoParameterInputText));
    return kExitUsage;
  }
  if (line.port) DeviceTarget.agentPort = *line.port;
  command->run(line.commandArgs, out);
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  try {
    return run(app.arguments().mid(1));
  } catch (const CtlUsageError& e) {
    return usageError(QString::fromStdString(e.what()));
  } catch (const MvException& e) {
    printError(QStringLiteral("error %1: %2").arg(e.code()).arg(e.message()));
    return kExitError;
  }
}
