#include "shell/EntryOpener.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QPixmap>
#include <cstdio>

#include "shell/MainUnit.h"
#include "catalogue/MenuMap.h"
#include "bind/MvSNMPRequest2Controls.h"

EntryOpener::EntryOpener(TMainForm& main, const MenuEntry& entry, const QString& screenshot)
    : main_(main), entry_(entry), screenshot_(screenshot) {
  timer_.setInterval(PollMs);
  connect(&timer_, &QTimer::timeout, this, &EntryOpener::poll);
}

bool EntryOpener::canOpen(const TMainForm& main, const MenuEntry& entry, bool needsWindow, QString& why) {
  if (entry.isHiddenInMenu()) {
    why = QStringLiteral("the entry is hidden in the menu");
    return false;
  }
  const QAction* action = main.MenuAction(QString::fromLatin1(entry.item));
  const QMenu* top = main.TopMenu(QString::fromLatin1(entry.topMenu().name));
  if (!action || !action->isEnabled() || (top && !top->menuAction()->isEnabled())) {
    why = QStringLiteral("the entry is disabled");
    return false;
  }
  if (needsWindow && (entry.family == MenuFamily::Tool || entry.action == MenuAction::Reboot ||
                      entry.action == MenuAction::Help)) {
    why = QStringLiteral("the entry opens no window of the program");
    return false;
  }
  return true;
}

void EntryOpener::start() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible()) before_.insert(w);
  sinceStart_.start();
  if (!screenshot_.isEmpty()) timer_.start();
  QTimer::singleShot(0, this, [this] {
    if (QAction* action = main_.MenuAction(QString::fromLatin1(entry_.item))) action->trigger();
  });
}

QWidget* EntryOpener::openedWindow() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && !before_.contains(w) && !qobject_cast<QMenu*>(w) &&
        (w->windowType() == Qt::Dialog || w->windowType() == Qt::Window))
      return w;
  return nullptr;
}

void EntryOpener::poll() {
  if (!window_) {
    window_ = openedWindow();
    if (!window_) {
      if (sinceStart_.elapsed() > AppearLimitMs) finish(1, QStringLiteral("the entry opened no window"));
      return;
    }
    sinceShown_.start();
  }
  quietPolls_ = MvSNMPRequest2Controls::BusyBindings() == 0 ? quietPolls_ + 1 : 0;
  const bool filled = quietPolls_ >= QuietPolls && sinceShown_.elapsed() >= MinShownMs;
  if (!filled && sinceShown_.elapsed() < FillLimitMs) return;
  const bool saved = window_->grab().save(screenshot_);
  finish(saved ? 0 : 1, saved ? QString() : QStringLiteral("could not save %1").arg(screenshot_));
}

void EntryOpener::finish(int exitCode, const QString& message) {
  timer_.stop();
  if (exitCode == 0)
    std::fprintf(stdout, "screenshot: %s\n", qPrintable(screenshot_));
  else
    std::fprintf(stderr, "kx760: %s\n", qPrintable(message));
  std::fflush(stdout);
  // Ends every running loop, the modal window's too; the window is destroyed on its way out.
  QApplication::exit(exitCode);
}
