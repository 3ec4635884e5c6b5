#include <gtest/gtest.h>

#include <cmath>

#include "mvsnmp/MvError.h"
#include "mvsnmp/MvExpression.h"
#include "mvsnmp/MvNumList.h"

namespace {

TEST(MvNumList, CountAndParse) {
  struct Case {
    const char* text;
    char delimiter;
    std::vector<qint32> expected;
  } cases[] = {
      {"1,2,3", ',', {1, 2, 3}},
      {"2,10", ',', {2, 10}},
      {"7", ',', {7}},
      {"", ',', {}},
      {"1,,3", ',', {1, 0, 3}},
      {"12.9,4", ',', {12, 4}},       // fraction digits do not change the number
      {"192.168.0.1", '.', {192, 168, 0, 1}},
      {"1a", ',', {10 + ('a' - '0')}},  // other characters fold in by their distance from "0"
      {"4294967296", ',', {0}},         // wraps modulo 2^32
  };
  for (const auto& c : cases) {
    MvIntList list;
    list.delimiter = QLatin1Char(c.delimiter);
    EXPECT_EQ(list.countIn(c.text), static_cast<int>(c.expected.size())) << c.text;
    list.parse(c.text);
    EXPECT_EQ(list.values(), c.expected) << c.text;
  }
}

TEST(MvNumList, IndexOfAndAllWithin) {
  MvUIntList list;
  EXPECT_TRUE(list.allWithin(1, 2));  // empty
  list.delimiter = QLatin1Char(',');
  list.parse("3,4094,1");
  EXPECT_EQ(list.indexOf(4094u), 1);
  EXPECT_EQ(list.indexOf(5u), -1);
  EXPECT_TRUE(list.allWithin(1, 4094));
  EXPECT_FALSE(list.allWithin(2, 4094));
  list.parse("-1");  // wraps to the largest unsigned value
  EXPECT_FALSE(list.allWithin(0, 4094));
}

TEST(Expressions, EvaluateNumber) {
  struct Case {
    const char* text;
    double expected;
  } cases[] = {
      {"2*(3+4)", 14},     {"10-4-3", 9},   {"-5", -5},         {"1+2+3", 6},
      {"((2))", 2},        {"8/2", 4},      {"8/0", 0},         {"", 0},
      {"abc", 0},          {"6/2*3", 18},   {"2*(0-5)", -5},     {" 1.5 + 2.25", 3.75},
      {"((1+1)", 1},       {"(1)+((2)", 1}, {"1e2*2", 200},     {"100/(5-5)", 0},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(evaluateNumber(c.text), c.expected) << c.text;
  // A long chain is evaluated without deep recursion.
  QString chain = "1";
  for (int i = 0; i < 20000; ++i) chain += "+1";
  EXPECT_DOUBLE_EQ(evaluateNumber(chain), 20001);
  // NOW is today's day count since 1899-12-30.
  EXPECT_NEAR(evaluateNumber("now-now"), 0, 1e-3);
  EXPECT_GT(evaluateNumber("NOW"), 46000);
}

TEST(Expressions, EvaluateLogic) {
  struct Case {
    const char* text;
    bool expected;
  } cases[] = {
      {"1=1&2=3", false},          {"(1=1)|2=3", true},     {"\"a|b\"=\"a|b\"", true},
      {"!1=2", true},              {"!(1=1)", false},       {"true", true},
      {" FALSE ", false},          {"10<9", true},          {"b>a", true},
      {"a<>a", false},             {"2>=2", true},          {"2<=1", false},
      {"1=2|2=2&3=3", true},       {"((1=1))&(2=2)", true}, {"\"x\" = x", true},
  };
  for (const auto& c : cases) EXPECT_EQ(evaluateLogic(c.text), c.expected) << c.text;
}

TEST(Expressions, BadOperandsRaiseCodeMinusOne) {
  MvCatalogues::resetAll();
  for (const char* text : {"abc", "", "1=1&abc"}) {
    try {
      evaluateLogic(text);
      ADD_FAILURE() << "no error for " << text;
    } catch (const MvException& e) {
      EXPECT_EQ(e.code(), -1);
      EXPECT_EQ(e.message(), "Bad logic operand!");
    }
  }
  EXPECT_THROW(compareOperands("abc"), MvException);
}

TEST(Expressions, DeepNestingIsRefusedNotACrash) {
  const QString deep = QString(5000, u'(') + "1" + QString(5000, u')');
  try {
    evaluateNumber(deep);
    FAIL();
  } catch (const MvException& e) {
    EXPECT_EQ(e.code(), MvCode::BadSyntaxInExpression);
  }
  EXPECT_THROW(evaluateLogic(QString(5000, u'(') + "true" + QString(5000, u')')), MvException);
}

TEST(TextHelpers, UnquoteSpanReplaceSplitPower) {
  EXPECT_EQ(unquote("\"abc\""), "abc");
  EXPECT_EQ(unquote("\"abc"), "\"abc");
  EXPECT_EQ(unquote("\""), "\"");
  EXPECT_EQ(spanOf("123abc", 1, "0123456789"), 3);
  EXPECT_EQ(spanOf("123abc", 4, "0123456789"), 0);
  EXPECT_EQ(spanOf("123", 9, "0123456789"), 0);
  EXPECT_EQ(spanOf("a12", 2, "0123456789"), 3);
  EXPECT_EQ(replaceAll("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(replaceAll("x.y.z", ".", ""), "xyz");
  EXPECT_EQ(replaceAll("abc", "", "z"), "abc");
  QString l, r;
  EXPECT_EQ(splitAtOperator({"<>", ">=", "="}, "a=b>=c", l, r), 1);
  EXPECT_EQ(l, "a=b");
  EXPECT_EQ(r, "c");
  EXPECT_EQ(splitAtOperator({"<>"}, "abc", l, r), -1);
  EXPECT_EQ(intPower(2, 10), 1024);
  EXPECT_EQ(intPower(7, 0), 1);
  EXPECT_EQ(intPower(-3, 3), -27);
}

}  // namespace
