// Opening the forwarding table form on kx760sim's 10,000 learned addresses until its first walk
// has ended, against the engine's bare asynchronous walk of the same list and snmpbulkwalk of the
// same table, all in the same run.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <functional>

#include "catalogue/CatalogueRegistry.h"
#include "bench/FdbWalk.h"
#include "editors/ForwardingTableForm.h"
#include "mvsnmp/MvSnmpSession.h"
#include "mvsnmp/MvSnmpTransport.h"
#include "tests/support/NetSnmpTool.h"
#include "tests/support/SimAgent.h"

namespace {

constexpr int kRows = 10000;
constexpr int kRuns = 5;

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  FdbAgent agent(kRows);
  const MvSNMPVarList list = findCatalogueList(QStringLiteral("ForwardingList"))->makeVarList();

  int bareRows = 0, formRows = 0;
  double bare = 1e9, form = 1e9, bulkwalk = 1e9;
  // Alternating runs, best of each, so all see the same machine load.
  for (int run = 0; run < kRuns; ++run) {
    bare = std::min(bare, seconds([&] { bareRows = asyncWalk(list); }));
    form = std::min(form, seconds([&] {
                      TForwarding_Table window(nullptr);
                      window.show();
                      waitFor([&] { return window.FirstRefreshDone(); });
                      formRows = window.ListView()->topLevelItemCount();
                    }));
    bulkwalk = std::min(bulkwalk, seconds([&] {
                          kxtest::runNetSnmpTool({"snmpbulkwalk", "-v2c", "-c", "public", "-Cr10", agent.sim.address(),
                                                  "1.3.6.1.2.1.17.4.3.1"});
                        }));
  }
  std::printf("engine bare async walk:        %d rows in %.3f s\n", bareRows, bare);
  std::printf("forwarding table form opened:  %d rows in %.3f s\n", formRows, form);
  std::printf("snmpbulkwalk -Cr10:            %.3f s\n", bulkwalk);
  std::printf("ratio form / bare walk:        %.3f\n", form / bare);
  std::printf("ratio form / snmpbulkwalk:     %.3f\n", form / bulkwalk);
  MvSnmpTransport::closeAll();
  return formRows == kRows && bareRows == kRows ? 0 : 1;
}
