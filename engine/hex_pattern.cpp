#include "hex_pattern.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace vantrel {
namespace {

constexpr std::string_view kDigitAlphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// The 1-based position in the alphabet, ASCII case ignored, or -1 when absent; so a
// character outside it has the digit value -2.
int32_t AlphabetPosition(char c) {
  const char upper = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  const std::size_t index = kDigitAlphabet.find(upper);
  return index == std::string_view::npos ? -1 : static_cast<int32_t>(index) + 1;
}

}  // namespace

Text ConvertRadix(const Text& digits, int32_t from_radix, int32_t to_radix) {
  if (from_radix == to_radix) return digits;
  // A radix below 2 would never reduce the value, one above 36 has no digits to write.
  if (to_radix < 2 || to_radix > static_cast<int32_t>(kDigitAlphabet.size())) return Text();

  const std::size_t length = digits.size();
  int32_t value = 0;
  for (std::size_t i = 0; i < length; ++i) {
    const double weight = std::pow(static_cast<double>(from_radix), static_cast<double>(length - 1 - i));
    value = TruncateToInt32(static_cast<double>(value) + (AlphabetPosition(digits[i]) - 1) * weight);
  }

  // Digits come least significant first and are reversed at the end.
  Text result;
  double remaining = value;
  const double radix = to_radix;
  while (remaining - (radix - 1) > 1e-7) {
    result.push_back(kDigitAlphabet[static_cast<std::size_t>(std::fmod(remaining, radix))]);
    remaining = std::floor(remaining / radix);
  }
  if (remaining >= 0) result.push_back(kDigitAlphabet[static_cast<std::size_t>(remaining)]);
  std::reverse(result.begin(), result.end());
  return result;
}

ByteString HexTextToBytes(const Text& text) {
  const std::size_t count = text.size() / 2;
  ByteString bytes(count, '\0');
  for (std::size_t i = 0; i < count; ++i) {
    const int32_t value = ReadWholeNumber(ConvertRadix(text.substr(2 * i, 2), 16, 10));
    bytes[i] = static_cast<char>(value & 0xFF);
  }
  return bytes;
}

}  // namespace vantrel
