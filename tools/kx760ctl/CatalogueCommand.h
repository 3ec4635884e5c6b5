// kx760ctl catalogue: every descriptor list of the program and the menu map, as a listing or
// (--json) as one document. Needs no device.
#pragma once

#include "tools/kx760ctl/CtlCommand.h"

class CatalogueCommand : public CtlCommand {
 public:
  void run(const QStringList& args, CtlOutput& out) override;
};
