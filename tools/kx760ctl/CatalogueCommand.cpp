#include "CatalogueCommand.h"

#include "CatalogueJson.h"
#include "CtlOutput.h"
#include "MenuMapText.h"

void CatalogueCommand::run(const QStringList& args, CtlOutput& out) {
  if (!args.isEmpty()) throw CtlUsageError(QStringLiteral("catalogue takes no arguments"));
  out.write(out.json() ? catalogueJson() : catalogueText() + menuMapText());
}
