// The configuration snapshot window against kx760sim: save, open and compare, the differences in
// the list, and only the ticked ones written back, each row with its result.
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "tests/editors/EditorsFixture.h"
#include "editors/SnapshotForm.h"
#include "widgets/UserNotice.h"

namespace {

using editorstest::EditorsTest;

constexpr char kSntpPoll[] = "1.3.6.1.4.1.48213.12.10.11.5.0";
constexpr char kLoopInterval[] = "1.3.6.1.4.1.48213.11.63.2.2.18.1.2.0";
constexpr char kTrustHostStatus2[] = "1.3.6.1.4.1.48213.12.1.2.10.1.1.3.2";

// Answers the file dialogs with one path while it lives.
class FileDialogAnswer {
 public:
  explicit FileDialogAnswer(const QString& path) {
    auto answer = [path](QWidget*, const QString&, const QString&) { return path; };
    previousSave_ = UserNotice::setSaveFileHandler(answer);
    previousOpen_ = UserNotice::setOpenFileHandler(answer);
  }
  ~FileDialogAnswer() {
    UserNotice::setSaveFileHandler(previousSave_);
    UserNotice::setOpenFileHandler(previousOpen_);
  }

 private:
  UserNotice::SaveFileHandler previousSave_;
  UserNotice::OpenFileHandler previousOpen_;
};

QStringList rowTexts(const QTreeWidgetItem* row) {
  QStringList out;
  for (int c = 0; c < row->columnCount(); ++c) out << row->text(c);
  return out;
}

TEST_F(EditorsTest, SnapshotWindowRestoresTheTickedDifferences) {
  const QString path = dir.filePath("switch.json");
  FileDialogAnswer dialogs(path);
  auto form = open<TSnapshotForm>();
  QPushButton* restore = form->findChild<QPushButton*>("RestoreBtn");
  ASSERT_NE(restore, nullptr);
  EXPECT_FALSE(restore->isEnabled());

  QTest::mouseClick(form->findChild<QPushButton*>("SaveBtn"), Qt::LeftButton);
  ASSERT_TRUE(QFileInfo::exists(path)) << form->StatusText().toStdString();
  EXPECT_TRUE(form->StatusText().startsWith("Saved ")) << form->StatusText().toStdString();
  EXPECT_EQ(form->Differences()->topLevelItemCount(), 0);

  set(kSntpPoll, "i", "30");
  set(kLoopInterval, "i", "15");
  set(kTrustHostStatus2, "i", "6");
  QTest::mouseClick(form->findChild<QPushButton*>("OpenBtn"), Qt::LeftButton);
  QTreeWidget* list = form->Differences();
  ASSERT_EQ(list->topLevelItemCount(), 3) << form->StatusText().toStdString();
  EXPECT_EQ(rowTexts(list->topLevelItem(0)),
            (QStringList{"Configuration › Time Management › SNTP", "SNTP Poll Interval", "", "10", "30", ""}));
  EXPECT_EQ(rowTexts(list->topLevelItem(1)),
            (QStringList{"Advanced Configuration › Loop Detection Management › Loop Detection Control", "Interval",
                         "", "10", "15", ""}));
  EXPECT_EQ(rowTexts(list->topLevelItem(2)),
            (QStringList{"Configuration › Trust Host Management › Trust Host Table", "(whole row)", "2",
                         "row present", "(absent)", ""}));
  EXPECT_TRUE(form->findChild<QLabel*>("FileLabel")->text().contains(path));
  if (const QByteArray shots = qgetenv("KX_FORMS_SHOTS"); !shots.isEmpty()) {
    QDir().mkpath(QString::fromLocal8Bit(shots));
    form->grab().save(QDir(QString::fromLocal8Bit(shots)).filePath("snapshot-form.png"));
  }

  // The loop detection interval stays as the switch has it.
  list->topLevelItem(1)->setCheckState(TSnapshotForm::PageColumn, Qt::Unchecked);
  const int setsBefore = static_cast<int>(log.of("set").size());
  QTest::mouseClick(restore, Qt::LeftButton);
  ASSERT_EQ(answers.confirmations.size(), 1);
  EXPECT_EQ(list->topLevelItem(0)->text(TSnapshotForm::ResultColumn), "written");
  EXPECT_EQ(list->topLevelItem(1)->text(TSnapshotForm::ResultColumn), "");
  EXPECT_EQ(list->topLevelItem(2)->text(TSnapshotForm::ResultColumn), "written");
  EXPECT_EQ(static_cast<int>(log.of("set").size()), setsBefore + 2);
  EXPECT_EQ(get(kSntpPoll), "10");
  EXPECT_EQ(get(kTrustHostStatus2), "1");
  EXPECT_EQ(get(kLoopInterval), "15");
  EXPECT_EQ(form->StatusText(), "Restored 2 differences.");

  // Compared again, only the untouched difference is left.
  QTest::mouseClick(form->findChild<QPushButton*>("CompareBtn"), Qt::LeftButton);
  ASSERT_EQ(list->topLevelItemCount(), 1);
  EXPECT_EQ(list->topLevelItem(0)->text(TSnapshotForm::LabelColumn), "Interval");
}

// Nothing is written when the user does not confirm.
TEST_F(EditorsTest, SnapshotWindowWritesNothingUnconfirmed) {
  const QString path = dir.filePath("switch.json");
  FileDialogAnswer dialogs(path);
  auto form = open<TSnapshotForm>();
  ASSERT_TRUE(form->SaveTo(path));
  set(kSntpPoll, "i", "30");
  ASSERT_TRUE(form->OpenFile(path));
  ASSERT_EQ(form->Differences()->topLevelItemCount(), 1);
  answers.confirmAnswer = false;
  const int setsBefore = static_cast<int>(log.of("set").size());
  EXPECT_FALSE(form->RestoreTicked());
  EXPECT_EQ(static_cast<int>(log.of("set").size()), setsBefore);
  EXPECT_EQ(get(kSntpPoll), "30");
}

}  // namespace
