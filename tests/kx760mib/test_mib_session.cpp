// kx760mib as a program: a session without its version, communities or user is refused before
// anything is sent (never completed with a default), and the communities may come from the
// environment instead of the command line.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "tests/support/SimAgent.h"
#include "tests/support/SimLog.h"

namespace {

struct MibRun {
  int exitCode = -1;
  QString err;
};

class MibSessionTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new QTemporaryDir;
    agent_ = new kxtest::SimAgent;
    agent_->start({"--led-period", "0", "--log", dir_->filePath("requests.log").toStdString(), "--read-community",
                   "env-read", "--write-community", "env-write"});
  }
  static void TearDownTestSuite() {
    delete agent_;
    delete dir_;
  }

  static MibRun run(const QStringList& args, const QMap<QString, QString>& variables = {}) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_STATE_HOME", dir_->path());
    env.insert("KX760_REGISTRY", dir_->filePath("registry.ini"));
    for (auto v = variables.begin(); v != variables.end(); ++v) env.insert(v.key(), v.value());
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(KX_BIN_DIR "/kx760mib"),
            args + QStringList{"/TMIB_Info", "--port", QString::number(agent_->port()), "--screenshot",
                               dir_->filePath("page.png")});
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(120000)) << "kx760mib did not end";
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAllStandardError())};
  }

  static int logged() { return kxtest::SimLog(dir_->filePath("requests.log")).lines(); }

  static inline QTemporaryDir* dir_ = nullptr;
  static inline kxtest::SimAgent* agent_ = nullptr;
};

TEST_F(MibSessionTest, AnIncompleteSessionIsAnErrorAndNothingIsSent) {
  const struct {
    const char* name;
    QStringList args;
    QStringList says;
  } cases[] = {
      {"no version", {"/I127.0.0.1", "/Renv-read", "/Wenv-write"}, {"the SNMP version"}},
      {"no read community", {"/I127.0.0.1", "/v1", "/Wenv-write"}, {"the read community (/R or KX760_READ_COMMUNITY)"}},
      {"no write community", {"/I127.0.0.1", "/v0", "/Renv-read"}, {"the write community"}},
      {"v3 without user or pass phrases",
       {"/I127.0.0.1", "/v3", "/l3"},
       {"the SNMPv3 user", "the authentication pass phrase", "the privacy pass phrase"}},
      // Standard input, closed at once, stands for a launcher that handed over nothing.
      {"empty hand-over", {"--session-fd", "0"}, {"The session handed over does not begin"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const int before = logged();
    const MibRun r = run(c.args);
    EXPECT_EQ(r.exitCode, 2);
    for (const QString& text : c.says) EXPECT_TRUE(r.err.contains(text)) << r.err.toStdString();
    EXPECT_EQ(logged(), before) << "something was sent";
  }
  const MibRun mixed = run({"--session-fd", "0", "/Renv-read"});
  EXPECT_EQ(mixed.exitCode, 2);
  EXPECT_TRUE(mixed.err.contains("no switches beside it")) << mixed.err.toStdString();
}

TEST_F(MibSessionTest, CommunitiesFromTheEnvironment) {
  const int before = logged();
  const MibRun r = run({"/I127.0.0.1", "/v1"}, {{"KX760_READ_COMMUNITY", "env-read"}, {"KX760_WRITE_COMMUNITY", "env-write"}});
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  const auto requests = kxtest::SimLog(dir_->filePath("requests.log")).all();
  ASSERT_GT(static_cast<int>(requests.size()), before);
  for (size_t k = static_cast<size_t>(before); k < requests.size(); ++k)
    EXPECT_EQ(requests[k].community, QStringLiteral("env-read"));
}

}  // namespace
