// Reads kx760sim's --log file: the requests the agent received, in order, so a test checks what
// went on the wire rather than what a form believes it sent.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace kxtest {

struct LoggedVarbind {
  QString oid;
  QString type;   // "integer", "octets", "null", ...
  QString value;  // numbers in decimal, octets as hex digits, "" for null
};

struct LoggedRequest {
  QString pdu;  // "get", "getnext", "getbulk", "set"
  std::vector<LoggedVarbind> varbinds;
  // SNMPv3 requests carry their user, SNMPv1/v2c ones their community.
  std::optional<QString> user;
  std::optional<QString> community;
  // A get-bulk's max-repetitions.
  std::optional<int> maxRepetitions;

  // "oid=value" per varbind, in order.
  QStringList pairs() const;
};

class SimLog {
 public:
  explicit SimLog(QString path) : path_(std::move(path)) {}
  const QString& path() const { return path_; }
  // Every request logged so far.
  std::vector<LoggedRequest> all() const;
  // Those of one PDU type, after the first `skip` lines of the file.
  std::vector<LoggedRequest> of(const QString& pdu, int skip = 0) const;
  // Lines written so far (a mark to read only what follows).
  int lines() const;
  // Requests, after `skip` lines, whose first varbind asks for exactly `oid` (a walk's start).
  int startsOf(const QString& oid, int skip = 0) const;

 private:
  QString path_;
};

}  // namespace kxtest
