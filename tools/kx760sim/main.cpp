// kx760sim: simulated KX-760 switches on loopback UDP ports, for demos and tests.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>

#include "tools/kx760sim/DataFile.h"
#include "tools/kx760sim/ForwardingTable.h"
#include "generated/KxVersion.h"
#include "tools/kx760sim/SimOptions.h"
#include "tools/kx760sim/SnmpAgent.h"
#include "tools/kx760sim/VlanMirror.h"

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

// A data file shipped with the program sits next to it (a copied bin/ directory), or in the
// data directory of an installation (bin/../share/kx760-manager); a build tree falls back to the
// copy the build made or the source file.
std::string besideOrDefault(const char* name, const std::string& fallback) {
  std::error_code ec;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    for (const auto& dir : {self.parent_path(), self.parent_path().parent_path() / "share" / "kx760-manager"}) {
      const auto candidate = dir / name;
      if (std::filesystem::exists(candidate, ec)) return candidate.string();
    }
  }
  return fallback;
}

// The hand-written objects, then the objects generated from the program's catalogue (those the
// hand-written file already has are left out of it when it is generated).
std::vector<std::string> defaultDataFiles() {
  std::vector<std::string> files{besideOrDefault("kx760.data", KX760SIM_DEFAULT_DATA)};
#ifdef KX760SIM_CATALOGUE_DATA
  files.push_back(besideOrDefault("kx760-catalogue.data", KX760SIM_CATALOGUE_DATA));
#endif
  return files;
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
  if (options->version) {
    printKxVersion("kx760sim");
    return 0;
  }

  MibStore store;
  std::vector<std::string> systemConfig;
  const auto dataFiles = options->dataFiles.empty() ? defaultDataFiles() : options->dataFiles;
  for (const std::string& dataFile : dataFiles) {
    if (!DataFile::load(dataFile, store, systemConfig, error)) {
      std::cerr << "kx760sim: " << error << "\n";
      return 1;
    }
  }
  if (options->variant &&
      !DataFile::load(besideOrDefault("kx760-variant.data", KX760SIM_VARIANT_DATA), store, systemConfig, error)) {
    std::cerr << "kx760sim: " << error << "\n";
    return 1;
  }
  if (options->fdbEntries) ForwardingTable::fill(store, *options->fdbEntries);
  VlanMirror::sync(store, 0, 0);

  // Each further switch starts as a copy of the first and lives its own life from then on.
  std::vector<std::unique_ptr<MibStore>> copies;
  std::vector<MibStore*> stores{&store};
  for (int i = 1; i < options->agents; ++i) {
    copies.push_back(std::make_unique<MibStore>(store));
    stores.push_back(copies.back().get());
  }

  installStopHandlers();
  int status = 0;
  {
    SnmpAgent agent(*options, stores, std::move(systemConfig));
    if (!agent.start(error)) {
      std::cerr << "kx760sim: " << error << "\n";
      status = 1;
    } else {
      for (int port : agent.ports()) std::cout << "listening on udp:127.0.0.1:" << port << "\n";
      std::cout.flush();
      agent.run(stopRequested);
    }
  }
  return status;
}
