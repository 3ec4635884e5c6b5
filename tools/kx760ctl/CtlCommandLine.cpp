#include "CtlCommandLine.h"

#include "CtlCommand.h"

CtlCommandLine CtlCommandLine::parse(const QStringList& args) {
  CtlCommandLine line;
  bool haveCommand = false;
  for (qsizetype k = 0; k < args.size(); ++k) {
    const QString& a = args.at(k);
    // --json, --port and --help may also follow the command ("catalogue --json").
    if (a == u"--json") {
      line.json = true;
    } else if (a == u"--help" || a == u"-h") {
      line.help = true;
    } else if (a == u"--version") {
      line.version = true;
    } else if (a == u"--max-repetitions" || a.startsWith(u"--max-repetitions=") ||
               a == u"--max-rows" || a.startsWith(u"--max-rows=")) {
      const bool rows = a.startsWith(u"--max-rows");
      const qsizetype eq = a.indexOf(u'=');
      const QString value = eq < 0 ? args.value(++k) : a.mid(eq + 1);
      bool ok = false;
      const qint64 n = value.toLongLong(&ok);
      if (rows) {
        if (!ok || n < 1) throw CtlUsageError(QStringLiteral("--max-rows needs a number of rows from 1"));
        line.maxRows = n;
      } else {
        if (!ok || n < 0 || n > 1000)
          throw CtlUsageError(QStringLiteral("--max-repetitions needs a number from 0 to 1000"));
        line.maxRepetitions = static_cast<int>(n);
      }
    } else if (a == u"--port" || a.startsWith(u"--port=")) {
      const QString value = a == u"--port" ? args.value(++k) : a.mid(7);
      bool ok = false;
      const uint port = value.toUInt(&ok);
      if (!ok || port == 0 || port > 65535)
        throw CtlUsageError(QStringLiteral("--port needs a port number from 1 to 65535"));
      line.port = static_cast<quint16>(port);
    } else if (haveCommand) {
      line.commandArgs << a;
    } else if (CtlSnmpOptions::isOption(a)) {
      k = line.snmpOptions.take(args, k);
    } else if (line.snmpOptions.given() && !line.snmpOptions.hasAgent() && !a.startsWith(u'/') &&
               !a.startsWith(u"--") && !findCtlCommand(a)) {
      // After Net-SNMP's options the first word that names no command is the agent.
      line.snmpOptions.setAgent(a);
    } else if (a.startsWith(u'/')) {
      line.moduleSwitches << a;
    } else if (a.startsWith(u"--")) {
      throw CtlUsageError(QStringLiteral("unknown option %1").arg(a));
    } else {
      line.command = a;
      haveCommand = true;
    }
  }
  if (line.snmpOptions.given() && !line.moduleSwitches.isEmpty())
    throw CtlUsageError(QStringLiteral(
        "the module's switches (%1) and Net-SNMP's options (-v, -c, ... and the agent) cannot be "
        "mixed: give the device in one form").arg(line.moduleSwitches.first()));
  if (line.snmpOptions.hasPort() && line.port)
    throw CtlUsageError(QStringLiteral("the port is given twice: in the agent (HOST:PORT) and with --port"));
  return line;
}

QString CtlCommandLine::usage() {
  QString text = QStringLiteral(
      "usage: kx760ctl [/SWITCH...] [--port N] [--json] COMMAND ARGS...\n"
      "       kx760ctl [-v 1|2c|3 -c COMMUNITY | -v 3 -u USER -l LEVEL ...] AGENT [--json] COMMAND\n"
      "  /SWITCH   the module's switches: /I address, /R read community, /W write community,\n"
      "            /v version; with SNMPv3 also /t /c /d /m /l /n /A /P /a /p; the device\n"
      "            profile and the registry file are read as by kx760\n"
      "  --port N  use agent port N\n"
      "  --max-repetitions N  rows a walk reads ahead per get-bulk over SNMPv2c/v3 (0: get-next\n"
      "            only; default: adapted to the answers; the profile key MaxRepetitions too)\n"
      "  --max-rows N  a walk prints at most N rows, then ends with exit status 3\n"
      "  --json    print a list of {\"oid\", \"type\", \"value\"} (catalogue, page: one JSON\n"
      "            document)\n"
      "  --version print the version\n");
  text += CtlSnmpOptions::usage();
  text += QStringLiteral("commands:\n");
  for (const CtlCommandEntry& e : ctlCommands())
    text += QStringLiteral("  %1 %2\n").arg(QLatin1String(e.name), QLatin1String(e.synopsis));
  return text;
}
