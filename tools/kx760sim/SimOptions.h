// The simulator's command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/kx760sim/Oid.h"

namespace kx760sim {

// One SNMPv3 user. auth/priv use Net-SNMP's protocol names (MD5, SHA, SHA-256 ...; DES,
// AES, AES-192 ...); an empty protocol means that security level is not used.
struct UserDef {
  std::string name;
  std::string auth, authPass;
  std::string priv, privPass;
};

enum class FaultMode { NonIncreasing, WrongType, ShortOctets, Silent, KeepRows };

struct FaultDef {
  FaultMode mode;
  Oid subtree;
};

struct SimOptions {
  int port = 0;  // 0: any free port
  int agents = 1;  // switches served, on consecutive ports from `port`, each with its own data
  std::vector<std::string> dataFiles;  // loaded in order into one store; empty: the built-in ones
  std::string readCommunity = "public";
  std::string writeCommunity = "private";
  std::vector<UserDef> users;
  std::optional<int> fdbEntries;
  int delayMs = 0;
  double dropPercent = 0;
  std::vector<FaultDef> faults;
  std::optional<std::pair<int, int>> modules;
  int ledPeriodMs = 1000;  // 0 freezes the LEDs
  std::optional<unsigned> seed;
  bool variant = false;  // a second switch: kx760-variant.data loaded over the data files
  std::string logFile;  // one JSON line per request received; empty: no log
  bool help = false;
  bool version = false;

  // Parses argv; nullopt with a message in `error` on a bad command line.
  static std::optional<SimOptions> parse(const std::vector<std::string>& args, std::string& error);
  static std::string usage();
  // The users an agent gets when --user is not given.
  static std::vector<UserDef> defaultUsers();
};

// "none", "KM-6B", "moduleType-KM-5A", "3" ... to the module-type value, or nullopt.
std::optional<int> parseModuleType(std::string_view text);

}  // namespace kx760sim
