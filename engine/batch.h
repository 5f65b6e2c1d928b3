#pragma once
// Starting the workers of a batch and waiting for them, shared by both drivers.

#include <cstdint>

#include "platform.h"

namespace vantrel {

class SearchHost;

// Starts the worker of one filled slot, then lets the window breathe. A worker that cannot
// be started counts as finished at once, so no wait hangs on it.
void StartSlotWorker(int32_t slot, SearchHost& host);

// How a slot's worker thread is started: StartWorkerThread, unless a test puts a failing
// starter in its place to see that a thread which never starts cannot hang a wait.
using WorkerStarter = bool (*)(platform::ThreadEntry entry, int32_t slot, int32_t priority);
void SetWorkerStarter(WorkerStarter starter);  // nullptr: StartWorkerThread again

// Returns once `started` workers have counted themselves. It wakes as soon as the last one has,
// or a window message arrives, and never waits 10 ms without handling the window's messages,
// which is when the workers' rows reach the list.
void WaitForBatch(int32_t started, SearchHost& host);

// Counts bytes the workers have read, which tells the wait whether they are held up by the
// disk (few bytes) or busy with the processor (many).
void CountBytesRead(int64_t bytes);

// Counts one worker of the batch as done, under CounterLock, and wakes the wait at the last.
void CountFinished();

}  // namespace vantrel
