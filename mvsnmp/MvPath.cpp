#include "MvPath.h"

#include <QDir>

QString joinPath(const QString& directory, const QString& fileName) {
  if (directory.isEmpty()) return fileName;
  const QChar sep = QDir::separator();
  if (directory.endsWith(sep)) return directory + fileName;
  return directory + sep + fileName;
}
