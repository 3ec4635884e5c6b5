#include "editors/LogSaveControlForm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "mvsnmp/MvError.h"
#include "bind/MvSNMPRequest2Edits.h"
#include "widgets/UserNotice.h"

namespace {
constexpr int kTimeInterval = 0;  // entry of "time-interval"
}  // namespace

TLogSaveControlForm::TLogSaveControlForm(QWidget* owner) : TDedicatedForm(owner, QStringLiteral("Log Save Control")) {
  setObjectName(QStringLiteral("LogSaveControlForm"));
  resize(380, 170);
  method_ = new QComboBox(this);
  method_->setObjectName(QStringLiteral("cbxLogSaveMethod"));
  interval_ = new QLineEdit(this);
  interval_->setObjectName(QStringLiteral("EdLogSavetimeInterval"));
  refreshBtn_ = FormParts::MakeButton(this, "btnRefresh", QStringLiteral("Refresh"));
  setBtn_ = FormParts::MakeButton(this, "btnSet", QStringLiteral("Set"));
  QStatusBar* bar = FormParts::MakeStatusBar(this, &panel_);
  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("Log Save Method"), method_);
  fields->addRow(QStringLiteral("Log SaveTime Interval"), interval_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(refreshBtn_);
  buttons->addWidget(setBtn_);
  auto* body = new QVBoxLayout(this);
  body->addLayout(fields);
  body->addStretch();
  body->addLayout(buttons);
  body->addWidget(bar);
  connect(refreshBtn_, &QPushButton::clicked, this, &TLogSaveControlForm::btnRefreshClick);
  connect(setBtn_, &QPushButton::clicked, this, &TLogSaveControlForm::btnSetClick);
  connect(method_, &QComboBox::currentIndexChanged, this, &TLogSaveControlForm::cbxLogSaveMethodChange);
  FormCreate();
}

void TLogSaveControlForm::FormCreate() {
  Guard([this](const QString& m) { panel_->setText(m); }, [this] {
    binding_ = AddBinding("LogSaveControlList");
    binding_->BindComboBox(Method, method_);
    binding_->BindEdits(Interval, QStringLiteral("%i{n1x65535l5a}"), {interval_});
    binding_->SetStatusTarget(panel_);
    binding_->SetAsynchronous(false);
    binding_->Refresh();
  });
  cbxLogSaveMethodChange();
}

void TLogSaveControlForm::cbxLogSaveMethodChange() { interval_->setEnabled(method_->currentIndex() == kTimeInterval); }

void TLogSaveControlForm::btnRefreshClick() {
  if (binding_ && !binding_->Busy())
    Guard([this](const QString& m) { panel_->setText(m); }, [this] { binding_->Refresh(); });
  cbxLogSaveMethodChange();
}

void TLogSaveControlForm::btnSetClick() {
  if (!binding_ || binding_->Busy()) return;
  const auto refuse = [this](const QString& text, QWidget* focus) {
    UserNotice::information(this, text);
    focus->setFocus();
  };
  if (method_->currentIndex() < 0) return refuse(QStringLiteral("You should choose Log Save Method."), method_);
  const bool timed = method_->currentIndex() == kTimeInterval;
  if (timed && interval_->text().isEmpty())
    return refuse(QStringLiteral("You should fill in Log Savetime Interval."), interval_);
  Guard([this](const QString& m) { panel_->setText(m); }, [&] {
    binding_->SetExcluded(Interval, !timed);
    binding_->Apply(true, true);
  });
  // Later refreshes read the interval again, and a later time-interval set writes it.
  binding_->SetExcluded(Interval, false);
}
