// kx760 and kx760mib from a shell: their usage, and start-up where nobody can see a window. Nothing
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

ProgramEnd runProgram(const QString& name, const QStringList& args, Screen screen, const QString& home) {
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
  program.start(QStringLiteral(KX_BIN_DIR "/") + name, args);
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
  const char* program;
  QStringList args;
  Screen screen;
  int exitCode;
  const char* out;  // a text stdout must hold ("" for none: stdout stays empty)
  const char* err;  // a text stderr must hold ("" for none)
};

TEST(ProgramStart, UsageAndStartUpErrorsEndByThemselves) {
  const StartCase cases[] = {
      {"help offscreen", "kx760", {"--help"}, Screen::Offscreen, 0, "usage: kx760 /I<address>", ""},
      {"help without a display", "kx760", {"--help"}, Screen::NoDisplay, 0, "usage: kx760 /I<address>", ""},
      {"-h after switches", "kx760", {"/I10.0.0.5", "-h"}, Screen::NoDisplay, 0, "exit status:", ""},
      {"no switches offscreen", "kx760", {}, Screen::Offscreen, 1, "", "kx760: No parameter input"},
      {"no switches without a display", "kx760", {}, Screen::NoDisplay, 1, "", "kx760: No parameter input"},
      // A start-up error is printed, not shown in a box nobody can close.
      {"bad version offscreen", "kx760", {"/I127.0.0.1", "/vx"}, Screen::Offscreen, 2, "", "\"x\""},
      // Start-up went well, but the window could never be seen.
      {"switches without a display", "kx760", {"/I127.0.0.1", "/Rpublic", "/v1"}, Screen::NoDisplay, 2, "",
       "no display"},
      {"kx760mib help without a display", "kx760mib", {"--help"}, Screen::NoDisplay, 0, "/TMIB_IFCounters", ""},
      {"kx760mib bad version offscreen", "kx760mib", {"/I127.0.0.1", "/vx", "/TMIB_Info"}, Screen::Offscreen, 2,
       "", "\"x\""},
      {"kx760mib without a display", "kx760mib", {"/I127.0.0.1", "/Rpublic", "/Wprivate", "/v1", "/TMIB_Info"},
       Screen::NoDisplay, 2, "",
       "no display"},
  };
  for (const StartCase& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir home;
    const ProgramEnd run = runProgram(QLatin1String(c.program), c.args, c.screen, home.path());
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
