#include "editors/PortVlanForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "catalogue/Formoidunit.h"
#include "mvsnmp/MvError.h"
#include "mvsnmp/MvOptionList.h"
#include "bind/MvSNMPRequest2Edits.h"
#include "bind/MvSNMPRequest2RawValue.h"
#include "mvsnmp/MvValueConversion.h"
#include "widgets/PortUitFormUnit.h"
#include "widgets/UserNotice.h"

namespace Raw = MvSNMPRequest2RawValue;

namespace {

// Items of PortVlanList and VlanStaticList the form reads and writes.
enum PortItem { PortKey = 0, Pvid = 1, FrameTypes = 2, Filtering = 3 };
enum VlanItem { VlanId = 0, Egress = 2, Untagged = 4 };

// A port list: port p is bit p - 1 of the value (the high bit of its first octet is port 1).
bool hasPort(const QByteArray& list, int port) { return Raw::bit(list, static_cast<quint32>(port - 1)); }

QByteArray withPorts(QByteArray list, const std::vector<int>& ports) {
  for (int port : ports) Raw::setBit(list, static_cast<quint32>(port - 1), true);
  return list;
}

// The list view column that shows `item` of the binding's list; -1 when none does.
int columnOf(const MvSNMPRequest2Edits* binding, int item) {
  const auto& items = binding->ColumnItems();
  const auto it = std::find(items.begin(), items.end(), item);
  return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

QComboBox* optionCombo(QWidget* parent, const char* name, const MvOptionList& options) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QLatin1String(name));
  combo->addItems(options.labels());
  combo->setPlaceholderText(QStringLiteral("(unchanged)"));
  combo->setCurrentIndex(-1);
  return combo;
}

}  // namespace

TPortVlanForm::TPortVlanForm(QWidget* owner) : TDedicatedForm(owner, QStringLiteral("Port VLAN Settings")) {
  setObjectName(QStringLiteral("PortVlanForm"));
  resize(DesignedWidth, DesignedHeight);

  list_ = FormParts::MakeListView(this, "LV_dot1qPortVlanEntry");
  vlanList_ = FormParts::MakeListView(this, "LV_dot1qVlanStaticEntry");
  vlanList_->hide();
  edPvid_ = new QLineEdit(this);
  edPvid_->setObjectName(QStringLiteral("ED_PVID"));
  edPvid_->setPlaceholderText(QStringLiteral("(unchanged)"));
  frameTypes_ = optionCombo(this, "CB_AcceptableFrameTypes", *PortVlanList[FrameTypes].options);
  filtering_ = optionCombo(this, "CB_IngressFiltering", *PortVlanList[Filtering].options);
  count_ = FormParts::MakeStaticText(this, "ST_Count");

  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("PVID"), edPvid_);
  fields->addRow(QStringLiteral("Acceptable Frame Types"), frameTypes_);
  fields->addRow(QStringLiteral("Ingress Filtering"), filtering_);

  auto* box = new QGroupBox(QStringLiteral("Ports to set"), this);
  box->setObjectName(QStringLiteral("PortsBox"));
  auto* boxLayout = new QVBoxLayout(box);
  boxLayout->setContentsMargins(2, 2, 2, 2);
  auto* gridHolder = new QWidget(box);
  gridHolder->setObjectName(QStringLiteral("ScrollBox1"));
  boxLayout->addWidget(gridHolder);
  // Two rows of boxes: the list view above takes the height the grid does not need.
  box->setMaximumHeight(GridHeight);

  refreshBtn_ = FormParts::MakeButton(this, "RefreshBtn", QStringLiteral("Refresh"));
  setBtn_ = FormParts::MakeButton(this, "SetBtn", QStringLiteral("Set"));
  memo_ = FormParts::MakeMemo(this);
  FormParts::LayOutListEditor(this, list_, fields, box, {refreshBtn_, setBtn_}, count_, memo_);
  // The fields and one unit's grid need little height; the eighteen ports' rows get the rest.
  if (auto* body = qobject_cast<QGridLayout*>(layout())) body->setRowStretch(1, 0);
  grid_ = PortGrid::AddTo(gridHolder);
  grid_->FitToShownBoxes();

  connect(refreshBtn_, &QPushButton::clicked, this, &TPortVlanForm::RefreshBtnClick);
  connect(setBtn_, &QPushButton::clicked, this, &TPortVlanForm::SetBtnClick);
  // Choosing rows in the list ticks their ports.
  connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] {
    const QList<QTreeWidgetItem*> rows = list_->selectedItems();
    if (rows.isEmpty()) return;
    const int portColumn = columnOf(ports_, PortKey);
    PortGrid::UncheckAll(grid_);
    for (const QTreeWidgetItem* row : rows) {
      const int port = row->text(portColumn).toInt();
      if (port >= 1 && port <= grid_->PortCheckBoxes().size()) grid_->PortCheckBoxes().at(port - 1)->setChecked(true);
    }
  });
  FormCreate();
}

void TPortVlanForm::FormCreate() {
  ports_ = AddBinding("PortVlanList");
  Guard(ports_, [&] {
    ports_->BindListView(list_, false);
    ports_->SetStatusTarget(memo_);
    OnRowsChanged(list_, [this] { FormParts::ShowRowCount(count_, list_); });
    OnRefreshEnded(ports_, [this](const MvSNMPError&) { showMemberships(); });
    ports_->Refresh();
  });
  vlans_ = AddBinding("VlanStaticList");
  Guard(vlans_, [&] {
    vlans_->BindListView(vlanList_, false);
    vlans_->SetStatusTarget(memo_);
    OnRefreshEnded(vlans_, [this](const MvSNMPError&) { showMemberships(); });
    vlans_->Refresh();
  });
  writer_ = AddBinding("PortVlanList");
  Guard(writer_, [&] { writer_->SetStatusTarget(memo_); });
}

std::vector<int> TPortVlanForm::tickedPorts() const {
  std::vector<int> ports;
  const QList<QCheckBox*>& boxes = grid_->PortCheckBoxes();
  for (int k = 0; k < boxes.size(); ++k)
    if (k < PortGrid::VisiblePorts && boxes.at(k)->isChecked()) ports.push_back(k + 1);  // the boxes past them stand for no port
  return ports;
}

std::vector<TPortVlanForm::Vlan> TPortVlanForm::readVlans() const {
  std::vector<Vlan> out;
  const int id = columnOf(vlans_, VlanId), egress = columnOf(vlans_, Egress), untagged = columnOf(vlans_, Untagged);
  if (id < 0 || egress < 0 || untagged < 0) return out;
  for (int r = 0; r < vlanList_->topLevelItemCount(); ++r) {
    const QTreeWidgetItem* row = vlanList_->topLevelItem(r);
    out.push_back({row->text(id).toInt(), octetsOfHex(row->text(egress)), octetsOfHex(row->text(untagged))});
  }
  return out;
}

void TPortVlanForm::showMemberships() {
  const int portColumn = columnOf(ports_, PortKey);
  if (portColumn < 0 || list_->columnCount() < UntaggedColumn) return;
  if (list_->columnCount() < TaggedColumn + 1) {
    list_->setColumnCount(TaggedColumn + 1);
    list_->headerItem()->setText(UntaggedColumn, QStringLiteral("Untagged VLANs"));
    list_->headerItem()->setText(TaggedColumn, QStringLiteral("Tagged VLANs"));
    list_->setColumnWidth(UntaggedColumn, 110);
    list_->setColumnWidth(TaggedColumn, 110);
  }
  const std::vector<Vlan> vlans = readVlans();
  for (int r = 0; r < list_->topLevelItemCount(); ++r) {
    QTreeWidgetItem* row = list_->topLevelItem(r);
    const int port = row->text(portColumn).toInt();
    QStringList untagged, tagged;
    for (const Vlan& v : vlans) {
      if (hasPort(v.untagged, port))
        untagged << QString::number(v.id);
      else if (hasPort(v.egress, port))
        tagged << QString::number(v.id);
    }
    row->setText(UntaggedColumn, untagged.join(u','));
    row->setText(TaggedColumn, tagged.join(u','));
  }
}

void TPortVlanForm::refreshBoth() {
  Guard(ports_, [&] { StartRefresh(ports_); });
  Guard(vlans_, [&] { StartRefresh(vlans_); });
}

void TPortVlanForm::RefreshBtnClick() { refreshBoth(); }

void TPortVlanForm::SetBtnClick() {
  const std::vector<int> ports = tickedPorts();
  if (ports.empty()) {
    UserNotice::warning(this, QStringLiteral("Please tick the ports to set."));
    return;
  }
  const bool pvidGiven = !edPvid_->text().trimmed().isEmpty();
  if (!pvidGiven && frameTypes_->currentIndex() < 0 && filtering_->currentIndex() < 0) {
    UserNotice::warning(this, QStringLiteral("Please choose a PVID, acceptable frame types or ingress filtering to set."));
    return;
  }
  std::vector<Write> writes;
  if (pvidGiven) {
    if (!FormParts::CheckFields(this, {{edPvid_, QStringLiteral("PVID"), MvKeyRule::number(Syntax::Guage, FirstVlan, LastVlan)}}))
      return;
    const int pvid = edPvid_->text().toInt();
    const std::vector<Vlan> vlans = readVlans();
    const auto vlan = std::find_if(vlans.begin(), vlans.end(), [pvid](const Vlan& v) { return v.id == pvid; });
    if (vlan == vlans.end()) {
      UserNotice::warning(this, QStringLiteral("VLAN %1 is not in the static VLAN table. Create it there first.").arg(pvid));
      edPvid_->setFocus();
      return;
    }
    std::vector<int> outside;
    for (int port : ports)
      if (!hasPort(vlan->untagged, port)) outside.push_back(port);
    // The static table's row first: a device that checks each varbind in turn then already has
    // the ports as untagged members when it meets their PVIDs.
    if (!outside.empty() &&
        UserNotice::askYesNo(this, windowTitle(),
                             QStringLiteral("Port %1 is not an untagged member of VLAN %2. Make it one as well?")
                                 .arg(TPortUitForm::PortRanges(outside))
                                 .arg(pvid))) {
      const QString id = QString::number(pvid);
      writes.push_back({Egress, VlanStaticList, id, hexText(withPorts(vlan->egress, outside)),
                        QStringLiteral("VLAN %1 egress ports").arg(pvid)});
      writes.push_back({Untagged, VlanStaticList, id, hexText(withPorts(vlan->untagged, outside)),
                        QStringLiteral("VLAN %1 untagged ports").arg(pvid)});
    }
    for (int port : ports)
      writes.push_back({Pvid, PortVlanList, QString::number(port), QString::number(pvid),
                        QStringLiteral("Port %1 PVID %2").arg(port).arg(pvid)});
  }
  const auto addChoice = [&](QComboBox* combo, int item) {
    if (combo->currentIndex() < 0) return;
    for (int port : ports)
      writes.push_back({item, PortVlanList, QString::number(port), combo->currentText(),
                        QStringLiteral("Port %1 %2 %3").arg(port).arg(QLatin1String(PortVlanList[item].label), combo->currentText())});
  };
  addChoice(frameTypes_, FrameTypes);
  addChoice(filtering_, Filtering);
  send(std::move(writes));
}

void TPortVlanForm::send(std::vector<Write> writes) {
  MvSNMPVarList list;
  list.setItemType(MVT_SV);
  for (const Write& w : writes) {
    const SnmpVarDef defs[] = {w.list[w.item], {}};
    list.appendDefs(defs);
    SnmpVarItem& item = list.item(list.count() - 1);
    item.oid += u'.' + w.instance;
    item.value = w.value;
  }
  Guard(writer_, [&] {
    writer_->Request().varList = std::move(list);
    sent_ = std::move(writes);
    ApplyThen(writer_, false, [this](const MvSNMPError& error) {
      if (!error.ok()) {
        // The agent names the varbind it refused (counted from 1); nothing of the request was done.
        if (error.errorIndex >= 1 && error.errorIndex <= static_cast<int>(sent_.size()))
          memo_->appendPlainText(QStringLiteral("%1: refused (%2); nothing was changed.")
                                     .arg(sent_[static_cast<size_t>(error.errorIndex - 1)].refusedAs, error.message));
        return;
      }
      memo_->appendPlainText(QStringLiteral("Set %1 value(s).").arg(sent_.size()));
      refreshBoth();
    });
  });
}

void TPortVlanForm::FormClose() {
  Release(ports_);
  Release(vlans_);
  Release(writer_);
  ports_ = vlans_ = writer_ = nullptr;
}
