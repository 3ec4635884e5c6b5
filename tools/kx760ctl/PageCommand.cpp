#include "tools/kx760ctl/PageCommand.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <vector>

#include "tools/kx760ctl/CtlOutput.h"
#include "tools/kx760ctl/CtlRawRequest.h"
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

// A request set up to read the page: its list, the entry's own time-out, the shown items noted.
void preparePage(const MenuPage& page, const MenuExtras& extras, MvSNMPRequest& request,
                 PageContent& content) {
  content.page = &page;
  request.varList = page.makeVarList();
  if (extras.requestTimeout) request.timeout = extras.requestTimeout;
  for (int i = 0; i < request.varList.count(); ++i)
    if (request.varList.isShown(i)) content.shown.push_back(i);
}

void keepRow(const MvSNMPRequest& request, PageContent& content) {
  std::vector<SnmpVarItem> row;
  for (int i : content.shown) row.push_back(request.varList.item(i));
  content.rows.push_back(std::move(row));
}

PageContent readPage(const MenuPage& page, const MenuExtras& extras) {
  PageContent content;
  MvSNMPRequest request;
  preparePage(page, extras, request, content);
  if (!page.isTable()) {
    request.readStep(true);
    content.list = request.varList;
    return content;
  }
  for (bool more = request.readStep(true); more; more = request.readStep(false))
    keepRow(request, content);
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

// One run of the command: the entry found, its heading written, each page's content written (as
// text at once, in JSON collected), and the JSON document closed at the end.
class PageReading {
 public:
  explicit PageReading(const QStringList& args) {
    // An unquoted path arrives in several arguments.
    const QString typed = args.join(u' ').trimmed();
    if (typed.isEmpty())
      throw CtlUsageError(QStringLiteral("page needs a menu item name or a caption path"));
    entry_ = findMenuEntry(typed);
    if (!entry_)
      throw CtlUsageError(QStringLiteral("no menu entry \"%1\"").arg(typed) + nearText(typed));
    // A dedicated form's lists are read as pages, each headed by its list's name.
    if (const CatalogueForm* form =
            entry_->form ? findCatalogueForm(QString::fromLatin1(entry_->form)) : nullptr)
      for (const CatalogueList* list : form->catalogueLists())
        formPages_.push_back(MenuPage{list->name, list->name, list->kind,
                                      static_cast<quint8>(list->keyCount), -1});
  }

  // The heading (the caption names `address`); false when the entry reads no page: then what it
  // would do has been written instead.
  bool begin(const QString& address, CtlOutput& out) {
    const MenuEntry& e = *entry_;
    const QString caption = e.title.caption(address);
    const QString heading = QStringLiteral("%1  (%2, %3)")
                                .arg(e.pathText(), QLatin1StringView(e.item), menuActionText(e));
    doc_ = QJsonObject{{"item", QString::fromLatin1(e.item)},
                       {"path", QJsonArray::fromStringList(e.captionPath())},
                       {"family", QString::fromLatin1(menuFamilyKeyword(e.family))},
                       {"handler", e.handler()},
                       {"caption", caption.isEmpty() ? QJsonValue() : QJsonValue(caption)}};
    if (!out.json())
      out.write(heading.toUtf8() + (caption.isEmpty() ? "" : "\n" + caption.toUtf8()));
    if (!readsPages(e) && formPages_.empty()) {
      const QString does = whatItWouldDo(e);
      if (e.tool) doc_.insert("tool", QString::fromLatin1(e.tool));
      if (e.form) doc_.insert("form", QString::fromLatin1(e.form));
      if (e.action != MenuAction::None)
        doc_.insert("action", QString::fromLatin1(menuActionKeyword(e.action)));
      doc_.insert("does", does);
      out.write(out.json() ? QJsonDocument(doc_).toJson(QJsonDocument::Indented) : does.toUtf8());
      return false;
    }
    if (e.form) doc_.insert("form", QString::fromLatin1(e.form));
    return true;
  }

  std::span<const MenuPage> pages() const {
    return formPages_.empty() ? entry_->pageList() : std::span<const MenuPage>(formPages_);
  }
  const MenuExtras& extras() const { return entry_->extras; }

  void add(const PageContent& content, CtlOutput& out) {
    if (out.json())
      pages_.append(pageJson(content));
    else
      out.write(pageText(content));
  }

  void end(CtlOutput& out) {
    if (!out.json()) return;
    doc_.insert("pages", pages_);
    out.write(QJsonDocument(doc_).toJson(QJsonDocument::Indented));
  }

 private:
  const MenuEntry* entry_ = nullptr;
  std::vector<MenuPage> formPages_;
  QJsonObject doc_;
  QJsonArray pages_;
};

}  // namespace

void PageCommand::run(const QStringList& args, CtlOutput& out) {
  PageReading reading(args);
  if (!reading.begin(DeviceTarget.address, out)) return;
  for (const MenuPage& page : reading.pages()) reading.add(readPage(page, reading.extras()), out);
  reading.end(out);
}

struct AsyncPageRead::State {
  explicit State(const QStringList& args) : reading(args) {}
  PageReading reading;
  MvDeviceParams device;
  CtlOutput* out = nullptr;
  std::function<void(const MvSNMPError&)> done;
  std::size_t index = 0;
  std::unique_ptr<MvSNMPRequest> request;
  PageContent content;
  QObject context;  // the next step runs after the answer's callback, never inside it
};

AsyncPageRead::AsyncPageRead(const QStringList& args) : d_(std::make_unique<State>(args)) {}

AsyncPageRead::~AsyncPageRead() = default;

void AsyncPageRead::start(const MvDeviceParams& device, CtlOutput& out,
                          std::function<void(const MvSNMPError&)> done) {
  d_->device = device;
  d_->out = &out;
  d_->done = std::move(done);
  if (!d_->reading.begin(device.address, out)) {
    d_->done(MvSNMPError{});
    return;
  }
  readNext();
}

void AsyncPageRead::readNext() {
  State& d = *d_;
  const auto pages = d.reading.pages();
  if (d.index == pages.size()) {
    d.reading.end(*d.out);
    d.done(MvSNMPError{});
    return;
  }
  d.content = PageContent{};
  d.request = std::make_unique<MvSNMPRequest>();
  ctlLoadTarget(*d.request, d.device);
  preparePage(pages[d.index], d.reading.extras(), *d.request, d.content);
  readStep(true);
}

void AsyncPageRead::readStep(bool first) {
  try {
    d_->request->readAsync(
        [this](void*, const MvSNMPError& e, MvSNMPVarList&) { onAnswer(e); }, nullptr, first);
  } catch (const MvException& e) {
    d_->done(e.error());
  }
}

void AsyncPageRead::onAnswer(const MvSNMPError& e) {
  State& d = *d_;
  if (!e.ok()) {
    d.done(e);
    return;
  }
  if (d.content.page->isTable() && !e.finished) {
    keepRow(*d.request, d.content);
    readStep(false);
    return;
  }
  d.content.list = d.request->varList;
  d.reading.add(d.content, *d.out);
  ++d.index;
  // The finished request goes only once its callback has returned.
  QTimer::singleShot(0, &d.context, [this] { readNext(); });
}
