// kx760mib: the standard-MIB pages (MIB-II, IF-MIB, bridge, 802.1p/Q, RMON, EtherLike, Entity)
// of one KX-760. It takes the module's own switches (address, communities, SNMPv3 settings, the
// device profile) and one page argument "/T<Tool>_<Page>"; the communities and pass phrases may
// also come from the environment (MvSecrets.h). Started by kx760, it takes the whole session from
// an inherited descriptor instead (--session-fd N). Besides: --port N (the agent's UDP port),
// --interval S (the counter pages' refresh period), --screenshot FILE (save the window after
// --refreshes N refreshes, 1 by default, and end), --version. A session without its version, communities or
// user is an error: nothing is sent with a default.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "generated/KxVersion.h"
#include "tools/kx760mib/MibToolForm.h"
#include "tools/kx760mib/MibToolOptions.h"
#include "mvsnmp/MvDeviceParams.h"
#include "mvsnmp/MvError.h"
#include "mvsnmp/MvSecrets.h"
#include "mvsnmp/MvSessionHandover.h"
#include "mvsnmp/MvSnmpSession.h"
#include "mvsnmp/MvStartup.h"
#include "widgets/UserNotice.h"

namespace {

int fail(const QString& text, int code) {
  std::fprintf(stderr, "kx760mib: %s\n", qPrintable(text));
  return code;
}

// The session: handed over whole through the descriptor, or the switches and the device profile
// as kx760 reads them with the environment filling what they leave out. Throws MvException, also
// for a session that lacks what it needs.
QString startSession(MibToolOptions& options, const MvEnvironmentSecrets& fromEnvironment) {
  initSnmpSession();
  if (options.sessionFd) {
    const MvSecretBytes data = MvSessionHandover::readOnce(*options.sessionFd);
    // Only the registry's directories and the catalogues: the session needs no profile.
    runStartup(QStringList());
    DeviceTarget = MvSessionHandover::decode(data.bytes());
    if (const QStringList gaps = sessionGaps(DeviceTarget, true, true, true); !gaps.isEmpty())
      throw MvException(MvCode::UnknownError, sessionGapsText(gaps));
    return DeviceTarget.address;
  }
  MvStartupResult result = runStartup(options.parameters);
  wipe(options.parameters);
  if (result.noParameters) throw MvException(MvCode::UnknownError, QLatin1String(NoParameterInputText));
  fromEnvironment.applyTo(result);
  if (const QStringList gaps = sessionGaps(result); !gaps.isEmpty())
    throw MvException(MvCode::UnknownError, sessionGapsText(gaps));
  return result.launch.addressText;
}

}  // namespace

int main(int argc, char** argv) {
  // Before the toolkit starts: the usage needs no display.
  for (int k = 1; k < argc; ++k) {
    if (std::strcmp(argv[k], "--help") == 0 || std::strcmp(argv[k], "-h") == 0) {
      std::printf("%s\n", qPrintable(mibToolUsage()));
      return 0;
    }
  }
  if (kxVersionRequested(argc, argv, "kx760mib")) return 0;
  protectFromCoreDumps();
  const MvEnvironmentSecrets fromEnvironment = MvEnvironmentSecrets::take();
  MvArguments arguments(argc, argv);
  const bool noDisplay = UserNotice::chooseOffscreenWithoutDisplay();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QLatin1String(MibToolProgram));
  UserNotice::printNoticesWithoutScreen();
  MibToolOptions options;
  try {
    options = takeMibToolOptions(arguments.take(argc, argv));
  } catch (const std::invalid_argument& e) {
    return fail(QString::fromLocal8Bit(e.what()) + QStringLiteral("\n") + mibToolUsage(), 2);
  }
  const MibToolPage* page = findMibToolPage(options.pageArgument);
  if (!page) return fail(QStringLiteral("no page \"%1\"\n").arg(options.pageArgument) + mibToolUsage(), 2);

  QString address;
  try {
    address = startSession(options, fromEnvironment);
  } catch (const MvException& e) {
    // Without a screen the notice would print the same text as fail() below.
    if (options.screenshot.isEmpty() && UserNotice::hasScreen())
      UserNotice::message(nullptr, QApplication::applicationName(), e.message(), UserNotice::Style::Critical);
    return fail(e.message(), 2);
  }
  if (options.agentPort) DeviceTarget.agentPort = *options.agentPort;
  if (noDisplay && options.screenshot.isEmpty()) return fail(UserNotice::noDisplayText(), 2);

  TMibToolForm form(*page, address);
  if (options.intervalSeconds) form.SetIntervalSeconds(*options.intervalSeconds);
  form.show();
  if (!options.screenshot.isEmpty()) {
    const auto save = [&form, &options](int status) {
      const bool saved = form.grab().save(options.screenshot);
      std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "screenshot:" : "kx760mib: could not save",
                   qPrintable(options.screenshot));
      QApplication::exit(saved ? status : 1);
    };
    QObject::connect(&form, &TMibToolForm::refreshed, &form, [&form, &options, save](int count) {
      // Painted first: the rows and rates of the refresh that just ended.
      // A page without counters refreshes once.
      const int wanted = form.Page().counters ? options.refreshes : 1;
      if (count == wanted) QTimer::singleShot(200, &form, [save] { save(0); });
    });
    // A device that never answers still gives a picture, of the failure.
    QTimer::singleShot(120000, &form, [save] { save(1); });
  }
  return QApplication::exec();
}
