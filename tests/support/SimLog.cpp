#include "tests/support/SimLog.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace kxtest {

namespace {

std::vector<LoggedRequest> readLog(const QString& path, int skip) {
  std::vector<LoggedRequest> out;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return out;
  int line = 0;
  while (!file.atEnd()) {
    const QByteArray text = file.readLine();
    if (line++ < skip || text.trimmed().isEmpty()) continue;
    const QJsonObject o = QJsonDocument::fromJson(text).object();
    LoggedRequest r{o.value("pdu").toString(), {}, std::nullopt, std::nullopt};
    if (o.contains("user")) r.user = o.value("user").toString();
    if (o.contains("community")) r.community = o.value("community").toString();
    if (o.contains("maxRepetitions")) r.maxRepetitions = o.value("maxRepetitions").toInt();
    for (const QJsonValue& v : o.value("varbinds").toArray()) {
      const QJsonObject vb = v.toObject();
      const QJsonValue value = vb.value("value");
      r.varbinds.push_back({vb.value("oid").toString(), vb.value("type").toString(),
                            value.isDouble() ? QString::number(value.toInteger()) : value.toString()});
    }
    out.push_back(std::move(r));
  }
  return out;
}

}  // namespace

QStringList LoggedRequest::pairs() const {
  QStringList out;
  for (const LoggedVarbind& vb : varbinds) out << vb.oid + '=' + vb.value;
  return out;
}

std::vector<LoggedRequest> SimLog::all() const { return readLog(path_, 0); }

std::vector<LoggedRequest> SimLog::of(const QString& pdu, int skip) const {
  std::vector<LoggedRequest> out;
  for (LoggedRequest& r : readLog(path_, skip))
    if (r.pdu == pdu) out.push_back(std::move(r));
  return out;
}

int SimLog::lines() const { return static_cast<int>(readLog(path_, 0).size()); }

int SimLog::startsOf(const QString& oid, int skip) const {
  int n = 0;
  for (const LoggedRequest& r : readLog(path_, skip))
    if (!r.varbinds.empty() && r.varbinds.front().oid == oid) ++n;
  return n;
}

}  // namespace kxtest
