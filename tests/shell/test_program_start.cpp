// The kx760 program from a shell: its usage, and start-up where nobody can see a window. Nothing
// may wait for a click: each case must end by itself, with its text on the right stream.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

namespace {

struct ProgramEnd {
  bool ended = false;
  int exitCode = -1;
  QString out;
  QString err;
};

// How the program is started: with a display, offscreen, or with no platform and no display.
enum class Screen { Offscreen, NoDisplay };

ProgramEnd runKx760(const QStringList& args, Screen screen, const QString& home) {
  QProcess program;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("DISPLAY");
  env.remove("WAYLAND_DISPLAY");
  env.remove("KX760_REGISTRY");
  if (screen == Screen::Offscreen)
    env.insert("QT_QPA_PLATFORM", "offscreen");
  else
    env.remove("QT_QPA_PLATFORM");
  env.insert("HOME", home);
  env.insert("XDG_CONFIG_HOME", home + "/.config");
  env.insert("XDG_STATE_HOME", home + "/.local/state");
  program.setProcessEnvironment(env);
  program.start(QStringLiteral(KX_BIN_DIR "/kx760"), args);
  ProgramEnd run;
  if (!program.waitForStarted()) return run;
  run.ended = program.waitForFinished(60000);
  if (!run.ended) program.kill();
  run.exitCode = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
  run.out = QString::fromLocal8Bit(program.readAllStandardOutput());
  run.err = QString::fromLocal8Bit(program.readAllStandardError());
  return run;
}

struct StartCase {
  const char* name;
  QStringList args;
  Screen screen;
  int exitCode;
  const char* out;  // a text stdout must hold ("" for none: stdout stays empty)
  const char* err;  // a text stderr must hold ("" for none)
};

TEST(ProgramStart, UsageAndStartUpErrorsEndByThemselves) {
  const StartCase cases[] = {
      {"help offscreen", {"--help"}, Screen::Offscreen, 0, "usage: kx760 /I<address>", ""},
      {"help without a display", {"--help"}, Screen::NoDisplay, 0, "usage: kx760 /I<address>", ""},
      {"-h after switches", {"/I10.0.0.5", "-h"}, Screen::NoDisplay, 0, "exit status:", ""},
      {"no switches offscreen", {}, Screen::Offscreen, 1, "", "kx760: No parameter input"},
      {"no switches without a display", {}, Screen::NoDisplay, 1, "", "kx760: No parameter input"},
      // A start-up error is printed, not shown in a box nobody can close.
      {"bad version offscreen", {"/I127.0.0.1", "/vx"}, Screen::Offscreen, 2, "", "\"x\""},
      // Start-up went well, but the window could never be seen.
      {"switches without a display", {"/I127.0.0.1", "/Rpublic", "/v1"}, Screen::NoDisplay, 2, "",
       "no display"},
  };
  for (const StartCase& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir home;
    const ProgramEnd run = runKx760(c.args, c.screen, home.path());
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
    if (*c.out)
      EXPECT_TRUE(run.out.contains(QLatin1String(c.out))) << run.out.toStdString();
    else
      EXPECT_EQ(run.out, "");
    if (*c.err) EXPECT_TRUE(run.err.contains(QLatin1String(c.err))) << run.err.toStdString();
    else EXPECT_EQ(run.err, "");
  }
}

}  // namespace
