#pragma once
// Worker threads that wait between files instead of ending: starting a thread costs tens of
// microseconds natively and about a millisecond under Wine, handing a file to a waiting one
// a few microseconds.

#include <cstdint>

#include "platform.h"

namespace vantrel {

// Runs entry(slot) on the slot's own waiting thread, which is started (at `priority`) the first
// time the slot is used and kept for the life of the process. The caller does not wait. False
// when the thread could not be started. A slot's previous job must have finished.
bool RunOnParkedWorker(platform::ThreadEntry entry, int32_t slot, int32_t priority);

}  // namespace vantrel
