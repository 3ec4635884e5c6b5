#include "mvsnmp/MvPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString joinPath(const QString& directory, const QString& fileName) {
  if (directory.isEmpty()) return fileName;
  const QChar sep = QDir::separator();
  if (directory.endsWith(sep)) return directory + fileName;
  return directory + sep + fileName;
}

std::optional<QByteArray> readLocalFile(const QString& path, qint64 maxBytes, QString* why) {
  auto refuse = [&](const QString& reason) -> std::optional<QByteArray> {
    if (why) *why = reason;
    return std::nullopt;
  };
  const QFileInfo info(path);
  if (!info.exists()) return refuse(QString());
  if (!info.isFile())
    return refuse(QStringLiteral("\"%1\" is not a regular file, so it is not read.").arg(path));
  if (info.size() > maxBytes)
    return refuse(QStringLiteral("\"%1\" is larger than %2 bytes, so it is not read.").arg(path).arg(maxBytes));
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return refuse(QStringLiteral("\"%1\" cannot be read: %2").arg(path, file.errorString()));
  // The file may have grown since it was looked at: never more than the limit.
  QByteArray content = file.read(maxBytes + 1);
  if (content.size() > maxBytes)
    return refuse(QStringLiteral("\"%1\" is larger than %2 bytes, so it is not read.").arg(path).arg(maxBytes));
  if (why) why->clear();
  return content;
}
