#include "snapshot/SnapshotDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryFile>
#include <filesystem>

#include "mvsnmp/MvSNMPVarList.h"

namespace {

constexpr char kFormat[] = "kx760-snapshot";
constexpr int kVersion = 1;

// The syntax code of a keyword the file holds; 0 for none.
quint32 syntaxOfKeyword(const QString& keyword) {
  for (quint32 code = 0; code < 256; ++code)
    if (const char* k = syntaxKeyword(code); k && keyword == QLatin1StringView(k)) return code;
  return 0;
}

QJsonObject valueJson(const SnapshotValue& v) {
  const char* keyword = syntaxKeyword(v.syntax);
  QJsonObject o{{"oid", v.oid},
                {"label", v.label},
                {"syntax", QString::fromLatin1(keyword ? keyword : "null")}};
  if (v.absent) {
    o.insert("absent", true);
    return o;
  }
  o.insert("value", v.value);
  if (v.text != v.value) o.insert("text", v.text);
  return o;
}

QJsonArray valuesJson(const std::vector<SnapshotValue>& values) {
  QJsonArray a;
  for (const SnapshotValue& v : values) a.append(valueJson(v));
  return a;
}

[[noreturn]] void malformed(const QString& what) {
  throw SnapshotError(QStringLiteral("not a configuration snapshot: %1").arg(what));
}

QString requiredText(const QJsonObject& o, const char* key, const QString& where) {
  const QJsonValue v = o.value(QLatin1StringView(key));
  if (!v.isString()) malformed(QStringLiteral("%1 has no \"%2\"").arg(where, QLatin1StringView(key)));
  return v.toString();
}

std::vector<SnapshotValue> valuesOf(const QJsonValue& json, const QString& where) {
  if (!json.isArray()) malformed(QStringLiteral("%1 has no \"items\"").arg(where));
  std::vector<SnapshotValue> values;
  for (const QJsonValue& item : json.toArray()) {
    const QJsonObject o = item.toObject();
    SnapshotValue v;
    v.oid = requiredText(o, "oid", where);
    v.label = o.value("label").toString();
    v.syntax = syntaxOfKeyword(requiredText(o, "syntax", where));
    if (v.syntax == 0 || v.syntax == Syntax::Null)
      malformed(QStringLiteral("%1: %2 has an unknown syntax").arg(where, v.oid));
    v.absent = o.value("absent").toBool(false);
    if (!v.absent) {
      v.value = requiredText(o, "value", where + u' ' + v.oid);
      v.text = o.contains("text") ? o.value("text").toString() : v.value;
    }
    values.push_back(std::move(v));
  }
  return values;
}

}  // namespace

const SnapshotValue* SnapshotRow::find(QStringView oid) const {
  for (const SnapshotValue& v : values)
    if (v.oid == oid) return &v;
  return nullptr;
}

const SnapshotRow* SnapshotList::findRow(QStringView instance) const {
  for (const SnapshotRow& r : rows)
    if (r.instance == instance) return &r;
  return nullptr;
}

const SnapshotList* SnapshotDocument::findList(QStringView name) const {
  for (const SnapshotList& l : lists)
    if (l.name == name) return &l;
  return nullptr;
}

int SnapshotDocument::valueCount() const {
  int n = 0;
  for (const SnapshotList& l : lists)
    for (const SnapshotRow& r : l.rows) n += static_cast<int>(r.values.size());
  return n;
}

QByteArray SnapshotDocument::toJson() const {
  QJsonObject dev{{"address", device.address},
                  {"port", device.port},
                  {"sysDescr", device.sysDescr},
                  {"sysName", device.sysName},
                  {"sysObjectID", device.sysObjectId},
                  {"taken", device.taken},
                  {"elapsedMs", device.elapsedMs}};
  QJsonArray listArray;
  for (const SnapshotList& l : lists) {
    QJsonObject o{{"name", l.name}, {"menu", l.menuPath}, {"caption", l.caption}};
    if (!l.table) {
      o.insert("items", l.rows.empty() ? QJsonArray() : valuesJson(l.rows.front().values));
    } else {
      QJsonArray rows;
      for (const SnapshotRow& r : l.rows)
        rows.append(QJsonObject{{"instance", r.instance}, {"index", r.index}, {"items", valuesJson(r.values)}});
      o.insert("rows", rows);
    }
    listArray.append(o);
  }
  const QJsonObject doc{{"format", kFormat}, {"version", kVersion}, {"device", dev}, {"lists", listArray}};
  return QJsonDocument(doc).toJson(QJsonDocument::Indented);
}

SnapshotDocument SnapshotDocument::fromJson(const QByteArray& json) {
  QJsonParseError error{};
  const QJsonDocument parsed = QJsonDocument::fromJson(json, &error);
  if (parsed.isNull()) malformed(error.errorString());
  const QJsonObject root = parsed.object();
  if (root.value("format").toString() != QLatin1StringView(kFormat))
    malformed(QStringLiteral("no \"format\": \"%1\"").arg(QLatin1StringView(kFormat)));
  if (root.value("version").toInt() != kVersion)
    throw SnapshotError(QStringLiteral("a snapshot of version %1; this program reads version %2")
                            .arg(root.value("version").toInt())
                            .arg(kVersion));
  SnapshotDocument doc;
  const QJsonObject dev = root.value("device").toObject();
  doc.device.address = dev.value("address").toString();
  doc.device.port = static_cast<quint16>(dev.value("port").toInt());
  doc.device.sysDescr = dev.value("sysDescr").toString();
  doc.device.sysName = dev.value("sysName").toString();
  doc.device.sysObjectId = dev.value("sysObjectID").toString();
  doc.device.taken = dev.value("taken").toString();
  doc.device.elapsedMs = dev.value("elapsedMs").toInteger();
  if (!root.value("lists").isArray()) malformed(QStringLiteral("no \"lists\""));
  for (const QJsonValue& item : root.value("lists").toArray()) {
    const QJsonObject o = item.toObject();
    SnapshotList l;
    l.name = requiredText(o, "name", QStringLiteral("a list"));
    l.menuPath = o.value("menu").toString();
    l.caption = o.value("caption").toString();
    l.table = o.contains("rows");
    if (!l.table) {
      l.rows.push_back({{}, {}, valuesOf(o.value("items"), l.name)});
    } else {
      if (!o.value("rows").isArray()) malformed(QStringLiteral("%1 has no \"rows\"").arg(l.name));
      for (const QJsonValue& rowJson : o.value("rows").toArray()) {
        const QJsonObject r = rowJson.toObject();
        SnapshotRow row;
        row.instance = requiredText(r, "instance", l.name);
        row.index = r.value("index").toString();
        row.values = valuesOf(r.value("items"), QStringLiteral("%1 [%2]").arg(l.name, row.index));
        l.rows.push_back(std::move(row));
      }
    }
    doc.lists.push_back(std::move(l));
  }
  return doc;
}

void writeSnapshotFile(const QString& path, const SnapshotDocument& doc) {
  // A temporary file is created for its owner alone; it replaces the target only when complete,
  // so an existing file (whatever its permissions were) is never left half written.
  const QFileInfo target(path);
  QTemporaryFile file(target.absoluteDir().filePath(target.fileName() + QStringLiteral(".XXXXXX")));
  if (!file.open())
    throw SnapshotError(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
  file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  const QByteArray bytes = doc.toJson();
  if (file.write(bytes) != bytes.size() || !file.flush())
    throw SnapshotError(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
  file.close();
  std::error_code ec;
  std::filesystem::rename(std::filesystem::path(file.fileName().toStdString()),
                          std::filesystem::path(target.absoluteFilePath().toStdString()), ec);
  if (ec)
    throw SnapshotError(QStringLiteral("cannot write %1: %2").arg(path, QString::fromStdString(ec.message())));
  file.setAutoRemove(false);
}

SnapshotDocument readSnapshotFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw SnapshotError(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
  try {
    return SnapshotDocument::fromJson(file.readAll());
  } catch (const SnapshotError& e) {
    throw SnapshotError(QStringLiteral("%1: %2").arg(path, e.message()));
  }
}
