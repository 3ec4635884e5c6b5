// The layer rules hold in this source tree, and the checker catches each kind of break.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>

#include "tests/layering/LayerRules.h"

namespace {

QString qtHeaders() { return QLibraryInfo::path(QLibraryInfo::HeadersPath); }

void write(const QString& root, const QString& rel, const QByteArray& text) {
  const QString path = root + "/" + rel;
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(text);
}

TEST(Layering, SourceTreeKeepsEveryRule) {
  ASSERT_TRUE(QFile::exists(qtHeaders() + "/QtWidgets/QWidget")) << qtHeaders().toStdString();
  const QStringList found = layering::violations(QStringLiteral(KX_SOURCE_DIR), qtHeaders());
  EXPECT_TRUE(found.isEmpty()) << found.join('\n').toStdString();
}

struct BreakCase {
  const char* file;
  const char* include;
  const char* why;
};

class LayerBreak : public ::testing::TestWithParam<BreakCase> {};

// A small tree with one header per layer, then one forbidden include added.
TEST_P(LayerBreak, IsReported) {
  const BreakCase c = GetParam();
  QTemporaryDir dir;
  const QString root = dir.path();
  for (const char* h : {"mvsnmp/MvValue.h", "bind/Binding.h", "catalogue/Lists.h",
                        "configform/Form.h", "panel/Panel.h", "shell/Main.h", "widgets/Grid.h"})
    write(root, h, "#pragma once\n");
  write(root, "configform/Form.cpp",
        "#include \"configform/Form.h\"\n#include \"bind/Binding.h\"\n#include <QWidget>\n");
  ASSERT_TRUE(layering::violations(root, qtHeaders()).isEmpty());

  write(root, c.file, QByteArray("#include \"mvsnmp/MvValue.h\"\n") + c.include + "\n");
  const QStringList found = layering::violations(root, qtHeaders());
  ASSERT_EQ(found.size(), 1) << found.join('\n').toStdString();
  EXPECT_TRUE(found[0].contains(c.why)) << found[0].toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rules, LayerBreak,
    ::testing::Values(BreakCase{"mvsnmp/Value.cpp", "#include <QWidget>", "no window-system header"},
                      BreakCase{"mvsnmp/Value.cpp", "#include <QtGui/QColor>", "no window-system header"},
                      BreakCase{"mvsnmp/Session.cpp", "#include <net-snmp/net-snmp-config.h>", "Net-SNMP only"},
                      BreakCase{"bind/Binding.cpp", "#include <net-snmp/library/snmp_api.h>", "Net-SNMP only"},
                      BreakCase{"catalogue/Lists.cpp", "#include \"bind/Binding.h\"", "catalogue may not use bind"},
                      BreakCase{"catalogue/Lists.cpp", "#include \"panel/Panel.h\"", "catalogue may not use panel"},
                      BreakCase{"configform/Form2.cpp", "#include \"panel/Panel.h\"", "configform may not use panel"},
                      BreakCase{"configform/Form2.cpp", "#include \"shell/Main.h\"", "configform may not use shell"},
                      BreakCase{"panel/Panel.cpp", "#include \"shell/Main.h\"", "panel may not use shell"},
                      BreakCase{"editors/Vlan.cpp", "#include \"shell/Main.h\"", "editors may not use shell"},
                      BreakCase{"bind/Binding.cpp", "#include \"catalogue/Lists.h\"", "bind may not use catalogue"},
                      BreakCase{"widgets/Grid.cpp", "#include \"bind/Binding.h\"", "widgets may not use bind"},
                      BreakCase{"panel/Panel.cpp", "#include \"Form.h\"", "an include names its folder"}));

}  // namespace
