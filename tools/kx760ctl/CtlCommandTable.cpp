// The table of kx760ctl's commands. A new command is a unit with a factory and a line here.
#include <array>

#include "tools/kx760ctl/CatalogueCommand.h"
#include "tools/kx760ctl/CtlCommand.h"
#include "tools/kx760ctl/GetCommand.h"
#include "tools/kx760ctl/PageCommand.h"
#include "tools/kx760ctl/SetCommand.h"
#include "tools/kx760ctl/SnapshotCommand.h"
#include "tools/kx760ctl/WalkCommand.h"

namespace {

template <typename T>
std::unique_ptr<CtlCommand> make() {
  return std::make_unique<T>();
}

const std::array<CtlCommandEntry, 6> kCommands = {{
    {"get", "OID...", &make<GetCommand>},
    {"walk", "OID [OID...]", &make<WalkCommand>},
    {"set", "OID TYPE VALUE [OID TYPE VALUE...]", &make<SetCommand>},
    {"page", "ITEM|\"Menu > Path\"  what a menu entry's page shows", &make<PageCommand>},
    {"catalogue", "  every descriptor list and the menu map; needs no switches and no agent",
     &make<CatalogueCommand>, false},
    {"snapshot", "save FILE | diff FILE [FILE2] | restore FILE [--dry-run]  the whole configuration",
     &make<SnapshotCommand>},
}};

}  // namespace

std::span<const CtlCommandEntry> ctlCommands() {
  return kCommands;
}

const CtlCommandEntry* findCtlCommand(const QString& name) {
  for (const CtlCommandEntry& e : kCommands)
    if (name == QLatin1String(e.name)) return &e;
  return nullptr;
}
