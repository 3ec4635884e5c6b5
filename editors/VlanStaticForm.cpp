#include "VlanStaticForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "MvSNMPRequest2Edits.h"
#include "PortUitFormUnit.h"
#include "UserNotice.h"

TVlanStaticForm::TVlanStaticForm(QWidget* owner) : TDedicatedForm(owner, QStringLiteral("VLAN Static Form")) {
  setObjectName(QStringLiteral("VlanStaticForm"));
  resize(DesignedWidth, DesignedHeight);

  list_ = MakeListView(this, "LV_dot1qVlanStaticEntry");
  edVlanId_ = new QLineEdit(this);
  edVlanId_->setObjectName(QStringLiteral("ED_VLANID"));
  status_ = new QComboBox(this);
  status_->setObjectName(QStringLiteral("Status"));
  edVlanName_ = new QLineEdit(this);
  edVlanName_->setObjectName(QStringLiteral("ED_VLANName"));
  nextFree_ = MakeStaticText(this, "NextFreeLocalVlanIndex");
  count_ = MakeStaticText(this, "ST_Count2");

  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("VLAN ID"), edVlanId_);
  fields->addRow(QStringLiteral("Status"), status_);
  fields->addRow(QStringLiteral("VLAN Name"), edVlanName_);
  fields->addRow(QStringLiteral("Next Free Local VLAN Index"), nextFree_);

  auto* pages = new QTabWidget(this);
  pages->setObjectName(QStringLiteral("PageControl1"));
  QWidget* boxes[3] = {
      AddGridSheet(pages, "TSheetEgressPort", QStringLiteral("Egress ports"), "ScrollBox1"),
      AddGridSheet(pages, "TSheetFbdenEgrsP", QStringLiteral("Tagged Ports"), "ScrollBox2"),
      AddGridSheet(pages, "TabSheet3", QStringLiteral("Untagged Ports"), "ScrollBox3"),
  };

  refreshBtn_ = MakeButton(this, "RefreshBtn", QStringLiteral("Refresh"));
  setBtn_ = MakeButton(this, "SetBtn", QStringLiteral("Set"));
  addBtn_ = MakeButton(this, "AddBtn", QStringLiteral("Add"));
  deleteBtn_ = MakeButton(this, "DeleteBtn", QStringLiteral("Delete"));
  memo_ = MakeMemo(this);
  LayOutListEditor(list_, fields, pages, {refreshBtn_, setBtn_, addBtn_, deleteBtn_}, count_, memo_);

  connect(refreshBtn_, &QPushButton::clicked, this, &TVlanStaticForm::RefreshBtnClick);
  connect(setBtn_, &QPushButton::clicked, this, &TVlanStaticForm::SetBtnClick);
  connect(addBtn_, &QPushButton::clicked, this, &TVlanStaticForm::AddBtnClick);
  connect(deleteBtn_, &QPushButton::clicked, this, &TVlanStaticForm::DeleteBtnClick);
  connect(list_, &QTreeWidget::itemSelectionChanged, this, &TVlanStaticForm::LV_dot1qVlanStaticEntryClick);
  // Enter in the fields: Set for a selected VLAN, Add for a new one (whichever is enabled).
  SetEnterButtons({edVlanId_, status_, edVlanName_}, {setBtn_, addBtn_});

  for (int i = 0; i < 3; ++i) grids_[i] = AddPortGrid(boxes[i]);
  FormCreate();
}

void TVlanStaticForm::FormCreate() {
  const QString bits = PortBitList();
  table_ = AddBinding("VlanStaticList");
  Guard(table_, [&] {
    table_->BindListView(list_, true);
    table_->BindEdits(0, QStringLiteral("%s"), {edVlanId_});
    table_->BindEdits(1, QStringLiteral("%s"), {edVlanName_});
    for (int i = 0; i < 3; ++i) table_->BindBits(2 + i, bits, grids_[i]->PortCheckBoxes());
    table_->BindComboBox(5, status_);
    table_->SetStatusTarget(memo_);
    OnRowsChanged(list_, [this] { LV_dot1qVlanStaticEntryChange(); });
    table_->Refresh();
    ShowRowCount(count_, list_);
  });
  nextFreeBinding_ = AddBinding("VlanNextFreeList");
  Guard(nextFreeBinding_, [&] {
    nextFreeBinding_->BindControl(0, nextFree_);
    nextFreeBinding_->SetStatusTarget(memo_);
    nextFreeBinding_->Refresh();
  });
  idleButtons();
}

void TVlanStaticForm::clearEditor() {
  for (TPortUitForm* grid : grids_) UncheckAll(grid);
  edVlanId_->clear();
  edVlanName_->clear();
  status_->setCurrentIndex(-1);
}

void TVlanStaticForm::idleButtons() {
  setBtn_->setEnabled(false);
  deleteBtn_->setEnabled(false);
  addBtn_->setEnabled(true);
}

void TVlanStaticForm::RefreshBtnClick() {
  Guard(nextFreeBinding_, [&] { nextFreeBinding_->Refresh(); });
  Guard(table_, [&] {
    table_->Refresh();
    ShowRowCount(count_, list_);
    clearEditor();
  });
  ShowRowCount(count_, list_);
  idleButtons();
}

void TVlanStaticForm::applyAndClear() {
  Guard(table_, [&] {
    table_->Apply(true, true);
    clearEditor();
  });
}

void TVlanStaticForm::SetBtnClick() {
  applyAndClear();
  idleButtons();
}

void TVlanStaticForm::AddBtnClick() {
  if (edVlanId_->text().isEmpty() || edVlanName_->text().isEmpty()) {
    UserNotice::warning(this, QStringLiteral("Please fill the empty."));
    return;
  }
  status_->setCurrentIndex(1);  // "CreateAndGo"
  applyAndClear();
}

void TVlanStaticForm::DeleteBtnClick() {
  if (edVlanId_->text().isEmpty() || edVlanName_->text().isEmpty()) {
    UserNotice::warning(this, QStringLiteral("Please select which entry you want to delete."));
    return;
  }
  status_->setCurrentIndex(2);  // "Destroy"
  applyAndClear();
  idleButtons();
}

void TVlanStaticForm::LV_dot1qVlanStaticEntryClick() {
  if (!list_->selectedItems().isEmpty()) {
    setBtn_->setEnabled(true);
    deleteBtn_->setEnabled(true);
    addBtn_->setEnabled(false);
  } else {
    clearEditor();
    idleButtons();
  }
}

void TVlanStaticForm::LV_dot1qVlanStaticEntryChange() { ShowRowCount(count_, list_); }

void TVlanStaticForm::FormClose() {
  Release(table_);
  Release(nextFreeBinding_);
  table_ = nextFreeBinding_ = nullptr;
}
