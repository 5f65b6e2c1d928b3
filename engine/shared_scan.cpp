#include "shared_scan.h"

#include <algorithm>
#include <array>
#include <thread>

#include "batch.h"
#include "parked_workers.h"

namespace vantrel {
namespace {

constexpr std::size_t kHelperPiece = 256 * 1024;
constexpr uint64_t kWorthSharingBytes = 2 * 1024 * 1024;
constexpr std::size_t kLongestSharedTail = 64 * 1024;
constexpr int32_t kMaxSlots = 20;

// One offer per slot. A helper counts itself as a user before it looks at the offer, and the
// owner clears the offer before it looks at the users, so one of the two always sees the
// other: a helper either sees no offer or is waited for.
struct Offer {
  std::atomic<SharedScan*> scan{nullptr};
  std::atomic<int32_t> users{0};
};

std::array<Offer, kMaxSlots + 1>& Offers() {
  static std::array<Offer, kMaxSlots + 1> offers;
  return offers;
}

}  // namespace

SharedScan::SharedScan(const Text& path, const ByteFinder& finder, uint64_t from, uint64_t size, std::size_t tail,
                       std::size_t chunk)
    : path_(path), finder_(finder), size_(size), tail_(tail), chunk_(chunk), next_(from) {}

void SharedScan::Work(platform::ReadOnlyFile& file, ChunkBuffer& buffer) {
  const std::size_t piece = buffer.Chunk();
  char* const area = buffer.ReadArea();
  while (!found_.load()) {
    const uint64_t start = next_.fetch_add(piece);
    if (start >= size_) return;
    // The bytes in front of the piece, where an occurrence that ends in it may begin.
    const std::size_t before = static_cast<std::size_t>(std::min<uint64_t>(tail_, start));
    const uint64_t end = std::min<uint64_t>(start + piece, size_);
    const int64_t got = file.ReadAt(area - before, static_cast<uint32_t>(before + (end - start)), start - before);
    if (got <= 0) continue;  // a read error, or a file that shrank: nothing here to search
    CountBytesRead(got);
    if (finder_.FoundIn(std::string_view(area - before, static_cast<std::size_t>(got)))) found_.store(true);
  }
}

bool WorthSharing(uint64_t remaining, std::size_t tail) {
  return remaining >= kWorthSharingBytes && tail <= kLongestSharedTail;
}

void OfferScan(int32_t slot, SharedScan& scan) {
  Offers()[static_cast<std::size_t>(slot)].scan.store(&scan);
  WakeIdleWorker();
}

void WithdrawScan(int32_t slot) {
  Offer& offer = Offers()[static_cast<std::size_t>(slot)];
  offer.scan.store(nullptr);
  while (offer.users.load() != 0) std::this_thread::yield();  // a helper finishes its piece
}

bool HelpWithOfferedScan() {
  for (Offer& offer : Offers()) {
    const SharedScan* const offered = offer.scan.load();
    if (offered == nullptr) continue;
    offer.users.fetch_add(1);
    SharedScan* const scan = offer.scan.load();
    bool helped = false;
    if (scan != nullptr && !scan->Exhausted()) {
      // Kept by the thread; made anew when the search reads smaller chunks or a longer pattern
      // needs more room in front.
      thread_local ChunkBuffer buffer;
      const std::size_t piece = std::min(kHelperPiece, scan->Chunk());
      if (buffer.Chunk() != piece || buffer.CarryRoom() < scan->Tail()) buffer = ChunkBuffer::Allocate(piece, scan->Tail());
      platform::ReadOnlyFile file;
      if (file.Open(scan->Path())) {
        scan->Work(file, buffer);
        helped = true;
      }
    }
    offer.users.fetch_sub(1);
    if (helped) return true;
  }
  return false;
}

}  // namespace vantrel
