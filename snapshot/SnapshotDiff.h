// The differences between two snapshots (a file and the switch now, or two files): values that
// differ, and table rows that only one of them has.
#pragma once

#include <QJsonObject>
#include <QString>
#include <vector>

#include "snapshot/SnapshotDocument.h"

struct SnapshotDifference {
  // Relative to the older side (`from`): a row only `to` has was added, one only `from` has was
  // removed.
  enum class Kind { Changed, RowAdded, RowRemoved };

  Kind kind = Kind::Changed;
  QString list;      // the list's name
  QString where;     // the menu path, or the list's name
  QString caption;   // the page's caption
  QString label;     // the object's label (empty for a row)
  QString index;     // the row's index as shown (empty for scalars)
  QString instance;  // the row's dotted index (empty for scalars)
  QString oid;       // the object instance (empty for a row)
  QString fromText;  // as shown; "(absent)" for an object that side lacks
  QString toText;

  // "Menu › Path: Label [index]: old → new", "Menu › Path: row [index] added".
  QString text() const;
  QJsonObject toJson() const;
};

// In the order of `from`'s lists (then the lists only `to` has), rows and values in their order.
std::vector<SnapshotDifference> diffSnapshots(const SnapshotDocument& from, const SnapshotDocument& to);

// The text shown for a value: its text form, "\"\"" when empty, or "(absent)".
QString snapshotValueText(const SnapshotValue* v);
