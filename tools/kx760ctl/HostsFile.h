// The device list of kx760ctl --hosts: one device a line, written as kx760ctl's command line
// names one device and read by the same parsers: the agent (ADDRESS, ADDRESS:PORT, [IPv6]:PORT,
// udp:HOST:PORT) with either the module's switches (/v1 /Rpublic ...; the profile <ADDRESS>.cfg
// is read as after /I) or Net-SNMP's options (-v 2c, -v 3 -u USER -l authPriv -a SHA -x AES ...),
// in any order. A line of the address alone is the device its profile describes. Blank lines and
// everything from a word that begins with "#" are ignored. Secrets may stand in the file but never
// need to: the environment and the profiles give them.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "tools/kx760ctl/CtlSnmpOptions.h"

struct HostEntry {
  QString device;              // the agent as written: how the output names the device
  QString host;                // the agent's address, without transport and port
  std::optional<quint16> port; // the agent's port, when the line gives one
  QStringList moduleSwitches;  // the line's own "/" switches
  CtlSnmpOptions snmpOptions;  // the line's own Net-SNMP options, without the agent
  int line = 0;

  // "FILE, line N: " for messages about this line.
  QString where(const QString& fileName) const;
};

// Throws CtlUsageError naming the file and line of the first fault.
std::vector<HostEntry> parseHostsText(const QString& text, const QString& fileName);
std::vector<HostEntry> readHostsFile(const QString& fileName);
