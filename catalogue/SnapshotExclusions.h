// The writable objects that a configuration snapshot leaves out, each with the reason: the ones
// that start something when written (reboot, save, clear-all, file transfer, cable test, a test
// mail) or that read back something other than what was written (the USM key-change objects).
// Writing such an object back from a file would act, not configure.
#pragma once

#include <QStringView>
#include <span>

struct SnapshotExclusion {
  const char* list;    // the descriptor list's name
  const char* oid;     // the object (column or scalar, as in the list); nullptr: the whole list
  const char* reason;  // why it is no configuration
};

// Every exclusion, by list in catalogue order.
std::span<const SnapshotExclusion> snapshotExclusions();
// The reason an object of a list is left out, or nullptr when a snapshot keeps it.
const char* snapshotExclusionReason(QStringView list, QStringView oid);
