#include "batch.h"

#include "scan_worker.h"
#include "search_globals.h"
#include "search_host.h"

namespace vantrel {
namespace {

constexpr int32_t kAboveNormalPriority = 1;
constexpr int32_t kPollMs = 10;

WorkerStarter g_starter = StartWorkerThread;

}  // namespace

void SetWorkerStarter(WorkerStarter starter) { g_starter = starter != nullptr ? starter : StartWorkerThread; }

void StartSlotWorker(int32_t slot, SearchHost& host) {
  if (!g_starter(SlotWorker, slot, kAboveNormalPriority)) CountFinished();
  host.PumpMessages();
}

void WaitForBatch(int32_t started, SearchHost& host) {
  while (FinishedCount.load() < started) {
    host.SleepMs(kPollMs);
    host.PumpMessages();
  }
}

}  // namespace vantrel
