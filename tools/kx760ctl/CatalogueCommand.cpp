#include "tools/kx760ctl/CatalogueCommand.h"

#include "catalogue/CatalogueJson.h"
#include "tools/kx760ctl/CtlOutput.h"
#include "catalogue/MenuMapText.h"

void CatalogueCommand::run(const QStringList& args, CtlOutput& out) {
  if (!args.isEmpty()) throw CtlUsageError(QStringLiteral("catalogue takes no arguments"));
  out.write(out.json() ? catalogueJson() : catalogueText() + menuMapText());
}
