#include "tools/kx760sim/catalogue/CatalogueData.h"

#include <algorithm>
#include <set>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "catalogue/CatalogueRegistry.h"
#include "catalogue/Formoidunit.h"
#include "catalogue/MibToolPages.h"
#include "tools/kx760sim/catalogue/SampleValues.h"

namespace kx760sim::catalogue {

namespace {

// Subtrees this file serves besides those of the hand-written one: IEEE 802.1X PAE, RADIUS
// client, SNMP target, notification, USM users, VACM and community; and of the standard MIBs,
// RMON, IF-MIB and ENTITY-MIB.
const char* const kRoots[] = {
    "1.3.6.1.2.1.17", "1.3.6.1.4.1.48213",  "1.0.8802.1.1.1", "1.3.6.1.2.1.67", "1.3.6.1.6.3.12",
    "1.3.6.1.6.3.13", "1.3.6.1.6.3.15.1.2", "1.3.6.1.6.3.16", "1.3.6.1.6.3.18", "1.3.6.1.2.1.16",
    "1.3.6.1.2.1.31", "1.3.6.1.2.1.47",
};
// Served by Net-SNMP's own modules in the simulator: snmpEngine, snmpMPDStats, usmStats, the
// system group and the snmp group.
const char* const kAgentServed[] = {"1.3.6.1.6.3.10.2.1", "1.3.6.1.6.3.11.2.1",
                                    "1.3.6.1.6.3.15.1.1", "1.3.6.1.2.1.1", "1.3.6.1.2.1.11"};

Oid oidOf(const std::string& text) {
  auto oid = parseOid(text);
  if (!oid) throw std::runtime_error("bad OID '" + text + "'");
  return *oid;
}

bool underAny(const Oid& oid, const char* const* roots, std::size_t n) {
  return std::any_of(roots, roots + n, [&](const char* r) { return isPrefix(oidOf(r), oid); });
}

class Writer {
 public:
  explicit Writer(const MibStore& handWritten) : hand_(handWritten) {}

  void list(const CatalogueList& list) {
    out_ << "\n# " << list.name << "\n";
    if (list.kind == SVT_SV)
      scalars(list);
    else
      table(list);
  }

  std::string text() const {
    std::ostringstream file;
    file << "# kx760-catalogue.data: generated at build time from the program's catalogue by\n"
            "# kx760sim-catalogue-data; do not edit. Loaded after kx760.data, whose objects are\n"
            "# left out here. Format: see kx760.data.\n\n";
    for (const char* root : kRoots)
      if (usedRoots_.count(root)) file << "@register " << root << "\n";
    return file.str() + out_.str();
  }

 private:
  // Whether the simulator already has the object, or (once objects are shared) this file gave
  // it already.
  bool skip(const Oid& oid) const {
    return underAny(oid, kAgentServed, std::size(kAgentServed)) || hand_.find(oid) ||
           hand_.hasObjectsUnder(oid) || hand_.column(oid) || hand_.tableContaining(oid) ||
           (shareObjects_ && emittedAtOrUnder(oid));
  }

  bool emittedAtOrUnder(const Oid& oid) const {
    const auto it = emitted_.lower_bound(oid);
    return it != emitted_.end() && isPrefix(oid, *it);
  }

 public:
  // The dedicated forms' and the standard-MIB lists overlap each other and the pages' lists
  // (the guest VLAN name, dot1dGmrpStatus, the 802.1p base group): from here on an object given
  // already is left out instead of refused.
  void shareObjects() { shareObjects_ = true; }

 private:

  void claim(const Oid& oid) {
    for (const char* root : kRoots)
      if (isPrefix(oidOf(root), oid)) {
        usedRoots_.insert(root);
        if (!emitted_.insert(oid).second)
          throw std::runtime_error(formatOid(oid) + " comes from two lists");
        return;
      }
    throw std::runtime_error(formatOid(oid) + " lies outside every subtree the simulator serves");
  }

  void object(const Oid& oid, const SampleCell& cell, const std::string& flags) {
    claim(oid);
    out_ << formatOid(oid) << '|' << cell.type << '|' << cell.value;
    if (!flags.empty()) out_ << '|' << flags;
    out_ << '\n';
  }

  void scalars(const CatalogueList& list) {
    for (const SnmpVarDef* d = list.defs; d->oid; ++d) {
      Oid oid = oidOf(d->oid);
      oid.push_back(0);
      if (!skip(oid)) object(oid, sampleCell(*d, 0), sampleFlags(*d, false));
    }
  }

  void table(const CatalogueList& list) {
    const int keys = list.keyCount;
    const int count = list.itemCount();
    int status = -1;
    std::vector<int> served;
    for (int i = 0; i < count; ++i) {
      const SnmpVarDef& d = list.defs[i];
      if (isRowStatus(d)) status = i;
      if ((d.access & ::Access::ReadOnly) && !skip(oidOf(d.oid))) served.push_back(i);
    }
    if (served.empty()) return;

    constexpr int kRows = 2;
    std::vector<std::string> index(kRows);
    std::vector<std::vector<SampleCell>> keyCells(kRows);
    for (int row = 0; row < kRows; ++row)
      for (int k = 0; k < keys; ++k) {
        const bool implied = k + 1 == keys && (list.defs[k].access & ::Access::Implied);
        const SampleIndex s = sampleIndex(list.defs[k], row, implied);
        index[row] += (k ? "." : "") + s.subIds;
        keyCells[row].push_back(s.cell);
      }
    const auto cell = [&](int i, int row) {
      return i < keys ? keyCells[row][i] : sampleCell(list.defs[i], row);
    };

    if (status >= 0) {
      // Every served column belongs to the status column's entry; they are declared so that
      // rows come and go with createAndGo and destroy.
      Oid entry = oidOf(list.defs[status].oid);
      const Arc statusArc = entry.back();
      entry.pop_back();
      out_ << "@table " << formatOid(entry) << "|rowstatus|" << statusArc << '\n';
      for (int i : served) {
        const Oid column = oidOf(list.defs[i].oid);
        if (column.size() != entry.size() + 1 || !isPrefix(entry, column))
          throw std::runtime_error(std::string(list.name) + ": column " + list.defs[i].oid +
                                   " is outside the entry of its status column");
        const SampleCell initial = cell(i, 0);
        out_ << "@column " << formatOid(column) << '|' << initial.type << '|'
             << sampleFlags(list.defs[i], i == status) << '|' << initial.value << '\n';
      }
    }
    for (int i : served)
      for (int row = 0; row < kRows; ++row)
        object(oidOf(std::string(list.defs[i].oid) + "." + index[row]), cell(i, row),
               status >= 0 ? std::string() : sampleFlags(list.defs[i], false));
  }

  const MibStore& hand_;
  std::ostringstream out_;
  std::set<std::string> usedRoots_;
  std::set<Oid> emitted_;
  bool shareObjects_ = false;
};

}  // namespace

std::string catalogueDataText(const MibStore& handWritten) {
  Writer writer(handWritten);
  for (const CatalogueList& list : catalogueLists()) writer.list(list);
  // The dedicated forms and the standard MIBs read objects that pages read too.
  writer.shareObjects();
  for (const CatalogueList& list : formLists()) writer.list(list);
  for (const CatalogueList& list : standardMibLists()) writer.list(list);
  return writer.text();
}

}  // namespace kx760sim::catalogue
