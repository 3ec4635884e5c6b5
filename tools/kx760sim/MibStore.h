// The simulated switch's object tree: an ordered map from OID to typed value, plus the
// table definitions (columns, how rows are created and deleted) that writes follow.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tools/kx760sim/Oid.h"
#include "tools/kx760sim/Value.h"

namespace kx760sim {

// How rows of a table come and go.
enum class RowKind {
  Fixed,         // rows exist or not; writes change columns of existing rows only
  RowStatus,     // RFC 2579 RowStatus column: createAndGo/createAndWait create, destroy deletes
  FilterStatus,  // Q-BRIDGE static filtering status: invalid(2) deletes, any write creates
};

struct ColumnDef {
  Oid column;  // entry OID followed by the column number
  ValueType type = ValueType::Integer;
  Access access;  // applies to every instance of the column
  Value initial;  // what a newly created row holds in this column
};

struct TableDef {
  Oid entry;
  RowKind kind = RowKind::Fixed;
  Arc statusColumn = 0;      // meaningful unless kind is Fixed
  std::vector<Arc> columns;  // declared columns, ascending
};

class MibStore {
 public:
  struct Entry {
    Value value;
    Access access;  // scalars only; column instances use their ColumnDef
  };
  using Map = std::map<Oid, Entry>;

  // A root given again (by a second data file) is served once.
  void addSubtree(Oid root);
  const std::vector<Oid>& subtrees() const { return subtrees_; }
  bool servedHere(const Oid& oid) const;

  bool declareTable(Oid entry, RowKind kind, Arc statusColumn, std::string& error);
  bool declareColumn(ColumnDef column, std::string& error);

  void put(const Oid& oid, Entry entry) { entries_[oid] = std::move(entry); }
  void erase(const Oid& oid) { entries_.erase(oid); }
  void eraseSubtree(const Oid& prefix);

  const Entry* find(const Oid& oid) const;
  Entry* find(const Oid& oid);
  // The first object after `oid` (or at it, when `inclusive`), or nullptr past the end.
  const Map::value_type* next(const Oid& oid, bool inclusive) const;
  // Whether any object lies strictly below `prefix`.
  bool hasObjectsUnder(const Oid& prefix) const;

  // The declared column an instance OID belongs to, or nullptr.
  const ColumnDef* columnOf(const Oid& instance) const;
  const TableDef* tableOf(const ColumnDef& column) const;
  const TableDef* table(const Oid& entry) const;
  const TableDef* tableContaining(const Oid& oid) const;
  const ColumnDef* column(const Oid& columnOid) const;

  const Map& entries() const { return entries_; }

  // Counters under `prefix` move: every read of one advances it by `step` first (a Counter32
  // wraps at 2^32, a Counter64 at 2^64). The longest matching prefix decides; step 0 stops one.
  void setMoving(const Oid& prefix, std::uint64_t step) { moving_[prefix] = step; }
  // Advances the counter at `oid` if it moves; returns whether it did.
  bool advance(const Oid& oid);

 private:
  Map entries_;
  std::map<Oid, ColumnDef> columns_;
  std::map<Oid, TableDef> tables_;
  std::vector<Oid> subtrees_;
  std::map<Oid, std::uint64_t> moving_;
};

}  // namespace kx760sim
