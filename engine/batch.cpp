#include "batch.h"

#include <atomic>
#include <limits>
#include <mutex>

#include "parked_workers.h"
#include "scan_worker.h"
#include "search_globals.h"
#include "search_host.h"

namespace vantrel {
namespace {

constexpr int32_t kAboveNormalPriority = 1;
constexpr int32_t kPollMs = 10;
constexpr int32_t kJobsWaitingMs = 2;

// Below this many bytes in a slice, the running workers are waiting on the disk rather than
// using the processors (half a gigabyte a second), and more threads would help.
constexpr int64_t kSlowSliceBytes = 1 << 20;

std::atomic<int64_t> g_bytes_read{0};

WorkerStarter g_starter = StartWorkerThread;

// The count the running wait is waiting for; none between waits. A worker that reaches it
// wakes the wait. The wait publishes it before its own check of the count, and each worker
// counts before it reads it, so one of the two always sees the other.
std::atomic<int32_t> g_awaited{std::numeric_limits<int32_t>::max()};

// Never destroyed: a worker may still be setting it while the process ends.
platform::WakeEvent& BatchDone() {
  static auto* const event = new platform::WakeEvent();
  return *event;
}

}  // namespace

void SetWorkerStarter(WorkerStarter starter) { g_starter = starter != nullptr ? starter : StartWorkerThread; }

void StartSlotWorker(int32_t slot, SearchHost& host) {
  if (!g_starter(SlotWorker, slot, kAboveNormalPriority)) CountFinished();
  host.PumpMessages();
}

void WaitForBatch(int32_t started, SearchHost& host) {
  g_awaited.store(started);
  // While jobs still wait for a thread, their runners may be stuck on a slow disk: look again
  // soon, and when little was read meanwhile, give each waiting job a thread of its own.
  int32_t slice_ms = kJobsWaitingMs;
  int64_t read_before = g_bytes_read.load(std::memory_order_relaxed);
  while (FinishedCount.load() < started) {
    BatchDone().WaitOrInput(slice_ms);
    host.PumpMessages();
    const int64_t read_now = g_bytes_read.load(std::memory_order_relaxed);
    const bool slow = read_now - read_before < kSlowSliceBytes;
    read_before = read_now;
    slice_ms = (!slow || WakeForWaitingJobs(kAboveNormalPriority)) ? kJobsWaitingMs : kPollMs;
  }
  g_awaited.store(std::numeric_limits<int32_t>::max());
}

void CountBytesRead(int64_t bytes) { g_bytes_read.fetch_add(bytes, std::memory_order_relaxed); }

// The wake stays inside the lock, so that a worker is done with everything shared once it
// leaves the lock, which is what FreeGlobals waits for.
void CountFinished() {
  const std::lock_guard<platform::CriticalLock> guard(*CounterLock);
  if (FinishedCount.fetch_add(1) + 1 >= g_awaited.load()) BatchDone().Set();
}

}  // namespace vantrel
