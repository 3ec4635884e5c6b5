#include "mvsnmp/MvSNMPRequest.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cmath>
#include <limits>

#include "mvsnmp/MvExpression.h"
#include "mvsnmp/MvOptionList.h"
#include "mvsnmp/MvSnmpTransport.h"
#include "mvsnmp/MvValueConversion.h"

namespace {

constexpr int kDestructorWaitMs = 6000;
// An answer that ends a walk badly: an OID that does not move forward.
constexpr int kNonIncreasingStatus = 5;  // genErr
constexpr int kInvalidPduStatus = -11;
constexpr int kInvalidOidStatus = -17;
constexpr int kTooBigStatus = 1;
constexpr int kGenErrStatus = 5;
// Get-bulk repetitions: where an adapting walk starts, and the most it asks for.
constexpr int kFirstRepetitions = 10;
constexpr int kMostRepetitions = 64;
// Whole answers at the count an agent cut to before the count grows again.
constexpr int kWholeBeforeGrowing = 8;

[[noreturn]] void raiseStatus(int status) {
  const MvSNMPError e = translateStatus(status);
  throw MvException(e.code, e.message);
}

MvOid oidOf(const QString& text) {
  std::optional<MvOid> oid = parseOid(text);
  if (!oid) raiseStatus(kInvalidOidStatus);
  return *oid;
}

// A double truncated toward zero into an integer type, saturating instead of overflowing.
template <typename T>
T truncated(double x) {
  if (std::isnan(x)) return 0;
  const double t = std::trunc(x);
  if (t <= static_cast<double>(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
  if (t >= static_cast<double>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
  return static_cast<T>(t);
}

}  // namespace

MvSNMPRequest::MvSNMPRequest() {
  loadDeviceTarget();
}

MvSNMPRequest::~MvSNMPRequest() {
  alive = false;
  if (pending > 0 && QCoreApplication::instance()) {
    // A nested loop sleeps until something happens; processEvents with a time limit would spin.
    QElapsedTimer waited;
    waited.start();
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
      if (pending <= 0 || waited.elapsed() >= kDestructorWaitMs) loop.quit();
    });
    check.start(10);
    loop.exec();
  }
  for (quint64 id : outstanding_) MvSnmpTransport::cancel(id);
  dropAhead();
}

void MvSNMPRequest::loadDeviceTarget() {
  const MvDeviceParams& t = DeviceTarget;
  timeout = t.timeout;
  retries = t.retries;
  address = t.address;
  agentPort = t.agentPort;
  contextEngineId = t.contextEngineId;
  securityEngineId = t.securityEngineId;
  contextName = t.contextName;
  version = t.version;
  readCommunity = t.readCommunity;
  writeCommunity = t.writeCommunity;
  securityModel = t.securityModel;
  securityLevel = t.securityLevel;
  securityName = t.securityName;
  authPassword = t.authPassword;
  privPassword = t.privPassword;
  authProtocol = t.authProtocol;
  privProtocol = t.privProtocol;
  maxRepetitions = t.maxRepetitions;
}

MvDeviceParams MvSNMPRequest::params() const {
  MvDeviceParams p;
  p.address = address;
  p.agentPort = agentPort;
  p.contextEngineId = contextEngineId;
  p.securityEngineId = securityEngineId;
  p.contextName = contextName;
  p.version = version;
  p.readCommunity = readCommunity;
  p.writeCommunity = writeCommunity;
  p.securityModel = securityModel;
  p.securityLevel = securityLevel;
  p.securityName = securityName;
  p.authPassword = authPassword;
  p.privPassword = privPassword;
  p.authProtocol = authProtocol;
  p.privProtocol = privProtocol;
  p.timeout = timeout;
  p.retries = retries;
  p.maxRepetitions = maxRepetitions;
  p.readResends = readResends;
  return p;
}

bool MvSNMPRequest::usesGetNext() const {
  switch (varList.itemType()) {
    case SVT_SV:
    case MVT_SV:
      return false;
    case MVT_FMV:
    case MVT_UMV:
      return true;
    default:
      raiseError(MvCode::BadItemType);
  }
}

std::vector<MvVarBind> MvSNMPRequest::buildPdu(PduKind kind) {
  std::vector<MvVarBind> vbs;
  const quint8 type = varList.itemType();
  if (type > MVT_UMV) raiseError(MvCode::BadItemType);
  if (kind == PduKind::NextRow && !varList.isTableList()) raiseError(MvCode::GetNextOnSingleValue);
  // The only texts a read parses: the columns, once per walk (and the positions of a walk this
  // request did not begin).
  const size_t count = static_cast<size_t>(varList.count());
  if (kind != PduKind::Write && (kind == PduKind::FirstRead || columns_.size() != count)) {
    columns_.assign(count, MvOid());
    positions_.assign(count, MvOid());
    for (int i = 0; i < varList.count(); ++i) {
      if (!varList.isReadable(i)) continue;
      const SnmpVarItem& item = varList.item(i);
      const size_t k = static_cast<size_t>(i);
      columns_[k] = oidOf(type == SVT_SV ? item.oid + QStringLiteral(".0") : item.oid);
      if (kind == PduKind::NextRow) positions_[k] = oidOf(item.currentOid);
    }
  }
  for (int i = 0; i < varList.count(); ++i) {
    SnmpVarItem& item = varList.item(i);
    if (kind == PduKind::Write) {
      if (!varList.isSettable(i) || (varList.isTableList() && i < varList.keyCount())) continue;
      const QString oid = type == SVT_SV   ? item.oid + QStringLiteral(".0")
                          : type == MVT_SV ? item.oid
                          : !writeInstance.isEmpty() ? item.oid + u'.' + writeInstance
                                                     : item.oid + u'.' + encodeRowIndex();
      MvVarBind vb{oidOf(oid), MvValue::null()};
      vb.value.type = valueTypeOfSyntax(item.syntax);
      loadValue(i, vb.value);
      vbs.push_back(std::move(vb));
      continue;
    }
    if (!varList.isReadable(i)) continue;
    if (kind == PduKind::FirstRead) {
      item.currentOid.clear();
      vbs.push_back({columns_[static_cast<size_t>(i)], MvValue::null()});
    } else {
      vbs.push_back({positions_[static_cast<size_t>(i)], MvValue::null()});
    }
  }
  return vbs;
}

const MvOid& MvSNMPRequest::currentArcs(int i) const {
  static const MvOid none{};
  const size_t k = static_cast<size_t>(i);
  return k < positions_.size() ? positions_[k] : none;
}

MvSNMPRequest::Visit MvSNMPRequest::visitAnswer(const MvSnmpAnswer& answer, int code,
                                                const std::vector<MvVarBind>& asked) {
  static const QString notDone = QString::fromLatin1(NotDoneValueText);
  const bool table = varList.isTableList();
  if (columns_.size() != static_cast<size_t>(varList.count())) {
    // A write read back before any read, or a list replaced under a walk: the columns and
    // positions as the items give them.
    columns_.assign(static_cast<size_t>(varList.count()), MvOid());
    positions_.assign(columns_.size(), MvOid());
    for (int i = 0; i < varList.count(); ++i) {
      const SnmpVarItem& item = varList.item(i);
      const size_t k = static_cast<size_t>(i);
      const bool scalar = varList.itemType() == SVT_SV;
      columns_[k] = parseOid(scalar ? item.oid + QStringLiteral(".0") : item.oid).value_or(MvOid());
      positions_[k] = parseOid(item.currentOid).value_or(MvOid());
    }
  }
  // One answered varbind per readable item, in list order.
  cells_.clear();
  for (int i = 0; i < varList.count(); ++i) {
    if (!varList.isReadable(i)) continue;
    const size_t n = cells_.size();
    if (n >= answer.varbinds.size() || n >= asked.size()) raiseStatus(kInvalidPduStatus);
    const MvVarBind& vb = answer.varbinds[n];
    Cell cell{i, &vb, false, 0};
    if (code == -102) {
      // A v1 agent ends a walk with noSuchName and echoes the OID it was asked for.
      if (asked[n].oid == vb.oid) return Visit::EndOfWalk;
      raiseStatus(2);
    }
    if (table) {
      const bool endOfView = vb.value.isException();
      // A get-next answer must move forward: an agent that answers with the OID it was given,
      // or one before it, would keep a walk going for ever. (endOfMibView echoes the asked OID.)
      if (!endOfView && compareOids(vb.oid, asked[n].oid) <= 0) raiseStatus(kNonIncreasingStatus);
      const size_t k = static_cast<size_t>(i);
      cell.finished = endOfView || columnEnded(columns_.at(k), positions_.at(k), vb.oid);
      cell.instanceAt = std::min(columns_[k].size(), vb.oid.size());
    }
    cells_.push_back(cell);
  }

  // The row being read is the lowest instance any column answered with. A column whose next
  // object lies further on has no value in this row: it shows "(NOTDONE)" and asks again from
  // the same place next time, so that every column stays in step with the row.
  auto instanceOrder = [](const Cell& a, const Cell& b) {
    return std::lexicographical_compare_three_way(a.vb->oid.begin() + a.instanceAt, a.vb->oid.end(),
                                                  b.vb->oid.begin() + b.instanceAt, b.vb->oid.end());
  };
  const Cell* row = nullptr;
  for (const Cell& c : cells_)
    if (!c.finished && (!row || instanceOrder(c, *row) < 0)) row = &c;

  for (size_t n = 0; n < cells_.size(); ++n) {
    const Cell& c = cells_[n];
    SnmpVarItem& item = varList.item(c.item);
    MvOid& position = positions_.at(static_cast<size_t>(c.item));
    if (!row || c.finished || (table && instanceOrder(c, *row) != 0)) {
      item.value = notDone;
      position = asked[n].oid;
    } else {
      storeValue(c.item, c.vb->value);  // noSuchObject / noSuchInstance in a get: "(NULL)"
      position = c.vb->oid;
    }
    setOidText(item.currentOid, position);
  }
  if (!row) return Visit::AllFinished;
  if (table) decodeRowIndex(oidText(row->vb->oid, row->instanceAt));
  afterRow();
  return Visit::Row;
}

void MvSNMPRequest::afterRow() {
  for (int i = 0; i < varList.count(); ++i) evaluateDerived(i, true);
}

// ---- get-bulk read-ahead ----------------------------------------------------------------------

bool MvSNMPRequest::readsAhead() const {
  return version != 0 && maxRepetitions != 0 && usesGetNext();
}

void MvSNMPRequest::startWalk() {
  dropAhead();
  readAhead_.clear();
  answers_ = 0;
  repetitions_ = maxRepetitions > 0 ? maxRepetitions : kFirstRepetitions;
  mostRepetitions_ = kMostRepetitions;
  agentCap_ = 0;
  wholeAtCap_ = 0;
  bulkRefused_ = false;
  rowsRead_ = 0;
}

std::optional<MvSnmpAnswer> MvSNMPRequest::fromReadAhead(const std::vector<MvVarBind>& vbs) const {
  if (readAhead_.empty() || vbs.empty()) return std::nullopt;
  MvSnmpAnswer a;
  a.agentAddress = address;
  a.agentPort = agentPort;
  a.varbinds.reserve(vbs.size());
  for (const MvVarBind& vb : vbs) {
    const auto it = readAhead_.find(vb.oid);
    if (it == readAhead_.end()) return std::nullopt;
    a.varbinds.push_back(it->second.vb);
  }
  return a;
}

std::optional<MvSnmpAnswer> MvSNMPRequest::keepReadAhead(const std::vector<MvVarBind>& vbs,
                                                         const MvSnmpAnswer& bulk,
                                                         int repetitions, bool merge,
                                                         bool sendingAhead) {
  const size_t n = vbs.size();
  const size_t count = bulk.varbinds.size();
  adaptRepetitions(repetitions, static_cast<int>(count / std::max<size_t>(n, 1)));
  // The next rows are asked for before this answer's are kept, stored and handed over.
  if (sendingAhead) sendAhead(vbs, bulk);
  // Repetition r of column c answers get-next of what repetition r-1 of that column returned
  // (of the asked OID for the first): each is kept under the OID a get-next would have asked.
  const int number = ++answers_;
  if (merge)
    std::erase_if(readAhead_, [&](const auto& entry) { return entry.second.answer < number - 1; });
  else
    readAhead_.clear();
  for (size_t i = 0; i < count; ++i) {
    if (i < n) {
      readAhead_.try_emplace(vbs[i].oid, Ahead{bulk.varbinds[i], number});
      continue;
    }
    const MvVarBind& previous = bulk.varbinds[i - n];
    // A column at the end of the MIB view stays there; nothing follows it.
    if (previous.value.isException()) continue;
    readAhead_.try_emplace(previous.oid, Ahead{bulk.varbinds[i], number});
  }
  return fromReadAhead(vbs);
}

// An answer cut short says how many rows fit the agent's message: the next ask is that many, and
// only answers that come back whole let it grow again, by an eighth after kWholeBeforeGrowing of
// them, so that the agent is not asked again and again for rows it then has to drop.
void MvSNMPRequest::adaptRepetitions(int asked, int answered) {
  if (answered < asked) {
    agentCap_ = std::max(1, answered);
    repetitions_ = agentCap_;
    wholeAtCap_ = 0;
    return;
  }
  if (maxRepetitions >= 0) return;  // the count the profile asks for stays
  if (agentCap_ == 0) {
    repetitions_ = std::min(asked * 2, mostRepetitions_);
    return;
  }
  if (++wholeAtCap_ < kWholeBeforeGrowing) return;
  wholeAtCap_ = 0;
  repetitions_ = std::min(asked + std::max(1, asked / 8), mostRepetitions_);
}

// An agent that caps the varbinds of an answer says so with tooBig, or with genErr: the
// repetitions are halved and the step asked again, down to one repetition and then get-next
// (for the rest of the walk), before such an answer counts as the step's failure.
bool MvSNMPRequest::shrinkAfter(const MvSnmpAnswer& bulk, int asking) {
  if (bulk.status != kTooBigStatus && bulk.status != kGenErrStatus) return false;
  if (asking > 1) {
    repetitions_ = asking / 2;
    mostRepetitions_ = repetitions_;
    agentCap_ = 0;
  } else {
    bulkRefused_ = true;
  }
  return true;
}

void MvSNMPRequest::sendAhead(const std::vector<MvVarBind>& vbs, const MvSnmpAnswer& bulk) {
  if (ahead_ || bulkRefused_ || !alive) return;
  // Where each column asks next once the rows of this answer are handed over: its last OID still
  // inside the column; a column that ended stays where it was.
  const size_t n = vbs.size();
  std::vector<MvVarBind> next = vbs;
  bool goesOn = false;
  size_t c = 0;
  for (int i = 0; i < varList.count() && c < n; ++i) {
    if (!varList.isReadable(i)) continue;
    const MvOid& column = columns_.at(static_cast<size_t>(i));
    bool inside = true;
    for (size_t k = c; k < bulk.varbinds.size() && inside; k += n) {
      const MvVarBind& vb = bulk.varbinds[k];
      inside = !vb.value.isException() && vb.oid.size() > column.size() && isOidPrefix(column, vb.oid);
      if (inside) next[c].oid = vb.oid;
    }
    goesOn = goesOn || inside;
    ++c;
  }
  if (!goesOn) return;
  try {
    const quint64 id = MvSnmpTransport::sendAsync(params(), MvPduKind::GetBulk, next, {}, repetitions_);
    ahead_ = AheadSend{id, std::move(next), repetitions_};
  } catch (const MvException&) {
    // Not sent: the step that needs it sends it itself and meets the same refusal.
  }
}

void MvSNMPRequest::dropAhead() {
  if (ahead_) MvSnmpTransport::cancel(ahead_->id);
  ahead_.reset();
}

MvSnmpAnswer MvSNMPRequest::walkStep(const std::vector<MvVarBind>& vbs) {
  if (!readsAhead()) return MvSnmpTransport::send(params(), MvPduKind::GetNext, vbs);
  if (std::optional<MvSnmpAnswer> cached = fromReadAhead(vbs)) return *cached;
  std::optional<AheadSend> sentAhead = std::move(ahead_);
  ahead_.reset();
  for (;;) {
    if (bulkRefused_) return MvSnmpTransport::send(params(), MvPduKind::GetNext, vbs);
    MvSnmpAnswer bulk;
    int asking = repetitions_;
    if (sentAhead) {
      // The get-bulk sent ahead: this step's own request when it asked for these OIDs, else its
      // rows join those kept, if it brought any.
      const AheadSend sent = std::move(*sentAhead);
      sentAhead.reset();
      bulk = MvSnmpTransport::await(sent.id);
      asking = sent.repetitions;
      const bool same = std::equal(sent.vbs.begin(), sent.vbs.end(), vbs.begin(), vbs.end(),
                                   [](const MvVarBind& a, const MvVarBind& b) { return a.oid == b.oid; });
      if (!same) {
        if (bulk.status != 0) continue;
        keepReadAhead(sent.vbs, bulk, asking, true, true);
        if (std::optional<MvSnmpAnswer> a = fromReadAhead(vbs)) return *a;
        dropAhead();  // went where this step does not: it asks afresh
        continue;
      }
    } else {
      bulk = MvSnmpTransport::send(params(), MvPduKind::GetBulk, vbs, asking);
    }
    if (shrinkAfter(bulk, asking)) continue;
    if (bulk.status != 0) return bulk;
    if (std::optional<MvSnmpAnswer> a = keepReadAhead(vbs, bulk, asking, false, true)) return *a;
    dropAhead();
    // Fewer varbinds than columns: this step goes the plain way.
    return MvSnmpTransport::send(params(), MvPduKind::GetNext, vbs);
  }
}

MvSNMPError MvSNMPRequest::failureOf(const MvSnmpAnswer& answer) const {
  MvSNMPError e = answerError(answer);
  if (e.code != 0 && e.code != -102 && rowsRead_ > 0 && varList.isTableList())
    e.message += QStringLiteral(" (the walk stopped after %1 rows)").arg(rowsRead_);
  return e;
}

bool MvSNMPRequest::readStep(bool first) {
  if (!alive) return false;
  const bool next = usesGetNext();
  if (first) startWalk();
  const std::vector<MvVarBind> vbs = buildPdu(first ? PduKind::FirstRead : PduKind::NextRow);
  const MvSnmpAnswer answer =
      next ? walkStep(vbs) : MvSnmpTransport::send(params(), MvPduKind::Get, vbs);
  const MvSNMPError e = failureOf(answer);
  if (e.code != 0 && !(e.code == -102 && varList.isTableList())) {
    dropAhead();
    throw MvException(e.code, e.message);
  }
  Visit v = Visit::EndOfWalk;
  try {
    v = visitAnswer(answer, e.code, vbs);
  } catch (...) {
    dropAhead();
    throw;
  }
  if (v == Visit::Row) ++rowsRead_;
  const bool more = v == Visit::Row && varList.isTableList();
  if (!more) dropAhead();
  return more;
}

void MvSNMPRequest::track(quint64 id) {
  outstanding_.insert(id);
  ++pending;
}

void MvSNMPRequest::sendWalkStep(const std::vector<MvVarBind>& vbs, const SnmpCompletion& callback,
                                 void* userData, bool readBack) {
  auto id = std::make_shared<quint64>(0);
  auto finish = [this, id, vbs, callback, userData, readBack](const MvSnmpAnswer& a) {
    completeAsync(*id, a, vbs, callback, userData, readBack);
  };
  if (std::optional<MvSnmpAnswer> cached = fromReadAhead(vbs)) {
    *id = MvSnmpTransport::deliverLater(std::move(*cached), finish);
    track(*id);
    return;
  }
  if (bulkRefused_) {
    sendTracked(MvPduKind::GetNext, vbs, callback, userData, readBack);
    return;
  }
  const int asking = repetitions_;
  *id = MvSnmpTransport::sendAsync(
      params(), MvPduKind::GetBulk, vbs,
      [this, id, vbs, callback, userData, readBack, asking, finish](const MvSnmpAnswer& bulk) {
        // Sent again (fewer repetitions, or get-next): this operation ends without a completion.
        auto again = [&](MvPduKind kind) {
          outstanding_.erase(*id);
          --pending;
          try {
            if (kind == MvPduKind::GetBulk) {
              sendWalkStep(vbs, callback, userData, readBack);
            } else {
              sendTracked(MvPduKind::GetNext, vbs, callback, userData, readBack);
            }
          } catch (const MvException& e) {
            MvSNMPError failed;
            failed.code = e.code();
            failed.message = e.message();
            if (callback) callback(userData, failed, varList);
          }
        };
        if (alive && shrinkAfter(bulk, asking)) {
          again(MvPduKind::GetBulk);  // or get-next, once the bulk is refused
          return;
        }
        if (bulk.status != 0) {
          finish(bulk);
          return;
        }
        if (std::optional<MvSnmpAnswer> a = keepReadAhead(vbs, bulk, asking)) {
          finish(*a);
          return;
        }
        again(MvPduKind::GetNext);
      },
      asking);
  track(*id);
}

void MvSNMPRequest::send(PduKind kind, SnmpCompletion callback, void* userData, bool readBack) {
  MvPduKind pduKind = MvPduKind::Set;
  std::vector<MvVarBind> vbs;
  if (kind == PduKind::Write) {
    const MvSNMPVarList saved = varList;
    for (int i = 0; i < varList.count(); ++i) evaluateDerived(i, false);
    vbs = buildPdu(kind);
    varList = saved;
  } else {
    pduKind = usesGetNext() ? MvPduKind::GetNext : MvPduKind::Get;
    if (kind == PduKind::FirstRead) startWalk();
    vbs = buildPdu(kind);
  }
  if (pduKind == MvPduKind::GetNext && readsAhead()) {
    sendWalkStep(vbs, callback, userData, readBack);
    return;
  }
  sendTracked(pduKind, vbs, callback, userData, readBack);
}

void MvSNMPRequest::sendTracked(MvPduKind kind, const std::vector<MvVarBind>& vbs,
                                const SnmpCompletion& callback, void* userData, bool readBack) {
  // The id is known only once sent; the handler looks it up through a shared slot.
  auto id = std::make_shared<quint64>(0);
  *id = MvSnmpTransport::sendAsync(
      params(), kind, vbs,
      [this, id, vbs, callback, userData, readBack](const MvSnmpAnswer& a) {
        completeAsync(*id, a, vbs, callback, userData, readBack);
      });
  track(*id);
}

void MvSNMPRequest::readAsync(SnmpCompletion callback, void* userData, bool first) {
  if (!alive) return;
  send(first ? PduKind::FirstRead : PduKind::NextRow, std::move(callback), userData, true);
}

bool MvSNMPRequest::write(bool) {
  if (!alive) return false;
  const MvSNMPVarList saved = varList;
  for (int i = 0; i < varList.count(); ++i) evaluateDerived(i, false);
  std::vector<MvVarBind> vbs;
  try {
    vbs = buildPdu(PduKind::Write);
  } catch (...) {
    varList = saved;
    throw;
  }
  varList = saved;
  const MvSnmpAnswer answer = MvSnmpTransport::send(params(), MvPduKind::Set, vbs);
  const MvSNMPError e = answerError(answer);
  if (e.code != 0) throw MvException(e.code, e.message);
  return false;
}

void MvSNMPRequest::writeAsync(SnmpCompletion callback, void* userData, bool readBack) {
  if (!alive) return;
  send(PduKind::Write, std::move(callback), userData, readBack);
}

void MvSNMPRequest::completeAsync(quint64 id, const MvSnmpAnswer& answer,
                                  const std::vector<MvVarBind>& asked, const SnmpCompletion& callback,
                                  void* userData, bool readBack) {
  outstanding_.erase(id);
  // Only a read reports how far its walk came; a set's error stands alone.
  MvSNMPError e = readBack ? failureOf(answer) : answerError(answer);
  e.finished = true;
  const bool table = varList.isTableList();
  if (readBack && (e.code == 0 || (e.code == -102 && table))) {
    e.finished = false;
    try {
      const Visit v = visitAnswer(answer, e.code, asked);
      if (v == Visit::EndOfWalk) {
        const MvSNMPError ok = translateStatus(0);
        e.code = ok.code;
        e.message = ok.message;
      }
      if (v == Visit::Row) ++rowsRead_;
      if (v != Visit::Row || !table) e.finished = true;
    } catch (const MvException& ex) {
      e.code = ex.code();
      e.message = ex.message();
      e.finished = true;
    }
  }
  if (callback) callback(userData, e, varList);
  --pending;
}

QString MvSNMPRequest::decodeIndexValue(int i, const QString& suffix) {
  return ::decodeIndexValue(varList, i, suffix);
}

QString MvSNMPRequest::encodeIndexValue(int i) {
  return ::encodeIndexValue(varList, i);
}

void MvSNMPRequest::storeValue(int i, const MvValue& value) {
  ::storeValue(varList, i, value);
}

void MvSNMPRequest::loadValue(int i, MvValue& value) {
  ::loadValue(varList, i, value);
}

void MvSNMPRequest::decodeRowIndex(const QString& rowIndex) {
  QString remaining = rowIndex;
  for (int i = 0; i < varList.keyCount() && i < varList.count(); ++i) {
    if (remaining.isEmpty()) raiseError(MvCode::BadKeyCount);
    SnmpVarItem& item = varList.item(i);
    if (!varList.isReadable(i)) item.currentOid = item.oid + u'.' + rowIndex;
    remaining = decodeIndexValue(i, remaining);
  }
}

QString MvSNMPRequest::encodeRowIndex() {
  QStringList parts;
  for (int i = 0; i < varList.keyCount() && i < varList.count(); ++i) parts << encodeIndexValue(i);
  return parts.join(u'.');
}

bool MvSNMPRequest::isColumnFinished(const QString& columnOid, const QString& previousOid,
                                     const QString& returnedOid) {
  if (!varList.isTableList()) return false;
  const std::optional<MvOid> column = parseOid(columnOid);
  const std::optional<MvOid> returned = parseOid(returnedOid);
  if (!column || !returned) return true;
  return columnEnded(*column, parseOid(previousOid).value_or(MvOid()), *returned);
}

bool MvSNMPRequest::columnEnded(const MvOid& column, const MvOid& previous, const MvOid& returned) {
  if (!varList.isTableList()) return false;
  // Under the column means the column's OID followed by more sub-identifiers: the column "x.1"
  // must not take in the objects of a column "x.10".
  if (returned.size() > column.size() && isOidPrefix(column, returned))
    return returned == previous;  // the agent repeated itself
  return true;
}

void MvSNMPRequest::evaluateDerived(int i, bool afterRead) {
  SnmpVarItem& item = varList.item(i);
  const std::optional<QString>& expr = afterRead ? item.readExpr : item.writeExpr;
  if (!expr) return;
  const double x = evaluateNumber(substituteValues(*expr, QStringLiteral("$"), false));
  QString value;
  switch (item.syntax) {
    case Syntax::Boolean:
      value = QLatin1String(x != 0 ? "true" : "false");
      break;
    case Syntax::Integer:
      value = QString::number(truncated<qint32>(x));
      break;
    case Syntax::Counter:
    case Syntax::Guage:
    case Syntax::UInteger:
      value = QString::number(truncated<quint32>(x));
      break;
    case Syntax::TimeTicks:
      value = ticksText(truncated<quint32>(x));
      break;
    case Syntax::Counter64:
      value = QString::number(truncated<quint64>(x));
      break;
    case Syntax::Double:
      value = doubleText(x);
      break;
    case Syntax::BcDateTime:
      value = bcDateTimeText(x);
      break;
    default:
      raiseError(MvCode::BadSyntaxInExpression);
  }
  item.value = item.options ? item.options->labelOf(value) : value;
}

bool MvSNMPRequest::evaluateCondition(const QString& text) {
  if (text.isEmpty()) return true;
  return evaluateLogic(substituteValues(text, QStringLiteral("$"), true));
}

QString MvSNMPRequest::substituteValues(const QString& expression, const QString& marker,
                                        bool quoteStrings) {
  if (marker.isEmpty()) return expression;
  QString text = expression;
  qsizetype from = 0;
  for (;;) {
    const qsizetype at = text.indexOf(marker, from);
    if (at < 0) return text;
    qsizetype end = at + marker.size();
    while (end < text.size() && text.at(end).isDigit() && text.at(end).unicode() < 128) ++end;
    bool ok = false;
    const int n = text.mid(at + marker.size(), end - at - marker.size()).toInt(&ok);
    if (!ok || n < 0 || n >= varList.count()) raiseError(MvCode::BadSyntaxInExpression);
    const SnmpVarItem& item = varList.item(n);
    const QString raw = rawValueOf(item);
    if (raw == QLatin1String(NullValueText)) raiseError(MvCode::NullInExpression);
    QString operand;
    switch (item.syntax) {
      case Syntax::Boolean:
      case Syntax::Bool8:
      case Syntax::Bool16:
        operand = QLatin1String(raw == QLatin1String("true") ? "1" : "0");
        break;
      case Syntax::Integer:
      case Syntax::Counter:
      case Syntax::Guage:
      case Syntax::Counter64:
      case Syntax::UInteger:
      case Syntax::Double:
      case Syntax::Int8:
      case Syntax::UInt8:
      case Syntax::Int16:
      case Syntax::UInt16:
        operand = raw;
        break;
      case Syntax::TimeTicks:
        operand = QString::number(ticksOfText(raw));
        break;
      case Syntax::BcDateTime:
        operand = QString::number(bcDateTimeOfText(raw), 'g', 15);
        break;
      default:
        if (!quoteStrings) raiseError(MvCode::BadSyntaxInExpression);
        operand = u'"' + raw + u'"';
    }
    text = text.left(at) + operand + text.mid(end);
    // Values are not scanned again for markers: a value holding "$1" stays as it is.
    from = at + operand.size();
  }
}
