#include "tools/kx760ctl/PageCommand.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <vector>

#include "tools/kx760ctl/CtlOutput.h"
#include "catalogue/Formoidunit.h"
#include "catalogue/MenuMap.h"
#include "catalogue/MenuMapText.h"
#include "mvsnmp/MvDeviceParams.h"
#include "mvsnmp/MvSNMPRequest.h"

namespace {

constexpr char kColumnSeparator[] = " | ";

// What one page showed: its shown items (editor) or its shown columns and one row per table row.
struct PageContent {
  const MenuPage* page = nullptr;
  std::vector<int> shown;                      // positions of the shown items, in list order
  MvSNMPVarList list;                          // as read: an editor's values, a table's labels
  std::vector<std::vector<SnmpVarItem>> rows;  // table: the shown items of each row
};

// A value as the device sent it: a display string's characters are its octets.
QByteArray valueBytes(const SnmpVarItem& item) {
  return item.syntax == Syntax::DisplayStr ? item.value.toLatin1() : item.value.toUtf8();
}

PageContent readPage(const MenuPage& page, const MenuExtras& extras) {
  PageContent content;
  content.page = &page;
  MvSNMPRequest request;
  request.varList = page.makeVarList();
  if (extras.requestTimeout) request.timeout = extras.requestTimeout;
  for (int i = 0; i < request.varList.count(); ++i)
    if (request.varList.isShown(i)) content.shown.push_back(i);
  if (!page.isTable()) {
    request.readStep(true);
    content.list = request.varList;
    return content;
  }
  for (bool more = request.readStep(true); more; more = request.readStep(false)) {
    std::vector<SnmpVarItem> row;
    for (int i : content.shown) row.push_back(request.varList.item(i));
    content.rows.push_back(std::move(row));
  }
  content.list = request.varList;  // the labels of the columns
  return content;
}

QByteArray pageText(const PageContent& c) {
  QByteArray out;
  if (c.page->tab) out += "\n[" + QByteArray(c.page->tab) + "]\n";
  if (!c.page->isTable()) {
    for (int i : c.shown) {
      const SnmpVarItem& item = c.list.item(i);
      out += item.label.toUtf8() + ": " + valueBytes(item) + '\n';
    }
    return out;
  }
  QByteArrayList header;
  for (int i : c.shown) header << c.list.item(i).label.toUtf8();
  out += header.join(kColumnSeparator) + '\n';
  for (const std::vector<SnmpVarItem>& row : c.rows) {
    QByteArrayList cells;
    for (const SnmpVarItem& item : row) cells << valueBytes(item);
    out += cells.join(kColumnSeparator) + '\n';
  }
  return out;
}

QJsonObject pageJson(const PageContent& c) {
  const MenuPage& p = *c.page;
  QJsonObject o{{"tab", p.tab ? QJsonValue(QString::fromLatin1(p.tab)) : QJsonValue()},
                {"list", QString::fromLatin1(p.list)},
                {"kind", p.kind},
                {"keys", p.keys},
                {"rowStatus", p.rowStatus}};
  if (!p.isTable()) {
    QJsonArray items;
    for (int i : c.shown) {
      const SnmpVarItem& item = c.list.item(i);
      items.append(QJsonObject{{"label", item.label},
                               {"oid", item.currentOid.isEmpty() ? item.oid : item.currentOid},
                               {"value", item.value}});
    }
    o.insert("items", items);
    return o;
  }
  QJsonArray columns, rows;
  for (int i : c.shown) columns.append(c.list.item(i).label);
  for (const std::vector<SnmpVarItem>& row : c.rows) {
    QJsonArray cells;
    for (const SnmpVarItem& item : row) cells.append(item.value);
    rows.append(cells);
  }
  o.insert("columns", columns);
  o.insert("rows", rows);
  return o;
}

// What an entry without a generic page would do, in words.
QString whatItWouldDo(const MenuEntry& e) {
  switch (e.family) {
    case MenuFamily::Tool:
      return QStringLiteral("would start the sibling tool with the device's parameters and \"%1\"")
          .arg(QLatin1StringView(e.tool));
    case MenuFamily::Form:
      return QStringLiteral("would open the dedicated form %1").arg(QLatin1StringView(e.form));
    case MenuFamily::Action:
      switch (e.action) {
        case MenuAction::SaveChanges:
          return QStringLiteral(
              "would ask \"Are you sure?\" (Device Save Changes), then open an editor page over "
              "SaveConfigList with request timeout 1200");
        case MenuAction::Reboot:
          return QStringLiteral(
              "would ask \"Are you sure?\" (Device Reboot), then set SystemResetList's "
              "agentSystemReset to warm-start (3) with request timeout 1200");
        case MenuAction::Help:
          return QStringLiteral("would open the help file on its contents page");
        case MenuAction::About:
          return QStringLiteral("would open the About box");
        case MenuAction::None:
          break;
      }
      break;
    default:
      break;
  }
  return {};
}

bool readsPages(const MenuEntry& e) {
  return e.family == MenuFamily::Editor || e.family == MenuFamily::Table ||
         e.family == MenuFamily::Tabs;
}

QString nearText(const QString& typed) {
  QStringList near;
  for (const MenuEntry* e : nearMenuEntries(typed))
    near << QStringLiteral("  %1  (%2)").arg(e->pathText(), QLatin1StringView(e->item));
  return near.isEmpty() ? QStringLiteral("; no menu entry comes close")
                        : QStringLiteral("; near entries:\n") + near.join(u'\n');
}

}  // namespace

void PageCommand::run(const QStringList& args, CtlOutput& out) {
  // An unquoted path arrives in several arguments.
  const QString typed = args.join(u' ').trimmed();
  if (typed.isEmpty())
    throw CtlUsageError(QStringLiteral("page needs a menu item name or a caption path"));
  const MenuEntry* entry = findMenuEntry(typed);
  if (!entry)
    throw CtlUsageError(QStringLiteral("no menu entry \"%1\"").arg(typed) + nearText(typed));

  const QString caption = entry->title.caption(DeviceTarget.address);
  const QString heading =
      QStringLiteral("%1  (%2, %3)")
          .arg(entry->pathText(), QLatin1StringView(entry->item), menuActionText(*entry));
  QJsonObject doc{{"item", QString::fromLatin1(entry->item)},
                  {"path", QJsonArray::fromStringList(entry->captionPath())},
                  {"family", QString::fromLatin1(menuFamilyKeyword(entry->family))},
                  {"handler", entry->handler()},
                  {"caption", caption.isEmpty() ? QJsonValue() : QJsonValue(caption)}};
  if (!out.json()) out.write(heading.toUtf8() + (caption.isEmpty() ? "" : "\n" + caption.toUtf8()));

  // A dedicated form's lists are read as pages, each headed by its list's name.
  std::vector<MenuPage> formPages;
  if (const CatalogueForm* form = entry->form ? findCatalogueForm(QString::fromLatin1(entry->form)) : nullptr)
    for (const CatalogueList* list : form->catalogueLists())
      formPages.push_back(MenuPage{list->name, list->name, list->kind, static_cast<quint8>(list->keyCount), -1});

  if (!readsPages(*entry) && formPages.empty()) {
    const QString does = whatItWouldDo(*entry);
    if (entry->tool) doc.insert("tool", QString::fromLatin1(entry->tool));
    if (entry->form) doc.insert("form", QString::fromLatin1(entry->form));
    if (entry->action != MenuAction::None)
      doc.insert("action", QString::fromLatin1(menuActionKeyword(entry->action)));
    doc.insert("does", does);
    out.write(out.json() ? QJsonDocument(doc).toJson(QJsonDocument::Indented) : does.toUtf8());
    return;
  }

  if (entry->form) doc.insert("form", QString::fromLatin1(entry->form));
  QJsonArray pages;
  for (const MenuPage& page : formPages.empty() ? entry->pageList() : std::span<const MenuPage>(formPages)) {
    const PageContent content = readPage(page, entry->extras);
    if (out.json())
      pages.append(pageJson(content));
    else
      out.write(pageText(content));
  }
  if (out.json()) {
    doc.insert("pages", pages);
    out.write(QJsonDocument(doc).toJson(QJsonDocument::Indented));
  }
}
