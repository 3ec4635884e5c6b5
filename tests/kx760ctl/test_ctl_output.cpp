// kx760ctl's output writer: what it prints for a varbind, plain and JSON, against what Qt's JSON
// writer makes of the same texts.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "tools/kx760ctl/CtlOutput.h"

namespace {

// What `write` puts out through a CtlOutput, finished.
template <typename Write>
QByteArray printed(bool json, Write write) {
  std::FILE* f = std::tmpfile();
  {
    CtlOutput out(json, f);
    write(out);
    out.finish();
  }
  std::rewind(f);
  QByteArray bytes;
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) bytes.append(buffer, static_cast<qsizetype>(n));
  std::fclose(f);
  return bytes;
}

QByteArray qtJson(const QString& oid, const QString& type, const QString& value) {
  return QJsonDocument(QJsonObject{{"oid", oid}, {"type", type}, {"value", value}}).toJson(QJsonDocument::Compact);
}

// Texts a device may send: quotes and backslashes, every control character, DEL, Latin-1 and
// other scripts, a character outside the basic plane.
const QString kValues[] = {
    QStringLiteral("plain text"),
    QStringLiteral("a \"quoted\" \\ back\\slash /"),
    QString::fromUtf8("\x01\x02\x08\x09\x0a\x0b\x0c\x0d\x1b\x1f end"),
    QStringLiteral("del \x7f"),
    QString::fromUtf8("caf\xc3\xa9 \xe6\xbc\xa2\xe5\xad\x97 \xf0\x9f\x98\x80"),
    QString(),
};

TEST(CtlOutput, JsonIsWhatQtWritesForEveryText) {
  const MvOid oid = {1, 3, 6, 1, 2, 1, 1, 5, 0};
  for (const QString& value : kValues) {
    SCOPED_TRACE(value.toStdString());
    const QByteArray expected =
        "[\n  " + qtJson("1.3.6.1.2.1.1.5.0", "octetstr", value) + ",\n  " + qtJson("1.3.6.1.2.1.1.5.0", "octetstr", value) + "\n]\n";
    EXPECT_EQ(printed(true,
                      [&](CtlOutput& out) {
                        out.add(CtlVarBind{"1.3.6.1.2.1.1.5.0", "octetstr", value});
                        out.add(oid, "octetstr", value);
                      }),
              expected);
    // And the whole list reads back as the texts.
    const QJsonDocument back = QJsonDocument::fromJson(expected);
    EXPECT_EQ(back[1]["value"].toString(), value);
  }
  EXPECT_EQ(printed(true, [](CtlOutput&) {}), "[]\n");
}

TEST(CtlOutput, PlainLinesAreUtf8OrTheDisplayStringsOctets) {
  const MvOid oid = {1, 3, 6, 1, 2, 1, 1, 5, 0};
  const QString text = QString::fromUtf8("caf\xc3\xa9");
  EXPECT_EQ(printed(false, [&](CtlOutput& out) { out.add(oid, "octetstr", text); }),
            QByteArray("1.3.6.1.2.1.1.5.0 = caf\xc3\xa9\n"));
  // A display string's characters are its octets, one each.
  EXPECT_EQ(printed(false, [&](CtlOutput& out) { out.add(oid, "displaystr", text); }),
            QByteArray("1.3.6.1.2.1.1.5.0 = caf\xe9\n"));
  EXPECT_EQ(printed(false, [&](CtlOutput& out) { out.add(CtlVarBind{"1.3.6", "integer", "-5"}); }),
            QByteArray("1.3.6 = -5\n"));
}

}  // namespace
