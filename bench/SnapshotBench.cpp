// A whole-switch configuration snapshot of kx760sim on loopback: the engine reading every list of
// the snapshot plan, and kx760ctl snapshot save (a process of its own, file written), against
// snmpbulkwalk of the two subtrees the switch's settings live in, measured in the same run. The
// snapshot must take at most 2 s; the program ends with status 1 when it does not.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

#include "mvsnmp/MvDeviceParams.h"
#include "mvsnmp/MvSnmpSession.h"
#include "tests/support/NetSnmpTool.h"
#include "tests/support/SimAgent.h"
#include "snapshot/SnapshotReader.h"

namespace {

constexpr double kLimitSeconds = 2.0;
constexpr int kRuns = 5;

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

int bulkwalk(int port) {
  int lines = 0;
  for (const char* subtree : {"1.3.6.1.4.1.48213", "1.3.6.1.2.1.17"}) {
    const kxtest::ToolResult r = kxtest::runNetSnmpTool(
        {"snmpbulkwalk", "-v2c", "-cpublic", "-Cr10", "udp:127.0.0.1:" + std::to_string(port), subtree});
    lines += static_cast<int>(kxtest::lines(r.out).size());
  }
  return lines;
}

bool ctlSave(int port, const QString& file) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("KX760_REGISTRY", "/nonexistent/registry.ini");
  p.setProcessEnvironment(env);
  p.start(KX_BIN_DIR "/kx760ctl", {"/I127.0.0.1", "/Rpublic", "/v1", "--port", QString::number(port), "snapshot",
                                   "save", file});
  p.waitForFinished(60000);
  return p.exitCode() == 0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir state;
  qputenv("XDG_STATE_HOME", state.path().toUtf8());
  initSnmpSession();
  kxtest::SimAgent sim;
  sim.start({"--led-period", "0"});
  DeviceTarget.agentPort = static_cast<quint16>(sim.port());
  DeviceTarget.version = 1;
  DeviceTarget.readCommunity = "public";
  DeviceTarget.timeout = 500;

  SnapshotDocument doc;
  const double engine = best(kRuns, [&] { doc = SnapshotReader::read(); });
  std::printf("engine snapshot:     %zu lists, %d values in %.3f s\n", doc.lists.size(), doc.valueCount(), engine);
  bool saved = true;
  const double ctl = best(kRuns, [&] { saved = ctlSave(sim.port(), state.filePath("bench.json")) && saved; });
  std::printf("kx760ctl snapshot save: %.3f s%s\n", ctl, saved ? "" : " (FAILED)");
  int lines = 0;
  const double bulk = best(kRuns, [&] { lines = bulkwalk(sim.port()); });
  std::printf("snmpbulkwalk -Cr10 of both subtrees: %d varbinds in %.3f s\n", lines, bulk);
  std::printf("ratio kx760ctl snapshot save / snmpbulkwalk: %.2f\n", ctl / bulk);
  const bool within = saved && engine <= kLimitSeconds && ctl <= kLimitSeconds;
  std::printf("whole-switch snapshot within %.0f s: %s\n", kLimitSeconds, within ? "yes" : "NO");
  return within ? 0 : 1;
}
