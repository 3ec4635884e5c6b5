#include "shell/MainUnit.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWindow>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <vector>

#include "shell/About.h"
#include "catalogue/CatalogueRegistry.h"
#include "editors/DedicatedForm.h"
#include "editors/DedicatedForms.h"
#include "widgets/UserNotice.h"
#include "configform/CtrlBtnPanel.h"
#include "configform/Guiconfigform.h"
#include "shell/HelpViewer.h"
#include "panel/KX760PanelFormUnit.h"
#include "panel/PanelCommon.h"
#include "catalogue/MenuMap.h"
#include "shell/MenuMnemonics.h"
#include "mvsnmp/MvDeviceParams.h"
#include "mvsnmp/MvError.h"
#include "mvsnmp/MvSNMPRequest.h"
#include "bind/MvSNMPRequest2Edits.h"
#include "mvsnmp/MvSnmpSession.h"
#include "widgets/ScreenFit.h"
#include "shell/ToolLauncher.h"

const QString ModelName = QStringLiteral("KX-760");
const char* const RebootProgressText = "Rebooting: the reboot command is on its way to the switch...";
const char* const RebootDoneText = "Reboot sent: the switch is restarting.";
const char* const SavingText = "Saving: the switch is writing its configuration, this can take several seconds...";

int PortCountOfModel(const QString& model) {
  struct Model {
    const char* name;
    int ports;
  };
  static constexpr Model kModels[] = {
      {"KX720A", 10}, {"KY720A", 10}, {"KX720C", 10}, {"KY720C", 10}, {"KX760", 18},
      {"KY760", 18},  {"KX780", 26},  {"KY780", 26},  {"KX720B", 10}, {"KX740", 16},
  };
  for (const Model& m : kModels)
    if (model.compare(QLatin1String(m.name), Qt::CaseInsensitive) == 0) return m.ports;
  return 0;
}

// ---- the window ---------------------------------------------------------------------------------

namespace {

QString applicationCaption() {
  const QString name = QApplication::applicationName();
  return name.isEmpty() ? QStringLiteral("KX-760") : name;
}

}  // namespace

// The scroll area around the client area: it asks for the whole client area, so the window
// sizes itself to the panel and only a screen too small for it brings scroll bars.
class TMainForm::ClientScroll : public QScrollArea {
 public:
  using QScrollArea::QScrollArea;
  QSize sizeHint() const override {
    const int f = 2 * frameWidth();
    return widget() ? widget()->size() + QSize(f, f) : QScrollArea::sizeHint();
  }
  QSize minimumSizeHint() const override { return QSize(0, 0); }
};

namespace {

std::unique_ptr<MvSNMPRequest2Edits> bindingOver(QWidget* owner, const MvSNMPVarList& list) {
  auto binding = std::make_unique<MvSNMPRequest2Edits>(owner);
  binding->Request().varList = list;
  return binding;
}

std::unique_ptr<MvSNMPRequest2Edits> bindingOver(QWidget* owner, const char* listName) {
  const CatalogueList* list = findCatalogueList(QString::fromLatin1(listName));
  if (!list) throw MvException(-1, QStringLiteral("Unknown descriptor list %1").arg(QLatin1String(listName)));
  return bindingOver(owner, MvSNMPVarList(list->defs, SVT_SV, 0));
}

}  // namespace

TMainForm::TMainForm(const QStringList& parameters, const Options& options, QWidget* parent)
    : QMainWindow(parent), confirmExit_(options.confirmExit), toolDir_(options.toolDir) {
  setObjectName(QStringLiteral("MainForm"));
  buildClientArea();
  startUp(parameters, options);
  if (ended_) return;
  buildMenus();
  FormCreate();
}

TMainForm::~TMainForm() {
  // Answers still out reach no handler of a window on its way out: destroying one binding may
  // wait for its request while the others' answers arrive.
  for (MvSNMPRequest2Edits* b : {rmonBinding_.get(), moduleBinding_.get(), rebootBinding_.get()}) {
    if (!b) continue;
    b->OnRefreshDone = nullptr;
    b->OnApplyDone = nullptr;
    b->Stop();
  }
}

void TMainForm::startUp(const QStringList& parameters, const Options& options) {
  try {
    initSnmpSession();
    const MvStartupResult result = runStartup(parameters);
    if (result.noParameters) {
      UserNotice::message(this, applicationCaption(), QString::fromLatin1(NoParameterInputText), UserNotice::Style::Critical);
      ended_ = true;
      exitCode_ = 1;
      return;
    }
    launch_ = result.launch;
    snmpV3_ = result.snmpV3;
    if (options.agentPort) {
      DeviceTarget.agentPort = *options.agentPort;
      launch_.portText = QString::number(*options.agentPort);
    }
  } catch (const MvException& e) {
    UserNotice::message(this, applicationCaption(), e.message(), UserNotice::Style::Critical);
    ended_ = true;
    exitCode_ = 2;
  }
}

void TMainForm::buildClientArea() {
  // The client area as designed: a dark scroll box holding the status bar and the hidden texts
  // that receive the RMON state and the module types.
  scrollBox_ = new QWidget;
  scrollBox_->setObjectName(QStringLiteral("ScrollBox1"));
  PanelCommon::paintBackground(scrollBox_, QColor(0x54, 0x54, 0x54));
  // Where the screen is too small for the panel (a high scale factor, a small display), the
  // window shrinks to the screen and the client area scrolls: nothing is cut off.
  clientScroll_ = new ClientScroll(this);
  clientScroll_->setObjectName(QStringLiteral("ClientScroll"));
  clientScroll_->setFrameShape(QFrame::NoFrame);
  clientScroll_->setWidgetResizable(false);
  clientScroll_->setWidget(scrollBox_);  // the scroll area owns the client area
  PanelCommon::paintBackground(clientScroll_->viewport(), QColor(0x54, 0x54, 0x54));
  setCentralWidget(clientScroll_);

  auto hiddenText = [this](const char* name, int left, int top, int width) {
    auto* label = new QLabel(QLatin1String(name), scrollBox_);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(left, top, width, 17);
    label->hide();
    return label;
  };
  stRmonState_ = hiddenText("ST_RmonState", 96, 16, 77);
  stModule1_ = hiddenText("ST_Module1", 140, 48, 65);
  stModule2_ = hiddenText("ST_Module2", 348, 48, 65);

  statusBar_ = new QStatusBar(scrollBox_);
  statusBar_->setObjectName(QStringLiteral("StatusBar"));
  statusBar_->setSizeGripEnabled(false);
  statusBar_->setAutoFillBackground(true);
  statusPanel_ = new QLabel(statusBar_);
  statusPanel_->setObjectName(QStringLiteral("StatusPanel0"));
  statusPanel_->setMinimumWidth(StatusPanelWidth);
  statusBar_->addWidget(statusPanel_, 1);
  setClientSize(ClientWidth, ClientHeight);
  statusBar_->move(0, StatusBarTop);

  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  FitWindow();
}

void TMainForm::FitWindow() {
  // The window takes the size the hosted panel gives it and can never be enlarged into an empty
  // area; where the screen's available area is smaller, it takes that and the client area
  // scrolls (a horizontal bar needs its own height, a vertical one its own width).
  clientScroll_->updateGeometry();
  layout()->invalidate();
  const QSize full = layout()->totalSizeHint();  // the menu bar included
  QSize room(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (screen) room = screen->availableGeometry().size() - (frameGeometry().size() - geometry().size());
  const int barH = clientScroll_->horizontalScrollBar()->sizeHint().height();
  const int barW = clientScroll_->verticalScrollBar()->sizeHint().width();
  QSize size = full;
  if (size.width() > room.width()) {
    size.setWidth(room.width());
    size.rheight() += barH;
  }
  if (size.height() > room.height()) {
    size.setHeight(room.height());
    size.setWidth(std::min(size.width() + barW, room.width()));
  }
  setMinimumSize(std::min(size.width(), MinimumFitWidth), std::min(size.height(), MinimumFitHeight));
  setMaximumSize(size);
  resize(size);
  if (isVisible()) fitToScreen(this);
}

void TMainForm::setClientSize(int width, int height) {
  scrollBox_->setFixedSize(width, height);
  statusBar_->setGeometry(0, height - StatusBarHeight, width, StatusBarHeight);
}

void TMainForm::FormCreate() {
  activated_ = false;
  setWindowTitle(launch_.addressText);
  // The reads wait for the device in a nested loop that keeps painting; run from the event loop
  // they let the window appear first instead of after their time-outs.
  QTimer::singleShot(0, this, &TMainForm::ReadDeviceState);
}

void TMainForm::ReadDeviceState() {
  // Both reads are asynchronous: the menus work while they are out, and nothing the user does
  // meanwhile waits for them. Their lines go to the status bar, which keeps them out of sight;
  // an error's message goes to the first status panel.
  try {
    rmonBinding_ = bindingOver(this, "RmonStateList");
    rmonBinding_->BindControl(0, stRmonState_);
    rmonBinding_->SetStatusTarget(statusBar_);
    rmonBinding_->OnRefreshDone = [this](MvSNMPRequest2Controls*, const MvSNMPError& error) {
      rmonStateRead(error);
      startReadEnded();
    };
    moduleBinding_ = PanelCommon::makeModuleTypeBinding(this, stModule1_, stModule2_, statusBar_);
    moduleBinding_->SetAsynchronous(true);
    moduleBinding_->OnRefreshDone = [this](MvSNMPRequest2Controls*, const MvSNMPError& error) {
      if (!error.ok()) statusPanel_->setText(error.message);
      startReadEnded();
    };
    startReads_ = 2;
    if (!rmonBinding_->Refresh()) startReadEnded();
    if (!moduleBinding_->Refresh()) startReadEnded();
  } catch (const MvException& e) {
    statusPanel_->setText(e.message());
    deviceStateRead_ = true;
  }
}

void TMainForm::startReadEnded() {
  if (startReads_ > 0 && --startReads_ == 0) deviceStateRead_ = true;
}

void TMainForm::rmonStateRead(const MvSNMPError& error) {
  if (!error.ok()) {
    statusPanel_->setText(error.message);
    return;
  }
  const QString state = stRmonState_->text();
  const bool disabled = state == u"disabled";
  if (disabled || state == u"enabled") {
    for (const char* item : {"Statistics1", "History1", "AlarmEvent1"})
      if (QAction* a = MenuAction(QLatin1String(item))) a->setEnabled(!disabled);
  }
}

void TMainForm::FormActivate() {
  if (activated_) return;
  activated_ = true;
  HostFrontPanel();
  // After the window has been shown: the check waits for the device.
  QTimer::singleShot(0, this, &TMainForm::RmonCheck);
}

void TMainForm::HostFrontPanel() {
  PanelHost host;
  host.statusBar = statusBar_;
  host.statusPanel = statusPanel_;
  host.addressText = launch_.addressText;
  host.modelName = ModelName;
  auto* panel = new TKX760PanelForm(host, this);  // owned by the main form
  // Its size as designed, before it is shown. Showing queues the panel's set-up, which reports
  // its own errors.
  const int h = panel->height();
  const int w = panel->width();
  panel->show();
  panel->setParent(scrollBox_);
  const int n = static_cast<int>(hostedPanels_.size());
  int clientWidth = scrollBox_->width();
  int top = 0;
  if (n == 0) {
    clientWidth = w + 3;
  } else {
    top = scrollBox_->height() - n - 1;
    clientWidth = std::max(clientWidth, w + 3);
  }
  panel->move(0, top);
  setClientSize(clientWidth, top + h + StatusBarHeight + n + 3);
  panel->show();
  hostedPanels_.append(panel);
  FitWindow();
}

TKX760PanelForm* TMainForm::FrontPanel() const {
  for (const QPointer<QWidget>& p : hostedPanels_)
    if (auto* panel = dynamic_cast<TKX760PanelForm*>(p.data())) return panel;
  return nullptr;
}

void TMainForm::RmonCheck() {
  // Asynchronous: the menu opens at once and its RMON pages follow the answer when it comes. A
  // read still out (the start-up's, or the last opening's) gives the answer this one would.
  if (!rmonBinding_ || rmonBinding_->Busy()) return;
  try {
    rmonBinding_->Refresh();
  } catch (const MvException& e) {
    statusPanel_->setText(e.message());
  }
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Moved to a screen of another size or scale: fitted again.
  if (QWindow* window = windowHandle())
    connect(window, &QWindow::screenChanged, this, &TMainForm::FitWindow, Qt::UniqueConnection);
  FormActivate();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (confirmExit_ && !UserNotice::askYesNo(this, QStringLiteral("Exit"), QStringLiteral("Are you sure to exit?"))) {
    event->ignore();
    return;
  }
  event->accept();
}

// ---- the menu bar -------------------------------------------------------------------------------

void TMainForm::buildMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  std::vector<QMenu*> tops;
  for (const MenuTop& top : menuTops()) {
    QMenu* menu = bar->addMenu(QString::fromLatin1(top.caption));
    menu->setObjectName(QLatin1String(top.name));
    menu->menuAction()->setObjectName(QLatin1String(top.name));
    if (top.onlyForV3) menu->menuAction()->setEnabled(snmpV3_);
    if (top.rmonCheckOnOpen) connect(menu, &QMenu::aboutToShow, this, &TMainForm::RmonCheck);
    tops.push_back(menu);
  }
  // Entries come in display order; a submenu is created when its first entry arrives.
  for (const MenuEntry& entry : menuEntries()) {
    if (entry.isHiddenInMenu()) continue;
    QMenu* menu = tops.at(entry.top);
    for (int level = 0; level < entry.depth(); ++level) {
      const QString caption = QString::fromLatin1(entry.path[level].caption);
      QMenu* sub = nullptr;
      const QList<QAction*> actions = menu->actions();
      if (!actions.isEmpty() && actions.last()->menu() && visibleCaption(actions.last()->text()) == caption)
        sub = actions.last()->menu();
      if (!sub) sub = menu->addMenu(caption);
      menu = sub;
    }
    QAction* action = menu->addAction(QString::fromLatin1(entry.caption));
    action->setObjectName(QLatin1String(entry.item));
    const MenuEntry* e = &entry;
    switch (entry.family) {
      case MenuFamily::Form:
        action->setEnabled(isDedicatedFormBuilt(QString::fromLatin1(entry.form)));
        break;
      default:
        break;
    }
    connect(action, &QAction::triggered, this, [this, e] { Dispatch(*e); });
  }
  // The program's own windows close their top-level menu, set apart by a separator.
  for (const MenuEntry& entry : menuAdditions()) {
    QMenu* menu = tops.at(entry.top);
    menu->addSeparator();
    QAction* action = menu->addAction(QString::fromUtf8(entry.caption));
    action->setObjectName(QLatin1String(entry.item));
    action->setEnabled(!entry.form || isDedicatedFormBuilt(QString::fromLatin1(entry.form)));
    const MenuEntry* e = &entry;
    connect(action, &QAction::triggered, this, [this, e] { Dispatch(*e); });
  }
  assignMnemonics(bar);
  // F10 opens the menu bar at its first menu, as in other desktop programs.
  auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
  f10->setObjectName(QStringLiteral("MenuBarShortcut"));
  connect(f10, &QShortcut::activated, this, [bar] {
    for (QAction* top : bar->actions())
      if (top->isEnabled() && top->isVisible()) return bar->setActiveAction(top);
  });
}

QAction* TMainForm::MenuAction(const QString& item) const {
  for (QAction* a : menuBar()->findChildren<QAction*>())
    if (a->objectName() == item && !a->menu()) return a;
  return nullptr;
}

QMenu* TMainForm::TopMenu(const QString& name) const {
  for (QAction* a : menuBar()->actions())
    if (a->menu() && a->menu()->objectName() == name) return a->menu();
  return nullptr;
}

// ---- dispatch -----------------------------------------------------------------------------------

void TMainForm::showError(const QString& text) { UserNotice::message(this, applicationCaption(), text, UserNotice::Style::Critical); }

void TMainForm::Dispatch(const MenuEntry& entry) {
  // Errors while a window is built reach the standard error display; the window stays usable.
  try {
    handle(entry);
  } catch (const MvException& e) {
    showError(e.message());
  }
}

void TMainForm::handle(const MenuEntry& entry) {
  switch (entry.family) {
    case MenuFamily::Editor:
    case MenuFamily::Table:
    case MenuFamily::Tabs:
      openConfigForm(entry);
      return;
    case MenuFamily::Tool:
      LaunchTool(QString::fromLatin1(entry.tool));
      return;
    case MenuFamily::Form:
      openDedicatedForm(entry);
      return;
    case MenuFamily::Action:
      switch (entry.action) {
        case MenuAction::SaveChanges: return saveChanges(entry);
        case MenuAction::Reboot: return reboot(entry);
        case MenuAction::About: return about();
        case MenuAction::Help: return help();
        case MenuAction::None: return;
      }
  }
}

namespace {

// Add and delete arguments of a table page: rows via the row-status item, or none.
struct RowStatusArgs {
  int addColumn = -1;
  QString addValue;
  int deleteColumn = -1;
  QString deleteValue;
};

RowStatusArgs rowStatusArgs(const MenuPage& page) {
  if (page.rowStatus < 0) return {};
  return {page.rowStatus, QStringLiteral("createAndGo"), page.rowStatus, QStringLiteral("destroy")};
}

}  // namespace

void TMainForm::openConfigForm(const MenuEntry& entry) {
  TConfigForm form(this);
  if (entry.title.hasPrefix()) form.setWindowTitle(entry.title.caption(launch_.addressText));
  const std::span<const MenuPage> pages = entry.pageList();
  const MenuExtras& extras = entry.extras;
  std::vector<TSNMPEditorPanel*> panels;  // per page: its editor part (tables included)
  std::vector<MvSNMPRequest2Edits*> bindings;

  auto makeBinding = [&](const MenuPage& page) {
    auto binding = std::make_unique<MvSNMPRequest2Edits>(&form);
    binding->Request().varList = page.makeVarList();
    bindings.push_back(binding.get());
    return binding;
  };

  TSNMPListViewPanel* lastTable = nullptr;
  if (entry.family == MenuFamily::Tabs) {
    form.MakePagedForm();
    for (const MenuPage& page : pages) {
      const QString tab = QString::fromLatin1(page.tab);
      if (page.isTable()) {
        const RowStatusArgs r = rowStatusArgs(page);
        lastTable = form.AddTablePage(tab, makeBinding(page), r.addColumn, r.addValue, r.deleteColumn, r.deleteValue);
        panels.push_back(lastTable);
      } else {
        panels.push_back(form.AddEditorPage(tab, makeBinding(page)));
      }
    }
  } else if (entry.family == MenuFamily::Table) {
    const RowStatusArgs r = rowStatusArgs(pages.front());
    lastTable = form.MakeTableForm(makeBinding(pages.front()), r.addColumn, r.addValue, r.deleteColumn, r.deleteValue);
    panels.push_back(lastTable);
  } else {
    panels.push_back(form.MakeEditorForm(makeBinding(pages.front())));
  }

  // The extra settings, in their fixed order.
  for (int i = 0; i < extras.formatCount(); ++i) {
    const MenuRowFormat& f = extras.formats[i];
    panels.at(f.page)->SetRowFormat(f.row, QString::fromLatin1(f.format));
  }
  if (extras.editWidth)
    for (TSNMPEditorPanel* p : panels) p->SetEditWidth(extras.editWidth);
  if (extras.requestTimeout)
    for (MvSNMPRequest2Edits* b : bindings) b->SetTimeout(extras.requestTimeout);
  const QSize frame = form.frameGeometry().size() - form.geometry().size();
  if (extras.width) form.resize(extras.width - frame.width(), form.height());
  if (extras.widthGrowth) form.resize(form.width() + extras.widthGrowth, form.height());
  if (extras.height) form.resize(form.width(), extras.height - frame.height());
  if (extras.noEdit && lastTable) {
    // Hidden, the Edit button also stops the list view's double-click from editing.
    lastTable->BtnPanel()->Control(TCtrlBtnPanel::EditBtn)->hide();
    lastTable->BtnPanel()->Arrange();
  }
  if (extras.ipAddressRows) {
    ipConfigPanel_ = panels.front()->EditsPanel();
    getIpFrom_ = qobject_cast<QComboBox*>(ipConfigPanel_->RowAt(0).value);
    // Only a choice the user makes hides or shows the address rows: a refresh that fills the
    // box (a device set to DHCP or BOOTP) leaves them in view, so the address it got shows.
    if (getIpFrom_) connect(getIpFrom_, &QComboBox::activated, this, &TMainForm::GetIpFromChange);
  }
  UserNotice::runModal(form);
}

void TMainForm::openDedicatedForm(const MenuEntry& entry) {
  const QString formClass = QString::fromLatin1(entry.form);
  std::unique_ptr<TDedicatedForm> form = createDedicatedForm(formClass, this);
  if (!form) return;
  if (entry.title.hasPrefix()) form->setWindowTitle(entry.title.caption(launch_.addressText));
  if (entry.extras.keepsInstance) setDedicatedFormInstance(formClass, form.get());
  UserNotice::runModal(*form);
  if (entry.extras.keepsInstance) setDedicatedFormInstance(formClass, nullptr);
}

void TMainForm::GetIpFromChange(int index) {
  if (!ipConfigPanel_) return;
  for (int row = 1; row <= 3; ++row) {
    if (index != 0)
      ipConfigPanel_->HideRow(row);
    else
      ipConfigPanel_->ShowRow(row);
  }
}

void TMainForm::saveChanges(const MenuEntry& entry) {
  if (!UserNotice::askOkCancel(this, QStringLiteral("Device Save Changes"), QStringLiteral("Are you sure?"))) return;
  TConfigForm form(this);
  form.setWindowTitle(entry.title.caption(launch_.addressText));
  const MenuPage& page = entry.pageList().front();
  auto binding = std::make_unique<MvSNMPRequest2Edits>(&form);
  binding->Request().varList = page.makeVarList();
  binding->SetTimeout(1200);
  MvSNMPRequest2Edits* saving = binding.get();
  TSNMPEditorPanel* panel = form.MakeEditorForm(std::move(binding));
  // Saving takes the switch several seconds: the memo says it is under way, and the set's own
  // status line (its result or its error) follows when the answer comes.
  QPointer<QPlainTextEdit> memo = panel && panel->MsgPanel() ? panel->MsgPanel()->Memo() : nullptr;
  saving->OnBusyChanged = [saving, memo](bool busy) {
    if (busy && memo && saving->LastOperation() == MvSNMPRequest2Controls::Operation::Set)
      memo->appendPlainText(QString::fromLatin1(SavingText));
  };
  UserNotice::runModal(form);
}

void TMainForm::reboot(const MenuEntry& entry) {
  if (!UserNotice::askOkCancel(this, QStringLiteral("Device Reboot"), QStringLiteral("Are you sure?"))) return;
  if (rebootBinding_ && rebootBinding_->Busy()) return;  // one reboot at a time
  // Sent at once and asynchronously, so it goes out ahead of any read the window starts later and
  // no wait holds the window; a progress dialog says it is under way until the answer comes.
  rebootBinding_ = std::make_unique<MvSNMPRequest2Edits>(this);
  rebootBinding_->Request().varList = entry.pageList().front().makeVarList();
  rebootBinding_->SetTimeout(1200);
  rebootBinding_->Request().varList.item(0).value = QStringLiteral("3");  // "warm-start"
  rebootBinding_->SetStatusTarget(statusBar_);  // its lines kept out of sight; the result is shown below
  auto* progress = new QProgressDialog(QString::fromLatin1(RebootProgressText), QString(), 0, 0, this);
  progress->setObjectName(QStringLiteral("RebootProgress"));
  progress->setWindowTitle(QStringLiteral("Device Reboot"));
  progress->setAttribute(Qt::WA_DeleteOnClose);
  progress->setMinimumDuration(0);
  progress->setAutoClose(false);
  progress->setAutoReset(false);
  progress->setWindowModality(Qt::WindowModal);
  rebootProgress_ = progress;
  statusPanel_->setText(QString::fromLatin1(RebootProgressText));
  rebootBinding_->OnApplyDone = [this](MvSNMPRequest2Controls*, const MvSNMPError& error) {
    if (rebootProgress_) rebootProgress_->close();
    const QString result = error.ok() ? QString::fromLatin1(RebootDoneText) : error.message;
    statusPanel_->setText(result);
    if (error.ok())
      UserNotice::message(this, QStringLiteral("Device Reboot"), result, UserNotice::Style::Information);
    else
      showError(result);
  };
  progress->show();
  try {
    rebootBinding_->Apply(false, false);
  } catch (const MvException& e) {
    progress->close();
    statusPanel_->setText(e.message());
    throw;
  }
}

void TMainForm::about() {
  // Not modal: the main window stays usable and several boxes may be open.
  AboutForm = new TAboutForm(this);
  AboutForm->show();
}

void TMainForm::help() { ShowHelpContents(this, ProgramDir() + QLatin1String(HelpFileName)); }

void TMainForm::LaunchTool(const QString& argument) {
  QString dir = toolDir_.isEmpty() ? ProgramDir() : toolDir_;
  if (!dir.endsWith(u'/')) dir += u'/';
  const ToolStart start = PlanToolStart(argument, launch_, DeviceTarget, dir);
  if (!StartTool(start)) statusPanel_->setText(QStringLiteral("Could not start %1").arg(start.program));
}

QScrollArea* TMainForm::ClientScroller() const { return clientScroll_; }
