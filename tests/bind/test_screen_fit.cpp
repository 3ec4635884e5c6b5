// Windows open wholly on screen: a dialog centred on a window near an edge, or placed off screen,
// or larger than the screen, is moved (and shrunk where it may be) into the available geometry.
// The same cases run again with QT_SCALE_FACTOR=2 (see CMakeLists.txt).
#include <gtest/gtest.h>

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include "widgets/ScreenFit.h"

namespace {

struct FitCase {
  const char* what;
  QPoint at;        // where the dialog is asked to open (offsets from the screen's corner)
  QSize size;
  bool fixedSize;
};

class ScreenFitTest : public ::testing::TestWithParam<FitCase> {};

QRect available() { return QGuiApplication::primaryScreen()->availableGeometry(); }

TEST_P(ScreenFitTest, OpensInsideTheAvailableGeometry) {
  ScreenFit::install();
  const FitCase c = GetParam();
  const QRect avail = available();
  QDialog dialog;
  if (c.fixedSize)
    dialog.setFixedSize(c.size);
  else
    dialog.resize(c.size);
  dialog.move(avail.topLeft() + c.at);
  dialog.show();
  const QRect frame = dialog.frameGeometry();
  if (c.fixedSize && (c.size.width() > avail.width() || c.size.height() > avail.height())) {
    // A fixed window larger than the screen keeps its size; its top-left corner (title bar) shows.
    EXPECT_EQ(frame.topLeft(), avail.topLeft()) << c.what;
  } else {
    EXPECT_TRUE(avail.contains(frame)) << c.what << ": " << frame.x() << "," << frame.y() << " "
                                       << frame.width() << "x" << frame.height() << " in "
                                       << avail.width() << "x" << avail.height();
  }
  if (!c.fixedSize && c.size.width() <= avail.width() && c.size.height() <= avail.height())
    EXPECT_EQ(dialog.size(), c.size) << c.what << ": a window that fits keeps its size";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScreenFitTest,
    ::testing::Values(FitCase{"above the top", {40, -36}, {300, 200}, true},
                      FitCase{"far above", {40, -260}, {300, 250}, false},
                      FitCase{"left of the screen", {-500, 20}, {200, 100}, false},
                      FitCase{"past the bottom right", {5000, 5000}, {200, 150}, true},
                      FitCase{"taller than the screen", {0, -9}, {300, 4000}, false},
                      FitCase{"fixed and larger than the screen", {-30, -30}, {5000, 5000}, true}),
    [](const ::testing::TestParamInfo<FitCase>& info) { return "Case" + std::to_string(info.index); });

// A dialog centred on a short window at the top of the screen, as a page opened from the main
// window: Qt centres it on its parent, which puts its top above the screen.
TEST(ScreenFit, DialogCentredOnAShortWindowAtTheTop) {
  ScreenFit::install();
  const QRect avail = available();
  QWidget main;
  main.setGeometry(avail.left() + 10, avail.top(), 400, 60);
  main.show();
  QDialog dialog(&main);
  dialog.resize(300, std::min(avail.height() - 10, 500));
  dialog.show();
  EXPECT_TRUE(avail.contains(dialog.frameGeometry()))
      << dialog.frameGeometry().y() << " " << dialog.frameGeometry().height();
}

}  // namespace
