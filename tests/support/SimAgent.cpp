#include "tests/support/SimAgent.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace kxtest {

namespace {

using Clock = std::chrono::steady_clock;

int msLeft(Clock::time_point deadline) {
  const auto left =
      std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

}  // namespace

SimAgent::~SimAgent() {
  stop();
  if (!stderrPath_.empty()) unlink(stderrPath_.c_str());
}

std::string SimAgent::binaryPath() {
  if (const char* env = std::getenv("KX760SIM"); env && *env) return env;
  return KX760SIM_PATH;
}

std::string SimAgent::address() const {
  return "udp:127.0.0.1:" + std::to_string(port_);
}

std::string SimAgent::stderrText() const {
  std::ifstream in(stderrPath_);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void SimAgent::start(const std::vector<std::string>& args, int timeoutMs) {
  if (running()) throw std::runtime_error("kx760sim already running");

  char errTemplate[] = "/tmp/kx760sim-test-stderr-XXXXXX";
  const int errFd = mkstemp(errTemplate);
  if (errFd < 0) throw std::runtime_error("cannot create a stderr file");
  if (!stderrPath_.empty()) unlink(stderrPath_.c_str());
  stderrPath_ = errTemplate;

  int out[2];
  if (pipe2(out, O_CLOEXEC) != 0) {
    close(errFd);
    throw std::runtime_error("pipe failed");
  }

  // argv is built before fork: between fork and exec only async-signal-safe calls.
  const std::string binary = binary_.empty() ? binaryPath() : binary_;
  std::vector<std::string> argvStrings{binary};
  argvStrings.insert(argvStrings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& s : argvStrings) argv.push_back(s.data());
  argv.push_back(nullptr);
  const pid_t parent = getpid();

  const pid_t pid = fork();
  if (pid < 0) {
    close(out[0]);
    close(out[1]);
    close(errFd);
    throw std::runtime_error("fork failed");
  }
  if (pid == 0) {
    // The agent goes with the test process, even when that one is killed outright.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent) _exit(127);
    dup2(out[1], STDOUT_FILENO);
    dup2(errFd, STDERR_FILENO);
    execv(binary.c_str(), argv.data());
    _exit(127);
  }
  close(out[1]);
  close(errFd);
  pid_ = pid;
  stdoutFd_ = out[0];

  const std::string marker = "listening on udp:127.0.0.1:";
  std::string seen;
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  while (true) {
    if (const auto at = seen.find(marker);
        at != std::string::npos && seen.find('\n', at) != std::string::npos) {
      port_ = std::atoi(seen.c_str() + at + marker.size());
      return;
    }
    pollfd p{stdoutFd_, POLLIN, 0};
    const int ready = poll(&p, 1, msLeft(deadline));
    if (ready < 0 && errno == EINTR) continue;
    char buffer[256];
    const ssize_t n = ready > 0 ? read(stdoutFd_, buffer, sizeof buffer) : 0;
    if (n > 0) {
      seen.append(buffer, static_cast<size_t>(n));
      continue;
    }
    // End of output or time-out: the agent did not come up.
    const int status = stop(2000);
    throw std::runtime_error(
        binary + " did not start (" +
        (ready == 0 ? std::string("timed out") : "exit status " + std::to_string(status)) +
        "): " + seen + stderrText());
  }
}

int SimAgent::stop(int graceMs) {
  if (!running()) return -1;
  kill(pid_, SIGTERM);
  int status = -1;
  const auto deadline = Clock::now() + std::chrono::milliseconds(graceMs);
  while (true) {
    const pid_t done = waitpid(pid_, &status, WNOHANG);
    if (done == pid_ || (done < 0 && errno != EINTR)) break;
    if (msLeft(deadline) == 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  pid_ = -1;
  port_ = 0;
  if (stdoutFd_ >= 0) {
    close(stdoutFd_);
    stdoutFd_ = -1;
  }
  return status;
}

std::unique_ptr<SimAgent> startHostileAgent(const std::string& mode,
                                            const std::vector<std::string>& extra) {
  auto agent = std::make_unique<SimAgent>(KX_HOSTILE_AGENT_PATH);
  std::vector<std::string> args{"--mode", mode};
  args.insert(args.end(), extra.begin(), extra.end());
  agent->start(args, 10000);
  return agent;
}

}  // namespace kxtest
