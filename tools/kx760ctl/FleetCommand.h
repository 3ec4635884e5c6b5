// kx760ctl --hosts FILE: one command (get, walk, set, page) over every device of a hosts file at
// once, in this one process: each device's requests go out asynchronously through the engine,
// at most --parallel devices (each with one request in flight) at a time, each with its own
// parameters, time-out and retries, so a dead device costs only its own time-out. Each device's
// output is printed when it is done, prefixed with the device (or with --json one object a line),
// and a summary goes to stderr; the exit status is 0 only when every device succeeded.
#pragma once

#include <QString>
#include <QStringList>

struct CtlCommandLine;
struct MvEnvironmentSecrets;

inline constexpr int kFleetDefaultParallel = 64;

int runFleet(const CtlCommandLine& line, const MvEnvironmentSecrets& fromEnvironment);
