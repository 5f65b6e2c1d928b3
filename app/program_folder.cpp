#include "program_folder.h"

#include <windows.h>

namespace vantrel::app {

std::optional<Text> FolderOfProgram(const Text& module_path) {
  const std::size_t last = FindLastBackslash(module_path);
  if (last == kNotFound) return std::nullopt;
  Text folder = module_path.substr(0, last);
  if (folder.size() == 2 && folder[1] == ':') folder.push_back('\\');
  return folder;
}

void MakeProgramFolderCurrent() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;  // a truncated path names no folder of ours
  if (const auto folder = FolderOfProgram(Text(path, length))) SetCurrentDirectoryA(folder->c_str());
}

}  // namespace vantrel::app
