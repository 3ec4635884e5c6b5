// kx760mib: the standard-MIB pages (MIB-II, IF-MIB, bridge, 802.1p/Q, RMON, EtherLike, Entity)
// of one KX-760. It takes the module's own switches (address, communities, SNMPv3 settings, the
// device profile) and one page argument "/T<Tool>_<Page>"; the SNMPv3 pass phrases may also come
// from the environment (KX760_AUTH_PASSPHRASE, KX760_PRIV_PASSPHRASE). Besides: --port N (the
// agent's UDP port), --interval S (the counter pages' refresh period), --screenshot FILE (save
// the window after --refreshes N refreshes, 1 by default, and end), --version.
#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "KxVersion.h"
#include "MibToolForm.h"
#include "MibToolOptions.h"
#include "MvDeviceParams.h"
#include "MvError.h"
#include "MvSnmpSession.h"
#include "MvStartup.h"
#include "UserNotice.h"

namespace {

int fail(const QString& text, int code) {
  std::fprintf(stderr, "kx760mib: %s\n", qPrintable(text));
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  if (kxVersionRequested(argc, argv, "kx760mib")) return 0;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QLatin1String(MibToolProgram));
  MibToolOptions options;
  try {
    options = takeMibToolOptions(QApplication::arguments().mid(1));
  } catch (const std::invalid_argument& e) {
    return fail(QString::fromLocal8Bit(e.what()) + QStringLiteral("\n") + mibToolUsage(), 2);
  }
  const MibToolPage* page = findMibToolPage(options.pageArgument);
  if (!page) return fail(QStringLiteral("no page \"%1\"\n").arg(options.pageArgument) + mibToolUsage(), 2);

  MvStartupResult result;
  try {
    initSnmpSession();
    result = runStartup(options.parameters);
  } catch (const MvException& e) {
    if (options.screenshot.isEmpty())
      UserNotice::message(nullptr, QApplication::applicationName(), e.message(), UserNotice::Style::Critical);
    return fail(e.message(), 2);
  }
  if (result.noParameters) return fail(QLatin1String(NoParameterInputText), 1);
  if (options.agentPort) DeviceTarget.agentPort = *options.agentPort;

  TMibToolForm form(*page, result.launch.addressText);
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
