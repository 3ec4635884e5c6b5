// The device list of kx760ctl --hosts: one device a line, "ADDRESS[:PORT] [/SWITCH...]", the
// switches being the module's own as on kx760ctl's command line (/R /W /v /n /l /a /p ...), the
// profile <ADDRESS>.cfg read as there. Blank lines and everything from a "#" that begins a word
// are ignored. Secrets may stand in the file but never need to: the environment and the profiles
// give them.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct HostEntry {
  QString device;       // the first word as written: how the device is named in the output
  QString address;      // without the port
  std::optional<quint16> port;
  QStringList switches; // "/I<address>" first, then the line's own
  int line = 0;
};

// Throws CtlUsageError naming the file and line of the first fault.
std::vector<HostEntry> parseHostsText(const QString& text, const QString& fileName);
std::vector<HostEntry> readHostsFile(const QString& fileName);
