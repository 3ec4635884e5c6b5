// Keeps the read-only VLAN views of Q-BRIDGE-MIB in step with dot1qVlanStaticTable, as a
// switch does: a VLAN that becomes active appears in dot1qVlanCurrentTable, a destroyed
// one leaves it and counts in dot1qVlanNumDeletes, and dot1qNumVlans follows.
#pragma once

#include "tools/kx760sim/MibStore.h"

namespace kx760sim {

class VlanMirror {
 public:
  static const Oid kStaticEntry;  // dot1qVlanStaticEntry
  static const Oid kStaticRowStatus;

  // `deleted`: how many static VLANs the change removed; `now`: sysUpTime in ticks.
  static void sync(MibStore& store, std::size_t deleted, unsigned long now);
};

}  // namespace kx760sim
