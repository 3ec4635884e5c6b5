// The port selection grid: boxes in 12 columns, or 10 with DeviceInfo.ini in the current
// directory; the unit shown with its first 18 boxes; bad unit texts change nothing.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>

#include "widgets/PortUitFormUnit.h"

namespace {

// Runs in a fresh current directory, restored afterwards.
class PortGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    before_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
  }
  void TearDown() override { QDir::setCurrent(before_); }

  QTemporaryDir dir_;
  QString before_;
};

TEST_F(PortGridTest, BoxesWrapAfterTwelveOrTenWithDeviceInfo) {
  struct Case {
    bool deviceInfo;
    int columns;
  };
  for (const Case c : {Case{false, 12}, Case{true, 10}}) {
    SCOPED_TRACE(c.columns);
    if (c.deviceInfo) {
      QFile info(QStringLiteral("DeviceInfo.ini"));
      ASSERT_TRUE(info.open(QIODevice::WriteOnly));
    }
    TPortUitForm grid;
    grid.AddUnit(QStringLiteral("Unit1"), 1, 32, 12);
    const QList<QCheckBox*>& boxes = grid.PortCheckBoxes();
    ASSERT_EQ(boxes.size(), 32);
    const int height = boxes[0]->height();
    // Box i at 20 + 40 (i mod columns) with the form's 8-point font, one line per row.
    EXPECT_EQ(boxes[0]->pos(), QPoint(20, 4));
    EXPECT_EQ(boxes[c.columns - 1]->pos(), QPoint(20 + 40 * (c.columns - 1), 4));
    EXPECT_EQ(boxes[c.columns]->pos(), QPoint(20, 4 + height));
    EXPECT_EQ(boxes[31]->pos(), QPoint(20 + 40 * (31 % c.columns), 4 + (31 / c.columns) * height));
    EXPECT_EQ(boxes[0]->text(), "1");
    EXPECT_EQ(boxes[9]->width(), 8 * 2 + 24);
    if (c.columns == 12) {
      EXPECT_EQ(boxes[11]->x(), 460);
    }
  }
}

TEST_F(PortGridTest, ShowUnitShowsTheFirstEighteenBoxesAndIgnoresBadUnits) {
  TPortUitForm grid;
  grid.AddUnit(QStringLiteral("Unit1"), 1, 32, 12);
  grid.show();
  ASSERT_EQ(grid.UnitPages().size(), 1);
  QTabWidget* pages = grid.UnitPageControl();
  auto visibleBoxes = [&] {
    int n = 0;
    for (QCheckBox* box : grid.PortCheckBoxes()) n += box->isVisibleTo(&grid) ? 1 : 0;
    return n;
  };
  EXPECT_EQ(visibleBoxes(), 0);
  EXPECT_FALSE(pages->isTabVisible(0));

  // Not a number, no such unit, more boxes than the page has: nothing changes.
  for (const auto& [unit, count] : {std::pair{"x", 18}, std::pair{"", 18}, std::pair{"2", 18},
                                    std::pair{"0", 18}, std::pair{"1", 33}}) {
    SCOPED_TRACE(unit);
    grid.ShowUnit(QString::fromLatin1(unit), QStringLiteral("KX760"), count);
    EXPECT_EQ(visibleBoxes(), 0);
    EXPECT_EQ(pages->tabText(0), "Unit1");
  }

  grid.PortCheckBoxes()[25]->setChecked(true);  // a binding's state on a box that stays hidden
  grid.ShowUnit(QStringLiteral("1"), QStringLiteral("KX760"), 18);
  EXPECT_EQ(pages->tabText(0), "Unit1 KX760");
  EXPECT_FALSE(pages->isTabVisible(0));
  EXPECT_TRUE(grid.UnitPages()[0]->isVisibleTo(&grid));
  for (int i = 0; i < 32; ++i) EXPECT_EQ(grid.PortCheckBoxes()[i]->isVisibleTo(&grid), i < 18) << i;
  EXPECT_TRUE(grid.PortCheckBoxes()[25]->isChecked());
}

}  // namespace
