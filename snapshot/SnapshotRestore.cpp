#include "snapshot/SnapshotRestore.h"

#include <map>

#include "catalogue/CatalogueRegistry.h"
#include "mvsnmp/MvError.h"
#include "mvsnmp/MvOptionList.h"
#include "mvsnmp/MvSNMPRequest.h"
#include "snapshot/SnapshotPlan.h"

namespace {

using Kind = SnapshotDifference::Kind;
using Step = SnapshotSet::Step;

QString rowText(const SnapshotDifference& d) {
  return d.index.isEmpty() ? QStringLiteral("row") : QStringLiteral("row [%1]").arg(d.index);
}

SnapshotVarbind varbindOf(const SnapshotValue& v, int difference) {
  return {v.oid, v.syntax, v.value, v.label, v.text, difference};
}

// The status column's object in a row, with the value given.
SnapshotVarbind statusVarbind(const SnapshotListPlan& plan, const QString& instance, const QString& value,
                              int difference) {
  const SnmpVarDef& def = plan.list->defs[plan.rowControl.item];
  const QString oid = QString::fromLatin1(def.oid) + u'.' + instance;
  return {oid, def.syntax, value, QString::fromLatin1(def.label).trimmed(),
          def.options ? def.options->labelOf(value) : value, difference};
}

SnapshotSet rowSet(const SnapshotDifference& d, int n, const SnapshotDocument& file) {
  SnapshotSet s;
  s.list = d.list;
  s.where = d.where;
  s.differences = {n};
  const bool create = d.kind == Kind::RowRemoved;  // the file has the row, the device not
  s.step = create ? Step::Create : Step::Destroy;
  s.what = QStringLiteral("%1 %2").arg(create ? u"create" : u"destroy", rowText(d));
  const SnapshotListPlan* plan = findSnapshotPlan(d.list);
  if (!plan || !plan->rowControl.valid()) {
    s.impossible = QStringLiteral("the table has no status column: its rows cannot be %1")
                       .arg(create ? u"created" : u"destroyed");
    return s;
  }
  if (!create) {
    s.varbinds.push_back(statusVarbind(*plan, d.instance, plan->rowControl.destroy, n));
    return s;
  }
  const SnapshotList* list = file.findList(d.list);
  const SnapshotRow* row = list ? list->findRow(d.instance) : nullptr;
  const SnapshotVarbind status = statusVarbind(*plan, d.instance, plan->rowControl.create, n);
  s.varbinds.push_back(status);
  if (row)
    for (const SnapshotValue& v : row->values)
      if (!v.absent && v.oid != status.oid) s.varbinds.push_back(varbindOf(v, n));
  return s;
}

// One request that writes the varbinds in one set. Throws MvException.
void writeSet(const std::vector<SnapshotVarbind>& varbinds) {
  std::vector<QByteArray> oids;
  oids.reserve(varbinds.size());
  std::vector<SnmpVarDef> defs;
  for (const SnapshotVarbind& v : varbinds) {
    oids.push_back(v.oid.toLatin1());
    defs.push_back({oids.back().constData(), oids.back().constData(), v.syntax, Access::ReadWrite});
  }
  defs.push_back({});
  MvSNMPRequest r;
  r.varList.setItemType(MVT_SV);
  r.varList.appendDefs(defs.data());
  for (size_t i = 0; i < varbinds.size(); ++i) {
    r.varList.item(static_cast<int>(i)).label = varbinds[i].label;
    r.varList.item(static_cast<int>(i)).value = varbinds[i].value;
  }
  r.write();
}

QString errorText(const MvException& e) {
  return QStringLiteral("error %1: %2").arg(e.code()).arg(e.message());
}

QString differenceKey(const SnapshotDifference& d) {
  return QStringLiteral("%1|%2|%3|%4").arg(d.list, d.instance, d.oid).arg(static_cast<int>(d.kind));
}

}  // namespace

std::vector<SnapshotSet> restoreSets(const std::vector<SnapshotDifference>& chosen, const SnapshotDocument& file) {
  std::vector<SnapshotSet> creates, destroys, changes;
  std::map<QString, size_t> changeOfList;
  for (int n = 0; n < static_cast<int>(chosen.size()); ++n) {
    const SnapshotDifference& d = chosen[static_cast<size_t>(n)];
    if (d.kind != Kind::Changed) {
      SnapshotSet s = rowSet(d, n, file);
      (s.step == Step::Create ? creates : destroys).push_back(std::move(s));
      continue;
    }
    const SnapshotList* list = file.findList(d.list);
    const SnapshotRow* row = list ? list->findRow(d.instance) : nullptr;
    const SnapshotValue* v = row ? row->find(d.oid) : nullptr;
    if (!v || v->absent) {
      SnapshotSet s;
      s.list = d.list;
      s.where = d.where;
      s.what = QStringLiteral("%1%2").arg(d.label, d.index.isEmpty() ? QString() : QStringLiteral(" [%1]").arg(d.index));
      s.differences = {n};
      s.impossible = QStringLiteral("the snapshot holds no value for it");
      changes.push_back(std::move(s));
      continue;
    }
    auto [at, fresh] = changeOfList.try_emplace(d.list, changes.size());
    if (fresh) {
      SnapshotSet s;
      s.list = d.list;
      s.where = d.where;
      changes.push_back(std::move(s));
    }
    SnapshotSet& s = changes[at->second];
    s.varbinds.push_back(varbindOf(*v, n));
    s.differences.push_back(n);
  }
  for (SnapshotSet& s : changes)
    if (s.impossible.isEmpty())
      s.what = s.varbinds.size() == 1 ? QStringLiteral("change 1 value")
                                      : QStringLiteral("change %1 values").arg(s.varbinds.size());
  std::vector<SnapshotSet> sets = std::move(creates);
  for (SnapshotSet& s : changes) sets.push_back(std::move(s));
  for (SnapshotSet& s : destroys) sets.push_back(std::move(s));
  return sets;
}

QString snapshotSetText(const SnapshotSet& set, int number, int total) {
  QString text = QStringLiteral("set %1 of %2: %3: %4\n").arg(number).arg(total).arg(set.where, set.what);
  if (!set.impossible.isEmpty()) return text + QStringLiteral("  not sent: %1\n").arg(set.impossible);
  for (const SnapshotVarbind& v : set.varbinds) {
    const char* keyword = syntaxKeyword(v.syntax);
    text += QStringLiteral("  %1 %2 %3")
                .arg(v.oid, QLatin1StringView(keyword ? keyword : "null"), v.value.isEmpty() ? QStringLiteral("\"\"") : v.value);
    text += v.text != v.value ? QStringLiteral("  (%1: %2)\n").arg(v.label, v.text)
                              : QStringLiteral("  (%1)\n").arg(v.label);
  }
  return text;
}

bool SnapshotRestoreResult::complete() const {
  for (const QString& e : errors)
    if (!e.isEmpty()) return false;
  return true;
}

QStringList SnapshotRestoreResult::failures(const std::vector<SnapshotDifference>& chosen) const {
  QStringList out;
  for (size_t n = 0; n < errors.size() && n < chosen.size(); ++n) {
    if (errors[n].isEmpty()) continue;
    const SnapshotDifference& d = chosen[n];
    const QString object = d.kind == Kind::Changed
                               ? d.label + (d.index.isEmpty() ? QString() : QStringLiteral(" [%1]").arg(d.index))
                               : rowText(d);
    out << QStringLiteral("%1: %2: %3").arg(d.where, object, errors[n]);
  }
  return out;
}

SnapshotRestoreResult sendRestoreSets(const std::vector<SnapshotSet>& sets, int differenceCount,
                                      const SnapshotRestoreProgress& progress) {
  SnapshotRestoreResult result;
  result.errors.assign(static_cast<size_t>(differenceCount), QString());
  auto fail = [&](int n, const QString& why) {
    if (n >= 0 && n < differenceCount) result.errors[static_cast<size_t>(n)] = why;
  };
  const int total = static_cast<int>(sets.size());
  for (int k = 0; k < total; ++k) {
    const SnapshotSet& s = sets[static_cast<size_t>(k)];
    if (progress) progress(k, total, QStringLiteral("%1: %2").arg(s.where, s.what));
    if (!s.impossible.isEmpty()) {
      for (int n : s.differences) fail(n, s.impossible);
      continue;
    }
    try {
      ++result.setsSent;
      writeSet(s.varbinds);
      continue;
    } catch (const MvException& e) {
      // A row is created or destroyed by one set or not at all; changed values are tried one by
      // one, so that only the refused ones stay unwritten.
      if (s.step != Step::Change || s.varbinds.size() < 2) {
        for (int n : s.differences) fail(n, errorText(e));
        continue;
      }
    }
    for (const SnapshotVarbind& v : s.varbinds) {
      try {
        ++result.setsSent;
        writeSet({v});
      } catch (const MvException& e) {
        fail(v.difference, errorText(e));
      }
    }
  }
  if (progress) progress(total, total, {});
  return result;
}

void checkRestored(const std::vector<SnapshotDifference>& chosen,
                   const std::vector<SnapshotDifference>& remaining, SnapshotRestoreResult& result) {
  std::map<QString, const SnapshotDifference*> still;
  for (const SnapshotDifference& d : remaining) still.emplace(differenceKey(d), &d);
  for (size_t n = 0; n < chosen.size() && n < result.errors.size(); ++n) {
    if (!result.errors[n].isEmpty()) continue;
    const auto it = still.find(differenceKey(chosen[n]));
    if (it == still.end()) continue;
    const SnapshotDifference& d = *it->second;
    result.errors[n] = d.kind == Kind::Changed
                           ? QStringLiteral("the device accepted the write but still shows %1").arg(d.toText)
                           : QStringLiteral("the device accepted the write but the row is still %1")
                                 .arg(d.kind == Kind::RowAdded ? u"there" : u"missing");
  }
}
