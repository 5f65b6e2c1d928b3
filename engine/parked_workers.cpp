#include "parked_workers.h"

#include <array>

namespace vantrel {
namespace {

constexpr int32_t kMaxSlots = 20;  // the largest thread count the settings offer

struct ParkedWorker {
  platform::WakeEvent wake;
  // Written by the main thread before `wake` is set, read by the worker after it wakes; the
  // next job is written only once the worker has counted the previous one finished.
  platform::ThreadEntry entry = nullptr;
  int32_t parameter = 0;
  bool started = false;  // main thread only
};

// Never freed: a parked thread may still be waiting on its slot when the process ends.
ParkedWorker& WorkerFor(int32_t slot) {
  static auto* const workers = new std::array<ParkedWorker, kMaxSlots + 1>();
  return (*workers)[static_cast<std::size_t>(slot)];
}

void WaitForJobs(int32_t slot) {
  ParkedWorker& worker = WorkerFor(slot);
  for (;;) {
    worker.wake.Wait();
    const platform::ThreadEntry entry = worker.entry;
    entry(worker.parameter);
  }
}

}  // namespace

bool RunOnParkedWorker(platform::ThreadEntry entry, int32_t slot, int32_t priority) {
  if (slot < 1 || slot > kMaxSlots) return platform::StartThread(entry, slot, priority);
  ParkedWorker& worker = WorkerFor(slot);
  if (!worker.started) {
    if (!platform::StartThread(WaitForJobs, slot, priority)) return false;
    worker.started = true;
  }
  worker.entry = entry;
  worker.parameter = slot;
  worker.wake.Set();
  return true;
}

}  // namespace vantrel
