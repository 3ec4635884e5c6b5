// Runs the built kx760ctl as a user would, with a registry file and a state directory of the
// test's own, and checks that no sanitizer spoke.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "tests/support/SimAgent.h"

struct CtlRun {
  int exitCode = -1;
  QString out;
  QString err;
};

// The environment kx760ctl runs in: a registry file and a state directory of the test's own.
inline QProcessEnvironment kx760ctlEnvironment(const QString& registryFile, const QString& stateDir) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("KX760_REGISTRY"), registryFile);
  env.insert(QStringLiteral("XDG_STATE_HOME"), stateDir);
  return env;
}

// `variables` are added to the environment.
inline CtlRun runKx760ctl(const QString& registryFile, const QString& stateDir, const QStringList& args,
                          const QMap<QString, QString>& variables = {}) {
  QProcess p;
  QProcessEnvironment env = kx760ctlEnvironment(registryFile, stateDir);
  for (auto v = variables.begin(); v != variables.end(); ++v) env.insert(v.key(), v.value());
  p.setProcessEnvironment(env);
  p.start(QStringLiteral(KX_BIN_DIR "/kx760ctl"), args);
  EXPECT_TRUE(p.waitForFinished(120000)) << "kx760ctl did not end";
  CtlRun r{p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
           QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
  EXPECT_FALSE(r.err.contains(QStringLiteral("Sanitizer")) || r.err.contains(QStringLiteral("runtime error")))
      << r.err.toStdString();
  return r;
}

// A suite of kx760ctl runs against one kx760sim and one directory (registry, state) of its own,
// both started once for the suite. `Suite` gives every suite that derives its own agent.
template <class Suite>
class CtlSimSuite : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    agent_ = new kxtest::SimAgent;
    agent_->start();
    QDir(dir_.path()).mkpath(QStringLiteral("state"));
  }
  static void TearDownTestSuite() {
    delete agent_;
    agent_ = nullptr;
  }
  static QString port() { return QString::number(agent_->port()); }

  static inline QTemporaryDir dir_;
  static inline kxtest::SimAgent* agent_ = nullptr;
};
