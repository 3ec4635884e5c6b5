// The simulator's objects for the program's catalogue: for every descriptor list, its scalars, or
// a table with two rows whose index fits the list's key columns, RowStatus tables creatable,
// read-write items writable. Derived from the catalogue itself, so the two cannot drift apart.
#pragma once

#include <string>

#include "tools/kx760sim/MibStore.h"

namespace kx760sim::catalogue {

// The data-file text (format of data/kx760.data). Objects and tables that `handWritten` already
// has are left out, so the hand-written file keeps its values and live objects; objects that
// Net-SNMP's own modules serve (snmpEngine, snmpMPDStats, usmStats) are left out too. Throws
// std::runtime_error for a list it cannot serve (an object outside every known subtree, a
// RowStatus table whose columns do not share one entry).
std::string catalogueDataText(const MibStore& handWritten);

}  // namespace kx760sim::catalogue
