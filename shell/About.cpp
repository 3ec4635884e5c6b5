#include "shell/About.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

QPointer<TAboutForm> AboutForm;

namespace {

// The module's 32 x 32 icon: a small switch seen from the front, ports and lit LEDs.
QPixmap moduleIcon() {
  QPixmap icon(32, 32);
  icon.fill(Qt::transparent);
  QPainter p(&icon);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QColor(0x18, 0x18, 0x1c));
  p.setBrush(QColor(0x3a, 0x3d, 0x44));
  p.drawRoundedRect(QRectF(1.5, 9.5, 29, 14), 2, 2);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 4; ++i) {
    p.setBrush(QColor(0x0c, 0x0c, 0x0e));
    p.drawRect(12 + i * 4, 14, 3, 3);
    p.drawRect(12 + i * 4, 18, 3, 3);
    p.setBrush(i % 2 ? QColor(0xff, 0xa0, 0x20) : QColor(0x30, 0xe0, 0x40));
    p.drawRect(12 + i * 4, 11, 2, 2);
  }
  p.setBrush(QColor(0x30, 0xe0, 0x40));
  p.drawEllipse(QRectF(4, 13, 3, 3));
  p.setBrush(QColor(0xc8, 0xc8, 0xcc));
  p.drawRect(4, 18, 5, 1);
  return icon;
}

QLabel* labelAt(QWidget* parent, const char* name, int left, int top) {
  auto* label = new QLabel(parent);
  label->setObjectName(QLatin1String(name));
  label->move(left, top);
  return label;
}

}  // namespace

TAboutForm::TAboutForm(QWidget* mainWindow) : QDialog(mainWindow) {
  setObjectName(QStringLiteral("AboutForm"));
  setAttribute(Qt::WA_DeleteOnClose);  // a closed box frees itself
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(ClientWidth, ClientHeight);

  imageKX760_ = labelAt(this, "ImageKX760", 9, 32);
  imageKX760_->setPixmap(moduleIcon());
  imageKX760_->resize(32, 32);
  label_ = labelAt(this, "Label", 57, 16);
  QFont bold = label_->font();
  bold.setBold(true);
  bold.setPixelSize(12);
  label_->setFont(bold);
  versionLabel_ = labelAt(this, "VersionLabel", 58, 40);
  versionLabel_->setText(QStringLiteral("Release Version 4.20"));
  auto* line = labelAt(this, "Label3", 58, 64);
  line->setText(QStringLiteral("Copyright (C) 2008 Maravel. All rights reserved."));
  line->adjustSize();
  versionLabel_->adjustSize();

  btOk_ = new QPushButton(QStringLiteral("Ok"), this);
  btOk_->setObjectName(QStringLiteral("BT_Ok"));
  btOk_->setGeometry(OkLeft, 48, 51, 25);
  btOk_->setDefault(true);
  btOk_->installEventFilter(this);
  connect(btOk_, &QPushButton::clicked, this, &TAboutForm::BT_OkClick);

  if (mainWindow) {
    const QRect host = mainWindow->geometry();
    move(host.center() - rect().center());
  }
  // Texts are set as on activation, so that a box that never becomes active still reads right.
  FormActivate();
}

void TAboutForm::FormActivate() {
  imageKX760_->show();
  label_->setText(QStringLiteral("Maravel KX-760 Management Module"));
  label_->adjustSize();
  setWindowTitle(QStringLiteral("About KX-760 Module"));
  fitContents();
}

void TAboutForm::fitContents() {
  // The texts are measured in this platform's font, which may be wider than the one the box was
  // drawn for: the button keeps its row but stands right of the widest text, and the box grows
  // to hold everything, never below its designed size.
  int textRight = 0;
  int bottom = btOk_->geometry().bottom();
  for (QLabel* label : findChildren<QLabel*>()) {
    textRight = std::max(textRight, label->geometry().right());
    bottom = std::max(bottom, label->geometry().bottom());
  }
  btOk_->move(std::max(OkLeft, textRight + Gap), btOk_->y());
  setFixedSize(std::max(ClientWidth, btOk_->geometry().right() + Gap),
               std::max(ClientHeight, bottom + Gap));
}

void TAboutForm::BT_OkClick() { close(); }

bool TAboutForm::BT_OkKeyDown(int key, Qt::KeyboardModifiers shift) {
  const Qt::KeyboardModifiers both = Qt::ShiftModifier | Qt::AltModifier;
  if (key != Qt::Key_F3 || (shift & both) != both) return false;
  versionLabel_->setText(QStringLiteral("Release Version 4.20R12(Build 2008/11/10)"));
  versionLabel_->adjustSize();
  fitContents();
  return true;
}

bool TAboutForm::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) FormActivate();
  return QDialog::event(e);
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* e) {
  if (watched == btOk_ && e->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(e);
    if (BT_OkKeyDown(key->key(), key->modifiers())) return true;
  }
  return QDialog::eventFilter(watched, e);
}
