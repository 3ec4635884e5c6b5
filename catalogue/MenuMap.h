// The menu map: every entry of the main window's menu bar in display order, with what choosing it
// does (its family and the parameters that set it apart). One static table that the main window
// builds its menus and dispatches from, and that kx760ctl prints and reads pages through.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <span>
#include <vector>

#include "mvsnmp/MvSNMPVarList.h"

struct CatalogueList;

// What choosing an entry does.
enum class MenuFamily : quint8 {
  Editor,  // a configuration form with one editor page
  Table,   // a configuration form with one table page
  Tabs,    // a configuration form with tabbed pages
  Tool,    // a sibling tool started with the entry's argument
  Form,    // a dedicated form, created by its class name
  Action,  // one of the single actions
};

enum class MenuAction : quint8 { None, SaveChanges, Reboot, Help, About };

// How the caption of the window an entry opens is made.
enum class MenuTitleKind : quint8 {
  None,        // the entry opens no window of its own (tools, Reboot, Help, About)
  Title,       // text + " : " + addressText
  Prefix,      // text + addressText
  OwnCaption,  // the handler sets no caption; the form keeps its own
};

struct MenuTitle {
  MenuTitleKind kind = MenuTitleKind::None;
  const char* text = nullptr;

  // The text that precedes addressText in the window caption ("Basic Information : "); empty for
  // None and OwnCaption.
  QString prefix() const;
  bool hasPrefix() const { return kind == MenuTitleKind::Title || kind == MenuTitleKind::Prefix; }
  // The whole window caption for a device address; empty for None and OwnCaption.
  QString caption(const QString& addressText) const;
};

// A top-level menu of the menu bar.
struct MenuTop {
  const char* caption;
  const char* name;      // component name ("Configuration1")
  bool rmonCheckOnOpen;  // clicking the title runs the RMON check before the menu opens
  bool onlyForV3;        // enabled only when the device is reached with SNMPv3
};

// A submenu on an entry's path below its top-level menu.
struct MenuSubmenu {
  const char* caption = nullptr;  // nullptr: no submenu at this level
  bool hidden = false;            // design-time visibility off; never shown
};

// One page of a configuration form over a catalogue list: the whole form of an editor or table
// entry, one tab of a tabbed entry, or the list a single action works on.
struct MenuPage {
  const char* tab = nullptr;   // tab caption; nullptr outside a tabbed form
  const char* list = nullptr;  // descriptor list, by its catalogue name
  quint8 kind = SVT_SV;        // list kind the page builds its variable list with
  quint8 keys = 0;             // key count
  qint8 rowStatus = -1;        // rows added and deleted via this item; -1: read-only

  bool isTable() const { return kind != SVT_SV; }
  // The catalogue's list of that name (nullptr only if the table names an unknown list).
  const CatalogueList* catalogueList() const;
  MvSNMPVarList makeVarList() const;
};

// An input format for one editor row (SetRowFormat).
struct MenuRowFormat {
  quint8 page = 0;  // index into the entry's pages
  quint8 row = 0;
  const char* format = nullptr;
};

constexpr int kMenuMaxDepth = 2;    // submenu levels below a top-level menu
constexpr int kMenuMaxPages = 4;    // tabs of the largest tabbed form
constexpr int kMenuMaxFormats = 3;  // row formats of one entry

// What a handler does after the page is built, in this order: formats, edit width, request
// timeout, width, width growth, height, no Edit, the IP Configuration rows. Zero means unchanged.
struct MenuExtras {
  MenuRowFormat formats[kMenuMaxFormats] = {};  // a format of nullptr ends the list
  int editWidth = 0;                            // SetEditWidth
  int requestTimeout = 0;                       // hundredths of a second, for every page's request
  int width = 0;                                // the form's outer width
  int widthGrowth = 0;                          // added to the form's width
  int height = 0;                               // the form's outer height
  bool noEdit = false;         // table page without "Edit" button and double-click edit
  bool ipAddressRows = false;  // "Get IP From" (row 0) hides or shows rows 1 to 3
  bool keepsInstance = false;  // the form sits in its class's instance reference while it lives

  int formatCount() const;
  bool isEmpty() const;
};

struct MenuEntry {
  quint8 top = 0;                        // index into menuTops()
  MenuSubmenu path[kMenuMaxDepth] = {};  // submenus from the top-level menu down
  const char* item = nullptr;            // component name ("BasicInfo1")
  const char* caption = nullptr;         // exactly as the menu shows it, blanks included
  bool hidden = false;                   // the item's own design-time visibility is off
  const char* handlerName = nullptr;     // nullptr: item + "Click"
  MenuTitle title;
  MenuFamily family = MenuFamily::Editor;
  MenuPage pages[kMenuMaxPages] = {};  // editor/table: one; tabs: each tab; actions: the
                                       // list they work on; a list of nullptr ends them
  const char* tool = nullptr;          // sibling-tool argument ("/TMIB_Info")
  const char* form = nullptr;          // dedicated form class ("TVlanStaticForm")
  MenuAction action = MenuAction::None;
  MenuExtras extras;

  const MenuTop& topMenu() const;
  int depth() const;  // number of submenus on the path
  std::span<const MenuPage> pageList() const;
  // The handler's name: "BasicInfo1Click"; "Help2Click" and "About1Click" for Help1 and About2.
  QString handler() const;
  // Never shown: the item or a submenu on its path is hidden.
  bool isHiddenInMenu() const;
  // Top-level caption, submenu captions and the item's caption, as written.
  QStringList captionPath() const;
  // The caption path joined with " › ", each caption without its surrounding blanks.
  QString pathText() const;
};

// The nine top-level menus, in menu-bar order.
std::span<const MenuTop> menuTops();
// All entries in display order: the device's 159 and "Port VLAN Settings" after the 802.1Q ones.
std::span<const MenuEntry> menuEntries();
// Entries of the program's own beyond the device's menu (not among menuEntries()), each shown at
// the end of its top-level menu after a separator: "Configuration › Configuration Snapshot…".
std::span<const MenuEntry> menuAdditions();

// The entry whose component name is exactly `item` (additions included), or nullptr.
const MenuEntry* findMenuItem(QStringView item);
// The entry of a caption path ("Configuration › Time Management › SNTP"). Levels are separated by
// "›", ">" or "/" with any blanks around them; captions compare without their surrounding blanks,
// case-insensitively. A caption that itself holds "/" ("Alarm/Event") is matched whole.
const MenuEntry* findMenuPath(QStringView path);
// By component name first, then by caption path.
const MenuEntry* findMenuEntry(QStringView itemOrPath);
// Entries close to a text that found none, best first, at most `max`: those below a menu or
// submenu the text names, then those whose name or path is spelt nearly like it.
std::vector<const MenuEntry*> nearMenuEntries(QStringView text, int max = 8);

// The first page of the menu map that uses the list of that name (its kind, keys, row status), or
// nullptr when no entry uses it.
const MenuPage* firstMenuUseOfList(QStringView list);

// Keywords for printing: "editor", "table", "tabs", "tool", "form", "action"; "save-changes",
// "reboot", "help", "about" (empty for None); "title", "prefix", "own", "none".
const char* menuFamilyKeyword(MenuFamily family);
const char* menuActionKeyword(MenuAction action);
const char* menuTitleKindKeyword(MenuTitleKind kind);
