// The standard-MIB pages that the sibling tool kx760mib shows: each page argument ("/TMIB_Info")
// with its window title and its tabs, each tab a descriptor list of the standard MIBs read as a
// group of scalars or walked as a table. Counter pages refresh on a timer and show per-second
// rates; the interface counters page also graphs the octet rates.
#pragma once

#include <QStringView>
#include <span>
#include <vector>

#include "catalogue/CatalogueRegistry.h"

// The standard-MIB descriptor lists by name (apart from the program's own catalogue).
const std::vector<CatalogueList>& standardMibLists();
const CatalogueList* findStandardMibList(QStringView name);

struct MibToolTab {
  const char* caption = nullptr;  // tab caption; nullptr on a single page
  const char* list = nullptr;     // standard-MIB list name

  const CatalogueList* catalogueList() const;
  MvSNMPVarList makeVarList() const;
};

constexpr int kMibToolMaxTabs = 5;

struct MibToolPage {
  const char* argument;  // "/TMIB_Info"
  const char* title;     // window title before " : " and the address
  MibToolTab tabs[kMibToolMaxTabs];
  bool counters = false;    // refreshed on a timer, rates beside the counters
  // Graphed per selected row: the in and out octet columns, by label (nullptr: no graph).
  const char* graphIn = nullptr;
  const char* graphOut = nullptr;

  int tabCount() const;
  std::span<const MibToolTab> tabList() const { return {tabs, static_cast<size_t>(tabCount())}; }
};

// The program that shows these pages when the host ships no sibling tool of its own.
inline constexpr char MibToolProgram[] = "kx760mib";

// Every page, in the order of the tool table (tools, then their pages).
std::span<const MibToolPage> mibToolPages();
// The page of an argument, compared without regard to case; nullptr if none.
const MibToolPage* findMibToolPage(QStringView argument);
