// A temporary directory for tests that write small input files.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

class TempDir {
public:
  QString path(const QString& name) const { return dir_.filePath(name); }
  // Writes raw octets to a file of the directory and returns its path.
  QString write(const QString& name, const QByteArray& content) const {
    QFile f(path(name));
    if (f.open(QIODevice::WriteOnly)) f.write(content);
    return path(name);
  }

private:
  QTemporaryDir dir_;
};
