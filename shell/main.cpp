// kx760: the management module for one KX-760 switch. Besides the module's own switches it takes
// --port N (the agent's UDP port), --screenshot FILE (save the main window as a picture after
// start-up and end, for runs without a display), --open-menu NAME (a top-level menu, by its
// component name, shown open in that picture) and --open ITEM (choose a menu entry, by component
// name or caption path, after start-up; with --screenshot the picture is of the window it opened),
// --version and --help (the usage, before anything else, so also without a display).
// The communities and pass phrases are overwritten in its argv as soon as they are read, and the
// process writes no core file (MvSecrets.h).
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <memory>

#include "shell/EntryOpener.h"
#include "generated/KxVersion.h"
#include "shell/MainUnit.h"
#include "catalogue/MenuMap.h"
#include "mvsnmp/MvSecrets.h"
#include "widgets/ScreenFit.h"
#include "widgets/UserNotice.h"

namespace {

const char kUsage[] =
    "usage: kx760 /I<address> [SWITCH...] [--port N] [--open ITEM] [--screenshot FILE [--open-menu NAME]]\n"
    "Manages one KX-760 switch over SNMP; the host application starts it with the device's switches.\n"
    "switches (the value follows the two letters, as in /Rpublic):\n"
    "  /I  address of the switch\n"
    "  /R  read community          /W  write community\n"
    "  /v  SNMP version: 0 v1, 1 v2c, 3 v3\n"
    "  with SNMPv3 in force (/v3 or the profile's Version=3) also:\n"
    "  /n  user (security name)    /l  level: 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv\n"
    "  /a  auth protocol: 2 MD5, 3 SHA, 4 SHA-224, 5 SHA-256, 6 SHA-384, 7 SHA-512\n"
    "  /A  auth pass phrase        /P  privacy pass phrase\n"
    "  /p  privacy protocol: 2 DES, 4 AES, 20 AES-192, 21 AES-256\n"
    "  /c  context name            /d  context engine ID (hex)\n"
    "  /t  agent port              /m  security model\n"
    "The device profile <profile dir>/<address>.cfg is read again before every switch after /I\n"
    "(never for /I alone): a profile value wins over a switch given before it, a switch over the\n"
    "profile read for it.\n"
    "options:\n"
    "  --port N          agent UDP port (overrides switches and profile)\n"
    "  --open ITEM       choose a menu entry after start-up (name or \"Menu > Path\")\n"
    "  --screenshot FILE save the window (or the one --open opened) as a picture and end\n"
    "  --open-menu NAME  a top-level menu drawn open in that picture\n"
    "  --help            this text\n"
    "  --version         the program's version\n"
    "environment: KX760_REGISTRY (registry file), XDG_CONFIG_HOME, XDG_STATE_HOME, KX760_SNMP_LOG=1\n"
    "exit status: 0 ended normally or picture saved; 1 \"No parameter input\" or the picture could not\n"
    "be saved; 2 a start-up error, a bad option, an entry that cannot be opened, or no display\n";

bool asksForHelp(int argc, char** argv) {
  for (int k = 1; k < argc; ++k)
    if (std::strcmp(argv[k], "--help") == 0 || std::strcmp(argv[k], "-h") == 0) return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  // Before any window or toolkit start: the usage needs no display.
  if (asksForHelp(argc, argv)) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (kxVersionRequested(argc, argv, "kx760")) return 0;
  protectFromCoreDumps();
  // Before anything else reads argv: from here on `ps` shows no secret.
  MvArguments arguments(argc, argv);
  const bool noDisplay = UserNotice::chooseOffscreenWithoutDisplay();
  QApplication app(argc, argv);
  UserNotice::printNoticesWithoutScreen();
  ScreenFit::install();
  QApplication::setApplicationName(QStringLiteral("KX-760"));
  QStringList parameters = arguments.take(argc, argv);
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
  // Start-up has taken what it needs into DeviceTarget and the launch parameters.
  wipe(parameters);
  if (form.Ended()) return form.ExitCode();
  if (noDisplay && screenshot.isEmpty()) {
    // Start-up went well, but a window nobody can see would run for ever.
    std::fprintf(stderr, "kx760: %s\n", qPrintable(UserNotice::noDisplayText()));
    return 2;
  }
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
