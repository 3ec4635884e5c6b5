#include "editors/Progress.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include "mvsnmp/MvError.h"
#include "bind/MvSNMPRequest2Controls.h"

TProgressForm::TProgressForm(const ProgressHost& host) : QDialog(host.window) {
  setObjectName(QStringLiteral("ProgressForm"));
  setWindowTitle(QStringLiteral("Progress"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(ClientWidth, ClientHeight);

  lbPrompt_ = new QLabel(this);
  lbPrompt_->setObjectName(QStringLiteral("LB_Prompt"));
  QFont bold = lbPrompt_->font();
  bold.setBold(true);
  lbPrompt_->setFont(bold);
  lbPrompt_->setGeometry(16, 7, ClientWidth - 32, 17);

  progressBar_ = new QProgressBar(this);
  progressBar_->setObjectName(QStringLiteral("ProgressBar"));
  progressBar_->setGeometry(16, 32, 329, 16);
  progressBar_->setRange(0, 76);
  progressBar_->setValue(0);
  progressBar_->setTextVisible(false);

  progressTimer_ = new QTimer(this);
  progressTimer_->setObjectName(QStringLiteral("ProgressTimer"));
  progressTimer_->setInterval(1000);
  connect(progressTimer_, &QTimer::timeout, this, &TProgressForm::ProgressTimerTimer);

  if (host.window) {
    const QRect r = host.window->geometry();
    move(r.center() - rect().center());
  }
  // The host's write; a failure is reported and the dialog still runs its steps.
  if (host.binding) {
    try {
      host.binding->Apply(true, true);
    } catch (const MvException& e) {
      if (host.statusPanel) host.statusPanel->setText(e.message());
    }
  }
  FormCreate();
}

TProgressForm::~TProgressForm() = default;

void TProgressForm::FormCreate() { progressTimer_->start(); }

void TProgressForm::ProgressTimerTimer() {
  if (progressBar_->value() >= CloseAtPosition) {
    close();
    return;
  }
  progressBar_->setValue(progressBar_->value() + 1);
  if (progressBar_->value() >= progressBar_->maximum()) progressBar_->setValue(progressBar_->minimum());
}

void TProgressForm::FormClose() { progressTimer_->stop(); }

void TProgressForm::done(int result) {
  // Every way out (its own closing tick, Escape, the window's close) ends here.
  FormClose();
  QDialog::done(result);
}
