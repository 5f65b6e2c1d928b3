#pragma once
// Finding the pattern in a chunk: the scan looks for the pattern's two rarest bytes at their
// distance, 16 positions at a time, and compares the whole pattern only where both match.

#include <cstddef>
#include <string_view>

#include "ansi_text.h"

namespace vantrel {

class ByteFinder {
 public:
  ByteFinder() = default;
  // Blocks of 32 where the processor has AVX2 and `wide_blocks` allows them (tests turn them
  // off to try the 16-byte blocks that older processors use), of 16 otherwise.
  explicit ByteFinder(std::string_view needle, bool wide_blocks = true);

  // Whether the needle occurs in haystack as a plain byte sequence; an empty needle never does.
  bool FoundIn(std::string_view haystack) const;

 private:
  ByteString needle_;
  std::size_t rare1_ = 0;  // positions in the needle of its rarest and second-rarest bytes
  std::size_t rare2_ = 0;
  bool wide_blocks_ = false;
};

}  // namespace vantrel
