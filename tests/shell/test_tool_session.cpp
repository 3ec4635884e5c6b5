// kx760 started as the host starts it, with its communities or pass phrases on the command line,
// opens the "IfX Table" entry: neither kx760 nor the kx760mib it starts shows a secret in
// /proc/PID/cmdline, kx760mib walks with the session's own version and user (checked on the
// agent's request log), and kx760 runs with a core-file limit of 0.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <set>

#include "tests/support/EventWait.h"
#include "tests/support/SimAgent.h"
#include "tests/support/SimLog.h"

namespace {

constexpr char kReadCommunity[] = "rd-SeCrEt-29";
constexpr char kWriteCommunity[] = "wr-SeCrEt-29";
constexpr char kUser[] = "user29";
constexpr char kAuthPass[] = "au-SeCrEt-29";
constexpr char kPrivPass[] = "pr-SeCrEt-29";
// ifXEntry: only the tool asks for it.
constexpr char kIfXEntry[] = "1.3.6.1.2.1.31.1.1.1.";
constexpr rlim_t kCoreLimit = 1 << 20;

QList<QByteArray> commandLineOf(pid_t pid) {
  QFile f(QStringLiteral("/proc/%1/cmdline").arg(pid));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll().split('\0');
}

// "Max core file size" of /proc/PID/limits: the soft and the hard limit as written there.
QStringList coreLimitOf(pid_t pid) {
  QFile f(QStringLiteral("/proc/%1/limits").arg(pid));
  if (!f.open(QIODevice::ReadOnly)) return {};
  for (const QByteArray& line : f.readAll().split('\n'))
    if (line.startsWith("Max core file size"))
      return QString::fromLatin1(line.mid(18)).split(u' ', Qt::SkipEmptyParts).mid(0, 2);
  return {};
}

// The processes of `program` holding `argument` on their command line.
std::set<pid_t> processesOf(const QString& program, const QByteArray& argument) {
  std::set<pid_t> found;
  for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
    bool number = false;
    const pid_t pid = entry.toInt(&number);
    if (!number) continue;
    const QList<QByteArray> line = commandLineOf(pid);
    if (!line.isEmpty() && line.front() == program.toLocal8Bit() && line.contains(argument)) found.insert(pid);
  }
  return found;
}

class ToolSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    agent_.start({"--led-period", "0", "--log", dir_.filePath("requests.log").toStdString(), "--read-community",
                  kReadCommunity, "--write-community", kWriteCommunity, "--user",
                  std::string(kUser) + ":SHA:" + kAuthPass + ":AES:" + kPrivPass});
  }
  void TearDown() override {
    for (pid_t pid : tools_) ::kill(pid, SIGTERM);
    if (program_.state() != QProcess::NotRunning) {
      program_.terminate();
      if (!program_.waitForFinished(10000)) program_.kill();
    }
  }

  // Starts kx760 offscreen on the agent with `switches` and `extra` options, from a core-file
  // limit above 0 (the sanitizers' own limit turned off, so what is seen is the program's).
  void startProgram(const QStringList& switches, const QStringList& extra, bool allowCore = false) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_STATE_HOME", dir_.path());
    env.insert("KX760_REGISTRY", dir_.filePath("registry.ini"));
    env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":disable_coredump=0");
    if (allowCore) env.insert("KX760_ALLOW_CORE", "1");
    program_.setProcessEnvironment(env);
    program_.setWorkingDirectory(dir_.path());
    program_.setChildProcessModifier([] {
      const rlimit some{kCoreLimit, kCoreLimit};
      ::setrlimit(RLIMIT_CORE, &some);
    });
    program_.start(QStringLiteral(KX_BIN_DIR "/kx760"),
                   switches + QStringList{"--port", QString::number(agent_.port())} + extra);
    ASSERT_TRUE(program_.waitForStarted());
  }

  // The tool's requests for ifXEntry, once its walk has begun.
  std::vector<kxtest::LoggedRequest> toolRequests() {
    std::vector<kxtest::LoggedRequest> out;
    kxtest::waitUntil(
        [&] {
          out.clear();
          for (kxtest::LoggedRequest& r : log_.all())
            if (!r.varbinds.empty() && r.varbinds.front().oid.startsWith(QLatin1String(kIfXEntry)))
              out.push_back(std::move(r));
          return !out.empty();
        },
        60000);
    return out;
  }

  // Opens the IfX Table entry and checks both command lines; returns the tool's requests.
  std::vector<kxtest::LoggedRequest> openIfXTable(const QStringList& switches) {
    const QString tool = QStringLiteral(KX_BIN_DIR "/kx760mib");
    const std::set<pid_t> before = processesOf(tool, "/TIFMib_ifXEntry");
    startProgram(switches, {"--open", "IFXTable1"});
    std::vector<kxtest::LoggedRequest> requests = toolRequests();
    for (pid_t pid : processesOf(tool, "/TIFMib_ifXEntry"))
      if (!before.count(pid)) tools_.insert(pid);
    EXPECT_EQ(tools_.size(), 1u) << "one kx760mib started";
    std::vector<pid_t> pids(tools_.begin(), tools_.end());
    pids.push_back(static_cast<pid_t>(program_.processId()));
    for (pid_t pid : pids) {
      const QByteArray line = commandLineOf(pid).join(' ');
      SCOPED_TRACE(line.toStdString());
      EXPECT_FALSE(line.isEmpty());
      for (const char* secret : {kReadCommunity, kWriteCommunity, kAuthPass, kPrivPass})
        EXPECT_FALSE(line.contains(secret)) << secret;
    }
    return requests;
  }

  QTemporaryDir dir_;
  kxtest::SimAgent agent_;
  kxtest::SimLog log_{dir_.filePath("requests.log")};
  QProcess program_;
  std::set<pid_t> tools_;
};

TEST_F(ToolSessionTest, V2cSessionWalksWithGetBulkAndNoSecretOnAnyCommandLine) {
  const auto requests = openIfXTable({"/I127.0.0.1", QStringLiteral("/R") + kReadCommunity,
                                      QStringLiteral("/W") + kWriteCommunity, "/v1"});
  ASSERT_FALSE(requests.empty());
  for (const kxtest::LoggedRequest& r : requests) {
    EXPECT_EQ(r.pdu, "getbulk");
    EXPECT_EQ(r.community, QString::fromLatin1(kReadCommunity));
    EXPECT_FALSE(r.user);
  }
  EXPECT_EQ(coreLimitOf(static_cast<pid_t>(program_.processId())), (QStringList{"0", "0"}));
}

TEST_F(ToolSessionTest, V3SessionWalksAsTheSessionsUserWithoutACommunity) {
  // No profile: version, user, level, protocols and pass phrases all from the switches.
  const auto requests = openIfXTable({"/I127.0.0.1", "/v3", QStringLiteral("/n") + kUser, "/l3", "/a3", "/p4",
                                      QStringLiteral("/A") + kAuthPass, QStringLiteral("/P") + kPrivPass});
  ASSERT_FALSE(requests.empty());
  for (const kxtest::LoggedRequest& r : requests) {
    EXPECT_EQ(r.pdu, "getbulk");
    EXPECT_EQ(r.user, QString::fromLatin1(kUser));
    EXPECT_FALSE(r.community);
  }
}

// KX760_ALLOW_CORE leaves the limit the program was started with.
TEST_F(ToolSessionTest, CoreFilesOnlyWhenAllowed) {
  startProgram({"/I127.0.0.1", QStringLiteral("/R") + kReadCommunity, "/v1"}, {}, true);
  // Running once it has asked the device for something.
  ASSERT_TRUE(kxtest::waitUntil([&] { return !log_.all().empty(); }, 60000));
  EXPECT_EQ(coreLimitOf(static_cast<pid_t>(program_.processId())),
            (QStringList{QString::number(kCoreLimit), QString::number(kCoreLimit)}));
}

}  // namespace
