#include "bind/BusyWait.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <memory>

namespace {

bool isUserInput(const QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::NativeGesture:
    case QEvent::Gesture:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      return true;
    case QEvent::Close:
      // The window manager's close button; a close the program asks for itself goes through.
      return event->spontaneous();
    default:
      return false;
  }
}

// Drops input for the windows that were open when the outermost wait began.
class InputDrop : public QObject {
 public:
  InputDrop() {
    for (QWindow* w : QGuiApplication::topLevelWindows()) windows_.append(w);
    qApp->installEventFilter(this);
    QApplication::setOverrideCursor(Qt::WaitCursor);
  }
  ~InputDrop() override {
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
  }

  inline static int total = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!isUserInput(event)) return false;
    if (!wasOpen(watched)) return false;
    ++total;
    return true;
  }

 private:
  bool wasOpen(QObject* target) const {
    QWindow* window = nullptr;
    if (target->isWidgetType()) {
      QWidget* top = static_cast<QWidget*>(target)->window();
      window = top ? top->windowHandle() : nullptr;
    } else if (target->isWindowType()) {
      window = static_cast<QWindow*>(target);
      while (window->parent()) window = window->parent();
    }
    if (!window) return false;
    return std::any_of(windows_.begin(), windows_.end(), [window](const QPointer<QWindow>& w) { return w == window; });
  }

  QList<QPointer<QWindow>> windows_;
};

int depth = 0;
std::unique_ptr<InputDrop> drop;

}  // namespace

BusyWait::BusyWait() {
  if (depth++ == 0 && qobject_cast<QApplication*>(QCoreApplication::instance())) drop = std::make_unique<InputDrop>();
}

BusyWait::~BusyWait() {
  if (--depth == 0) drop.reset();
}

bool BusyWait::Active() { return depth > 0; }

int BusyWait::DroppedEvents() { return InputDrop::total; }
