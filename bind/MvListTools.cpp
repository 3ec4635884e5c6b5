#include "bind/MvListTools.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "widgets/MvListRows.h"
#include "bind/MvSNMPRequest2Edits.h"

namespace {

// The layout that holds `widget` directly or in a nested layout, searched from `layout`.
QLayout* layoutHolding(QLayout* layout, const QWidget* widget) {
  if (!layout) return nullptr;
  for (int i = 0; i < layout->count(); ++i) {
    QLayoutItem* item = layout->itemAt(i);
    if (item->widget() == widget) return layout;
    if (QLayout* found = layoutHolding(item->layout(), widget)) return found;
  }
  return nullptr;
}

}  // namespace

MvListTools* MvListTools::Attach(QTreeWidget* view) {
  if (MvListTools* tools = Of(view)) return tools;
  return new MvListTools(view);  // owned by the view
}

MvListTools* MvListTools::Of(const QTreeWidget* view) {
  if (!view) return nullptr;
  for (QObject* child : view->children())
    if (auto* tools = dynamic_cast<MvListTools*>(child)) return tools;
  return nullptr;
}

MvListTools::MvListTools(QTreeWidget* view) : QObject(view), view_(view) {
  bar_ = new QWidget(view);  // hidden with the view until PlaceAbove puts it above the view
  bar_->hide();
  bar_->setObjectName(view->objectName() + QStringLiteral("Tools"));
  filter_ = new QLineEdit(bar_);
  filter_->setObjectName(QStringLiteral("FilterEdit"));
  filter_->setPlaceholderText(QStringLiteral("Filter (Ctrl+F)"));
  filter_->setClearButtonEnabled(true);
  count_ = new QLabel(bar_);
  count_->setObjectName(QStringLiteral("RowCount"));
  auto* row = new QHBoxLayout(bar_);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(filter_, 1);
  row->addWidget(count_);
  // Rows are filtered as they come; the count follows.
  QAbstractItemModel* model = view->model();
  connect(model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex& parent, int first) {
    if (parent.isValid() || !view_) return;
    MvListRows::applyFilter(view_, filter_->text(), first);
    UpdateCount();
  });
  connect(model, &QAbstractItemModel::rowsRemoved, this, [this] { UpdateCount(); });
  connect(model, &QAbstractItemModel::modelReset, this, [this] { UpdateCount(); });
  connect(filter_, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (!view_) return;
    MvListRows::applyFilter(view_, text);
    UpdateCount();
  });
  // Enter in the filter stays there: it must not press the window's default button.
  connect(filter_, &QLineEdit::returnPressed, this, [this] {
    if (view_) view_->setFocus(Qt::OtherFocusReason);
  });
  UpdateCount();
}

bool MvListTools::PlaceAbove() {
  if (placed_ || !view_) return placed_;
  QWidget* holder = view_->parentWidget();
  QLayout* layout = holder ? layoutHolding(holder->layout(), view_) : nullptr;
  if (!layout) return false;
  // The view's place goes to a box with the tools' line on top and the view below.
  auto* box = new QWidget;
  box->setObjectName(view_->objectName() + QStringLiteral("Box"));
  delete layout->replaceWidget(view_, box);  // the layout now owns the box's item, the box its parent
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);
  column->addWidget(bar_);
  column->addWidget(view_);
  bar_->show();
  box->show();
  placed_ = true;

  QWidget* window = view_->window();
  find_ = new QShortcut(QKeySequence::Find, window);
  connect(find_, &QShortcut::activated, this, [this] {
    filter_->setFocus(Qt::ShortcutFocusReason);
    filter_->selectAll();
  });
  // Esc during a walk stops it; once the walk has ended Esc is the window's again.
  stopKey_ = new QShortcut(QKeySequence(Qt::Key_Escape), window);
  stopKey_->setEnabled(Walking());
  connect(stopKey_, &QShortcut::activated, this, [this] {
    if (binding_) binding_->StopWalk();
  });
  return true;
}

void MvListTools::SetOwnCount(bool own) {
  ownCount_ = own;
  UpdateCount();
}

void MvListTools::SetBinding(MvSNMPRequest2Edits* binding) {
  if (binding_ == binding) return;
  binding_ = binding;
  if (!binding) return;
  auto previous = std::move(binding->OnBusyChanged);
  QPointer<MvListTools> self(this);
  binding->OnBusyChanged = [self, previous](bool busy) {
    if (previous) previous(busy);
    if (self) self->busyChanged(busy);
  };
  busyChanged(binding->Busy());
}

void MvListTools::SetRefreshButton(QAbstractButton* button) {
  if (refresh_ == button) return;
  refresh_ = button;
  if (!button) return;
  refreshCaption_ = button->text();
  // Decided when the button goes down: by the time it is clicked, the window's own handler may
  // have started a new walk that must not be stopped at once.
  connect(button, &QAbstractButton::pressed, this, [this] {
    stopOnClick_ = Walking();
    // A Stop leaves the request not alive; pressed again, the button starts a walk: made alive
    // here, before the window's own handler asks for the refresh.
    if (!stopOnClick_ && binding_ && !binding_->Busy()) binding_->Resume();
  });
  connect(button, &QAbstractButton::clicked, this, [this] {
    if (stopOnClick_ && binding_) binding_->StopWalk();
    stopOnClick_ = false;
  });
  busyChanged(binding_ && binding_->Busy());
}

void MvListTools::Detach() {
  if (view_) disconnect(view_->model(), nullptr, this, nullptr);
  disconnect(filter_, nullptr, this, nullptr);
  if (refresh_) disconnect(refresh_, nullptr, this, nullptr);
  view_ = nullptr;
  binding_ = nullptr;  // its chained busy handler finds no view and does nothing
  refresh_ = nullptr;
}

bool MvListTools::Walking() const {
  return binding_ && binding_->Busy() && binding_->Asynchronous() &&
         binding_->LastOperation() == MvSNMPRequest2Controls::Operation::Get && binding_->ListView() == view_;
}

void MvListTools::busyChanged(bool) {
  if (!view_) return;
  const bool walking = Walking();
  if (refresh_) refresh_->setText(walking ? QStringLiteral("Stop") : refreshCaption_);
  if (stopKey_) stopKey_->setEnabled(walking);
  UpdateCount();
  if (!walking) FitColumns();
}

void MvListTools::UpdateCount() {
  if (!view_) return;
  const int total = view_->topLevelItemCount();
  const int shown = MvListRows::shownRows(view_);
  QString text;
  if (!ownCount_) text = shown == total ? QString::number(total) : QStringLiteral("%1 of %2").arg(shown).arg(total);
  const bool stopped = binding_ && !binding_->Busy() && binding_->ListView() == view_ && !binding_->StopReason().isEmpty();
  if (stopped) {
    if (!text.isEmpty()) text += u' ';
    text += QStringLiteral("\u2014 stopped: %1").arg(binding_->StopReason());
  }
  count_->setText(text);
}

void MvListTools::FitColumns() {
  if (!view_ || view_->topLevelItemCount() == 0) return;
  QHeaderView* header = view_->header();
  int needed = 0;
  int last = -1;
  for (int c = 0; c < view_->columnCount(); ++c)
    if (!view_->isColumnHidden(c)) last = c;
  for (int c = 0; c <= last; ++c) {
    if (view_->isColumnHidden(c)) continue;
    // The last column stretches to the rest of the view: what it needs is its heading and values.
    needed += c == last ? std::max(header->sectionSizeHint(c), static_cast<const QAbstractItemView*>(view_.data())->sizeHintForColumn(c)) : header->sectionSize(c);
  }
  if (view_->verticalScrollBar()->isVisible()) needed += view_->verticalScrollBar()->width();
  const int extra = needed - view_->viewport()->width();
  if (extra <= 0) return;
  QWidget* window = view_->window();
  QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  int widest = window->width() + extra;
  if (screen) {
    const int decoration = window->frameGeometry().width() - window->geometry().width();
    widest = std::min(widest, screen->availableGeometry().width() - decoration);
  }
  if (widest <= window->width()) return;
  window->resize(widest, window->height());
  // Kept inside the screen: a window widened past its right edge moves left.
  if (screen) {
    const QRect avail = screen->availableGeometry();
    const QRect frame = window->frameGeometry();
    if (frame.right() > avail.right()) window->move(std::max(avail.left(), avail.right() + 1 - frame.width()), frame.top());
  }
}
