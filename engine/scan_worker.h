#pragma once
// One worker scans the one file in its slot, lists it when the pattern occurs, and counts
// itself finished.

#include <cstdint>

#include "ansi_text.h"
#include "platform.h"

namespace vantrel {

// Runs entry(parameter) on a worker thread at the given priority (1: above normal) without
// waiting for it: a parked worker thread for a slot index. False when no thread could run it.
bool StartWorkerThread(platform::ThreadEntry entry, int32_t parameter, int32_t priority);

// The thread entry the drivers pass; its parameter is the slot index.
void SlotWorker(int32_t slot);

// Scans SlotFiles[slot] for PatternBytes, appends its ResultText on the first occurrence and
// increments FinishedCount under CounterLock. Runs on a worker, or on the main thread for the
// single-folder driver's first file.
void ScanSlotFile(int32_t slot);

// The listed text: name with a leading folder removed once (ASCII case ignored), so that
// folder + result is the file's path again.
Text ResultText(const Text& name, const Text& folder);

}  // namespace vantrel
