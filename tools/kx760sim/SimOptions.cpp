#include "tools/kx760sim/SimOptions.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace kx760sim {

namespace {

template <typename T>
bool number(std::string_view text, T& out) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return !text.empty() && ec == std::errc() && end == text.data() + text.size();
}

std::string lower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return std::tolower(c); });
  return out;
}

std::vector<std::string> split(const std::string& s, char sep) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    const auto at = s.find(sep, start);
    parts.push_back(s.substr(start, at - start));
    if (at == std::string::npos) return parts;
    start = at + 1;
  }
}

}  // namespace

std::optional<int> parseModuleType(std::string_view text) {
  std::string name = lower(text);
  if (name.starts_with("moduletype-")) name.erase(0, 11);
  static const char* const names[] = {"none", "km-6b", "km-5a", "km-6a", "comba"};
  for (int i = 0; i < 5; ++i)
    if (name == names[i]) return i;
  int value = 0;
  if (number(name, value) && value >= 0 && value <= 4) return value;
  return std::nullopt;
}

std::vector<UserDef> SimOptions::defaultUsers() {
  const std::string a = "authpass123", p = "privpass123";
  return {
      {"noauth", "", "", "", ""},
      {"md5nopriv", "MD5", a, "", ""},
      {"shanopriv", "SHA", a, "", ""},
      {"md5des", "MD5", a, "DES", p},
      {"shades", "SHA", a, "DES", p},
      {"md5aes", "MD5", a, "AES", p},
      {"shaaes", "SHA", a, "AES", p},
      {"sha224aes", "SHA-224", a, "AES", p},
      {"sha256aes", "SHA-256", a, "AES", p},
      {"sha384aes", "SHA-384", a, "AES", p},
      {"sha512aes", "SHA-512", a, "AES", p},
      {"sha256des", "SHA-256", a, "DES", p},
      {"sha256aes192", "SHA-256", a, "AES-192", p},
      {"sha256aes256", "SHA-256", a, "AES-256", p},
      {"sha512aes256", "SHA-512", a, "AES-256", p},
  };
}

std::string SimOptions::usage() {
  return "usage: kx760sim [options]\n"
         "  --port N                UDP port on 127.0.0.1 (default: a free port)\n"
         "  --agents N              N independent switches on consecutive ports (default 1)\n"
         "  --data FILE             data file; repeat to load several into one tree (default:\n"
         "                          kx760.data and kx760-catalogue.data next to the program)\n"
         "  --variant               a second switch whose settings differ: kx760-variant.data\n"
         "                          loaded over the data files\n"
         "  --read-community S      v1/v2c read community (default public)\n"
         "  --write-community S     v1/v2c write community (default private)\n"
         "  --user NAME[:AUTH:AUTHPASS[:PRIV:PRIVPASS]]\n"
         "                          an SNMPv3 read-write user; repeat for more. Replaces the\n"
         "                          built-in users. AUTH: MD5 SHA SHA-224 SHA-256 SHA-384 "
         "SHA-512;\n"
         "                          PRIV: DES AES AES-192 AES-256\n"
         "  --fdb-entries N         replace the forwarding table by N learned addresses\n"
         "  --delay MS              answer every request MS milliseconds late\n"
         "  --log FILE              one JSON line per request received (varbinds, octets in hex)\n"
         "  --drop PERCENT          drop that share of requests unanswered\n"
         "  --fault MODE[:SUBTREE]  misbehave under SUBTREE (default everything); repeatable.\n"
         "                          MODE: nonincreasing wrongtype shortoctets silent keeprows\n"
         "  --modules A,B           module types of slots 1 and 2: none KM-6B KM-5A KM-6A COMBA or "
         "0-4\n"
         "  --led-period MS         how often the front-panel LEDs change (default 1000, 0 = "
         "never)\n"
         "  --seed N                seed of the --drop choice (default: random)\n"
         "  --help\n"
         "  --version\n";
}

std::optional<SimOptions> SimOptions::parse(const std::vector<std::string>& args,
                                            std::string& error) {
  SimOptions o;
  bool usersGiven = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      o.help = true;
      continue;
    }
    if (arg == "--variant") {
      o.variant = true;
      continue;
    }
    if (arg == "--version") {
      o.version = true;
      continue;
    }
    if (i + 1 >= args.size()) {
      error = arg.starts_with("--") ? arg + " needs a value" : "unknown argument " + arg;
      return std::nullopt;
    }
    const std::string& value = args[++i];
    auto bad = [&] {
      error = "bad value for " + arg + ": " + value;
      return std::nullopt;
    };
    if (arg == "--port") {
      if (!number(value, o.port) || o.port < 0 || o.port > 65535) return bad();
    } else if (arg == "--agents") {
      if (!number(value, o.agents) || o.agents < 1 || o.agents > 4096) return bad();
    } else if (arg == "--data") {
      o.dataFiles.push_back(value);
    } else if (arg == "--read-community") {
      o.readCommunity = value;
    } else if (arg == "--write-community") {
      o.writeCommunity = value;
    } else if (arg == "--user") {
      const auto parts = split(value, ':');
      if (parts[0].empty() || (parts.size() != 1 && parts.size() != 3 && parts.size() != 5))
        return bad();
      UserDef u{parts[0], "", "", "", ""};
      if (parts.size() >= 3) {
        u.auth = parts[1];
        u.authPass = parts[2];
      }
      if (parts.size() == 5) {
        u.priv = parts[3];
        u.privPass = parts[4];
      }
      // Net-SNMP refuses pass phrases shorter than 8 characters.
      if ((!u.auth.empty() && u.authPass.size() < 8) || (!u.priv.empty() && u.privPass.size() < 8))
        return bad();
      o.users.push_back(u);
      usersGiven = true;
    } else if (arg == "--fdb-entries") {
      int n = 0;
      if (!number(value, n) || n < 0 || n > 16777215) return bad();
      o.fdbEntries = n;
    } else if (arg == "--log") {
      if (value.empty()) return bad();
      o.logFile = value;
    } else if (arg == "--delay") {
      if (!number(value, o.delayMs) || o.delayMs < 0) return bad();
    } else if (arg == "--drop") {
      if (!number(value, o.dropPercent) || o.dropPercent < 0 || o.dropPercent > 100) return bad();
    } else if (arg == "--fault") {
      const auto colon = value.find(':');
      const std::string mode = value.substr(0, colon);
      FaultDef f{FaultMode::Silent, {1, 3, 6, 1}};
      if (mode == "nonincreasing")
        f.mode = FaultMode::NonIncreasing;
      else if (mode == "wrongtype")
        f.mode = FaultMode::WrongType;
      else if (mode == "shortoctets")
        f.mode = FaultMode::ShortOctets;
      else if (mode == "silent")
        f.mode = FaultMode::Silent;
      else if (mode == "keeprows")
        f.mode = FaultMode::KeepRows;
      else
        return bad();
      if (colon != std::string::npos) {
        const auto subtree = parseOid(value.substr(colon + 1));
        if (!subtree) return bad();
        f.subtree = *subtree;
      }
      o.faults.push_back(f);
    } else if (arg == "--modules") {
      const auto parts = split(value, ',');
      if (parts.size() != 2) return bad();
      const auto a = parseModuleType(parts[0]), b = parseModuleType(parts[1]);
      if (!a || !b) return bad();
      o.modules = std::pair(*a, *b);
    } else if (arg == "--led-period") {
      if (!number(value, o.ledPeriodMs) || o.ledPeriodMs < 0) return bad();
    } else if (arg == "--seed") {
      unsigned seed = 0;
      if (!number(value, seed)) return bad();
      o.seed = seed;
    } else {
      error = "unknown option " + arg;
      return std::nullopt;
    }
  }
  if (!usersGiven) o.users = defaultUsers();
  return o;
}

}  // namespace kx760sim
