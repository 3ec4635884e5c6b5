// Geometry of the forms: the button stack, the client-area limits of FitForm, the page size
// around its content, the aligned value column of the edits panel, and glyph files.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <set>

#include "tests/support/FormsFixture.h"
#include "configform/Guiconfigform.h"
#include "mvsnmp/MvOptionList.h"
#include "bind/MvSNMPRequest2Edits.h"

namespace {

using P = TCtrlBtnPanel;

TEST(ButtonStack, HiddenControlsTakeNoRoom) {
  const struct {
    std::set<int> visible;
  } cases[] = {
      {{P::RefreshBtn, P::CloseBtn}},
      {{P::CountDisplay, P::SamplesLabel, P::RefreshBtn, P::EditBtn, P::AddBtn, P::DeleteBtn, P::CloseBtn}},
      {{P::RefreshBtn, P::SetCheckedBtn, P::CheckAllBtn, P::ClearChecksBtn, P::CloseBtn}},
  };
  for (const auto& c : cases) {
    QWidget owner;
    auto* panel = new TCtrlBtnPanel(&owner);
    for (int i = 0; i < P::ControlCount; ++i) panel->Control(i)->setVisible(c.visible.count(i) > 0);
    panel->Arrange();
    int top = P::Margin;
    for (int i = 0; i < P::ControlCount; ++i) {
      QWidget* w = panel->Control(i);
      EXPECT_EQ(w->geometry(), QRect(P::Margin, top, P::ControlWidth, w->height())) << i;
      if (c.visible.count(i)) top += w->height() + P::Gap;
    }
    EXPECT_EQ(panel->StackHeight(), top - P::Gap + P::Margin);
    EXPECT_EQ(panel->width(), 116);
  }
  // Only Refresh and Close: Close right below Refresh, 5 pixels apart.
  QWidget owner;
  auto* panel = new TCtrlBtnPanel(&owner);
  for (int i = 0; i < P::ControlCount; ++i) panel->Control(i)->setVisible(i == P::RefreshBtn || i == P::CloseBtn);
  panel->Arrange();
  EXPECT_EQ(panel->Control(P::RefreshBtn)->y(), 10);
  EXPECT_EQ(panel->Control(P::CloseBtn)->y(), 10 + P::ButtonHeight + 5);
}

TEST(ButtonStack, GlyphFilesReplaceTheCaption) {
  QTemporaryDir dir;
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  QImage glyph(16, 16, QImage::Format_RGB32);
  glyph.fill(Qt::green);
  ASSERT_TRUE(glyph.save(dir.filePath("Get.bmp"), "BMP"));
  QFile broken(dir.filePath("Close.bmp"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not a bitmap");
  broken.close();
  QWidget owner;
  auto* panel = new TCtrlBtnPanel(&owner);
  QDir::setCurrent(previous);
  EXPECT_TRUE(panel->Button(P::RefreshBtn)->text().isEmpty());
  EXPECT_FALSE(panel->Button(P::RefreshBtn)->icon().isNull());
  EXPECT_EQ(panel->Button(P::CloseBtn)->text(), "Close");  // unreadable: caption kept
  EXPECT_EQ(panel->Button(P::EditBtn)->text(), "Edit");    // missing: caption kept
  EXPECT_EQ(panel->Button(P::AddBtn)->isHidden(), true);
}

TEST(FitForm, ClientAreaGrowsNeverShrinksAndStaysWithinTheLimit) {
  const struct {
    QSize current, page, expected;
  } cases[] = {
      {{159, 105}, {300, 200}, {300, 200}},
      {{159, 105}, {1000, 700}, {800, 550}},
      {{600, 500}, {300, 200}, {600, 500}},
      {{159, 105}, {900, 120}, {800, 120}},
      {{900, 600}, {100, 100}, {800, 550}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TSNMPPanel::GrownClientSize(c.current, c.page), c.expected) << c.page.width();
}

// A content widget of a fixed designed size.
class Block : public QWidget {
 public:
  explicit Block(QSize size) : size_(size) {}
  QSize sizeHint() const override { return size_; }

 private:
  QSize size_;
};

TEST(FitForm, PageSizeFollowsItsContentAndSizesTheForm) {
  const struct {
    QSize content;
    QSize form;
  } cases[] = {{{300, 200}, {300 + 116 + 3 + 3, 200 + 50 + 3}}, {{1200, 900}, {800, 550}}};
  for (const auto& c : cases) {
    QDialog form;
    form.resize(159, 105);
    auto* page = new TSNMPPanel(&form, nullptr, nullptr);
    page->SetContent(new Block(c.content));
    EXPECT_EQ(page->PageSize(), QSize(c.content.width() + 122, c.content.height() + 53));
    page->FitForm(&form);
    EXPECT_EQ(form.size(), c.form);
    EXPECT_EQ(page->Form(), &form);
  }
  // A tiny content: the page is at least as high as its button stack.
  QDialog form;
  auto* page = new TSNMPPanel(&form, nullptr, nullptr);
  page->SetContent(new Block(QSize(10, 10)));
  EXPECT_EQ(page->PageSize().height(), page->BtnPanel()->StackHeight());
}

const SnmpVarDef kRows[] = {
    {"1.1", "A", Syntax::DisplayStr, Access::ReadWrite},
    {"1.2", "A much longer label", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3", "Middle label", Syntax::DisplayStr, Access::ReadOnly},
    {"1.4", "Last", Syntax::Integer, Access::ReadWrite},
    {},
};

const OptionSource kLongOptionSource[] = {
    {2, "forward-unregistered-groups"}, {3, "filter-unregistered-groups"}, {0, nullptr}};
const MvOptionList kLongOptions(kLongOptionSource);
const SnmpVarDef kLongOptionRows[] = {
    {"1.1", "Name", Syntax::DisplayStr, Access::ReadWrite},
    {"1.2", "Multicast Filter", Syntax::Integer, Access::ReadWrite, &kLongOptions},
    {},
};

// A drop-down list is as wide as its longest option in this platform's font, and the whole value
// column with it.
TEST(EditsLayout, DropDownListsShowTheirLongestOptionWhole) {
  QWidget owner;
  auto binding = formstest::makeBinding(&owner, kLongOptionRows);
  auto* panel = new TEditsPanel(&owner, binding.get());
  auto* combo = qobject_cast<QComboBox*>(panel->RowAt(1).value);
  ASSERT_NE(combo, nullptr);
  const int longest = combo->fontMetrics().horizontalAdvance("forward-unregistered-groups");
  EXPECT_GE(combo->width(), combo->sizeHint().width());
  EXPECT_GT(combo->width(), longest);
  EXPECT_EQ(panel->RowAt(0).value->width(), combo->width());
}

// A value wider than its edit (an SNMP engine ID) widens the value column so that it shows whole,
// up to a cap beyond which the edit scrolls; the page's window grows with it.
TEST(EditsLayout, EditsWidenForTheirValuesUpToACap) {
  TConfigForm form;
  TSNMPEditorPanel* page = form.MakeEditorForm(formstest::makeBinding(&form, kRows));
  form.show();
  TEditsPanel* panel = page->EditsPanel();
  auto* edit = qobject_cast<QLineEdit*>(panel->RowAt(1).value);
  ASSERT_NE(edit, nullptr);
  const QString engineId = QStringLiteral("800007E5804F6A1C2B3D4E5F60718293A4B5C6");
  edit->setText(engineId);
  ASSERT_TRUE(formstest::waitUntil([&] { return edit->width() > TEditsPanel::DefaultEditWidth; }));
  EXPECT_GE(edit->width(), edit->fontMetrics().horizontalAdvance(engineId));
  EXPECT_EQ(panel->RowAt(0).value->width(), edit->width());  // one column
  // The whole edit lies inside the window.
  const QRect inForm(edit->mapTo(&form, QPoint(0, 0)), edit->size());
  EXPECT_TRUE(form.rect().contains(inForm)) << inForm.right() << " > " << form.width();
  edit->setText(QString(300, QLatin1Char('F')));
  ASSERT_TRUE(formstest::waitUntil([&] { return edit->width() == TEditsPanel::MaxValueWidth; }));
}

TEST(EditsLayout, ValueControlsFormOneColumnAndHiddenRowsLeaveNoGap) {
  QWidget owner;
  auto binding = formstest::makeBinding(&owner, kRows);
  auto* panel = new TEditsPanel(&owner, binding.get());
  int widest = 0;
  for (int r = 0; r < panel->RowCount(); ++r) widest = std::max(widest, panel->RowAt(r).label->width());
  const int valueLeft = 20 + 20 + 5 + widest + 5;
  int top = 20;
  int right = 0;
  for (int r = 0; r < panel->RowCount(); ++r) {
    const TEditsPanel::Row& row = panel->RowAt(r);
    EXPECT_EQ(row.value->x(), valueLeft) << r;
    EXPECT_EQ(row.value->y(), top) << r;
    EXPECT_EQ(row.value->width(), TEditsPanel::DefaultEditWidth);
    EXPECT_EQ(row.check->x(), 20);
    EXPECT_EQ(row.label->x(), 45);
    EXPECT_EQ(row.label->y(), row.value->y() + (row.value->height() - row.label->height()) / 2);
    top += row.value->height() + 5;
    right = valueLeft + row.value->width();
  }
  const int bottom = top - 5;
  EXPECT_EQ(panel->sizeHint(), QSize(right + 40, bottom + 40));

  const int thirdTop = panel->RowAt(2).value->y();
  panel->HideRow(1);
  EXPECT_TRUE(panel->RowAt(1).label->isHidden());
  EXPECT_TRUE(binding->Request().varList.item(1).access & Access::Hidden);
  EXPECT_EQ(panel->RowAt(2).value->y(), panel->RowAt(0).value->y() + panel->RowAt(0).value->height() + 5);
  panel->ShowRow(1);
  EXPECT_EQ(panel->RowAt(2).value->y(), thirdTop);
  EXPECT_FALSE(panel->RowAt(1).check->isHidden());

  panel->SetEditWidth(150);
  EXPECT_EQ(panel->RowAt(3).value->width(), 150);
  EXPECT_EQ(panel->sizeHint().width(), valueLeft + 150 + 40);
}

}  // namespace
