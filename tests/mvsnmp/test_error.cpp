#include <gtest/gtest.h>

#include <ostream>

#include <QDir>

#include "mvsnmp/MvError.h"
#include "tests/mvsnmp/TempDir.h"

namespace {

struct StatusCase {
  int status;
  int code;
  const char* text;
};

void PrintTo(const StatusCase& c, std::ostream* os) { *os << "status " << c.status; }

class TranslateStatus : public ::testing::TestWithParam<StatusCase> {};

TEST_P(TranslateStatus, MapsEveryRangeBorder) {
  MvCatalogues::resetAll();
  const StatusCase c = GetParam();
  const MvSNMPError e = translateStatus(c.status);
  EXPECT_EQ(e.code, c.code);
  EXPECT_EQ(e.message, QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Borders, TranslateStatus,
    ::testing::Values(StatusCase{0, 0, "Ok"}, StatusCase{1400, 0, "Ok"}, StatusCase{-1401, 0, "Ok"},
                      StatusCase{1, -101, "(SNMP) Response PDU Too Big!"},
                      StatusCase{2, -102, "(SNMP) Variable does not exist!"},
                      StatusCase{18, -118, "(SNMP) Cannot create variable, Inconsistent Name!"},
                      StatusCase{19, -528, "(MvSNMP++) Unknown error code!"},
                      StatusCase{-1402, -201, "(SNMPv3) Unsupported Security Model!"},
                      StatusCase{-1418, -217, "(SNMPv3) Report sent!"},
                      StatusCase{-1419, -528, "(MvSNMP++) Unknown error code!"},
                      StatusCase{1401, -301, "(SNMPv3USM) error!"},
                      StatusCase{1413, -313, "(SNMPv3USM) Unsupported PrivProtocol!"},
                      StatusCase{1414, -314, "(SNMPv3USM) Address error!"},
                      StatusCase{1415, -528, "(MvSNMP++) Unknown error code!"},
                      StatusCase{-1, -401, "(SNMPClass) Operation failed!"},
                      StatusCase{-5, -405, "(SNMPClass) SNMP request timed out!"},
                      StatusCase{-9, -409, "(SNMPClass)Unknown error code!"},
                      StatusCase{-20, -420, "(SNMP Class) Transport is not supported!"},
                      StatusCase{-23, -423, "(SNMPClass) Blocked Mode Shutdown!"},
                      StatusCase{-24, -528, "(MvSNMP++) Unknown error code!"},
                      StatusCase{-1400, -528, "(MvSNMP++) Unknown error code!"}));

struct CatalogueCase {
  MvCatalogue catalogue;
  int size;
  int firstCode;  // code of entry 1, or 0 for the status formats
  const char* last;
};

TEST(Catalogues, BuiltInSizesAndTexts) {
  MvCatalogues::resetAll();
  const CatalogueCase cases[] = {
      {MvCatalogue::CommonMessages, 19, -1, "Fail to read option data from file([FILENAME])!"},
      {MvCatalogue::SnmpStatusMessages, 18, -102, "(SNMP) Cannot create variable, Inconsistent Name!"},
      {MvCatalogue::SnmpV3Messages, 17, -202, "(SNMPv3) Report sent!"},
      {MvCatalogue::SnmpUsmMessages, 14, -302, "(SNMPv3USM) Address error!"},
      {MvCatalogue::SnmpClassMessages, 23, -402, "(SNMPClass) Blocked Mode Shutdown!"},
      {MvCatalogue::LibraryMessages, 29, -501, "(MvSNMP++) Unknown error code!"},
      {MvCatalogue::StatusFormats, 2, 0, "Set: [ERROR] Request:[VARLIST]. Receive at [TIME]."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MvCatalogues::builtInSize(c.catalogue), c.size);
    EXPECT_EQ(MvCatalogues::entry(c.catalogue, c.size - 1), QString::fromUtf8(c.last));
    EXPECT_TRUE(MvCatalogues::entry(c.catalogue, c.size).isEmpty());
    if (c.firstCode) {
      EXPECT_EQ(messageOf(c.firstCode), MvCatalogues::entry(c.catalogue, 1));
    }
  }
  EXPECT_EQ(messageOf(0), "Ok");
  EXPECT_EQ(MvCatalogues::entry(MvCatalogue::CommonMessages, 0), "Ok!");
  EXPECT_EQ(messageOf(-9),
            "Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
            "Here,the count of the number is less than [MAXCOUNT]!");
  EXPECT_EQ(messageOf(-509), "(MvSNMP++) Invalid IP Address or DNS name!");
  EXPECT_EQ(messageOf(-999), "(MvSNMP++) Unknown error code!");
}

TEST(Catalogues, RaiseErrorCarriesCodeAndFilledText) {
  MvCatalogues::resetAll();
  try {
    raiseError(-8, {{"[MIN]", "1"}, {"[MAX]", "4094"}});
    FAIL() << "no exception";
  } catch (const MvException& e) {
    EXPECT_EQ(e.code(), -8);
    EXPECT_EQ(e.message(), "Please enter a number between 1 and 4094!");
    EXPECT_STREQ(e.what(), "Please enter a number between 1 and 4094!");
  }
}

TEST(Catalogues, ShippedFilesMatchTheBuiltInTexts) {
  // The files users edit start as the built-in texts (a line break becomes a blank: a file line
  // cannot hold one).
  for (int c = 0; c <= static_cast<int>(MvCatalogue::StatusFormats); ++c) {
    const auto cat = static_cast<MvCatalogue>(c);
    MvCatalogues::resetAll();
    const QString path = QStringLiteral(KX_SOURCE_DIR "/resources/") + MvCatalogues::fileName(cat);
    ASSERT_TRUE(loadMessageFile(cat, path)) << path.toStdString();
    for (int k = 0; k < MvCatalogues::builtInSize(cat); ++k) {
      const QString loaded = MvCatalogues::entry(cat, k);
      MvCatalogues::resetAll();
      EXPECT_EQ(loaded, MvCatalogues::entry(cat, k).replace(u'\n', u' '));
      loadMessageFile(cat, path);
    }
  }
  MvCatalogues::resetAll();
}

struct FileCase {
  const char* name;
  QByteArray content;
  std::vector<const char*> expected;  // entries 0.. after loading
};

TEST(Catalogues, LoadMessageFileRules) {
  const QByteArray longLine(1500, 'x');
  const FileCase cases[] = {
      {"blank lines take no place", "one\n\n   \n\t\ntwo\r\n", {"one", "two"}},
      {"leading blanks are kept", "  indented\n", {"  indented"}},
      {"trailing blanks are kept", "tail  \n", {"tail  "}},
      {"no final line feed", "last", {"last"}},
      {"too many lines are loaded", "a\nb\nc\nd\n", {"a", "b", "c", "d"}},
  };
  TempDir dir;
  for (const auto& c : cases) {
    MvCatalogues::resetAll();
    ASSERT_TRUE(loadMessageFile(MvCatalogue::StatusFormats, dir.write("f.msg", c.content))) << c.name;
    for (size_t k = 0; k < c.expected.size(); ++k)
      EXPECT_EQ(MvCatalogues::entry(MvCatalogue::StatusFormats, static_cast<int>(k)),
                QString::fromUtf8(c.expected[k]))
          << c.name;
  }
  // An over-long line is read as several lines of at most 1023 characters.
  MvCatalogues::resetAll();
  ASSERT_TRUE(loadMessageFile(MvCatalogue::CommonMessages, dir.write("long.err", longLine + "\nz\n")));
  EXPECT_EQ(MvCatalogues::entry(MvCatalogue::CommonMessages, 0).size(), 1023);
  EXPECT_EQ(MvCatalogues::entry(MvCatalogue::CommonMessages, 1).size(), 1500 - 1023);
  EXPECT_EQ(MvCatalogues::entry(MvCatalogue::CommonMessages, 2), "z");
  MvCatalogues::resetAll();
}

TEST(Catalogues, ShortFileKeepsBuiltInTextsForTheRest) {
  TempDir dir;
  MvCatalogues::resetAll();
  // 23 class messages with a blank line between the 4th and 5th: all 23 replaced in order.
  QByteArray full;
  for (int k = 0; k < 23; ++k) full += "class " + QByteArray::number(k) + (k == 3 ? "\n\n" : "\n");
  ASSERT_TRUE(loadMessageFile(MvCatalogue::SnmpClassMessages, dir.write("snmpclass.err", full)));
  EXPECT_EQ(messageOf(-404), "class 3");
  EXPECT_EQ(messageOf(-405), "class 4");
  EXPECT_EQ(translateStatus(-23).message, "class 22");
  // A shortened file: the entries it does not supply keep their built-in texts.
  ASSERT_TRUE(loadMessageFile(MvCatalogue::SnmpClassMessages, dir.write("short.err", "only one\n")));
  EXPECT_EQ(messageOf(-401), "only one");
  EXPECT_EQ(messageOf(-405), "(SNMPClass) SNMP request timed out!");
  // Missing and empty files keep the catalogue.
  EXPECT_FALSE(loadMessageFile(MvCatalogue::SnmpClassMessages, dir.path("missing.err")));
  EXPECT_FALSE(loadMessageFile(MvCatalogue::SnmpClassMessages, dir.write("empty.err", "\n \n")));
  EXPECT_EQ(messageOf(-401), "only one");
  // A replaced catalogue affects errors raised afterwards.
  ASSERT_TRUE(loadMessageFile(MvCatalogue::CommonMessages, dir.write("c.err", "ok\nLogic!\n")));
  try {
    raiseError(-1);
  } catch (const MvException& e) {
    EXPECT_EQ(e.message(), "Logic!");
  }
  MvCatalogues::resetAll();
}

}  // namespace
