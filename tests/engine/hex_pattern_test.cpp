#include "hex_pattern.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

struct HexCase {
  const char* name;
  Text text;
  ByteString bytes;
};

TEST(HexTextToBytes, ReadsPairsThroughTheDigitConverter) {
  const HexCase cases[] = {
      {"empty", "", ""},
      {"one character", "7", ""},
      {"odd final character ignored", "ABC", "\xAB"},
      {"FF", "FF", "\xFF"},
      {"zero", "00", std::string(1, '\0')},
      {"lower case", "d2", "\xD2"},
      {"upper case", "D2", "\xD2"},
      {"leading zero", "0a", "\x0A"},
      {"hint example", "4C756D6F7261", "Lumora"},
      {"letters beyond F: GG is 272", "GG", "\x10"},
      {"ZZ is 595", "ZZ", "\x53"},
      {"0x is 33", "0x", "\x21"},
      {"digit then blank is 14", "1 ", "\x0E"},
      {"blank then digit is -31", " 1", std::string(1, '\0')},
      {"blank then Z is 3", " Z", "\x03"},
      {"two blanks are -34", "  ", std::string(1, '\0')},
      {"separators are not skipped", "4C 75", std::string("\x4C\0", 2)},
      {"a double-byte character", "中", std::string(1, '\0')},
  };
  for (const auto& c : cases) EXPECT_EQ(HexTextToBytes(c.text), c.bytes) << c.name;
}

struct RadixCase {
  Text digits;
  int32_t from;
  int32_t to;
  Text result;
};

TEST(ConvertRadix, RewritesDigitTexts) {
  const RadixCase cases[] = {
      {"", 16, 10, "0"},       {"0F", 16, 10, "15"},   {"255", 10, 16, "FF"},  {"ab", 16, 16, "ab"},
      {"D2", 16, 10, "210"},   {"zz", 36, 10, "1295"}, {"1010", 2, 10, "10"},  {" 1", 16, 10, ""},
      {"007", 10, 10, "007"},  {"35", 10, 36, "Z"},    {"7", 10, 1, ""},       {"7", 10, 0, ""},
      {"7", 10, 37, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ConvertRadix(c.digits, c.from, c.to), c.result) << c.digits << " from " << c.from << " to " << c.to;
  }
}

TEST(ConvertRadix, ValuesBeyondThirtyTwoBitsStayDefined) {
  // 16^16 overflows every 32-bit step; only "no crash, no hang, some digits" is promised.
  const Text digits(40, 'F');
  const Text result = ConvertRadix(digits, 16, 10);
  EXPECT_LE(result.size(), 10u);
}

}  // namespace
}  // namespace vantrel
