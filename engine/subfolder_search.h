#pragma once

namespace vantrel {

class SearchHost;

// Searches every file of the tree below SearchFolder, depth first. Slots fill across folders;
// a batch of SlotCount workers starts when every slot is full and a further file arrives.
void SearchSubfolders(SearchHost& host);

}  // namespace vantrel
