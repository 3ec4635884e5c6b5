// The catalogue by name: every descriptor list of the menus and the main window, with the list
// kind and key count its page builds a variable list with.
#pragma once

#include <QStringView>
#include <vector>

#include "mvsnmp/MvSNMPVarList.h"

struct CatalogueList {
  const char* name;
  const SnmpVarDef* defs;  // ends with the terminator record (oid nullptr)
  quint8 kind;             // SVT_SV, MVT_FMV or MVT_UMV
  int keyCount;            // the first keyCount items are the table's index columns

  // Definitions before the terminator.
  int itemCount() const;
  MvSNMPVarList makeVarList() const { return MvSNMPVarList(defs, kind, keyCount); }
};

// Every list, menu group by menu group in menu order.
const std::vector<CatalogueList>& catalogueLists();
// The list of that exact (case-sensitive) name, a page's or a dedicated form's, or nullptr.
const CatalogueList* findCatalogueList(QStringView name);

// Number of definitions before an array's terminator (0 for nullptr).
int definitionCount(const SnmpVarDef* defs);
