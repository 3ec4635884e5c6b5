#include <gtest/gtest.h>

#include <QDir>

#include "mvsnmp/MvIni.h"
#include "mvsnmp/MvPath.h"
#include "tests/mvsnmp/TempDir.h"

namespace {

TEST(MvIni, ReadStringRules) {
  TempDir dir;
  const QString file = dir.write("10.0.0.1.cfg",
                                 "; host profile\r\n"
                                 "[Other]\r\n"
                                 "Port=999\r\n"
                                 "[Program Information]\r\n"
                                 "Port =   161  \r\n"
                                 "Empty=\r\n"
                                 "Blanks=   \r\n"
                                 "User=a=b\r\n"
                                 "Quoted=\"  q \"\r\n"
                                 "port=second\r\n"
                                 "Long=" + QByteArray(5000, 'v') + "\r\n");
  MvIni ini(file);
  struct Case {
    const char* section;
    const char* key;
    const char* def;
    QString expected;
  } cases[] = {
      {"Program Information", "Port", "d", "161"},
      {"program information", "PORT", "d", "161"},
      {"Other", "Port", "d", "999"},
      {"Program Information", "Empty", " def ", " def "},
      {"Program Information", "Blanks", "x", "x"},
      {"Program Information", "User", "", "a=b"},
      {"Program Information", "Quoted", "", "q"},
      {"Program Information", "Missing", "dflt", "dflt"},
      {"No Such Section", "Port", "7", "7"},
      {"Program Information", "Long", "", QString(4095, u'v')},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ini.readString(c.section, c.key, c.def), c.expected) << c.section << "/" << c.key;
  EXPECT_EQ(MvIni(dir.path("missing.cfg")).readString("Program Information", "Port", "161"), "161");
}

TEST(JoinPath, InsertsOneSeparator) {
  const QString sep = QDir::separator();
  EXPECT_EQ(joinPath("", "MvSNMP_PP_BootCounter"), "MvSNMP_PP_BootCounter");
  EXPECT_EQ(joinPath("/opt/module", "a.err"), "/opt/module" + sep + "a.err");
  EXPECT_EQ(joinPath("/opt/module" + sep, "a.err"), "/opt/module" + sep + "a.err");
}

}  // namespace
