// kx760ctl snapshot save FILE | diff FILE [FILE2] | restore FILE [--dry-run]: the switch's whole
// configuration to a file, compared with the switch or another file, and written back.
// Exit status: save and restore 0 when done, 1 on an error or a restore that could not write
// everything; diff 0 when equal, 1 when different, 2 on an error.
#pragma once

#include "tools/kx760ctl/CtlCommand.h"

class SnapshotCommand : public CtlCommand {
 public:
  void run(const QStringList& args, CtlOutput& out) override;
};
