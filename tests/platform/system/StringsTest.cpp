#include <gtest/gtest.h>

#include "platform/system/Strings.h"

namespace qp {
namespace {

TEST(Strings, PlainFormsFoldOnlyAsciiLetters) {
  EXPECT_EQ(UpperCase("abz\xE4_1"), "ABZ\xE4_1");
  EXPECT_EQ(LowerCase("ABZ\xC4"), "abz\xC4");
  EXPECT_TRUE(SameText("Caption", "cAPTION"));
  EXPECT_FALSE(SameText("\xE4", "\xC4"));
  EXPECT_LT(CompareText("Size", "Sizes"), 0);
  EXPECT_GT(CompareText("b", "A"), 0);
  EXPECT_EQ(CompareText("", ""), 0);
}

TEST(Strings, AnsiFormsFoldTheCodePageLetters) {
  EXPECT_EQ(AnsiUpperCase("\xE4\xF6\xFC\xF7\xFF"), "\xC4\xD6\xDC\xF7\x9F");
  EXPECT_EQ(AnsiLowerCase("\xC4\xD7"), "\xE4\xD7");
  EXPECT_TRUE(AnsiSameText("Englisch", "ENGLISCH"));
  EXPECT_TRUE(
      AnsiSameText("\xDC"
                   "bersicht",
                   "\xFC"
                   "bersicht"));
  EXPECT_FALSE(AnsiSameText("\xDF", "SS"));
}

}  // namespace
}  // namespace qp
