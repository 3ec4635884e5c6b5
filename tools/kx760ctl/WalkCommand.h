// kx760ctl walk OID [OID...]: the engine's walk of one subtree, or of several OIDs together as
// the columns of one table (one row per step, as a table page reads; over SNMPv2c and v3 the
// rows are read ahead with get-bulk). Rows are printed as they arrive.
#pragma once

#include <vector>

#include "tools/kx760ctl/CtlCommand.h"
#include "mvsnmp/MvValue.h"

class WalkCommand : public CtlCommand {
 public:
  void run(const QStringList& args, CtlOutput& out) override;
};

class CtlRawRequest;
class CtlOutput;

// Prints the rows of a walk as they are read, each object once.
class CtlWalkRows {
 public:
  void print(const CtlRawRequest& request, CtlOutput& out);

 private:
  std::vector<MvOid> lastPrinted_;
};
