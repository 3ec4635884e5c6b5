#include "snapshot/SnapshotDiff.h"

namespace {

const SnapshotRow kNoRow;

using Kind = SnapshotDifference::Kind;

SnapshotDifference differenceOf(const SnapshotList& list, const SnapshotRow& row, Kind kind) {
  SnapshotDifference d;
  d.kind = kind;
  d.list = list.name;
  d.where = list.where();
  d.caption = list.caption;
  d.index = row.index;
  d.instance = row.instance;
  return d;
}

void diffRow(const SnapshotList& list, const SnapshotRow& from, const SnapshotRow& to,
             std::vector<SnapshotDifference>& out) {
  auto add = [&](const SnapshotValue* a, const SnapshotValue* b) {
    const SnapshotValue& any = a ? *a : *b;
    SnapshotDifference d = differenceOf(list, a ? from : to, Kind::Changed);
    d.label = any.label;
    d.oid = any.oid;
    d.fromText = snapshotValueText(a);
    d.toText = snapshotValueText(b);
    out.push_back(std::move(d));
  };
  for (const SnapshotValue& a : from.values) {
    const SnapshotValue* b = to.find(a.oid);
    if (!b || !a.sameValue(*b)) {
      if (!b && a.absent) continue;
      add(&a, b);
    }
  }
  for (const SnapshotValue& b : to.values)
    if (!from.find(b.oid) && !b.absent) add(nullptr, &b);
}

void diffList(const SnapshotList& from, const SnapshotList& to, std::vector<SnapshotDifference>& out) {
  const SnapshotList& named = from.name.isEmpty() ? to : from;
  for (const SnapshotRow& a : from.rows) {
    const SnapshotRow* b = to.findRow(a.instance);
    if (b)
      diffRow(named, a, *b, out);
    else if (named.table)
      out.push_back(differenceOf(named, a, Kind::RowRemoved));
    else
      diffRow(named, a, kNoRow, out);
  }
  for (const SnapshotRow& b : to.rows) {
    if (from.findRow(b.instance)) continue;
    if (named.table)
      out.push_back(differenceOf(named, b, Kind::RowAdded));
    else
      diffRow(named, kNoRow, b, out);
  }
}

}  // namespace

QString snapshotValueText(const SnapshotValue* v) {
  if (!v || v->absent) return QStringLiteral("(absent)");
  return v->text.isEmpty() ? QStringLiteral("\"\"") : v->text;
}

QString SnapshotDifference::text() const {
  const QString at = index.isEmpty() ? QString() : QStringLiteral(" [%1]").arg(index);
  switch (kind) {
    case Kind::RowAdded:
      return QStringLiteral("%1: row%2 added").arg(where, at);
    case Kind::RowRemoved:
      return QStringLiteral("%1: row%2 removed").arg(where, at);
    case Kind::Changed:
      break;
  }
  return QStringLiteral("%1: %2%3: %4 → %5").arg(where, label, at, fromText, toText);
}

QJsonObject SnapshotDifference::toJson() const {
  static const char* const kinds[] = {"changed", "row-added", "row-removed"};
  QJsonObject o{{"kind", kinds[static_cast<int>(kind)]},
                {"list", list},
                {"menu", where},
                {"caption", caption},
                {"text", text()}};
  if (!instance.isEmpty()) {
    o.insert("instance", instance);
    o.insert("index", index);
  }
  if (kind == Kind::Changed) {
    o.insert("label", label);
    o.insert("oid", oid);
    o.insert("old", fromText);
    o.insert("new", toText);
  }
  return o;
}

std::vector<SnapshotDifference> diffSnapshots(const SnapshotDocument& from, const SnapshotDocument& to) {
  std::vector<SnapshotDifference> out;
  const SnapshotList none;
  for (const SnapshotList& a : from.lists) {
    const SnapshotList* b = to.findList(a.name);
    diffList(a, b ? *b : none, out);
  }
  for (const SnapshotList& b : to.lists)
    if (!from.findList(b.name)) diffList(none, b, out);
  return out;
}
