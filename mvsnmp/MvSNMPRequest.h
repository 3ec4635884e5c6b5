// The one class through which the program talks SNMP: a copy of the device parameters and one
// variable list, read with get (scalars, one row) or a get-next walk one row per step (tables),
// written with set, synchronously (errors thrown) or asynchronously (a completion callback).
// Over SNMPv2c and v3 a walk reads ahead with get-bulk: each step still hands over one row, with
// exactly the values get-next would have given, and most steps need no round trip.
#pragma once

#include <QString>
#include <functional>
#include <map>
#include <optional>
#include <set>

#include "mvsnmp/MvDeviceParams.h"
#include "mvsnmp/MvError.h"
#include "mvsnmp/MvSNMPVarList.h"
#include "mvsnmp/MvSnmpTransport.h"
#include "mvsnmp/MvValue.h"

// Called exactly once per asynchronous operation (unless the request is destroyed first).
using SnmpCompletion =
    std::function<void(void* userData, const MvSNMPError& error, MvSNMPVarList& list)>;

class MvSNMPRequest {
 public:
  MvSNMPRequest();
  // Clears `alive`, lets completions run for up to 6 s while operations are outstanding, then
  // cancels what is left: a late answer never reaches a destroyed request.
  virtual ~MvSNMPRequest();
  MvSNMPRequest(const MvSNMPRequest&) = delete;
  MvSNMPRequest& operator=(const MvSNMPRequest&) = delete;

  void loadDeviceTarget();
  MvDeviceParams params() const;

  // One read step: the only get of a single-value list, or one row of a table walk. True exactly
  // when a table row was read and more may follow.
  bool readStep(bool first);
  void readAsync(SnmpCompletion callback, void* userData, bool first);
  bool write(bool readBack = false);
  void writeAsync(SnmpCompletion callback, void* userData, bool readBack = false);

  bool matchesCondition(const QString& text) { return evaluateCondition(text); }
  bool matchesFilter() { return evaluateCondition(condition); }

  virtual QString substituteValues(const QString& expression, const QString& marker,
                                   bool quoteStrings);
  virtual QString decodeIndexValue(int i, const QString& suffix);
  virtual QString encodeIndexValue(int i);
  virtual void storeValue(int i, const MvValue& value);
  virtual void loadValue(int i, MvValue& value);
  virtual void evaluateDerived(int i, bool afterRead);
  virtual bool evaluateCondition(const QString& text);
  // The text form of the rule below: the column, the item's previous currentOid and the
  // returned OID as dotted texts.
  virtual bool isColumnFinished(const QString& columnOid, const QString& previousOid,
                                const QString& returnedOid);

  void decodeRowIndex(const QString& rowIndex);
  QString encodeRowIndex();

  // The OID item i was last answered with (or, for a column without a value in this row, where
  // it asks next), as numbers: what currentOid shows as text. Empty before the first read.
  const MvOid& currentArcs(int i) const;

  qint32 timeout = 0;
  qint32 retries = 1;
  QString address;
  quint16 agentPort = 0;
  QString contextEngineId;
  QString securityEngineId;  // see MvDeviceParams
  QByteArray contextName;
  quint8 version = 0;
  QString readCommunity;
  QString writeCommunity;
  qint32 securityModel = 0;
  qint32 securityLevel = 0;
  QByteArray securityName;
  QByteArray authPassword;
  QByteArray privPassword;
  qint32 authProtocol = 0;
  qint32 privProtocol = 0;
  qint32 maxRepetitions = -1;  // see MvDeviceParams
  qint32 readResends = 2;      // see MvDeviceParams; kept by loadDeviceTarget
  MvSNMPVarList varList;
  // When not empty, a write to a table list addresses this row index (dotted sub-identifiers)
  // instead of the one encoded from the index items: a row read from the device is written and
  // deleted by the index it was read with, whatever its index items' texts became on the way.
  QString writeInstance;
  QString condition;
  bool alive = true;
  qint32 pending = 0;

 protected:
  // Whether a table column's walk has ended with this answer: the returned OID is not below
  // the column's by whole sub-identifiers, or the agent repeated the previous one. The walk asks
  // this of every varbind, on the numbers as they came from the wire.
  virtual bool columnEnded(const MvOid& column, const MvOid& previous, const MvOid& returned);

 private:
  enum class PduKind { FirstRead, NextRow, Write };
  enum class Visit { Row, AllFinished, EndOfWalk };

  std::vector<MvVarBind> buildPdu(PduKind kind);
  bool usesGetNext() const;
  // Stores an answer's varbinds into the readable items; throws for an error that ends the step.
  // `asked` are the varbinds of the request it answers.
  Visit visitAnswer(const MvSnmpAnswer& answer, int code, const std::vector<MvVarBind>& asked);
  void afterRow();
  void completeAsync(quint64 id, const MvSnmpAnswer& answer, const std::vector<MvVarBind>& asked,
                     const SnmpCompletion& callback, void* userData, bool readBack);
  void send(PduKind kind, SnmpCompletion callback, void* userData, bool readBack);

  // ---- get-bulk read-ahead ----
  bool readsAhead() const;
  void startWalk();
  // The get-next answer to `vbs` from what the get-bulk answers hold, if they hold one for every
  // varbind.
  std::optional<MvSnmpAnswer> fromReadAhead(const std::vector<MvVarBind>& vbs) const;
  // Keeps a get-bulk answer to `vbs` asked with `repetitions` (in place of what was kept, or
  // beside the last answer's for `merge`) and adapts the next count, first sending the next
  // get-bulk ahead for `sendingAhead`; the get-next answer to `vbs` when it holds one.
  std::optional<MvSnmpAnswer> keepReadAhead(const std::vector<MvVarBind>& vbs,
                                            const MvSnmpAnswer& bulk, int repetitions,
                                            bool merge = false, bool sendingAhead = false);
  void adaptRepetitions(int asked, int answered);
  MvSnmpAnswer walkStep(const std::vector<MvVarBind>& vbs);
  // After a get-bulk answered tooBig or genErr: fewer repetitions, or get-next from now on;
  // false for any other answer.
  bool shrinkAfter(const MvSnmpAnswer& bulk, int asking);
  // The blocking walk sends the get-bulk for the rows after `bulk` (an answer to `vbs`) as soon
  // as it is kept, while the rows it holds are still being stored and handed over: one request
  // in flight ahead. Nothing is sent when no column goes on past the answer.
  void sendAhead(const std::vector<MvVarBind>& vbs, const MvSnmpAnswer& bulk);
  void dropAhead();
  void sendWalkStep(const std::vector<MvVarBind>& vbs, const SnmpCompletion& callback,
                    void* userData, bool readBack);
  // Sends one PDU whose answer completes the operation (completeAsync), and counts it.
  void sendTracked(MvPduKind kind, const std::vector<MvVarBind>& vbs,
                   const SnmpCompletion& callback, void* userData, bool readBack);
  void track(quint64 id);
  // A failure mid-walk says how far the walk got.
  MvSNMPError failureOf(const MvSnmpAnswer& answer) const;

  // The walk's own record, per item: the column OID (with ".0" for a scalar) and where the item
  // stands (currentOid as numbers).
  std::vector<MvOid> columns_;
  std::vector<MvOid> positions_;
  struct Cell {
    int item;
    const MvVarBind* vb;
    bool finished;
    size_t instanceAt;  // where the row instance begins in the answered OID (table lists)
  };
  std::vector<Cell> cells_;  // reused from step to step

  // Get-next answers by the OID each answers, with the number of the get-bulk answer they came
  // in: a merged answer keeps the one before it, older ones go.
  struct Ahead {
    MvVarBind vb;
    int answer;
  };
  std::map<MvOid, Ahead> readAhead_;
  int answers_ = 0;
  int repetitions_ = 10;
  int mostRepetitions_ = 64;  // lowered below a count the agent refused
  int agentCap_ = 0;          // the most rows the agent put in an answer it cut short
  int wholeAtCap_ = 0;        // answers in a row that came back whole at that count
  bool bulkRefused_ = false;  // even one repetition was refused: get-next for this walk
  int rowsRead_ = 0;
  struct AheadSend {
    quint64 id = 0;
    std::vector<MvVarBind> vbs;
    int repetitions = 0;
  };
  std::optional<AheadSend> ahead_;

  std::set<quint64> outstanding_;
};
