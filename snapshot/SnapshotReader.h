// Reads a configuration snapshot from the device that DeviceTarget names: the device's identity,
// then every list of the snapshot plan (one get per list of scalars, one walk per table), each
// through its own MvSNMPRequest.
#pragma once

#include <functional>

#include "snapshot/SnapshotDocument.h"

class SnapshotReader {
 public:
  // Called before each list is read and once at the end (done == total).
  using Progress = std::function<void(int done, int total, const QString& list)>;

  // Throws MvException for what the device or the engine reports, the list named in its text.
  // An object the agent does not have is recorded as absent, not as an error.
  static SnapshotDocument read(const Progress& progress = {});
  static SnapshotDevice readDevice();
};
