#include "WalkCommand.h"

#include <vector>

#include "CtlRawRequest.h"
#include "MvValue.h"

void WalkCommand::run(const QStringList& args, CtlOutput& out) {
  if (args.isEmpty()) throw CtlUsageError(QStringLiteral("walk needs at least one OID"));
  const auto request = CtlRawRequest::forWalk(
      args, out.json() ? CtlRawRequest::OctetForm::Hex : CtlRawRequest::OctetForm::TextWhenPrintable);
  const int first = request->firstObject();
  // A column that ended early restarts at the row being read and may return objects it returned
  // before; each object is printed once, the first time.
  std::vector<MvOid> lastPrinted(static_cast<size_t>(request->varList.count()));
  for (bool more = request->readStep(true); more; more = request->readStep(false)) {
    for (int i = first; i < request->varList.count(); ++i) {
      const SnmpVarItem& item = request->varList.item(i);
      if (item.value == QLatin1String(NotDoneValueText)) continue;
      const MvOid oid = parseOid(item.currentOid).value_or(MvOid{});
      MvOid& last = lastPrinted[static_cast<size_t>(i)];
      if (!last.empty() && compareOids(oid, last) <= 0) continue;
      last = oid;
      out.add(request->varBind(i));
    }
  }
}
