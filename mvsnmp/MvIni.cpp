#include "mvsnmp/MvIni.h"

#include "mvsnmp/MvText.h"

#include "mvsnmp/MvPath.h"

#include <QList>

namespace {

constexpr qsizetype kMaxValue = 4095;


}  // namespace

MvIni::MvIni(QString name) : fileName(std::move(name)) {
  // Profiles are written by the host application in the local 8-bit code page; Latin-1 keeps
  // every octet as one character.
  if (const std::optional<QByteArray> bytes = readLocalFile(fileName, MaxProfileBytes, &error_))
    content_ = QString::fromLatin1(*bytes);
}

QString MvIni::readString(const QString& section, const QString& key,
                          const QString& defaultValue) const {
  const QString& content = content_;
  bool inSection = false;
  for (QStringView line : QStringView(content).split(u'\n')) {
    const QString trimmed = trimmedOfControls(line);
    if (trimmed.startsWith(u'[')) {
      const qsizetype close = trimmed.indexOf(u']');
      const QString name =
          trimmedOfControls(QStringView(trimmed).mid(1, close < 0 ? -1 : close - 1));
      inSection = name.compare(section.trimmed(), Qt::CaseInsensitive) == 0;
      continue;
    }
    if (!inSection || trimmed.startsWith(u';')) continue;
    const qsizetype eq = trimmed.indexOf(u'=');
    if (eq < 0) continue;
    if (trimmedOfControls(QStringView(trimmed).left(eq))
            .compare(key.trimmed(), Qt::CaseInsensitive) != 0)
      continue;
    // The first matching key wins, as the platform's profile reader does.
    QString value = trimmedOfControls(QStringView(trimmed).mid(eq + 1)).left(kMaxValue);
    // Quoted values lose their enclosing quotes, as the platform's reader does.
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
      value = value.mid(1, value.size() - 2);
    value = trimmedOfControls(value);
    return value.isEmpty() ? defaultValue : value;
  }
  return defaultValue;
}
