// Printable forms of the menu map: a JSON array for tools, one line per entry for people, and the
// short description of a page that both use.
#pragma once

#include <QByteArray>
#include <QString>

struct MenuEntry;
struct MenuPage;

// [{"top","path":[submenu captions],"item","caption","hidden","handler","family","title",
// "titleKind","lists":[{"tab","list","kind","keys","rowStatus"}],"tool","form","action","extras"}]
// in display order, keys in that order, one line. Captions are exact (blanks kept); "hidden" is
// true when the item or a submenu on its path is hidden; "title" is the text before addressText
// in the window caption or null; "tab", "tool", "form" and "action" are null where they do not
// apply; rowStatus is -1 for a read-only table or an editor page; "extras" holds only the settings
// the entry has: "formats":[{"page","row","format"}], "editWidth", "requestTimeout", "width",
// "widthGrowth", "height", "noEdit", "ipAddressRows", "keepsInstance".
QByteArray menuMapJson();

// A header line, then per entry: its path, item name, what it does, its window prefix and its
// extra settings, two blanks between the parts.
QByteArray menuMapText();

// "editor SntpList" or "table SingleIpMsList (kind 3, 1 key, rows via item 9)" or
// "... read-only)"; with the tab caption in front for a tab ("\"Information\" editor ...").
QString menuPageText(const MenuPage& page);
// The entry's action in words: its pages, tool argument, form class or single action.
QString menuActionText(const MenuEntry& entry);
// The extra settings in words, "; " between them ("width + 50; height 450"); empty if none.
QString menuExtrasText(const MenuEntry& entry);
