// The session's secrets (the communities and the SNMPv3 pass phrases) kept out of what other local
// users or a crash can read: the process's command line, its environment, core files. kx760,
// kx760ctl and kx760mib share the variables named here.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <optional>
#include <vector>

struct MvStartupResult;

// The environment variables the programs read.
namespace MvSecretEnv {
inline constexpr char ReadCommunity[] = "KX760_READ_COMMUNITY";
inline constexpr char WriteCommunity[] = "KX760_WRITE_COMMUNITY";
inline constexpr char AuthPass[] = "KX760_AUTH_PASS";
inline constexpr char PrivPass[] = "KX760_PRIV_PASS";
// Set (to anything but empty or "0"): the program may write a core file, for debugging.
inline constexpr char AllowCore[] = "KX760_ALLOW_CORE";
}  // namespace MvSecretEnv

// Overwrites the bytes with zeros in a way the compiler keeps.
void wipeBytes(void* data, std::size_t size);
// Overwrites the text's storage, then empties it. A copy that shares the storage keeps its value
// (its own storage is wiped when it goes).
void wipe(QByteArray& bytes);
void wipe(QString& text);
void wipe(QStringList& texts);

// Bytes that are overwritten when they go (a session handed to a tool, a pass phrase read once).
class MvSecretBytes {
 public:
  MvSecretBytes() = default;
  explicit MvSecretBytes(QByteArray bytes) : bytes_(std::move(bytes)) {}
  MvSecretBytes(const MvSecretBytes&) = default;
  MvSecretBytes& operator=(const MvSecretBytes& other) {
    if (this != &other) {
      wipe(bytes_);
      bytes_ = other.bytes_;
    }
    return *this;
  }
  ~MvSecretBytes() { wipe(bytes_); }
  const QByteArray& bytes() const { return bytes_; }
  bool isEmpty() const { return bytes_.isEmpty(); }
  bool operator==(const MvSecretBytes&) const = default;

 private:
  QByteArray bytes_;
};

// Turns core files off for this process (core-file limit 0, and not dumpable, so that a core
// handler behind a pipe gets nothing either) unless KX760_ALLOW_CORE is set. Call first in main().
// Returns whether core files are now off.
bool protectFromCoreDumps();

// The program's arguments, remembered before the values of the secret switches are overwritten in
// argv (what `ps` and /proc/PID/cmdline show). A secret switch is "/R", "/W", "/A" or "/P" as
// start-up matches a parameter; everything after it in that parameter is overwritten with zeros.
// Construct it before the application object.
class MvArguments {
 public:
  MvArguments(int argc, char** argv);
  ~MvArguments();
  MvArguments(const MvArguments&) = delete;
  MvArguments& operator=(const MvArguments&) = delete;

  // The parameters (program name excluded) that argv holds now, with their texts as they were
  // before the overwrite: the application object may have taken its own options out of argv.
  // The remembered texts are wiped: call it once.
  QStringList take(int argc, char** argv);

  // Overwrites the secret switches' values in one argument; true when it held one.
  static bool scrub(char* argument);

 private:
  std::vector<const char*> pointers_;
  QStringList texts_;
};

// The secrets of the environment variables above, taken at start: read, then overwritten in the
// process's environment block (/proc/PID/environ) and removed, so programs started later do not
// inherit them.
struct MvEnvironmentSecrets {
  std::optional<QByteArray> readCommunity;
  std::optional<QByteArray> writeCommunity;
  std::optional<QByteArray> authPass;
  std::optional<QByteArray> privPass;

  static MvEnvironmentSecrets take();
  ~MvEnvironmentSecrets();

  // Fills DeviceTarget and the launch parameters with what the command line and the profile did
  // not give: a community when no switch gave one (a variable set to empty gives the empty
  // community), a pass phrase when none was given (an empty variable gives none).
  void applyTo(MvStartupResult& result) const;
};
