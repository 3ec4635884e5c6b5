// kx760ctl walk OID [OID...]: the engine's get-next walk of one subtree, or of several OIDs
// together as the columns of one table (one get-next PDU per row, as a table page reads).
#pragma once

#include "CtlCommand.h"

class WalkCommand : public CtlCommand {
 public:
  void run(const QStringList& args, CtlOutput& out) override;
};
