#include "editors/HostTableForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "mvsnmp/MvError.h"
#include "bind/MvSNMPRequest2Edits.h"
#include "editors/TrustHostAddress.h"
#include "widgets/UserNotice.h"

namespace {

// Row status entries: 0 active, 1 createAndGo, 2 destroy.
constexpr int kCreateAndGo = 1;
constexpr int kDestroy = 2;

}  // namespace

THostTableForm::THostTableForm(QWidget* owner) : TDedicatedForm(owner, QStringLiteral("Host Table")) {
  setObjectName(QStringLiteral("HostTableForm"));
  resize(680, 420);
  list_ = FormParts::MakeListView(this, "ListView1");
  memo_ = FormParts::MakeMemo(this);
  count_ = FormParts::MakeStaticText(this, "StaticText1");
  getBtn_ = FormParts::MakeButton(this, "GetButton", QStringLiteral("Refresh"));
  addBtn_ = FormParts::MakeButton(this, "AddButton", QStringLiteral("Add"));
  deleteBtn_ = FormParts::MakeButton(this, "DeleteButton", QStringLiteral("Delete"));
  closeBtn_ = FormParts::MakeButton(this, "CloseButton", QStringLiteral("Close"));
  FormParts::LayOutListEditor(this, list_, nullptr, nullptr, {getBtn_, addBtn_, deleteBtn_, closeBtn_}, count_, memo_);
  connect(getBtn_, &QPushButton::clicked, this, &THostTableForm::GetButtonClick);
  connect(addBtn_, &QPushButton::clicked, this, &THostTableForm::AddButtonClick);
  connect(deleteBtn_, &QPushButton::clicked, this, &THostTableForm::DeleteButtonClick);
  connect(closeBtn_, &QPushButton::clicked, this, &QDialog::reject);
  connect(list_, &QTreeWidget::itemSelectionChanged, this, &THostTableForm::ListView1SelectItem);
  FormCreate();
}

THostTableForm::~THostTableForm() { ReleaseAll(); }

void THostTableForm::AppendLine(const QString& message) { memo_->appendPlainText(message); }

void THostTableForm::FormCreate() {
  count_->setText(QStringLiteral("0"));
  Guard([this](const QString& m) { AppendLine(m); }, [this] {
    edit_ = new THostTableEditForm(this);
    binding_ = AddBinding("TrustHostList");
    binding_->BindListView(list_, true);
    binding_->BindEdits(Index, QStringLiteral("%i{n1x10l2}"), {edit_->IndexEdit()});
    binding_->BindEdits(Address, QStringLiteral("%s{l16}"), {edit_->IpEdit()});
    binding_->BindComboBox(RowStatus, edit_->StatusComboBox());
    binding_->BindEdits(Mask, QStringLiteral("%s{l16}"), {edit_->SubnetEdit()});
    binding_->SetStatusTarget(memo_);
    OnRowsChanged(list_, [this] { ListView1Change(); });
    binding_->Refresh();
  });
  deleteBtn_->setEnabled(false);
}

void THostTableForm::GetButtonClick() {
  if (!binding_ || binding_->Busy()) return;
  Guard([this](const QString& m) { AppendLine(m); }, [this] { binding_->Refresh(); });
  deleteBtn_->setEnabled(false);
}

void THostTableForm::ListView1SelectItem() { deleteBtn_->setEnabled(!list_->selectedItems().isEmpty()); }

void THostTableForm::ListView1Change() { FormParts::ShowRowCount(count_, list_); }

void THostTableForm::AddButtonClick() {
  Guard([this](const QString& m) { AppendLine(m); }, [this] {
    edit_->setWindowTitle(windowTitle() + QStringLiteral(" (Add)"));
    UserNotice::runModal(*edit_);
  });
  list_->clearSelection();
  deleteBtn_->setEnabled(false);
}

void THostTableForm::DeleteButtonClick() {
  if (list_->selectedItems().isEmpty()) return UserNotice::information(this, QStringLiteral("Choose the item first."));
  if (binding_->Busy()) return UserNotice::information(this, QStringLiteral("Get data not complete"));
  if (!FormParts::ConfirmDelete(this)) return;
  edit_->StatusComboBox()->setCurrentIndex(kDestroy);
  for (int item : {Address, Mask}) binding_->SetExcluded(item, true);
  // Only the row status travels; the table is read again once the agent has answered, and a
  // refused delete shows its status line.
  Guard(binding_, [this] {
    ApplyThen(binding_, true, [this](const MvSNMPError&) {
      Guard([this](const QString& m) { AppendLine(m); }, [this] { binding_->Refresh(); });
    });
  });
  for (int item : {Address, Mask}) binding_->SetExcluded(item, false);
  list_->clearSelection();
  deleteBtn_->setEnabled(false);
  if (list_->topLevelItemCount() == 0) count_->setText(QStringLiteral("0"));
}

void THostTableForm::FormClose() {
  // The binding goes before the add dialog whose controls it fills.
  Release(binding_);
  binding_ = nullptr;
  delete edit_;
  edit_ = nullptr;
}

// ---- the add dialog ----

THostTableEditForm::THostTableEditForm(THostTableForm* table) : QDialog(table), table_(table) {
  setObjectName(QStringLiteral("HostTableEditForm"));
  setWindowTitle(QStringLiteral("Host Table Edit"));
  resize(500, 400);
  const auto edit = [this](const char* name) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QLatin1String(name));
    return e;
  };
  const auto check = [this](const char* name) {
    auto* c = new QCheckBox(this);
    c->setObjectName(QLatin1String(name));
    return c;
  };
  indexEdit_ = edit("IndexEdit");
  ipEdit_ = edit("IpEdit");
  subnetEdit_ = edit("IPSubnetEdit");
  status_ = new QComboBox(this);
  status_->setObjectName(QStringLiteral("StatusComboBox"));
  status_->setEnabled(false);
  indexBox_ = check("IndexCBox");
  indexBox_->setChecked(true);
  ipBox_ = check("IPCBox");
  subnetBox_ = check("IPnetCBox");
  statusBox_ = check("StatusCBox");
  statusBox_->setChecked(true);
  statusBox_->setEnabled(false);

  auto* rows = new QGridLayout;
  const struct {
    QCheckBox* box;
    const char* label;
    QWidget* field;
  } lines[] = {{indexBox_, "Trust Host Index", indexEdit_},
               {ipBox_, "Trust Host IP Address", ipEdit_},
               {subnetBox_, "Trust Host IP Subnet Mask", subnetEdit_},
               {statusBox_, "Trust Host Status", status_}};
  int row = 0;
  for (const auto& l : lines) {
    rows->addWidget(l.box, row, 0);
    rows->addWidget(new QLabel(QString::fromLatin1(l.label), this), row, 1);
    rows->addWidget(l.field, row, 2);
    ++row;
  }
  rows->setColumnStretch(2, 1);
  setBtn_ = FormParts::MakeButton(this, "SetButton", QStringLiteral("Set Checked"));
  QPushButton* checkAll = FormParts::MakeButton(this, "CheckAllButton", QStringLiteral("CheckAll"));
  QPushButton* clear = FormParts::MakeButton(this, "ClearButton", QStringLiteral("Clear Checked"));
  QPushButton* close = FormParts::MakeButton(this, "CloseButton", QStringLiteral("Close"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* b : {setBtn_, checkAll, clear, close}) buttons->addWidget(b);
  auto* body = new QVBoxLayout(this);
  body->addLayout(rows);
  body->addStretch();
  body->addLayout(buttons);

  connect(setBtn_, &QPushButton::clicked, this, &THostTableEditForm::SetButtonClick);
  // Typing in a row ticks it, as in every editor: a typed mask is a mask to send.
  connect(ipEdit_, &QLineEdit::textEdited, ipBox_, [this] { ipBox_->setChecked(true); });
  connect(subnetEdit_, &QLineEdit::textEdited, subnetBox_, [this] { subnetBox_->setChecked(true); });
  connect(checkAll, &QPushButton::clicked, this, [this] {
    ipBox_->setChecked(true);
    subnetBox_->setChecked(true);
  });
  connect(clear, &QPushButton::clicked, this, [this] {
    ipBox_->setChecked(false);
    subnetBox_->setChecked(false);
  });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void THostTableEditForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormActivate();
}

void THostTableEditForm::FormActivate() {
  // Every opening starts from an empty entry, whatever row was selected.
  ipEdit_->setEnabled(true);
  indexBox_->show();
  ipBox_->show();
  statusBox_->setChecked(true);
  subnetBox_->setChecked(false);
  subnetBox_->show();
  status_->setEnabled(false);
  status_->setCurrentIndex(kCreateAndGo);
  ipEdit_->clear();
  indexEdit_->clear();
  subnetEdit_->clear();
}

bool THostTableEditForm::refuse(const QString& message, QLineEdit* edit) {
  UserNotice::information(this, message);
  if (edit->isEnabled()) edit->setFocus();
  return false;
}

void THostTableEditForm::SetButtonClick() {
  MvSNMPRequest2Edits* binding = table_->Binding();
  if (!binding || binding->Busy()) return;
  if (ipBox_->isChecked()) {
    const QString ip = ipEdit_->text();
    if (ip.isEmpty()) return void(refuse(QStringLiteral("IP Address can't be empty"), ipEdit_));
    if (const QString e = TrustHostAddress::plausibilityError(ip); !e.isEmpty()) return void(refuse(e, ipEdit_));
    if (const QString e = TrustHostAddress::syntaxError(ip); !e.isEmpty()) return void(refuse(e, ipEdit_));
  }
  if (subnetBox_->isChecked() && subnetEdit_->text().isEmpty())
    return void(refuse(QStringLiteral("you have choosed the Trust Host IP Subnet Mask,it can't be empty"), subnetEdit_));
  // The index and the address always travel (the address whether or not its box is ticked), the
  // mask when ticked: each is read strictly, so that nothing the user did not mean is sent.
  std::vector<FormParts::TypedField> fields{
      {indexEdit_, QStringLiteral("Trust Host Index"), MvKeyRule::number(Syntax::Integer, 1, THostTableForm::MaxIndex)},
      {ipEdit_, QStringLiteral("Trust Host IP Address"), MvKeyRule::of(Syntax::IpAddress)}};
  if (subnetBox_->isChecked())
    fields.push_back({subnetEdit_, QStringLiteral("Trust Host IP Subnet Mask"), MvKeyRule::of(Syntax::IpAddress)});
  if (!FormParts::CheckFields(this, fields)) return;
  binding->SetExcluded(THostTableForm::Mask, !subnetBox_->isChecked());
  status_->setCurrentIndex(kCreateAndGo);
  // Address, createAndGo and (when ticked) the mask for the typed index. The dialog waits for the
  // agent's answer: taken, the table is read again and the dialog closes; refused, the dialog
  // stays open with the user's input and says why.
  bool raised = false;
  const QString failure = table_->ApplyAndWait(binding, &raised);
  binding->SetExcluded(THostTableForm::Mask, false);
  if (!failure.isEmpty()) {
    if (raised) table_->AppendLine(failure);  // the binding showed an agent's error itself
    UserNotice::warning(this, failure);
    return;
  }
  TDedicatedForm::Guard([this](const QString& m) { table_->AppendLine(m); }, [binding] { binding->Refresh(); });
  accept();
}
