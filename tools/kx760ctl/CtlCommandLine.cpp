#include "CtlCommandLine.h"

#include "CtlCommand.h"

CtlCommandLine CtlCommandLine::parse(const QStringList& args) {
  CtlCommandLine line;
  bool haveCommand = false;
  bool optionsEnded = false;
  for (qsizetype k = 0; k < args.size(); ++k) {
    const QString& a = args.at(k);
    // Options are read only before the command word: everything after it is the command's own
    // (a value "-h" or "--json" of a set is a value). "--" ends the options early.
    if (haveCommand) {
      line.commandArgs << a;
    } else if (optionsEnded) {
      line.command = a;
      haveCommand = true;
    } else if (a == u"--") {
      optionsEnded = true;
    } else if (a == u"--json") {
      line.json = true;
    } else if (a == u"--help" || a == u"-h") {
      line.help = true;
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
    } else if (a.startsWith(u'/')) {
      line.moduleSwitches << a;
    } else if (a.startsWith(u'-')) {
      throw CtlUsageError(QStringLiteral("unknown option %1").arg(a));
    } else {
      line.command = a;
      haveCommand = true;
    }
  }
  return line;
}

QString CtlCommandLine::usage() {
  QString text = QStringLiteral(
      "usage: kx760ctl [/SWITCH...] [--port N] [--json] [--] COMMAND ARGS...\n"
      "  options and switches go before COMMAND; everything after it is the command's own\n"
      "  (\"--\" ends the options)\n"
      "  /SWITCH   the module's switches: /I address, /R read community, /W write community,\n"
      "            /v version; with SNMPv3 also /t /c /d /m /l /n /A /P /a /p; the device\n"
      "            profile and the registry file are read as by kx760\n"
      "  --port N  use agent port N\n"
      "  --max-repetitions N  rows a walk reads ahead per get-bulk over SNMPv2c/v3 (0: get-next\n"
      "            only; default: adapted to the answers; the profile key MaxRepetitions too)\n"
      "  --max-rows N  a walk prints at most N rows, then ends with exit status 3\n"
      "  --json    print a list of {\"oid\", \"type\", \"value\"} (catalogue, page: one JSON\n"
      "            document)\n"
      "commands:\n");
  for (const CtlCommandEntry& e : ctlCommands())
    text += QStringLiteral("  %1 %2\n").arg(QLatin1String(e.name), QLatin1String(e.synopsis));
  return text;
}
