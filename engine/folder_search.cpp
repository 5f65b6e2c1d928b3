#include "folder_search.h"

#include "batch.h"
#include "find_entry.h"
#include "scan_worker.h"
#include "search_command.h"
#include "search_globals.h"
#include "search_host.h"

namespace vantrel {

void SearchFolderOnly(SearchHost& host) {
  FindHandle handle;
  int32_t started = 0;
  if (SlotFiles.Count() == 0) FatalRuntimeError(RuntimeError::kIndexBeyondEnd);

  // Every entry that is not a directory: hidden and system files, and files whose archive
  // attribute is clear, hold content too.
  SlotFiles.At(1) = FindEntry(SearchFolder + "*.*", kNonDirectoryEntries, handle);
  const int32_t t0 = host.TickCount();
  if (!SlotFiles.At(1).empty()) {
    ScanSlotFile(1);
    FinishedCount = 0;
  }

  while (NoMoreFiles == 0) {
    for (int32_t k = 1; k <= SlotCount; ++k) {
      SlotFiles.At(k) = FindEntry(Text(), kNonDirectoryEntries, handle);
      if (SlotFiles.At(k).empty()) {
        NoMoreFiles = 1;
      } else {
        StartSlotWorker(k, host);
        ++started;
      }
    }
    WaitForBatch(started, host);
    FinishedCount = 0;
    started = 0;
    if (StopRequested != 0) {
      StopRequested = 0;
      break;
    }
  }

  ReportSummary(t0, host);
  ReleaseFind(handle);
}

}  // namespace vantrel
