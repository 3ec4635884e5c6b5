#include "tools/kx760ctl/HostsFile.h"

#include <QFile>
#include <QRegularExpression>

#include "tools/kx760ctl/CtlCommand.h"

std::vector<HostEntry> parseHostsText(const QString& text, const QString& fileName) {
  std::vector<HostEntry> hosts;
  static const QRegularExpression space(QStringLiteral("\\s+"));
  const QStringList lines = text.split(u'\n');
  for (qsizetype n = 0; n < lines.size(); ++n) {
    const auto fault = [&](const QString& what) {
      return CtlUsageError(QStringLiteral("%1, line %2: %3").arg(fileName).arg(n + 1).arg(what));
    };
    QStringList words;
    for (const QString& w : lines.at(n).split(space, Qt::SkipEmptyParts)) {
      if (w.startsWith(u'#')) break;
      words << w;
    }
    if (words.isEmpty()) continue;
    HostEntry host;
    host.line = static_cast<int>(n + 1);
    host.device = words.takeFirst();
    if (host.device.startsWith(u'/'))
      throw fault(QStringLiteral("the line must begin with the device's address"));
    host.address = host.device;
    // One colon separates a port; an IPv6 address has several and takes its port from /t.
    if (host.device.count(u':') == 1) {
      const qsizetype colon = host.device.indexOf(u':');
      bool ok = false;
      const uint port = host.device.mid(colon + 1).toUInt(&ok);
      if (!ok || port == 0 || port > 65535)
        throw fault(QStringLiteral("bad port in \"%1\"").arg(host.device));
      host.address = host.device.left(colon);
      host.port = static_cast<quint16>(port);
    }
    if (host.address.isEmpty()) throw fault(QStringLiteral("no address"));
    host.switches << QStringLiteral("/I") + host.address;
    for (const QString& w : words) {
      if (!w.startsWith(u'/') || w.size() < 2)
        throw fault(QStringLiteral("\"%1\" is not a switch (they begin with /)").arg(w));
      if (w.startsWith(u"/I"))
        throw fault(QStringLiteral("the address is the line's first word, not a /I switch"));
      host.switches << w;
    }
    hosts.push_back(std::move(host));
  }
  return hosts;
}

std::vector<HostEntry> readHostsFile(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly))
    throw CtlUsageError(QStringLiteral("cannot read %1: %2").arg(fileName, file.errorString()));
  std::vector<HostEntry> hosts = parseHostsText(QString::fromUtf8(file.readAll()), fileName);
  if (hosts.empty()) throw CtlUsageError(QStringLiteral("%1 names no device").arg(fileName));
  return hosts;
}
