#include "configform/PortListValue.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <vector>

#include "bind/MvSNMPRequest2RawValue.h"
#include "mvsnmp/MvSNMPVarList.h"
#include "mvsnmp/MvValueConversion.h"
#include "widgets/PortUitFormUnit.h"

namespace Raw = MvSNMPRequest2RawValue;

namespace {

constexpr char kSnmpModules[] = "1.3.6.1.6.3.";
constexpr int kColumns = 9;
constexpr int kFrontPorts = 16;  // ports 17 and 18 are the uplink modules' slots

// The octets the line holds; none for no value or a text that is no hexadecimal value.
QByteArray lineOctets(const QLineEdit* line) {
  const std::optional<MvValue> value = valueOfText(Syntax::BitStr, line->text());
  return value ? value->octets : QByteArray();
}

}  // namespace

bool TPortListValue::IsPortList(const SnmpVarItem& item) {
  return item.syntax == Syntax::BitStr && !item.options && !item.oid.startsWith(QLatin1String(kSnmpModules));
}

TPortListValue::TPortListValue(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("PortListValue"));
  line_ = new QLineEdit(this);
  line_->setObjectName(QStringLiteral("PortListHex"));
  line_->setReadOnly(true);
  // Not typed in: it shows the value on the face a read-only field has.
  QPalette face = line_->palette();
  face.setColor(QPalette::Base, face.color(QPalette::Window));
  line_->setPalette(face);
  line_->setToolTip(QStringLiteral("The port list as sent: port 1 is the high bit of the first octet. "
                                   "Tick the ports below to change it."));
  kept_ = new QLabel(this);
  kept_->setObjectName(QStringLiteral("PortListKept"));
  kept_->hide();

  grid_ = new TPortUitForm(this);
  grid_->setObjectName(QStringLiteral("PortListGrid"));
  // Nine columns: the eighteen ports in two full lines, narrow enough for a row of the page.
  grid_->AddUnit(QStringLiteral("Unit1"), 1, TPortUitForm::BoxesPerUnit, kColumns);
  grid_->ShowUnit(QStringLiteral("1"), QStringLiteral("KX760"), TPortUitForm::KX760Ports);
  grid_->FitToShownBoxes();
  for (int port = kFrontPorts + 1; port <= TPortUitForm::KX760Ports; ++port)
    grid_->PortCheckBoxes().at(port - 1)->setToolTip(
        QStringLiteral("Port %1: the module in slot %2").arg(port).arg(port - kFrontPorts));
  for (QCheckBox* box : grid_->PortCheckBoxes()) connect(box, &QCheckBox::clicked, this, &TPortListValue::boxClicked);

  auto* top = new QHBoxLayout;
  top->setContentsMargins(0, 0, 0, 0);
  top->addWidget(line_);
  top->addWidget(kept_);
  top->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addLayout(top);
  layout->addWidget(grid_, 0, Qt::AlignLeft);

  connect(line_, &QLineEdit::textChanged, this, &TPortListValue::showLine);
}

QString TPortListValue::KeptText() const { return kept_->text(); }

void TPortListValue::SetLineWidth(int width) { line_->setFixedWidth(width); }

QSize TPortListValue::sizeHint() const {
  const QSize top = layout()->itemAt(0)->sizeHint();
  return {std::max(top.width(), grid_->width()), top.height() + layout()->spacing() + grid_->height()};
}

void TPortListValue::showLine() {
  line_->setCursorPosition(0);  // a value longer than the line shows its first ports
  const QByteArray octets = lineOctets(line_);
  const QList<QCheckBox*>& boxes = grid_->PortCheckBoxes();
  for (qsizetype k = 0; k < boxes.size(); ++k) boxes.at(k)->setChecked(Raw::bit(octets, static_cast<quint32>(k)));
  // Bits past the switch's ports tick no box the user sees; they are written back as they are.
  std::vector<int> beyond;
  for (quint32 b = TPortUitForm::KX760Ports; b < static_cast<quint32>(octets.size()) * 8; ++b)
    if (Raw::bit(octets, b)) beyond.push_back(static_cast<int>(b) + 1);
  kept_->setText(beyond.empty() ? QString()
                                : QStringLiteral("kept as read, beyond port %1: %2")
                                      .arg(TPortUitForm::KX760Ports)
                                      .arg(TPortUitForm::PortRanges(beyond)));
  kept_->setVisible(!beyond.empty());
}

void TPortListValue::boxClicked() {
  // The value as the line holds it, with the shown ports' bits as ticked: the agent's length and
  // every other bit stay. A list without value starts as the grid's four octets, the length the
  // dedicated forms write port lists with.
  QByteArray octets = lineOctets(line_);
  if (octets.isEmpty()) octets = QByteArray(TPortUitForm::BoxesPerUnit / 8, '\0');
  const QList<QCheckBox*>& boxes = grid_->PortCheckBoxes();
  for (quint32 k = 0; k < TPortUitForm::KX760Ports && k < static_cast<quint32>(boxes.size()); ++k) {
    const bool ticked = boxes.at(static_cast<qsizetype>(k))->isChecked();
    // A cleared port past the value's end is clear already: the value does not grow for it.
    if (ticked || Raw::bit(octets, k)) Raw::setBit(octets, k, ticked);
  }
  line_->setText(hexText(octets));
  if (OnTicked) OnTicked();
}
