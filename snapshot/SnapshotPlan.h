// What a configuration snapshot reads: every descriptor list of the catalogue (the pages' and the
// dedicated forms') with the items that hold a setting: read-write, not left out as an action
// (SnapshotExclusions), not already taken by an earlier list that names the same object. Tables
// also carry their status column, through which rows are created and destroyed.
#pragma once

#include <QString>
#include <QStringView>
#include <vector>

#include "mvsnmp/MvSNMPVarList.h"

struct CatalogueList;

// How a table's rows come and go: the status column and the values that create and destroy a
// row (createAndGo and destroy for a RowStatus; permanent and invalid for a static filter).
struct SnapshotRowControl {
  int item = -1;  // position of the status column in the list; -1: rows cannot be created
  QString create;
  QString destroy;

  bool valid() const { return item >= 0; }
};

struct SnapshotListPlan {
  const CatalogueList* list = nullptr;
  QString menuPath;        // the menu entry showing the list, empty when none does
  QString caption;         // the entry's caption, or the tab's
  std::vector<int> items;  // positions of the kept items, in list order
  SnapshotRowControl rowControl;

  QString name() const;
  bool table() const;
  // The variable list a read uses: the kept items and the index columns travel, nothing else
  // does; option lists and expressions are dropped, so values arrive as the device sent them.
  MvSNMPVarList readList() const;
};

// Every list with at least one kept item, in catalogue order (pages, then dedicated forms).
const std::vector<SnapshotListPlan>& snapshotPlan();
const SnapshotListPlan* findSnapshotPlan(QStringView listName);
