// kx760ctl snapshot save FILE | diff FILE [FILE2] | restore FILE [--dry-run]: the switch's whole
// configuration to a file, compared with the switch or another file, and written back.
// Exit status: save and restore 0 when done, 1 on an error or a restore that could not write
// everything; diff 0 when equal, 1 when different, 2 on an error.
#pragma once

#include "snapshot/SnapshotDocument.h"
#include "tools/kx760ctl/CtlCommand.h"

class SnapshotCommand : public CtlCommand {
 public:
  void run(const QStringList& args, CtlOutput& out) override;
};

// What `snapshot ACTION FILE...` asks for.
struct CtlSnapshotArguments {
  QString action;  // save, diff or restore
  QStringList files;
  bool dryRun = false;
  bool json = false;
};
// Throws CtlUsageError.
CtlSnapshotArguments ctlSnapshotArguments(const QStringList& args, bool json);

// What an action found once the device answered: the differences (diff; restore: those chosen)
// and what a restore could not write ("where: label [index]: why").
struct CtlSnapshotOutcome {
  int differences = 0;
  QStringList failures;
};

// Runs the action against DeviceTarget, its report written to `out` (progress notes on stderr
// only with `notes`). Throws MvException and SnapshotError.
CtlSnapshotOutcome ctlSnapshotAction(const CtlSnapshotArguments& a, CtlOutput& out, bool notes);

// save's end, with the document read: the file written, what was saved reported. Throws
// SnapshotError.
void ctlSnapshotSaved(const CtlSnapshotArguments& a, const SnapshotDocument& doc, CtlOutput& out);
// diff's report of `from` against `to`; returns the number of differences.
int ctlSnapshotCompared(const CtlSnapshotArguments& a, const SnapshotDocument& from, const SnapshotDocument& to,
                        CtlOutput& out);
