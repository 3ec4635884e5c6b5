// Plausible values for the simulator's copy of a catalogue object, by its syntax: the data-file
// type and value text of a cell, and the row-index sub-identifiers of an index column.
#pragma once

#include <string>

#include "mvsnmp/MvSNMPVarList.h"

namespace kx760sim::catalogue {

struct SampleCell {
  std::string type;   // data-file type name: integer gauge counter counter64 timeticks ipaddress
                      // oid string hex
  std::string value;  // data-file value text
};

// The cell of definition `def` in row `row` (0 for a scalar). Items with options take an option
// value; a row-status item (options holding createAndGo and destroy) is active (1).
SampleCell sampleCell(const SnmpVarDef& def, int row);

// The dotted sub-identifiers that index column `def` contributes to row `row`'s instance, and
// the value the column shows for it. `implied`: the last index column, without length prefix.
struct SampleIndex {
  std::string subIds;
  SampleCell cell;
};
SampleIndex sampleIndex(const SnmpVarDef& def, int row, bool implied);

// The data-file flags of a writable object: "rw", plus the range of its options or the size its
// syntax fixes. Empty for a read-only object.
std::string sampleFlags(const SnmpVarDef& def, bool statusColumn);

// Whether the definition is a row-status column: its options name 4 "createAndGo" and 6 "destroy".
bool isRowStatus(const SnmpVarDef& def);

}  // namespace kx760sim::catalogue
