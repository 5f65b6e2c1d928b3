#include "subfolder_search.h"

#include <set>
#include <string>

#include "batch.h"
#include "find_entry.h"
#include "search_command.h"
#include "search_globals.h"
#include "search_host.h"
#include "text_stack.h"

namespace vantrel {
namespace {

// A link back into the tree would otherwise walk the same folders again under ever longer
// paths. A folder whose identity cannot be read is listed anyway: it usually cannot be
// listed either.
bool FirstVisit(const Text& folder, std::set<platform::FolderIdentity>& visited) {
  const auto identity = platform::IdentifyFolder(folder);
  return !identity || visited.insert(*identity).second;
}

void RunFullBatch(SearchHost& host) {
  for (int32_t k = 1; k <= SlotCount; ++k) StartSlotWorker(k, host);
  WaitForBatch(SlotCount, host);
  FinishedCount = 0;
}

}  // namespace

void SearchSubfolders(SearchHost& host) {
  TextStack stack;
  stack.Push(SearchFolder);
  FindHandle handle;
  int32_t filled = 0;
  int32_t seen = 0;
  std::set<platform::FolderIdentity> visited;
  const int32_t t0 = host.TickCount();

  while (stack.Count() > 0) {
    // An empty folder becomes "\", the root of the current drive.
    const Text folder = WithTrailingBackslash(stack.PopLast());
    if (!FirstVisit(folder, visited)) continue;

    for (Text name = FindEntry(folder + "*.*", kDirectoryEntries, handle); !name.empty();
         name = FindEntry(Text(), kDirectoryEntries, handle)) {
      if (name != "." && name != "..") stack.Push(folder + name);
    }
    host.PumpMessages();

    Text name = FindEntry(folder + "*.*", kNonDirectoryEntries, handle);
    while (!name.empty()) {
      if (filled < SlotCount) {
        ++filled;
      } else {
        RunFullBatch(host);
        filled = 1;  // the file that found the slots full opens the next batch
      }
      SlotFiles.At(filled).assign(folder).append(name);  // reuses the slot's storage
      ++seen;
      host.SetStatusText(1, std::to_string(seen));
      name = FindEntry(Text(), kNonDirectoryEntries, handle);
      if (StopRequested != 0) break;
    }
    if (StopRequested != 0) {
      StopRequested = 0;
      break;
    }
  }

  // Files already placed in slots are scanned even after a stop.
  FinishedCount = 0;
  for (int32_t k = 1; k <= filled; ++k) StartSlotWorker(k, host);
  WaitForBatch(filled, host);
  FinishedCount = 0;

  ReportSummary(t0, host);
  ReleaseFind(handle);
}

}  // namespace vantrel
