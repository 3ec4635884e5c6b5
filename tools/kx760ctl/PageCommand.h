// kx760ctl page ITEM: reads the descriptor list(s) behind a menu entry as its page would and
// prints what the page shows. ITEM is the entry's component name ("BasicInfo1") or its caption
// path ("Configuration > Basic Information"; "›", ">" or "/" between the levels). Editor page:
// one get, "label: value" per shown row; table page: a walk, a header of the shown columns and
// one line per row; tabs: each tab in turn under its caption. Tools, dedicated forms and single
// actions are described, never started, opened or sent.
#pragma once

#include <functional>
#include <memory>

#include "tools/kx760ctl/CtlCommand.h"
#include "mvsnmp/MvDeviceParams.h"
#include "mvsnmp/MvError.h"

class PageCommand : public CtlCommand {
 public:
  void run(const QStringList& args, CtlOutput& out) override;
};

// The same reading without waiting, for one device among many: the pages are read one after
// another through asynchronous requests to `device` and the same output goes to `out`; `done`
// runs once, from the event loop, with the error that ended it or with code 0. The arguments are
// checked when it is made (CtlUsageError), before anything is sent.
class AsyncPageRead {
 public:
  explicit AsyncPageRead(const QStringList& args);
  ~AsyncPageRead();
  AsyncPageRead(const AsyncPageRead&) = delete;
  AsyncPageRead& operator=(const AsyncPageRead&) = delete;

  void start(const MvDeviceParams& device, CtlOutput& out,
             std::function<void(const MvSNMPError&)> done);

 private:
  void readNext();
  void readStep(bool first);
  void onAnswer(const MvSNMPError& e);

  struct State;
  std::unique_ptr<State> d_;
};
