#include "MibToolOptions.h"

#include "MibToolPages.h"

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
    const bool withValue = a == u"--port" || a == u"--interval" || a == u"--screenshot" || a == u"--refreshes";
    if (withValue) {
      if (k + 1 >= arguments.size()) throw std::invalid_argument((a + QStringLiteral(" needs a value")).toStdString());
      const QString value = arguments.at(++k);
      if (a == u"--port")
        o.agentPort = static_cast<quint16>(numberIn(a, value, 1, 65535));
      else if (a == u"--interval")
        o.intervalSeconds = numberIn(a, value, 1, 3600);
      else if (a == u"--refreshes")
        o.refreshes = numberIn(a, value, 1, 1000);
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
  const struct {
    const char* env;
    const char* sw;
  } phrases[] = {{MibToolAuthPassPhraseEnv, "/A"}, {MibToolPrivPassPhraseEnv, "/P"}};
  for (const auto& p : phrases) {
    if (!qEnvironmentVariableIsSet(p.env)) continue;
    o.parameters << QLatin1String(p.sw) + qEnvironmentVariable(p.env);
    qunsetenv(p.env);
  }
  return o;
}

QString mibToolUsage() {
  QString text = QStringLiteral(
      "usage: kx760mib /I<address> [/R<read community> /W<write community> | SNMPv3 switches]\n"
      "                /T<Tool>_<Page> [--port N] [--interval S] [--screenshot FILE [--refreshes N]]\n"
      "       kx760mib --version\n"
      "pages:");
  for (const MibToolPage& page : mibToolPages())
    text += QStringLiteral("\n  %1  %2").arg(QLatin1String(page.argument), -30).arg(QLatin1String(page.title));
  return text;
}
