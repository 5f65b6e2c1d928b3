#include "ansi_text.h"

#include <cmath>

namespace vantrel {
namespace {

bool IsLeadByte(unsigned char byte) { return byte >= 0x80; }

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::size_t FindFirstBackslash(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); i += IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1) {
    if (text[i] == '\\') return i;
  }
  return kNotFound;
}

std::size_t FindLastBackslash(std::string_view text) {
  std::size_t last = kNotFound;
  for (std::size_t i = 0; i < text.size(); i += IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1) {
    if (text[i] == '\\') last = i;
  }
  return last;
}

bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (FoldAscii(text[i]) != FoldAscii(prefix[i])) return false;
  }
  return true;
}

bool EndsWithBackslashByte(std::string_view text) { return !text.empty() && text.back() == '\\'; }

Text WithTrailingBackslash(Text text) {
  if (!EndsWithBackslashByte(text)) text.push_back('\\');
  return text;
}

int32_t ReadWholeNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  uint32_t value = 0;  // unsigned, so that overflow wraps instead of being undefined
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10u + static_cast<uint32_t>(text[i] - '0');
  }
  return static_cast<int32_t>(negative ? 0u - value : value);
}

int32_t TruncateToInt32(double value) {
  if (!std::isfinite(value)) return 0;
  const double low = std::fmod(std::trunc(value), 4294967296.0);  // exact for every finite double
  const auto bits = static_cast<int64_t>(low);                    // |low| < 2^32: always representable
  return static_cast<int32_t>(static_cast<uint32_t>(bits));
}

Text TrimBlanks(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return Text(text.substr(begin, end - begin));
}

}  // namespace vantrel
