#include "editors/VlanStaticForm.h"

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

#include "mvsnmp/MvError.h"
#include "bind/MvSNMPRequest2Edits.h"
#include "widgets/PortUitFormUnit.h"
#include "widgets/UserNotice.h"

TVlanStaticForm::TVlanStaticForm(QWidget* owner) : TDedicatedForm(owner, QStringLiteral("VLAN Static Form")) {
  setObjectName(QStringLiteral("VlanStaticForm"));
  resize(DesignedWidth, DesignedHeight);

  list_ = FormParts::MakeListView(this, "LV_dot1qVlanStaticEntry");
  edVlanId_ = new QLineEdit(this);
  edVlanId_->setObjectName(QStringLiteral("ED_VLANID"));
  status_ = new QComboBox(this);
  status_->setObjectName(QStringLiteral("Status"));
  edVlanName_ = new QLineEdit(this);
  edVlanName_->setObjectName(QStringLiteral("ED_VLANName"));
  nextFree_ = FormParts::MakeStaticText(this, "NextFreeLocalVlanIndex");
  count_ = FormParts::MakeStaticText(this, "ST_Count2");

  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("VLAN ID"), edVlanId_);
  fields->addRow(QStringLiteral("Status"), status_);
  fields->addRow(QStringLiteral("VLAN Name"), edVlanName_);
  fields->addRow(QStringLiteral("Next Free Local VLAN Index"), nextFree_);

  auto* pages = new QTabWidget(this);
  pages->setObjectName(QStringLiteral("PageControl1"));
  QWidget* boxes[3] = {
      FormParts::AddGridSheet(pages, "TSheetEgressPort", QStringLiteral("Egress ports"), "ScrollBox1"),
      FormParts::AddGridSheet(pages, "TSheetFbdenEgrsP", QStringLiteral("Tagged Ports"), "ScrollBox2"),
      FormParts::AddGridSheet(pages, "TabSheet3", QStringLiteral("Untagged Ports"), "ScrollBox3"),
  };

  refreshBtn_ = FormParts::MakeButton(this, "RefreshBtn", QStringLiteral("Refresh"));
  setBtn_ = FormParts::MakeButton(this, "SetBtn", QStringLiteral("Set"));
  addBtn_ = FormParts::MakeButton(this, "AddBtn", QStringLiteral("Add"));
  deleteBtn_ = FormParts::MakeButton(this, "DeleteBtn", QStringLiteral("Delete"));
  memo_ = FormParts::MakeMemo(this);
  FormParts::LayOutListEditor(this, list_, fields, pages, {refreshBtn_, setBtn_, addBtn_, deleteBtn_}, count_, memo_);

  connect(refreshBtn_, &QPushButton::clicked, this, &TVlanStaticForm::RefreshBtnClick);
  connect(setBtn_, &QPushButton::clicked, this, &TVlanStaticForm::SetBtnClick);
  connect(addBtn_, &QPushButton::clicked, this, &TVlanStaticForm::AddBtnClick);
  connect(deleteBtn_, &QPushButton::clicked, this, &TVlanStaticForm::DeleteBtnClick);
  connect(list_, &QTreeWidget::itemSelectionChanged, this, &TVlanStaticForm::LV_dot1qVlanStaticEntryClick);
  // Enter in the fields: Set for a selected VLAN, Add for a new one (whichever is enabled).
  SetEnterButtons({edVlanId_, status_, edVlanName_}, {setBtn_, addBtn_});

  for (int i = 0; i < 3; ++i) grids_[i] = PortGrid::AddTo(boxes[i]);
  for (int page = 0; page < 3; ++page) {
    const QList<QCheckBox*> boxesOfPage = grids_[page]->PortCheckBoxes();
    for (int k = 0; k < boxesOfPage.size(); ++k)
      connect(boxesOfPage.at(k), &QCheckBox::clicked, this, [this, page, k](bool on) { portClicked(page, k, on); });
  }
  FormCreate();
}

void TVlanStaticForm::FormCreate() {
  const QString bits = PortGrid::BitList();
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
    FormParts::ShowRowCount(count_, list_);
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
  for (TPortUitForm* grid : grids_) PortGrid::UncheckAll(grid);
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
    FormParts::ShowRowCount(count_, list_);
    clearEditor();
  });
  FormParts::ShowRowCount(count_, list_);
  idleButtons();
}

bool TVlanStaticForm::checkFields() {
  return FormParts::CheckFields(this, {{edVlanId_, QStringLiteral("VLAN ID"), MvKeyRule::number(Syntax::Guage, FirstVlan, LastVlan)},
                      {edVlanName_, QStringLiteral("VLAN Name"), MvKeyRule::text(0, MaxNameLength)}});
}

void TVlanStaticForm::apply(int status, std::function<void()> done, const QString& select) {
  const int shown = status_->currentIndex();
  status_->setCurrentIndex(status);
  Guard(table_, [&] {
    ApplyThen(table_, true, [this, done = std::move(done), select](const MvSNMPError& error) {
      if (!error.ok()) return;  // its status line is in the memo; the user's input stays
      done();
      Guard(table_, [&] {
        RefreshThen(table_, [this, select](const MvSNMPError&) {
          if (!select.isEmpty()) FormParts::SelectRowWithText(list_, 0, select);
          FormParts::ShowRowCount(count_, list_);
        });
      });
    });
  });
  // The request holds the status now; the list shows the row's own again.
  status_->setCurrentIndex(shown);
}

void TVlanStaticForm::SetBtnClick() {
  if (!checkFields()) return;
  // The edited row stays selected and shows what the device holds after the write.
  apply(status_->currentIndex(), [] {}, edVlanId_->text());
}

void TVlanStaticForm::AddBtnClick() {
  if (edVlanId_->text().isEmpty() || edVlanName_->text().isEmpty()) {
    UserNotice::warning(this, QStringLiteral("Please fill the empty."));
    return;
  }
  if (!checkFields()) return;
  apply(1 /* "CreateAndGo" */, [this] { clearEditor(); }, QString());
}

void TVlanStaticForm::DeleteBtnClick() {
  if (edVlanId_->text().isEmpty() || edVlanName_->text().isEmpty()) {
    UserNotice::warning(this, QStringLiteral("Please select which entry you want to delete."));
    return;
  }
  if (!checkFields() || !FormParts::ConfirmDelete(this)) return;
  apply(2 /* "Destroy" */, [this] {
    clearEditor();
    idleButtons();
  }, QString());
}

void TVlanStaticForm::portClicked(int page, int box, bool on) {
  const auto boxOf = [this, box](Page p) { return grids_[p]->PortCheckBoxes().at(box); };
  QCheckBox* egress = boxOf(Egress);
  QCheckBox* tagged = boxOf(Tagged);
  QCheckBox* untagged = boxOf(Untagged);
  switch (page) {
    case Egress:  // a member leaves both lists; a new member is tagged unless it is untagged
      if (!on) untagged->setChecked(false);
      tagged->setChecked(on && !untagged->isChecked());
      break;
    case Tagged:  // a tagged port is a member that is not untagged; unticked, it leaves the VLAN
      egress->setChecked(on);
      if (on) untagged->setChecked(false);
      break;
    case Untagged:  // an untagged port is a member; no longer untagged, it stays a tagged member
      if (on) egress->setChecked(true);
      tagged->setChecked(egress->isChecked() && !on);
      break;
  }
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

void TVlanStaticForm::LV_dot1qVlanStaticEntryChange() { FormParts::ShowRowCount(count_, list_); }

void TVlanStaticForm::FormClose() {
  Release(table_);
  Release(nextFreeBinding_);
  table_ = nextFreeBinding_ = nullptr;
}
