#include "GetCommand.h"

#include "CtlRawRequest.h"

void GetCommand::run(const QStringList& args, CtlOutput& out) {
  if (args.isEmpty()) throw CtlUsageError(QStringLiteral("get needs at least one OID"));
  const auto request = CtlRawRequest::forGet(
      args, ctlOctetForm(out.json()));
  request->readStep(true);
  for (int i = request->firstObject(); i < request->varList.count(); ++i) out.add(request->varBind(i));
}
