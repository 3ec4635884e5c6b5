// kx760-guide: turns the Markdown user guide into the HTML page that Help opens when the host's
// help file is absent. Run at build time: kx760-guide INPUT.md OUTPUT.html
#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: kx760-guide INPUT.md OUTPUT.html\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);  // the document's fonts need a GUI application
  QFile in(QString::fromLocal8Bit(argv[1]));
  if (!in.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "kx760-guide: cannot read %s\n", argv[1]);
    return 1;
  }
  QTextDocument doc;
  doc.setMarkdown(QString::fromUtf8(in.readAll()));
  doc.setMetaInformation(QTextDocument::DocumentTitle, QStringLiteral("KX-760 Manager — User Guide"));
  QFile out(QString::fromLocal8Bit(argv[2]));
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(doc.toHtml().toUtf8()) < 0) {
    std::fprintf(stderr, "kx760-guide: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
