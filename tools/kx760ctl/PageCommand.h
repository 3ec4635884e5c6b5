// kx760ctl page ITEM: reads the descriptor list(s) behind a menu entry as its page would and
// prints what the page shows. ITEM is the entry's component name ("BasicInfo1") or its caption
// path ("Configuration > Basic Information"; "›", ">" or "/" between the levels). Editor page:
// one get, "label: value" per shown row; table page: a walk, a header of the shown columns and
// one line per row; tabs: each tab in turn under its caption. Tools, dedicated forms and single
// actions are described, never started, opened or sent.
#pragma once

#include "tools/kx760ctl/CtlCommand.h"

class PageCommand : public CtlCommand {
 public:
  void run(const QStringList& args, CtlOutput& out) override;
};
