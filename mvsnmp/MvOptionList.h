// Mapping between an enumerated object's raw values and the labels shown to the user
// ("1" <-> "disabled", "80000000000000" <-> "Port 1", "1.3.6.1.2.1" as a prefix <-> "mib-2").
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <vector>

// A static source of numeric options, ended by a record whose label is nullptr.
struct OptionSource {
  qint32 value;
  const char* label;
};

// A static source of text options (kinds 2 and 3), ended by a record whose label is nullptr.
struct TextOptionSource {
  const char* value;
  const char* label;
};

class MvOptionList {
public:
  enum Kind : quint32 { Numeric = 1, Text = 2, TextPrefix = 3 };

  struct Entry {
    qint32 number = 0;  // kind 1
    QString text;       // kinds 2 and 3
    QString label;
  };

  explicit MvOptionList(quint32 kind = Numeric, bool caseSensitive = false);
  MvOptionList(const OptionSource* source, quint32 kind = Numeric, bool caseSensitive = false);
  MvOptionList(const TextOptionSource* source, quint32 kind = Text, bool caseSensitive = false);

  // Appends a source's entries after the existing ones (nullptr appends nothing).
  void append(const OptionSource* source);
  void append(const TextOptionSource* source);

  quint32 kind() const { return kind_; }
  bool caseSensitive() const { return caseSensitive_; }
  int count() const { return static_cast<int>(entries_.size()); }
  const Entry& item(int i) const { return entries_.at(static_cast<size_t>(i)); }
  // The entry's raw value as text: signed decimal for kind 1, the text otherwise.
  QString valueText(int i) const;

  int indexOfLabel(const QString& text) const;
  int indexOfValue(const QString& text) const;
  QString labelOf(const QString& rawValue) const;
  QString valueOf(const QString& label) const;

  // Clears the strings and adds every label in order (combo boxes and radio groups).
  void fillItems(QStringList& items) const;
  QStringList labels() const;
  // The position a combo box or radio group selects for a text: by label, else by value; -1 none.
  int selectionIndex(const QString& text) const;

private:
  bool sameText(const QString& a, const QString& b) const;
  bool startsWith(const QString& text, const QString& prefix) const;

  quint32 kind_;
  bool caseSensitive_;
  std::vector<Entry> entries_;
};
