#include "find_entry.h"

namespace vantrel {
namespace {

constexpr uint32_t kFilterableBits = platform::kAttributeReadOnly | platform::kAttributeHidden |
                                     platform::kAttributeSystem | platform::kAttributeDirectory |
                                     platform::kAttributeArchive;

bool Passes(uint32_t attributes, AttributeFilter filter) {
  if (!filter) return (attributes & platform::kAttributeDirectory) == 0;
  return (attributes & *filter & kFilterableBits) != 0;
}

}  // namespace

Text FindEntry(const Text& pattern, AttributeFilter filter, FindHandle& handle) {
  platform::DirEntry entry;
  bool found = pattern.empty() ? handle.Next(entry) : handle.Start(pattern, entry);
  while (found) {
    if (Passes(entry.attributes, filter)) return entry.name;
    found = handle.Next(entry);
  }
  handle.Close();
  return Text();
}

void ReleaseFind(FindHandle& handle) { handle.Close(); }

}  // namespace vantrel
