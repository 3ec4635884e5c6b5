#include "widgets/MvListRows.h"

#include <QTreeWidget>
#include <cctype>
#include <optional>

#include "mvsnmp/MvSNMPVarList.h"
#include "mvsnmp/MvValueConversion.h"

namespace {

// A sort key of a text: the value's number (the integer kinds) or octets (addresses) when the
// text is one of the column's syntax, else nothing (compared as text).
std::optional<MvValue> keyOf(quint32 syntax, const QString& text) {
  if (syntax == 0 || !isValueSyntax(syntax)) return std::nullopt;
  const std::optional<MvValue> v = valueOfText(syntax, text);
  if (!v || !(v->isNumber() || v->type == MvValueType::IpAddress)) return std::nullopt;
  return v;
}

int compareKeys(const MvValue& a, const MvValue& b) {
  if (a.isNumber() && b.isNumber()) {
    // Integer32 values are kept sign-extended; the unsigned kinds never exceed 64 bits.
    if (a.type == MvValueType::Integer || b.type == MvValueType::Integer)
      return static_cast<qint64>(a.number) < static_cast<qint64>(b.number) ? -1
             : static_cast<qint64>(a.number) > static_cast<qint64>(b.number) ? 1 : 0;
    return a.number < b.number ? -1 : a.number > b.number ? 1 : 0;
  }
  return a.octets < b.octets ? -1 : b.octets < a.octets ? 1 : 0;
}

QList<int> shownColumns(const QTreeWidget* view) {
  QList<int> columns;
  for (int c = 0; c < view->columnCount(); ++c)
    if (!view->isColumnHidden(c)) columns.append(c);
  return columns;
}

bool isOctetColumn(quint32 kind) { return kind == Syntax::MacAddress || kind == Syntax::OctetStr; }

// The filter as bare hexadecimal digits when it is hex digits with separators between them, else
// empty.
QString hexDigitsOf(const QString& filter) {
  QString digits;
  for (QChar c : filter) {
    if (c == u':' || c == u'-' || c == u'.' || c == u' ') continue;
    if (c.unicode() > 0x7f || !std::isxdigit(static_cast<unsigned char>(c.toLatin1()))) return {};
    digits += c;
  }
  return digits.size() == filter.size() ? QString() : digits;  // nothing to take out: plain match
}

QString csvField(const QString& text) {
  if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
    return text;
  QString quoted = text;
  quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
  return u'"' + quoted + u'"';
}

}  // namespace

const std::optional<MvValue>& MvListRow::sortKey(int column) const {
  // Worked out once per row and sort column: a sort compares each row many times.
  if (keyColumn_ != column) {
    const quint32 syntax = kinds_ && column >= 0 && static_cast<size_t>(column) < kinds_->size()
                               ? (*kinds_)[static_cast<size_t>(column)]
                               : 0;
    key_ = keyOf(syntax, text(column));
    keyColumn_ = column;
  }
  return key_;
}

bool MvListRow::operator<(const QTreeWidgetItem& other) const {
  const QTreeWidget* view = treeWidget();
  const int column = view ? view->sortColumn() : 0;
  const auto* row = dynamic_cast<const MvListRow*>(&other);
  const std::optional<MvValue> none;
  const std::optional<MvValue>& a = sortKey(column);
  const std::optional<MvValue>& b = row ? row->sortKey(column) : none;
  if (a && b) {
    const int order = compareKeys(*a, *b);
    if (order != 0) return order < 0;
  } else if (a || b) {
    return a.has_value();  // values before texts that are none
  }
  return text(column).compare(other.text(column), Qt::CaseInsensitive) < 0;
}

namespace MvListRows {

QString tabSeparated(const QTreeWidget* view, const QList<QTreeWidgetItem*>& rows) {
  const QList<int> columns = shownColumns(view);
  QStringList lines;
  QStringList heading;
  for (int c : columns) heading << view->headerItem()->text(c);
  lines << heading.join(u'\t');
  for (const QTreeWidgetItem* row : rows) {
    QStringList fields;
    for (int c : columns) fields << row->text(c);
    lines << fields.join(u'\t');
  }
  return lines.join(u'\n') + u'\n';
}

QString csv(const QTreeWidget* view) {
  const QList<int> columns = shownColumns(view);
  QString out;
  auto line = [&](auto textOf) {
    QStringList fields;
    for (int c : columns) fields << csvField(textOf(c));
    out += fields.join(u',') + QStringLiteral("\r\n");
  };
  line([&](int c) { return view->headerItem()->text(c); });
  for (int r = 0; r < view->topLevelItemCount(); ++r) {
    const QTreeWidgetItem* row = view->topLevelItem(r);
    line([&](int c) { return row->text(c); });
  }
  return out;
}

}  // namespace MvListRows

quint32 MvListRow::kindOf(int column) const {
  return kinds_ && column >= 0 && column < static_cast<int>(kinds_->size()) ? kinds_->at(static_cast<size_t>(column)) : 0;
}

namespace MvListRows {

namespace {

bool matches(const QTreeWidget* view, const QTreeWidgetItem* row, const QString& filter, const QString& digits) {
  const auto* listRow = dynamic_cast<const MvListRow*>(row);
  for (int c = 0; c < view->columnCount(); ++c) {
    if (view->isColumnHidden(c)) continue;
    const QString text = row->text(c);
    if (text.contains(filter, Qt::CaseInsensitive)) return true;
    if (!digits.isEmpty() && listRow && isOctetColumn(listRow->kindOf(c)) && text.contains(digits, Qt::CaseInsensitive))
      return true;
  }
  return false;
}

}  // namespace

bool rowMatches(const QTreeWidget* view, const QTreeWidgetItem* row, const QString& filter) {
  return filter.isEmpty() || matches(view, row, filter, hexDigitsOf(filter));
}

int applyFilter(QTreeWidget* view, const QString& filter, int first) {
  // Without a filter, rows a walk adds are shown as they come: nothing to look at.
  if (filter.isEmpty() && first > 0) return shownRows(view);
  const QString digits = hexDigitsOf(filter);
  int shown = 0;
  for (int r = 0; r < view->topLevelItemCount(); ++r) {
    QTreeWidgetItem* row = view->topLevelItem(r);
    if (r >= first) row->setHidden(!(filter.isEmpty() || matches(view, row, filter, digits)));
    if (!row->isHidden()) ++shown;
  }
  return shown;
}

int shownRows(const QTreeWidget* view) {
  int shown = 0;
  for (int r = 0; r < view->topLevelItemCount(); ++r) shown += view->topLevelItem(r)->isHidden() ? 0 : 1;
  return shown;
}

}  // namespace MvListRows
