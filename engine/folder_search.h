#pragma once

namespace vantrel {

class SearchHost;

// Searches the files directly in SearchFolder: the first on the main thread, the rest in
// batches of up to SlotCount workers, each batch awaited before the next is fetched.
void SearchFolderOnly(SearchHost& host);

}  // namespace vantrel
