// Arbitrary input to the parsers of texts: none may crash, hang or trip a sanitizer.
#include <gtest/gtest.h>

#include "tests/mvsnmp/FuzzInput.h"
#include "mvsnmp/MvError.h"
#include "mvsnmp/MvExpression.h"
#include "mvsnmp/MvIni.h"
#include "mvsnmp/MvNumList.h"
#include "tests/mvsnmp/TempDir.h"

namespace {

TEST(Fuzz, NumList) {
  FuzzInput in(1);
  in.run([&](long) {
    MvIntList a;
    MvUIntList b;
    a.delimiter = b.delimiter = QLatin1Char(in.number(1) ? ',' : '.');
    const QString text = in.text("0123456789.,-+ a", 40);
    a.parse(text);
    b.parse(text);
    ASSERT_EQ(a.count(), a.countIn(text));
    (void)b.allWithin(1, 100);
  });
}

TEST(Fuzz, Expressions) {
  FuzzInput in(2);
  in.run([&](long) {
    const QString number = in.text("0123456789+-*/().eE NOWnow", 60);
    (void)evaluateNumber(number);
    const QString logic = in.text("01ab=<>!&|()\" truefalse", 60);
    try {
      (void)evaluateLogic(logic);
    } catch (const MvException& e) {
      ASSERT_TRUE(e.code() == -1 || e.code() == MvCode::BadSyntaxInExpression);
    }
  });
}

TEST(Fuzz, IniAndCatalogueFiles) {
  FuzzInput in(3);
  TempDir dir;
  in.run([&](long) {
    QByteArray content = in.bytes(300);
    // Mix in structure so that sections and keys are actually found.
    if (in.number(1)) content.prepend("[S]\nk=");
    const QString path = dir.write("f.ini", content);
    (void)MvIni(path).readString("S", "k", "d");
    (void)loadMessageFile(MvCatalogue::SnmpClassMessages, path);
    for (int code = -424; code <= -400; ++code) (void)messageOf(code);
  });
  MvCatalogues::resetAll();
}

}  // namespace
