// Reader of INI-format profile files (the host application's per-device profile): section and key
// names match without regard to case, the value is what follows the first "=".
#pragma once

#include <QString>

class MvIni {
public:
  // Reads the file once, if it is a regular file of at most 1 MB (see error()).
  explicit MvIni(QString fileName);

  // The key's value, trimmed of blanks and control characters, cut at 4095 characters; the
  // default as given (untrimmed) when the file, section or key is missing or the value is empty.
  QString readString(const QString& section, const QString& key, const QString& defaultValue) const;

  // Why the file was not read (not a regular file, too large, unreadable); empty when it was read
  // or does not exist.
  const QString& error() const { return error_; }

  QString fileName;

private:
  QString content_;
  QString error_;
};
