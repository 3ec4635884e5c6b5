// TMainForm: the program's main window. Its constructor is the start-up (session, catalogues,
// command line, device profile); FormCreate reads the RMON state and the uplink module types
// once the event loop runs, so the window shows before it waits for the device;
// the menu bar is built from the menu map and every entry is dispatched by its family.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "mvsnmp/MvStartup.h"

class MvSNMPRequest2Edits;
struct MvSNMPError;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
#include <QProgressDialog>
class QScrollArea;
class QStatusBar;
class TConfigForm;
class TEditsPanel;
class TKX760PanelForm;
struct MenuEntry;

// The model this module manages.
extern const QString ModelName;
// What Reboot and Save Changes show while they are under way, and the reboot's success.
extern const char* const RebootProgressText;
extern const char* const RebootDoneText;
extern const char* const SavingText;
// Number of front ports of a model text (letter case ignored); 0 for an unknown model.
int PortCountOfModel(const QString& model);

class TMainForm : public QMainWindow {
 public:
  static constexpr int ClientWidth = 690;
  static constexpr int ClientHeight = 133;
  static constexpr int StatusBarTop = 109;
  static constexpr int StatusBarHeight = 20;
  static constexpr int StatusPanelWidth = 50;
  // The smallest the window may be made by hand once it scrolls.
  static constexpr int MinimumFitWidth = 240;
  static constexpr int MinimumFitHeight = 120;

  struct Options {
    std::optional<quint16> agentPort;  // overrides the port the command line and profile gave
    bool confirmExit = true;           // ask "Are you sure to exit?" before closing
    QString toolDir;                   // where the sibling tools lie; empty: the program's own directory
  };

  // `parameters`: the command line without the program name.
  explicit TMainForm(const QStringList& parameters, const Options& options, QWidget* parent = nullptr);
  explicit TMainForm(const QStringList& parameters) : TMainForm(parameters, Options{}) {}
  ~TMainForm() override;

  // Start-up said the program must end ("No parameter input" or a start-up error); the window is
  // then never shown and the program returns ExitCode().
  bool Ended() const { return ended_; }
  // FormCreate's reads of the device (RMON state, module types) have ended, well or not. They
  // run asynchronously: the window and its menus work while they are out.
  bool DeviceStateRead() const { return deviceStateRead_; }
  int ExitCode() const { return exitCode_; }

  const LaunchParameters& Launch() const { return launch_; }
  bool SnmpV3() const { return snmpV3_; }

  QStatusBar* StatusBar() const { return statusBar_; }
  // The first panel of StatusBar: caught error messages.
  QLabel* StatusPanel() const { return statusPanel_; }
  QLabel* RmonStateText() const { return stRmonState_; }
  QLabel* Module1Text() const { return stModule1_; }
  QLabel* Module2Text() const { return stModule2_; }

  // The action of a menu item by its component name, or nullptr (hidden entries have none).
  QAction* MenuAction(const QString& item) const;
  QMenu* TopMenu(const QString& name) const;

  void FormCreate();
  // FormCreate's device reads, run from the event loop after construction.
  void ReadDeviceState();
  // On the first activation: hosts the front panel, then checks the RMON state.
  void FormActivate();
  // Puts the front panel at the top of the client area and sizes the window around it.
  void HostFrontPanel();
  TKX760PanelForm* FrontPanel() const;
  QWidget* ClientArea() const { return scrollBox_; }
  // The scroll area that holds the client area (scroll bars only where the screen is too small).
  QScrollArea* ClientScroller() const;
  // Sizes the window to its client area, or to its screen's available area where that is
  // smaller (the client area then scrolls).
  void FitWindow();
  // Starts reading the RMON state; when it arrives the RMON pages are enabled or disabled to
  // match (an error goes to the status panel).
  void RmonCheck();
  MvSNMPRequest2Edits* RmonBinding() const { return rmonBinding_.get(); }
  // The progress dialog of a reboot under way, or nullptr.
  QProgressDialog* RebootProgress() const { return rebootProgress_; }
  // Runs the menu entry's handler (what choosing its item does).
  void Dispatch(const MenuEntry& entry);
  // Starts a sibling tool with the page argument; a failure to start is put into the status panel.
  void LaunchTool(const QString& argument);

  // The rows "System IP", "Subnet Mask" and "Gateway" follow "Get IP From" on this page.
  void GetIpFromChange(int index);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void startUp(const QStringList& parameters, const Options& options);
  void buildClientArea();
  // The client area (ScrollBox1) at this size, the status bar along its bottom edge.
  void setClientSize(int width, int height);
  void buildMenus();
  void handle(const MenuEntry& entry);
  void openConfigForm(const MenuEntry& entry);
  void openDedicatedForm(const MenuEntry& entry);
  void saveChanges(const MenuEntry& entry);
  void reboot(const MenuEntry& entry);
  void about();
  void help();
  void showError(const QString& text);
  void rmonStateRead(const MvSNMPError& error);
  void startReadEnded();

  LaunchParameters launch_;
  bool snmpV3_ = false;
  bool ended_ = false;
  int exitCode_ = 0;
  bool activated_ = false;
  bool deviceStateRead_ = false;
  bool confirmExit_ = true;
  QString toolDir_;

  class ClientScroll;
  ClientScroll* clientScroll_ = nullptr;
  QWidget* scrollBox_ = nullptr;
  QStatusBar* statusBar_ = nullptr;
  QLabel* statusPanel_ = nullptr;
  QLabel* stRmonState_ = nullptr;
  QLabel* stModule1_ = nullptr;
  QLabel* stModule2_ = nullptr;
  std::unique_ptr<MvSNMPRequest2Edits> rmonBinding_;
  std::unique_ptr<MvSNMPRequest2Edits> moduleBinding_;
  int startReads_ = 0;  // start-up reads still out
  std::unique_ptr<MvSNMPRequest2Edits> rebootBinding_;  // the last reboot's set
  QPointer<QProgressDialog> rebootProgress_;
  // The panels hosted in the client area, in order (owned by the form).
  QList<QPointer<QWidget>> hostedPanels_;

  // The IP Configuration page while it is open.
  QPointer<TEditsPanel> ipConfigPanel_;
  QPointer<QComboBox> getIpFrom_;
};
