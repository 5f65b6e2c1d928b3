#include "scan_worker.h"

#include <algorithm>
#include <cstring>
#include <mutex>

#include "byte_search.h"
#include "search_globals.h"
#include "search_host.h"

namespace vantrel {
namespace {

// Reads the file chunk by chunk until its end or the first occurrence. The last
// (pattern length - 1) bytes of each chunk stay in front of the next, so an occurrence that
// spans two chunks, or a pattern longer than a chunk, is still found.
bool FileHoldsPattern(const Text& path, std::string_view pattern, ChunkBuffer& buffer, uint32_t chunk) {
  platform::ReadOnlyFile file;
  if (path.empty() || !file.Open(path)) return false;
  const std::size_t tail = pattern.empty() ? 0 : pattern.size() - 1;
  uint64_t position = 0;
  std::size_t carried = 0;
  for (;;) {
    const auto length = file.Size();
    if (!length || position >= *length) return false;
    const int64_t got = file.Read(buffer.Data() + carried, chunk);
    if (got <= 0) return false;  // an error, or a file that shrank under us: its end
    position += static_cast<uint64_t>(got);
    const std::string_view window(buffer.Data(), carried + static_cast<std::size_t>(got));
    if (ContainsBytes(window, pattern)) return true;
    carried = std::min(tail, window.size());
    std::memmove(buffer.Data(), window.data() + window.size() - carried, carried);
  }
}

}  // namespace

bool StartWorkerThread(platform::ThreadEntry entry, int32_t parameter, int32_t priority) {
  return platform::StartThread(entry, parameter, priority);
}

void SlotWorker(int32_t slot) { ScanSlotFile(slot); }

void ScanSlotFile(int32_t slot) {
  const Text name = SlotFiles.At(slot);
  ChunkBuffer& buffer = SlotBuffers.At(slot);
  const Text path = FindFirstBackslash(name) == kNotFound ? SearchFolder + name : name;
  if (FileHoldsPattern(path, PatternBytes, buffer, static_cast<uint32_t>(ChunkSize))) {
    ResultHost->AppendResult(ResultText(name, SearchFolder));
  }
  CountFinished();
}

Text ResultText(const Text& name, const Text& folder) {
  if (!folder.empty() && StartsWithIgnoringAsciiCase(name, folder)) return name.substr(folder.size());
  return name;
}

void CountFinished() {
  const std::lock_guard<platform::CriticalLock> guard(*CounterLock);
  FinishedCount.fetch_add(1);
}

}  // namespace vantrel
