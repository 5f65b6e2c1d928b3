#include "byte_search.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// The block scans against the standard library's search over many random cases: short
// haystacks on a tiny alphabet, where partial matches are frequent and the rare bytes common,
// and long ones on a wide alphabet, where the rare-byte rounds run and switch gears.
TEST(ByteFinder, AgreesWithAPlainSearch) {
  struct Mix {
    const char* name;
    std::string_view alphabet;
    std::size_t max_haystack;
    int cases;
  };
  const Mix mixes[] = {
      {"short, tiny alphabet", std::string_view("ab\0\xFF", 4), 70, 20000},
      {"long, wide alphabet", "abcdefghijklmnopqrstuvwxyz0123456789 Q", 3000, 3000},
      {"long, tiny alphabet", "abQ", 3000, 3000},
  };
  std::mt19937 random(12345);
  for (const auto& mix : mixes) {
    const auto text = [&](std::size_t length) {
      std::string bytes(length, '\0');
      for (char& c : bytes) c = mix.alphabet[random() % mix.alphabet.size()];
      return bytes;
    };
    for (int i = 0; i < mix.cases; ++i) {
      std::string haystack = text(random() % mix.max_haystack);
      const std::string needle = text(1 + random() % 6);
      if (!haystack.empty() && random() % 2 == 0) {  // plant it somewhere, often near the end
        const std::size_t at = std::min(haystack.size() - 1, haystack.size() - random() % 40);
        haystack.replace(at, needle.size(), needle);
      }
      const bool expected = haystack.find(needle) != std::string::npos;
      for (const bool wide : {true, false}) {
        ASSERT_EQ(ByteFinder(needle, wide).FoundIn(haystack), expected) << mix.name << ", case " << i << ", wide " << wide;
      }
    }
  }
}

}  // namespace
}  // namespace vantrel
