#include <gtest/gtest.h>

#include "engine/unit_typy.h"
#include "token_text.h"

TEST(TokenList, PushesInFrontAndIgnoresEmptyTexts) {
  TokenList list;
  NewTokenList(list);
  EXPECT_EQ(TokensOf(list), "");
  PushToken(list, "c");
  PushToken(list, "");
  PushToken(list, "2");
  EXPECT_EQ(TokensOf(list), "2 c");
}

TEST(TokenList, PopsUpToTheSentinelAndThenLeavesNoList) {
  TokenList list = ListOf("2 c");
  EXPECT_EQ(PopToken(list), "2");
  EXPECT_EQ(PopToken(list), "c");
  EXPECT_TRUE(list.Exists());
  EXPECT_EQ(PopToken(list), "");  // the sentinel
  EXPECT_FALSE(list.Exists());
  EXPECT_EQ(PopToken(list), "");
  PushToken(list, "x");  // a list popped away starts afresh
  EXPECT_EQ(TokensOf(list), "x");
}

TEST(TokenList, ReverseKeepsExactlyOneSentinelAtTheEnd) {
  for (auto [tokens, reversed] : {std::pair{"", ""}, {"c", "c"}, {"2 c * 1 +", "+ 1 * c 2"}}) {
    TokenList list = ListOf(tokens);
    ReverseTokenList(list);
    EXPECT_EQ(TokensOf(list), reversed) << tokens;
  }
}

TEST(TokenList, CopyIsIndependentOfTheOriginal) {
  TokenList list = ListOf("c n 2 d");
  TokenList copy = CopyTokenList(list);
  EXPECT_EQ(TokensOf(copy), "c n 2 d");
  PopToken(copy);
  PushToken(copy, "x");
  EXPECT_EQ(TokensOf(list), "c n 2 d");
  EXPECT_EQ(TokensOf(copy), "x n 2 d");
  EXPECT_FALSE(CopyTokenList(TokenList{}).Exists());
}

TEST(TokenList, FreesAndReleasesLongListsWithoutRecursion) {
  TokenList list;
  NewTokenList(list);
  for (int i = 0; i < 300000; ++i) PushToken(list, "c");
  TokenList copy = CopyTokenList(list);
  FreeTokenList(list);
  EXPECT_FALSE(list.Exists());
  // `copy` goes out of scope here: a recursive release would overflow the stack.
}
