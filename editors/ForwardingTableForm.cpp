#include "editors/ForwardingTableForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "mvsnmp/MvDeviceParams.h"
#include "bind/MvSNMPRequest2Edits.h"

TForwarding_Table::TForwarding_Table(QWidget* owner) : TDedicatedForm(owner, QStringLiteral("Forwarding Table")) {
  setObjectName(QStringLiteral("Forwarding_Table"));
  resize(480, 520);
  list_ = FormParts::MakeListView(this, "LV_Forwarding");
  getBtn_ = FormParts::MakeButton(this, "BT_Get", QStringLiteral("Refresh"));
  QStatusBar* bar = FormParts::MakeStatusBar(this, &panel_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(getBtn_);
  auto* body = new QVBoxLayout(this);
  body->addWidget(list_, 1);
  body->addLayout(buttons);
  body->addWidget(bar);
  connect(getBtn_, &QPushButton::clicked, this, &TForwarding_Table::BT_GetClick);
  FormCreate();
}

void TForwarding_Table::FormCreate() {
  setWindowTitle(QStringLiteral(" Transparent Bridge Forwarding Table: ") + DeviceTarget.address);
  binding_ = AddBinding("ForwardingList");
  Guard(binding_, [this] {
    binding_->SetTimeout(RequestTimeout);
    binding_->BindListView(list_, true);
    binding_->SetStatusTarget(panel_);
    binding_->Refresh();
  });
}

void TForwarding_Table::BT_GetClick() {
  Guard(binding_, [this] { binding_->Refresh(); });
}
