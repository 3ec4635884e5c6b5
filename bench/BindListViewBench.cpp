// An asynchronous refresh of a 10,000-row x 3-column table (kx760sim's forwarding table) into a
// bound, visible list view, against the engine's bare asynchronous walk of the same table in the
// same run; and the heap the filled view holds. `bind_list_view_bench ROWS RUNS` measures another
// size (100,000 and 1,000,000 rows: the fill time and the memory per row of large tables).
#include <malloc.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "bench/FdbWalk.h"
#include "mvsnmp/MvSNMPRequest.h"
#include "bind/MvSNMPRequest2Edits.h"
#include "mvsnmp/MvSnmpSession.h"
#include "mvsnmp/MvSnmpTransport.h"
#include "tests/support/SimAgent.h"

namespace {

constexpr int kDefaultRows = 10000;
constexpr int kDefaultRuns = 5;

size_t heapInUse() {
  malloc_trim(0);
  return mallinfo2().uordblks;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int rows = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultRows;
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : kDefaultRuns;
  FdbAgent agent(rows);

  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* view = new QTreeWidget(&window);
  layout->addWidget(view);
  window.resize(640, 480);
  window.show();
  MvSNMPRequest2Edits binding(&window);
  binding.Request().varList = MvSNMPVarList(kFdbTable, MVT_FMV, 0);
  binding.BindListView(view);

  int bareRows = 0;
  double bare = 1e9, bound = 1e9;
  size_t filledBytes = 0;
  // Alternating runs, best of each, so both see the same machine load.
  for (int run = 0; run < runs; ++run) {
    bare = std::min(bare, seconds([&] { bareRows = asyncFdbWalk(); }));
    view->clear();
    const size_t before = heapInUse();
    bound = std::min(bound, seconds([&] {
                       binding.Refresh();
                       waitFor([&] { return !binding.Busy(); });
                     }));
    filledBytes = heapInUse() - before;
  }
  const int viewRows = view->topLevelItemCount();
  std::printf("engine bare async walk:      %d rows in %.3f s (%.0f rows/s)\n", bareRows, bare,
              bareRows / bare);
  std::printf("refresh into bound list view: %d rows in %.3f s (%.0f rows/s)\n", viewRows, bound,
              viewRows / bound);
  std::printf("ratio list view / bare walk:  %.3f (%.1f%% added)\n", bound / bare,
              (bound / bare - 1) * 100);
  std::printf("heap held by the filled view: %.2f MB (%.0f bytes per row)\n",
              filledBytes / 1048576.0, static_cast<double>(filledBytes) / viewRows);
  MvSnmpTransport::closeAll();
  return viewRows == rows && bareRows == rows ? 0 : 1;
}
