#include "tools/kx760ctl/WalkCommand.h"

#include <vector>

#include "tools/kx760ctl/CtlOutput.h"
#include "tools/kx760ctl/CtlRawRequest.h"
#include "mvsnmp/MvValue.h"

void WalkCommand::run(const QStringList& args, CtlOutput& out) {
  if (args.isEmpty()) throw CtlUsageError(QStringLiteral("walk needs at least one OID"));
  const auto request = CtlRawRequest::forWalk(
      args, ctlOctetForm(out.json()));
  CtlWalkRows printed;
  qint64 rows = 0;
  for (bool more = request->readStep(true); more; more = request->readStep(false)) {
    if (out.maxRows && rows >= *out.maxRows)
      throw CtlStopped(QStringLiteral("the walk stopped at the limit of %1 rows (--max-rows); more "
                                      "rows follow")
                           .arg(*out.maxRows),
                       3);
    if (const int sig = ctlStopSignal())
      throw CtlStopped(QStringLiteral("the walk was stopped by signal %1 after %2 rows").arg(sig).arg(rows),
                       128 + sig);
    ++rows;
    printed.print(*request, out);
  }
}

void CtlWalkRows::print(const CtlRawRequest& request, CtlOutput& out) {
  // A column that ended early restarts at the row being read and may return objects it returned
  // before; each object is printed once, the first time.
  lastPrinted_.resize(static_cast<size_t>(request.varList.count()));
  for (int i = request.firstObject(); i < request.varList.count(); ++i) {
    const SnmpVarItem& item = request.varList.item(i);
    if (item.value == QLatin1String(NotDoneValueText)) continue;
    const MvOid& oid = request.currentArcs(i);
    MvOid& last = lastPrinted_[static_cast<size_t>(i)];
    if (!last.empty() && compareOids(oid, last) <= 0) continue;
    last = oid;
    request.printTo(i, out);
  }
}
