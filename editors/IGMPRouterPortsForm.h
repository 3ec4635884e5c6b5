// TIGMPRouterPortsForm: per VLAN, the ports behind which IGMP snooping sees multicast routers:
// the static ones, which the user edits, and the learned ones, only shown. Its binding runs
// asynchronously with Stop, and `DataComplete` refuses a second operation while one is out.
#pragma once

#include "editors/DedicatedForm.h"

class TPortUitForm;

class TIGMPRouterPortsForm : public TDedicatedForm {
 public:
  explicit TIGMPRouterPortsForm(QWidget* owner);

  void FormCreate();
  void btnGetClick();
  void btnSetClick();
  void btnStopClick();
  void ListView1Click();

  // True while no refresh or apply started by this form is outstanding.
  bool DataComplete() const { return Settled(); }
  QTreeWidget* ListView() const { return list_; }
  QLabel* VlanIdText() const { return stVlanId_; }
  QLabel* VlanNameText() const { return stVlanName_; }
  // 0 static, 1 dynamic.
  TPortUitForm* Grid(int page) const { return grids_[page]; }
  QTabWidget* Pages() const { return pages_; }
  QPlainTextEdit* Memo() const { return memo_; }
  QPushButton* GetButton() const { return btnGet_; }
  QPushButton* SetButton() const { return btnSet_; }
  QPushButton* StopButton() const { return btnStop_; }
  QPushButton* CloseButton() const { return btnClose_; }
  MvSNMPRequest2Edits* Binding() const { return binding_; }

 protected:
  void FormClose() override;

 private:
  void clearSelectionDisplay();
  void appendLine(const QString& message);
  void refreshDone();
  // A refresh (also after a Stop); an error raised while starting it ends the wait. `then` runs
  // once the refresh has ended.
  void refreshAgain(std::function<void()> then = {});

  QTreeWidget* list_ = nullptr;
  QLabel* stVlanId_ = nullptr;
  QLabel* stVlanName_ = nullptr;
  TPortUitForm* grids_[2] = {};
  QTabWidget* pages_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;
  QPushButton* btnGet_ = nullptr;
  QPushButton* btnSet_ = nullptr;
  QPushButton* btnStop_ = nullptr;
  QPushButton* btnClose_ = nullptr;
  MvSNMPRequest2Edits* binding_ = nullptr;
};
