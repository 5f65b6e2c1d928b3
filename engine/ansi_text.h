#pragma once
// Texts are byte strings in the ANSI code page (GBK): a byte of 0x80 or above starts a
// two-byte character, whose second byte may be any value, a backslash included. Every
// search for a separator steps by characters so that such a second byte never counts.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vantrel {

using Text = std::string;        // zero-free bytes in the ANSI code page
using ByteString = std::string;  // counted bytes, zeros allowed

inline constexpr std::size_t kNotFound = std::string_view::npos;

// 0-based position of the first / last backslash that starts a character, or kNotFound.
std::size_t FindFirstBackslash(std::string_view text);
std::size_t FindLastBackslash(std::string_view text);

// Only the ASCII letters are folded; every other byte must be equal.
bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix);

// Looks at the last byte only, as the file system's callers in this program always have.
bool EndsWithBackslashByte(std::string_view text);
Text WithTrailingBackslash(Text text);

// Leading blanks, an optional sign, then decimal digits up to the first other character.
// An empty or non-numeric text reads as 0; values beyond 32 bits keep their low 32 bits.
int32_t ReadWholeNumber(std::string_view text);

// Truncates toward zero and keeps the low 32 bits, as a conversion from a double to a
// 32-bit integer does on the platform; NaN and infinities give 0 instead of undefined behaviour.
int32_t TruncateToInt32(double value);

// Blanks (spaces and tabs) removed from both ends.
Text TrimBlanks(std::string_view text);

}  // namespace vantrel
