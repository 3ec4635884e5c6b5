// kx760ctl against Net-SNMP's tools in the same run, each a process of its own timed from start
// to end with its own CPU (wait4): a --json walk of kx760sim's forwarding table (10,000 rows x 3
// columns) over SNMPv2c and over SNMPv3 authPriv (SHA/AES) against snmpbulkwalk -Cr50 (and
// -Cr25, -Cr10), the start-up (a get of sysName against snmpget), and 1,000 rows of an agent that
// answers 2 ms late. Medians of several runs, taken in turns so that the machine's load falls on
// all alike; the load average is printed with the figures.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "tests/support/SimAgent.h"

extern char** environ;

namespace {

constexpr int kRows = 10000;
const char* const kColumns[] = {"1.3.6.1.2.1.17.4.3.1.1", "1.3.6.1.2.1.17.4.3.1.2",
                                "1.3.6.1.2.1.17.4.3.1.3"};
constexpr char kTable[] = "1.3.6.1.2.1.17.4.3";
constexpr char kSysName[] = "1.3.6.1.2.1.1.5.0";

struct Run {
  double wall = 0;
  double cpu = 0;
  int lines = 0;
};

// Runs a program with stdout into a file; its wall time, CPU (user + system) and output lines.
Run runProgram(const std::vector<std::string>& argv, const QString& outPath) {
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  const QByteArray out = outPath.toLocal8Bit();
  posix_spawn_file_actions_addopen(&actions, 1, out.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  QElapsedTimer t;
  t.start();
  pid_t pid = 0;
  Run r;
  if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) != 0) {
    posix_spawn_file_actions_destroy(&actions);
    return r;
  }
  int status = 0;
  rusage u{};
  wait4(pid, &status, 0, &u);
  r.wall = t.nsecsElapsed() / 1e9;
  posix_spawn_file_actions_destroy(&actions);
  r.cpu = u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
  QFile f(outPath);
  if (f.open(QIODevice::ReadOnly)) r.lines = static_cast<int>(f.readAll().count('\n'));
  return r;
}

double median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Figures {
  std::vector<double> wall, cpu;
  int lines = 0;
  double medianWall() const { return median(wall); }
  double medianCpu() const { return median(cpu); }
};

QString loadAverage() {
  QFile f("/proc/loadavg");
  if (!f.open(QIODevice::ReadOnly)) return "?";
  return QString::fromLatin1(f.readAll()).section(' ', 0, 2);
}

// The contenders of one comparison, run in turns `runs` times; their figures by name.
std::map<std::string, Figures> compare(const std::vector<std::pair<std::string, std::vector<std::string>>>& who,
                                       int runs, const QString& outPath) {
  std::map<std::string, Figures> figures;
  for (int k = 0; k < runs; ++k)
    for (const auto& [name, argv] : who) {
      const Run r = runProgram(argv, outPath);
      Figures& f = figures[name];
      f.wall.push_back(r.wall);
      f.cpu.push_back(r.cpu);
      f.lines = r.lines;
    }
  return figures;
}

void print(const char* title, const std::map<std::string, Figures>& figures,
           const std::vector<std::string>& order) {
  std::printf("%s\n", title);
  for (const std::string& name : order) {
    const Figures& f = figures.at(name);
    std::printf("  %-34s %6d lines  wall %.4f s (min %.4f)  cpu %.4f s\n", name.c_str(), f.lines,
                f.medianWall(), *std::min_element(f.wall.begin(), f.wall.end()), f.medianCpu());
  }
}

void ratio(const char* what, const Figures& ctl, const Figures& tool, const char* want) {
  std::printf("  %-40s wall %.2fx  cpu %.2fx  (%s)\n", what, tool.medianWall() / ctl.medianWall(),
              ctl.medianCpu() / tool.medianCpu(), want);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
  QTemporaryDir state;
  // kx760ctl with its own state and no host registry; Net-SNMP's tools without MIB files or
  // configuration, with their persistent files in the temporary directory.
  qputenv("XDG_STATE_HOME", state.path().toUtf8());
  qputenv("KX760_REGISTRY", (state.path() + "/registry.ini").toUtf8());
  qputenv("MIBS", "");
  qputenv("MIBDIRS", "");
  const QString outPath = state.path() + "/out.txt";
  const std::string ctl = KX_BIN_DIR "/kx760ctl";

  std::printf("load average at start: %s (runs: %d, medians)\n", qPrintable(loadAverage()), runs);
  kxtest::SimAgent sim;
  sim.start({"--fdb-entries", std::to_string(kRows), "--led-period", "0"});
  kxtest::SimAgent slow;
  slow.start({"--fdb-entries", "1000", "--delay", "2", "--led-period", "0"});
  // The agents keep their own configuration; the tools read none.
  qputenv("SNMPCONFPATH", state.path().toUtf8());
  qputenv("SNMP_PERSISTENT_DIR", (state.path() + "/snmp").toUtf8());
  const std::string agent = "127.0.0.1:" + std::to_string(sim.port());
  const std::vector<std::string> v2c = {"-v2c", "-c", "public"};
  const std::vector<std::string> v3 = {"-v3", "-l", "authPriv", "-u", "shaaes", "-a", "SHA",
                                       "-A", "authpass123", "-x", "AES", "-X", "privpass123"};
  auto ctlWalk = [&](const std::vector<std::string>& security, const std::string& to) {
    std::vector<std::string> a{ctl};
    a.insert(a.end(), security.begin(), security.end());
    a.push_back(to);
    a.push_back("--json");
    a.push_back("walk");
    for (const char* c : kColumns) a.push_back(c);
    return a;
  };
  auto toolWalk = [&](const std::vector<std::string>& security, const std::string& to, const char* reps) {
    std::vector<std::string> a{"snmpbulkwalk"};
    a.insert(a.end(), security.begin(), security.end());
    a.insert(a.end(), {"-On", "-t", "5", reps, to, kTable});
    return a;
  };

  for (const auto& [label, security] :
       std::vector<std::pair<const char*, std::vector<std::string>>>{{"SNMPv2c", v2c}, {"SNMPv3 authPriv SHA/AES", v3}}) {
    const auto f = compare({{"kx760ctl --json walk", ctlWalk(security, agent)},
                            {"snmpbulkwalk -Cr50", toolWalk(security, agent, "-Cr50")},
                            {"snmpbulkwalk -Cr25", toolWalk(security, agent, "-Cr25")},
                            {"snmpbulkwalk -Cr10", toolWalk(security, agent, "-Cr10")}},
                           runs, outPath);
    const std::string title = std::string(label) + ": 10,000 rows x 3 columns";
    print(title.c_str(), f, {"kx760ctl --json walk", "snmpbulkwalk -Cr50", "snmpbulkwalk -Cr25", "snmpbulkwalk -Cr10"});
    ratio("kx760ctl against snmpbulkwalk -Cr50", f.at("kx760ctl --json walk"), f.at("snmpbulkwalk -Cr50"),
          "wall: at least 1, goal 1.2; cpu: at most 1.5");
    ratio("kx760ctl against snmpbulkwalk -Cr25", f.at("kx760ctl --json walk"), f.at("snmpbulkwalk -Cr25"), "");
  }

  {
    std::vector<std::string> get{ctl};
    get.insert(get.end(), v2c.begin(), v2c.end());
    get.insert(get.end(), {agent, "get", kSysName});
    std::vector<std::string> snmpget{"snmpget"};
    snmpget.insert(snmpget.end(), v2c.begin(), v2c.end());
    snmpget.insert(snmpget.end(), {"-On", agent, kSysName});
    const auto f = compare({{"kx760ctl get", get}, {"snmpget", snmpget}}, runs * 3, outPath);
    print("start-up: a get of sysName (SNMPv2c)", f, {"kx760ctl get", "snmpget"});
    std::printf("  %-40s wall %.2fx  cpu %.2fx  (at most 1.2)\n", "kx760ctl get against snmpget",
                f.at("kx760ctl get").medianWall() / f.at("snmpget").medianWall(),
                f.at("kx760ctl get").medianCpu() / f.at("snmpget").medianCpu());
  }

  {
    const std::string to = "127.0.0.1:" + std::to_string(slow.port());
    const auto f = compare({{"kx760ctl --json walk", ctlWalk(v2c, to)},
                            {"snmpbulkwalk -Cr50", toolWalk(v2c, to, "-Cr50")}},
                           std::max(3, runs / 2), outPath);
    print("every answer 2 ms late: 1,000 rows x 3 columns (SNMPv2c)", f,
          {"kx760ctl --json walk", "snmpbulkwalk -Cr50"});
    ratio("kx760ctl against snmpbulkwalk -Cr50", f.at("kx760ctl --json walk"), f.at("snmpbulkwalk -Cr50"),
          "wall: above 1");
  }
  std::printf("load average at end: %s\n", qPrintable(loadAverage()));
  return 0;
}
