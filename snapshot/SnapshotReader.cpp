#include "snapshot/SnapshotReader.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>

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

// An error while reading a list names the list.
QString listMessage(const SnapshotListPlan& plan, const QString& message) {
  return QStringLiteral("%1 (%2): %3").arg(plan.menuPath.isEmpty() ? plan.name() : plan.menuPath, plan.name(), message);
}

[[noreturn]] void rethrowFor(const SnapshotListPlan& plan, const MvException& e) {
  throw MvException(e.code(), listMessage(plan, e.message()));
}

bool isNoSuchName(int code) { return code == translateStatus(kNoSuchNameStatus).code; }

// The value of scalar item i as `r` read it.
SnapshotValue scalarValue(const SnapshotListPlan& plan, const MvSNMPVarList& asked, const SnapshotRequest& r, int i) {
  const QString oid = plan.list->kind == SVT_SV ? asked.item(i).oid + QStringLiteral(".0") : asked.item(i).oid;
  return valueOf(r, plan.list->defs[i], i, oid);
}

// A request for item i of `asked` alone: the others are not asked.
void askAlone(SnapshotRequest& one, const MvSNMPVarList& asked, int i) {
  one.varList = asked;
  for (int j = 0; j < one.varList.count(); ++j)
    if (j != i) one.varList.item(j).access |= Access::Invalid;
}

// The row a walk step of `r` read. A row's instance is what follows the column's OID in the
// object the agent returned.
SnapshotRow tableRow(const SnapshotListPlan& plan, SnapshotRequest& r) {
  SnapshotRow row;
  for (int i : plan.items) {
    const SnmpVarItem& item = r.varList.item(i);
    if (row.instance.isEmpty() && r.stored.at(static_cast<size_t>(i)) && item.currentOid.startsWith(item.oid + u'.'))
      row.instance = item.currentOid.mid(item.oid.size() + 1);
  }
  if (row.instance.isEmpty()) row.instance = r.encodeRowIndex();
  QStringList index;
  for (int k = 0; k < r.varList.keyCount(); ++k) index << labelOfRaw(r.varList.item(k), r.varList.item(k).value);
  row.index = index.join(QStringLiteral(", "));
  for (int i : plan.items)
    row.values.push_back(valueOf(r, plan.list->defs[i], i, r.varList.item(i).oid + u'.' + row.instance));
  return row;
}

SnapshotList emptyList(const SnapshotListPlan& p) {
  SnapshotList list;
  list.name = p.name();
  list.menuPath = p.menuPath;
  list.caption = p.caption;
  list.table = p.table();
  return list;
}

// The scalars of a list, one get; an SNMPv1 agent refuses the whole get for one object it
// lacks, so then each object is asked alone.
SnapshotRow readScalars(const SnapshotListPlan& plan) {
  SnapshotRequest r;
  r.varList = plan.readList();
  const MvSNMPVarList asked = r.varList;
  SnapshotRow row;
  try {
    r.step(true);
    for (int i : plan.items) row.values.push_back(scalarValue(plan, asked, r, i));
    return row;
  } catch (const MvException& e) {
    if (!isNoSuchName(e.code()) || plan.items.size() < 2) rethrowFor(plan, e);
  }
  for (int i : plan.items) {
    SnapshotRequest one;
    askAlone(one, asked, i);
    try {
      one.step(true);
    } catch (const MvException& e) {
      if (!isNoSuchName(e.code())) rethrowFor(plan, e);
      one.stored.assign(one.stored.size(), false);
    }
    row.values.push_back(scalarValue(plan, asked, one, i));
  }
  return row;
}

// Every row of a table, one walk.
std::vector<SnapshotRow> readTable(const SnapshotListPlan& plan) {
  SnapshotRequest r;
  r.varList = plan.readList();
  std::vector<SnapshotRow> rows;
  try {
    for (bool more = r.step(true); more; more = r.step(false)) rows.push_back(tableRow(plan, r));
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

// The device's identity as a get of kSystemDefs read it.
SnapshotDevice deviceOf(const MvSNMPRequest& r) {
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
  d.taken = QDateTime::currentDateTime().toString(Qt::ISODate);
  return d;
}

}  // namespace

SnapshotDevice SnapshotReader::readDevice() {
  MvSNMPRequest r;
  r.varList = MvSNMPVarList(kSystemDefs, SVT_SV, 0);
  r.readStep(true);
  return deviceOf(r);
}

SnapshotDocument SnapshotReader::read(const Progress& progress) {
  QElapsedTimer clock;
  clock.start();
  SnapshotDocument doc;
  doc.device = readDevice();
  const std::vector<SnapshotListPlan>& plan = snapshotPlan();
  const int total = static_cast<int>(plan.size());
  int done = 0;
  for (const SnapshotListPlan& p : plan) {
    if (progress) progress(done, total, p.name());
    SnapshotList list = emptyList(p);
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

struct SnapshotAsyncReader::State {
  MvDeviceParams device;
  Done done;
  QElapsedTimer clock;
  SnapshotDocument doc;
  std::size_t index = 0;  // the list being read
  std::unique_ptr<SnapshotRequest> request;
  MvSNMPVarList asked;
  SnapshotList list;
  std::size_t alone = 0;  // SNMPv1: the scalar asked alone, a position in the plan's items
  QObject context;        // the next request goes out after the answer's callback, never inside it
};

SnapshotAsyncReader::SnapshotAsyncReader() : d_(std::make_unique<State>()) {}

SnapshotAsyncReader::~SnapshotAsyncReader() = default;

void SnapshotAsyncReader::start(const MvDeviceParams& device, Done done) {
  d_->device = device;
  d_->done = std::move(done);
  d_->clock.start();
  ask(MvSNMPVarList(kSystemDefs, SVT_SV, 0), true, [this](const MvSNMPError& e) {
    if (!e.ok()) return fail(e.code, e.message);
    d_->doc.device = deviceOf(*d_->request);
    later([this] { nextList(); });
  });
}

void SnapshotAsyncReader::ask(const MvSNMPVarList& list, bool first, std::function<void(const MvSNMPError&)> then) {
  State& d = *d_;
  if (first) {
    // The request talks to this reader's device, whatever DeviceTarget names.
    const MvDeviceParams saved = DeviceTarget;
    DeviceTarget = d.device;
    d.request = std::make_unique<SnapshotRequest>();
    DeviceTarget = saved;
    d.request->varList = list;
  }
  d.request->stored.assign(static_cast<size_t>(d.request->varList.count()), false);
  try {
    d.request->readAsync([then](void*, const MvSNMPError& e, MvSNMPVarList&) { then(e); }, nullptr, first);
  } catch (const MvException& e) {
    fail(e.code(), e.message());
  }
}

void SnapshotAsyncReader::later(std::function<void()> step) { QTimer::singleShot(0, &d_->context, std::move(step)); }

void SnapshotAsyncReader::fail(int code, const QString& message) {
  MvSNMPError e;
  e.code = code;
  e.message = message;
  d_->done(e, d_->doc);
}

void SnapshotAsyncReader::nextList() {
  State& d = *d_;
  const std::vector<SnapshotListPlan>& plan = snapshotPlan();
  if (d.index == plan.size()) {
    d.doc.device.elapsedMs = d.clock.elapsed();
    d.done(MvSNMPError{}, d.doc);
    return;
  }
  const SnapshotListPlan& p = plan[d.index];
  d.list = emptyList(p);
  d.asked = p.readList();
  ask(d.asked, true, [this](const MvSNMPError& e) { onAnswer(e); });
}

void SnapshotAsyncReader::onAnswer(const MvSNMPError& e) {
  State& d = *d_;
  const SnapshotListPlan& p = snapshotPlan()[d.index];
  if (d.list.table) {
    if (!e.ok()) return fail(e.code, listMessage(p, e.message));
    if (!e.finished) {
      d.list.rows.push_back(tableRow(p, *d.request));
      ask(d.asked, false, [this](const MvSNMPError& next) { onAnswer(next); });
      return;
    }
    return listDone();
  }
  if (e.ok()) {
    SnapshotRow row;
    for (int i : p.items) row.values.push_back(scalarValue(p, d.asked, *d.request, i));
    d.list.rows.push_back(std::move(row));
    return listDone();
  }
  if (!isNoSuchName(e.code) || p.items.size() < 2) return fail(e.code, listMessage(p, e.message));
  d.list.rows.push_back(SnapshotRow{});
  d.alone = 0;
  later([this] { askNextAlone(); });
}

void SnapshotAsyncReader::askNextAlone() {
  State& d = *d_;
  const SnapshotListPlan& p = snapshotPlan()[d.index];
  if (d.alone == p.items.size()) return listDone();
  const int i = p.items[d.alone];
  SnapshotRequest one;
  askAlone(one, d.asked, i);
  ask(one.varList, true, [this, i](const MvSNMPError& e) {
    State& s = *d_;
    const SnapshotListPlan& plan = snapshotPlan()[s.index];
    if (!e.ok() && !isNoSuchName(e.code)) return fail(e.code, listMessage(plan, e.message));
    if (!e.ok()) s.request->stored.assign(s.request->stored.size(), false);
    s.list.rows.back().values.push_back(scalarValue(plan, s.asked, *s.request, i));
    ++s.alone;
    later([this] { askNextAlone(); });
  });
}

void SnapshotAsyncReader::listDone() {
  State& d = *d_;
  d.doc.lists.push_back(std::move(d.list));
  ++d.index;
  later([this] { nextList(); });
}
