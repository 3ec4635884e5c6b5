// kx760ctl end to end: the built binary runs against kx760sim with a registry file and a state
// directory of the suite's own, and its stdout, stderr and exit status are checked.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>

#include "tests/kx760ctl/CtlRunner.h"
#include "tests/support/NetSnmpTool.h"
#include "tests/support/SimAgent.h"

namespace {

constexpr char kSysDescr[] =
    "KX-760 managed Gigabit Ethernet switch, 16 ports and 2 uplink slots (simulated)";
constexpr char kBasePortTable[] = "1.3.6.1.2.1.17.1.4";

class Kx760ctlTest : public CtlSimSuite<Kx760ctlTest> {
 protected:
  // Runs kx760ctl with a registry file of the suite's directory and its state directory.
  static CtlRun run(const QStringList& args, const QString& registry = QStringLiteral("registry.ini")) {
    return runKx760ctl(dir_.filePath(registry), dir_.filePath(QStringLiteral("state")), args);
  }
  // v2c with the agent's communities, on its port.
  static CtlRun runV2(const QStringList& args) {
    return run(QStringList{"/I127.0.0.1", "/Rpublic", "/Wprivate", "/v1", "--port", port()} + args);
  }
  static QJsonArray json(const CtlRun& r) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(r.out.toUtf8(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << r.out.toStdString();
    return doc.array();
  }
  static void writeFile(const QString& name, const QByteArray& content) {
    QDir(dir_.path()).mkpath(QFileInfo(dir_.filePath(name)).path());
    QFile f(dir_.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
  }
  // The OIDs snmpwalk finds under a subtree, without the leading dot.
  static QStringList snmpwalkOids(const std::string& oid) {
    const kxtest::ToolResult r =
        kxtest::runNetSnmpTool({"snmpwalk", "-v2c", "-c", "public", agent_->address(), oid});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    QStringList oids;
    for (const std::string& line : kxtest::lines(r.out))
      if (line.starts_with(".")) oids << QString::fromStdString(line.substr(1, line.find(' ') - 1));
    return oids;
  }
  static QStringList oidsOf(const QString& plain) {
    QStringList oids;
    for (const QString& line : plain.split(u'\n', Qt::SkipEmptyParts)) oids << line.section(u' ', 0, 0);
    return oids;
  }

};

TEST_F(Kx760ctlTest, GetPrintsTheValue) {
  // The command line of a v1 host application: no version switch.
  const CtlRun r = run({"/I127.0.0.1", "/Rpublic", "/Wprivate", "--port", port(), "get",
                        "1.3.6.1.2.1.1.1.0"});
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(r.out.toStdString(), std::string("1.3.6.1.2.1.1.1.0 = ") + kSysDescr + "\n");
}

// Plain output, one line per varbind, for gets and walks whose values do not change.
struct PlainCase {
  const char* name;
  QStringList args;
  QString expected;
  int exitCode = 0;
};

QString basePortLines(std::initializer_list<int> columns) {
  QString text;
  for (int port = 1; port <= 18; ++port)
    for (int column : columns)
      text += QStringLiteral("%1.1.%2.%3 = %3\n").arg(QLatin1String(kBasePortTable)).arg(column).arg(port);
  return text;
}

class Kx760ctlPlain : public Kx760ctlTest, public ::testing::WithParamInterface<PlainCase> {};

TEST_P(Kx760ctlPlain, PrintsOidEqualsValue) {
  const CtlRun r = runV2(GetParam().args);
  EXPECT_EQ(r.exitCode, GetParam().exitCode) << r.err.toStdString();
  EXPECT_EQ(r.out.toStdString(), GetParam().expected.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Kx760ctlPlain,
    ::testing::Values(
        // Several OIDs in one get, a leading dot, octets that are no text shown in hexadecimal,
        // and an object the agent does not have (what the agent said, and exit status 4).
        PlainCase{"GetSeveral",
                  {"get", ".1.3.6.1.2.1.17.1.1.0", "1.3.6.1.2.1.1.2.0", "1.3.6.1.2.1.1.99.0"},
                  "1.3.6.1.2.1.17.1.1.0 = 021CF0760000\n"
                  "1.3.6.1.2.1.1.2.0 = 1.3.6.1.4.1.48213.11.63.2.2\n"
                  "1.3.6.1.2.1.1.99.0 = noSuchObject\n",
                  4},
        PlainCase{"WalkOneColumn", {"walk", "1.3.6.1.2.1.17.1.4.1.2"}, basePortLines({2})},
        // Two columns walked together: one row per step, the columns side by side.
        PlainCase{"WalkTwoColumns",
                  {"walk", "1.3.6.1.2.1.17.1.4.1.1", "1.3.6.1.2.1.17.1.4.1.2"},
                  basePortLines({1, 2})},
        // A column that ends early (the first has no row past 18, the second none at all) and
        // continues empty while the other goes on.
        PlainCase{"WalkColumnEndingEarly",
                  {"walk", "1.3.6.1.2.1.17.1.4.1.1", "1.3.6.1.2.1.17.1.4.1.99"},
                  basePortLines({1})},
        PlainCase{"WalkOfNothing", {"walk", "1.3.6.1.2.1.17.1.4.1.99"}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// A walk ends at the end of its subtree by whole sub-identifiers: after the system group
// (1.3.6.1.2.1.1) the agent answers 1.3.6.1.2.1.11..., whose text begins with the same digits.
TEST_F(Kx760ctlTest, WalkEndsWithItsSubtree) {
  for (const char* subtree : {"1.3.6.1.2.1.1", "1.3.6.1.2.1.17"}) {
    const CtlRun r = runV2({"walk", subtree});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList expected = snmpwalkOids(subtree);
    EXPECT_GT(expected.size(), 10);
    EXPECT_EQ(oidsOf(r.out), expected) << subtree;
  }
}

TEST_F(Kx760ctlTest, JsonGivesTypesAndLayerTextForms) {
  const CtlRun r = runV2({"--json", "get", "1.3.6.1.2.1.1.1.0", "1.3.6.1.2.1.1.2.0", "1.3.6.1.2.1.1.3.0",
                          "1.3.6.1.2.1.1.7.0", "1.3.6.1.2.1.1.99.0"});
  EXPECT_EQ(r.exitCode, 4) << r.err.toStdString();  // the last object is missing
  const QJsonArray list = json(r);
  ASSERT_EQ(list.size(), 5);
  auto at = [&list](int i, const char* field) { return list.at(i).toObject().value(QLatin1String(field)).toString(); };
  EXPECT_EQ(at(0, "oid"), "1.3.6.1.2.1.1.1.0");
  EXPECT_EQ(at(0, "type"), "octetstr");
  EXPECT_EQ(at(0, "value"), QString::fromLatin1(QByteArray(kSysDescr).toHex().toUpper()));
  EXPECT_EQ(at(1, "type"), "objectid");
  EXPECT_EQ(at(1, "value"), "1.3.6.1.4.1.48213.11.63.2.2");
  EXPECT_EQ(at(2, "type"), "timeticks");
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^(\\d+ days?,? )?\\d+:\\d\\d:\\d\\d\\.\\d\\d$"))
                  .match(at(2, "value")).hasMatch())
      << at(2, "value").toStdString();
  EXPECT_EQ(at(3, "type"), "integer");
  EXPECT_EQ(at(3, "value"), "2");
  EXPECT_EQ(at(4, "type"), "noSuchObject");
  EXPECT_EQ(at(4, "value"), "noSuchObject");
}

TEST_F(Kx760ctlTest, JsonWalkListsEveryRow) {
  const CtlRun r = runV2({"--json", "walk", "1.3.6.1.2.1.17.1.4.1.4"});
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  const QJsonArray list = json(r);
  ASSERT_EQ(list.size(), 18);
  for (int i = 0; i < 18; ++i) {
    const QJsonObject vb = list.at(i).toObject();
    EXPECT_EQ(vb.value("oid").toString(), QStringLiteral("1.3.6.1.2.1.17.1.4.1.4.%1").arg(i + 1));
    EXPECT_EQ(vb.value("type").toString(), "counter");
  }
}

TEST_F(Kx760ctlTest, SetWritesAndReadsBack) {
  const CtlRun set = runV2({"--json", "set", "1.3.6.1.2.1.1.5.0", "s", "ctl-name", "1.3.6.1.2.1.1.6.0",
                            "x", "72 61 63 6b", "1.3.6.1.2.1.1.4.0", "d", "110.111"});
  ASSERT_EQ(set.exitCode, 0) << set.err.toStdString();
  const QJsonArray sent = json(set);
  ASSERT_EQ(sent.size(), 3);
  // Every octet string, however it was typed, is one type with one text form: hex in JSON.
  for (int i = 0; i < 3; ++i) EXPECT_EQ(sent.at(i).toObject().value("type").toString(), "octetstr") << i;
  EXPECT_EQ(sent.at(0).toObject().value("value").toString(), "63746C2D6E616D65");
  EXPECT_EQ(sent.at(1).toObject().value("value").toString(), "7261636B");
  EXPECT_EQ(sent.at(2).toObject().value("value").toString(), "6E6F");

  const CtlRun get = runV2({"get", "1.3.6.1.2.1.1.5.0", "1.3.6.1.2.1.1.6.0", "1.3.6.1.2.1.1.4.0"});
  EXPECT_EQ(get.exitCode, 0) << get.err.toStdString();
  EXPECT_EQ(get.out, "1.3.6.1.2.1.1.5.0 = ctl-name\n1.3.6.1.2.1.1.6.0 = rack\n1.3.6.1.2.1.1.4.0 = no\n");
}

// Communities and pass phrases from the environment, for scripts that keep them off the command
// line; a switch on the command line is taken over the environment's value.
TEST_F(Kx760ctlTest, SecretsFromTheEnvironment) {
  const QString state = dir_.filePath(QStringLiteral("state"));
  const QString registry = dir_.filePath(QStringLiteral("registry.ini"));
  const QMap<QString, QString> communities = {{"KX760_READ_COMMUNITY", "public"}, {"KX760_WRITE_COMMUNITY", "private"}};
  const CtlRun set = runKx760ctl(registry, state,
                                 {"/I127.0.0.1", "/v1", "--port", port(), "set", "1.3.6.1.2.1.1.5.0", "s", "env-name"},
                                 communities);
  EXPECT_EQ(set.exitCode, 0) << set.err.toStdString();
  const CtlRun get = runKx760ctl(registry, state, {"/I127.0.0.1", "/v1", "--port", port(), "get", "1.3.6.1.2.1.1.5.0"},
                                 communities);
  EXPECT_EQ(get.exitCode, 0) << get.err.toStdString();
  EXPECT_EQ(get.out, "1.3.6.1.2.1.1.5.0 = env-name\n");
  // The switch wins: a wrong read community on the command line is not replaced.
  const CtlRun wrong = runKx760ctl(registry, state,
                                   {"/I127.0.0.1", "/Rwrong", "/v1", "--port", port(), "get", "1.3.6.1.2.1.1.5.0"},
                                   communities);
  EXPECT_EQ(wrong.exitCode, 1);

  const QMap<QString, QString> phrases = {{"KX760_AUTH_PASS", "authpass123"}, {"KX760_PRIV_PASS", "privpass123"}};
  const CtlRun v3 = runKx760ctl(registry, state,
                                {"/I127.0.0.1", "/v3", "/nshaaes", "/l3", "/a3", "/p4", "--port", port(), "get",
                                 "1.3.6.1.2.1.1.5.0"},
                                phrases);
  EXPECT_EQ(v3.exitCode, 0) << v3.err.toStdString();
  EXPECT_EQ(v3.out, "1.3.6.1.2.1.1.5.0 = env-name\n");
}

// What set echoes is what a get of the same objects then shows, in JSON and in plain text, for
// every kind of value a set can type.
TEST_F(Kx760ctlTest, SetEchoesWhatAGetThenShows) {
  // sysName, and two octet strings of the catalogue that take any octets.
  const QStringList oids{"1.3.6.1.2.1.1.5.0", "1.3.6.1.4.1.48213.12.1.2.1.1.2.1",
                         "1.3.6.1.4.1.48213.12.1.2.1.1.5.1"};
  const QList<QStringList> typedValues{
      {"s", "echo-name", "x", "00 01 ff", "d", "104.105"},  // text, octets that are no text, printable octets
      {"displaystr", "lab", "octetstr", "41 42", "x", ""},   // the catalogue's keywords, an empty string
  };
  for (const QStringList& typed : typedValues) {
    QStringList triples;
    for (int i = 0; i < 3; ++i) triples << oids.at(i) << typed.at(2 * i) << typed.at(2 * i + 1);
    for (const bool asJson : {true, false}) {
      const QStringList json = asJson ? QStringList{"--json"} : QStringList{};
      const CtlRun set = runV2(json + QStringList{"set"} + triples);
      ASSERT_EQ(set.exitCode, 0) << set.err.toStdString();
      const CtlRun get = runV2(json + QStringList{"get"} + oids);
      ASSERT_EQ(get.exitCode, 0) << get.err.toStdString();
      EXPECT_EQ(set.out, get.out) << triples.join(' ').toStdString() << (asJson ? " json" : " plain");
    }
  }
}

// Failures: the exit status, and on stderr the error's code with its catalogue text (or what
// is wrong with the command line). Nothing is printed on stdout.
struct ErrorCase {
  const char* name;
  QStringList args;  // after the v2c switches and the port
  int exitCode;
  const char* stderrText;
};

class Kx760ctlError : public Kx760ctlTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(Kx760ctlError, ExitsWithCodeAndText) {
  const CtlRun r = runV2(GetParam().args);
  EXPECT_EQ(r.exitCode, GetParam().exitCode);
  EXPECT_TRUE(r.err.contains(QLatin1String(GetParam().stderrText))) << r.err.toStdString();
  EXPECT_EQ(r.out, QString());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Kx760ctlError,
    ::testing::Values(
        ErrorCase{"ReadOnlyObject", {"set", "1.3.6.1.2.1.1.1.0", "s", "x"}, 1,
                  "error -117: (SNMP) Cannot create/set variable, Not Writable!"},
        ErrorCase{"WrongCommunity", {"/Rnobody", "get", "1.3.6.1.2.1.1.1.0"}, 1,
                  "error -405: (SNMPClass) SNMP request timed out!"},
        ErrorCase{"NonNumericSwitch", {"/vtwo", "get", "1.3.6.1.2.1.1.1.0"}, 1,
                  "error -8: Switch \"/v\": \"two\" is not a valid integer value."},
        ErrorCase{"BadOid", {"get", "1.3.x"}, 2, "not an OID: \"1.3.x\""},
        ErrorCase{"BadSetValue", {"set", "1.3.6.1.2.1.1.7.0", "i", "12abc"}, 2,
                  "\"12abc\" is not a value of type i"},
        ErrorCase{"UnknownSetType", {"set", "1.3.6.1.2.1.1.7.0", "q", "1"}, 2, "unknown value type \"q\""},
        ErrorCase{"IncompleteSet", {"set", "1.3.6.1.2.1.1.7.0", "i"}, 2, "OID TYPE VALUE"},
        ErrorCase{"UnknownCommand", {"nosuchcommand", "x"}, 2, "unknown command \"nosuchcommand\""},
        ErrorCase{"NoCommand", {}, 2, "no command"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Kx760ctlTest, NoModuleSwitchIsNoParameterInput) {
  const CtlRun r = run({"--port", port(), "get", "1.3.6.1.2.1.1.1.0"});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(r.err.contains(QStringLiteral("No parameter input"))) << r.err.toStdString();
}

// The registry and the device profile work as in kx760: here the profile gives the port and
// SNMPv3 parameters (0-based codes: level 2 authPriv, MD5, DES), and the catalogue files of the
// module directory replace the texts of errors.
TEST_F(Kx760ctlTest, ProfileAndCataloguesFromRegistry) {
  const QString registry = QStringLiteral("host/registry.ini");
  writeFile(registry,
            QStringLiteral("[SOFTWARE\\Maravel\\Modules\\HelpPath]\n"
                           "1.3.6.1.4.1.48213.10.63.2=%1/module/KX760Mod.dll\n"
                           "[SOFTWARE\\Maravel\\Panoptra5.1\\MibFile]\nPath=%1/profiles/\n")
                .arg(dir_.path()).toUtf8());
  writeFile(QStringLiteral("profiles/127.0.0.1.cfg"),
            QStringLiteral("[Program Information]\nAgentPort=%1\nVersion=3\nSecurityModel=3\n"
                           "SecurityLevel=2\nSecurityName=md5des\nAuthProtocol=1\nPrivProtocol=1\n"
                           "AuthPassword=authpass123\nPrivPassword=privpass123\n")
                .arg(port()).toLatin1());
  QByteArray snmpErr;
  for (int k = 1; k <= 18; ++k) snmpErr += "agent status " + QByteArray::number(k) + "\n";
  writeFile(QStringLiteral("module/errmsg/snmp.err"), snmpErr);

  const CtlRun get = run({"/I127.0.0.1", "/x", "get", "1.3.6.1.2.1.1.1.0"}, registry);
  EXPECT_EQ(get.exitCode, 0) << get.err.toStdString();
  EXPECT_EQ(get.out.toStdString(), std::string("1.3.6.1.2.1.1.1.0 = ") + kSysDescr + "\n");

  const CtlRun set = run({"/I127.0.0.1", "/x", "set", "1.3.6.1.2.1.1.1.0", "s", "x"}, registry);
  EXPECT_EQ(set.exitCode, 1);
  EXPECT_TRUE(set.err.contains(QStringLiteral("error -117: agent status 17"))) << set.err.toStdString();

  // A wrong pass phrase given after the profile read overrides it for that parameter.
  const CtlRun wrong = run({"/I127.0.0.1", "/Awrongpass1", "get", "1.3.6.1.2.1.1.1.0"}, registry);
  EXPECT_EQ(wrong.exitCode, 1);
  EXPECT_TRUE(wrong.err.contains(QStringLiteral("error -"))) << wrong.err.toStdString();
}

}  // namespace

namespace {

// The catalogue needs neither switches nor an agent: every list, as one JSON document.
TEST_F(Kx760ctlTest, CatalogueWithoutAgent) {
  const CtlRun r = run({"--json", "catalogue"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(r.out.toUtf8(), &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError);
  const QJsonArray lists = doc.object().value("lists").toArray();
  ASSERT_EQ(lists.size(), 133);
  const QJsonObject first = lists.at(0).toObject();
  EXPECT_EQ(first.value("name").toString(), "ModuleTypeList");
  const QJsonObject item = first.value("items").toArray().at(0).toObject();
  EXPECT_EQ(item.value("oid").toString(), "1.3.6.1.4.1.48213.11.63.2.2.1.1.6");
  EXPECT_EQ(item.value("options").toArray().at(1).toArray().at(1).toString(), "moduleType-KM-6B");
  const CtlRun plain = run({"catalogue"});
  EXPECT_EQ(plain.exitCode, 0);
  EXPECT_TRUE(plain.out.startsWith("ModuleTypeList")) << plain.out.left(200).toStdString();
}

}  // namespace

namespace {

// kx760ctl's long walks: bulk and get-next print the same, the row limit and a signal end the
// walk with the JSON closed, and output that cannot be written fails the command.
class Kx760ctlLongWalk : public Kx760ctlTest {
 protected:
  static void SetUpTestSuite() {
    Kx760ctlTest::SetUpTestSuite();
    big_ = new kxtest::SimAgent;
    big_->start({"--fdb-entries", "3000", "--led-period", "0"});
  }
  static void TearDownTestSuite() {
    delete big_;
    big_ = nullptr;
    Kx760ctlTest::TearDownTestSuite();
  }
  static QStringList onBig(const QStringList& args) {
    return QStringList{"/I127.0.0.1", "/Rpublic", "/v1", "--port", QString::number(big_->port())} + args;
  }
  static inline kxtest::SimAgent* big_ = nullptr;
};

constexpr char kFdbPort[] = "1.3.6.1.2.1.17.4.3.1.2";
constexpr char kFdbStatus[] = "1.3.6.1.2.1.17.4.3.1.3";

TEST_F(Kx760ctlLongWalk, BulkPrintsWhatGetNextPrints) {
  const CtlRun plain = run(onBig({"--max-repetitions", "0", "walk", kFdbPort, kFdbStatus}));
  ASSERT_EQ(plain.exitCode, 0) << plain.err.toStdString();
  EXPECT_EQ(plain.out.count(u'\n'), 6000);
  for (const char* repetitions : {"7", "50"}) {
    const CtlRun bulk = run(onBig({"--max-repetitions", repetitions, "walk", kFdbPort, kFdbStatus}));
    EXPECT_EQ(bulk.exitCode, 0) << bulk.err.toStdString();
    EXPECT_EQ(bulk.out, plain.out) << repetitions;
  }
  const CtlRun adapting = run(onBig({"walk", kFdbPort, kFdbStatus}));
  EXPECT_EQ(adapting.out, plain.out);
}

TEST_F(Kx760ctlLongWalk, RowLimitEndsWithClosedJson) {
  const CtlRun r = run(onBig({"--json", "--max-rows", "1000", "walk", kFdbPort, kFdbStatus}));
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_TRUE(r.err.contains("--max-rows")) << r.err.toStdString();
  EXPECT_EQ(json(r).size(), 2000);
  // A table shorter than the limit is walked whole.
  const CtlRun whole = run(onBig({"--json", "--max-rows", "3000", "walk", kFdbPort}));
  EXPECT_EQ(whole.exitCode, 0) << whole.err.toStdString();
  EXPECT_EQ(json(whole).size(), 3000);
}

TEST_F(Kx760ctlLongWalk, BadLimitsAreUsageErrors) {
  for (const QStringList& args : {QStringList{"--max-rows", "0"}, QStringList{"--max-rows", "x"},
                                  QStringList{"--max-repetitions", "-1"}})
    EXPECT_EQ(run(onBig(args + QStringList{"walk", kFdbPort})).exitCode, 2) << args.join(' ').toStdString();
}

TEST_F(Kx760ctlLongWalk, UnwritableOutputFailsTheCommand) {
  QProcess p;
  p.setProcessEnvironment(kx760ctlEnvironment(dir_.filePath(QStringLiteral("registry.ini")),
                                              dir_.filePath(QStringLiteral("state"))));
  p.setStandardOutputFile(QStringLiteral("/dev/full"));
  for (bool asJson : {true, false}) {
    QStringList args = onBig({"walk", kFdbPort});
    if (asJson) args.prepend(QStringLiteral("--json"));
    p.start(QStringLiteral(KX_BIN_DIR "/kx760ctl"), args);
    ASSERT_TRUE(p.waitForFinished(120000));
    EXPECT_EQ(p.exitCode(), 1) << asJson;
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains("cannot write the output"));
  }
}

// SIGINT in the middle of a walk: the rows so far are a complete JSON document.
TEST_F(Kx760ctlLongWalk, InterruptClosesTheJson) {
  kxtest::SimAgent slow;
  slow.start({"--fdb-entries", "3000", "--delay", "5", "--led-period", "0"});
  QProcess p;
  p.setProcessEnvironment(kx760ctlEnvironment(dir_.filePath(QStringLiteral("registry.ini")),
                                              dir_.filePath(QStringLiteral("state"))));
  p.start(QStringLiteral(KX_BIN_DIR "/kx760ctl"),
          {"/I127.0.0.1", "/Rpublic", "/v1", "--port", QString::number(slow.port()), "--json",
           "--max-repetitions", "0", "walk", kFdbPort});
  QByteArray out;
  while (out.count('\n') < 20 && p.waitForReadyRead(30000)) out += p.readAllStandardOutput();
  ASSERT_GE(out.count('\n'), 20);
  ::kill(static_cast<pid_t>(p.processId()), SIGINT);
  ASSERT_TRUE(p.waitForFinished(30000));
  out += p.readAllStandardOutput();
  EXPECT_EQ(p.exitCode(), 128 + SIGINT);
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(out, &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << out.right(200).toStdString();
  EXPECT_GE(doc.array().size(), 19);
  EXPECT_LT(doc.array().size(), 3000);
}

}  // namespace

namespace {

// Net-SNMP's own lines (here: the directory it creates in a fresh state directory) stay off
// stderr unless KX760_SNMP_LOG asks for them.
TEST_F(Kx760ctlTest, LibraryLogLinesOnlyWhenAskedFor) {
  for (const char* setting : {"", "0", "1"}) {
    QTemporaryDir fresh;
    qputenv("KX760_SNMP_LOG", setting);
    const CtlRun r = runKx760ctl(dir_.filePath(QStringLiteral("registry.ini")), fresh.path(),
                                 {"/I127.0.0.1", "/Rpublic", "/v1", "--port", port(), "get", "1.3.6.1.2.1.1.5.0"});
    qunsetenv("KX760_SNMP_LOG");
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.err.contains("Created directory"), std::string(setting) == "1") << setting << r.err.toStdString();
    if (std::string(setting) != "1") {
      EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    }
  }
}

}  // namespace

namespace {

// A value in a form its type does not have fails the set before anything is sent.
TEST_F(Kx760ctlTest, SetRefusesATextItsTypeCannotTake) {
  const CtlRun before = runV2({"get", "1.3.6.1.2.1.1.5.0"});
  for (const QStringList& typed : {QStringList{"ipaddress", "10.90.9O.1"}, QStringList{"integer", "2x0"},
                                   QStringList{"octetstr", "1-4"}}) {
    const CtlRun r = runV2(QStringList{"set", "1.3.6.1.2.1.1.5.0"} + typed);
    EXPECT_EQ(r.exitCode, 1) << typed.join(' ').toStdString();
    EXPECT_TRUE(r.err.contains("-511")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(u'"' + typed.at(1) + u'"')) << r.err.toStdString();
  }
  EXPECT_EQ(runV2({"get", "1.3.6.1.2.1.1.5.0"}).out, before.out);
}

}  // namespace
