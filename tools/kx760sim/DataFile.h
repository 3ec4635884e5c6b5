// Reads the simulator's data file (format in data/kx760.data's header) into a MibStore.
// MIB-II system objects are not stored: Net-SNMP's own system group serves them, so they
// come back as configuration lines for that module.
#pragma once

#include <string>
#include <vector>

#include "tools/kx760sim/MibStore.h"

namespace kx760sim {

class DataFile {
 public:
  // Loads `path` into `store`. On failure returns false with "FILE:LINE: reason" in `error`.
  static bool load(const std::string& path, MibStore& store, std::vector<std::string>& systemConfig,
                   std::string& error);
  // The same for text already in memory; `name` only labels messages.
  static bool parse(const std::string& text, const std::string& name, MibStore& store,
                    std::vector<std::string>& systemConfig, std::string& error);
};

}  // namespace kx760sim
