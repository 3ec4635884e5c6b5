#include "LayerRules.h"

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
    {"bind", {"mvsnmp"}},
    {"catalogue", {"mvsnmp"}},
    {"snapshot", {"mvsnmp", "catalogue"}},
    {"configform", {"mvsnmp", "bind"}},
    {"panel", {"mvsnmp", "bind", "catalogue", "configform"}},
    {"editors", {"mvsnmp", "bind", "catalogue", "snapshot", "configform", "panel"}},
    {"shell", {"mvsnmp", "bind", "catalogue", "snapshot", "configform", "panel", "editors"}},
    {"tools/kx760ctl", {"mvsnmp", "catalogue", "snapshot"}},
    {"tools/kx760mib", {"mvsnmp", "bind", "catalogue", "configform"}},
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
  // Which program folder owns each header name.
  QHash<QString, QString> owner;
  for (const Layer& layer : kLayers)
    for (const QString& file : sourcesOf(base.filePath(layer.folder)))
      if (file.endsWith(".h")) owner.insert(QFileInfo(file).fileName(), layer.folder);

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
        const QString from = owner.value(QFileInfo(inc).fileName());
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
