#include "editors/GuestVlanForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "bind/MvSNMPRequest2Edits.h"
#include "widgets/PortUitFormUnit.h"

TGuestVlanForm::TGuestVlanForm(QWidget* owner) : TDedicatedForm(owner, QStringLiteral("Guest VLAN")) {
  setObjectName(QStringLiteral("GuestVlanForm"));
  resize(600, 380);

  edtName_ = new QLineEdit(this);
  edtName_->setObjectName(QStringLiteral("edtName"));
  edit1_ = new QLineEdit(QStringLiteral("Guest Vlan Name"), this);
  edit1_->setObjectName(QStringLiteral("Edit1"));
  edit1_->hide();
  cbxDel_ = new QComboBox(this);
  cbxDel_->setObjectName(QStringLiteral("cbxDel"));
  cbxDel_->hide();
  portBox_ = new QGroupBox(QStringLiteral("Port"), this);
  portBox_->setObjectName(QStringLiteral("gbStackingPort"));

  btGet_ = FormParts::MakeButton(this, "BT_Get", QStringLiteral("Refresh"));
  setBtn_ = FormParts::MakeButton(this, "SetBtn", QStringLiteral("Set"));
  delBtn_ = FormParts::MakeButton(this, "DelBtn", QStringLiteral("Delete"));
  btClose_ = FormParts::MakeButton(this, "BT_Close", QStringLiteral("Close"));
  statusBar_ = FormParts::MakeStatusBar(this, &panel_);

  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(new QLabel(QStringLiteral("Name"), this));
  nameRow->addWidget(edtName_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* b : {btGet_, setBtn_, delBtn_, btClose_}) buttons->addWidget(b);
  auto* body = new QVBoxLayout(this);
  body->addLayout(nameRow);
  body->addWidget(portBox_, 1);
  body->addLayout(buttons);
  body->addWidget(statusBar_);

  connect(btGet_, &QPushButton::clicked, this, &TGuestVlanForm::BT_GetClick);
  connect(setBtn_, &QPushButton::clicked, this, &TGuestVlanForm::SetBtnClick);
  connect(delBtn_, &QPushButton::clicked, this, &TGuestVlanForm::DelBtnClick);
  connect(btClose_, &QPushButton::clicked, this, &QDialog::reject);
  grid_ = PortGrid::AddTo(portBox_);
  FormCreate();
}

void TGuestVlanForm::showMessage(const QString& message) { panel_->setText(message); }

void TGuestVlanForm::FormCreate() {
  Guard([this](const QString& m) { showMessage(m); }, [this] {
    edit_ = AddBinding("GuestVlanEditList");
    edit_->SetAsynchronous(false);
    edit_->SetTimeout(RequestTimeout);
    edit_->BindEdits(0, QStringLiteral("%s"), {edtName_});
    edit_->BindBits(1, PortGrid::BitList(), grid_->PortCheckBoxes());
    edit_->SetStatusTarget(panel_);

    name_ = AddBinding("GuestVlanNameList");
    name_->SetTimeout(RequestTimeout);
    name_->BindEdits(0, QStringLiteral("%s"), {edit1_});
    name_->SetStatusTarget(panel_);

    delete_ = AddBinding("GuestVlanDeleteList");
    delete_->SetAsynchronous(false);
    delete_->SetTimeout(RequestTimeout);
    delete_->BindComboBox(0, cbxDel_);
    delete_->SetStatusTarget(panel_);

    edit_->Refresh();
    name_->Refresh();
  });
}

void TGuestVlanForm::BT_GetClick() {
  const auto sink = [this](const QString& m) { showMessage(m); };
  if (edit_) {
    if (edit_->Busy()) return;
    Guard(sink, [this] {
      edit_->Refresh();
      name_->Refresh();
    });
  }
  if (delete_ && !delete_->Busy()) Guard(sink, [this] { delete_->Refresh(); });
}

void TGuestVlanForm::SetBtnClick() {
  if (!edit_ || edit_->Busy()) return;
  if (!FormParts::CheckFields(this, {{edtName_, QStringLiteral("Name"), MvKeyRule::text(0, MaxNameLength)}})) return;
  // A name the device already holds is not written again; only the port list travels then.
  const bool unchanged = !edit1_->text().isEmpty() && edit1_->text() == edtName_->text();
  edit_->SetExcluded(0, unchanged);
  Guard([this](const QString& m) { showMessage(m); }, [this] { edit_->Apply(true, true); });
  edit_->SetExcluded(0, false);
  BT_GetClick();
}

void TGuestVlanForm::DelBtnClick() {
  if (delete_) {
    if (delete_->Busy() || !FormParts::ConfirmDelete(this)) return;
    cbxDel_->setCurrentIndex(1);  // "start"
    Guard([this](const QString& m) { showMessage(m); }, [this] { delete_->Apply(true, true); });
  }
  BT_GetClick();
}

void TGuestVlanForm::FormClose() {
  // The name binding reads asynchronously and may still be out: it is released with the others.
  Release(edit_);
  Release(delete_);
  Release(name_);
  edit_ = name_ = delete_ = nullptr;
}
