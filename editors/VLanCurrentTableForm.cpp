#include "editors/VLanCurrentTableForm.h"

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

TVLanCurrentTableForm::TVLanCurrentTableForm(QWidget* owner)
    : TDedicatedForm(owner, QStringLiteral("VLAN Current Table")) {
  setObjectName(QStringLiteral("VLanCurrentTableForm"));
  resize(693, 566);

  list_ = FormParts::MakeListView(this, "LV_dot1qVlanCurrentEntry");
  numDeletes_ = FormParts::MakeStaticText(this, "VlanNumDeletes");
  vlanIndex_ = FormParts::MakeStaticText(this, "StaticText1");
  count_ = FormParts::MakeStaticText(this, "ST_Count2");
  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("VLAN Delete Numbers"), numDeletes_);
  fields->addRow(QStringLiteral("VLAN Index"), vlanIndex_);

  auto* pages = new QTabWidget(this);
  pages->setObjectName(QStringLiteral("PageControl1"));
  QWidget* boxes[2] = {
      FormParts::AddGridSheet(pages, "TabSheet1", QStringLiteral("Egress Port"), "ScrollBox1"),
      FormParts::AddGridSheet(pages, "TabSheet2", QStringLiteral("Untagged Port"), "ScrollBox2"),
  };

  refreshBtn_ = FormParts::MakeButton(this, "RefreshBtn", QStringLiteral("Refresh"));
  memo_ = FormParts::MakeMemo(this);
  FormParts::LayOutListEditor(this, list_, fields, pages, {refreshBtn_}, count_, memo_);

  connect(refreshBtn_, &QPushButton::clicked, this, &TVLanCurrentTableForm::RefreshBtnClick);
  connect(list_, &QTreeWidget::itemSelectionChanged, this, &TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryClick);
  for (int i = 0; i < 2; ++i) {
    grids_[i] = PortGrid::AddTo(boxes[i]);
    boxes[i]->setEnabled(false);  // the current VLANs are only shown: no box can be ticked
  }
  FormCreate();
}

void TVLanCurrentTableForm::FormCreate() {
  const QString bits = PortGrid::BitList();
  deletes_ = AddBinding("VlanNumDeletesList");
  Guard(deletes_, [&] {
    deletes_->BindControl(0, numDeletes_);
    deletes_->SetStatusTarget(memo_);
    deletes_->Refresh();
  });
  table_ = AddBinding("VlanCurrentList");
  Guard(table_, [&] {
    table_->BindListView(list_, true);
    table_->BindControl(1, vlanIndex_);
    table_->BindBits(3, bits, grids_[0]->PortCheckBoxes());
    table_->BindBits(4, bits, grids_[1]->PortCheckBoxes());
    table_->SetStatusTarget(memo_);
    OnRowsChanged(list_, [this] { LV_dot1qVlanCurrentEntryChange(); });
    table_->Refresh();
    FormParts::ShowRowCount(count_, list_);
  });
}

void TVLanCurrentTableForm::clearSelectionDisplay() {
  for (TPortUitForm* grid : grids_) PortGrid::UncheckAll(grid);
  vlanIndex_->clear();
}

void TVLanCurrentTableForm::RefreshBtnClick() {
  Guard(deletes_, [&] { deletes_->Refresh(); });
  Guard(table_, [&] {
    table_->Refresh();
    FormParts::ShowRowCount(count_, list_);
    clearSelectionDisplay();
  });
}

void TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryClick() {
  if (list_->selectedItems().isEmpty()) clearSelectionDisplay();
}

void TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryChange() { FormParts::ShowRowCount(count_, list_); }

void TVLanCurrentTableForm::FormClose() {
  Release(table_);
  Release(deletes_);
  table_ = deletes_ = nullptr;
}
