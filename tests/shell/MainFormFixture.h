// The main window's test fixture: one kx760sim for the test suite, a main window started on it,
// and recorded answers in place of the user.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <functional>
#include <memory>

#include "widgets/UserNotice.h"
#include "configform/Guiconfigform.h"
#include "shell/MainUnit.h"
#include "catalogue/MenuMap.h"
#include "mvsnmp/MvDeviceParams.h"
#include "bind/MvSNMPRequest2Edits.h"
#include "tests/support/NetSnmpTool.h"
#include "tests/support/EventWait.h"
#include "tests/support/SimAgent.h"

namespace shelltest {

using kxtest::waitUntil;

// Records the main window's messages and questions and runs the forms it opens without a user.
struct Answers {
  QStringList messages;
  QStringList questions;  // "caption|text"
  bool answer = false;
  std::function<void(TConfigForm&)> onForm;
  int forms = 0;

  Answers() {
    previousNotice_ = UserNotice::setNoticeHandler([this](const UserNotice::Notice& n) {
      if (n.buttons == UserNotice::Buttons::Ok) {
        messages << n.text;
        return true;
      }
      questions << n.caption + '|' + n.text;
      return answer;
    });
    // Forms are run here; any other dialog goes to whoever answered dialogs before.
    previousRunner_ = UserNotice::setModalRunner([this](QDialog& dialog) {
      auto* form = dynamic_cast<TConfigForm*>(&dialog);
      if (!form) {
        if (previousRunner_) previousRunner_(dialog);
        return;
      }
      ++forms;
      form->show();
      if (onForm) onForm(*form);
      if (form->isVisible()) form->close();
    });
  }
  ~Answers() {
    UserNotice::setNoticeHandler(std::move(previousNotice_));
    UserNotice::setModalRunner(std::move(previousRunner_));
  }
  Answers(const Answers&) = delete;
  Answers& operator=(const Answers&) = delete;

 private:
  UserNotice::NoticeHandler previousNotice_;
  UserNotice::ModalRunner previousRunner_;
};

// The status memo of the page on view.
inline QPlainTextEdit* memoOf(TConfigForm& form) {
  QWidget* page = form.PageControl() ? form.PageControl()->currentWidget() : &form;
  return page->findChild<QPlainTextEdit*>("Memo");
}

// What a run of the kx760 program of this build ended with.
struct ProgramRun {
  bool ended = false;  // within two minutes
  int exitCode = -1;
  QString err;
};

// Runs kx760 offscreen with the v2c switches on an agent's port and `extra` arguments, its state
// in `stateDir`, and waits for it to end.
inline ProgramRun runProgram(int port, const QStringList& extra, const QString& stateDir) {
  QProcess program;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("XDG_STATE_HOME", stateDir);
  program.setProcessEnvironment(env);
  program.start(QStringLiteral(KX_BIN_DIR "/kx760"),
                QStringList{"/I127.0.0.1", "/Rpublic", "/Wprivate", "/v1", "--port", QString::number(port)} + extra);
  ProgramRun run;
  if (!program.waitForStarted()) return run;
  run.ended = program.waitForFinished(120000);
  if (!run.ended) program.kill();
  run.exitCode = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
  run.err = QString::fromLocal8Bit(program.readAllStandardError());
  return run;
}

class MainFormTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    agent_ = new kxtest::SimAgent;
    agent_->start({"--led-period", "0", "--modules", "KM-6B,none"});
  }
  static void TearDownTestSuite() {
    delete agent_;
    agent_ = nullptr;
  }

  std::unique_ptr<TMainForm> open(const QStringList& parameters = kV1Parameters) {
    return openOn(agent_->port(), parameters);
  }
  // A main window on another agent's port; its reads wait `timeout` hundredths of a second per
  // try (short where a test waits for them to time out).
  static std::unique_ptr<TMainForm> openOn(int port, const QStringList& parameters = kV1Parameters,
                                           qint32 timeout = 300) {
    TMainForm::Options options;
    options.agentPort = static_cast<quint16>(port);
    options.confirmExit = false;
    auto form = std::make_unique<TMainForm>(parameters, options);
    DeviceTarget.timeout = timeout;
    // FormCreate's reads run from the event loop once the window exists.
    if (!form->Ended()) { EXPECT_TRUE(waitUntil([&] { return form->DeviceStateRead(); })); }
    return form;
  }

  static void setRmon(int value) {
    const auto r = kxtest::runNetSnmpTool({"snmpset", "-v2c", "-c", "private", agent_->address(),
                                           "1.3.6.1.4.1.48213.11.63.2.2.1.2.16.0", "i", std::to_string(value)});
    ASSERT_EQ(r.exitCode, 0) << r.err;
  }

  Answers answers;
  inline static kxtest::SimAgent* agent_ = nullptr;
  inline static const QStringList kV1Parameters = {"/I127.0.0.1", "/Rpublic", "/Wprivate", "/v1"};
};

}  // namespace shelltest
