#include "tests/layering/LayerRules.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace layering {
namespace {

// Each program folder and the folders it may include from (besides itself), lowest layer first.
struct Layer {
  const char* folder;
  QStringList mayUse;
};
const Layer kLayers[] = {
    {"mvsnmp", {}},
    {"widgets", {"mvsnmp"}},
    {"bind", {"mvsnmp", "widgets"}},
    {"catalogue", {"mvsnmp"}},
    {"snapshot", {"mvsnmp", "catalogue"}},
    {"configform", {"mvsnmp", "widgets", "bind"}},
    {"panel", {"mvsnmp", "widgets", "bind", "catalogue", "configform"}},
    {"editors", {"mvsnmp", "widgets", "bind", "catalogue", "snapshot", "configform", "panel"}},
    {"shell", {"mvsnmp", "widgets", "bind", "catalogue", "snapshot", "configform", "panel", "editors"}},
    {"tools/kx760ctl", {"mvsnmp", "catalogue", "snapshot"}},
    {"tools/kx760mib", {"mvsnmp", "widgets", "bind", "catalogue", "configform"}},
};
// Folders that use no window system at all.
const QStringList kNoWindowSystem = {"mvsnmp", "catalogue", "snapshot", "tools/kx760ctl"};
// The one unit of the program that talks to Net-SNMP (the simulator is an agent of its own).
const QString kNetSnmpAdapter = QStringLiteral("mvsnmp/MvNetSnmp.cpp");

QStringList sourcesOf(const QString& dir) {
  QStringList files;
  QDirIterator it(dir, {"*.cpp", "*.h"}, QDir::Files);
  while (it.hasNext()) files << it.next();
  files.sort();
  return files;
}

QSet<QString> headerNames(const QString& dir) {
  QSet<QString> names;
  QDirIterator it(dir, QDir::Files);
  while (it.hasNext()) names << QFileInfo(it.next()).fileName();
  return names;
}

QStringList includesOf(const QString& file) {
  static const QRegularExpression re(QStringLiteral(R"(^\s*#\s*include\s*[<"]([^>"]+)[>"])"),
                                     QRegularExpression::MultilineOption);
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QString text = QString::fromUtf8(f.readAll());
  QStringList out;
  for (auto m = re.globalMatch(text); m.hasNext();) out << m.next().captured(1);
  return out;
}

}  // namespace

QStringList violations(const QString& root, const QString& qtHeaders) {
  const QDir base(root);
  // Which program folder owns each header: an include names it from the one include root
  // ("bind/BusyWait.h"); a bare name of a program header hides its layer and is refused.
  QSet<QString> headers;
  QSet<QString> bareNames;
  for (const Layer& layer : kLayers)
    for (const QString& file : sourcesOf(base.filePath(layer.folder)))
      if (file.endsWith(".h")) {
        headers << base.relativeFilePath(file);
        bareNames << QFileInfo(file).fileName();
      }
  auto ownerOf = [&](const QString& inc) -> QString {
    if (!headers.contains(inc)) return {};
    for (const Layer& layer : kLayers)
      if (inc.startsWith(QString::fromLatin1(layer.folder) + '/') &&
          !inc.mid(qstrlen(layer.folder) + 1).contains('/'))
        return QString::fromLatin1(layer.folder);
    return {};
  };

  QSet<QString> windowHeaders = headerNames(qtHeaders + "/QtWidgets") + headerNames(qtHeaders + "/QtGui");
  auto isWindowHeader = [&](const QString& inc) {
    return inc.startsWith("QtWidgets/") || inc.startsWith("QtGui/") || windowHeaders.contains(inc);
  };

  QStringList found;
  for (const Layer& layer : kLayers) {
    const QString folder = QString::fromLatin1(layer.folder);
    for (const QString& file : sourcesOf(base.filePath(folder))) {
      const QString rel = base.relativeFilePath(file);
      for (const QString& inc : includesOf(file)) {
        if (!inc.contains('/') && bareNames.contains(inc))
          found << QStringLiteral("%1: #include %2 (an include names its folder)").arg(rel, inc);
        const QString from = ownerOf(inc);
        if (!from.isEmpty() && from != folder && !layer.mayUse.contains(from))
          found << QStringLiteral("%1: #include %2 (%3 may not use %4)").arg(rel, inc, folder, from);
        if (kNoWindowSystem.contains(folder) && isWindowHeader(inc))
          found << QStringLiteral("%1: #include %2 (no window-system header in %3)").arg(rel, inc, folder);
        if (inc.startsWith("net-snmp/") && rel != kNetSnmpAdapter)
          found << QStringLiteral("%1: #include %2 (Net-SNMP only in %3)").arg(rel, inc, kNetSnmpAdapter);
      }
    }
  }
  return found;
}

}  // namespace layering
