#include "search_globals.h"

#include <array>
#include <mutex>

namespace vantrel {
namespace {

constexpr std::array<int32_t, 6> kChunkSizeTable{262144, 524288, 1048576, 2097152, 10485760, 1024};
constexpr std::array<int32_t, 5> kSlotCountTable{1, 2, 5, 10, 20};

template <std::size_t N>
int32_t Lookup(const std::array<int32_t, N>& table, int32_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= N) FatalRuntimeError(RuntimeError::kIndexOutsideTable);
  return table[static_cast<std::size_t>(index)];
}

}  // namespace

std::unique_ptr<platform::CriticalLock> CreateCounterLock() { return std::make_unique<platform::CriticalLock>(); }

void InitGlobals() {
  SlotBuffers.Reset(0);
  SlotFiles.Reset(0);
}

void FreeGlobals() {
  Text().swap(SearchFolder);
  ByteString().swap(PatternBytes);
  PatternFinder = ByteFinder();
  SlotBuffers.Reset(0);
  SlotFiles.Reset(0);
  // A worker counts itself finished inside the lock, so it may still be leaving it when the
  // main thread sees the count; taking the lock once waits for that before it is destroyed.
  if (CounterLock) const std::lock_guard<platform::CriticalLock> last_worker_gone(*CounterLock);
  CounterLock.reset();
  ResultHost = nullptr;
}

int32_t ChunkSizeForIndex(int32_t index) { return Lookup(kChunkSizeTable, index); }
int32_t SlotCountForIndex(int32_t index) { return Lookup(kSlotCountTable, index); }

}  // namespace vantrel
