#pragma once
// A large file that idle workers help its own worker to scan. A batch waits for its slowest
// file; without help, one large file in a batch leaves the other processors idle.
//
// The file's remaining bytes are cut into pieces taken in turn by whoever scans; each piece is
// read together with the (pattern length - 1) bytes in front of it, so an occurrence across two
// pieces is still found. Helpers open the file themselves and read into a buffer of their own
// of one chunk (at most 256 KiB) plus the pattern, kept by each thread that has helped (one
// per processor as a rule): a small constant beside the slots' own buffers.

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "ansi_text.h"
#include "byte_search.h"
#include "chunk_buffer.h"
#include "platform.h"

namespace vantrel {

class SharedScan {
 public:
  SharedScan(const Text& path, const ByteFinder& finder, uint64_t from, uint64_t size, std::size_t tail,
             std::size_t chunk);

  // Scans pieces of at most buffer.Chunk() bytes until none is left or the pattern was found.
  void Work(platform::ReadOnlyFile& file, ChunkBuffer& buffer);
  bool Found() const { return found_.load(); }
  // Every piece is taken, or the pattern was found.
  bool Exhausted() const { return found_.load() || next_.load() >= size_; }
  const Text& Path() const { return path_; }
  std::size_t Tail() const { return tail_; }
  std::size_t Chunk() const { return chunk_; }  // the search's chunk size

 private:
  const Text& path_;
  const ByteFinder& finder_;
  const uint64_t size_;
  const std::size_t tail_;
  const std::size_t chunk_;
  std::atomic<uint64_t> next_;  // the start of the next piece not yet taken
  std::atomic<bool> found_{false};
};

// Whether a file with `remaining` bytes after its first chunk is worth sharing.
bool WorthSharing(uint64_t remaining, std::size_t tail);

// The file's own worker offers the scan for `slot`, works on it, and withdraws the offer;
// the withdrawal returns once no helper uses the scan any more.
void OfferScan(int32_t slot, SharedScan& scan);
void WithdrawScan(int32_t slot);

// Called by an idle worker: helps with one offered scan until its pieces are taken. False
// when no scan with pieces left was offered.
bool HelpWithOfferedScan();

}  // namespace vantrel
