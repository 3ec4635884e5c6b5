// The rows of a bound list view as the user works with them: a row that sorts by the kind of its
// column's values, and the rows as tab-separated text (the clipboard) or CSV (a file).
#pragma once

#include <QList>
#include <QString>
#include <QTreeWidgetItem>
#include <memory>
#include <optional>
#include <vector>

#include "mvsnmp/MvValue.h"

class QTreeWidget;

// The syntax of each column's item (0 for a column compared as text, such as one with labels).
using MvColumnKinds = std::shared_ptr<const std::vector<quint32>>;

class MvListRow : public QTreeWidgetItem {
 public:
  MvListRow(const QStringList& texts, MvColumnKinds kinds, QString instance = QString())
      : QTreeWidgetItem(texts), instance_(std::move(instance)), kinds_(std::move(kinds)) {}
  // The row index (dotted sub-identifiers) the line was read with: the row the device means,
  // which its shown index texts may not give back (an address part above 255 shows its low
  // octet). Empty for a line of a list without index.
  const QString& Instance() const { return instance_; }
  // Numbers, counters and time ticks by value, addresses by their octets, the rest as text;
  // a text that is no value of the column's kind (a "(NULL)") after every value.
  bool operator<(const QTreeWidgetItem& other) const override;
  // The syntax the column's values have (0: compared as text).
  quint32 kindOf(int column) const;

 private:
  const std::optional<MvValue>& sortKey(int column) const;

  QString instance_;
  MvColumnKinds kinds_;
  mutable int keyColumn_ = -1;  // the column key_ belongs to
  mutable std::optional<MvValue> key_;
};

namespace MvListRows {

// A heading line and one line per row, the shown columns separated by tabs.
QString tabSeparated(const QTreeWidget* view, const QList<QTreeWidgetItem*>& rows);
// Every row, the shown columns, as comma-separated values with a heading line (RFC 4180: a
// field with a comma, a quote or a line break is quoted, its quotes doubled; CRLF line ends).
QString csv(const QTreeWidget* view);

// Whether a row holds the filter text in one of the view's shown columns (letter case ignored).
// In a column of octets (a MAC address, shown as bare hexadecimal digits) a filter typed with
// ":" "-" "." or blanks between its digits matches too: "00:1A:2b" finds 001A2B....
bool rowMatches(const QTreeWidget* view, const QTreeWidgetItem* row, const QString& filter);
// Hides the rows from `first` on that do not match the filter and shows those that do (every
// row for an empty filter); the number of rows shown.
int applyFilter(QTreeWidget* view, const QString& filter, int first = 0);
// The rows not hidden.
int shownRows(const QTreeWidget* view);

}  // namespace MvListRows
