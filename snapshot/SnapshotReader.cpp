#include "snapshot/SnapshotReader.h"

#include <QDateTime>
#include <QElapsedTimer>

#include "catalogue/CatalogueRegistry.h"
#include "mvsnmp/MvError.h"
#include "mvsnmp/MvSNMPRequest.h"
#include "mvsnmp/MvValueConversion.h"
#include "snapshot/SnapshotPlan.h"

namespace {

constexpr int kNoSuchNameStatus = 2;

// A request that notes which items received a value in the last answer: the engine shows
// "(NULL)" both for a value the agent lacks and for one of another type, and only the first is
// "absent".
class SnapshotRequest : public MvSNMPRequest {
 public:
  void storeValue(int i, const MvValue& value) override {
    // noSuchObject/noSuchInstance reach the items as exception values: the agent lacks the object.
    const bool lacks = value.type == MvValueType::NoSuchObject || value.type == MvValueType::NoSuchInstance;
    stored.at(static_cast<size_t>(i)) = !lacks;
    MvSNMPRequest::storeValue(i, value);
  }
  bool step(bool first) {
    stored.assign(static_cast<size_t>(varList.count()), false);
    return readStep(first);
  }
  std::vector<bool> stored;
};

SnapshotValue valueOf(const SnapshotRequest& r, const SnmpVarDef& def, int i, const QString& oid) {
  const SnmpVarItem& item = r.varList.item(i);
  SnapshotValue v;
  v.oid = oid;
  v.label = item.label.trimmed();
  v.syntax = item.syntax;
  if (!r.stored.at(static_cast<size_t>(i))) {
    v.absent = true;
    return v;
  }
  v.value = item.value;
  SnmpVarItem labelled = item;
  labelled.options = def.options;
  v.text = labelOfRaw(labelled, item.value);
  return v;
}

[[noreturn]] void rethrowFor(const SnapshotListPlan& plan, const MvException& e) {
  throw MvException(e.code(), QStringLiteral("%1 (%2): %3").arg(plan.menuPath.isEmpty() ? plan.name() : plan.menuPath,
                                                           plan.name(), e.message()));
}

// The scalars of a list, one get; an SNMPv1 agent refuses the whole get for one object it
// lacks, so then each object is asked alone.
SnapshotRow readScalars(const SnapshotListPlan& plan) {
  SnapshotRequest r;
  r.varList = plan.readList();
  const MvSNMPVarList asked = r.varList;
  SnapshotRow row;
  auto suffix = [&](int i) {
    return plan.list->kind == SVT_SV ? asked.item(i).oid + QStringLiteral(".0") : asked.item(i).oid;
  };
  try {
    r.step(true);
    for (int i : plan.items) row.values.push_back(valueOf(r, plan.list->defs[i], i, suffix(i)));
    return row;
  } catch (const MvException& e) {
    if (e.code() != translateStatus(kNoSuchNameStatus).code || plan.items.size() < 2) rethrowFor(plan, e);
  }
  for (int i : plan.items) {
    SnapshotRequest one;
    one.varList = asked;
    for (int j = 0; j < one.varList.count(); ++j)
      if (j != i) one.varList.item(j).access |= Access::Invalid;
    try {
      one.step(true);
    } catch (const MvException& e) {
      if (e.code() != translateStatus(kNoSuchNameStatus).code) rethrowFor(plan, e);
      one.stored.assign(one.stored.size(), false);
    }
    row.values.push_back(valueOf(one, plan.list->defs[i], i, suffix(i)));
  }
  return row;
}

// Every row of a table, one walk. A row's instance is what follows the column's OID in the
// object the agent returned.
std::vector<SnapshotRow> readTable(const SnapshotListPlan& plan) {
  SnapshotRequest r;
  r.varList = plan.readList();
  std::vector<SnapshotRow> rows;
  try {
    for (bool more = r.step(true); more; more = r.step(false)) {
      SnapshotRow row;
      for (int i : plan.items) {
        const SnmpVarItem& item = r.varList.item(i);
        if (row.instance.isEmpty() && r.stored.at(static_cast<size_t>(i)) &&
            item.currentOid.startsWith(item.oid + u'.'))
          row.instance = item.currentOid.mid(item.oid.size() + 1);
      }
      if (row.instance.isEmpty()) row.instance = r.encodeRowIndex();
      QStringList index;
      for (int k = 0; k < r.varList.keyCount(); ++k) index << labelOfRaw(r.varList.item(k), r.varList.item(k).value);
      row.index = index.join(QStringLiteral(", "));
      for (int i : plan.items)
        row.values.push_back(valueOf(r, plan.list->defs[i], i, r.varList.item(i).oid + u'.' + row.instance));
      rows.push_back(std::move(row));
    }
  } catch (const MvException& e) {
    rethrowFor(plan, e);
  }
  return rows;
}

constexpr SnmpVarDef kSystemDefs[] = {
    {"1.3.6.1.2.1.1.1", "sysDescr", Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.2.1.1.2", "sysObjectID", Syntax::ObjectId, Access::ReadOnly},
    {"1.3.6.1.2.1.1.5", "sysName", Syntax::DisplayStr, Access::ReadOnly},
    {},
};

}  // namespace

SnapshotDevice SnapshotReader::readDevice() {
  MvSNMPRequest r;
  r.varList = MvSNMPVarList(kSystemDefs, SVT_SV, 0);
  r.readStep(true);
  auto text = [&](int i) {
    const QString v = r.varList.item(i).value;
    return v == QLatin1StringView(NullValueText) ? QString() : v;
  };
  SnapshotDevice d;
  d.address = r.address;
  d.port = r.agentPort;
  d.sysDescr = text(0);
  d.sysObjectId = text(1);
  d.sysName = text(2);
  return d;
}

SnapshotDocument SnapshotReader::read(const Progress& progress) {
  QElapsedTimer clock;
  clock.start();
  SnapshotDocument doc;
  doc.device = readDevice();
  doc.device.taken = QDateTime::currentDateTime().toString(Qt::ISODate);
  const std::vector<SnapshotListPlan>& plan = snapshotPlan();
  const int total = static_cast<int>(plan.size());
  int done = 0;
  for (const SnapshotListPlan& p : plan) {
    if (progress) progress(done, total, p.name());
    SnapshotList list;
    list.name = p.name();
    list.menuPath = p.menuPath;
    list.caption = p.caption;
    list.table = p.table();
    if (list.table)
      list.rows = readTable(p);
    else
      list.rows.push_back(readScalars(p));
    doc.lists.push_back(std::move(list));
    ++done;
  }
  if (progress) progress(total, total, {});
  doc.device.elapsedMs = clock.elapsed();
  return doc;
}
