#include "tools/kx760ctl/GetCommand.h"

#include "tools/kx760ctl/CtlRawRequest.h"
#include "mvsnmp/MvError.h"

namespace {

constexpr int kNoSuchNameCode = -102;  // SNMPv1's error-status noSuchName

}  // namespace

void GetCommand::run(const QStringList& args, CtlOutput& out) {
  if (args.isEmpty()) throw CtlUsageError(QStringLiteral("get needs at least one OID"));
  auto request = CtlRawRequest::forGet(args, ctlOctetForm(out.json()));
  try {
    request->readStep(true);
  } catch (const MvException& e) {
    // An SNMPv1 agent refuses the whole get for one object it does not have: each object is
    // asked alone, so every row shows what the agent said of it.
    if (e.code() != kNoSuchNameCode) throw;
    for (int i = 0; i < request->varList.count(); ++i) {
      auto one = CtlRawRequest::forGet({args.at(i)}, ctlOctetForm(out.json()));
      try {
        one->readStep(true);
        request->varList.item(i) = one->varList.item(0);
      } catch (const MvException& single) {
        if (single.code() != kNoSuchNameCode) throw;
        request->markNoSuchName(i);
      }
    }
  }
  for (int i = request->firstObject(); i < request->varList.count(); ++i) out.add(request->varBind(i));
  if (request->anyMissing())
    throw CtlStopped(QStringLiteral("the agent does not have every object asked for"), kCtlExitMissing);
}
