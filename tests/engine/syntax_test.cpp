#include <gtest/gtest.h>

#include <string>

#include "engine/unit_graf_parse.h"
#include "engine/unit_syntaxe.h"
#include "token_text.h"

TEST(CheckSymbols, AcceptsTheLanguageCharacterByCharacter) {
  for (const char* text : {"", "x", "2sin(x)", "2pi", ")x(", "2,5,3", "2.5*x", "e^x", "-x^2",
                           "arcsin(x)+arccos(x)+arctg(x)+arccotg(x)+abs(x)", "cos(x)*cotg(x)/tg(x)",
                           "ln(x)-log(x)+log(2;x)+odm(3;x)"}) {
    EXPECT_TRUE(CheckSymbols(text)) << text;
  }
}

TEST(CheckSymbols, RejectsUnknownLettersBlanksAndUnbalancedCounts) {
  for (const char* text : {"sinx", "sin (x)", "Sin(x)", "x y", "2\xC2\xB2", "(x+1", "x)", "y", "p",
                           "arcsinx", "tgx", "lg(x)", "od(2;x)", "x=2", "1e5E", "x\tx"}) {
    EXPECT_FALSE(CheckSymbols(text)) << text;
  }
  EXPECT_FALSE(CheckSymbols(std::string_view("x\0", 2)));
}

TEST(IsOperand, TakesConstantsVariablesAndNumbersWithAComma) {
  for (const char* token : {"a", "b", "c", "y", "2", "10", "2,5", "5,", ",5"}) {
    EXPECT_TRUE(IsOperand(token)) << token;
  }
  for (const char* token : {"", "2.5", "2,5,3", "bb", "2b", "cc", "d", "+", ";", ","}) {
    EXPECT_FALSE(IsOperand(token)) << token;
  }
  // A number beyond the double range is no number, not zero.
  EXPECT_FALSE(IsOperand("1" + std::string(400, '0')));
  EXPECT_FALSE(IsOperand(std::string(32767, '9')));
}

TEST(CheckOperandCount, FollowsTheStackDepth) {
  struct Case {
    const char* tokens;
    bool valid;
  } cases[] = {
      {"2 c * 1 +", true},
      {"10 c ; f", true},
      {"c n 2 d", true},
      {"c", true},
      {"", false},       // the sentinel alone: no value
      {"2 c", false},    // two values
      {"c 2 ;", false},  // the separator keeps both
      {"+", false},
      {"2,5,3 c *", false},  // no number
      // The count alone is 1 for both, but "+" finds one value and "bb" is no operand.
      {"c + 2 c n *", false},
      {"c bb ;", false},
      {"n c", false},  // a function before its argument
      {"c e", false},  // no token of the vocabulary
  };
  for (const Case& c : cases) EXPECT_EQ(CheckOperandCount(ListOf(c.tokens)), c.valid) << c.tokens;
}
