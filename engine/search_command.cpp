#include "search_command.h"

#include <string>

#include "folder_search.h"
#include "hex_pattern.h"
#include "search_globals.h"
#include "search_host.h"
#include "subfolder_search.h"

namespace vantrel {

void OnFindClicked(SearchHost& host) {
  PrepareSearch(host);
  if (host.IsIncludeSubfolders()) {
    SearchSubfolders(host);
  } else {
    SearchFolderOnly(host);
  }
  host.SetSearching(false);
}

void PrepareSearch(SearchHost& host) {
  host.SetSearching(true);
  FinishedCount = 0;
  ChunkSize = ChunkSizeForIndex(host.ReadChunkSizeIndex());
  SlotCount = SlotCountForIndex(host.ReadThreadCountIndex());
  NoMoreFiles = 0;
  // A stop pressed too late for the previous search must not end this one.
  StopRequested = 0;
  PatternBytes = host.IsTextMode() ? host.ReadTextPattern() : HexTextToBytes(host.ReadHexPattern());
  PatternFinder = ByteFinder(PatternBytes);

  // Each buffer also holds the tail carried from one chunk to the next.
  const std::size_t carried = PatternBytes.empty() ? 0 : PatternBytes.size() - 1;
  SlotBuffers.Reset(SlotCount);
  for (int32_t k = 1; k <= SlotCount; ++k) {
    SlotBuffers.At(k) = ChunkBuffer::Allocate(static_cast<std::size_t>(ChunkSize), carried);
  }
  SlotFiles.Reset(SlotCount);
  if (!CounterLock) CounterLock = CreateCounterLock();
  ResultHost = &host;
  host.ClearResults();
}

void ReportSummary(int32_t t0, SearchHost& host) {
  const int32_t t1 = host.TickCount();
  // Across the tick counter's wrap the low 32 bits of the difference are still the time.
  const int32_t elapsed = TruncateToInt32(static_cast<double>(t1) - static_cast<double>(t0));
  const int32_t found = host.CountResults();
  host.Beep();
  host.SetStatusText(0, "  搜索完毕，总耗时" + std::to_string(elapsed) + "毫秒。找到文件总数" + std::to_string(found));
}

}  // namespace vantrel
