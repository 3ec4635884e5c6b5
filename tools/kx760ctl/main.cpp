// kx760ctl: the module's start-up, request engine and catalogue texts from a shell.
// Exit status: 0 success, 1 an error of the device or the engine (its code and catalogue text on
// stderr) or output that cannot be written, 2 a command line that cannot be run, 3 a walk ended at
// --max-rows, 4 a get of an object the agent does not have, 128 + the signal for SIGINT/SIGTERM
// (the output so far is closed first, within 100 ms whatever the program waits for).
// The communities and pass phrases may come from the environment (MvSecrets.h); those given on the
// command line are overwritten in argv as soon as read, and the process writes no core file.
#include <QCoreApplication>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>

#include <pthread.h>
#include <unistd.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "tools/kx760ctl/CtlCommand.h"
#include "tools/kx760ctl/CtlCommandLine.h"
#include "tools/kx760ctl/CtlOutput.h"
#include "tools/kx760ctl/FleetCommand.h"
#include "generated/KxVersion.h"
#include "mvsnmp/MvDeviceParams.h"
#include "mvsnmp/MvError.h"
#include "mvsnmp/MvSecrets.h"
#include "mvsnmp/MvSnmpSession.h"
#include "mvsnmp/MvStartup.h"

namespace {

constexpr int kExitError = 1;
constexpr int kExitUsage = 2;

std::atomic<int> stopSignal = 0;
std::atomic<bool> ended = false;

// How long a signalled program may take to end by itself (between two rows of a walk, with a
// message that says how far it got) before it is ended from outside.
constexpr auto kStopGrace = std::chrono::milliseconds(25);

// SIGINT and SIGTERM are blocked in every thread and taken here, so the program ends at once
// whatever it waits for (an answer of a silent agent, an engine discovery inside the library):
// the stop flag tells long commands to end between rows; if the program has not ended after
// kStopGrace, its output is closed (a JSON list with its "]") and it ends with 128 + the signal.
void watchStopSignals(sigset_t stopSignals) {
  std::thread([stopSignals] {
    int sig = 0;
    if (sigwait(&stopSignals, &sig) != 0) return;
    stopSignal = sig;
    std::this_thread::sleep_for(kStopGrace);
    if (ended) return;
    CtlOutput::closeForExit();
    std::fprintf(stderr, "kx760ctl: stopped by signal %d\n", sig);
    std::fflush(stderr);
    _exit(128 + sig);
  }).detach();
}

void printError(const QString& text) {
  std::fprintf(stderr, "kx760ctl: %s\n", text.toLocal8Bit().constData());
}

int usageError(const QString& text) {
  printError(text);
  std::fputs(CtlCommandLine::usage().toLocal8Bit().constData(), stderr);
  return kExitUsage;
}

// The output closed; whether all of it was written.
int finished(CtlOutput& out) {
  out.finish();
  if (!out.failed()) return 0;
  printError(QStringLiteral("cannot write the output"));
  return kExitError;
}

int run(const QStringList& args, const MvEnvironmentSecrets& fromEnvironment) {
  const CtlCommandLine line = CtlCommandLine::parse(args);
  if (line.version) {
    printKxVersion("kx760ctl");
    return 0;
  }
  if (line.help) {
    std::fputs(CtlCommandLine::usage().toLocal8Bit().constData(), stdout);
    return 0;
  }
  if (line.command.isEmpty()) return usageError(QStringLiteral("no command"));
  const CtlCommandEntry* entry = findCtlCommand(line.command);
  if (!entry) return usageError(QStringLiteral("unknown command \"%1\"").arg(line.command));
  if (!line.hostsFile.isEmpty()) return runFleet(line, fromEnvironment);
  std::unique_ptr<CtlCommand> command = entry->make();
  CtlOutput out(line.json, stdout);
  out.maxRows = line.maxRows;
  if (!entry->needsDevice) {
    command->run(line.commandArgs, out);
    return finished(out);
  }

  initSnmpSession(QString(), MvBootCount::BeforeFirstSnmpV3);
  // Net-SNMP's options give the whole device: start-up then reads no profile, only the registry's
  // directories and catalogues, and the options fill what the switches would. They are checked
  // before start-up touches anything, with the secrets the environment gave at start.
  const bool snmpOptions = line.snmpOptions.given();
  MvDeviceParams device = DeviceTarget;
  LaunchParameters launch;
  if (snmpOptions) line.snmpOptions.applyTo(device, launch, fromEnvironment);
  MvStartupResult startup = runStartup(snmpOptions ? QStringList() : line.moduleSwitches);
  if (snmpOptions) {
    DeviceTarget = device;
    startup.launch = launch;
  } else {
    fromEnvironment.applyTo(startup);
  }
  if (!snmpOptions && startup.noParameters) {
    printError(QString::fromLatin1(NoParameterInputText));
    return kExitUsage;
  }
  if (line.port) DeviceTarget.agentPort = *line.port;
  if (line.maxRepetitions) DeviceTarget.maxRepetitions = *line.maxRepetitions;
  command->run(line.commandArgs, out);
  return finished(out);
}

}  // namespace

int ctlStopSignal() { return stopSignal; }

int main(int argc, char* argv[]) {
#if defined(__GLIBC__)
  // A walk allocates and frees small blocks by the hundred thousand; without a margin at the top
  // of the heap glibc gives memory back and asks for it again all the time (a third of a fast
  // walk's time). The heap still stays flat.
  mallopt(M_TOP_PAD, 8 << 20);
  mallopt(M_TRIM_THRESHOLD, 64 << 20);
#endif
  protectFromCoreDumps();
  const MvEnvironmentSecrets fromEnvironment = MvEnvironmentSecrets::take();
  MvArguments arguments(argc, argv);
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);  // before any thread exists: all inherit it
  watchStopSignals(stopSignals);
  QCoreApplication app(argc, argv);
  const int status = [&] {
    try {
      return run(arguments.take(argc, argv), fromEnvironment);
    } catch (const CtlStopped& e) {
      printError(QString::fromStdString(e.what()));
      return e.exitCode();
    } catch (const CtlOutputError& e) {
      printError(QString::fromStdString(e.what()));
      return kExitError;
    } catch (const CtlUsageError& e) {
      return usageError(QString::fromStdString(e.what()));
    } catch (const MvException& e) {
      // An error that a signal caused (a wait cut short) ends as the signal says.
      if (const int sig = stopSignal) return 128 + sig;
      printError(QStringLiteral("error %1: %2").arg(e.code()).arg(e.message()));
      return kExitError;
    }
  }();
  ended = true;
  return status;
}
