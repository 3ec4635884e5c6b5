// kx760ctl get OID...: one get of the OIDs as given (a single-value list, "MVT_SV").
#pragma once

#include "tools/kx760ctl/CtlCommand.h"

class GetCommand : public CtlCommand {
 public:
  void run(const QStringList& args, CtlOutput& out) override;
};
