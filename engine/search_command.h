#pragma once
// The find command: the settings become the search state, a driver runs, the summary ends it.

#include <cstdint>

namespace vantrel {

class SearchHost;

// The find button's handler. Runs the whole search on the calling (main) thread.
void OnFindClicked(SearchHost& host);

// Fills the search globals from the host's settings and empties the result list.
void PrepareSearch(SearchHost& host);

// Elapsed milliseconds since t0 and the number of rows, in status part 0, with a beep.
void ReportSummary(int32_t t0, SearchHost& host);

}  // namespace vantrel
