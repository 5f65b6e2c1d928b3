#include "search_fixture.h"

#include "find_entry.h"

namespace vantrel::testing {

std::vector<Text> SearchTest::ListFiles(const Text& folder) const {
  std::vector<Text> names;
  FindHandle handle;
  for (Text name = FindEntry(folder + "*.*", kNonDirectoryEntries, handle); !name.empty();
       name = FindEntry(Text(), kNonDirectoryEntries, handle)) {
    names.push_back(name);
  }
  return names;
}

}  // namespace vantrel::testing
