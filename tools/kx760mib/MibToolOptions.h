// The command line of kx760mib: the page argument and the program's own options taken out, the
// SNMPv3 pass phrases of the environment added, the rest left for the module's start-up.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

struct MibToolOptions {
  QString pageArgument;     // "/TMIB_Info"
  QStringList parameters;   // for runStartup
  std::optional<quint16> agentPort;
  std::optional<int> intervalSeconds;
  QString screenshot;
  int refreshes = 1;
};

// Throws std::invalid_argument for a bad option value or a missing page argument. Pass phrases
// found in the environment are appended as "/A" and "/P" switches and removed from the
// environment, so programs started later do not inherit them.
MibToolOptions takeMibToolOptions(const QStringList& arguments);
QString mibToolUsage();
