// kx760sim-catalogue-data HAND-WRITTEN OUTPUT: writes the simulator's data file for the program's
// catalogue, leaving out what the hand-written data file already serves.
#include <fstream>
#include <iostream>

#include "tools/kx760sim/catalogue/CatalogueData.h"
#include "tools/kx760sim/DataFile.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: kx760sim-catalogue-data HAND-WRITTEN.data OUTPUT.data\n";
    return 2;
  }
  kx760sim::MibStore handWritten;
  std::vector<std::string> systemConfig;
  std::string error;
  if (!kx760sim::DataFile::load(argv[1], handWritten, systemConfig, error)) {
    std::cerr << "kx760sim-catalogue-data: " << error << "\n";
    return 1;
  }
  try {
    const std::string text = kx760sim::catalogue::catalogueDataText(handWritten);
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush()) {
      std::cerr << "kx760sim-catalogue-data: cannot write " << argv[2] << "\n";
      return 1;
    }
  } catch (const std::exception& e) {
    std::cerr << "kx760sim-catalogue-data: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
