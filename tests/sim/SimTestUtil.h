// Shared pieces of the kx760sim wire tests: how each protocol version and SNMPv3 user
// is spelled on a Net-SNMP tool's command line, and small parsers of tool output.
#pragma once

#include <memory>

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <regex>
#include <string>
#include <vector>

#include "tests/support/NetSnmpTool.h"
#include "tests/support/SimAgent.h"

namespace kxtest {

struct Credentials {
  std::string label;
  std::vector<std::string> read;   // options for get/walk
  std::vector<std::string> write;  // options for set
};

inline std::vector<std::string> v3(const std::string& user, const std::string& level,
                                   const std::string& auth = "", const std::string& priv = "") {
  std::vector<std::string> o{"-v3", "-u", user, "-l", level};
  if (!auth.empty()) o.insert(o.end(), {"-a", auth, "-A", "authpass123"});
  if (!priv.empty()) o.insert(o.end(), {"-x", priv, "-X", "privpass123"});
  return o;
}

inline Credentials v3User(const std::string& user, const std::string& auth,
                          const std::string& priv) {
  const std::string level = auth.empty()   ? "noAuthNoPriv"
                            : priv.empty() ? "authNoPriv"
                                           : "authPriv";
  auto o = v3(user, level, auth, priv);
  return {user, o, o};
}

// Every way in that the agent offers by default: v1, v2c and each built-in v3 user.
inline std::vector<Credentials> allCredentials() {
  return {
      {"v1", {"-v1", "-c", "public"}, {"-v1", "-c", "private"}},
      {"v2c", {"-v2c", "-c", "public"}, {"-v2c", "-c", "private"}},
      v3User("noauth", "", ""),
      v3User("md5nopriv", "MD5", ""),
      v3User("shanopriv", "SHA", ""),
      v3User("md5des", "MD5", "DES"),
      v3User("shades", "SHA", "DES"),
      v3User("md5aes", "MD5", "AES"),
      v3User("shaaes", "SHA", "AES"),
      v3User("sha224aes", "SHA-224", "AES"),
      v3User("sha256aes", "SHA-256", "AES"),
      v3User("sha384aes", "SHA-384", "AES"),
      v3User("sha512aes", "SHA-512", "AES"),
      v3User("sha256des", "SHA-256", "DES"),
      v3User("sha256aes192", "SHA-256", "AES-192"),
      v3User("sha256aes256", "SHA-256", "AES-256"),
      v3User("sha512aes256", "SHA-512", "AES-256"),
  };
}

// tool + options + timing (generous by default: the agent may run under sanitizers on a busy
// machine) + address + rest.
inline ToolResult tool(const std::string& name, const std::vector<std::string>& options,
                       const SimAgent& agent, const std::vector<std::string>& rest,
                       const std::vector<std::string>& timing = {"-t", "5", "-r", "2"}) {
  std::vector<std::string> argv{name};
  argv.insert(argv.end(), options.begin(), options.end());
  argv.insert(argv.end(), timing.begin(), timing.end());
  argv.push_back(agent.address());
  argv.insert(argv.end(), rest.begin(), rest.end());
  return runNetSnmpTool(argv);
}

inline const std::vector<std::string> kV2Read{"-v2c", "-c", "public"};
inline const std::vector<std::string> kV2Write{"-v2c", "-c", "private"};
inline const std::vector<std::string> kV1Write{"-v1", "-c", "private"};

// The octets of the first Hex-STRING (or STRING shown as hex) value in `out`.
inline std::vector<int> hexOctets(const std::string& out) {
  std::vector<int> octets;
  const auto at = out.find("Hex-STRING:");
  if (at == std::string::npos) return octets;
  std::string rest = out.substr(at + 11);
  // A value's continuation lines follow until the next ".OID = " line.
  if (const auto next = rest.find("\n."); next != std::string::npos) rest = rest.substr(0, next);
  static const std::regex pair("\\b[0-9A-F]{2}\\b");
  for (auto it = std::sregex_iterator(rest.begin(), rest.end(), pair); it != std::sregex_iterator();
       ++it)
    octets.push_back(std::stoi(it->str(), nullptr, 16));
  return octets;
}

inline bool exitedCleanly(int status) {
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// OIDs used across the tests.
inline const std::string kLed = "1.3.6.1.4.1.48213.11.63.2.2.1.1.5.0";
inline const std::string kModule1 = "1.3.6.1.4.1.48213.11.63.2.2.1.1.6.0";
inline const std::string kModule2 = "1.3.6.1.4.1.48213.11.63.2.2.1.1.7.0";
inline const std::string kRmonState = "1.3.6.1.4.1.48213.11.63.2.2.1.2.16.0";
inline const std::string kSysName = "1.3.6.1.2.1.1.5.0";
inline const std::string kVlanStatic = "1.3.6.1.2.1.17.7.1.4.3.1";
inline const std::string kVlanCurrent = "1.3.6.1.2.1.17.7.1.4.2.1";
inline const std::string kVlanNumDeletes = "1.3.6.1.2.1.17.7.1.4.1.0";
inline const std::string kPortVlan = "1.3.6.1.2.1.17.7.1.4.5.1";
inline const std::string kPortControl = "1.3.6.1.4.1.48213.11.63.2.2.2.2.1";
inline const std::string kUnicast = "1.3.6.1.2.1.17.7.1.3.1.1";
inline const std::string kMulticast = "1.3.6.1.2.1.17.7.1.3.2.1";
inline const std::string kFdb = "1.3.6.1.2.1.17.4.3.1";

// A suite fixture with one agent whose LEDs stand still, shared by the suite's tests.
class StillAgentSuite : public ::testing::Test {
 public:
  static void SetUpTestSuite() {
    agent_ = std::make_unique<SimAgent>();
    agent_->start({"--led-period", "0"});
  }
  static void TearDownTestSuite() {
    EXPECT_TRUE(exitedCleanly(agent_->stop())) << agent_->stderrText();
    agent_.reset();
  }
  static SimAgent& agent() { return *agent_; }
  // What snmpget prints after " = " for an object ("INTEGER: 3"), or its whole output.
  static std::string value(const std::string& oid) {
    auto r = tool("snmpget", kV2Read, *agent_, {oid});
    const auto eq = r.out.find(" = ");
    return eq == std::string::npos ? r.out : r.out.substr(eq + 3);
  }

 private:
  static inline std::unique_ptr<SimAgent> agent_;
};

}  // namespace kxtest
