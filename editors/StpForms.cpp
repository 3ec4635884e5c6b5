#include "editors/StpForms.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "mvsnmp/MvDeviceParams.h"
#include "mvsnmp/MvError.h"
#include "bind/MvSNMPRequest2Edits.h"

namespace {

QLineEdit* makeEdit(QWidget* parent, const char* name) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QLatin1String(name));
  return edit;
}

QComboBox* makeCombo(QWidget* parent, const char* name) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QLatin1String(name));
  return combo;
}

struct LabelledField {
  const char* label;
  QWidget* field;
};

// Label and field pairs, `perLine` pairs to a line.
QGridLayout* labelledGrid(QWidget* parent, std::initializer_list<LabelledField> rows, int perLine) {
  auto* grid = new QGridLayout;
  int i = 0;
  for (const LabelledField& row : rows) {
    grid->addWidget(new QLabel(QString::fromLatin1(row.label), parent), i / perLine, (i % perLine) * 2);
    grid->addWidget(row.field, i / perLine, (i % perLine) * 2 + 1);
    ++i;
  }
  return grid;
}

QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (QPushButton* b : buttons) row->addWidget(b);
  return row;
}

}  // namespace

// ---- bridge ----

TSTP_Info::TSTP_Info(QWidget* owner) : TDedicatedForm(owner, QStringLiteral("Spanning Tree Information")) {
  setObjectName(QStringLiteral("STP_Info"));
  resize(390, 236);
  version_ = makeCombo(this, "Combo_STPVersion");
  const char* names[] = {"ET_Priority", "ET_AgingTime", "ET_HelloTime", "ET_ForwardDelay", "ED_TxHoldCount"};
  for (int i = 0; i < 5; ++i) edits_[i] = makeEdit(this, names[i]);
  getBtn_ = FormParts::MakeButton(this, "BT_Get", QStringLiteral("Refresh"));
  setBtn_ = FormParts::MakeButton(this, "BT_Set", QStringLiteral("Set"));
  QStatusBar* bar = FormParts::MakeStatusBar(this, &panel_);

  QGridLayout* fields = labelledGrid(this,
                                     {{"STP Version", version_},
                                      {"Priority (0-61440)", edits_[0]},
                                      {"Max Age (600-4000)", edits_[1]},
                                      {"Hello Time(100-1000)", edits_[2]},
                                      {"Forward Delay(400-3000)", edits_[3]},
                                      {"TX Hold Count (1-10)", edits_[4]}},
                                     1);
  auto* body = new QVBoxLayout(this);
  body->addLayout(fields);
  body->addWidget(new QLabel(QStringLiteral("Max Age>= 2*(Hello Time + 100)"), this));
  body->addWidget(new QLabel(QStringLiteral("Notes : 2*(Forward Delay - 100) >= Max Age"), this));
  body->addLayout(buttonRow({getBtn_, setBtn_}));
  body->addWidget(bar);
  connect(getBtn_, &QPushButton::clicked, this, &TSTP_Info::BT_GetClick);
  connect(setBtn_, &QPushButton::clicked, this, &TSTP_Info::BT_SetClick);
  FormCreate();
}

void TSTP_Info::FormCreate() {
  setWindowTitle(QStringLiteral("Spanning Tree Control : ") + DeviceTarget.address);
  binding_ = AddBinding("StpBridgeList");
  Guard(binding_, [this] {
    binding_->SetTimeout(RequestTimeout);
    binding_->BindComboBox(Version, version_);
    const char* formats[] = {"%i{n0x61440l5a}", "%i{n600x4000l4a}", "%i{n100x1000l4a}", "%i{n400x3000l4a}",
                             "%i{n1x10l2a}"};
    for (int i = 0; i < 5; ++i) binding_->BindEdits(Priority + i, QString::fromLatin1(formats[i]), {edits_[i]});
    binding_->SetStatusTarget(panel_);
    binding_->Refresh();
  });
}

void TSTP_Info::BT_GetClick() {
  Guard(binding_, [this] { binding_->Refresh(); });
}

void TSTP_Info::BT_SetClick() {
  for (Item i : {Priority, MaxAge, HelloTime, ForwardDelay})
    if (Edit(i)->text().isEmpty()) return panel_->setText(QStringLiteral("Don't Leave Empty Fileds !"));
  Guard(binding_, [this] {
    const auto number = [this](Item i) {
      bool ok = false;
      const int n = Edit(i)->text().toInt(&ok);
      if (!ok) raiseError(MvCode::BadSyntax);
      return n;
    };
    const int p = number(Priority), m = number(MaxAge), h = number(HelloTime), f = number(ForwardDelay);
    // IEEE 802.1D: 2 x (Forward Delay - 1 s) >= Max Age >= 2 x (Hello Time + 1 s), in hundredths.
    if (2 * f - 200 < m || m < 2 * h + 200) return panel_->setText(QStringLiteral("Data Error !"));
    if (p >= 65536) return panel_->setText(QStringLiteral("Priority value is wrong!"));
    binding_->Apply(true, true);
  });
}

// ---- ports ----

int TSTP_Port::LastStpPortRow = -1;

TSTP_Port::TSTP_Port(QWidget* owner) : TDedicatedForm(owner, QStringLiteral("STP Port Table")) {
  setObjectName(QStringLiteral("STP_Port"));
  resize(640, 480);
  list_ = FormParts::MakeListView(this, "LV_STP_Port");
  priority_ = makeEdit(this, "ET_Priority");
  pathCost_ = makeEdit(this, "ET_PathCost");
  state_ = makeCombo(this, "Combo_Status");
  migration_ = makeCombo(this, "Combo_Migration");
  edge_ = makeCombo(this, "Combo_Edge");
  p2p_ = makeCombo(this, "Combo_P2P");
  getBtn_ = FormParts::MakeButton(this, "BT_Get", QStringLiteral("Refresh"));
  setBtn_ = FormParts::MakeButton(this, "BT_Set", QStringLiteral("Set"));
  QStatusBar* bar = FormParts::MakeStatusBar(this, &panel_);

  QGridLayout* fields = labelledGrid(this,
                                     {{"Priority (0-255)", priority_},
                                      {"State", state_},
                                      {"Path Cost (1-200000000)", pathCost_},
                                      {"Migration", migration_},
                                      {"Edge", edge_},
                                      {"P2P", p2p_}},
                                     2);
  auto* body = new QVBoxLayout(this);
  body->addWidget(list_, 1);
  body->addLayout(fields);
  body->addLayout(buttonRow({getBtn_, setBtn_}));
  body->addWidget(bar);
  connect(getBtn_, &QPushButton::clicked, this, &TSTP_Port::BT_GetClick);
  connect(setBtn_, &QPushButton::clicked, this, &TSTP_Port::BT_SetClick);
  connect(list_, &QTreeWidget::itemSelectionChanged, this, &TSTP_Port::LV_STP_PortClick);
  FormCreate();
}

void TSTP_Port::FormCreate() {
  setWindowTitle(QStringLiteral("STP Port Table :") + DeviceTarget.address);
  binding_ = AddBinding("StpPortList");
  Guard(binding_, [this] {
    binding_->SetAsynchronous(false);
    binding_->BindListView(list_, true);
    binding_->BindEdits(1, QStringLiteral("%i{n0x255l3a}"), {priority_});
    binding_->BindComboBox(3, state_);
    binding_->BindComboBox(4, migration_);
    binding_->BindComboBox(5, edge_);
    binding_->BindComboBox(6, p2p_);
    binding_->BindEdits(7, QStringLiteral("%i{n1x200000000}"), {pathCost_});
    binding_->SetStatusTarget(panel_);
    binding_->Refresh();
  });
  setBtn_->setEnabled(false);
}

void TSTP_Port::BT_GetClick() {
  Guard(binding_, [this] {
    binding_->Refresh();
    setBtn_->setEnabled(false);
    priority_->clear();
    pathCost_->clear();
  });
}

void TSTP_Port::LV_STP_PortClick() {
  QTreeWidgetItem* row = list_->selectedItems().value(0);
  if (row) LastStpPortRow = list_->indexOfTopLevelItem(row);
  setBtn_->setEnabled(row != nullptr);
}

void TSTP_Port::BT_SetClick() {
  if (priority_->text().isEmpty()) return panel_->setText(QStringLiteral("Please Input Value!"));
  QTreeWidgetItem* edited = list_->topLevelItem(LastStpPortRow);
  const QString port = edited ? edited->text(0) : QString();
  Guard(binding_, [this, &port] {
    // Priority, state, migration, edge, point-to-point and path cost of the selected port; the
    // table is read again afterwards, and the port stays selected with the values it now has.
    binding_->Apply(true, true);
    if (!FormParts::SelectRowWithText(list_, 0, port)) setBtn_->setEnabled(false);
  });
}
