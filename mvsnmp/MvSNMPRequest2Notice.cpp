#include "MvSNMPRequest2Notice.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace {

MvSNMPRequest2Notice::MessageHandler& messageHandler() {
  static MvSNMPRequest2Notice::MessageHandler handler;
  return handler;
}

MvSNMPRequest2Notice::BeepHandler& beepHandler() {
  static MvSNMPRequest2Notice::BeepHandler handler;
  return handler;
}

}  // namespace

void MvSNMPRequest2Notice::message(QWidget* parent, const QString& text) {
  const QString caption = programFileName();
  if (messageHandler()) {
    messageHandler()(parent, text, caption);
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok,
                  parent ? parent->window() : nullptr);
  box.exec();
}

void MvSNMPRequest2Notice::beep(int frequencyHz, int durationMs) {
  if (beepHandler()) {
    beepHandler()(frequencyHz, durationMs);
    return;
  }
  QApplication::beep();
}

QString MvSNMPRequest2Notice::programFileName() {
  return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

MvSNMPRequest2Notice::MessageHandler MvSNMPRequest2Notice::setMessageHandler(MessageHandler handler) {
  return std::exchange(messageHandler(), std::move(handler));
}

MvSNMPRequest2Notice::BeepHandler MvSNMPRequest2Notice::setBeepHandler(BeepHandler handler) {
  return std::exchange(beepHandler(), std::move(handler));
}
