#pragma once
// The hex box's text as bytes: consecutive pairs of characters, each pair read as a base-16
// number through the general digit converter, its low 8 bits kept. No text is rejected:
// lower case counts as upper case, letters beyond F count on (G is 16, Z is 35), any other
// character counts as -2, and an odd final character is ignored.

#include <cstdint>

#include "ansi_text.h"

namespace vantrel {

ByteString HexTextToBytes(const Text& text);

// Rewrites a digit text from one radix to another (digits 0-9 then A-Z, either case on input,
// upper case on output). Equal radices return the text unchanged; a value that comes out
// negative gives an empty text; a target radix outside 2 to 36 gives an empty text.
Text ConvertRadix(const Text& digits, int32_t from_radix, int32_t to_radix);

}  // namespace vantrel
