#include "byte_search.h"

#include <array>
#include <bit>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define VANTREL_HAVE_SSE2 1
#endif

namespace vantrel {
namespace {

// How common a byte is in the files people search (text, source, documents, binaries):
// higher is more common. Rough by design: it only has to steer the scan away from bytes that
// occur everywhere.
constexpr std::array<unsigned char, 256> MakeCommonness() {
  std::array<unsigned char, 256> rank{};
  for (int b = 0; b < 256; ++b) rank[b] = b >= 0x80 ? 60 : 40;  // other high bytes, controls
  for (int b = 0x21; b < 0x7F; ++b) rank[b] = 100;              // printable ASCII
  for (int b = '0'; b <= '9'; ++b) rank[b] = 130;
  for (int b = 'A'; b <= 'Z'; ++b) rank[b] = 120;
  for (int b = 'a'; b <= 'z'; ++b) rank[b] = 170;
  // The most frequent letters of English text, most frequent last.
  const char* letters = "pgfywmculdrhsniaote";
  for (int i = 0; letters[i] != '\0'; ++i) rank[static_cast<unsigned char>(letters[i])] = static_cast<unsigned char>(180 + 3 * i);
  for (const char c : {'.', ',', '/', '_', '-', '=', '"', ';', ':', '(', ')', '<', '>'}) rank[static_cast<unsigned char>(c)] = 160;
  for (const char c : {'\t', '\r', '\n'}) rank[static_cast<unsigned char>(c)] = 200;
  rank[0xFF] = 190;
  rank[' '] = 250;
  rank[0x00] = 255;
  return rank;
}

constexpr std::array<unsigned char, 256> kCommonness = MakeCommonness();

unsigned char Commonness(char c) { return kCommonness[static_cast<unsigned char>(c)]; }

}  // namespace

ByteFinder::ByteFinder(std::string_view needle) : needle_(needle) {
  if (needle_.size() < 2) return;  // a single byte is both of its own rare bytes
  // The rarest byte, then the rarest at another position; ties go to the later position,
  // which spreads the two apart.
  for (std::size_t i = 1; i < needle_.size(); ++i) {
    if (Commonness(needle_[i]) <= Commonness(needle_[rare1_])) rare1_ = i;
  }
  rare2_ = rare1_ == 0 ? 1 : 0;
  for (std::size_t i = 0; i < needle_.size(); ++i) {
    if (i != rare1_ && Commonness(needle_[i]) <= Commonness(needle_[rare2_])) rare2_ = i;
  }
}

bool ByteFinder::FoundIn(std::string_view haystack) const {
  const std::size_t m = needle_.size();
  if (m == 0 || haystack.size() < m) return false;
  const char* const h = haystack.data();
  const char* const n = needle_.data();
  const std::size_t starts = haystack.size() - m + 1;  // candidate start positions 0 .. starts-1
  std::size_t s = 0;
#ifdef VANTREL_HAVE_SSE2
  // Block loads stay inside the haystack: the last reads end at start + rare <= size - 1.
  const __m128i first = _mm_set1_epi8(n[rare1_]);
  const __m128i second = _mm_set1_epi8(n[rare2_]);
  for (; s + 16 <= starts; s += 16) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(h + s + rare1_));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(h + s + rare2_));
    auto mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, second))));
    while (mask != 0) {
      const std::size_t at = s + static_cast<std::size_t>(std::countr_zero(mask));
      if (std::memcmp(h + at, n, m) == 0) return true;
      mask &= mask - 1;
    }
  }
#endif
  for (; s < starts; ++s) {
    if (h[s + rare1_] == n[rare1_] && h[s + rare2_] == n[rare2_] && std::memcmp(h + s, n, m) == 0) return true;
  }
  return false;
}

}  // namespace vantrel
