#include "tests/support/NetSnmpTool.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace kxtest {

namespace {

std::string slurp(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

ToolResult runNetSnmpTool(const std::vector<std::string>& args) {
  if (args.empty()) throw std::invalid_argument("no tool given");
  std::vector<std::string> full{args[0], "-On"};
  full.insert(full.end(), args.begin() + 1, args.end());
  std::vector<char*> argv;
  for (auto& s : full) argv.push_back(s.data());
  argv.push_back(nullptr);
  // The environment is prepared before fork: the child only execs.
  std::vector<std::string> envStrings{"MIBS=", "MIBDIRS="};
  for (char** e = environ; *e; ++e)
    if (std::strncmp(*e, "MIBS=", 5) != 0 && std::strncmp(*e, "MIBDIRS=", 8) != 0)
      envStrings.emplace_back(*e);
  std::vector<char*> envp;
  for (auto& s : envStrings) envp.push_back(s.data());
  envp.push_back(nullptr);

  // Files rather than pipes: a walk of 30,000 lines must not block on a full pipe.
  char outName[] = "/tmp/kx-tool-out-XXXXXX", errName[] = "/tmp/kx-tool-err-XXXXXX";
  const int outFd = mkstemp(outName), errFd = mkstemp(errName);
  if (outFd < 0 || errFd < 0) throw std::runtime_error("cannot create output files");

  const pid_t pid = fork();
  if (pid == 0) {
    dup2(outFd, STDOUT_FILENO);
    dup2(errFd, STDERR_FILENO);
    execvpe(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  close(outFd);
  close(errFd);
  ToolResult result;
  int status = 0;
  if (pid > 0 && waitpid(pid, &status, 0) == pid)
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = slurp(outName);
  result.err = slurp(errName);
  unlink(outName);
  unlink(errName);
  return result;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line))
    if (!line.empty()) result.push_back(line);
  return result;
}

}  // namespace kxtest
