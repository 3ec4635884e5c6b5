#include "tools/kx760ctl/CtlSnmpOptions.h"

#include <QRegularExpression>
#include <array>

#include "tools/kx760ctl/CtlCommand.h"
#include "mvsnmp/MvDeviceParams.h"
#include "mvsnmp/MvStartup.h"

namespace {

constexpr QLatin1StringView kLetters("vculaAxXneEtr");

[[noreturn]] void refuse(const QString& text) { throw CtlUsageError(text); }

struct Named {
  const char* name;
  qint32 code;
};

// Protocol names as Net-SNMP's tools spell them (compared without case; "SHA256" as "SHA-256"),
// with the device parameters' codes.
constexpr std::array<Named, 6> kAuthProtocols = {{
    {"MD5", 2}, {"SHA", 3}, {"SHA-224", 4}, {"SHA-256", 5}, {"SHA-384", 6}, {"SHA-512", 7}}};
constexpr std::array<Named, 5> kPrivProtocols = {{
    {"DES", 2}, {"AES", 4}, {"AES-128", 4}, {"AES-192", 20}, {"AES-256", 21}}};
constexpr std::array<Named, 3> kLevels = {{{"noAuthNoPriv", 1}, {"authNoPriv", 2}, {"authPriv", 3}}};

template <size_t N>
std::optional<qint32> codeOf(const std::array<Named, N>& names, const QString& text) {
  const auto plain = [](QString s) { return s.remove(u'-').toCaseFolded(); };
  for (const Named& n : names)
    if (plain(QLatin1String(n.name)) == plain(text)) return n.code;
  return std::nullopt;
}

template <size_t N>
QString namesOf(const std::array<Named, N>& names) {
  QStringList list;
  for (const Named& n : names) list << QLatin1String(n.name);
  return list.join(u'|');
}

template <typename T>
void setOnce(std::optional<T>& field, T value, QChar letter) {
  if (field) refuse(QStringLiteral("-%1 is given twice").arg(letter));
  field = std::move(value);
}

// The octets of a text from the command line or the environment: those the system's encoding
// decoded into it, as the module's switches take them (a pass phrase's key is computed from them).
QByteArray octetsOf(const QString& text) { return text.toLocal8Bit(); }

QString engineId(const QString& value, QChar letter) {
  const std::optional<QByteArray> octets = engineIdOctets(value);
  if (!octets || octets->isEmpty())
    refuse(QStringLiteral("-%1 needs an engine ID as an even number of hexadecimal digits, optionally "
                          "after \"0x\", not \"%2\"")
               .arg(letter).arg(value));
  return value;
}

// Seconds, with at most two decimals: the device parameters count hundredths of a second.
qint32 timeoutOf(const QString& value) {
  static const QRegularExpression form(QStringLiteral("^([0-9]{1,4})(?:\\.([0-9]{1,2}))?$"));
  const QRegularExpressionMatch m = form.match(value);
  const qint32 hundredths =
      m.hasMatch() ? m.captured(1).toInt() * 100 + m.captured(2).leftJustified(2, u'0').toInt() : -1;
  if (hundredths < 1 || hundredths > 3600 * 100)
    refuse(QStringLiteral("-t needs seconds from 0.01 to 3600 (at most two decimals), not \"%1\"").arg(value));
  return hundredths;
}

qint32 retriesOf(const QString& value) {
  bool ok = false;
  const int n = value.toInt(&ok);
  if (!ok || n < 0 || n > 100 || value.startsWith(u'+'))
    refuse(QStringLiteral("-r needs a number of retries from 0 to 100, not \"%1\"").arg(value));
  return n;
}

quint16 portOf(const QString& value, const QString& agent) {
  bool ok = false;
  const uint port = value.toUInt(&ok);
  if (!ok || port == 0 || port > 65535 || value.startsWith(u'+'))
    refuse(QStringLiteral("the agent \"%1\" has no port from 1 to 65535").arg(agent));
  return static_cast<quint16>(port);
}

}  // namespace

bool CtlSnmpOptions::isOption(const QString& arg) {
  return arg.size() >= 2 && arg.at(0) == u'-' && kLetters.contains(arg.at(1));
}

qsizetype CtlSnmpOptions::take(const QStringList& args, qsizetype k) {
  const QString& arg = args.at(k);
  const QChar letter = arg.at(1);
  QString value = arg.mid(2);
  if (arg.size() == 2) {
    if (k + 1 >= args.size()) refuse(QStringLiteral("-%1 needs a value").arg(letter));
    value = args.at(++k);
  }
  given_ = true;
  switch (letter.unicode()) {
    case 'v': {
      const QString v = value.toCaseFolded();
      if (v != u"1" && v != u"2c" && v != u"3")
        refuse(QStringLiteral("-v needs the SNMP version 1, 2c or 3, not \"%1\"").arg(value));
      setOnce(version_, static_cast<quint8>(v == u"1" ? 0 : v == u"2c" ? 1 : 3), letter);
      break;
    }
    case 'c': setOnce(community_, value, letter); break;
    case 'u': setOnce(user_, octetsOf(value), letter); break;
    case 'l': {
      const std::optional<qint32> code = codeOf(kLevels, value);
      if (!code) refuse(QStringLiteral("-l needs %1, not \"%2\"").arg(namesOf(kLevels), value));
      setOnce(level_, *code, letter);
      break;
    }
    case 'a': {
      const std::optional<qint32> code = codeOf(kAuthProtocols, value);
      if (!code) refuse(QStringLiteral("-a needs %1, not \"%2\"").arg(namesOf(kAuthProtocols), value));
      setOnce(authProtocol_, *code, letter);
      break;
    }
    case 'x': {
      const std::optional<qint32> code = codeOf(kPrivProtocols, value);
      if (!code) refuse(QStringLiteral("-x needs %1, not \"%2\"").arg(namesOf(kPrivProtocols), value));
      setOnce(privProtocol_, *code, letter);
      break;
    }
    case 'A': setOnce(authPass_, octetsOf(value), letter); break;
    case 'X': setOnce(privPass_, octetsOf(value), letter); break;
    case 'n': setOnce(context_, octetsOf(value), letter); break;
    case 'e': setOnce(securityEngineId_, engineId(value, letter), letter); break;
    case 'E': setOnce(contextEngineId_, engineId(value, letter), letter); break;
    case 't': setOnce(timeout_, timeoutOf(value), letter); break;
    case 'r': setOnce(retries_, retriesOf(value), letter); break;
    default: refuse(QStringLiteral("unknown option %1").arg(arg));
  }
  return k;
}

void CtlSnmpOptions::fillFrom(const CtlSnmpOptions& defaults) {
  const auto fill = [](auto& mine, const auto& theirs) {
    if (!mine) mine = theirs;
  };
  fill(version_, defaults.version_);
  fill(community_, defaults.community_);
  fill(user_, defaults.user_);
  fill(level_, defaults.level_);
  fill(authProtocol_, defaults.authProtocol_);
  fill(authPass_, defaults.authPass_);
  fill(privProtocol_, defaults.privProtocol_);
  fill(privPass_, defaults.privPass_);
  fill(context_, defaults.context_);
  fill(securityEngineId_, defaults.securityEngineId_);
  fill(contextEngineId_, defaults.contextEngineId_);
  fill(timeout_, defaults.timeout_);
  fill(retries_, defaults.retries_);
  given_ = given_ || defaults.given_;
}

void CtlSnmpOptions::setAgent(const QString& text) {
  if (!host_.isEmpty())
    refuse(QStringLiteral("two agents: \"%1\" and \"%2\" (the command comes after the agent)").arg(host_, text));
  given_ = true;
  QString rest = text;
  bool ipv6 = false;
  if (rest.startsWith(QLatin1String("udp6:"), Qt::CaseInsensitive)) {
    rest = rest.mid(5);
    ipv6 = true;
  } else if (rest.startsWith(QLatin1String("udp:"), Qt::CaseInsensitive)) {
    rest = rest.mid(4);
  } else {
    // Net-SNMP's other transports; the program's sessions are UDP ones. (Compared by hand: a
    // regular expression would cost every start its compilation.)
    static constexpr const char* kOtherTransports[] = {
        "tcp",     "tcp6",   "tcpv6", "tcpipv6", "unix", "dtlsudp", "dtlsudp6", "dtlstcp",
        "tlstcp",  "tls",    "ssh",   "ipx",     "aal5pvc", "pvc",  "callback"};
    const QStringView scheme = QStringView(rest).left(std::max<qsizetype>(0, rest.indexOf(u':')));
    for (const char* name : kOtherTransports)
      if (!scheme.isEmpty() && scheme.compare(QLatin1StringView(name), Qt::CaseInsensitive) == 0)
        refuse(QStringLiteral("the agent \"%1\": kx760ctl speaks SNMP over UDP only (udp: or udp6:)").arg(text));
  }
  QString host = rest;
  QString port;
  if (rest.startsWith(u'[')) {
    const qsizetype close = rest.indexOf(u']');
    if (close < 0) refuse(QStringLiteral("the agent \"%1\" has no \"]\" after its IPv6 address").arg(text));
    host = rest.mid(1, close - 1);
    const QString after = rest.mid(close + 1);
    if (!after.isEmpty()) {
      if (!after.startsWith(u':')) refuse(QStringLiteral("the agent \"%1\" is not HOST[:PORT]").arg(text));
      port = after.mid(1);
      if (port.isEmpty()) refuse(QStringLiteral("the agent \"%1\" has no port from 1 to 65535").arg(text));
    }
  } else if (ipv6) {
    // udp6:ADDRESS without brackets: the whole text is the address.
  } else {
    const qsizetype colon = rest.indexOf(u':');
    if (colon >= 0) {
      if (rest.indexOf(u':', colon + 1) >= 0)
        refuse(QStringLiteral("the agent \"%1\": write an IPv6 address in brackets, [ADDRESS]:PORT").arg(text));
      host = rest.left(colon);
      port = rest.mid(colon + 1);
      if (port.isEmpty()) refuse(QStringLiteral("the agent \"%1\" has no port from 1 to 65535").arg(text));
    }
  }
  if (host.trimmed().isEmpty()) refuse(QStringLiteral("the agent \"%1\" has no host").arg(text));
  if (!port.isEmpty()) port_ = portOf(port, text);
  host_ = host;
}

void CtlSnmpOptions::applyTo(MvDeviceParams& device, LaunchParameters& launch,
                             const MvEnvironmentSecrets& env) const {
  if (!version_) refuse(QStringLiteral("give the SNMP version: -v 1, -v 2c or -v 3"));
  if (host_.isEmpty()) refuse(QStringLiteral("give the agent, HOST[:PORT], before the command"));
  const bool v3 = *version_ == 3;
  const QString versionName = *version_ == 0 ? QStringLiteral("1") : QStringLiteral("2c");

  // An option the version or the level would not use is refused rather than ignored: what was
  // typed is what is sent.
  const auto unused = [](bool given, const char* option, const QString& why) {
    if (given) refuse(QStringLiteral("%1 has no use %2").arg(QLatin1String(option), why));
  };
  const QString withV1 = QStringLiteral("with -v %1").arg(versionName);
  if (!v3) {
    unused(user_.has_value(), "-u", withV1);
    unused(level_.has_value(), "-l", withV1);
    unused(authProtocol_.has_value(), "-a", withV1);
    unused(authPass_.has_value(), "-A", withV1);
    unused(privProtocol_.has_value(), "-x", withV1);
    unused(privPass_.has_value(), "-X", withV1);
    unused(context_.has_value(), "-n", withV1);
    unused(securityEngineId_.has_value(), "-e", withV1);
    unused(contextEngineId_.has_value(), "-E", withV1);
  } else {
    unused(community_.has_value(), "-c", QStringLiteral("with -v 3 (give -u and -l)"));
  }

  MvDeviceParams d = device;
  LaunchParameters l = launch;
  d.address = l.addressText = host_;
  d.agentPort = port_.value_or(161);
  l.portText = QString::number(d.agentPort);
  d.version = *version_;
  l.versionText = QString::number(d.version);
  if (timeout_) d.timeout = *timeout_;
  if (retries_) d.retries = *retries_;

  if (!v3) {
    // One community for reads and writes, as Net-SNMP's -c; the environment may name two.
    if (!community_ && !env.readCommunity)
      refuse(QStringLiteral("give the community: -c COMMUNITY (or %1)").arg(QLatin1String(ReadCommunityEnv)));
    const QString read = community_ ? *community_ : QString::fromLocal8Bit(*env.readCommunity);
    const QString write = community_ || !env.writeCommunity ? read : QString::fromLocal8Bit(*env.writeCommunity);
    d.readCommunity = l.readCommunityText = read;
    d.writeCommunity = l.writeCommunityText = write;
    d.securityModel = *version_ == 0 ? 1 : 2;
    l.securityModelText = QString::number(d.securityModel);
    device = d;
    launch = l;
    return;
  }

  if (!user_ || user_->isEmpty()) refuse(QStringLiteral("give the SNMPv3 user: -u USER"));
  const qint32 level = level_.value_or(1);
  const QString atLevel =
      QStringLiteral("at -l %1").arg(QLatin1String(kLevels[static_cast<size_t>(level - 1)].name));
  const std::optional<QByteArray> authPass = level >= 2 && !authPass_ ? env.authPass : authPass_;
  const std::optional<QByteArray> privPass = level >= 3 && !privPass_ ? env.privPass : privPass_;
  if (level < 2) {
    unused(authProtocol_.has_value(), "-a", atLevel);
    unused(authPass_.has_value(), "-A", atLevel);
  } else {
    if (!authProtocol_)
      refuse(QStringLiteral("-l %1 needs the authentication protocol: -a %2")
                 .arg(QLatin1String(kLevels[static_cast<size_t>(level - 1)].name), namesOf(kAuthProtocols)));
    if (!authPass)
      refuse(QStringLiteral("-l %1 needs the authentication pass phrase: -A PASS (or %2)")
                 .arg(QLatin1String(kLevels[static_cast<size_t>(level - 1)].name), QLatin1String(AuthPassEnv)));
  }
  if (level < 3) {
    unused(privProtocol_.has_value(), "-x", atLevel);
    unused(privPass_.has_value(), "-X", atLevel);
  } else {
    if (!privProtocol_)
      refuse(QStringLiteral("-l authPriv needs the privacy protocol: -x %1").arg(namesOf(kPrivProtocols)));
    if (!privPass)
      refuse(QStringLiteral("-l authPriv needs the privacy pass phrase: -X PASS (or %1)")
                 .arg(QLatin1String(PrivPassEnv)));
  }

  d.securityModel = 3;
  l.securityModelText = QStringLiteral("3");
  d.securityName = *user_;
  l.securityNameText = QString::fromLocal8Bit(*user_);
  d.securityLevel = level;
  l.securityLevelText = QString::number(level);
  l.securityLevelGiven = true;
  if (level >= 2) {
    d.authProtocol = *authProtocol_;
    l.authProtocolText = QString::number(d.authProtocol);
    l.authProtocolGiven = true;
    d.authPassword = *authPass;
    l.authPasswordText = QString::fromLocal8Bit(*authPass);
    l.authPasswordGiven = true;
  }
  if (level >= 3) {
    d.privProtocol = *privProtocol_;
    l.privProtocolText = QString::number(d.privProtocol);
    l.privProtocolGiven = true;
    d.privPassword = *privPass;
    l.privPasswordText = QString::fromLocal8Bit(*privPass);
    l.privPasswordGiven = true;
  }
  if (context_) {
    d.contextName = *context_;
    l.contextNameText = QString::fromLocal8Bit(*context_);
    l.contextNameGiven = true;
  }
  if (contextEngineId_) d.contextEngineId = l.contextEngineIdText = *contextEngineId_;
  if (securityEngineId_) d.securityEngineId = *securityEngineId_;
  device = d;
  launch = l;
}

QString CtlSnmpOptions::usage() {
  return QStringLiteral(
      "  or the options of Net-SNMP's tools, then the agent (not mixed with the switches):\n"
      "  -v 1|2c|3  SNMP version        -c COMMUNITY  v1/v2c community (reads and writes)\n"
      "  -u USER    SNMPv3 user         -l noAuthNoPriv|authNoPriv|authPriv\n"
      "  -a MD5|SHA|SHA-224|SHA-256|SHA-384|SHA-512   -A PASS  authentication pass phrase\n"
      "  -x DES|AES|AES-192|AES-256     -X PASS       privacy pass phrase\n"
      "  -n CONTEXT context name        -e ENGINEID   the agent's engine ID (no discovery)\n"
      "  -E ENGINEID context engine ID  -t SECONDS    time-out per try   -r N  retries\n"
      "  AGENT      HOST, HOST:PORT, udp:HOST:PORT or [IPv6]:PORT (port 161 unless given)\n"
      "  secrets may come from KX760_READ_COMMUNITY, KX760_WRITE_COMMUNITY, KX760_AUTH_PASS and\n"
      "  KX760_PRIV_PASS instead of -c, -A and -X\n");
}
