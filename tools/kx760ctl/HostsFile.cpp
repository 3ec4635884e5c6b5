#include "tools/kx760ctl/HostsFile.h"

#include <QFile>
#include <QRegularExpression>

#include "tools/kx760ctl/CtlCommand.h"

QString HostEntry::where(const QString& fileName) const {
  return QStringLiteral("%1, line %2: ").arg(fileName).arg(line);
}

std::vector<HostEntry> parseHostsText(const QString& text, const QString& fileName) {
  std::vector<HostEntry> hosts;
  static const QRegularExpression space(QStringLiteral("\\s+"));
  const QStringList lines = text.split(u'\n');
  for (qsizetype n = 0; n < lines.size(); ++n) {
    HostEntry host;
    host.line = static_cast<int>(n + 1);
    const auto fault = [&](const QString& what) { return CtlUsageError(host.where(fileName) + what); };
    QStringList words;
    for (const QString& w : lines.at(n).split(space, Qt::SkipEmptyParts)) {
      if (w.startsWith(u'#')) break;
      words << w;
    }
    if (words.isEmpty()) continue;
    try {
      for (qsizetype k = 0; k < words.size(); ++k) {
        const QString& w = words.at(k);
        if (w.startsWith(u'/')) {
          if (w.startsWith(u"/I"))
            throw fault(QStringLiteral("the agent is named without /I (%1)").arg(w));
          host.moduleSwitches << w;
        } else if (CtlSnmpOptions::isOption(w)) {
          k = host.snmpOptions.take(words, k);
        } else if (w.startsWith(u'-')) {
          throw fault(QStringLiteral("unknown option %1").arg(w));
        } else if (!host.device.isEmpty()) {
          throw fault(QStringLiteral("two agents, \"%1\" and \"%2\": one device a line").arg(host.device, w));
        } else {
          host.device = w;
        }
      }
      if (host.device.isEmpty()) throw fault(QStringLiteral("no agent (ADDRESS or ADDRESS:PORT)"));
      if (host.snmpOptions.given() && !host.moduleSwitches.isEmpty())
        throw fault(QStringLiteral("the module's switches (%1) and Net-SNMP's options cannot be mixed")
                        .arg(host.moduleSwitches.first()));
      // The agent is read as the command line reads it, whichever form the line takes.
      CtlSnmpOptions agent;
      agent.setAgent(host.device);
      host.host = agent.host();
      host.port = agent.port();
    } catch (const CtlUsageError& e) {
      const QString message = QString::fromStdString(e.what());
      if (message.startsWith(host.where(fileName))) throw;
      throw fault(message);
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
