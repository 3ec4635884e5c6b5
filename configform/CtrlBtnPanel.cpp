#include "configform/CtrlBtnPanel.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct StackEntry {
  const char* objectName;
  const char* caption;
  const char* glyph;  // nullptr: never a glyph
};

constexpr std::array<StackEntry, TCtrlBtnPanel::ControlCount> kStack{{
    {"SamplesCount", "0", nullptr},
    {"SamplesLabel", "Samples", nullptr},
    {"RefreshBtn", "Refresh", "Get.bmp"},
    {"EditBtn", "Edit", "Set.bmp"},
    {"SetCheckedBtn", "Set Checked", "SetCheck.bmp"},
    {"AddBtn", "Add", "Add.bmp"},
    {"DeleteBtn", "Delete", "Delete.bmp"},
    {"CheckAllBtn", "Check All", "SelectAll.bmp"},
    {"ClearChecksBtn", "Clear Checks", "SelectNone.bmp"},
    {"CloseBtn", "Close", "Close.bmp"},
}};

}  // namespace

TCtrlBtnPanel::TCtrlBtnPanel(QWidget* owner) : QFrame(owner) {
  setObjectName(QStringLiteral("CtrlBtnPanel"));
  setFixedWidth(PanelWidth);
  for (int i = 0; i < ControlCount; ++i) {
    const StackEntry& e = kStack.at(static_cast<size_t>(i));
    QWidget* w = nullptr;
    if (i == CountDisplay) {
      auto* count = new QLabel(QString::fromLatin1(e.caption), this);
      count->setAlignment(Qt::AlignCenter);
      count->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      count->setFixedHeight(CountHeight);
      w = count;
    } else if (i == SamplesLabel) {
      auto* label = new QLabel(QString::fromLatin1(e.caption), this);
      label->setAlignment(Qt::AlignCenter);
      label->setFixedHeight(label->sizeHint().height());
      w = label;
    } else {
      auto* button = new QPushButton(QString::fromLatin1(e.caption), this);
      button->setFixedHeight(ButtonHeight);
      button->setAutoDefault(false);
      w = button;
    }
    w->setObjectName(QString::fromLatin1(e.objectName));
    w->setFixedWidth(ControlWidth);
    stack_.at(static_cast<size_t>(i)) = w;
  }
  Button(AddBtn)->hide();
  Button(DeleteBtn)->hide();
  loadGlyphs();
  Arrange();
}

QPushButton* TCtrlBtnPanel::Button(int which) const {
  return qobject_cast<QPushButton*>(Control(which));
}

QLabel* TCtrlBtnPanel::Count() const { return qobject_cast<QLabel*>(Control(CountDisplay)); }

void TCtrlBtnPanel::SetCount(int n) { Count()->setText(QString::number(n)); }

void TCtrlBtnPanel::SetCount(int shown, int total) {
  Count()->setText(shown == total ? QString::number(total) : QStringLiteral("%1 of %2").arg(shown).arg(total));
}

void TCtrlBtnPanel::SetCountNote(const QString& note) {
  auto* label = qobject_cast<QLabel*>(Control(SamplesLabel));
  const QString text = note.isEmpty() ? QString::fromLatin1(kStack.at(SamplesLabel).caption) : note;
  if (label->text() == text) return;
  label->setWordWrap(!note.isEmpty());
  label->setText(text);
  label->setToolTip(note);
  label->setFixedHeight(note.isEmpty() ? QLabel(text).sizeHint().height() : label->heightForWidth(ControlWidth));
  Arrange();
}

QString TCtrlBtnPanel::GlyphPath(int which) {
  const char* glyph = kStack.at(static_cast<size_t>(which)).glyph;
  return glyph ? QDir::current().filePath(QString::fromLatin1(glyph)) : QString();
}

void TCtrlBtnPanel::loadGlyphs() {
  // A missing or unreadable bitmap leaves the button with its caption and says nothing.
  for (int i = RefreshBtn; i < ControlCount; ++i) {
    const QString path = GlyphPath(i);
    if (path.isEmpty() || !QFileInfo::exists(path)) continue;
    QPixmap glyph;
    if (!glyph.load(path) || glyph.isNull()) continue;
    QPushButton* b = Button(i);
    b->setText(QString());
    b->setIcon(QIcon(glyph));
    b->setIconSize(glyph.size().boundedTo(QSize(ControlWidth - 8, ButtonHeight - 4)));
  }
}

void TCtrlBtnPanel::Arrange() {
  int top = Margin;
  for (QWidget* w : stack_) {
    w->setGeometry(Margin, top, ControlWidth, w->height());
    if (!w->isHidden()) top = w->y() + w->height() + Gap;
  }
  stackHeight_ = top - Gap + Margin;
  setMinimumHeight(stackHeight_);
}

TMsgPanel::TMsgPanel(QWidget* parent) : QFrame(parent), memo_(new QPlainTextEdit(this)) {
  setObjectName(QStringLiteral("MsgPanel"));
  memo_->setObjectName(QStringLiteral("Memo"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(memo_);
  // Status lines only: the user reads them and never types into them.
  memo_->setReadOnly(true);
  resize(width(), PanelHeight);
}
