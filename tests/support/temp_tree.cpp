#include "temp_tree.h"

#include <stdexcept>
#include <string>

#include "platform.h"

#ifdef _WIN32
#include <windows.h>
#include <winioctl.h>
#else
#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#endif

namespace vantrel::testing {
namespace {

void Fail(const std::string& what, const Text& path) { throw std::runtime_error(what + " failed: " + path); }

#ifdef _WIN32

Text MakeTempRoot() {
  char base[MAX_PATH];
  GetTempPathA(MAX_PATH, base);
  for (unsigned attempt = 0;; ++attempt) {
    const Text root = Text(base) + "vantrel-" + std::to_string(GetCurrentProcessId()) + "-" +
                      std::to_string(GetTickCount()) + "-" + std::to_string(attempt);
    if (CreateDirectoryA(root.c_str(), nullptr)) return root + "\\";
    if (attempt > 100) Fail("CreateDirectoryA", root);
  }
}

void MakeFolder(const Text& path) {
  if (!CreateDirectoryA(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) Fail("CreateDirectoryA", path);
}

void RemoveTree(const Text& folder) {
  WIN32_FIND_DATAA data{};
  const HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const Text name = data.cFileName;
      if (name == "." || name == "..") continue;
      const Text path = folder + name;
      const bool is_link = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
      if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !is_link) {
        RemoveTree(path + "\\");
      } else if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveDirectoryA(path.c_str());
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  RemoveDirectoryA(folder.c_str());
}

void WriteWholeFile(const Text& path, uint64_t size, uint64_t offset, std::string_view content) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) Fail("CreateFileA", path);
  DWORD ignored = 0;
  if (size > content.size()) DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &ignored, nullptr);
  LARGE_INTEGER at{};
  at.QuadPart = static_cast<LONGLONG>(size);
  SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
  SetEndOfFile(file);
  at.QuadPart = static_cast<LONGLONG>(offset);
  SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
  DWORD written = 0;
  const bool ok = content.empty() ||
                  WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  CloseHandle(file);
  if (!ok) Fail("WriteFile", path);
}

// Wine reports success without making the link, so its existence is checked too.
bool MakeFolderLink(const Text& link, const Text& target) {
  return CreateSymbolicLinkA(link.c_str(), target.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY) != 0 &&
         GetFileAttributesA(link.c_str()) != INVALID_FILE_ATTRIBUTES;
}

#else

Text FromSystem(std::string path) {
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

Text MakeTempRoot() {
  std::string pattern = "/tmp/vantrel-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) Fail("mkdtemp", pattern);
  return FromSystem(pattern) + "\\";
}

void MakeFolder(const Text& path) {
  if (mkdir(platform::SystemPath(path).c_str(), 0755) != 0 && errno != EEXIST) Fail("mkdir", path);
}

void RemoveTree(const Text& folder) {
  nftw(platform::SystemPath(folder).c_str(), [](const char* path, const struct stat*, int, FTW*) { return remove(path); }, 16,
       FTW_DEPTH | FTW_PHYS);
}

void WriteWholeFile(const Text& path, uint64_t size, uint64_t offset, std::string_view content) {
  const int fd = open(platform::SystemPath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) Fail("open", path);
  const bool ok = ftruncate(fd, static_cast<off_t>(size)) == 0 &&
                  pwrite(fd, content.data(), content.size(), static_cast<off_t>(offset)) ==
                      static_cast<ssize_t>(content.size());
  close(fd);
  if (!ok) Fail("write", path);
}

bool MakeFolderLink(const Text& link, const Text& target) {
  return symlink(platform::SystemPath(target).c_str(), platform::SystemPath(link).c_str()) == 0;
}

#endif

void MakeParents(const Text& root, const Text& relative) {
  for (std::size_t from = 0;;) {
    const std::size_t cut = FindFirstBackslash(std::string_view(relative).substr(from));
    if (cut == kNotFound) return;
    MakeFolder(root + relative.substr(0, from + cut));
    from += cut + 1;
  }
}

}  // namespace

TempTree::TempTree() : root_(MakeTempRoot()) {}

TempTree::~TempTree() { RemoveTree(root_); }

Text TempTree::AddFile(const Text& relative, std::string_view content) {
  return AddSparseFile(relative, content.size(), 0, content);
}

Text TempTree::AddFolder(const Text& relative) {
  MakeParents(root_, relative + "\\");
  return Path(relative) + "\\";
}

Text TempTree::AddSparseFile(const Text& relative, uint64_t size, uint64_t offset, std::string_view content) {
  MakeParents(root_, relative);
  const Text path = Path(relative);
  WriteWholeFile(path, size, offset, content);
  return path;
}

bool TempTree::AddFolderLink(const Text& relative, const Text& target_path) {
  MakeParents(root_, relative);
  return MakeFolderLink(Path(relative), target_path);
}

}  // namespace vantrel::testing
