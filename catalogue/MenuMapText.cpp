#include "catalogue/MenuMapText.h"

#include <QStringList>

#include "catalogue/CatalogueJson.h"
#include "catalogue/MenuMap.h"

namespace {

QByteArray jsonText(const char* text) {
  return text ? jsonString(QString::fromLatin1(text)) : QByteArray("null");
}

QByteArray jsonBool(bool b) {
  return b ? "true" : "false";
}

QByteArray jsonExtras(const MenuExtras& x) {
  QByteArrayList fields;
  if (x.formatCount()) {
    QByteArrayList formats;
    for (int i = 0; i < x.formatCount(); ++i)
      formats << "{\"page\":" + QByteArray::number(x.formats[i].page) +
                     ",\"row\":" + QByteArray::number(x.formats[i].row) +
                     ",\"format\":" + jsonText(x.formats[i].format) + '}';
    fields << "\"formats\":[" + formats.join(',') + ']';
  }
  const auto number = [&fields](const char* key, int value) {
    if (value) fields << '"' + QByteArray(key) + "\":" + QByteArray::number(value);
  };
  const auto flag = [&fields](const char* key, bool value) {
    if (value) fields << '"' + QByteArray(key) + "\":true";
  };
  number("editWidth", x.editWidth);
  number("requestTimeout", x.requestTimeout);
  number("width", x.width);
  number("widthGrowth", x.widthGrowth);
  number("height", x.height);
  flag("noEdit", x.noEdit);
  flag("ipAddressRows", x.ipAddressRows);
  flag("keepsInstance", x.keepsInstance);
  return '{' + fields.join(',') + '}';
}

QByteArray jsonEntry(const MenuEntry& e) {
  QByteArrayList path;
  for (int i = 0; i < e.depth(); ++i) path << jsonText(e.path[i].caption);
  QByteArrayList lists;
  for (const MenuPage& p : e.pageList())
    lists << "{\"tab\":" + jsonText(p.tab) + ",\"list\":" + jsonText(p.list) +
                 ",\"kind\":" + QByteArray::number(p.kind) +
                 ",\"keys\":" + QByteArray::number(p.keys) +
                 ",\"rowStatus\":" + QByteArray::number(p.rowStatus) + '}';
  const char* action = menuActionKeyword(e.action);
  return "{\"top\":" + jsonText(e.topMenu().caption) + ",\"path\":[" + path.join(',') +
         "],\"item\":" + jsonText(e.item) + ",\"caption\":" + jsonText(e.caption) +
         ",\"hidden\":" + jsonBool(e.isHiddenInMenu()) + ",\"handler\":" + jsonString(e.handler()) +
         ",\"family\":" + jsonText(menuFamilyKeyword(e.family)) +
         ",\"title\":" + (e.title.hasPrefix() ? jsonString(e.title.prefix()) : "null") +
         ",\"titleKind\":" + jsonText(menuTitleKindKeyword(e.title.kind)) + ",\"lists\":[" +
         lists.join(',') + "],\"tool\":" + jsonText(e.tool) + ",\"form\":" + jsonText(e.form) +
         ",\"action\":" + (*action ? jsonText(action) : "null") +
         ",\"extras\":" + jsonExtras(e.extras) + '}';
}

QString quoted(const QString& text) {
  return QStringLiteral("\"") + text + QStringLiteral("\"");
}

}  // namespace

QByteArray menuMapJson() {
  QByteArrayList entries;
  for (const MenuEntry& e : menuEntries()) entries << jsonEntry(e);
  return '[' + entries.join(',') + ']';
}

QString menuPageText(const MenuPage& page) {
  QString text = page.tab ? quoted(QString::fromLatin1(page.tab)) + QStringLiteral(" ") : QString();
  if (!page.isTable()) return text + QStringLiteral("editor ") + QLatin1StringView(page.list);
  return text + QStringLiteral("table %1 (kind %2, %3 key%4, %5)")
                    .arg(QLatin1StringView(page.list))
                    .arg(page.kind)
                    .arg(page.keys)
                    .arg(page.keys == 1 ? QString() : QStringLiteral("s"))
                    .arg(page.rowStatus < 0
                             ? QStringLiteral("read-only")
                             : QStringLiteral("rows via item %1").arg(page.rowStatus));
}

QString menuActionText(const MenuEntry& e) {
  QStringList pages;
  for (const MenuPage& p : e.pageList()) pages << menuPageText(p);
  switch (e.family) {
    case MenuFamily::Editor:
    case MenuFamily::Table:
      return pages.join(QString());
    case MenuFamily::Tabs:
      return QStringLiteral("tabs ") + pages.join(QStringLiteral("; "));
    case MenuFamily::Tool:
      return QStringLiteral("tool ") + quoted(QString::fromLatin1(e.tool));
    case MenuFamily::Form:
      return QStringLiteral("form ") + QLatin1StringView(e.form);
    case MenuFamily::Action: {
      QString text = QStringLiteral("action ") + QLatin1StringView(menuActionKeyword(e.action));
      for (const MenuPage& p : e.pageList())
        text += QStringLiteral(" ") + QLatin1StringView(p.list);
      return text;
    }
  }
  return {};
}

QString menuExtrasText(const MenuEntry& e) {
  const MenuExtras& x = e.extras;
  QStringList parts;
  for (int i = 0; i < x.formatCount(); ++i) {
    const MenuRowFormat& f = x.formats[i];
    const QString tab =
        e.family == MenuFamily::Tabs
            ? QStringLiteral(" of tab %1").arg(quoted(QString::fromLatin1(e.pages[f.page].tab)))
            : QString();
    parts << QStringLiteral("item %1%2 format %3")
                 .arg(f.row)
                 .arg(tab, quoted(QString::fromLatin1(f.format)));
  }
  if (x.editWidth) parts << QStringLiteral("edit width %1").arg(x.editWidth);
  if (x.requestTimeout) parts << QStringLiteral("request timeout %1").arg(x.requestTimeout);
  if (x.width) parts << QStringLiteral("width %1").arg(x.width);
  if (x.widthGrowth) parts << QStringLiteral("width + %1").arg(x.widthGrowth);
  if (x.height) parts << QStringLiteral("height %1").arg(x.height);
  if (x.noEdit) parts << QStringLiteral("no Edit");
  if (x.ipAddressRows) parts << QStringLiteral("\"Get IP From\" hides rows 1 to 3");
  if (x.keepsInstance) parts << QStringLiteral("kept in the form's instance reference");
  return parts.join(QStringLiteral("; "));
}

QByteArray menuMapText() {
  QString out = QStringLiteral("Menu map: %1 entries\n").arg(menuEntries().size());
  for (const MenuEntry& e : menuEntries()) {
    QStringList parts{e.pathText(), QString::fromLatin1(e.item), menuActionText(e)};
    if (e.title.hasPrefix()) parts << QStringLiteral("window ") + quoted(e.title.prefix());
    if (e.title.kind == MenuTitleKind::OwnCaption) parts << QStringLiteral("own caption");
    if (!e.extras.isEmpty()) parts << menuExtrasText(e);
    if (e.isHiddenInMenu()) parts << QStringLiteral("hidden");
    out += parts.join(QStringLiteral("  ")) + u'\n';
  }
  return out.toUtf8();
}
