#include "snapshot/SnapshotPlan.h"

#include <set>

#include "catalogue/CatalogueRegistry.h"
#include "catalogue/Formoidunit.h"
#include "catalogue/MenuMap.h"
#include "mvsnmp/MvOptionList.h"
#include "mvsnmp/MvValueConversion.h"
#include "catalogue/SnapshotExclusions.h"

namespace {

bool keepsSetting(quint32 access) {
  return (access & Access::Invalid) == 0 && (access & Access::ReadWrite) == Access::ReadWrite;
}

// The raw value of an option label, compared without case; empty when the list has none.
QString optionValue(const MvOptionList* options, QStringView label) {
  if (!options) return {};
  for (int i = 0; i < options->count(); ++i)
    if (options->item(i).label.compare(label, Qt::CaseInsensitive) == 0) return options->valueText(i);
  return {};
}

SnapshotRowControl rowControlOf(const CatalogueList& list) {
  if (list.kind != MVT_FMV && list.kind != MVT_UMV) return {};
  for (int i = list.keyCount; i < list.itemCount(); ++i) {
    const SnmpVarDef& d = list.defs[i];
    if (!keepsSetting(d.access) || d.syntax != Syntax::Integer) continue;
    SnapshotRowControl c{i, optionValue(d.options, u"createAndGo"), optionValue(d.options, u"destroy")};
    if (c.create.isEmpty() || c.destroy.isEmpty())
      c = {i, optionValue(d.options, u"permanent"), optionValue(d.options, u"invalid")};
    if (!c.create.isEmpty() && !c.destroy.isEmpty()) return c;
  }
  return {};
}

// Where a list is shown: the menu path and caption of the first entry whose page or dedicated
// form uses it.
void placeOf(const CatalogueList& list, QString& path, QString& caption) {
  const QLatin1StringView name(list.name);
  for (const MenuEntry& e : menuEntries()) {
    for (const MenuPage& p : e.pageList()) {
      if (name != QLatin1StringView(p.list)) continue;
      path = e.pathText();
      caption = QString::fromLatin1(p.tab ? p.tab : e.caption).trimmed();
      return;
    }
  }
  for (const CatalogueForm& f : catalogueForms())
    for (const char* l : f.lists)
      if (l && name == QLatin1StringView(l))
        if (const MenuEntry* e = findMenuItem(QString::fromLatin1(f.item))) {
          path = e->pathText();
          caption = QString::fromLatin1(e->caption).trimmed();
          return;
        }
}

std::vector<SnapshotListPlan> buildPlan() {
  std::vector<SnapshotListPlan> plan;
  std::set<QString> taken;  // objects a list before has kept
  auto add = [&](const CatalogueList& list) {
    SnapshotListPlan p;
    p.list = &list;
    const int count = list.itemCount();
    const bool table = list.kind == MVT_FMV || list.kind == MVT_UMV;
    for (int i = table ? list.keyCount : 0; i < count; ++i) {
      const SnmpVarDef& d = list.defs[i];
      const QString oid = QString::fromLatin1(d.oid);
      if (oid.isEmpty() || !keepsSetting(d.access) || !isValueSyntax(d.syntax)) continue;
      if (snapshotExclusionReason(QString::fromLatin1(list.name), oid)) continue;
      if (!taken.insert(oid).second) continue;
      p.items.push_back(i);
    }
    if (p.items.empty()) return;
    p.rowControl = rowControlOf(list);
    placeOf(list, p.menuPath, p.caption);
    plan.push_back(std::move(p));
  };
  for (const CatalogueList& l : catalogueLists()) add(l);
  for (const CatalogueList& l : formLists()) add(l);
  return plan;
}

}  // namespace

QString SnapshotListPlan::name() const {
  return QString::fromLatin1(list->name);
}

bool SnapshotListPlan::table() const {
  return list->kind == MVT_FMV || list->kind == MVT_UMV;
}

MvSNMPVarList SnapshotListPlan::readList() const {
  MvSNMPVarList vl = list->makeVarList();
  std::vector<bool> kept(static_cast<size_t>(vl.count()), false);
  for (int i : items) kept[static_cast<size_t>(i)] = true;
  for (int i = 0; i < vl.count(); ++i) {
    SnmpVarItem& item = vl.item(i);
    item.readExpr.reset();
    item.writeExpr.reset();
    const bool key = table() && i < vl.keyCount();
    if (kept[static_cast<size_t>(i)])
      item.options = nullptr;
    else if (!key)
      item.access |= Access::Invalid;
  }
  return vl;
}

const std::vector<SnapshotListPlan>& snapshotPlan() {
  static const std::vector<SnapshotListPlan> plan = buildPlan();
  return plan;
}

const SnapshotListPlan* findSnapshotPlan(QStringView listName) {
  for (const SnapshotListPlan& p : snapshotPlan())
    if (p.name() == listName) return &p;
  return nullptr;
}
