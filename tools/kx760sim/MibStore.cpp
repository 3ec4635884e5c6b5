#include "tools/kx760sim/MibStore.h"

#include <algorithm>

namespace kx760sim {

bool MibStore::servedHere(const Oid& oid) const {
  return std::any_of(subtrees_.begin(), subtrees_.end(),
                     [&](const Oid& root) { return isPrefix(root, oid); });
}

void MibStore::addSubtree(Oid root) {
  if (std::find(subtrees_.begin(), subtrees_.end(), root) == subtrees_.end())
    subtrees_.push_back(std::move(root));
}

bool MibStore::declareTable(Oid entry, RowKind kind, Arc statusColumn, std::string& error) {
  if (tables_.count(entry)) {
    error = "table " + formatOid(entry) + " declared twice";
    return false;
  }
  TableDef def;
  def.entry = entry;
  def.kind = kind;
  def.statusColumn = statusColumn;
  // Columns declared before their table still belong to it.
  for (auto it = columns_.lower_bound(entry); it != columns_.end() && isPrefix(entry, it->first);
       ++it)
    if (it->first.size() == entry.size() + 1) def.columns.push_back(it->first.back());
  tables_.emplace(std::move(entry), std::move(def));
  return true;
}

bool MibStore::declareColumn(ColumnDef column, std::string& error) {
  if (column.column.size() < 2) {
    error = "column OID too short";
    return false;
  }
  if (columns_.count(column.column)) {
    error = "column " + formatOid(column.column) + " declared twice";
    return false;
  }
  const Oid entry(column.column.begin(), column.column.end() - 1);
  if (auto it = tables_.find(entry); it != tables_.end()) {
    auto& cols = it->second.columns;
    cols.insert(std::upper_bound(cols.begin(), cols.end(), column.column.back()),
                column.column.back());
  }
  columns_.emplace(column.column, std::move(column));
  return true;
}

void MibStore::eraseSubtree(const Oid& prefix) {
  auto first = entries_.lower_bound(prefix);
  auto last = first;
  while (last != entries_.end() && isPrefix(prefix, last->first)) ++last;
  entries_.erase(first, last);
}

const MibStore::Entry* MibStore::find(const Oid& oid) const {
  const auto it = entries_.find(oid);
  return it == entries_.end() ? nullptr : &it->second;
}

MibStore::Entry* MibStore::find(const Oid& oid) {
  const auto it = entries_.find(oid);
  return it == entries_.end() ? nullptr : &it->second;
}

const MibStore::Map::value_type* MibStore::next(const Oid& oid, bool inclusive) const {
  const auto it = inclusive ? entries_.lower_bound(oid) : entries_.upper_bound(oid);
  return it == entries_.end() ? nullptr : &*it;
}

bool MibStore::hasObjectsUnder(const Oid& prefix) const {
  const auto it = entries_.upper_bound(prefix);
  return it != entries_.end() && isPrefix(prefix, it->first);
}

const ColumnDef* MibStore::columnOf(const Oid& instance) const {
  // Columns never nest, so the only candidate is the greatest column not after the instance.
  auto it = columns_.upper_bound(instance);
  if (it == columns_.begin()) return nullptr;
  --it;
  if (it->first.size() < instance.size() && isPrefix(it->first, instance)) return &it->second;
  return nullptr;
}

const TableDef* MibStore::tableOf(const ColumnDef& column) const {
  return table(Oid(column.column.begin(), column.column.end() - 1));
}

const TableDef* MibStore::table(const Oid& entry) const {
  const auto it = tables_.find(entry);
  return it == tables_.end() ? nullptr : &it->second;
}

const TableDef* MibStore::tableContaining(const Oid& oid) const {
  auto it = tables_.upper_bound(oid);
  if (it == tables_.begin()) return nullptr;
  --it;
  return isPrefix(it->first, oid) ? &it->second : nullptr;
}

const ColumnDef* MibStore::column(const Oid& columnOid) const {
  const auto it = columns_.find(columnOid);
  return it == columns_.end() ? nullptr : &it->second;
}

bool MibStore::advance(const Oid& oid) {
  // A few dozen prefixes at most: the longest one that holds oid decides.
  const Oid* best = nullptr;
  std::uint64_t step = 0;
  for (const auto& [prefix, s] : moving_)
    if (isPrefix(prefix, oid) && (!best || prefix.size() > best->size())) {
      best = &prefix;
      step = s;
    }
  const bool found = best != nullptr;
  if (!found || step == 0) return false;
  Entry* entry = find(oid);
  if (!entry) return false;
  Value& v = entry->value;
  if (v.type == ValueType::Counter)
    v.number = static_cast<std::int64_t>((static_cast<std::uint64_t>(v.number) + step) & 0xFFFFFFFFull);
  else if (v.type == ValueType::Counter64)
    v.number64 += step;  // unsigned: wraps at 2^64
  else
    return false;
  return true;
}

}  // namespace kx760sim
