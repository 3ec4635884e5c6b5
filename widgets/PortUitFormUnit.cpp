#include "widgets/PortUitFormUnit.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QScrollArea>
#include <QStringList>
#include <QTabWidget>
#include <QVBoxLayout>

TPortUitForm::TPortUitForm(QWidget* owner) : QFrame(owner) {
  setObjectName(QStringLiteral("PortUitForm"));
  setFrameShape(QFrame::NoFrame);
  // The box grid is laid out in units of the font's point size; keep it at the designed size.
  QFont designed = font();
  designed.setPointSize(FontPoints);
  setFont(designed);
  resize(ClientWidth, ClientHeight);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  unitPageControl_ = new QTabWidget(this);
  unitPageControl_->setObjectName(QStringLiteral("UnitPageControl"));
  layout->addWidget(unitPageControl_);
}

void TPortUitForm::AddUnit(const QString& caption, int /*firstPort*/, int boxCount, int columns) {
  auto* sheet = new QWidget;
  sheet->setObjectName(QStringLiteral("UnitPage%1").arg(unitPages_.size() + 1));
  const int index = unitPageControl_->addTab(sheet, caption);  // the page control owns the sheet
  unitPages_.append(sheet);

  auto* sheetLayout = new QVBoxLayout(sheet);
  sheetLayout->setContentsMargins(0, 0, 0, 0);
  auto* scrollBox = new QScrollArea(sheet);
  scrollBox->setObjectName(QStringLiteral("ScrollBox"));
  sheetLayout->addWidget(scrollBox);
  auto* boxes = new QWidget;
  scrollBox->setWidget(boxes);  // the scroll box owns its contents

  // Some devices' descriptions ask for ten boxes a line.
  if (QFileInfo::exists(QString::fromLatin1(DeviceInfoFile))) columns = WrapWithDeviceInfo;
  if (columns < 1) columns = 1;

  QSize extent;
  for (int i = 0; i < boxCount; ++i) {
    const QString text = QString::number(i + 1);
    auto* box = new QCheckBox(text, boxes);
    box->setObjectName(QStringLiteral("PortCheckBox%1").arg(portCheckBoxes_.size() + 1));
    const int s = box->font().pointSize();
    const int height = box->sizeHint().height();
    const QRect place(20 + 5 * s * (i % columns), 4 + (i / columns) * height,
                      s * static_cast<int>(text.size()) + 3 * s, height);
    box->setGeometry(place);
    box->hide();
    extent = extent.expandedTo(QSize(place.right() + 1, place.bottom() + 1));
    portCheckBoxes_.append(box);
  }
  boxes->resize(extent);
  unitPageControl_->setTabVisible(index, false);
}

void TPortUitForm::ShowUnit(const QString& unitText, const QString& modelName, int visibleCount) {
  // Everything is checked first: a bad unit or count leaves the grid exactly as it was.
  bool number = false;
  const int unit = unitText.trimmed().toInt(&number);
  if (!number || unit < 1 || unit > unitPages_.size()) return;
  const qsizetype first = static_cast<qsizetype>(BoxesPerUnit) * (unit - 1);
  if (visibleCount < 0 || first + visibleCount > portCheckBoxes_.size()) return;

  QWidget* page = unitPages_.at(unit - 1);
  const int index = unitPageControl_->indexOf(page);
  if (index < 0) return;
  unitPageControl_->setTabText(index,
                               unitPageControl_->tabText(index) + QLatin1Char(' ') + modelName);
  unitPageControl_->setCurrentIndex(index);
  page->setVisible(true);
  for (qsizetype i = first; i < first + visibleCount; ++i) portCheckBoxes_.at(i)->setVisible(true);
}

void TPortUitForm::FitToShownBoxes() {
  unitPageControl_->setDocumentMode(true);
  for (QScrollArea* scroll : findChildren<QScrollArea*>()) {
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The boxes on whatever the grid stands on (a group box's face, a page's).
    scroll->viewport()->setAutoFillBackground(false);
    if (QWidget* boxes = scroll->widget()) boxes->setAutoFillBackground(false);
  }
  QRect shown;
  for (const QCheckBox* box : portCheckBoxes_)
    if (!box->isHidden()) shown = shown.united(box->geometry());
  // As much room under the last line as above the first.
  setFixedSize(shown.right() + 1, shown.bottom() + 1 + shown.top());
}

QString TPortUitForm::PortRanges(const std::vector<int>& ports) {
  QStringList parts;
  for (size_t i = 0; i < ports.size();) {
    size_t j = i;
    while (j + 1 < ports.size() && ports[j + 1] == ports[j] + 1) ++j;
    parts << (i == j ? QString::number(ports[i]) : QStringLiteral("%1-%2").arg(ports[i]).arg(ports[j]));
    i = j + 1;
  }
  return parts.join(QStringLiteral(", "));
}
// ---- the port grid of the dedicated editors ----

namespace PortGrid {

TPortUitForm* AddTo(QWidget* parent) {
  auto* grid = new TPortUitForm(parent);
  grid->AddUnit(QStringLiteral("Unit1"), 1, Boxes, Columns);
  grid->ShowUnit(QStringLiteral("1"), QStringLiteral("KX760"), VisiblePorts);
  QLayout* layout = parent->layout() ? parent->layout() : new QVBoxLayout(parent);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(grid);
  grid->show();
  return grid;
}

QString BitList() {
  QStringList bits;
  for (int i = 0; i < Boxes; ++i) bits << QString::number(i);
  return bits.join(u',');
}

void UncheckAll(const TPortUitForm* grid) {
  for (QCheckBox* box : grid->PortCheckBoxes()) box->setChecked(false);
}

void EnableAll(const TPortUitForm* grid, bool on) {
  for (QCheckBox* box : grid->PortCheckBoxes()) box->setEnabled(on);
}

}  // namespace PortGrid
