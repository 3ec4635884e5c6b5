// A configuration snapshot as held in memory and in its file: the device it was read from, then
// per descriptor list the values of its writable objects (scalars, or every row of a table),
// each with its OID, syntax and text form. The JSON file is the document; values keep the exact
// text form the value conversions read back, so a saved value is written back unchanged.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <stdexcept>
#include <vector>

// A file that cannot be read, written or understood as a snapshot.
class SnapshotError : public std::runtime_error {
 public:
  explicit SnapshotError(const QString& message)
      : std::runtime_error(message.toStdString()), message_(message) {}
  const QString& message() const { return message_; }

 private:
  QString message_;
};

struct SnapshotValue {
  QString oid;          // the object instance (".0" for a scalar, column + row index in a table)
  QString label;        // the catalogue's label
  quint32 syntax = 0;   // the catalogue's syntax code
  QString value;        // text form of the value itself (no option label): what a set sends
  QString text;         // as a page shows it: the option label where the list has one
  bool absent = false;  // the agent has no such object (value and text are empty)

  bool sameValue(const SnapshotValue& other) const {
    return absent == other.absent && value == other.value;
  }
};

struct SnapshotRow {
  QString instance;  // dotted row index; empty for a list of scalars
  QString index;     // the index columns as shown ("10", "10.90.90.10"); empty for scalars
  std::vector<SnapshotValue> values;

  const SnapshotValue* find(QStringView oid) const;
};

struct SnapshotList {
  QString name;      // the catalogue's list name
  QString menuPath;  // "Configuration › Trust Host Management › Trust Host", empty when no entry
  QString caption;   // the page's (or tab's) caption
  bool table = false;
  std::vector<SnapshotRow> rows;  // scalars: exactly one row with an empty instance

  const SnapshotRow* findRow(QStringView instance) const;
  // The menu path, or the list's name for a list no menu entry shows.
  QString where() const { return menuPath.isEmpty() ? name : menuPath; }
};

struct SnapshotDevice {
  QString address;
  quint16 port = 0;
  QString sysDescr;
  QString sysName;
  QString sysObjectId;
  QString taken;           // local date and time, ISO 8601
  qint64 elapsedMs = 0;    // how long reading took
};

struct SnapshotDocument {
  SnapshotDevice device;
  std::vector<SnapshotList> lists;

  const SnapshotList* findList(QStringView name) const;
  int valueCount() const;

  QByteArray toJson() const;
  // Throws SnapshotError for a document that is not a snapshot of this format.
  static SnapshotDocument fromJson(const QByteArray& json);
};

// Writes the file readable by its owner only (a switch's tables may hold community strings and
// passwords); an existing file is replaced as a whole or left as it was. Throws SnapshotError.
void writeSnapshotFile(const QString& path, const SnapshotDocument& doc);
// Throws SnapshotError.
SnapshotDocument readSnapshotFile(const QString& path);
