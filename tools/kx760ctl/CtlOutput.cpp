#include "CtlOutput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "MvSNMPVarList.h"

void CtlOutput::add(const CtlVarBind& vb) {
  if (json_) {
    pending_.push_back(vb);
    return;
  }
  // A display string holds one character per octet: the octets go out as the device sent them,
  // so a terminal shows text in its own encoding.
  const QByteArray value = vb.type == QLatin1String(syntaxKeyword(Syntax::DisplayStr))
                               ? vb.value.toLatin1()
                               : vb.value.toUtf8();
  const QByteArray line = vb.oid.toUtf8() + " = " + value + '\n';
  std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stream_);
  std::fflush(stream_);
}

void CtlOutput::write(const QByteArray& document) {
  finished_ = true;
  std::fwrite(document.constData(), 1, static_cast<size_t>(document.size()), stream_);
  if (!document.endsWith('\n')) std::fputc('\n', stream_);
  std::fflush(stream_);
}

void CtlOutput::finish() {
  if (finished_ || !json_) return;
  finished_ = true;
  QJsonArray list;
  for (const CtlVarBind& vb : pending_)
    list.append(QJsonObject{{"oid", vb.oid}, {"type", vb.type}, {"value", vb.value}});
  const QByteArray text = QJsonDocument(list).toJson(QJsonDocument::Indented);
  std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stream_);
  std::fflush(stream_);
}
