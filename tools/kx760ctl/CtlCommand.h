// A kx760ctl command (get, walk, set ...): takes its own arguments, talks to DeviceTarget through
// MvSNMPRequest and hands what it read to the output. Each command is a unit of its own and
// joins the table in CtlCommandTable.cpp.
#pragma once

#include <QStringList>
#include <memory>
#include <span>
#include <stdexcept>

class CtlOutput;

// A command line kx760ctl cannot run (unknown command, missing or malformed argument). It ends
// the program with the usage status, not with an SNMP error code.
class CtlUsageError : public std::runtime_error {
 public:
  explicit CtlUsageError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// A command that ends before its work is done on purpose (a row limit, a signal): the output so
// far is complete and closed, the message says why, and the program ends with `exitCode`.
class CtlStopped : public std::runtime_error {
 public:
  CtlStopped(const QString& message, int exitCode)
      : std::runtime_error(message.toStdString()), exitCode_(exitCode) {}
  int exitCode() const { return exitCode_; }

 private:
  int exitCode_;
};

// The output could not be written (a full disk, a closed pipe): nothing more is worth reading.
class CtlOutputError : public std::runtime_error {
 public:
  explicit CtlOutputError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// Set by SIGINT/SIGTERM; long commands stop between rows and close their output.
int ctlStopSignal();

// The exit status of a get that asked for an object the agent does not have (its row shows
// noSuchObject, noSuchInstance or noSuchName; the other rows are printed as usual).
inline constexpr int kCtlExitMissing = 4;

class CtlCommand {
 public:
  virtual ~CtlCommand() = default;
  // Runs with the arguments that follow the command's name. Throws CtlUsageError for bad
  // arguments (before anything is sent) and MvException for what the device or the engine reports;
  // what was read before an error has already gone to `out`.
  virtual void run(const QStringList& args, CtlOutput& out) = 0;
};

struct CtlCommandEntry {
  const char* name;
  const char* synopsis;  // one usage line, after the name
  std::unique_ptr<CtlCommand> (*make)();
  bool needsDevice = true;  // false: runs without the module's switches and without an agent
};

// Every command kx760ctl knows, in the order the usage text lists them.
std::span<const CtlCommandEntry> ctlCommands();
// The entry of that name, or nullptr.
const CtlCommandEntry* findCtlCommand(const QString& name);
