// kx760ctl --hosts FILE: one command (get, walk, set, page, snapshot) over every device of a hosts
// file, in this one process. get, walk, set and page go out asynchronously through the engine, at
// most --parallel devices (each with one request in flight) at a time, each device with its own
// parameters, time-out and retries, so a dead device costs only its own time-out; snapshot
// restore writes one device after another. Each device's output is printed whole when it is done,
// every line prefixed with the device (with --json one object a line), and a summary goes to
// stderr; the exit status is 0 only when every device succeeded.
#pragma once

struct CtlCommandLine;
struct MvEnvironmentSecrets;

inline constexpr int kFleetDefaultParallel = 64;

int runFleet(const CtlCommandLine& line, const MvEnvironmentSecrets& fromEnvironment);
