#include "editors/SnapshotForm.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "mvsnmp/MvError.h"
#include "snapshot/SnapshotReader.h"
#include "snapshot/SnapshotRestore.h"
#include "widgets/UserNotice.h"

namespace {

constexpr char kFilter[] = "Configuration snapshots (*.json);;All files (*)";
const QColor kFailed(180, 0, 0);
const QColor kWritten(0, 110, 0);

QString pageOf(const SnapshotDifference& d) {
  return d.where;
}

// Label, file value and device value of a list row; a whole table row is present on one side.
QStringList cellsOf(const SnapshotDifference& d) {
  switch (d.kind) {
    case SnapshotDifference::Kind::RowAdded:
      return {QStringLiteral("(whole row)"), QStringLiteral("(absent)"), QStringLiteral("row present")};
    case SnapshotDifference::Kind::RowRemoved:
      return {QStringLiteral("(whole row)"), QStringLiteral("row present"), QStringLiteral("(absent)")};
    case SnapshotDifference::Kind::Changed:
      break;
  }
  return {d.label, d.fromText, d.toText};
}

}  // namespace

TSnapshotForm::TSnapshotForm(QWidget* owner) : TDedicatedForm(owner, QStringLiteral("Configuration Snapshot")) {
  setObjectName(QStringLiteral("SnapshotForm"));
  resize(900, 480);
  saveBtn_ = FormParts::MakeButton(this, "SaveBtn", QStringLiteral("Save Snapshot..."));
  openBtn_ = FormParts::MakeButton(this, "OpenBtn", QStringLiteral("Open Snapshot..."));
  compareBtn_ = FormParts::MakeButton(this, "CompareBtn", QStringLiteral("Compare"));
  allBtn_ = FormParts::MakeButton(this, "TickAllBtn", QStringLiteral("Tick All"));
  noneBtn_ = FormParts::MakeButton(this, "TickNoneBtn", QStringLiteral("Tick None"));
  restoreBtn_ = FormParts::MakeButton(this, "RestoreBtn", QStringLiteral("Restore Ticked"));
  closeBtn_ = FormParts::MakeButton(this, "CloseBtn", QStringLiteral("Close"));
  fileLabel_ = new QLabel(QStringLiteral("No snapshot open."), this);
  fileLabel_->setObjectName(QStringLiteral("FileLabel"));
  fileLabel_->setWordWrap(true);
  list_ = FormParts::MakeListView(this, "LV_Differences");
  list_->setHeaderLabels({QStringLiteral("Page"), QStringLiteral("Label"), QStringLiteral("Instance"),
                          QStringLiteral("File Value"), QStringLiteral("Device Value"), QStringLiteral("Result")});
  list_->setRootIsDecorated(false);
  list_->header()->resizeSection(PageColumn, 330);
  list_->header()->resizeSection(LabelColumn, 160);
  list_->header()->resizeSection(InstanceColumn, 60);
  list_->header()->resizeSection(FileColumn, 95);
  list_->header()->resizeSection(DeviceColumn, 95);
  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("ProgressBar"));
  progress_->setTextVisible(true);
  progress_->setValue(0);
  QStatusBar* bar = FormParts::MakeStatusBar(this, &panel_);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {saveBtn_, openBtn_, compareBtn_}) buttons->addWidget(b);
  buttons->addStretch();
  for (QPushButton* b : {allBtn_, noneBtn_, restoreBtn_, closeBtn_}) buttons->addWidget(b);
  auto* body = new QVBoxLayout(this);
  body->addLayout(buttons);
  body->addWidget(fileLabel_);
  body->addWidget(list_, 1);
  body->addWidget(progress_);
  body->addWidget(bar);

  connect(saveBtn_, &QPushButton::clicked, this, [this] {
    const QString path = UserNotice::saveFileName(this, QStringLiteral("Save Snapshot"), QString::fromLatin1(kFilter));
    if (!path.isEmpty()) SaveTo(path);
  });
  connect(openBtn_, &QPushButton::clicked, this, [this] {
    const QString path = UserNotice::openFileName(this, QStringLiteral("Open Snapshot"), QString::fromLatin1(kFilter));
    if (!path.isEmpty()) OpenFile(path);
  });
  connect(compareBtn_, &QPushButton::clicked, this, [this] { Compare(); });
  connect(restoreBtn_, &QPushButton::clicked, this, [this] { RestoreTicked(); });
  connect(closeBtn_, &QPushButton::clicked, this, &QDialog::reject);
  auto tickAll = [this](bool on) {
    for (int i = 0; i < list_->topLevelItemCount(); ++i)
      list_->topLevelItem(i)->setCheckState(PageColumn, on ? Qt::Checked : Qt::Unchecked);
  };
  connect(allBtn_, &QPushButton::clicked, this, [tickAll] { tickAll(true); });
  connect(noneBtn_, &QPushButton::clicked, this, [tickAll] { tickAll(false); });
  UpdateButtons();
}

QString TSnapshotForm::StatusText() const {
  return panel_->text();
}

void TSnapshotForm::SetStatus(const QString& text) {
  panel_->setText(text);
}

void TSnapshotForm::UpdateButtons() {
  for (QPushButton* b : {saveBtn_, openBtn_, closeBtn_}) b->setEnabled(!busy_);
  compareBtn_->setEnabled(!busy_ && haveFile_);
  const bool rows = list_->topLevelItemCount() > 0;
  for (QPushButton* b : {allBtn_, noneBtn_, restoreBtn_}) b->setEnabled(!busy_ && rows);
}

void TSnapshotForm::Progress(int done, int total, const QString& what) {
  progress_->setMaximum(std::max(total, 1));
  progress_->setValue(done);
  if (!what.isEmpty()) SetStatus(what);
  // The window keeps painting while the blocking requests run; clicks wait until the step ends.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool TSnapshotForm::Run(const std::function<void()>& step) {
  if (busy_) return false;
  busy_ = true;
  UpdateButtons();
  bool ok = false;
  try {
    step();
    ok = true;
  } catch (const MvException& e) {
    SetStatus(QStringLiteral("Error %1: %2").arg(e.code()).arg(e.message()));
  } catch (const SnapshotError& e) {
    SetStatus(e.message());
  }
  busy_ = false;
  UpdateButtons();
  return ok;
}

SnapshotDocument TSnapshotForm::ReadDevice() {
  return SnapshotReader::read([this](int done, int total, const QString& list) {
    Progress(done, total, list.isEmpty() ? QString() : QStringLiteral("Reading %1").arg(list));
  });
}

bool TSnapshotForm::SaveTo(const QString& path) {
  return Run([&] {
    SnapshotDocument doc = ReadDevice();
    writeSnapshotFile(path, doc);
    file_ = std::move(doc);
    path_ = path;
    haveFile_ = true;
    shown_.clear();
    ShowDifferences();
    SetStatus(QStringLiteral("Saved %1 values of %2 lists.").arg(file_.valueCount()).arg(file_.lists.size()));
  });
}

bool TSnapshotForm::OpenFile(const QString& path) {
  const bool read = Run([&] {
    file_ = readSnapshotFile(path);
    path_ = path;
    haveFile_ = true;
    shown_.clear();
    ShowDifferences();
  });
  return read && Compare();
}

bool TSnapshotForm::Compare() {
  if (!haveFile_) return false;
  return Run([&] {
    shown_ = diffSnapshots(file_, ReadDevice());
    ShowDifferences();
    SetStatus(shown_.empty() ? QStringLiteral("The switch matches the snapshot.")
                             : QStringLiteral("%1 differences.").arg(shown_.size()));
  });
}

void TSnapshotForm::ShowDifferences() {
  fileLabel_->setText(haveFile_ ? QStringLiteral("Snapshot: %1 (taken %2 from %3, %4 values)")
                                      .arg(path_, file_.device.taken, file_.device.address)
                                      .arg(file_.valueCount())
                                : QStringLiteral("No snapshot open."));
  list_->clear();
  QList<QTreeWidgetItem*> rows;
  for (const SnapshotDifference& d : shown_) {
    const QStringList cells = cellsOf(d);
    auto* row = new QTreeWidgetItem(QStringList{pageOf(d), cells[0], d.index, cells[1], cells[2], QString()});
    row->setCheckState(PageColumn, Qt::Checked);
    row->setToolTip(PageColumn, d.text());
    rows << row;
  }
  list_->addTopLevelItems(rows);
  progress_->setValue(0);
}

bool TSnapshotForm::RestoreTicked() {
  std::vector<SnapshotDifference> chosen;
  std::vector<int> rowOf;
  for (int i = 0; i < list_->topLevelItemCount() && i < static_cast<int>(shown_.size()); ++i)
    if (list_->topLevelItem(i)->checkState(PageColumn) == Qt::Checked) {
      chosen.push_back(shown_[static_cast<size_t>(i)]);
      rowOf.push_back(i);
    }
  if (chosen.empty()) {
    SetStatus(QStringLiteral("Nothing ticked."));
    return false;
  }
  if (!UserNotice::confirm(this, QStringLiteral("Write %1 ticked differences from the snapshot to the switch?")
                                     .arg(chosen.size())))
    return false;
  bool complete = false;
  const bool ran = Run([&] {
    const std::vector<SnapshotSet> sets = restoreSets(chosen, file_);
    SnapshotRestoreResult result = sendRestoreSets(sets, static_cast<int>(chosen.size()),
                                                   [this](int done, int total, const QString& what) {
                                                     Progress(done, total, what);
                                                   });
    checkRestored(chosen, diffSnapshots(file_, ReadDevice()), result);
    int written = 0;
    for (size_t n = 0; n < chosen.size(); ++n) {
      QTreeWidgetItem* row = list_->topLevelItem(rowOf[n]);
      const QString& error = result.errors[n];
      row->setText(ResultColumn, error.isEmpty() ? QStringLiteral("written") : error);
      row->setToolTip(ResultColumn, row->text(ResultColumn));
      row->setForeground(ResultColumn, error.isEmpty() ? kWritten : kFailed);
      if (error.isEmpty()) {
        row->setCheckState(PageColumn, Qt::Unchecked);
        ++written;
      }
    }
    complete = result.complete();
    SetStatus(complete ? QStringLiteral("Restored %1 differences.").arg(written)
                       : QStringLiteral("Restored %1 of %2 differences; the others failed (see Result).")
                             .arg(written)
                             .arg(chosen.size()));
  });
  return ran && complete;
}
