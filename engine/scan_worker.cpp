#include "scan_worker.h"

#include <algorithm>
#include <cstring>

#include "batch.h"
#include "byte_search.h"
#include "parked_workers.h"
#include "search_globals.h"
#include "search_host.h"
#include "shared_scan.h"

namespace vantrel {
namespace {

// Reads the file chunk by chunk until its end or the first occurrence. The last
// (pattern length - 1) bytes of each chunk stay in front of the next, so an occurrence that
// spans two chunks, or a pattern longer than a chunk, is still found. A file that fits in one
// chunk costs one open, one read and one close.
bool FileHoldsPattern(int32_t slot, const Text& path, const ByteFinder& finder, std::size_t pattern_length,
                      ChunkBuffer& buffer) {
  platform::ReadOnlyFile file;
  if (path.empty() || !file.Open(path)) return false;
  const std::size_t chunk = buffer.Chunk();
  const std::size_t tail = std::min(pattern_length == 0 ? 0 : pattern_length - 1, buffer.CarryRoom());
  char* const area = buffer.ReadArea();
  std::size_t carried = 0;
  for (bool first = true;; first = false) {
    const int64_t got = file.Read(area, static_cast<uint32_t>(chunk));
    if (got <= 0) return false;  // the end, or a read error: treated alike
    CountBytesRead(got);
    const std::string_view window(area - carried, carried + static_cast<std::size_t>(got));
    if (finder.FoundIn(window)) return true;
    // Files do not return short reads before their end.
    if (static_cast<std::size_t>(got) < chunk) return false;
    if (first) {
      const auto size = file.Size();
      if (size && *size > chunk && WorthSharing(*size - chunk, tail)) {
        SharedScan scan(path, finder, chunk, *size, tail, chunk);
        OfferScan(slot, scan);
        scan.Work(file, buffer);
        WithdrawScan(slot);
        return scan.Found();
      }
      file.ExpectLongRead();
    }
    carried = std::min(tail, window.size());
    std::memmove(area - carried, window.data() + window.size() - carried, carried);
  }
}

}  // namespace

bool StartWorkerThread(platform::ThreadEntry entry, int32_t parameter, int32_t priority) {
  return RunOnParkedWorker(entry, parameter, priority);
}

void SlotWorker(int32_t slot) { ScanSlotFile(slot); }

void ScanSlotFile(int32_t slot) {
  // The slot is this worker's until it counts itself finished, so its name needs no copy.
  const Text& name = SlotFiles.At(slot);
  ChunkBuffer& buffer = SlotBuffers.At(slot);
  // Reused by the thread: a bare name is opened in SearchFolder without allocating per file.
  thread_local Text path;
  if (FindFirstBackslash(name) == kNotFound) {
    path.assign(SearchFolder).append(name);
  } else {
    path.assign(name);
  }
  if (FileHoldsPattern(slot, path, PatternFinder, PatternBytes.size(), buffer)) {
    ResultHost->AppendResult(ResultText(name, SearchFolder));
  }
  CountFinished();
}

Text ResultText(const Text& name, const Text& folder) {
  if (!folder.empty() && StartsWithIgnoringAsciiCase(name, folder)) return name.substr(folder.size());
  return name;
}

}  // namespace vantrel
