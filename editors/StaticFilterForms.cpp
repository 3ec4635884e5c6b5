#include "editors/StaticFilterForms.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
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

namespace {

// Status combo entries (1 other, 2 invalid, 3 permanent, 4 deleteOnReset, 5 deleteOnTimeout).
constexpr int kInvalidEntry = 1;
constexpr int kPermanentEntry = 2;

}  // namespace

// ---- shared ----

TStaticFilterForm::TStaticFilterForm(QWidget* owner, const QString& caption, const Names& names)
    : TDedicatedForm(owner, caption), listName_(names.list), macLabel_(names.macLabel) {
  resize(720, 560);
  list_ = FormParts::MakeListView(this, names.listView);
  vid_ = new QLineEdit(this);
  vid_->setObjectName(QLatin1String(names.vid));
  mac_ = new QLineEdit(this);
  mac_->setObjectName(QLatin1String(names.mac));
  status_ = new QComboBox(this);
  status_->setObjectName(QLatin1String(names.status));
  count_ = FormParts::MakeStaticText(this, "ST_Count");
  memo_ = FormParts::MakeMemo(this);
  refreshBtn_ = FormParts::MakeButton(this, "RefreshBtn", QStringLiteral("Refresh"));
}

void TStaticFilterForm::layOut(QWidget* gridHolder, const QList<QPushButton*>& buttons, bool countLabel) {
  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("VID"), vid_);
  fields->addRow(QString::fromLatin1(macLabel_), mac_);
  fields->addRow(QStringLiteral("Status"), status_);
  FormParts::LayOutListEditor(this, list_, fields, gridHolder, buttons, count_, memo_, countLabel);
}

bool TStaticFilterForm::bindAndRefresh(QWidget* gridParent) {
  grid_ = PortGrid::AddTo(gridParent);
  binding_ = AddBinding(listName_);
  return Guard(binding_, [this] {
    binding_->BindListView(list_, true);
    binding_->BindEdits(VlanKey, QStringLiteral("%i{n1x4094}"), {vid_});
    binding_->BindEdits(MacKey, QStringLiteral("%h"), {mac_});
    binding_->BindBits(PortList, PortGrid::BitList(), grid_->PortCheckBoxes());
    binding_->BindComboBox(RowStatus, status_);
    binding_->SetStatusTarget(memo_);
    OnRowsChanged(list_, [this] { showCount(); });
    binding_->Refresh();
    showCount();
  });
}

void TStaticFilterForm::exclude(int item) { binding_->SetExcluded(item, true); }
void TStaticFilterForm::include(int item) { binding_->SetExcluded(item, false); }
void TStaticFilterForm::showCount() { FormParts::ShowRowCount(count_, list_); }
void TStaticFilterForm::appendLine(const QString& message) { memo_->appendPlainText(message); }

bool TStaticFilterForm::checkKeys() {
  return FormParts::CheckFields(this, {{vid_, QStringLiteral("VID"), MvKeyRule::number(Syntax::Guage, 1, 4094)},
                      {mac_, QString::fromLatin1(macLabel_).simplified(), MvKeyRule::of(Syntax::MacAddress)}});
}

void TStaticFilterForm::written() {
  clearEditor();
  refreshThen([this] { showCount(); });
}

void TStaticFilterForm::refreshThen(std::function<void()> then) {
  Guard([this](const QString& m) { appendLine(m); }, [&] {
    RefreshThen(binding_, [then = std::move(then)](const MvSNMPError&) { then(); });
  });
}

// ---- unicast ----

TUnicastFilterInformationForm::TUnicastFilterInformationForm(QWidget* owner)
    : TStaticFilterForm(owner, QStringLiteral("Unicast Filter Information"),
                        {"UnicastFilterList", "LV_dot1qStaticUnicastEntry", "ED_UnicastVID", "UnicastAddress",
                         "MAC  Address", "UStatus"}) {
  setObjectName(QStringLiteral("UnicastFilterInformationForm"));
  setBtn_ = FormParts::MakeButton(this, "SetBtn", QStringLiteral("Add"));
  deleteBtn_ = FormParts::MakeButton(this, "DeleteBtn", QStringLiteral("Delete"));
  auto* box = new QGroupBox(QStringLiteral("Allow To Go To Port"), this);
  box->setObjectName(QStringLiteral("GroupBox1"));
  layOut(box, {refreshBtn_, setBtn_, deleteBtn_}, false);
  connect(refreshBtn_, &QPushButton::clicked, this, &TUnicastFilterInformationForm::RefreshBtnClick);
  connect(setBtn_, &QPushButton::clicked, this, &TUnicastFilterInformationForm::SetBtnClick);
  connect(deleteBtn_, &QPushButton::clicked, this, &TUnicastFilterInformationForm::DeleteBtnClick);
  connect(list_, &QTreeWidget::itemSelectionChanged, this, &TUnicastFilterInformationForm::LV_dot1qStaticUnicastEntryClick);
  bindAndRefresh(box);
  FormCreate();
}

void TUnicastFilterInformationForm::FormCreate() { deleteBtn_->setEnabled(false); }

void TUnicastFilterInformationForm::clearEditor() {
  PortGrid::UncheckAll(grid_);
  for (QLineEdit* edit : {vid_, mac_}) {
    edit->clear();
    edit->setEnabled(true);
    edit->setReadOnly(false);
  }
  setBtn_->setEnabled(true);
  deleteBtn_->setEnabled(false);
  showCount();
}

void TUnicastFilterInformationForm::RefreshBtnClick() {
  Guard(binding_, [this] {
    binding_->Refresh();
    clearEditor();
  });
}

void TUnicastFilterInformationForm::SetBtnClick() {
  int ticked = 0;
  for (const QCheckBox* box : grid_->PortCheckBoxes()) ticked += box->isChecked() ? 1 : 0;
  if (ticked > 1) return UserNotice::information(this, QStringLiteral("Allow To Go To Port just for one Port."));
  if (vid_->text().isEmpty() || mac_->text().isEmpty())
    return UserNotice::warning(this, QStringLiteral("Please fill the empty."));
  if (status_->currentText() != u"permanent")
    return UserNotice::warning(this, QStringLiteral("Status must be Permanent."));
  if (binding_->Busy()) return UserNotice::information(this, QStringLiteral("Get data not complete"));
  if (!checkKeys()) return;
  status_->setCurrentIndex(kPermanentEntry);
  // The editor is emptied once the agent has created the row; a refused row leaves the user's
  // input as it was, with the agent's error in the memo.
  Guard([this](const QString& m) { appendLine(m); }, [this] {
    ApplyThen(binding_, true, [this](const MvSNMPError& error) {
      if (error.ok()) written();
      else showCount();
    });
  });
}

void TUnicastFilterInformationForm::DeleteBtnClick() {
  if (vid_->text().isEmpty() || mac_->text().isEmpty())
    return UserNotice::warning(this, QStringLiteral("Please select which entry you want to delete."));
  if (!checkKeys() || !FormParts::ConfirmDelete(this)) return;
  const int shown = status_->currentIndex();
  exclude(PortList);
  status_->setCurrentIndex(kInvalidEntry);
  // The table is read again once the agent has removed the row (a refused delete shows its
  // status line and keeps the selection).
  Guard(binding_, [this] {
    ApplyThen(binding_, true, [this](const MvSNMPError& error) {
      if (error.ok()) written();
    });
  });
  include(PortList);
  status_->setCurrentIndex(shown);
}

void TUnicastFilterInformationForm::LV_dot1qStaticUnicastEntryClick() {
  const QList<QTreeWidgetItem*> rows = list_->selectedItems();
  if (rows.isEmpty()) {
    clearEditor();
    deleteBtn_->setEnabled(false);
    return;
  }
  // A selected row's key cannot be changed: the edits show it read-only.
  vid_->setText(rows.first()->text(0));
  mac_->setText(rows.first()->text(1));
  deleteBtn_->setEnabled(true);
  vid_->setReadOnly(true);
  mac_->setReadOnly(true);
}

void TUnicastFilterInformationForm::LV_dot1qStaticUnicastEntryChange() { showCount(); }

// ---- multicast ----

TMulticastFilterInformationForm::TMulticastFilterInformationForm(QWidget* owner)
    : TStaticFilterForm(owner, QStringLiteral("Multicast Filter Information"),
                        {"MulticastFilterList", "LV_dot1qStaticMulticastEntry", "ED_MulticastVID", "ED_MACAddress",
                         "MAC Address", "Status"}) {
  setObjectName(QStringLiteral("MulticastFilterInformationForm"));
  setBtn_ = FormParts::MakeButton(this, "SetBtn", QStringLiteral("Set"));
  addBtn_ = FormParts::MakeButton(this, "AddBtn", QStringLiteral("Add"));
  deleteBtn_ = FormParts::MakeButton(this, "btnDelete", QStringLiteral("Delete"));
  auto* pages = new QTabWidget(this);
  pages->setObjectName(QStringLiteral("PageControl1"));
  QWidget* box = FormParts::AddGridSheet(pages, "TabSheet1", QStringLiteral("Egress Ports"), "ScrollBox1");
  // The forbidden egress ports are not edited here: the sheet exists, its tab is hidden.
  auto* forbidden = new QWidget;
  forbidden->setObjectName(QStringLiteral("TabSheet2"));
  pages->setTabVisible(pages->addTab(forbidden, QStringLiteral("Forbidden Ports")), false);
  layOut(pages, {refreshBtn_, setBtn_, addBtn_, deleteBtn_}, true);
  connect(refreshBtn_, &QPushButton::clicked, this, &TMulticastFilterInformationForm::RefreshBtnClick);
  connect(setBtn_, &QPushButton::clicked, this, &TMulticastFilterInformationForm::SetBtnClick);
  connect(addBtn_, &QPushButton::clicked, this, &TMulticastFilterInformationForm::AddBtnClick);
  connect(deleteBtn_, &QPushButton::clicked, this, &TMulticastFilterInformationForm::btnDeleteClick);
  connect(list_, &QTreeWidget::itemSelectionChanged, this,
          &TMulticastFilterInformationForm::LV_dot1qStaticMulticastEntryClick);
  bindAndRefresh(box);
  FormCreate();
}

void TMulticastFilterInformationForm::FormCreate() {
  setBtn_->setEnabled(false);
  deleteBtn_->setEnabled(false);
}

void TMulticastFilterInformationForm::clearEditor() {
  PortGrid::UncheckAll(grid_);
  setBtn_->setEnabled(false);
  deleteBtn_->setEnabled(false);
  vid_->clear();
  mac_->clear();
  status_->setCurrentIndex(-1);
}

void TMulticastFilterInformationForm::RefreshBtnClick() {
  Guard(binding_, [this] {
    binding_->Refresh();
    clearEditor();
    showCount();
  });
}

void TMulticastFilterInformationForm::AddBtnClick() {
  if (vid_->text().isEmpty() || mac_->text().isEmpty()) return UserNotice::information(this, QStringLiteral("Some Edit is empty!"));
  if (!checkKeys()) return;
  status_->setCurrentIndex(kPermanentEntry);
  // The row is created first, with its status alone; its egress ports follow in a second request
  // only once the agent has created it. Both take the values the form shows now.
  Guard(binding_, [this] {
    binding_->CollectValues();
    exclude(PortList);
    try {
      ApplyThen(binding_, false, [this](const MvSNMPError& e) { sendEgress(e); });
    } catch (...) {
      include(PortList);
      throw;
    }
    include(PortList);
    showCount();
  });
}

void TMulticastFilterInformationForm::sendEgress(const MvSNMPError& creation) {
  // A row the agent did not create gets nothing more; its error is in the memo, the input stays.
  if (!creation.ok()) return showCount();
  exclude(RowStatus);
  Guard(binding_, [this] {
    ApplyThen(binding_, false, [this](const MvSNMPError& error) {
      if (error.ok()) written();
      else showCount();
    });
  });
  include(RowStatus);
}

void TMulticastFilterInformationForm::SetBtnClick() {
  if (binding_->Busy()) return UserNotice::information(this, QStringLiteral("Get data not complete"));
  if (!checkKeys()) return;
  Guard(binding_, [this] {
    ApplyThen(binding_, true, [this](const MvSNMPError& error) {
      if (error.ok()) written();
      else showCount();
    });
    showCount();
  });
}

void TMulticastFilterInformationForm::btnDeleteClick() {
  if (!FormParts::ConfirmDelete(this)) return;
  status_->setCurrentIndex(kInvalidEntry);
  exclude(PortList);
  // The table is read again once the agent has answered, or at once when nothing went out.
  bool sent = false;
  Guard(binding_, [this, &sent] {
    sent = ApplyThen(binding_, true, [this](const MvSNMPError&) { RefreshBtnClick(); });
  });
  include(PortList);
  if (!sent) RefreshBtnClick();
}

void TMulticastFilterInformationForm::LV_dot1qStaticMulticastEntryClick() {
  const bool selected = !list_->selectedItems().isEmpty();
  setBtn_->setEnabled(selected);
  deleteBtn_->setEnabled(selected);
  if (!selected) clearEditor();
}

void TMulticastFilterInformationForm::LV_dot1qStaticMulticastEntryChange() { showCount(); }
