// Writing a snapshot back: the differences chosen (file against device) become the sets the
// device accepts, in this order: rows the device lacks are created with their columns in one
// set each (so a row exists before anything refers to it), then each list's changed values in
// one set, and rows the file does not have are destroyed last. A set the agent refuses as a
// whole is sent again one object at a time, so every refused object is named and the others
// still written.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "snapshot/SnapshotDiff.h"
#include "snapshot/SnapshotDocument.h"

struct SnapshotVarbind {
  QString oid;
  quint32 syntax = 0;
  QString value;  // text form, as the value conversions read it
  QString label;
  QString text;   // as shown
  int difference = -1;  // the chosen difference it carries out
};

struct SnapshotSet {
  enum class Step { Create, Change, Destroy };
  Step step = Step::Change;
  QString list;
  QString where;  // menu path or list name
  QString what;   // "create row [3]", "change 4 values", "destroy row [20]"
  std::vector<SnapshotVarbind> varbinds;
  std::vector<int> differences;  // the chosen differences this set carries out
  QString impossible;            // not empty: the set cannot be sent, and why
};

// The sets for `chosen` (differences of diffSnapshots(file, device)), values taken from `file`.
std::vector<SnapshotSet> restoreSets(const std::vector<SnapshotDifference>& chosen, const SnapshotDocument& file);

// How a --dry-run shows a set: a heading line, then one line per varbind.
QString snapshotSetText(const SnapshotSet& set, int number, int total);

struct SnapshotRestoreResult {
  std::vector<QString> errors;  // per chosen difference: empty when it was written
  int setsSent = 0;

  bool complete() const;
  // "where: label [index]: why" per failed difference.
  QStringList failures(const std::vector<SnapshotDifference>& chosen) const;
};

// Sends the sets in order. `progress` is called before each set (and with done == total at the
// end). Errors of the device are results, not exceptions.
using SnapshotRestoreProgress = std::function<void(int done, int total, const QString& what)>;
SnapshotRestoreResult sendRestoreSets(const std::vector<SnapshotSet>& sets, int differenceCount,
                                      const SnapshotRestoreProgress& progress = {});

// After a restore: a difference reported written that the device still shows (`remaining`, the
// differences of a fresh read) becomes a failure, so a write the device ignored never passes
// for done.
void checkRestored(const std::vector<SnapshotDifference>& chosen,
                   const std::vector<SnapshotDifference>& remaining, SnapshotRestoreResult& result);
