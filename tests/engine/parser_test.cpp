#include <gtest/gtest.h>

#include <string>

#include "engine/unit_graf_parse.h"
#include "token_text.h"

namespace {

std::string Parsed(const std::string& text) {
  TokenList list;
  if (!ParseExpression(text, list)) return "<invalid>";
  return TokensOf(list);
}

}  // namespace

TEST(ParseExpression, GivesThePostfixTokensInEvaluationOrder) {
  struct Case {
    const char* text;
    const char* postfix;
  } cases[] = {
      {"2x+1", "2 c * 1 +"},
      {"sin(x)^2", "c n 2 d"},
      {"log(x)", "10 c ; f"},
      {"ln(x)", "a c ; f"},
      {"log(2;x)", "2 c ; f"},
      {"log(8;x)", "8 c ; f"},
      {"odm(3;x)", "3 c ; o"},
      {"-x^2", "0 c 2 d -"},
      {"abs(x-1)/x", "c 1 - p c /"},
      {"2x+3x", "2 c * 3 c * +"},
      {"2,5x", "2,5 c *"},
      {"2.5*x", "2,5 c *"},
      {"2,5*x", "2,5 c *"},
      {"-(x+1)", "0 c 1 + -"},
      {"(-2)^2", "0 2 - 2 d"},
      {"2*(-3)", "2 0 3 - *"},
      {"2^3^2", "2 3 d 2 d"},  // every operator binds to the left
      {"1-2-3", "1 2 - 3 -"},
      {"8/4*2", "8 4 / 2 *"},
      {"log(odm(2;x))", "10 2 c ; o ; f"},
      // Each argument of log( and odm( is one operand, whatever operators it holds.
      {"log(x+1;8)", "c 1 + 8 ; f"},
      {"log(1/2;x)", "1 2 / c ; f"},
      {"odm(1+1;x)", "1 1 + c ; o"},
      {"log(2^3;x)", "2 3 d c ; f"},
      {"log(-2;x)", "0 2 - c ; f"},
      {"odm(2*2-1;x-1)", "2 2 * 1 - c 1 - ; o"},
      {"log(log(100)+1;x)", "10 100 ; f 1 + c ; f"},
      {"log(sin(x)*2;log(x))", "c n 2 * 10 c ; f ; f"},
      {"log(1/2;x)*2+odm(1+1;x)", "1 2 / c ; f 2 * 1 1 + c ; o +"},
      {"odm(2;x+1)", "2 c 1 + ; o"},
      {"x", "c"},
      {"5", "5"},
      {"pi", "b"},
      {"e^x", "a c d"},
      {"((x))", "c"},
      {"sin(cos(x))", "c h n"},
      {"arcsin(x)+arccos(x)", "c g c i +"},
      {"tg(x)*cotg(x)", "c j c l *"},
      {"arctg(x)-arccotg(x)", "c k c m -"},
      {"abs(-x)", "0 c - p"},
      {"((0)*x+1)/((1)*x+0)", "0 c * 1 + 1 c * 0 + /"},
      {"1/0", "1 0 /"},
  };
  for (const Case& c : cases) EXPECT_EQ(Parsed(c.text), c.postfix) << c.text;
}

TEST(ParseExpression, RejectsInvalidTextsAndHandsOutNoList) {
  for (const char* text : {
           "",
           "sinx",
           "(x+1",
           ")x(",  // rejected by the checks on the text
           "2sin(x)",
           "x;2",
           "+x",
           "2*-3",
           "x+",
           "x--1",
           "()",
           "sin()",  // not one value
           "2pi",
           "2e",
           "xx",
           "2,5,3",  // no operand
           "x(2)",
           "2(3)",
           "pi(2)",
           "e(x)",
           "x^2(3)",  // a group right after an operand
           "(x+1)(x-1)",
           "sin(x)x",
           "log((x+1);2)",
           "log(log(100);x)",
           "odm((2);x)",  // a ")" followed by an operand
           "log(1/;x)",
           "log(;x)",
           "odm(1+1;)",
           "log(2*-3;x)",
           "log(1;2;x)",
           "log(1/2;x)x",
           "log(1/2;x)(2)",
           "log(1/2;x",  // arguments written as expressions
           "(+x)*2sin(x)",
           "x;pipi",  // the count alone would take these
           "1000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
           "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
           "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
           "0000000000000000000000000000000000000000000000000000000000000000000000*x",  // no double
           "y",
           "x*y",  // only the two-variable engine has y
       }) {
    TokenList list;
    ASSERT_TRUE(ParseExpression("x", list));
    EXPECT_FALSE(ParseExpression(text, list)) << text;
    EXPECT_FALSE(list.Exists()) << text;
  }
}

TEST(ParseExpression, AcceptsTheTextsThatLessonPagesBuild) {
  for (const char* text :
       {"((0)*x+1)/((1)*x+0)", "1/odm(1;x^(abs(-1)))", "log(0,5;x+3)-1", "1*sin(1*x+0*3,14159)+0",
        "-0,5*x^2+2,25*x-1", "2^x", "1/0", "abs(2*x-1)+abs(x)", "1*cotg(2*x+1,5)-1"}) {
    TokenList list;
    EXPECT_TRUE(ParseExpression(text, list)) << text;
  }
}

TEST(ParseExpression, HandlesDeepNestingAndLongChains) {
  std::string nested = std::string(3000, '(') + "x" + std::string(3000, ')');
  EXPECT_EQ(Parsed(nested), "c");
  std::string chain = "x";
  for (int i = 0; i < 3000; ++i) chain += "+x";
  TokenList list;
  EXPECT_TRUE(ParseExpression(chain, list));
}
