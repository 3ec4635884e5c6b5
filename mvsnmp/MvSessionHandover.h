// A session handed to a tool this program starts: every field of the device parameters travels
// through a pipe the tool inherits and reads once, so no community or pass phrase of it stands on
// the tool's command line or in its environment, and the tool speaks exactly the session's SNMP
// version, user and levels without reading a profile again.
#pragma once

#include <QByteArray>

#include "mvsnmp/MvDeviceParams.h"
#include "mvsnmp/MvSecrets.h"

namespace MvSessionHandover {

// The tool's option naming the inherited descriptor: "--session-fd N".
inline constexpr char FdOption[] = "--session-fd";

// The session as lines "name=value" after a header line, values percent-encoded.
MvSecretBytes encode(const MvDeviceParams& session);
// The session of encode(). Throws MvException naming a field that is missing, repeated, unknown
// or malformed: a session that cannot be completed is never filled with defaults.
MvDeviceParams decode(const QByteArray& data);

// A pipe holding `data` whose write end is closed: the read end, inherited by programs started
// from now on, to be closed by the caller once the tool is started. -1 when no pipe could be made.
int pipeHolding(const QByteArray& data);
// Everything the descriptor gives up to its end (at most 64 KiB); the descriptor is closed.
// Throws MvException when it cannot be read.
MvSecretBytes readOnce(int fd);

}  // namespace MvSessionHandover
