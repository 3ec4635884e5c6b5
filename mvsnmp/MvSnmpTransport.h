// The door to the wire: sends one PDU of get, get-next or set to a device and hands back the
// answer in the layer's own types. Only this unit knows the SNMP library underneath.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "mvsnmp/MvDeviceParams.h"
#include "mvsnmp/MvError.h"
#include "mvsnmp/MvValue.h"

// GetBulk (SNMPv2c and v3) asks for max-repetitions get-next answers per varbind in one PDU,
// with no non-repeaters; its answer holds them interleaved, row after row.
enum class MvPduKind { Get, GetNext, Set, GetBulk };

struct MvVarBind {
  MvOid oid;
  MvValue value;
};

// What an operation ended with. `status` uses the numbering translateStatus understands: 0 success,
// 1..18 the agent's error status, -5 time-out, -1..-23 transport and library failures, -1418..-1402
// message processing, 1401..1414 USM reports.
struct MvSnmpAnswer {
  int status = 0;
  int errorIndex = 0;
  std::vector<MvVarBind> varbinds;
  QString agentAddress;
  quint16 agentPort = 0;
  QString detail;  // what the status alone does not say, e.g. the value of a bad error-status
};

// The status translated, with the answer's detail after the catalogue text.
MvSNMPError answerError(const MvSnmpAnswer& answer);

using MvAnswerHandler = std::function<void(const MvSnmpAnswer&)>;

namespace MvSnmpTransport {

// Reads (get, get-next, get-bulk) are sent again after a time-out up to the target's
// readResends more times, each with its time-out and retries: they change nothing on the agent.
// A set keeps its retries + 1 tries. Every try of an operation carries the request-id (and the
// SNMPv3 message ID) of its first, so an answer to an earlier try that comes late still counts.
// An SNMPv3 request that an agent refuses as from an unknown engine
// or out of its time window, or a read that times out where an engine was known (the agent
// restarted), is sent once more over a session that discovers the engine again.

// Sends and waits for the answer (or the time-out after timeout x (retries + 1)). Throws -509 for
// an address that is neither IPv4 nor resolvable, and a clear error for a protocol this build of
// the library cannot do. `maxRepetitions` is for GetBulk; its answer may hold fewer repetitions.
MvSnmpAnswer send(const MvDeviceParams& target, MvPduKind kind, const std::vector<MvVarBind>& vbs,
                  int maxRepetitions = 0);

// Sends without waiting; the handler runs exactly once from the event pump (never inside this
// call) unless the operation is cancelled first. Returns the operation's id. Throws when the
// library refuses to send.
quint64 sendAsync(const MvDeviceParams& target, MvPduKind kind, const std::vector<MvVarBind>& vbs,
                  MvAnswerHandler handler, int maxRepetitions = 0);

// Waits for an operation that sendAsync sent and hands back its outcome; its handler then never
// runs. Meanwhile the library reads every session's answers (others' outcomes are queued for the
// event pump as usual) and this operation's resends go out, without the event loop running. An
// operation cancelled or unknown ends with status -1.
MvSnmpAnswer await(quint64 id);

// Hands an answer already known (a read-ahead) to the handler as sendAsync would: from the event
// pump, never inside this call, and not at all once cancelled. Returns the operation's id.
quint64 deliverLater(MvSnmpAnswer answer, MvAnswerHandler handler);

// The handler of a cancelled operation never runs; a late answer is dropped.
void cancel(quint64 id);

// Operations sent and not yet delivered.
int outstanding();

// Runs the library's receive and time-out processing (the event pump calls these).
void readSocket(int fd);
void processTimeouts();
// The open sockets and the time until the next retransmission or time-out (-1: none pending).
std::vector<int> sockets();
int nextTimeoutMs();

// Closes every cached session (tests use it to start from a clean state).
void closeAll();

}  // namespace MvSnmpTransport
