// kx760sim: a simulated KX-760 switch on a loopback UDP port, for demos and tests.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "DataFile.h"
#include "ForwardingTable.h"
#include "SimOptions.h"
#include "SnmpAgent.h"
#include "VlanMirror.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void onStopSignal(int) {
  stopRequested = 1;
}

void installStopHandlers() {
  struct sigaction action {};
  action.sa_handler = onStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no SA_RESTART: the agent's select() must return to see the flag
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

// The data file shipped with the program sits next to it; a build tree falls back to
// the source copy.
std::string defaultDataFile() {
  std::error_code ec;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    const auto beside = self.parent_path() / "kx760.data";
    if (std::filesystem::exists(beside, ec)) return beside.string();
  }
  return KX760SIM_DEFAULT_DATA;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace kx760sim;
  std::string error;
  const auto options = SimOptions::parse(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!options) {
    std::cerr << "kx760sim: " << error << "\n" << SimOptions::usage();
    return 2;
  }
  if (options->help) {
    std::cout << SimOptions::usage();
    return 0;
  }

  MibStore store;
  std::vector<std::string> systemConfig;
  const std::string dataFile = options->dataFile.empty() ? defaultDataFile() : options->dataFile;
  if (!DataFile::load(dataFile, store, systemConfig, error)) {
    std::cerr << "kx760sim: " << error << "\n";
    return 1;
  }
  if (options->fdbEntries) ForwardingTable::fill(store, *options->fdbEntries);
  VlanMirror::sync(store, 0, 0);

  installStopHandlers();
  int status = 0;
  {
    SnmpAgent agent(*options, store, std::move(systemConfig));
    if (!agent.start(error)) {
      std::cerr << "kx760sim: " << error << "\n";
      status = 1;
    } else {
      std::cout << "listening on udp:127.0.0.1:" << agent.port() << std::endl;
      agent.run(stopRequested);
    }
  }
  return status;
}
