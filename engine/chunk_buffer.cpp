#include "chunk_buffer.h"

#include <cstdint>

#include "fatal_error.h"

namespace vantrel {
namespace {

constexpr std::size_t kPage = 4096;

std::size_t RoundUpToPage(std::size_t bytes) { return (bytes + kPage - 1) / kPage * kPage; }

}  // namespace

ChunkBuffer ChunkBuffer::Allocate(std::size_t chunk, std::size_t carry) {
  ChunkBuffer buffer;
  buffer.chunk_ = chunk;
  buffer.carry_room_ = RoundUpToPage(carry);
  // calloc rather than an aligned allocator: fresh pages come zeroed without being touched.
  const std::size_t bytes = kPage - 1 + buffer.carry_room_ + chunk;
  buffer.block_.reset(static_cast<char*>(std::calloc(bytes, 1)));
  if (!buffer.block_) FatalOutOfMemory(bytes);
  const auto start = reinterpret_cast<std::uintptr_t>(buffer.block_.get());
  const std::uintptr_t aligned = (start + kPage - 1) / kPage * kPage;
  buffer.read_area_ = buffer.block_.get() + (aligned - start) + buffer.carry_room_;
  return buffer;
}

}  // namespace vantrel
