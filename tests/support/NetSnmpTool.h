// Runs one of Debian's Net-SNMP command-line tools (snmpget, snmpwalk, snmpbulkwalk,
// snmpset ...) with numeric output and no MIB loading, and collects what it printed.
#pragma once

#include <string>
#include <vector>

namespace kxtest {

struct ToolResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// argv[0] is looked up in PATH. MIBS and MIBDIRS are emptied for the tool, and -On is
// added after the tool name so OIDs print in dotted decimal.
ToolResult runNetSnmpTool(const std::vector<std::string>& argv);

// The non-empty lines of `text`.
std::vector<std::string> lines(const std::string& text);

}  // namespace kxtest
