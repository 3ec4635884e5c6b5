// Reader of INI-format profile files (the host application's per-device profile): section and key
// names match without regard to case, the value is what follows the first "=".
#pragma once

#include <QString>

class MvIni {
public:
  explicit MvIni(QString fileName) : fileName(std::move(fileName)) {}

  // The key's value, trimmed of blanks and control characters, cut at 4095 characters; the
  // default as given (untrimmed) when the file, section or key is missing or the value is empty.
  QString readString(const QString& section, const QString& key, const QString& defaultValue) const;

  QString fileName;
};
