#include "byte_search.h"

#include <array>
#include <cstdint>
#include <bit>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define VANTREL_HAVE_SSE2 1
#endif
// AVX2 is chosen at run time, so GCC's per-function target attribute is needed to build it.
#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#define VANTREL_HAVE_AVX2 1
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

// One search: the haystack's candidate start positions 0 .. starts - 1, and the needle with
// the positions of its two rare bytes. Block loads stay inside the haystack: the last one
// ends at start + rare <= size - 1.
struct Scan {
  const char* haystack;
  std::size_t starts;
  const char* needle;
  std::size_t length;
  std::size_t rare1;
  std::size_t rare2;

  bool CandidateAt(std::size_t s) const {
    return haystack[s + rare1] == needle[rare1] && haystack[s + rare2] == needle[rare2] &&
           std::memcmp(haystack + s, needle, length) == 0;
  }
  // Whether one of the block's candidates (bit i for start s + i) is the needle.
  bool AnyInMask(std::size_t s, uint32_t mask) const {
    for (; mask != 0; mask &= mask - 1) {
      if (std::memcmp(haystack + s + static_cast<std::size_t>(std::countr_zero(mask)), needle, length) == 0) return true;
    }
    return false;
  }
};

#ifdef VANTREL_HAVE_SSE2
// Scans from s in blocks of 16 starts; s is left at the first start not scanned.
bool FoundInBlocksOf16(const Scan& scan, std::size_t& s) {
  const __m128i first = _mm_set1_epi8(scan.needle[scan.rare1]);
  const __m128i second = _mm_set1_epi8(scan.needle[scan.rare2]);
  for (; s + 16 <= scan.starts; s += 16) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(scan.haystack + s + scan.rare1));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(scan.haystack + s + scan.rare2));
    const auto mask = static_cast<uint32_t>(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, second))));
    if (mask != 0 && scan.AnyInMask(s, mask)) return true;
  }
  return false;
}
#endif

#ifdef VANTREL_HAVE_AVX2
bool HasAvx2() {
  static const bool has = __builtin_cpu_supports("avx2");
  return has;
}

uint32_t MaskOf(__m256i matches) __attribute__((target("avx2")));
uint32_t MaskOf(__m256i matches) { return static_cast<uint32_t>(_mm256_movemask_epi8(matches)); }

__attribute__((target("avx2"))) __m256i MatchesAt(const char* at, __m256i byte) {
  return _mm256_cmpeq_epi8(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(at)), byte);
}

// As FoundInBlocksOf16, on processors that have AVX2, in two gears. While the rarest byte is
// rare in this haystack, 128 starts a round are tested for it alone, with one test for the
// usual round that has none; once it turns out common, both rare bytes are tested together.
__attribute__((target("avx2"))) bool FoundInBlocksOf32(const Scan& scan, std::size_t& s) {
  const __m256i first = _mm256_set1_epi8(scan.needle[scan.rare1]);
  const __m256i second = _mm256_set1_epi8(scan.needle[scan.rare2]);
  const char* const at1 = scan.haystack + scan.rare1;
  const char* const at2 = scan.haystack + scan.rare2;
  std::size_t candidates = 0;
  for (; s + 128 <= scan.starts && candidates <= s / 64 + 16; s += 128) {
    const __m256i m0 = MatchesAt(at1 + s, first);
    const __m256i m1 = MatchesAt(at1 + s + 32, first);
    const __m256i m2 = MatchesAt(at1 + s + 64, first);
    const __m256i m3 = MatchesAt(at1 + s + 96, first);
    const __m256i any = _mm256_or_si256(_mm256_or_si256(m0, m1), _mm256_or_si256(m2, m3));
    if (_mm256_testz_si256(any, any)) continue;
    for (const auto& [offset, matches] : {std::pair{0, m0}, {32, m1}, {64, m2}, {96, m3}}) {
      const std::size_t block = s + static_cast<std::size_t>(offset);
      const uint32_t mask = MaskOf(matches);
      candidates += static_cast<std::size_t>(std::popcount(mask));
      if (mask != 0 && scan.AnyInMask(block, mask & MaskOf(MatchesAt(at2 + block, second)))) return true;
    }
  }
  for (; s + 32 <= scan.starts; s += 32) {
    const uint32_t mask = MaskOf(_mm256_and_si256(MatchesAt(at1 + s, first), MatchesAt(at2 + s, second)));
    if (mask != 0 && scan.AnyInMask(s, mask)) return true;
  }
  return false;
}
#endif

}  // namespace

ByteFinder::ByteFinder(std::string_view needle, [[maybe_unused]] bool wide_blocks) : needle_(needle) {
#ifdef VANTREL_HAVE_AVX2
  wide_blocks_ = wide_blocks && HasAvx2();
#endif
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
  const Scan scan{haystack.data(), haystack.size() - m + 1, needle_.data(), m, rare1_, rare2_};
  std::size_t s = 0;
#ifdef VANTREL_HAVE_AVX2
  if (wide_blocks_ && FoundInBlocksOf32(scan, s)) return true;
#endif
#ifdef VANTREL_HAVE_SSE2
  if (FoundInBlocksOf16(scan, s)) return true;
#endif
  for (; s < scan.starts; ++s) {
    if (scan.CandidateAt(s)) return true;
  }
  return false;
}

}  // namespace vantrel
