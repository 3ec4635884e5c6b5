// TSnapshotForm: the switch's whole configuration as a file. Saves a snapshot, opens one and
// compares it with the switch (page, label, instance, file value, device value per difference),
// and writes back the differences the user ticks, with progress and a result on every row.
#pragma once

#include <QString>
#include <vector>

#include "editors/DedicatedForm.h"
#include "snapshot/SnapshotDiff.h"
#include "snapshot/SnapshotDocument.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

class TSnapshotForm : public TDedicatedForm {
 public:
  // Columns of the differences list.
  enum Column { PageColumn, LabelColumn, InstanceColumn, FileColumn, DeviceColumn, ResultColumn };

  explicit TSnapshotForm(QWidget* owner);

  // What the buttons do once they have a file name (the dialogs ask for it).
  bool SaveTo(const QString& path);
  bool OpenFile(const QString& path);
  // Reads the switch and lists what differs from the open file.
  bool Compare();
  // Writes the ticked differences; false when something could not be written.
  bool RestoreTicked();

  QTreeWidget* Differences() const { return list_; }
  QString StatusText() const;
  const std::vector<SnapshotDifference>& Shown() const { return shown_; }

 protected:
  bool CanClose() override { return !busy_; }

 private:
  // Runs a step with the buttons off and errors shown in the status line; false on an error.
  bool Run(const std::function<void()>& step);
  SnapshotDocument ReadDevice();
  void ShowDifferences();
  void Progress(int done, int total, const QString& what);
  void UpdateButtons();
  void SetStatus(const QString& text);

  QPushButton* saveBtn_ = nullptr;
  QPushButton* openBtn_ = nullptr;
  QPushButton* compareBtn_ = nullptr;
  QPushButton* allBtn_ = nullptr;
  QPushButton* noneBtn_ = nullptr;
  QPushButton* restoreBtn_ = nullptr;
  QPushButton* closeBtn_ = nullptr;
  QLabel* fileLabel_ = nullptr;
  QTreeWidget* list_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* panel_ = nullptr;

  QString path_;
  SnapshotDocument file_;
  bool haveFile_ = false;
  std::vector<SnapshotDifference> shown_;
  bool busy_ = false;
};
