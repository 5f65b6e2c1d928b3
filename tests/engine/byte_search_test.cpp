#include "byte_search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace vantrel {
namespace {

TEST(ByteFinder, FindsPlainByteSequences) {
  struct Case {
    const char* name;
    std::string haystack;
    std::string needle;
    bool found;
  };
  const Case cases[] = {
      {"empty needle", "abc", "", false},
      {"empty haystack", "", "a", false},
      {"needle longer than haystack", "ab", "abc", false},
      {"whole haystack", "abc", "abc", true},
      {"single byte at the end", std::string(40, 'x') + "y", "y", true},
      {"zero bytes", std::string("a\0\0b", 4), std::string("\0b", 2), true},
      {"near miss", "needl needle", "needle!", false},
      {"high bytes", "\xB2\xE9\xD5\xD2", "\xE9\xD5", true},
      {"last position past a block", std::string(17, 'a') + "bc", "bc", true},
      {"rare bytes match, rest does not", std::string(64, 'q') + "zxq", "zxz", false},
  };
  for (const auto& c : cases) EXPECT_EQ(ByteFinder(c.needle).FoundIn(c.haystack), c.found) << c.name;
}

// The block scan against the standard library's search over many small random cases, on a
// small alphabet so that partial matches are frequent.
TEST(ByteFinder, AgreesWithAPlainSearch) {
  std::mt19937 random(12345);
  const auto text = [&](std::size_t length) {
    std::string bytes(length, '\0');
    for (char& c : bytes) c = "ab\0\xFF"[random() % 4];
    return bytes;
  };
  for (int i = 0; i < 20000; ++i) {
    const std::string haystack = text(random() % 70);
    const std::string needle = text(1 + random() % 6);
    const bool expected = haystack.find(needle) != std::string::npos;
    ASSERT_EQ(ByteFinder(needle).FoundIn(haystack), expected) << "case " << i;
  }
}

}  // namespace
}  // namespace vantrel
