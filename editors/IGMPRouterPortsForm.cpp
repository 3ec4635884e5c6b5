#include "editors/IGMPRouterPortsForm.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "bind/MvSNMPRequest2Edits.h"
#include "widgets/PortUitFormUnit.h"
#include "widgets/UserNotice.h"

TIGMPRouterPortsForm::TIGMPRouterPortsForm(QWidget* owner)
    : TDedicatedForm(owner, QStringLiteral("IGMP Router ports")) {
  setObjectName(QStringLiteral("IGMPRouterPortsForm"));
  resize(640, 540);

  list_ = FormParts::MakeListView(this, "ListView1");
  stVlanId_ = FormParts::MakeStaticText(this, "stVlanID");
  stVlanName_ = FormParts::MakeStaticText(this, "stVlanName");
  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("VLAN ID"), stVlanId_);
  fields->addRow(QStringLiteral("VLAN Name"), stVlanName_);

  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("PageControl1"));
  QWidget* staticBox = FormParts::AddGridSheet(pages_, "tbsStatic", QStringLiteral("Static Ports"), "ScrollBox1");
  QWidget* dynamicBox = FormParts::AddGridSheet(pages_, "tbsDynamic", QStringLiteral("Dynamic Ports"), "ScrollBox2");
  // The forbidden ports have no object on this device: the sheet exists, its tab is hidden.
  auto* forbidden = new QWidget;
  forbidden->setObjectName(QStringLiteral("tbsForbidden"));
  pages_->setTabVisible(pages_->addTab(forbidden, QStringLiteral("Forbidden Ports")), false);
  dynamicBox->setEnabled(false);  // learned ports are only shown

  btnGet_ = FormParts::MakeButton(this, "btnGet", QStringLiteral("Refresh"));
  btnSet_ = FormParts::MakeButton(this, "btnSet", QStringLiteral("Set"));
  btnStop_ = FormParts::MakeButton(this, "btnStop", QStringLiteral("Stop"));
  btnClose_ = FormParts::MakeButton(this, "btnClose", QStringLiteral("Close"));
  memo_ = FormParts::MakeMemo(this);
  FormParts::LayOutListEditor(this, list_, fields, pages_, {btnGet_, btnSet_, btnStop_, btnClose_}, nullptr, memo_);

  connect(btnGet_, &QPushButton::clicked, this, &TIGMPRouterPortsForm::btnGetClick);
  connect(btnSet_, &QPushButton::clicked, this, &TIGMPRouterPortsForm::btnSetClick);
  connect(btnStop_, &QPushButton::clicked, this, &TIGMPRouterPortsForm::btnStopClick);
  connect(btnClose_, &QPushButton::clicked, this, &QDialog::reject);
  connect(list_, &QTreeWidget::itemSelectionChanged, this, &TIGMPRouterPortsForm::ListView1Click);
  grids_[0] = PortGrid::AddTo(staticBox);
  grids_[1] = PortGrid::AddTo(dynamicBox);
  FormCreate();
}

void TIGMPRouterPortsForm::appendLine(const QString& message) { memo_->appendPlainText(message); }

void TIGMPRouterPortsForm::refreshDone() {
  for (TPortUitForm* grid : grids_) PortGrid::EnableAll(grid, true);
}

void TIGMPRouterPortsForm::FormCreate() {
  const QString bits = PortGrid::BitList();
  const auto sink = [this](const QString& m) { appendLine(m); };
  Guard(sink, [&] {
    binding_ = AddBinding("IgmpRouterPortList");
    binding_->BindListView(list_, true);
    binding_->BindControl(0, stVlanId_);
    binding_->BindControl(1, stVlanName_);
    binding_->BindBits(2, bits, grids_[0]->PortCheckBoxes());
    binding_->BindBits(3, bits, grids_[1]->PortCheckBoxes());
    binding_->SetStatusTarget(memo_);
    OnRefreshEnded(binding_, [this](const MvSNMPError&) { refreshDone(); });
    binding_->Refresh();
    btnSet_->setEnabled(false);
  });
}

void TIGMPRouterPortsForm::refreshAgain(std::function<void()> then) {
  Guard([this](const QString& m) { appendLine(m); }, [this, &then] {
    RefreshThen(binding_, [then = std::move(then)](const MvSNMPError&) {
      if (then) then();
    });
  });
}

void TIGMPRouterPortsForm::clearSelectionDisplay() {
  for (TPortUitForm* grid : grids_) PortGrid::UncheckAll(grid);
  stVlanName_->clear();
  stVlanId_->clear();
  btnSet_->setEnabled(false);
}

void TIGMPRouterPortsForm::btnGetClick() {
  if (!binding_ || !Settled()) return;
  refreshAgain();  // after a Stop too
  clearSelectionDisplay();
}

void TIGMPRouterPortsForm::btnSetClick() {
  if (list_->selectedItems().isEmpty()) return;
  if (binding_ && !Settled()) {
    UserNotice::information(this, QStringLiteral("Get data not complete"));
    return;
  }
  if (!binding_) return;
  // Only the static port list is written: the other items are keys or read-only.
  const QString vlan = list_->currentItem() ? list_->currentItem()->text(0) : QString();
  Guard([this](const QString& m) { appendLine(m); }, [this, vlan] {
    binding_->Resume();
    // The refresh runs only once the apply has ended, so the two never overlap and the apply's
    // own status line (its error too) comes first. The VLAN stays selected, showing its ports
    // as the device now holds them.
    const auto reselect = [this, vlan] { FormParts::SelectRowWithText(list_, 0, vlan); };
    ApplyThen(binding_, true, [this, reselect](const MvSNMPError&) { refreshAgain(reselect); });
  });
}

void TIGMPRouterPortsForm::btnStopClick() {
  if (binding_) binding_->Stop();
}

void TIGMPRouterPortsForm::ListView1Click() {
  if (!list_->selectedItems().isEmpty()) {
    btnSet_->setEnabled(true);
  } else {
    clearSelectionDisplay();
  }
}

void TIGMPRouterPortsForm::FormClose() {
  list_->clearSelection();
  Release(binding_);
  binding_ = nullptr;
}
