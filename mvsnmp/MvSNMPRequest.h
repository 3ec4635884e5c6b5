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
#include "mvsnmp/MvValue.h"

struct MvSnmpAnswer;
enum class MvPduKind;
struct MvVarBind;

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
  virtual bool isColumnFinished(const QString& columnOid, const QString& previousOid,
                                const QString& returnedOid);

  void decodeRowIndex(const QString& rowIndex);
  QString encodeRowIndex();

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

 private:
  enum class PduKind { FirstRead, NextRow, Write };
  enum class Visit { Row, AllFinished, EndOfWalk };

  std::vector<MvVarBind> buildPdu(PduKind kind);
  bool usesGetNext() const;
  // Stores an answer's varbinds into the readable items; throws for an error that ends the step.
  Visit visitAnswer(const MvSnmpAnswer& answer, int code, const std::vector<QString>& asked);
  void afterRow();
  static std::vector<QString> askedOids(const std::vector<MvVarBind>& vbs);
  void completeAsync(quint64 id, const MvSnmpAnswer& answer, const std::vector<QString>& asked,
                     const SnmpCompletion& callback, void* userData, bool readBack);
  void send(PduKind kind, SnmpCompletion callback, void* userData, bool readBack);

  // ---- get-bulk read-ahead ----
  bool readsAhead() const;
  void startWalk();
  // The get-next answer to `vbs` from the last get-bulk answer, if it holds one for every varbind.
  std::optional<MvSnmpAnswer> fromReadAhead(const std::vector<MvVarBind>& vbs) const;
  // Keeps a get-bulk answer to `vbs` asked with `repetitions` and adapts the next count; the
  // get-next answer to `vbs` when it holds one.
  std::optional<MvSnmpAnswer> keepReadAhead(const std::vector<MvVarBind>& vbs,
                                            const MvSnmpAnswer& bulk, int repetitions);
  MvSnmpAnswer walkStep(const std::vector<MvVarBind>& vbs);
  // After a get-bulk answered tooBig or genErr: fewer repetitions, or get-next from now on;
  // false for any other answer.
  bool shrinkAfter(const MvSnmpAnswer& bulk, int asking);
  void sendWalkStep(const std::vector<MvVarBind>& vbs, const std::vector<QString>& asked,
                    const SnmpCompletion& callback, void* userData, bool readBack);
  // Sends one PDU whose answer completes the operation (completeAsync), and counts it.
  void sendTracked(MvPduKind kind, const std::vector<MvVarBind>& vbs,
                   const std::vector<QString>& asked, const SnmpCompletion& callback,
                   void* userData, bool readBack);
  void track(quint64 id);
  // A failure mid-walk says how far the walk got.
  MvSNMPError failureOf(const MvSnmpAnswer& answer) const;

  std::map<MvOid, MvVarBind> readAhead_;
  int repetitions_ = 10;
  int mostRepetitions_ = 64;  // lowered below a count the agent refused
  bool bulkRefused_ = false;  // even one repetition was refused: get-next for this walk
  int rowsRead_ = 0;

  std::set<quint64> outstanding_;
};
