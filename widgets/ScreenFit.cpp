#include "widgets/ScreenFit.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>

void fitToScreen(QWidget* window) {
  if (!window || !window->isWindow()) return;
  QScreen* screen = window->screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect avail = screen->availableGeometry();
  // The frame adds the title bar and borders of a window manager; without one both are equal.
  const QSize decoration = window->frameGeometry().size() - window->geometry().size();
  const QSize room = avail.size() - decoration;
  const QSize size = window->size();
  const QSize wanted(std::min(size.width(), std::max(room.width(), window->minimumWidth())),
                     std::min(size.height(), std::max(room.height(), window->minimumHeight())));
  if (wanted != size) window->resize(wanted);
  const QRect frame = window->frameGeometry();
  const int x = std::max(avail.left(), std::min(frame.left(), avail.right() + 1 - frame.width()));
  const int y = std::max(avail.top(), std::min(frame.top(), avail.bottom() + 1 - frame.height()));
  if (x != frame.left() || y != frame.top()) window->move(x, y);
}

void ScreenFit::install() {
  static QPointer<ScreenFit> installed;  // the application owns it; a new application needs one
  auto* app = QCoreApplication::instance();
  if (!app || installed) return;
  installed = new ScreenFit(app);
  app->installEventFilter(installed);
}

bool ScreenFit::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show && watched->isWidgetType()) {
    auto* widget = static_cast<QWidget*>(watched);
    const Qt::WindowType type = widget->windowType();
    if (widget->isWindow() && type != Qt::Popup && type != Qt::ToolTip && type != Qt::SplashScreen)
      fitToScreen(widget);
  }
  return QObject::eventFilter(watched, event);
}
