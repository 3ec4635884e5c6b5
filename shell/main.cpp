// kx760: the management module for one KX-760 switch. Besides the module's own switches it takes
// --port N (the agent's UDP port), --screenshot FILE (save the main window as a picture after
// start-up and end, for runs without a display), --open-menu NAME (a top-level menu, by its
// component name, shown open in that picture) and --open ITEM (choose a menu entry, by component
// name or caption path, after start-up; with --screenshot the picture is of the window it opened)
// and --version.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "EntryOpener.h"
#include "KxVersion.h"
#include "MainUnit.h"
#include "MenuMap.h"
#include "ScreenFit.h"

int main(int argc, char** argv) {
  if (kxVersionRequested(argc, argv, "kx760")) return 0;
  QApplication app(argc, argv);
  ScreenFit::install();
  QApplication::setApplicationName(QStringLiteral("KX-760"));
  QStringList parameters = QApplication::arguments().mid(1);
  TMainForm::Options options;
  QString screenshot;
  QString openMenu;
  QString openItem;
  for (qsizetype k = 0; k < parameters.size();) {
    const QString& a = parameters.at(k);
    if ((a == u"--port" || a == u"--screenshot" || a == u"--open-menu" || a == u"--open") && k + 1 < parameters.size()) {
      const QString value = parameters.at(k + 1);
      if (a == u"--port") {
        bool ok = false;
        const uint port = value.toUInt(&ok);
        if (!ok || port == 0 || port > 65535) {
          std::fprintf(stderr, "kx760: --port needs a port number from 1 to 65535\n");
          return 2;
        }
        options.agentPort = static_cast<quint16>(port);
      } else if (a == u"--open-menu") {
        openMenu = value;
      } else if (a == u"--open") {
        openItem = value;
        options.confirmExit = false;
      } else {
        screenshot = value;
        options.confirmExit = false;
      }
      parameters.remove(k, 2);
    } else {
      ++k;
    }
  }
  const MenuEntry* entry = nullptr;
  if (!openItem.isEmpty()) {
    entry = findMenuEntry(openItem);
    if (!entry) {
      std::fprintf(stderr, "kx760: no menu entry \"%s\"\n", qPrintable(openItem));
      return 2;
    }
  }
  TMainForm form(parameters, options);
  if (form.Ended()) return form.ExitCode();
  form.show();
  std::unique_ptr<EntryOpener> opener;
  if (entry) {
    QString why;
    if (!EntryOpener::canOpen(form, *entry, !screenshot.isEmpty(), why)) {
      std::fprintf(stderr, "kx760: cannot open %s: %s\n", qPrintable(openItem), qPrintable(why));
      return 2;
    }
    opener = std::make_unique<EntryOpener>(form, *entry, screenshot);
    opener->start();
  } else if (!screenshot.isEmpty()) {
    QMenu* menu = openMenu.isEmpty() ? nullptr : form.TopMenu(openMenu);
    if (menu) QTimer::singleShot(100, &form, [&form, menu] { form.menuBar()->setActiveAction(menu->menuAction()); });
    QTimer::singleShot(600, &form, [&form, menu, screenshot] {
      // The window, with the open menu drawn over it where it pops up.
      const QPixmap window = form.grab();
      QPixmap picture = window;
      if (menu && menu->isVisible()) {
        const QPixmap popup = menu->grab();
        const QPoint at = menu->geometry().topLeft() - form.geometry().topLeft();
        picture = QPixmap(QSize(std::max(window.width(), at.x() + popup.width()),
                                std::max(window.height(), at.y() + popup.height())));
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.drawPixmap(0, 0, window);
        painter.drawPixmap(at, popup);
      }
      const bool saved = picture.save(screenshot);
      std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "screenshot:" : "kx760: could not save",
                   qPrintable(screenshot));
      QApplication::exit(saved ? 0 : 1);
    });
  }
  return QApplication::exec();
}
