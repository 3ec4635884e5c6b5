#include "tools/kx760ctl/CtlCommandLine.h"

#include "tools/kx760ctl/CtlCommand.h"

namespace {

// --hosts FILE, --parallel N, --ordered (kx760ctl over many devices); true when args[k] was one.
bool parseFleetOption(const QStringList& args, qsizetype& k, CtlCommandLine& line) {
  const QString& a = args.at(k);
  const auto value = [&](const QString& name) {
    if (a.startsWith(name + u'=')) return a.mid(name.size() + 1);
    if (k + 1 >= args.size()) throw CtlUsageError(QStringLiteral("%1 needs a value").arg(name));
    return args.at(++k);
  };
  if (a == u"--ordered") {
    line.ordered = true;
  } else if (a == u"--hosts" || a.startsWith(u"--hosts=")) {
    line.hostsFile = value(QStringLiteral("--hosts"));
    if (line.hostsFile.isEmpty()) throw CtlUsageError(QStringLiteral("--hosts needs a file"));
  } else if (a == u"--parallel" || a.startsWith(u"--parallel=")) {
    bool ok = false;
    const int n = value(QStringLiteral("--parallel")).toInt(&ok);
    if (!ok || n < 1 || n > 4096)
      throw CtlUsageError(QStringLiteral("--parallel needs a number from 1 to 4096"));
    line.parallel = n;
  } else {
    return false;
  }
  return true;
}

}  // namespace

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
    } else if (parseFleetOption(args, k, line)) {
    } else if (CtlSnmpOptions::isOption(a)) {
      k = line.snmpOptions.take(args, k);
    } else if (line.snmpOptions.given() && !line.snmpOptions.hasAgent() && !a.startsWith(u'/') &&
               !a.startsWith(u"--") && !findCtlCommand(a)) {
      // After Net-SNMP's options the first word that names no command is the agent.
      line.snmpOptions.setAgent(a);
    } else if (a.startsWith(u'/')) {
      line.moduleSwitches << a;
    } else if (a.startsWith(u'-')) {
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
      "usage: kx760ctl [/SWITCH...] [OPTION...] [--] COMMAND ARGS...\n"
      "       kx760ctl [-v 1|2c|3 -c COMMUNITY | -v 3 -u USER -l LEVEL ...] AGENT [OPTION...] COMMAND\n"
      "  /SWITCH   the module's switches, read as by kx760 (the value follows the two letters):\n"
      "            /I address, /R read community, /W write community, /v version (0 v1,\n"
      "            1 v2c, 3 v3); with SNMPv3 also /n user, /l level (1 noAuthNoPriv,\n"
      "            2 authNoPriv, 3 authPriv), /a auth protocol (2 MD5, 3 SHA, 4-7 SHA-224/256/\n"
      "            384/512), /A auth pass phrase, /p privacy protocol (2 DES, 4 AES, 20 AES-192,\n"
      "            21 AES-256), /P privacy pass phrase, /c context, /d context engine ID (hex),\n"
      "            /t agent port, /m security model. The registry file gives the catalogue and\n"
      "            profile directories; the profile <address>.cfg there is read again before\n"
      "            every switch after /I\n"
      "options go before COMMAND; everything after it is the command's own (\"--\" ends the\n"
      "options; =N also works):\n"
      "  --port N  use agent port N (overrides switches and profile)\n"
      "  --json    print a list of {\"oid\", \"type\", \"value\"}, the type being the value's SNMP\n"
      "            type and the value its one text form (octet strings in hex); catalogue and\n"
      "            page print one JSON document\n"
      "  --max-repetitions N  rows a walk reads ahead per get-bulk over SNMPv2c/v3 (0: get-next\n"
      "            only; default: adapted to the answers; the profile key MaxRepetitions too)\n"
      "  --max-rows N  a walk prints at most N rows, then ends with exit status 3\n"
      "  --hosts FILE  run the command (get, walk, set, page, snapshot) over every device of\n"
      "            FILE at once: one device a line, AGENT [/SWITCH...] or [NET-SNMP OPTIONS] AGENT,\n"
      "            # comments; the switches or options before the command word apply to every\n"
      "            line (the line's own win), --port to lines without a port; secrets from the\n"
      "            environment or the profiles. snapshot save|diff|restore DIR: one file per\n"
      "            device in DIR, named after it. Output lines begin with the device (--json: one\n"
      "            object a line); a summary on stderr; exit status 0 only when every device\n"
      "            succeeded\n"
      "  --parallel N  with --hosts: at most N devices asked at once (default 64)\n"
      "  --ordered with --hosts: output in the file's order (default: as devices finish)\n"
      "  --help    this text\n"
      "  --version print the version\n");
  text += CtlSnmpOptions::usage();
  text += QStringLiteral("commands:\n");
  for (const CtlCommandEntry& e : ctlCommands())
    text += QStringLiteral("  %1 %2\n").arg(QLatin1String(e.name), QLatin1String(e.synopsis));
  text += QStringLiteral(
      "set TYPE: i integer, u or g Gauge32, c Counter32, C Counter64, t time ticks (a number or\n"
      "  h:mm:ss.hh), a IP address, o OID, s string (the argument's octets), x hex octets,\n"
      "  d decimal octets (\"1.2.255\"), b BITS by bit numbers (\"0,5\"), n null; or a syntax\n"
      "  keyword of the catalogue (macaddress, displaystr, ...) with the value as a page shows it\n"
      "exit status:\n"
      "  0    success\n"
      "  1    an error of the device or the engine (\"error CODE: text\" on stderr), or the\n"
      "       output could not be written\n"
      "  2    a command line that cannot run (also \"No parameter input\": no / switch given)\n"
      "  3    a walk ended at --max-rows\n"
      "  4    get: the agent does not have an object asked for (noSuchObject, noSuchInstance,\n"
      "       or SNMPv1's noSuchName; the row shows which)\n"
      "  128+N  stopped by signal N (SIGINT, SIGTERM); the output so far is complete\n"
      "environment:\n"
      "  KX760_REGISTRY   the registry file (default $XDG_CONFIG_HOME/maravel/registry.ini,\n"
      "                   ~/.config when XDG_CONFIG_HOME is unset)\n"
      "  XDG_STATE_HOME   where the SNMPv3 engine boot counter and the SNMP library's state\n"
      "                   live (default ~/.local/state/kx760)\n"
      "  KX760_SNMP_LOG   1: show the SNMP library's own log lines on stderr\n"
      "  KX760_READ_COMMUNITY, KX760_WRITE_COMMUNITY, KX760_AUTH_PASS, KX760_PRIV_PASS\n"
      "                   communities and pass phrases that no switch or profile gives (read\n"
      "                   once, then removed from the environment)\n"
      "  KX760_ALLOW_CORE 1: allow core files (off by default: they would hold the secrets)\n");
  return text;
}
