#pragma once
// Worker threads that wait between files instead of ending. Starting a thread costs tens of
// microseconds natively and about a millisecond under Wine; waking one costs a few
// microseconds, and a thread already running costs nothing.
//
// Each slot has its own thread, created when first needed and kept for the life of the
// process. A slot's job is published, and at most one thread per processor is woken for the
// published jobs: a running thread takes the next published job, whichever slot's it is,
// before it waits again. So a batch of small files costs a few wake-ups instead of one per
// file. A thread without a job helps with a large file another thread scans, if one is offered. When published jobs are left waiting (their runners are blocked reading a slow disk),
// WakeForWaitingJobs wakes every slot's thread, as one thread per slot would have run.

#include <cstdint>

#include "platform.h"

namespace vantrel {

// Publishes entry(slot) to run on a worker thread (started at `priority` when one has to be
// created). The caller does not wait. False when no thread could take it: then it will not
// run. A slot's previous job must have finished.
bool RunOnParkedWorker(platform::ThreadEntry entry, int32_t slot, int32_t priority);

// Wakes a thread for every job still waiting for one. True when one was waiting.
bool WakeForWaitingJobs(int32_t priority);

// Wakes a parked thread, when fewer than one per processor run, to help with a large file.
void WakeIdleWorker();

}  // namespace vantrel
