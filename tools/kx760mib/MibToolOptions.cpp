#include "tools/kx760mib/MibToolOptions.h"

#include "catalogue/MibToolPages.h"
#include "mvsnmp/MvDeviceParams.h"
#include "mvsnmp/MvSecrets.h"
#include "mvsnmp/MvSessionHandover.h"
#include "mvsnmp/MvStartup.h"

namespace {

int numberIn(const QString& option, const QString& text, int low, int high) {
  bool ok = false;
  const int n = text.toInt(&ok);
  if (!ok || n < low || n > high)
    throw std::invalid_argument(QStringLiteral("%1 needs a number from %2 to %3").arg(option).arg(low).arg(high).toStdString());
  return n;
}

}  // namespace

MibToolOptions takeMibToolOptions(const QStringList& arguments) {
  MibToolOptions o;
  for (qsizetype k = 0; k < arguments.size(); ++k) {
    const QString& a = arguments.at(k);
    const bool withValue = a == u"--port" || a == u"--interval" || a == u"--screenshot" || a == u"--refreshes" ||
                           a == QLatin1String(MvSessionHandover::FdOption);
    if (withValue) {
      if (k + 1 >= arguments.size()) throw std::invalid_argument((a + QStringLiteral(" needs a value")).toStdString());
      const QString value = arguments.at(++k);
      if (a == u"--port")
        o.agentPort = static_cast<quint16>(numberIn(a, value, 1, 65535));
      else if (a == u"--interval")
        o.intervalSeconds = numberIn(a, value, 1, 3600);
      else if (a == u"--refreshes")
        o.refreshes = numberIn(a, value, 1, 1000);
      else if (a == QLatin1String(MvSessionHandover::FdOption))
        o.sessionFd = numberIn(a, value, 0, 1 << 20);
      else
        o.screenshot = value;
    } else if (a.startsWith(u"/T") && o.pageArgument.isEmpty()) {
      // Upper-case T only: "/t" is the agent port of the module's own switches.
      o.pageArgument = a;
    } else {
      o.parameters << a;
    }
  }
  if (o.pageArgument.isEmpty()) throw std::invalid_argument("no page argument /T<Tool>_<Page>");
  if (o.sessionFd && !o.parameters.isEmpty())
    throw std::invalid_argument("--session-fd hands over the whole session: no switches beside it");
  return o;
}

QStringList sessionGaps(const MvDeviceParams& session, bool versionGiven, bool readCommunityGiven,
                        bool writeCommunityGiven) {
  QStringList gaps;
  if (!versionGiven) gaps << QStringLiteral("the SNMP version (/v, or Version in the device profile)");
  if (session.version != 3) {
    if (!readCommunityGiven)
      gaps << QStringLiteral("the read community (/R or %1)").arg(QLatin1String(MvSecretEnv::ReadCommunity));
    if (!writeCommunityGiven)
      gaps << QStringLiteral("the write community (/W or %1)").arg(QLatin1String(MvSecretEnv::WriteCommunity));
    return gaps;
  }
  if (session.securityName.isEmpty())
    gaps << QStringLiteral("the SNMPv3 user (/n, or SecurityName in the device profile)");
  if (session.securityLevel >= 2 && session.authPassword.isEmpty())
    gaps << QStringLiteral("the authentication pass phrase (/A or %1)").arg(QLatin1String(MvSecretEnv::AuthPass));
  if (session.securityLevel >= 3 && session.privPassword.isEmpty())
    gaps << QStringLiteral("the privacy pass phrase (/P or %1)").arg(QLatin1String(MvSecretEnv::PrivPass));
  return gaps;
}

QStringList sessionGaps(const MvStartupResult& startup) {
  return sessionGaps(DeviceTarget, startup.versionGiven, startup.readCommunityGiven, startup.writeCommunityGiven);
}

QString sessionGapsText(const QStringList& gaps) {
  return QStringLiteral("The session is incomplete, so nothing is sent to the device. Missing: %1.")
      .arg(gaps.join(QStringLiteral("; ")));
}

QString mibToolUsage() {
  QString text = QStringLiteral(
      "usage: kx760mib /I<address> /v<version> [/R<read community> /W<write community> | SNMPv3 switches]\n"
      "                /T<Tool>_<Page> [--port N] [--interval S] [--screenshot FILE [--refreshes N]]\n"
      "       kx760mib --session-fd N /T<Tool>_<Page> ...   (the session read from descriptor N)\n"
      "  the module's switches and the device profile are read as by kx760 (kx760 --help)\n"
      "  --port N          agent UDP port\n"
      "  --interval S      refresh period of the counter pages, 1 to 3600 seconds\n"
      "  --screenshot FILE save the page after --refreshes N refreshes (default 1) and end\n"
      "  --help            this text\n"
      "  --version         the program's version\n"
      "environment: KX760_READ_COMMUNITY, KX760_WRITE_COMMUNITY, KX760_AUTH_PASS, KX760_PRIV_PASS (in\n"
      "  place of /R, /W, /A, /P), KX760_REGISTRY, XDG_CONFIG_HOME, XDG_STATE_HOME, KX760_SNMP_LOG=1,\n"
      "  KX760_ALLOW_CORE=1 (allow core files)\n"
      "exit status: 0 ended normally or picture saved; 1 the picture not saved or taken of a page\n"
      "  that did not answer; 2 \"No parameter input\", an incomplete session, a bad command line,\n"
      "  an unknown page, a start-up error, or no display\n"
      "pages:");
  for (const MibToolPage& page : mibToolPages())
    text += QStringLiteral("\n  %1  %2").arg(QLatin1String(page.argument), -30).arg(QLatin1String(page.title));
  return text;
}
