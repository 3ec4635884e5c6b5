// dot1dTpFdbTable (BRIDGE-MIB) of a busy network: N learned MAC addresses spread over the
// front ports, for tests and demos that need a big table.
#pragma once

#include "tools/kx760sim/MibStore.h"

namespace kx760sim {

class ForwardingTable {
 public:
  static const Oid kEntry;  // dot1dTpFdbEntry
  // Replaces the table's rows by `count` learned addresses.
  static void fill(MibStore& store, int count);
};

}  // namespace kx760sim
