#pragma once
// Everything the engine needs from the window and the clock. The window implements it on
// its controls; tests and the console front-end implement it without one.

#include <cstdint>

#include "ansi_text.h"

namespace vantrel {

class SearchHost {
 public:
  virtual ~SearchHost() = default;

  // Settings, read once per search on the main thread. An index is 0-based, -1 for none.
  virtual int32_t ReadChunkSizeIndex() = 0;
  virtual int32_t ReadThreadCountIndex() = 0;
  virtual bool IsTextMode() = 0;
  virtual Text ReadTextPattern() = 0;
  virtual Text ReadHexPattern() = 0;
  virtual bool IsIncludeSubfolders() = 0;

  // On: stop enabled and find disabled; off: the other way round.
  virtual void SetSearching(bool on) = 0;
  // Part 0 is the visible left part of the status bar, part 1 the one beyond it.
  virtual void SetStatusText(int32_t part, const Text& text) = 0;
  virtual void ClearResults() = 0;
  // The one operation called from worker threads: it returns once the row is in the list,
  // which may take until the main thread next handles its messages.
  virtual void AppendResult(const Text& text) = 0;
  virtual int32_t CountResults() = 0;
  // Handles every pending message, stopping early (and leaving it queued) at a quit message.
  virtual void PumpMessages() = 0;
  virtual void Beep() = 0;
  virtual int32_t TickCount() = 0;
  // A negative value sleeps 0.
  virtual void SleepMs(int32_t milliseconds) = 0;
};

}  // namespace vantrel
