#include "ansi_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace vantrel {
namespace {

struct BackslashCase {
  const char* name;
  std::string_view text;
  std::size_t first;
  std::size_t last;
};

// 0x95 0x5C is one GBK character whose second byte is a backslash.
TEST(AnsiText, BackslashesAreFoundOnlyWhereACharacterStarts) {
  const BackslashCase cases[] = {
      {"none", "abc", kNotFound, kNotFound},
      {"one", "a\\b", 1, 1},
      {"several", "\\a\\b\\", 0, 4},
      {"trail byte only", "\x95\x5c.txt", kNotFound, kNotFound},
      {"trail byte then real", "\x95\x5c\\x", 2, 2},
      {"lead byte at the end", "a\\\x95", 1, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FindFirstBackslash(c.text), c.first) << c.name;
    EXPECT_EQ(FindLastBackslash(c.text), c.last) << c.name;
  }
}

TEST(AnsiText, PrefixComparisonFoldsOnlyAsciiLetters) {
  EXPECT_TRUE(StartsWithIgnoringAsciiCase("C:\\DATA\\a.txt", "c:\\data\\"));
  EXPECT_TRUE(StartsWithIgnoringAsciiCase("abc", ""));
  EXPECT_FALSE(StartsWithIgnoringAsciiCase("ab", "abc"));
  EXPECT_FALSE(StartsWithIgnoringAsciiCase("\xc4", "\xe4")) << "bytes above 0x7F are never folded";
}

TEST(AnsiText, TrailingBackslashLooksAtTheLastByteOnly) {
  EXPECT_EQ(WithTrailingBackslash(""), "\\");
  EXPECT_EQ(WithTrailingBackslash("C:\\data"), "C:\\data\\");
  EXPECT_EQ(WithTrailingBackslash("C:\\"), "C:\\");
  EXPECT_EQ(WithTrailingBackslash("D:\\\x95\x5c"), "D:\\\x95\x5c");
}

TEST(AnsiText, WholeNumbers) {
  const std::pair<std::string_view, int32_t> cases[] = {
      {"", 0}, {"210", 210}, {"  -31", -31}, {"+7x", 7}, {"x7", 0}, {"4294967297", 1},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ReadWholeNumber(text), value) << text;
}

TEST(AnsiText, TruncationKeepsTheLowThirtyTwoBits) {
  const std::pair<double, int32_t> cases[] = {
      {37.9, 37},          {-37.9, -37},           {4294967296.0 + 5, 5},
      {2147483648.0, std::numeric_limits<int32_t>::min()}, {-4294967306.0, -10},
      {std::numeric_limits<double>::infinity(), 0},        {std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const auto& [value, expected] : cases) EXPECT_EQ(TruncateToInt32(value), expected) << value;
}

TEST(AnsiText, TrimBlanks) {
  EXPECT_EQ(TrimBlanks("  C:\\data \t"), "C:\\data");
  EXPECT_EQ(TrimBlanks("   "), "");
}

}  // namespace
}  // namespace vantrel
