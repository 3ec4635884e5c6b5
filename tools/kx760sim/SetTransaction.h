// One SET PDU's worth of changes to the store, run in the agent's phases: each varbind is
// checked on its own (RESERVE1), the rows it touches are planned as a whole (RESERVE2),
// and only then is anything changed (ACTION), with the old state kept until COMMIT so
// that UNDO can put it back. Nothing is changed if any varbind of the PDU fails.
#pragma once

#include <optional>
#include <vector>

#include "tools/kx760sim/MibStore.h"

namespace kx760sim {

class SetTransaction {
 public:
  struct Varbind {
    Oid name;
    Value value;
  };
  struct Failure {
    int status;         // SNMP error status
    std::size_t index;  // position of the offending varbind in the batch given to plan()
  };

  explicit SetTransaction(MibStore& store) : store_(store) {}

  // RESERVE1: the checks one varbind can fail alone (existence, access, type, range).
  // Returns an SNMP error status, SNMP_ERR_NOERROR when the varbind may go ahead.
  int check(const Varbind& vb) const;

  // RESERVE2: turns a batch of checked varbinds into changes, row by row.
  std::optional<Failure> plan(const std::vector<Varbind>& batch);

  void apply();   // ACTION: once per PDU, however many subtrees it spans
  void undo();    // UNDO: puts back what apply() changed
  bool commit();  // COMMIT: true the first time only

  // Whether the applied changes touched anything under `prefix`.
  bool touches(const Oid& prefix) const;
  // How many objects under `prefix` the changes delete.
  std::size_t removals(const Oid& prefix) const;

 private:
  struct Change {
    Oid name;
    std::optional<MibStore::Entry> after;   // nullopt: delete
    std::optional<MibStore::Entry> before;  // filled by apply()
  };

  void planRow(const TableDef& table, const Oid& index, bool exists,
               const std::vector<std::pair<Arc, Value>>& values,
               std::optional<std::int64_t> status);
  void planRemoval(const TableDef& table, const Oid& index);
  // Whether `name` is there once the planned changes are made.
  bool existsAfter(const Oid& name) const;

  MibStore& store_;
  std::vector<Change> changes_;
  bool applied_ = false;
  bool committed_ = false;
};

}  // namespace kx760sim
