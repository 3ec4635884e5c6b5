#include "editors/SmtpControlForm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "mvsnmp/MvDeviceParams.h"
#include "mvsnmp/MvError.h"
#include "bind/MvSNMPRequest2Edits.h"
#include "editors/Progress.h"
#include "widgets/UserNotice.h"

namespace {
constexpr int kDisabled = 0;  // entry of "disabled" in the SMTP status
constexpr int kSend = 0;      // entries of the test message action
constexpr int kNoAction = 1;
}  // namespace

TSMTPControlForm::TSMTPControlForm(QWidget* owner) : TDedicatedForm(owner, QStringLiteral("SMTP Control Table")) {
  setObjectName(QStringLiteral("SMTPControlForm"));
  resize(460, 300);
  status_ = new QComboBox(this);
  status_->setObjectName(QStringLiteral("CB_Status"));
  sendTest_ = new QComboBox(this);
  sendTest_->setObjectName(QStringLiteral("CB_SendTest"));
  const char* names[] = {"Ed_SourceAddress", "Ed_SourcePort", "Ed_SelfMailAddress", "ED_Subject", "Ed_Content"};
  for (int i = 0; i < 5; ++i) {
    edits_[i] = new QLineEdit(this);
    edits_[i]->setObjectName(QLatin1String(names[i]));
  }
  refreshBtn_ = FormParts::MakeButton(this, "Btn_Refresh", QStringLiteral("Refresh"));
  setBtn_ = FormParts::MakeButton(this, "Btn_Set", QStringLiteral("Set"));
  closeBtn_ = FormParts::MakeButton(this, "Button1", QStringLiteral("Close"));
  QStatusBar* bar = FormParts::MakeStatusBar(this, &panel_);
  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("SMTP Status"), status_);
  const char* labels[] = {"Source Address", "Source Port", "Self Mail Address ", "Test Message Subject",
                          "Test message Content"};
  for (int i = 0; i < 5; ++i) fields->addRow(QString::fromLatin1(labels[i]), edits_[i]);
  fields->addRow(QStringLiteral("SMTP Send Test Message"), sendTest_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* b : {refreshBtn_, setBtn_, closeBtn_}) buttons->addWidget(b);
  auto* body = new QVBoxLayout(this);
  body->addLayout(fields);
  body->addStretch();
  body->addLayout(buttons);
  body->addWidget(bar);
  connect(refreshBtn_, &QPushButton::clicked, this, &TSMTPControlForm::Btn_RefreshClick);
  connect(setBtn_, &QPushButton::clicked, this, &TSMTPControlForm::Btn_SetClick);
  connect(closeBtn_, &QPushButton::clicked, this, &QDialog::reject);
  FormCreate();
}

void TSMTPControlForm::showMessage(const QString& message) { panel_->setText(message); }

void TSMTPControlForm::FormCreate() {
  setWindowTitle(QStringLiteral("SMTP Control Table : ") + DeviceTarget.address);
  binding_ = AddBinding("SmtpControlList");
  Guard([this](const QString& m) { showMessage(m); }, [this] {
    binding_->BindComboBox(Status, status_);
    const char* formats[] = {"%s", "%i{n0x65535l5a}", "%s", "%s", "%s"};
    for (int i = 0; i < 5; ++i) binding_->BindEdits(ServerAddress + i, QString::fromLatin1(formats[i]), {edits_[i]});
    binding_->BindComboBox(SendTest, sendTest_);
    binding_->SetTimeout(RequestTimeout);
    // The lines go to the panel the user sees; the bar's own text is hidden behind its panel.
    binding_->SetStatusTarget(panel_);
    binding_->Refresh();
  });
}

void TSMTPControlForm::Btn_RefreshClick() {
  Guard([this](const QString& m) { showMessage(m); }, [this] { binding_->Refresh(); });
}

void TSMTPControlForm::Btn_SetClick() {
  if (Edit(ServerAddress)->text().isEmpty() || Edit(ServerPort)->text().isEmpty())
    return showMessage(QStringLiteral("Please Input Value!"));
  Guard([this](const QString& m) { showMessage(m); }, [&] {
    if (sendTest_->currentIndex() == kSend) {
      if (status_->currentIndex() == kDisabled)
        return UserNotice::information(this, QStringLiteral("Enable SMTP first if you want send a mail"));
      if (UserNotice::askOkCancel(this, UserNotice::windowCaption(this),
                                  QStringLiteral("To Send the mail may take a long time. Do you want to go on?"))) {
        // The dialog starts the write of all seven items and closes itself after its steps; it
        // does not wait for the device.
        TProgressForm progress({this, binding_, panel_});
        progress.setWindowTitle(QStringLiteral("Send the mail Progress"));
        progress.Prompt()->setText(QStringLiteral("Send the mail is doing..."));
        UserNotice::runModal(progress);
        // The device had the dialog's steps to answer; should the write still be out, the read
        // follows once it has ended (the binding runs one operation at a time).
        return WhenDone(binding_, [this](const MvSNMPError&) { Btn_RefreshClick(); });
      }
    } else if (sendTest_->currentIndex() == kNoAction) {
      // Items 0 to 5; the read follows once the write has ended.
      binding_->SetExcluded(SendTest, true);
      const bool sent = ApplyThen(binding_, true, [this](const MvSNMPError&) { Btn_RefreshClick(); });
      binding_->SetExcluded(SendTest, false);
      if (sent) return;
    }
    Btn_RefreshClick();
  });
  binding_->SetExcluded(SendTest, false);
}
