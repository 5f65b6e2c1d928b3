#pragma once
// A folder tree built by a test in the temp folder and removed with it. Paths are given and
// returned in the engine's form: backslash separators, folders ending in a backslash.

#include <cstdint>
#include <string_view>

#include "ansi_text.h"

namespace vantrel::testing {

class TempTree {
 public:
  TempTree();
  ~TempTree();
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  // The tree's own folder, ending in a backslash.
  const Text& Root() const { return root_; }
  Text Path(const Text& relative) const { return root_ + relative; }

  // Parent folders are created as needed. Returns the full path.
  Text AddFile(const Text& relative, std::string_view content = {});
  Text AddFolder(const Text& relative);
  // A file of `size` bytes that holds `content` at `offset` and zeros elsewhere; sparse
  // where the file system allows, so gigabytes cost no disk.
  Text AddSparseFile(const Text& relative, uint64_t size, uint64_t offset, std::string_view content);
  // A symbolic link to a folder; false where the platform cannot make one.
  bool AddFolderLink(const Text& relative, const Text& target_path);

 private:
  Text root_;
};

}  // namespace vantrel::testing
