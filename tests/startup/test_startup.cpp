// Start-up without a window: each case writes a registry file and a device profile into a fresh
// directory, runs the command line through runStartup, and compares the resulting DeviceTarget,
// LaunchParameters, ModuleDir and ProfileDir (or the error raised) with what the case expects.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <functional>
#include <utility>
#include <vector>

#include "mvsnmp/MvDeviceParams.h"
#include "mvsnmp/MvError.h"
#include "mvsnmp/MvSnmpSession.h"
#include "mvsnmp/MvStartup.h"

namespace {

// The registry most cases use: profiles in DIR/profiles/, the module in DIR/module/.
constexpr char kRegistry[] =
    "[SOFTWARE\\Maravel\\Modules\\HelpPath]\n"
    "1.3.6.1.4.1.48213.10.63.2=DIR/module/KX760Mod.dll\n"
    "[SOFTWARE\\Maravel\\Panoptra5.1\\MibFile]\n"
    "Path=DIR/profiles/\n";

// A complete SNMPv3 profile; cases replace single lines of it.
constexpr char kV3Profile[] =
    "[Program Information]\n"
    "AgentPort=1161\n"
    "Version=3\n"
    "ContextName=ctx\n"
    "ContextEngineID=8000\n"
    "SecurityModel=3\n"
    "SecurityLevel=2\n"
    "SecurityName=profuser\n"
    "AuthProtocol=1\n"
    "PrivProtocol=3\n"
    "AuthPassword=authpass\n"
    "PrivPassword=privpass\n";

QString profileWith(std::initializer_list<std::pair<const char*, const char*>> changes) {
  QString text = QString::fromLatin1(kV3Profile);
  for (const auto& [key, line] : changes) {
    const qsizetype at = text.indexOf(QLatin1String(key) + u'=');
    const qsizetype end = text.indexOf(u'\n', at);
    text.replace(at, end - at, QLatin1String(line));
  }
  return text;
}

using Expect = std::vector<std::pair<const char*, QString>>;

struct StartupCase {
  const char* name;
  QStringList args;
  QString profile;           // written to DIR/profiles/10.0.0.5.cfg; empty: no profile
  QString registry = QString::fromLatin1(kRegistry);  // DIR replaced; empty: no registry file
  Expect expect;             // field name -> value ("DIR" replaced)
  int errorCode = 0;         // an MvException is expected, its message naming `errorNames`
  QStringList errorNames = {};
};

void PrintTo(const StartupCase& c, std::ostream* os) {
  *os << c.name;
}

// Every field start-up sets, by name, as text.
QMap<QString, QString> snapshot(const MvStartupResult& r) {
  const MvDeviceParams& t = DeviceTarget;
  const LaunchParameters& l = r.launch;
  auto flag = [](bool b) { return QString::fromLatin1(b ? "true" : "false"); };
  return {
      {"address", t.address}, {"agentPort", QString::number(t.agentPort)},
      {"contextEngineId", t.contextEngineId}, {"contextName", t.contextName},
      {"version", QString::number(t.version)}, {"readCommunity", t.readCommunity},
      {"writeCommunity", t.writeCommunity}, {"securityModel", QString::number(t.securityModel)},
      {"securityLevel", QString::number(t.securityLevel)}, {"securityName", t.securityName},
      {"authPassword", t.authPassword}, {"privPassword", t.privPassword},
      {"authProtocol", QString::number(t.authProtocol)},
      {"privProtocol", QString::number(t.privProtocol)}, {"timeout", QString::number(t.timeout)},
      {"maxRepetitions", QString::number(t.maxRepetitions)},
      {"addressText", l.addressText}, {"readCommunityText", l.readCommunityText},
      {"writeCommunityText", l.writeCommunityText}, {"portText", l.portText},
      {"versionText", l.versionText}, {"securityNameText", l.securityNameText},
      {"authPasswordText", l.authPasswordText}, {"privPasswordText", l.privPasswordText},
      {"authProtocolText", l.authProtocolText}, {"privProtocolText", l.privProtocolText},
      {"contextEngineIdText", l.contextEngineIdText}, {"securityLevelText", l.securityLevelText},
      {"contextNameText", l.contextNameText}, {"securityModelText", l.securityModelText},
      {"profileFound", flag(l.profileFound)}, {"contextNameGiven", flag(l.contextNameGiven)},
      {"securityLevelGiven", flag(l.securityLevelGiven)},
      {"authProtocolGiven", flag(l.authProtocolGiven)},
      {"authPasswordGiven", flag(l.authPasswordGiven)},
      {"privProtocolGiven", flag(l.privProtocolGiven)},
      {"privPasswordGiven", flag(l.privPasswordGiven)}, {"ModuleDir", ModuleDir},
      {"ProfileDir", ProfileDir}, {"noParameters", flag(r.noParameters)},
      {"snmpV3", flag(r.snmpV3)}, {"message-101", messageOf(-101)},
  };
}

const QStringList kBase{"/I10.0.0.5", "/Rrd", "/Wwr"};
QStringList base(QStringList more = {}) {
  return kBase + more;
}

const StartupCase kCases[] = {
    {"CommunitiesWithoutProfile",
     base(),
     {},
     QString::fromLatin1(kRegistry),
     {{"address", "10.0.0.5"}, {"addressText", "10.0.0.5"}, {"readCommunity", "rd"},
      {"readCommunityText", "rd"}, {"writeCommunity", "wr"}, {"version", "0"}, {"agentPort", "161"},
      {"timeout", "100"}, {"profileFound", "false"}, {"snmpV3", "false"},
      {"ProfileDir", "DIR/profiles/"}, {"ModuleDir", "DIR/module/"}}},
    {"SwitchAnywhereInParameter",
     {"x/I10.0.0.5", "abc/Rrd", "--/W/Rzz", "/R/Iother"},
     {},
     QString::fromLatin1(kRegistry),
     // "/R" is matched before "/W"; "/I" before everything else.
     {{"address", "other"}, {"readCommunity", "zz"}, {"writeCommunity", "tamboro"},
      {"readCommunityText", "zz"}}},
    {"V3SwitchIgnoredWithoutV3",
     base({"/nuser", "/t999", "/lx"}),
     {},
     QString::fromLatin1(kRegistry),
     {{"securityName", ""}, {"securityNameText", ""}, {"agentPort", "161"}, {"securityLevel", "1"}}},
    {"V3SwitchAfterVersionSwitch",
     base({"/v3", "/nuser", "/t70001", "/l3", "/a0", "/p4", "/Aap", "/P", "/cctx", "/c", "/d80", "/m3"}),
     {},
     QString::fromLatin1(kRegistry),
     {{"version", "3"}, {"versionText", ""}, {"snmpV3", "true"}, {"securityName", "user"},
      {"agentPort", "4465"}, {"portText", "4465"}, {"securityLevel", "3"},
      {"securityLevelText", "3"}, {"securityLevelGiven", "true"},
      // A code of 0 is stored but counts as not given, so the text never disagrees with the code.
      {"authProtocol", "0"}, {"authProtocolText", ""}, {"authProtocolGiven", "false"},
      {"privProtocol", "4"}, {"privProtocolText", "4"}, {"privProtocolGiven", "true"},
      {"authPassword", "ap"}, {"authPasswordGiven", "true"}, {"privPassword", ""},
      {"privPasswordGiven", "false"},
      // An empty "/c" clears the name but keeps the text given before.
      {"contextName", ""}, {"contextNameText", "ctx"}, {"contextNameGiven", "true"},
      {"contextEngineId", "80"}, {"contextEngineIdText", "80"}, {"securityModel", "3"},
      {"securityModelText", "3"}}},
    {"AuthProtocolTextFollowsLaterSwitch",
     base({"/v3", "/a0", "/a3"}),
     {},
     QString::fromLatin1(kRegistry),
     {{"authProtocol", "3"}, {"authProtocolText", "3"}, {"authProtocolGiven", "true"}}},
    {"ProfileV3CountsInSameParameter",
     base({"/nbob"}),
     QString::fromLatin1(kV3Profile),
     QString::fromLatin1(kRegistry),
     {{"profileFound", "true"}, {"version", "3"}, {"versionText", "3"}, {"snmpV3", "true"},
      {"securityName", "bob"}, {"securityNameText", "bob"}, {"agentPort", "1161"},
      {"portText", "1161"}, {"contextName", "ctx"}, {"contextNameGiven", "true"},
      {"contextEngineId", "8000"}, {"securityModel", "3"}, {"securityModelText", "3"},
      // 0-based codes in the profile are stored plus one.
      {"securityLevel", "3"}, {"securityLevelText", "3"}, {"securityLevelGiven", "true"},
      {"authProtocol", "2"}, {"authProtocolText", "2"}, {"privProtocol", "4"},
      {"privProtocolText", "4"}, {"authPassword", "authpass"}, {"authPasswordGiven", "true"},
      {"privPassword", "privpass"}, {"privPasswordGiven", "true"},
      // The communities still come from the command line.
      {"readCommunity", "rd"}}},
    {"ProfileVersion1HidesV3Switch",
     base({"/v3", "/nuser"}),
     profileWith({{"Version", "Version=1"}}),
     QString::fromLatin1(kRegistry),
     {{"version", "1"}, {"versionText", "1"}, {"snmpV3", "false"}, {"securityName", "profuser"}}},
    {"ProfileReadAgainOverridesEarlierSwitch",
     base({"/nfirst", "/Rlast"}),
     QString::fromLatin1(kV3Profile),
     QString::fromLatin1(kRegistry),
     {{"securityName", "profuser"}, {"readCommunity", "last"}}},
    {"ZeroBasedZeroKeepsDefaults",
     base({"/Rx"}),
     profileWith({{"SecurityLevel", "SecurityLevel=0"},
                  {"AuthProtocol", "AuthProtocol=0"},
                  {"PrivProtocol", " PrivProtocol = 0 "},
                  {"ContextName", "ContextName="},
                  {"AuthPassword", "AuthPassword=  "}}),
     QString::fromLatin1(kRegistry),
     {{"securityLevel", "1"}, {"securityLevelText", ""}, {"securityLevelGiven", "false"},
      {"authProtocol", "1"}, {"authProtocolGiven", "false"}, {"privProtocol", "1"},
      {"privProtocolGiven", "false"}, {"contextName", ""}, {"contextNameGiven", "false"},
      {"authPassword", ""}, {"authPasswordGiven", "false"}}},
    // What start-up cannot honour is refused, naming the key or switch, never cut to its low
    // bits and used: a port outside 1-65535 from the profile, version codes other than 0, 1, 3,
    // SNMPv3 codes outside their tables (the profile's are 0-based, its 0 leaves the default).
    {"ProfilePortOutsideRangeRefused", base({"/Rx"}), profileWith({{"AgentPort", "AgentPort=70000"}}),
     QString::fromLatin1(kRegistry), {}, MvCode::UnknownError, {"\"AgentPort\"", "\"70000\"", "65535"}},
    {"ProfilePortZeroRefused", base({"/Rx"}), profileWith({{"AgentPort", "AgentPort=0"}}),
     QString::fromLatin1(kRegistry), {}, MvCode::UnknownError, {"\"AgentPort\"", "\"0\""}},
    {"ProfileVersionOutsideTableRefused", base({"/Rx"}), profileWith({{"Version", "Version=259"}}),
     QString::fromLatin1(kRegistry), {}, MvCode::UnknownError, {"\"Version\"", "\"259\"", "0, 1, 3"}},
    {"VersionSwitch2Refused", base({"/v2"}), {}, QString::fromLatin1(kRegistry), {},
     MvCode::UnknownError, {"\"/v\"", "\"2\""}},
    {"VersionSwitch256Refused", base({"/v256"}), {}, QString::fromLatin1(kRegistry), {},
     MvCode::UnknownError, {"\"/v\"", "\"256\""}},
    {"VersionSwitchNegativeRefused", base({"/v-1"}), {}, QString::fromLatin1(kRegistry), {},
     MvCode::UnknownError, {"\"/v\"", "\"-1\""}},
    {"LevelSwitchOutsideTableRefused", base({"/v3", "/l4"}), {}, QString::fromLatin1(kRegistry), {},
     MvCode::UnknownError, {"\"/l\"", "\"4\"", "1, 2, 3"}},
    {"AuthSwitchOutsideTableRefused", base({"/v3", "/a8"}), {}, QString::fromLatin1(kRegistry), {},
     MvCode::UnknownError, {"\"/a\"", "\"8\""}},
    {"PrivSwitchOutsideTableRefused", base({"/v3", "/p5"}), {}, QString::fromLatin1(kRegistry), {},
     MvCode::UnknownError, {"\"/p\"", "\"5\""}},
    {"ProfileLevelOutsideTableRefused", base({"/Rx"}), profileWith({{"SecurityLevel", "SecurityLevel=99"}}),
     QString::fromLatin1(kRegistry), {}, MvCode::UnknownError, {"\"SecurityLevel\"", "\"99\"", "0, 1, 2"}},
    {"ProfileLevelMinusOneRefused", base({"/Rx"}), profileWith({{"SecurityLevel", "SecurityLevel=-1"}}),
     QString::fromLatin1(kRegistry), {}, MvCode::UnknownError, {"\"SecurityLevel\"", "\"-1\""}},
    {"ProfileAuthOutsideTableRefused", base({"/Rx"}), profileWith({{"AuthProtocol", "AuthProtocol=7"}}),
     QString::fromLatin1(kRegistry), {}, MvCode::UnknownError, {"\"AuthProtocol\"", "\"7\""}},
    {"ProfilePrivOutsideTableRefused", base({"/Rx"}), profileWith({{"PrivProtocol", "PrivProtocol=4"}}),
     QString::fromLatin1(kRegistry), {}, MvCode::UnknownError, {"\"PrivProtocol\"", "\"4\""}},
    {"ProfileCodesAtTheirTablesEnds",
     base({"/Rx"}),
     profileWith({{"SecurityLevel", "SecurityLevel=2"}, {"AuthProtocol", "AuthProtocol=6"},
                  {"PrivProtocol", "PrivProtocol=20"}, {"AgentPort", "AgentPort=65535"}}),
     QString::fromLatin1(kRegistry),
     {{"securityLevel", "3"}, {"authProtocol", "7"}, {"privProtocol", "21"}, {"agentPort", "65535"}}},
    {"SwitchPortKeepsItsLowBits",
     base({"/v3", "/t70000"}),
     {},
     QString::fromLatin1(kRegistry),
     {{"agentPort", "4464"}, {"portText", "4464"}}},
    {"PortBelow65536Kept",
     base(),
     profileWith({{"AgentPort", "AgentPort=40000"}}),
     QString::fromLatin1(kRegistry),
     {{"agentPort", "40000"}, {"portText", "40000"}}},
    {"NegativePortWraps",
     base({"/v3", "/t-1"}),
     {},
     QString::fromLatin1(kRegistry),
     {{"agentPort", "65535"}, {"portText", "65535"}}},
    {"EmptyHelpPathValue",
     base(),
     {},
     "[SOFTWARE\\Maravel\\Modules\\HelpPath]\n1.3.6.1.4.1.48213.10.63.2=\n",
     {{"ModuleDir", ""}, {"ProfileDir", ""}}},
    {"HelpPathOfTwelveCharacters",
     base(),
     {},
     "[\\software\\maravel\\modules\\helppath]\n1.3.6.1.4.1.48213.10.63.2=KX760Mod.dll\n",
     {{"ModuleDir", ""}}},
    {"ExePathGivesConfDirectory",
     base(),
     {},
     "[SOFTWARE\\Maravel\\Panoptra5.1\\ExePath]\nPath=DIR/bin/\n",
     {{"ProfileDir", "DIR/bin/../Conf/MBF/"}, {"ModuleDir", ""}}},
    {"MibFileReplacesExePath",
     base(),
     {},
     "[SOFTWARE\\Maravel\\Panoptra5.1\\ExePath]\nPath=DIR/bin/\n"
     "[SOFTWARE\\Maravel\\Panoptra5.1\\MibFile]\nPath=DIR/mib/\n",
     {{"ProfileDir", "DIR/mib/"}}},
    {"CatalogueLoadedFromModuleDir",
     base(),
     {},
     QString::fromLatin1(kRegistry),
     {{"message-101", "PDU trop grand"}}},
    {"NoParameters",
     {},
     QString::fromLatin1(kV3Profile),
     QString::fromLatin1(kRegistry),
     {{"noParameters", "true"}, {"version", "0"}, {"address", "127.0.0.1"},
      {"ModuleDir", "DIR/module/"}, {"message-101", "PDU trop grand"}}},
    {"NonNumericProfileValue",
     base(),
     profileWith({{"AgentPort", "AgentPort=16x"}}),
     QString::fromLatin1(kRegistry),
     {},
     StartupNotANumberCode,
     {"\"AgentPort\"", "\"16x\"", "10.0.0.5.cfg", "-2147483648", "2147483647"}},
    {"AbsentRequiredProfileKey",
     base(),
     profileWith({{"Version", "; no version"}}),
     QString::fromLatin1(kRegistry),
     {},
     StartupNotANumberCode,
     {"\"Version\"", "\"\""}},
    {"ZeroBasedValueAtTheTop",
     base(),
     profileWith({{"SecurityLevel", "SecurityLevel=2147483647"}}),
     QString::fromLatin1(kRegistry),
     {},
     StartupNotANumberCode,
     {"\"SecurityLevel\"", "2147483646"}},
    {"NonNumericVersionSwitch",
     base({"/v3x"}),
     {},
     QString::fromLatin1(kRegistry),
     {},
     StartupNotANumberCode,
     {"\"/v\"", "\"3x\""}},
    {"NonNumericPortSwitchUnderV3",
     base({"/v3", "/t16a"}),
     {},
     QString::fromLatin1(kRegistry),
     {},
     StartupNotANumberCode,
     {"\"/t\"", "\"16a\""}},
    // A 0-based code of -1 is given: its code 0 travels as the text "0".
    // The program's own profile key for get-bulk read-ahead: optional, a strict number.
    {"MaxRepetitionsAbsent", base(), QString::fromLatin1(kV3Profile), QString::fromLatin1(kRegistry),
     {{"maxRepetitions", "-1"}}},
    {"MaxRepetitionsGiven", base(), QString::fromLatin1(kV3Profile) + "MaxRepetitions=25\n",
     QString::fromLatin1(kRegistry), {{"maxRepetitions", "25"}}},
    {"MaxRepetitionsZeroMeansGetNext", base(), QString::fromLatin1(kV3Profile) + "MaxRepetitions=0\n",
     QString::fromLatin1(kRegistry), {{"maxRepetitions", "0"}}},
    {"MaxRepetitionsNotANumber",
     base(),
     QString::fromLatin1(kV3Profile) + "MaxRepetitions=many\n",
     QString::fromLatin1(kRegistry),
     {},
     StartupNotANumberCode,
     {"\"MaxRepetitions\"", "\"many\""}},
    // A 0-based -1 would store the code 0, which no table has: refused.
    {"ProfileCodeMinusOneRefused", base(), profileWith({{"AuthProtocol", "AuthProtocol=-1"}}),
     QString::fromLatin1(kRegistry), {}, MvCode::UnknownError, {"\"AuthProtocol\"", "\"-1\""}},
    // A context engine ID is its octets in hexadecimal, "0x" allowed; anything else is refused
    // with the key or switch named, never shortened.
    {"EngineIdHexInProfile",
     base(),
     profileWith({{"ContextEngineID", "ContextEngineID=0x80001F8804"}}),
     QString::fromLatin1(kRegistry),
     {{"contextEngineId", "0x80001F8804"}, {"contextEngineIdText", "0x80001F8804"}}},
    {"EngineIdNotHexInProfile",
     base(),
     profileWith({{"ContextEngineID", "ContextEngineID=engine-1"}}),
     QString::fromLatin1(kRegistry),
     {},
     MvCode::UnknownError,
     {"\"ContextEngineID\"", "\"engine-1\"", "hexadecimal"}},
    {"EngineIdOddDigitsSwitch",
     base({"/v3", "/d800"}),
     {},
     QString::fromLatin1(kRegistry),
     {},
     MvCode::UnknownError,
     {"\"/d\"", "\"800\""}},
    {"NumberBeyond32Bits",
     base({"/v4294967299"}),
     {},
     QString::fromLatin1(kRegistry),
     {},
     StartupNotANumberCode,
     {"\"/v\""}},
};

class StartupTest : public ::testing::TestWithParam<StartupCase> {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "startup_tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
    qputenv("XDG_STATE_HOME", stateDir_.path().toUtf8());
    initSnmpSession();
  }
  void SetUp() override {
    DeviceTarget = MvDeviceParams::defaults();
    MvCatalogues::resetAll();
    QDir(dir_.path()).mkpath(QStringLiteral("profiles"));
    QDir(dir_.path()).mkpath(QStringLiteral("module/errmsg"));
    write(QStringLiteral("module/errmsg/snmp.err"), "PDU trop grand\n");
  }
  void TearDown() override { MvCatalogues::resetAll(); }

  QString dir() const { return dir_.path(); }
  QString withDir(QString text) const { return text.replace(QStringLiteral("DIR"), dir()); }
  void write(const QString& name, const QByteArray& content) const {
    QFile f(dir_.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
  }

  static inline QTemporaryDir stateDir_;
  QTemporaryDir dir_;
};

TEST_P(StartupTest, FillsTargetAndLaunchParameters) {
  const StartupCase& c = GetParam();
  if (!c.profile.isEmpty()) write(QStringLiteral("profiles/10.0.0.5.cfg"), c.profile.toLatin1());
  const QString registryFile = dir_.filePath(QStringLiteral("registry.ini"));
  if (!c.registry.isEmpty()) write(QStringLiteral("registry.ini"), withDir(c.registry).toUtf8());

  if (c.errorCode != 0) {
    try {
      runStartup(c.args, MvRegistry(registryFile));
      FAIL() << "no error raised";
    } catch (const MvException& e) {
      EXPECT_EQ(e.code(), c.errorCode);
      for (const QString& n : c.errorNames)
        EXPECT_TRUE(e.message().contains(n)) << e.message().toStdString() << " lacks " << n.toStdString();
    }
    return;
  }
  const QMap<QString, QString> actual = snapshot(runStartup(c.args, MvRegistry(registryFile)));
  for (const auto& [field, value] : c.expect) {
    ASSERT_TRUE(actual.contains(QLatin1String(field))) << field;
    EXPECT_EQ(actual.value(QLatin1String(field)).toStdString(), withDir(value).toStdString()) << field;
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, StartupTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The HelpPath key is created when it is missing, in a registry file that may not exist yet;
// a registry that cannot be written leaves ModuleDir empty and raises nothing.
TEST(StartupRegistry, CreatesMissingHelpPathKey) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("maravel/registry.ini"));
  const MvRegistry registry(file);
  EXPECT_FALSE(registry.read(QLatin1String(MvStartupKeys::HelpPathKey), QStringLiteral("x")));
  runStartup({QStringLiteral("/I1.2.3.4")}, registry);
  EXPECT_EQ(registry.read(QLatin1String(MvStartupKeys::HelpPathKey),
                          QLatin1String(MvStartupKeys::HelpPathValue)),
            QString());
  // A second start finds the key and adds no second section.
  runStartup({QStringLiteral("/I1.2.3.4")}, registry);
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll().count("HelpPath"), 1);

  const MvRegistry unwritable(QStringLiteral("/proc/kx760-no-such-dir/registry.ini"));
  EXPECT_NO_THROW(runStartup({QStringLiteral("/I1.2.3.4")}, unwritable));
  EXPECT_EQ(ModuleDir, QString());
}

// A directory where the device profile should be is refused, naming it, instead of being taken
// for "no profile".
TEST(StartupProfile, ProfilePathThatIsADirectoryIsRefused) {
  QTemporaryDir dir;
  QDir(dir.path()).mkpath(QStringLiteral("profiles/10.0.0.5.cfg"));
  QFile registry(dir.filePath(QStringLiteral("registry.ini")));
  ASSERT_TRUE(registry.open(QIODevice::WriteOnly));
  registry.write(QString::fromLatin1(kRegistry).replace(QStringLiteral("DIR"), dir.path()).toUtf8());
  registry.close();
  try {
    runStartup({QStringLiteral("/I10.0.0.5"), QStringLiteral("/Rx")}, MvRegistry(registry.fileName()));
    FAIL() << "no error raised";
  } catch (const MvException& e) {
    EXPECT_TRUE(e.message().contains(QStringLiteral("10.0.0.5.cfg\" is a directory"))) << e.message().toStdString();
  }
}

TEST(StartupRegistry, StandardFileFollowsEnvironment) {
  qputenv("KX760_REGISTRY", "/somewhere/reg.ini");
  EXPECT_EQ(MvRegistry::standard().fileName(), QStringLiteral("/somewhere/reg.ini"));
  qunsetenv("KX760_REGISTRY");
  qputenv("XDG_CONFIG_HOME", "/cfg");
  EXPECT_EQ(MvRegistry::standard().fileName(), QStringLiteral("/cfg/maravel/registry.ini"));
  qputenv("XDG_CONFIG_HOME", "relative/cfg");
  EXPECT_EQ(MvRegistry::standard().fileName(), QDir::homePath() + "/.config/maravel/registry.ini");
  qunsetenv("XDG_CONFIG_HOME");
}

// With an empty ModuleDir the catalogue files are looked for relative to the current directory.
TEST(StartupCatalogues, EmptyModuleDirReadsCurrentDirectory) {
  QTemporaryDir dir;
  QDir(dir.path()).mkpath(QStringLiteral("errmsg"));
  QFile f(dir.filePath(QStringLiteral("errmsg/mvsnmp.err")));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("Bien\n");
  f.close();
  QFile reg(dir.filePath(QStringLiteral("registry.ini")));
  ASSERT_TRUE(reg.open(QIODevice::WriteOnly));
  reg.write("[SOFTWARE\\Maravel\\Modules\\HelpPath]\n1.3.6.1.4.1.48213.10.63.2=\n");
  reg.close();

  const QString before = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  MvCatalogues::resetAll();
  runStartup({QStringLiteral("/I1.2.3.4")}, MvRegistry(reg.fileName()));
  QDir::setCurrent(before);
  EXPECT_EQ(ModuleDir, QString());
  EXPECT_EQ(messageOf(0), QStringLiteral("Bien"));
  MvCatalogues::resetAll();
}

}  // namespace

// The octets an engine ID text stands for.
TEST(EngineIdOctets, HexTextOnly) {
  const struct {
    const char* text;
    std::optional<QByteArray> octets;
  } cases[] = {
      {"", QByteArray()},
      {"80001F88", QByteArray::fromHex("80001F88")},
      {"0x80001f88", QByteArray::fromHex("80001F88")},
      {"0X0A", QByteArray("\x0a", 1)},
      {"0x", std::nullopt},
      {"800", std::nullopt},
      {"80 00", std::nullopt},
      {"zz", std::nullopt},
      {"engine", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(engineIdOctets(QString::fromLatin1(c.text)), c.octets) << c.text;
}


// Local files are read only when they are regular files of a sensible size: a FIFO would block
// the start-up, /dev/zero would never end, a huge profile would be read for minutes. Each gives
// a clear error naming the file at once; a catalogue that is not such a file keeps the built-in
// texts.
TEST(StartupFiles, OnlyRegularFilesOfASensibleSize) {
  static int argc = 1;
  static char name[] = "startup_tests";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
  QTemporaryDir dir;
  QDir(dir.path()).mkpath(QStringLiteral("profiles"));
  QDir(dir.path()).mkpath(QStringLiteral("module/errmsg"));
  const QString registry = dir.filePath(QStringLiteral("registry.ini"));
  auto writeRegistry = [&] {
    QFile f(registry);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QByteArray(kRegistry).replace("DIR", dir.path().toUtf8()));
  };
  const QString profile = dir.filePath(QStringLiteral("profiles/10.0.0.5.cfg"));
  struct Bad {
    const char* what;
    std::function<void()> make;
    QString named;
  };
  const Bad cases[] = {
      {"FifoProfile", [&] { ASSERT_EQ(::mkfifo(profile.toLocal8Bit().constData(), 0600), 0); }, profile},
      {"DevZeroProfile", [&] { ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), profile)); }, profile},
      {"HugeProfile",
       [&] {
         QFile f(profile);
         ASSERT_TRUE(f.open(QIODevice::WriteOnly));
         f.write(QByteArray(kV3Profile) + QByteArray(2 << 20, ';'));
       },
       profile},
      {"FifoRegistry",
       [&] {
         QFile::remove(registry);
         ASSERT_EQ(::mkfifo(registry.toLocal8Bit().constData(), 0600), 0);
       },
       registry},
  };
  for (const Bad& c : cases) {
    SCOPED_TRACE(c.what);
    QFile::remove(profile);
    QFile::remove(registry);
    writeRegistry();
    c.make();
    QElapsedTimer took;
    took.start();
    try {
      runStartup({QStringLiteral("/I10.0.0.5"), QStringLiteral("/Rrd")}, MvRegistry(registry));
      ADD_FAILURE() << "no error";
    } catch (const MvException& e) {
      EXPECT_TRUE(e.message().contains(c.named)) << e.message().toStdString();
    }
    EXPECT_LT(took.elapsed(), 5000);
  }

  // A catalogue that is a device keeps the built-in texts.
  QFile::remove(registry);
  writeRegistry();
  QFile::remove(profile);
  MvCatalogues::resetAll();
  const QString builtIn = messageOf(-405);
  ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), dir.filePath(QStringLiteral("module/errmsg/snmpclass.err"))));
  runStartup({QStringLiteral("/I10.0.0.5"), QStringLiteral("/Rrd")}, MvRegistry(registry));
  EXPECT_EQ(messageOf(-405), builtIn);
  MvCatalogues::resetAll();
}
