#include "mvsnmp/MvStartup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <memory>
#include <vector>

#include "mvsnmp/MvDeviceParams.h"
#include "mvsnmp/MvError.h"
#include "mvsnmp/MvIni.h"
#include "mvsnmp/MvPath.h"
#include "mvsnmp/MvText.h"

QString ModuleDir;
QString ProfileDir;

namespace {

// ---- registry file ----------------------------------------------------------------------------

// Registry key paths compare without the hive's leading separator and without regard to case.
QString normalizedKey(QStringView key) {
  while (key.startsWith(u'\\')) key = key.mid(1);
  return key.toString().toCaseFolded();
}

struct RegistryLookup {
  bool keyExists = false;
  QString value;  // empty when the value is missing
};

RegistryLookup lookUp(const QString& fileName, const QString& key, const QString& valueName) {
  RegistryLookup result;
  QString why;
  const std::optional<QByteArray> bytes = readLocalFile(fileName, MaxProfileBytes, &why);
  if (!why.isEmpty()) throw MvException(MvCode::UnknownError, QStringLiteral("Registry file: %1").arg(why));
  if (!bytes) return result;
  // Paths in the registry file are written by tools of this platform: UTF-8.
  const QString content = QString::fromUtf8(*bytes);
  const QString wanted = normalizedKey(key);
  bool inKey = false;
  bool valueFound = false;
  for (QStringView line : QStringView(content).split(u'\n')) {
    const QString trimmed = trimmedOfControls(line);
    if (trimmed.startsWith(u'[')) {
      const qsizetype close = trimmed.lastIndexOf(u']');
      const QString name = trimmedOfControls(QStringView(trimmed).mid(1, close < 0 ? -1 : close - 1));
      inKey = normalizedKey(name) == wanted;
      result.keyExists = result.keyExists || inKey;
      continue;
    }
    if (!inKey || valueFound || trimmed.startsWith(u';') || trimmed.startsWith(u'#')) continue;
    const qsizetype eq = trimmed.indexOf(u'=');
    if (eq < 0) continue;
    if (trimmedOfControls(QStringView(trimmed).left(eq)).compare(valueName, Qt::CaseInsensitive) != 0)
      continue;
    QString value = trimmedOfControls(QStringView(trimmed).mid(eq + 1));
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
      value = value.mid(1, value.size() - 2);
    result.value = value;
    valueFound = true;
  }
  return result;
}

bool createKey(const QString& fileName, const QString& key) {
  const QFileInfo info(fileName);
  if (!QDir().mkpath(info.absolutePath())) return false;
  QFile file(fileName);
  if (!file.open(QIODevice::ReadWrite | QIODevice::Append)) return false;
  QByteArray section;
  if (file.size() > 0) {
    file.seek(file.size() - 1);
    if (file.read(1) != "\n") section += '\n';
  }
  section += '[' + key.toUtf8() + "]\n";
  return file.write(section) == section.size() && file.flush();
}

// ---- numbers ----------------------------------------------------------------------------------

// A decimal integer as the command line and the profile give it: an optional sign and digits,
// within the signed 32-bit range (or up to `max`). Anything else raises StartupNotANumberCode
// naming `where` and the text.
qint32 numberOf(const QString& text, const QString& where,
                qint32 max = std::numeric_limits<qint32>::max()) {
  constexpr qint32 min = std::numeric_limits<qint32>::min();
  qsizetype digitsFrom = (text.startsWith(u'+') || text.startsWith(u'-')) ? 1 : 0;
  bool digitsOnly = text.size() > digitsFrom;
  for (qsizetype k = digitsFrom; k < text.size() && digitsOnly; ++k)
    digitsOnly = text.at(k) >= u'0' && text.at(k) <= u'9';
  bool ok = false;
  const qint64 v = digitsOnly ? text.toLongLong(&ok, 10) : 0;
  if (ok && v >= min && v <= max) return static_cast<qint32>(v);
  throw MvException(
      StartupNotANumberCode,
      QStringLiteral("%1: \"%2\" is not a valid integer value. ").arg(where, text) +
          fillPlaceholders(messageOf(StartupNotANumberCode),
                           {{QStringLiteral("[MIN]"), QString::number(min)},
                            {QStringLiteral("[MAX]"), QString::number(max)}}));
}

// ---- codes start-up can honour ----------------------------------------------------------------

// A code outside its table would be used as it stands (a version 256 sent as SNMPv1, a level 4,
// an unknown protocol): start-up refuses it, naming the key or switch and the codes it takes.
struct CodeTable {
  const char* what;
  std::vector<qint32> codes;
};
const CodeTable kVersions = {"an SNMP version code", {0, 1, 3}};
const CodeTable kLevels = {"a security level code", {1, 2, 3}};
const CodeTable kAuthProtocols = {"an authentication protocol code", {1, 2, 3, 4, 5, 6, 7}};
const CodeTable kPrivProtocols = {"a privacy protocol code", {1, 2, 3, 4, 9, 20, 21}};

// `shift` is what the stored code adds to the text's number (1 for the profile's 0-based codes).
qint32 codeOf(const QString& text, const QString& where, const CodeTable& table, qint32 shift = 0) {
  const qint32 n = numberOf(text, where, std::numeric_limits<qint32>::max() - shift);
  if (std::find(table.codes.begin(), table.codes.end(), n + shift) != table.codes.end()) return n;
  QStringList accepted;
  for (qint32 c : table.codes)
    if (c - shift >= 0) accepted << QString::number(c - shift);
  throw MvException(MvCode::UnknownError,
                    QStringLiteral("%1: \"%2\" is not %3 this program can use (one of %4).")
                        .arg(where, text, QLatin1String(table.what), accepted.join(QStringLiteral(", "))));
}

// A port as the profile gives it: 1 to 65535; the switch "/t" keeps its low 16 bits instead.
qint32 portOf(const QString& text, const QString& where) {
  const qint32 n = numberOf(text, where);
  if (n >= 1 && n <= 65535) return n;
  throw MvException(MvCode::UnknownError,
                    QStringLiteral("%1: \"%2\" is not a UDP port (1 to 65535).").arg(where, text));
}

// ---- profile and switches ---------------------------------------------------------------------

struct Target {
  MvDeviceParams& device;
  LaunchParameters& launch;
  MvStartupResult& result;
  // Each profile file is read once per start-up; its values are applied wherever the rules read
  // the profile (a 46 MB file read once per parameter would hold the start-up for minutes).
  std::map<QString, std::unique_ptr<MvIni>> profiles = {};
  bool snmpV3() const { return launch.versionText == u"3" || device.version == 3; }
};

void setPort(Target& t, qint32 v) {
  t.device.agentPort = static_cast<quint16>(v);  // the low 16 bits
  t.launch.portText = QString::number(t.device.agentPort);
}

void setModel(Target& t, qint32 v) {
  t.device.securityModel = v;
  t.launch.securityModelText = QString::number(v);
}

// A 1-based code from a switch: 0 (the switches' "not given") or a code of the table.
qint32 switchCode(const QString& text, const QString& where, const CodeTable& table) {
  if (numberOf(text, where) == 0) return 0;
  return codeOf(text, where, table);
}

// A 1-based code of a given value (the text "0" leaves the field as it was). The field, its text
// and its flag change together, so the text passed to sibling tools always matches the code used.
void setCode(qint32& field, QString& text, bool& given, qint32 v) {
  field = v;
  if (v == 0) return;
  text = QString::number(v);
  given = true;
}

// A 0-based code of the profile: the text "0" leaves the field as it was, any other value is
// stored plus one and must then be a code of the table.
void setZeroBasedCode(qint32& field, QString& text, bool& given, const QString& value,
                      const QString& where, const CodeTable& table) {
  if (value == u"0") return;
  field = codeOf(value, where, table, 1) + 1;
  text = QString::number(field);
  given = true;
}

// A context engine ID: its hexadecimal text (optionally after "0x") as given, or a clear error
// naming where it came from; an empty text means none.
QString engineIdText(const QString& value, const QString& where) {
  if (!engineIdOctets(value))
    throw MvException(MvCode::UnknownError,
                      QStringLiteral("%1: \"%2\" is not a context engine ID: give its octets as an even "
                                     "number of hexadecimal digits, optionally after \"0x\".")
                          .arg(where, value));
  return value;
}

// The octets of an SNMPv3 text from the profile. The profile is read with one character per
// octet, so these are the file's own octets, whatever encoding the host wrote it in.
QByteArray profileOctets(const QString& value) { return value.toLatin1(); }

// The octets of an SNMPv3 text from a switch: the command line's own octets, which the system's
// encoding decoded into the parameter text.
QByteArray switchOctets(const QString& value) { return value.toLocal8Bit(); }

// A switch's text that counts as given only when it is not empty.
void setOptionalText(QByteArray& field, QString& text, bool& given, const QString& value) {
  field = switchOctets(value);
  if (value.isEmpty()) return;
  text = value;
  given = true;
}

using Apply = void (*)(Target&, const QString& value, const QString& where);

struct Rule {
  const char* name;  // profile key or switch text
  Apply apply;
};

// The profile's keys, read and applied in this order.
const std::array<Rule, 11> kProfileKeys = {{
    {"AgentPort", [](Target& t, const QString& v, const QString& w) { setPort(t, portOf(v, w)); }},
    {"Version",
     [](Target& t, const QString& v, const QString& w) {
       const qint32 n = codeOf(v, w, kVersions);
       t.launch.versionText = v;
       t.device.version = static_cast<quint8>(n);
       t.result.versionGiven = true;
     }},
    {"ContextName",
     [](Target& t, const QString& v, const QString&) {
       if (v.isEmpty()) return;
       t.device.contextName = profileOctets(v);
       t.launch.contextNameText = v;
       t.launch.contextNameGiven = true;
     }},
    {"ContextEngineID",
     [](Target& t, const QString& v, const QString& w) {
       t.device.contextEngineId = t.launch.contextEngineIdText = engineIdText(v, w);
     }},
    {"SecurityModel", [](Target& t, const QString& v, const QString& w) { setModel(t, numberOf(v, w)); }},
    {"SecurityLevel",
     [](Target& t, const QString& v, const QString& w) {
       setZeroBasedCode(t.device.securityLevel, t.launch.securityLevelText,
                        t.launch.securityLevelGiven, v, w, kLevels);
     }},
    {"SecurityName",
     [](Target& t, const QString& v, const QString&) {
       t.device.securityName = profileOctets(v);
       t.launch.securityNameText = v;
     }},
    {"AuthProtocol",
     [](Target& t, const QString& v, const QString& w) {
       setZeroBasedCode(t.device.authProtocol, t.launch.authProtocolText,
                        t.launch.authProtocolGiven, v, w, kAuthProtocols);
     }},
    {"PrivProtocol",
     [](Target& t, const QString& v, const QString& w) {
       setZeroBasedCode(t.device.privProtocol, t.launch.privProtocolText,
                        t.launch.privProtocolGiven, v, w, kPrivProtocols);
     }},
    {"AuthPassword",
     [](Target& t, const QString& v, const QString&) {
       if (v.isEmpty()) return;
       t.device.authPassword = profileOctets(v);
       t.launch.authPasswordText = v;
       t.launch.authPasswordGiven = true;
     }},
    {"PrivPassword",
     [](Target& t, const QString& v, const QString&) {
       if (v.isEmpty()) return;
       t.device.privPassword = profileOctets(v);
       t.launch.privPasswordText = v;
       t.launch.privPasswordGiven = true;
     }},
}};

// The switches every parameter is matched against, in this order; the first that occurs in the
// parameter counts. "/I" is handled before the profile read and stands apart.
const std::array<Rule, 3> kSwitches = {{
    {"/R", [](Target& t, const QString& v, const QString&) {
       t.device.readCommunity = t.launch.readCommunityText = v;
       t.result.readCommunityGiven = true;
     }},
    {"/W", [](Target& t, const QString& v, const QString&) {
       t.device.writeCommunity = t.launch.writeCommunityText = v;
       t.result.writeCommunityGiven = true;
     }},
    {"/v", [](Target& t, const QString& v, const QString& w) {
       // versionText stays as the profile gave it.
       t.device.version = static_cast<quint8>(codeOf(v, w, kVersions));
       t.result.versionGiven = true;
     }},
}};

// The switches that count only while SNMPv3 is in force.
const std::array<Rule, 10> kV3Switches = {{
    {"/t", [](Target& t, const QString& v, const QString& w) { setPort(t, numberOf(v, w)); }},
    {"/c", [](Target& t, const QString& v, const QString&) {
       setOptionalText(t.device.contextName, t.launch.contextNameText, t.launch.contextNameGiven, v);
     }},
    {"/d", [](Target& t, const QString& v, const QString& w) {
       t.device.contextEngineId = t.launch.contextEngineIdText = engineIdText(v, w);
     }},
    {"/m", [](Target& t, const QString& v, const QString& w) { setModel(t, numberOf(v, w)); }},
    {"/l", [](Target& t, const QString& v, const QString& w) {
       setCode(t.device.securityLevel, t.launch.securityLevelText, t.launch.securityLevelGiven,
               switchCode(v, w, kLevels));
     }},
    {"/n", [](Target& t, const QString& v, const QString&) {
       t.device.securityName = switchOctets(v);
       t.launch.securityNameText = v;
     }},
    {"/A", [](Target& t, const QString& v, const QString&) {
       setOptionalText(t.device.authPassword, t.launch.authPasswordText, t.launch.authPasswordGiven, v);
     }},
    {"/P", [](Target& t, const QString& v, const QString&) {
       setOptionalText(t.device.privPassword, t.launch.privPasswordText, t.launch.privPasswordGiven, v);
     }},
    {"/a", [](Target& t, const QString& v, const QString& w) {
       setCode(t.device.authProtocol, t.launch.authProtocolText, t.launch.authProtocolGiven,
               switchCode(v, w, kAuthProtocols));
     }},
    {"/p", [](Target& t, const QString& v, const QString& w) {
       setCode(t.device.privProtocol, t.launch.privProtocolText, t.launch.privProtocolGiven,
               switchCode(v, w, kPrivProtocols));
     }},
}};

inline constexpr char kAddressSwitch[] = "/I";

// The value after a switch's two characters when the switch occurs anywhere in the parameter.
std::optional<QString> switchValue(const QString& parameter, const char* sw) {
  const qsizetype at = parameter.indexOf(QLatin1String(sw));
  if (at < 0) return std::nullopt;
  return parameter.mid(at + 2);
}

template <size_t N>
bool applyFirstMatch(const std::array<Rule, N>& rules, Target& t, const QString& parameter) {
  for (const Rule& r : rules) {
    if (const std::optional<QString> value = switchValue(parameter, r.name)) {
      r.apply(t, *value, QStringLiteral("Switch \"%1\"").arg(QLatin1String(r.name)));
      return true;
    }
  }
  return false;
}

void readProfile(Target& t, const QString& path) {
  std::unique_ptr<MvIni>& cached = t.profiles[path];
  if (!cached) cached = std::make_unique<MvIni>(path);
  const MvIni& profile = *cached;
  if (!profile.error().isEmpty())
    throw MvException(MvCode::UnknownError, QStringLiteral("Device profile: %1").arg(profile.error()));
  const QString section = QString::fromLatin1(MvStartupKeys::ProfileSection);
  auto where = [&](const QString& key) {
    return QStringLiteral("Profile key \"%1\" in \"%2\"").arg(key, path);
  };
  for (const Rule& r : kProfileKeys) {
    const QString key = QString::fromLatin1(r.name);
    r.apply(t, profile.readString(section, key, QString()), where(key));
  }
  // This program's own key, optional: how many rows a walk reads ahead with get-bulk (0: none,
  // get-next only; a negative number or no key: as many as the answers allow).
  const QString bulkKey = QStringLiteral("MaxRepetitions");
  const QString bulk = profile.readString(section, bulkKey, QString());
  if (!bulk.isEmpty()) t.device.maxRepetitions = std::max(-1, numberOf(bulk, where(bulkKey)));
}

bool isFile(const QString& path) {
  const QFileInfo info(path);
  return info.exists() && !info.isDir();
}

void applyParameter(Target& t, const QString& parameter) {
  if (const std::optional<QString> address = switchValue(parameter, kAddressSwitch)) {
    t.device.address = t.launch.addressText = *address;
    return;
  }
  // The profile is read again for every other parameter, for the address known at that moment:
  // a profile value overrides a switch of an earlier parameter, a switch overrides the profile
  // read for its own parameter.
  const QString profilePath = ProfileDir + t.launch.addressText + QStringLiteral(".cfg");
  // A directory where the profile should be is not "no profile": the host's set-up is wrong.
  if (QFileInfo(profilePath).isDir())
    throw MvException(MvCode::UnknownError,
                      QStringLiteral("Device profile: \"%1\" is a directory, not a profile file.").arg(profilePath));
  t.launch.profileFound = isFile(profilePath);
  if (t.launch.profileFound) readProfile(t, profilePath);
  if (applyFirstMatch(kSwitches, t, parameter)) return;
  if (t.snmpV3()) applyFirstMatch(kV3Switches, t, parameter);
}

void loadCatalogues() {
  constexpr std::array kOrder = {MvCatalogue::CommonMessages,   MvCatalogue::SnmpStatusMessages,
                                 MvCatalogue::SnmpV3Messages,   MvCatalogue::SnmpUsmMessages,
                                 MvCatalogue::SnmpClassMessages, MvCatalogue::LibraryMessages,
                                 MvCatalogue::StatusFormats};
  for (MvCatalogue c : kOrder) loadMessageFile(c, joinPath(ModuleDir, MvCatalogues::fileName(c)));
}

// The module directory: the HelpPath value names a file with a 12-character name in it.
QString moduleDirOf(const QString& helpPath) {
  constexpr qsizetype kFileNameLength = 12;
  return helpPath.size() <= kFileNameLength ? QString() : helpPath.left(helpPath.size() - kFileNameLength);
}

QString profileDirOf(const MvRegistry& registry) {
  using namespace MvStartupKeys;
  const QString path = QString::fromLatin1(PathValue);
  QString dir;
  if (const auto exePath = registry.read(QString::fromLatin1(ExePathKey), path))
    dir = *exePath + QStringLiteral("..") + QDir::separator() + QStringLiteral("Conf") +
          QDir::separator() + QStringLiteral("MBF") + QDir::separator();
  if (const auto mibFile = registry.read(QString::fromLatin1(MibFileKey), path)) dir = *mibFile;
  return dir;
}

}  // namespace

MvRegistry MvRegistry::standard() {
  const QString explicitFile = qEnvironmentVariable("KX760_REGISTRY");
  if (!explicitFile.isEmpty()) return MvRegistry(explicitFile);
  QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
  // A relative XDG_CONFIG_HOME is invalid and ignored, as the XDG rules say.
  if (config.isEmpty() || QDir::isRelativePath(config))
    config = QDir::homePath() + QStringLiteral("/.config");
  return MvRegistry(config + QStringLiteral("/maravel/registry.ini"));
}

std::optional<QString> MvRegistry::read(const QString& key, const QString& valueName) const {
  const RegistryLookup r = lookUp(fileName_, key, valueName);
  if (!r.keyExists) return std::nullopt;
  return r.value;
}

std::optional<QString> MvRegistry::readCreatingKey(const QString& key,
                                                   const QString& valueName) const {
  if (std::optional<QString> value = read(key, valueName)) return value;
  if (!createKey(fileName_, key)) return std::nullopt;
  return QString();
}

MvStartupResult runStartup(const QStringList& parameters, const MvRegistry& registry) {
  using namespace MvStartupKeys;
  MvStartupResult result;
  DeviceTarget.version = 0;

  ModuleDir = moduleDirOf(
      registry.readCreatingKey(QString::fromLatin1(HelpPathKey), QString::fromLatin1(HelpPathValue))
          .value_or(QString()));
  loadCatalogues();
  ProfileDir = profileDirOf(registry);

  if (parameters.isEmpty()) {
    result.noParameters = true;
  } else {
    Target t{DeviceTarget, result.launch, result};
    for (const QString& parameter : parameters) applyParameter(t, parameter);
  }
  result.snmpV3 = DeviceTarget.version == 3;
  return result;
}

MvStartupResult runStartup(const QStringList& parameters) {
  return runStartup(parameters, MvRegistry::standard());
}

const char* parameterSwitch(const QString& parameter) {
  if (switchValue(parameter, kAddressSwitch)) return kAddressSwitch;
  for (const Rule& r : kSwitches)
    if (switchValue(parameter, r.name)) return r.name;
  for (const Rule& r : kV3Switches)
    if (switchValue(parameter, r.name)) return r.name;
  return nullptr;
}
