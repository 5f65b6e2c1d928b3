#include "batch.h"

#include "scan_worker.h"
#include "search_globals.h"
#include "search_host.h"

namespace vantrel {
namespace {

constexpr int32_t kAboveNormalPriority = 1;
constexpr int32_t kPollMs = 10;

}  // namespace

void StartSlotWorker(int32_t slot, SearchHost& host) {
  if (!StartWorkerThread(SlotWorker, slot, kAboveNormalPriority)) CountFinished();
  host.PumpMessages();
}

void WaitForBatch(int32_t started, SearchHost& host) {
  while (FinishedCount.load() < started) {
    host.SleepMs(kPollMs);
    host.PumpMessages();
  }
}

}  // namespace vantrel
