#include "editors/BOOTCtrlTableForm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "mvsnmp/MvDeviceParams.h"
#include "mvsnmp/MvError.h"
#include "bind/MvSNMPRequest2Edits.h"
#include "widgets/UserNotice.h"

namespace {

// Row status entries: 0 active ... 3 createAndGo, 4 createAndWait, 5 destroy.
constexpr int kCreateAndGo = 3;
constexpr int kDestroy = 5;
const QString kNotComplete = QStringLiteral("Get data not complete");

}  // namespace

TBOOTCtrlTableForm::TBOOTCtrlTableForm(QWidget* owner) : TDedicatedForm(owner, QStringLiteral("BOOTCtrlTableForm")) {
  setObjectName(QStringLiteral("BOOTCtrlTableForm"));
  resize(680, 420);
  list_ = FormParts::MakeListView(this, "ListView1");
  memo_ = FormParts::MakeMemo(this);
  combo_ = new QComboBox(this);
  combo_->setObjectName(QStringLiteral("ComboBox1"));
  combo_->hide();
  refreshBtn_ = FormParts::MakeButton(this, "RefreshBtn", QStringLiteral("Refresh"));
  deleteBtn_ = FormParts::MakeButton(this, "DeleteBtn", QStringLiteral("Delete"));
  addBtn_ = FormParts::MakeButton(this, "AddBtn", QStringLiteral("Add"));
  closeBtn_ = FormParts::MakeButton(this, "CloseBtn", QStringLiteral("Close"));
  stopBtn_ = FormParts::MakeButton(this, "btnStop", QStringLiteral("Stop"));
  FormParts::LayOutListEditor(this, list_, nullptr, nullptr, {refreshBtn_, deleteBtn_, addBtn_, closeBtn_, stopBtn_},
                              nullptr, memo_);
  connect(refreshBtn_, &QPushButton::clicked, this, &TBOOTCtrlTableForm::RefreshBtnClick);
  connect(deleteBtn_, &QPushButton::clicked, this, &TBOOTCtrlTableForm::DeleteBtnClick);
  connect(addBtn_, &QPushButton::clicked, this, &TBOOTCtrlTableForm::AddBtnClick);
  connect(closeBtn_, &QPushButton::clicked, this, &QDialog::reject);
  connect(stopBtn_, &QPushButton::clicked, this, &TBOOTCtrlTableForm::btnStopClick);
  connect(list_, &QTreeWidget::itemSelectionChanged, this, &TBOOTCtrlTableForm::ListView1SelectItem);
  FormCreate();
}

void TBOOTCtrlTableForm::appendLine(const QString& message) { memo_->appendPlainText(message); }

void TBOOTCtrlTableForm::FormCreate() {
  Guard([this](const QString& m) { appendLine(m); }, [this] {
    new_ = new TNewBootpCtrlForm(this);
    binding_ = AddBinding("DhcpRelayControlList");
    binding_->BindListView(list_, true);
    binding_->BindEdits(InterfaceName, QStringLiteral("%s"), {new_->InterfaceEdit()});
    binding_->BindEdits(Server, QStringLiteral("%s"), {new_->ServerEdit()});
    binding_->BindComboBox(RowStatus, combo_);
    binding_->SetStatusTarget(memo_);
    binding_->Refresh();
    deleteBtn_->setEnabled(false);
  });
}

void TBOOTCtrlTableForm::RefreshBtnClick() {
  if (!binding_ || !Settled()) return;
  refreshAgain();
  deleteBtn_->setEnabled(false);
}

void TBOOTCtrlTableForm::ListView1SelectItem() { deleteBtn_->setEnabled(!list_->selectedItems().isEmpty()); }

void TBOOTCtrlTableForm::refreshAgain() {
  Guard([this](const QString& m) { appendLine(m); }, [this] { StartRefresh(binding_); });
}

void TBOOTCtrlTableForm::applyThenRefresh() {
  binding_->Resume();
  ApplyThen(binding_, true, [this](const MvSNMPError&) { refreshAgain(); });
}

void TBOOTCtrlTableForm::DeleteBtnClick() {
  if (list_->selectedItems().isEmpty()) return;
  if (!Settled()) return UserNotice::information(this, kNotComplete);
  if (!FormParts::ConfirmDelete(this)) return;
  combo_->setCurrentIndex(kDestroy);
  if (binding_->Busy()) return UserNotice::information(this, kNotComplete);
  // Only the row status (destroy) of the selected row travels; the table is read again once
  // the agent has answered.
  Guard([this](const QString& m) { appendLine(m); }, [this] { applyThenRefresh(); });
  deleteBtn_->setEnabled(false);
}

void TBOOTCtrlTableForm::AddBtnClick() {
  if (!Settled()) return UserNotice::information(this, kNotComplete);
  Guard([this](const QString& m) { appendLine(m); }, [this] {
    new_->setWindowTitle(QStringLiteral("New DHCP Control: ") + DeviceTarget.address);
    if (binding_->Busy())
      UserNotice::information(this, kNotComplete);
    else
      UserNotice::runModal(*new_);
  });
}

void TBOOTCtrlTableForm::btnStopClick() {
  if (binding_) binding_->Stop();
}

int TBOOTCtrlTableForm::ServersOf(const QString& interfaceName) const {
  int n = 0;
  for (int i = 0; i < list_->topLevelItemCount(); ++i)
    if (list_->topLevelItem(i)->text(0) == interfaceName) ++n;
  return n;
}

QString TBOOTCtrlTableForm::AddServer() {
  combo_->setCurrentIndex(kCreateAndGo);
  binding_->Resume();
  const QString failure = ApplyAndWait(binding_);
  if (failure.isEmpty()) refreshAgain();
  return failure;
}

int TBOOTCtrlTableForm::MaxInterfaceName() const {
  constexpr int kMostSubIds = 128;
  constexpr int kServerSubIds = 4;
  const QString column = binding_->Request().varList.item(RowStatus).oid;
  return kMostSubIds - static_cast<int>(column.count(u'.') + 1) - 1 - kServerSubIds;
}

bool TBOOTCtrlTableForm::CanClose() {
  if (Settled()) return true;
  UserNotice::information(this, kNotComplete);
  return false;
}

// ---- the add dialog ----

TNewBootpCtrlForm::TNewBootpCtrlForm(TBOOTCtrlTableForm* table) : QDialog(table), table_(table) {
  setObjectName(QStringLiteral("NewBootpCtrlForm"));
  setWindowTitle(QStringLiteral("New DHCP Ctrl Entry"));
  edit1_ = new QLineEdit(this);
  edit1_->setObjectName(QStringLiteral("Edit1"));
  edit2_ = new QLineEdit(this);
  edit2_->setObjectName(QStringLiteral("Edit2"));
  setBtn_ = FormParts::MakeButton(this, "DeleteBtn", QStringLiteral("Set"));
  QPushButton* close = FormParts::MakeButton(this, "BitBtn1", QStringLiteral("Close"));
  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("Interface Name"), edit1_);
  fields->addRow(QStringLiteral("DHCP Server IP"), edit2_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(setBtn_);
  buttons->addWidget(close);
  auto* body = new QVBoxLayout(this);
  body->addLayout(fields);
  body->addLayout(buttons);
  setBtn_->setDefault(true);  // Enter in either field sets
  connect(setBtn_, &QPushButton::clicked, this, &TNewBootpCtrlForm::SetClick);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void TNewBootpCtrlForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormActivate();
}

void TNewBootpCtrlForm::FormActivate() {
  edit1_->setEnabled(true);
  edit2_->setEnabled(true);
  edit1_->clear();
  edit2_->clear();
}

void TNewBootpCtrlForm::SetClick() {
  if (table_->ServersOf(edit1_->text()) >= TBOOTCtrlTableForm::MaxServersPerInterface)
    return UserNotice::warning(this, QStringLiteral("One interface can support four bootp servers at most."));
  // Both fields are the row's instance: read strictly, or nothing is sent.
  if (!FormParts::CheckFields(this, {{edit1_, QStringLiteral("Interface Name"),
                                           MvKeyRule::text(1, table_->MaxInterfaceName())},
                                          {edit2_, QStringLiteral("DHCP Server IP"), MvKeyRule::of(Syntax::IpAddress)}}))
    return;
  // A refused row keeps the dialog open with the user's input, and says why.
  if (const QString failure = table_->AddServer(); !failure.isEmpty()) return UserNotice::warning(this, failure);
  edit1_->clear();
  edit2_->clear();
  accept();
}
