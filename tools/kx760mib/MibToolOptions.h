// The command line of kx760mib: the page argument and the program's own options taken out, the
// rest left for the module's start-up; and what a session needs before anything is sent.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

struct MvDeviceParams;
struct MvStartupResult;

struct MibToolOptions {
  QString pageArgument;     // "/TMIB_Info"
  QStringList parameters;   // for runStartup
  std::optional<quint16> agentPort;
  std::optional<int> intervalSeconds;
  QString screenshot;
  int refreshes = 1;
  // --session-fd N: the whole session comes from this inherited descriptor (the launcher's
  // way); no switches then.
  std::optional<int> sessionFd;
};

// Throws std::invalid_argument for a bad option value, a missing page argument, or switches
// beside --session-fd.
MibToolOptions takeMibToolOptions(const QStringList& arguments);

// What the session lacks before the tool may send anything, each with where it comes from; empty
// when complete. The tool never falls back to a default version or community: an SNMP version,
// both communities (SNMPv1/v2c), the user and the pass phrases its level needs (SNMPv3).
QStringList sessionGaps(const MvDeviceParams& session, bool versionGiven, bool readCommunityGiven,
                        bool writeCommunityGiven);
QStringList sessionGaps(const MvStartupResult& startup);
// The error text for the gaps.
QString sessionGapsText(const QStringList& gaps);
QString mibToolUsage();
