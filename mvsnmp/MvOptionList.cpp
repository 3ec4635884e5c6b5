#include "mvsnmp/MvOptionList.h"

namespace {

// Decimal integer text in the form the device uses for enumerations: optional blanks and sign,
// digits only, within 32 bits.
bool parseInteger(const QString& text, qint32& out) {
  bool ok = false;
  const qint32 v = text.trimmed().toInt(&ok, 10);
  if (ok) out = v;
  return ok;
}

}  // namespace

MvOptionList::MvOptionList(quint32 kind, bool caseSensitive)
    : kind_(kind), caseSensitive_(caseSensitive) {}

MvOptionList::MvOptionList(const OptionSource* source, quint32 kind, bool caseSensitive)
    : MvOptionList(kind, caseSensitive) {
  append(source);
}

MvOptionList::MvOptionList(const TextOptionSource* source, quint32 kind, bool caseSensitive)
    : MvOptionList(kind, caseSensitive) {
  append(source);
}

void MvOptionList::append(const OptionSource* source) {
  for (; source && source->label; ++source)
    entries_.push_back(
        {source->value, QString::number(source->value), QString::fromUtf8(source->label)});
}

void MvOptionList::append(const TextOptionSource* source) {
  for (; source && source->label; ++source)
    entries_.push_back({0, QString::fromUtf8(source->value ? source->value : ""),
                        QString::fromUtf8(source->label)});
}

QString MvOptionList::valueText(int i) const {
  const Entry& e = item(i);
  return kind_ == Numeric ? QString::number(e.number) : e.text;
}

bool MvOptionList::sameText(const QString& a, const QString& b) const {
  if (caseSensitive_) return QString::localeAwareCompare(a, b) == 0;
  return QString::localeAwareCompare(a.toCaseFolded(), b.toCaseFolded()) == 0;
}

bool MvOptionList::startsWith(const QString& text, const QString& prefix) const {
  return prefix.size() <= text.size() && sameText(text.left(prefix.size()), prefix);
}

int MvOptionList::indexOfLabel(const QString& text) const {
  for (int i = 0; i < count(); ++i) {
    const QString& label = entries_[static_cast<size_t>(i)].label;
    if (kind_ == TextPrefix ? startsWith(text, label) : sameText(text, label)) return i;
  }
  return -1;
}

int MvOptionList::indexOfValue(const QString& text) const {
  if (kind_ == Numeric) {
    qint32 number = 0;
    if (text == QLatin1String("(NULL)") || !parseInteger(text, number)) return -1;
    for (int i = 0; i < count(); ++i)
      if (entries_[static_cast<size_t>(i)].number == number) return i;
    return -1;
  }
  for (int i = 0; i < count(); ++i) {
    const QString& value = entries_[static_cast<size_t>(i)].text;
    if (kind_ == TextPrefix ? startsWith(text, value) : sameText(text, value)) return i;
  }
  return -1;
}

QString MvOptionList::labelOf(const QString& rawValue) const {
  const int i = indexOfValue(rawValue);
  if (i < 0) return rawValue;
  const Entry& e = entries_[static_cast<size_t>(i)];
  if (kind_ == TextPrefix) return e.label + rawValue.mid(e.text.size());
  return e.label;
}

QString MvOptionList::valueOf(const QString& label) const {
  const int i = indexOfLabel(label);
  if (i < 0) return label;
  const Entry& e = entries_[static_cast<size_t>(i)];
  if (kind_ == TextPrefix) return e.text + label.mid(e.label.size());
  return valueText(i);
}

void MvOptionList::fillItems(QStringList& items) const {
  items.clear();
  for (const Entry& e : entries_) items.append(e.label);
}

QStringList MvOptionList::labels() const {
  QStringList items;
  fillItems(items);
  return items;
}

int MvOptionList::selectionIndex(const QString& text) const {
  const int i = indexOfLabel(text);
  return i >= 0 ? i : indexOfValue(text);
}
