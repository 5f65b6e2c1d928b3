#include "parked_workers.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <thread>

#include "shared_scan.h"

namespace vantrel {
namespace {

constexpr int32_t kMaxSlots = 20;  // the largest thread count the settings offer
constexpr int kLookAgainTimes = 64;

struct Job {
  // Set by the main thread before it publishes the job, read by the thread that claims it; the
  // slot's next job is written only once this one has counted itself finished.
  platform::ThreadEntry entry = nullptr;
  std::atomic<bool> published{false};
};

struct SlotThread {
  platform::WakeEvent wake;
  std::atomic<bool> parked{false};  // waiting on `wake`; whoever clears it must set `wake`
  std::atomic<bool> started{false};
};

struct Pool {
  std::array<Job, kMaxSlots + 1> jobs;  // by slot; index 0 unused
  std::array<SlotThread, kMaxSlots + 1> threads;
  std::atomic<int32_t> running{0};      // threads not parked
  const int32_t runners = static_cast<int32_t>(std::max(1u, std::thread::hardware_concurrency()));
};

// Never freed: parked threads still wait on it when the process ends.
Pool& ThePool() {
  static auto* const pool = new Pool();
  return *pool;
}

// Takes a published job, the caller's own slot first.
bool ClaimJob(int32_t own_slot, platform::ThreadEntry& entry, int32_t& slot) {
  Pool& pool = ThePool();
  for (int32_t i = 0; i < kMaxSlots; ++i) {
    const int32_t k = (own_slot - 1 + i) % kMaxSlots + 1;
    bool expected = true;
    if (pool.jobs[k].published.load() && pool.jobs[k].published.compare_exchange_strong(expected, false)) {
      entry = pool.jobs[k].entry;
      slot = k;
      return true;
    }
  }
  return false;
}

bool AnyPublished() {
  const Pool& pool = ThePool();
  return std::any_of(pool.jobs.begin() + 1, pool.jobs.end(), [](const Job& job) { return job.published.load(); });
}

// The next batch usually follows within microseconds of the last file of this one: looking
// for it a little while, yielding the processor meanwhile, is cheaper than parking and being
// woken again.
bool AwaitNextJob(int32_t own_slot, platform::ThreadEntry& entry, int32_t& slot) {
  for (int i = 0; i < kLookAgainTimes; ++i) {
    std::this_thread::yield();
    if (ClaimJob(own_slot, entry, slot)) return true;
  }
  return false;
}

void RunJobs(int32_t own_slot) {
  Pool& pool = ThePool();
  SlotThread& self = pool.threads[static_cast<std::size_t>(own_slot)];
  for (;;) {
    platform::ThreadEntry entry = nullptr;
    int32_t slot = 0;
    if (ClaimJob(own_slot, entry, slot)) {
      entry(slot);
      continue;
    }
    if (HelpWithOfferedScan()) continue;
    if (AwaitNextJob(own_slot, entry, slot)) {
      entry(slot);
      continue;
    }

    self.parked.store(true);
    pool.running.fetch_sub(1);
    // A job published while this thread was leaving, by a main thread that still counted it
    // as running, would otherwise wait for a rescue.
    if (AnyPublished() && self.parked.exchange(false)) {
      pool.running.fetch_add(1);
      continue;
    }
    self.wake.Wait();  // whoever cleared `parked` counted this thread running again
  }
}

// Wakes a parked thread for published work, or starts the slot's own. False when neither
// could be done.
bool WakeThread(int32_t slot, int32_t priority) {
  Pool& pool = ThePool();
  for (int32_t i = 0; i < kMaxSlots; ++i) {
    const int32_t k = (slot - 1 + i) % kMaxSlots + 1;
    SlotThread& thread = pool.threads[static_cast<std::size_t>(k)];
    if (thread.started && thread.parked.exchange(false)) {
      pool.running.fetch_add(1);
      thread.wake.Set();
      return true;
    }
  }
  SlotThread& own = pool.threads[static_cast<std::size_t>(slot)];
  if (own.started) return false;  // busy: it takes the job when it is done
  pool.running.fetch_add(1);
  if (!platform::StartThread(RunJobs, slot, priority)) {
    pool.running.fetch_sub(1);
    return false;
  }
  own.started = true;
  return true;
}

}  // namespace

bool RunOnParkedWorker(platform::ThreadEntry entry, int32_t slot, int32_t priority) {
  if (slot < 1 || slot > kMaxSlots) return platform::StartThread(entry, slot, priority);
  Pool& pool = ThePool();
  Job& job = pool.jobs[static_cast<std::size_t>(slot)];
  job.entry = entry;
  job.published.store(true);
  // A running thread takes every published job before it parks (and looks once more after).
  if (pool.running.load() >= pool.runners || WakeThread(slot, priority) || pool.running.load() > 0) return true;
  // No thread at all could be had; unless one took the job meanwhile, it will never run.
  bool expected = true;
  return !job.published.compare_exchange_strong(expected, false);
}

void WakeIdleWorker() {
  Pool& pool = ThePool();
  if (pool.running.load() >= pool.runners) return;
  for (int32_t k = 1; k <= kMaxSlots; ++k) {
    SlotThread& thread = pool.threads[static_cast<std::size_t>(k)];
    if (thread.started.load() && thread.parked.exchange(false)) {
      pool.running.fetch_add(1);
      thread.wake.Set();
      return;
    }
  }
}

bool WakeForWaitingJobs(int32_t priority) {
  Pool& pool = ThePool();
  bool waiting = false;
  for (int32_t k = 1; k <= kMaxSlots; ++k) {
    if (!pool.jobs[static_cast<std::size_t>(k)].published.load()) continue;
    waiting = true;
    WakeThread(k, priority);
  }
  return waiting;
}

}  // namespace vantrel
