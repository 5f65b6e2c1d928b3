#pragma once
// A slot's read buffer: zero-filled on allocation, allocated once per search, and reused for
// every chunk the slot's workers read.

#include <cstddef>
#include <cstdlib>
#include <memory>

namespace vantrel {

class ChunkBuffer {
 public:
  ChunkBuffer() = default;
  // Ends the process with the out-of-memory error when the bytes cannot be had.
  static ChunkBuffer Allocate(std::size_t bytes);

  char* Data() { return bytes_.get(); }
  std::size_t Size() const { return size_; }

 private:
  struct Free {
    void operator()(char* bytes) const { std::free(bytes); }
  };
  std::unique_ptr<char, Free> bytes_;
  std::size_t size_ = 0;
};

}  // namespace vantrel
