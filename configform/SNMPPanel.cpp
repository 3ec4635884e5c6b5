#include "configform/SNMPPanel.h"

#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QVBoxLayout>

#include "widgets/UserNotice.h"
#include <QTreeWidget>  // before the binding header, whose inline ListView() needs the full type
#include "bind/MvSNMPRequest2Edits.h"

namespace {

QVBoxLayout* bareLayout(QWidget* w) {
  auto* layout = new QVBoxLayout(w);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  return layout;
}

QWidget* mainWindow() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<QMainWindow*>(w) && w->isVisible()) return w;
  return nullptr;
}

}  // namespace

TSNMPPanel::TSNMPPanel(QWidget* parent, TMsgPanel* sharedMsgPanel, MvSNMPRequest2Edits* binding)
    : QFrame(parent), binding_(binding) {
  setObjectName(QStringLiteral("SNMPPanel"));
  rightSplitter_ = new QSplitter(Qt::Horizontal, this);
  rightSplitter_->setObjectName(QStringLiteral("RightSplitter"));
  rightSplitter_->setHandleWidth(SplitterWidth);
  rightSplitter_->setChildrenCollapsible(false);
  bareLayout(this)->addWidget(rightSplitter_);

  clientPanel_ = new QWidget(rightSplitter_);
  clientPanel_->setObjectName(QStringLiteral("ClientPanel"));
  btnPanel_ = new TCtrlBtnPanel(rightSplitter_);
  rightSplitter_->addWidget(clientPanel_);
  rightSplitter_->addWidget(btnPanel_);
  rightSplitter_->setStretchFactor(0, 1);
  rightSplitter_->setStretchFactor(1, 0);

  bottomSplitter_ = new QSplitter(Qt::Vertical, clientPanel_);
  bottomSplitter_->setObjectName(QStringLiteral("BottomSplitter"));
  bottomSplitter_->setHandleWidth(SplitterWidth);
  bottomSplitter_->setChildrenCollapsible(false);
  bareLayout(clientPanel_)->addWidget(bottomSplitter_);
  contentHolder_ = new QWidget(bottomSplitter_);
  bareLayout(contentHolder_);
  bottomSplitter_->addWidget(contentHolder_);
  bottomSplitter_->setStretchFactor(0, 1);
  if (!sharedMsgPanel) {
    msgPanel_ = new TMsgPanel(bottomSplitter_);
    bottomSplitter_->addWidget(msgPanel_);
    bottomSplitter_->setStretchFactor(1, 0);
  }
  TMsgPanel* status = msgPanel_ ? msgPanel_ : sharedMsgPanel;
  if (binding_ && status) binding_->SetStatusTarget(status->Memo());

  connect(btnPanel_->Button(TCtrlBtnPanel::RefreshBtn), &QPushButton::clicked, this,
          &TSNMPPanel::RefreshBtnClick);
  connect(btnPanel_->Button(TCtrlBtnPanel::CloseBtn), &QPushButton::clicked, this,
          &TSNMPPanel::CloseBtnClick);
  resize(0, 0);
}

void TSNMPPanel::RefreshBtnClick() {
  if (!binding_) return;
  try {
    binding_->Refresh();
  } catch (const MvException& e) {
    binding_->ShowStatus(e.message());
  }
}

void TSNMPPanel::CloseBtnClick() {
  if (!form_ || !form_->close()) UserNotice::warning(this, QStringLiteral("Please initial close form"));
}

void TSNMPPanel::SetContent(QWidget* content) {
  if (content_ && content_ != content) {
    content_->hide();
    contentHolder_->layout()->removeWidget(content_);
  }
  content_ = content;
  if (!content) return;
  const QSize size = content->sizeHint();
  if (content->parentWidget() != contentHolder_) content->setParent(contentHolder_);
  contentHolder_->layout()->addWidget(content);
  content->show();
  const int messageHeight = msgPanel_ ? TMsgPanel::PanelHeight : 0;
  btnPanel_->Arrange();
  pageSize_ = QSize(size.width() + TCtrlBtnPanel::PanelWidth + SplitterWidth + 3,
                    std::max(size.height() + messageHeight + SplitterWidth, btnPanel_->StackHeight()));
  if (msgPanel_) bottomSplitter_->setSizes({pageSize_.height() - messageHeight, messageHeight});
  resize(pageSize_);
  updateGeometry();
}

void TSNMPPanel::Reclaim(QWidget* content) {
  if (!content) return;
  content->hide();
  content->setParent(contentHolder_);
}

QSize TSNMPPanel::GrownClientSize(const QSize& current, const QSize& page) {
  return QSize(std::min(std::max(current.width(), page.width()), MaxClientWidth),
               std::min(std::max(current.height(), page.height()), MaxClientHeight));
}

void TSNMPPanel::CentreOn(QWidget* window, QWidget* over) {
  if (!over) over = mainWindow();
  QRect area;
  if (over && over != window)
    area = over->frameGeometry();
  else if (QScreen* screen = QGuiApplication::primaryScreen())
    area = screen->availableGeometry();
  if (area.isValid()) window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}

void TSNMPPanel::FitForm(QWidget* form) {
  form_ = form;
  if (!form) return;
  form->resize(GrownClientSize(form->size(), pageSize_));
  if (parentWidget() == form) {
    QLayout* layout = form->layout();
    if (!layout) layout = bareLayout(form);
    if (layout->indexOf(this) < 0) layout->addWidget(this);
  }
  CentreOn(form, form->parentWidget() ? form->parentWidget()->window() : nullptr);
}
