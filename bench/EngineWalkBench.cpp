// The engine's walk of a 10,000-row x 3-column table in kx760sim (get-bulk read-ahead, and
// get-next only) and kx760ctl's walk of it, against snmpwalk and snmpbulkwalk of the same table,
// measured in the same run; the same for 1,000 rows of an agent that answers 2 ms late; and the
// CPU the idle pump costs.
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

#include "bench/FdbWalk.h"
#include "mvsnmp/MvSNMPRequest.h"
#include "mvsnmp/MvSnmpSession.h"
#include "mvsnmp/MvSnmpTransport.h"
#include "tests/support/SimAgent.h"

namespace {

constexpr int kRows = 10000;

double cpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Wall-clock seconds of the best of `runs` runs.
double best(int runs, const std::function<void()>& f) {
  double bestTime = 1e9;
  for (int i = 0; i < runs; ++i) {
    QElapsedTimer t;
    t.start();
    f();
    bestTime = std::min(bestTime, t.nsecsElapsed() / 1e9);
  }
  return bestTime;
}

int syncWalk() {
  MvSNMPRequest r;
  r.varList = MvSNMPVarList(kFdbTable, MVT_FMV, 0);
  int rows = 0;
  for (bool more = r.readStep(true); more; more = r.readStep(false)) ++rows;
  return rows;
}

// kx760ctl walking the three columns as one table; the lines it printed.
int ctlWalk(int port, const QStringList& extra = {}) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("KX760_REGISTRY", "/nonexistent/registry.ini");
  p.setProcessEnvironment(env);
  p.start(KX_BIN_DIR "/kx760ctl",
          QStringList{"/I127.0.0.1", "/Rpublic", "/v1", "--port", QString::number(port)} + extra +
              QStringList{"walk", kFdbTable[0].oid, kFdbTable[1].oid, kFdbTable[2].oid});
  p.waitForFinished(600000);
  return p.readAllStandardOutput().count('\n');
}

int tool(const QString& name, const QStringList& extra, int port) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("MIBS", "");
  env.insert("MIBDIRS", "");
  p.setProcessEnvironment(env);
  p.start(name, QStringList{"-v2c", "-c", "public", "-On", "-t", "5"} + extra +
                    QStringList{QString("127.0.0.1:%1").arg(port), "1.3.6.1.2.1.17.4.3"});
  p.waitForFinished(600000);
  return p.readAllStandardOutput().count('\n');
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir state;
  qputenv("XDG_STATE_HOME", state.path().toUtf8());
  initSnmpSession();
  kxtest::SimAgent sim;
  sim.start({"--fdb-entries", QByteArray::number(kRows).toStdString(), "--led-period", "0"});
  DeviceTarget.agentPort = static_cast<quint16>(sim.port());
  DeviceTarget.version = 1;
  DeviceTarget.readCommunity = "public";
  DeviceTarget.timeout = 500;

  int rows = 0, lines = 0;
  const double engineAsync = best(3, [&] { rows = asyncFdbWalk(); });
  std::printf("engine async walk: %d rows in %.3f s (%.0f rows/s)\n", rows, engineAsync, rows / engineAsync);
  const double engineSync = best(3, [&] { rows = syncWalk(); });
  std::printf("engine sync walk:  %d rows in %.3f s (%.0f rows/s)\n", rows, engineSync, rows / engineSync);
  const double walk = best(3, [&] { lines = tool("snmpwalk", {}, sim.port()); });
  std::printf("snmpwalk:          %d varbinds in %.3f s\n", lines, walk);
  const double bulk = best(3, [&] { lines = tool("snmpbulkwalk", {}, sim.port()); });
  std::printf("snmpbulkwalk:      %d varbinds in %.3f s\n", lines, bulk);
  std::printf("ratio snmpwalk / engine async:     %.2f (engine %.2fx faster)\n", walk / engineAsync, walk / engineAsync);
  std::printf("ratio snmpbulkwalk / engine async: %.2f\n", bulk / engineAsync);
  DeviceTarget.maxRepetitions = 0;
  const double engineNext = best(3, [&] { rows = asyncFdbWalk(); });
  DeviceTarget.maxRepetitions = -1;
  std::printf("engine async walk, get-next only: %d rows in %.3f s\n", rows, engineNext);
  const double ctl = best(3, [&] { lines = ctlWalk(sim.port()); });
  std::printf("kx760ctl walk:     %d varbinds in %.3f s\n", lines, ctl);
  const double bulk10 = best(3, [&] { lines = tool("snmpbulkwalk", {"-Cr10"}, sim.port()); });
  std::printf("snmpbulkwalk -Cr10: %d varbinds in %.3f s\n", lines, bulk10);
  std::printf("ratio snmpbulkwalk -Cr10 / kx760ctl: %.2f (at least 1 wanted)\n", bulk10 / ctl);

  // An agent two hops away: every answer 2 ms late.
  kxtest::SimAgent slow;
  slow.start({"--fdb-entries", "1000", "--delay", "2", "--led-period", "0"});
  const double ctlSlow = best(3, [&] { lines = ctlWalk(slow.port()); });
  std::printf("delay 2 ms, kx760ctl walk:   %d varbinds in %.3f s\n", lines, ctlSlow);
  const double walkSlow = best(1, [&] { lines = tool("snmpwalk", {}, slow.port()); });
  std::printf("delay 2 ms, snmpwalk:        %d varbinds in %.3f s\n", lines, walkSlow);
  const double bulkSlow = best(3, [&] { lines = tool("snmpbulkwalk", {"-Cr50"}, slow.port()); });
  std::printf("delay 2 ms, snmpbulkwalk -Cr50: %d varbinds in %.3f s\n", lines, bulkSlow);
  std::printf("ratio snmpwalk / kx760ctl at 2 ms: %.1f (at least 10 wanted)\n", walkSlow / ctlSlow);
  std::printf("ratio snmpbulkwalk -Cr50 / kx760ctl at 2 ms: %.2f\n", bulkSlow / ctlSlow);

  // The pump with nothing outstanding: no timer runs, so the process should sleep.
  const double cpu0 = cpuSeconds();
  QEventLoop idle;
  QTimer::singleShot(5000, &idle, &QEventLoop::quit);
  idle.exec();
  std::printf("idle pump: %.4f s CPU in 5 s (%.3f%%)\n", cpuSeconds() - cpu0, (cpuSeconds() - cpu0) / 5.0 * 100);
  MvSnmpTransport::closeAll();
  return 0;
}
