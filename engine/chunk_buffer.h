#pragma once
// A slot's read buffer, allocated once per search and reused for every chunk its workers
// read: a page-aligned read area of one chunk, with room just in front of it for the bytes
// carried over from the previous chunk, so that every read lands aligned.

#include <cstddef>
#include <cstdlib>
#include <memory>

namespace vantrel {

class ChunkBuffer {
 public:
  ChunkBuffer() = default;
  // Zero-filled. Ends the process with the out-of-memory error when the bytes cannot be had.
  static ChunkBuffer Allocate(std::size_t chunk, std::size_t carry);

  char* ReadArea() { return read_area_; }
  std::size_t Chunk() const { return chunk_; }
  std::size_t CarryRoom() const { return carry_room_; }

 private:
  struct Free {
    void operator()(char* bytes) const { std::free(bytes); }
  };
  std::unique_ptr<char, Free> block_;
  char* read_area_ = nullptr;
  std::size_t chunk_ = 0;
  std::size_t carry_room_ = 0;
};

}  // namespace vantrel
