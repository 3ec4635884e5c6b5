#include "tools/kx760sim/SetTransaction.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <map>

#include "tools/kx760sim/PortVlanRule.h"

namespace kx760sim {

namespace {

constexpr std::int64_t kActive = 1, kNotInService = 2, kNotReady = 3, kCreateAndGo = 4,
                       kCreateAndWait = 5, kDestroy = 6;
constexpr std::int64_t kFilterInvalid = 2;

bool isStatusColumn(const TableDef* table, const Oid& instance) {
  return table && table->kind != RowKind::Fixed && instance.size() > table->entry.size() &&
         instance[table->entry.size()] == table->statusColumn;
}

}  // namespace

int SetTransaction::check(const Varbind& vb) const {
  const MibStore::Entry* entry = store_.find(vb.name);
  const ColumnDef* column = store_.columnOf(vb.name);
  const TableDef* table = column ? store_.tableOf(*column) : nullptr;

  const Access* access = nullptr;
  ValueType expected;
  if (column) {
    if (!entry && (!table || table->kind == RowKind::Fixed)) return SNMP_ERR_NOCREATION;
    access = &column->access;
    expected = column->type;
  } else if (entry) {
    access = &entry->access;
    expected = entry->value.type;
  } else {
    return SNMP_ERR_NOCREATION;
  }

  if (!access->writable) return SNMP_ERR_NOTWRITABLE;
  if (vb.value.type != expected) return SNMP_ERR_WRONGTYPE;
  if (access->size && (vb.value.octets.size() < access->size->first ||
                       vb.value.octets.size() > access->size->second))
    return SNMP_ERR_WRONGLENGTH;
  if (access->range &&
      (vb.value.number < access->range->first || vb.value.number > access->range->second))
    return SNMP_ERR_WRONGVALUE;
  if (isStatusColumn(table, vb.name)) {
    const std::int64_t v = vb.value.number;
    if (table->kind == RowKind::RowStatus && (v < kActive || v > kDestroy || v == kNotReady))
      return SNMP_ERR_WRONGVALUE;  // notReady is a state the agent reports, never one it is given
    if (table->kind == RowKind::FilterStatus && (v < 1 || v > 5)) return SNMP_ERR_WRONGVALUE;
  }
  return SNMP_ERR_NOERROR;
}

std::optional<SetTransaction::Failure> SetTransaction::plan(const std::vector<Varbind>& batch) {
  struct RowPlan {
    const TableDef* table = nullptr;
    std::vector<std::pair<Arc, Value>> values;
    std::optional<std::int64_t> status;
    std::size_t statusIndex = 0;
    std::size_t firstIndex = 0;
  };
  // Keyed by the row's first column instance, so the rows of one table stay together.
  std::map<std::pair<Oid, Oid>, RowPlan> rows;

  for (std::size_t i = 0; i < batch.size(); ++i) {
    const Varbind& vb = batch[i];
    const ColumnDef* column = store_.columnOf(vb.name);
    const TableDef* table = column ? store_.tableOf(*column) : nullptr;
    if (!table || table->kind == RowKind::Fixed) {
      MibStore::Entry entry{vb.value, {}};
      if (const auto* old = store_.find(vb.name)) entry.access = old->access;
      changes_.push_back({vb.name, std::move(entry), std::nullopt});
      continue;
    }
    const Oid index(vb.name.begin() + table->entry.size() + 1, vb.name.end());
    auto [it, fresh] = rows.try_emplace({table->entry, index});
    RowPlan& row = it->second;
    if (fresh) {
      row.table = table;
      row.firstIndex = i;
    }
    if (isStatusColumn(table, vb.name)) {
      row.status = vb.value.number;
      row.statusIndex = i;
    } else {
      row.values.emplace_back(column->column.back(), vb.value);
    }
  }

  for (const auto& [key, row] : rows) {
    const TableDef& table = *row.table;
    const Oid& index = key.second;
    Oid statusOid = table.entry;
    statusOid.push_back(table.statusColumn);
    statusOid.insert(statusOid.end(), index.begin(), index.end());
    const bool exists = store_.find(statusOid) != nullptr;

    if (table.kind == RowKind::RowStatus) {
      if (row.status == kCreateAndGo || row.status == kCreateAndWait) {
        if (exists) return Failure{SNMP_ERR_INCONSISTENTVALUE, row.statusIndex};
        planRow(table, index, false, row.values,
                *row.status == kCreateAndGo ? kActive : kNotInService);
      } else if (row.status == kDestroy) {
        if (exists) planRemoval(table, index);
      } else if (row.status) {  // active or notInService: only for a row that is there
        if (!exists) return Failure{SNMP_ERR_INCONSISTENTVALUE, row.statusIndex};
        planRow(table, index, true, row.values, row.status);
      } else {
        // RFC 2579: without a RowStatus of createAndGo/createAndWait no row comes into being.
        if (!exists) return Failure{SNMP_ERR_NOCREATION, row.firstIndex};
        planRow(table, index, true, row.values, std::nullopt);
      }
    } else {  // static filtering: invalid deletes, anything else creates or changes
      if (row.status == kFilterInvalid) {
        if (exists) planRemoval(table, index);
      } else {
        planRow(table, index, exists, row.values, row.status);
      }
    }
  }
  // The device's own consistency rules, judged on the state the whole PDU leaves behind.
  if (const auto bad = PortVlanRule::firstBadPvid(batch, [this](const Oid& o) { return existsAfter(o); }))
    return Failure{SNMP_ERR_INCONSISTENTVALUE, *bad};
  return std::nullopt;
}

bool SetTransaction::existsAfter(const Oid& name) const {
  for (auto it = changes_.rbegin(); it != changes_.rend(); ++it)
    if (it->name == name) return it->after.has_value();
  return store_.find(name) != nullptr;
}

void SetTransaction::planRow(const TableDef& table, const Oid& index, bool exists,
                             const std::vector<std::pair<Arc, Value>>& values,
                             std::optional<std::int64_t> status) {
  for (Arc col : table.columns) {
    Oid colOid = table.entry;
    colOid.push_back(col);
    const ColumnDef* def = store_.column(colOid);
    Oid instance = concat(colOid, index);
    std::optional<Value> value;
    for (const auto& [c, v] : values)
      if (c == col)
        value = v;  // the last of repeated varbinds wins, as it would if sent one by one
    if (col == table.statusColumn && status) value = Value::integer(*status);
    if (!value && !exists) value = def->initial;
    if (value)
      changes_.push_back(
          {std::move(instance), MibStore::Entry{std::move(*value), {}}, std::nullopt});
  }
}

void SetTransaction::planRemoval(const TableDef& table, const Oid& index) {
  for (Arc col : table.columns) {
    Oid instance = table.entry;
    instance.push_back(col);
    instance.insert(instance.end(), index.begin(), index.end());
    if (store_.find(instance))
      changes_.push_back({std::move(instance), std::nullopt, std::nullopt});
  }
}

void SetTransaction::apply() {
  if (applied_) return;
  applied_ = true;
  for (Change& c : changes_) {
    if (const auto* old = store_.find(c.name)) c.before = *old;
    if (c.after)
      store_.put(c.name, *c.after);
    else
      store_.erase(c.name);
  }
}

void SetTransaction::undo() {
  if (!applied_) return;
  applied_ = false;
  for (auto it = changes_.rbegin(); it != changes_.rend(); ++it) {
    if (it->before)
      store_.put(it->name, *it->before);
    else
      store_.erase(it->name);
  }
}

bool SetTransaction::touches(const Oid& prefix) const {
  for (const Change& c : changes_)
    if (isPrefix(prefix, c.name)) return true;
  return false;
}

}  // namespace kx760sim

namespace kx760sim {

bool SetTransaction::commit() {
  const bool first = applied_ && !committed_;
  committed_ = true;
  return first;
}

std::size_t SetTransaction::removals(const Oid& prefix) const {
  std::size_t n = 0;
  for (const Change& c : changes_) n += !c.after && isPrefix(prefix, c.name);
  return n;
}

}  // namespace kx760sim
