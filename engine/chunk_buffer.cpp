#include "chunk_buffer.h"

#include "fatal_error.h"

namespace vantrel {

ChunkBuffer ChunkBuffer::Allocate(std::size_t bytes) {
  ChunkBuffer buffer;
  if (bytes == 0) return buffer;
  buffer.bytes_.reset(static_cast<char*>(std::calloc(bytes, 1)));
  if (!buffer.bytes_) FatalOutOfMemory(bytes);
  buffer.size_ = bytes;
  return buffer;
}

}  // namespace vantrel
