// The SNMPv3 engine boot counter file: one line per local engine, "<engine id> <boots>".
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <limits>

#include "mvsnmp/MvError.h"
#include "mvsnmp/MvPath.h"
#include "mvsnmp/MvSnmpSession.h"

namespace {

// An engine ID is at most 32 octets (RFC 3411).
constexpr qsizetype kMaxEngineId = 32;
constexpr qint64 kMaxCounterFile = 64 << 10;

// The catalogue text of the code followed by the file it concerns.
[[noreturn]] void raiseForFile(int code, const QString& path, const QString& why = QString()) {
  QString message = messageOf(code) + QStringLiteral(" (\"%1\")").arg(path);
  if (!why.isEmpty()) message += u' ' + why;
  throw MvException(code, message);
}

}  // namespace

QString bootCounterPath(const QString& directory) {
  QString dir = directory;
  if (dir.isEmpty()) {
    // The current directory may not be writable; the counter lives in the user's state folder.
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty()) state = QDir::homePath() + QStringLiteral("/.local/state");
    dir = state + QStringLiteral("/kx760");
  }
  return joinPath(dir, QString::fromLatin1(kBootCounterFile));
}


int readBootCounter(const QString& path, const QString& engineId) {
  if (engineId.size() > kMaxEngineId) raiseForFile(MvCode::BootCounterLoad, path);
  QString why;
  const std::optional<QByteArray> content = readLocalFile(path, kMaxCounterFile, &why);
  if (!why.isEmpty()) raiseForFile(MvCode::BootCounterLoad, path, why);
  if (!content) return 0;
  for (const QByteArray& raw : content->split('\n')) {
    const QList<QByteArray> parts = raw.simplified().split(' ');
    if (parts.isEmpty() || QString::fromLatin1(parts[0]) != engineId) continue;
    bool ok = false;
    const int boots = parts.size() == 2 ? parts[1].toInt(&ok) : 0;
    if (!ok || boots < 0) raiseForFile(MvCode::BootCounterLoad, path);
    return boots;
  }
  return 0;
}

int nextBoots(int boots) {
  // snmpEngineBoots stays within 1 .. 2^31-1 (RFC 3414): past the top it starts again at 1.
  return boots < 1 || boots >= std::numeric_limits<int>::max() ? 1 : boots + 1;
}

void saveBootCounter(const QString& path, const QString& engineId, int boots) {
  QByteArray content;
  QFile old(path);
  if (old.open(QIODevice::ReadOnly)) {
    for (const QByteArray& line : old.readAll().split('\n')) {
      const QByteArray t = line.simplified();
      if (!t.isEmpty() && QString::fromLatin1(t.split(' ')[0]) != engineId) content += t + '\n';
    }
  }
  content += engineId.toLatin1() + ' ' + QByteArray::number(boots) + '\n';
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
    raiseForFile(MvCode::BootCounterSave, path, file.errorString());
}
