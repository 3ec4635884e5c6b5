// Test fixture helper: runs kx760sim as a separate process on a free loopback port and
// stops it by PID. The destructor stops it too, so a failing test never leaves one behind.
#pragma once

#include <sys/types.h>

#include <memory>
#include <string>
#include <vector>

namespace kxtest {

class SimAgent {
 public:
  SimAgent() = default;
  // Another agent program that prints the same "listening on" line (the hostile responder).
  explicit SimAgent(std::string binary) : binary_(std::move(binary)) {}
  ~SimAgent();
  SimAgent(const SimAgent&) = delete;
  SimAgent& operator=(const SimAgent&) = delete;

  // Starts kx760sim with `args` (its own options, e.g. {"--fdb-entries", "10000"}) and
  // waits for its "listening on" line. Throws std::runtime_error, with the agent's stderr,
  // if it exits or stays silent for `timeoutMs`.
  void start(const std::vector<std::string>& args = {}, int timeoutMs = 30000);

  // Sends SIGTERM and waits (SIGKILL after `graceMs`). Returns the exit status as
  // waitpid reports it, or -1 if nothing was running. Safe to call twice.
  int stop(int graceMs = 10000);

  bool running() const { return pid_ > 0; }
  pid_t pid() const { return pid_; }
  int port() const { return port_; }
  std::string address() const;     // "udp:127.0.0.1:PORT", as the Net-SNMP tools take it
  std::string stderrText() const;  // what the agent wrote to stderr (kept until destruction)

  // $KX760SIM if set, else the kx760sim of this build tree.
  static std::string binaryPath();

 private:
  std::string binary_;  // empty: binaryPath()
  pid_t pid_ = -1;
  int port_ = 0;
  int stdoutFd_ = -1;
  std::string stderrPath_;
};

// kx_hostile_agent (tests/support/HostileResponder.cpp) started with --mode MODE and `extra`.
std::unique_ptr<SimAgent> startHostileAgent(const std::string& mode,
                                            const std::vector<std::string>& extra = {});

}  // namespace kxtest
