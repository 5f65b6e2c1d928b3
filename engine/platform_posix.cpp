#include "platform.h"

#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
// Not <chrono>: its micro sign has no GBK form, and every literal here is compiled to GBK.
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <new>
#include <vector>

#include "ansi_text.h"

namespace vantrel::platform {
namespace {

// Directory 16, everything else archive 32, a leading dot hidden 2 ("." and ".." aside, as
// on Windows). Links are followed as Windows follows them; one that leads nowhere is not
// listed. The entry's own type spares a stat call for all but links and unknown types.
std::optional<uint32_t> AttributesOf(const std::string& folder, const dirent& entry) {
  const char* const name = entry.d_name;
  bool directory = entry.d_type == DT_DIR;
  if (entry.d_type == DT_LNK || entry.d_type == DT_UNKNOWN) {
    struct stat info {};
    const std::string path = folder + "/" + name;
    if (stat(path.c_str(), &info) != 0) return std::nullopt;
    directory = S_ISDIR(info.st_mode);
  }
  uint32_t attributes = directory ? kAttributeDirectory : kAttributeArchive;
  const std::string_view view(name);
  if (view.starts_with('.') && view != "." && view != "..") attributes |= kAttributeHidden;
  return attributes;
}

// Separators are found by the engine's own character-by-character rule, so a second byte
// 0x5C of a double-byte character stays part of its name, as on Windows.
void ToSystemSeparators(std::string& path) {
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (static_cast<unsigned char>(path[i]) >= 0x80) {
      ++i;
    } else if (path[i] == '\\') {
      path[i] = '/';
    }
  }
  if (path.empty()) path = ".";
}

}  // namespace

// The whole folder is read at Start and sorted by name, which gives the stable order that
// NTFS gives on Windows.
struct FolderEnumeration::State {
  std::vector<DirEntry> entries;
  std::size_t next = 0;
};

FolderEnumeration::FolderEnumeration() = default;
FolderEnumeration::~FolderEnumeration() = default;
FolderEnumeration::FolderEnumeration(FolderEnumeration&&) noexcept = default;
FolderEnumeration& FolderEnumeration::operator=(FolderEnumeration&&) noexcept = default;

bool FolderEnumeration::Start(const std::string& pattern, DirEntry& first) {
  Close();
  const std::size_t cut = FindLastBackslash(pattern);
  const std::string folder = SystemPath(cut == kNotFound ? std::string_view() : std::string_view(pattern).substr(0, cut + 1));
  const std::string mask = cut == kNotFound ? pattern : pattern.substr(cut + 1);
  const bool everything = mask == "*.*" || mask == "*";

  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return false;
  auto state = std::make_unique<State>();
  while (const dirent* entry = readdir(dir)) {
    if (!everything && mask != entry->d_name) continue;
    if (const auto attributes = AttributesOf(folder, *entry)) {
      state->entries.push_back({entry->d_name, *attributes});
    }
  }
  closedir(dir);
  if (state->entries.empty()) return false;
  std::sort(state->entries.begin(), state->entries.end(),
            [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
  state_ = std::move(state);
  return Next(first);
}

bool FolderEnumeration::Next(DirEntry& entry) {
  if (!state_ || state_->next >= state_->entries.size()) return false;
  entry = state_->entries[state_->next++];
  return true;
}

void FolderEnumeration::Close() { state_.reset(); }

bool FolderEnumeration::IsOpen() const { return state_ != nullptr; }

ReadOnlyFile::~ReadOnlyFile() {
  if (IsOpen()) close(static_cast<int>(handle_));
}

bool ReadOnlyFile::Open(const std::string& path) {
  // Reused by the thread, so that opening a file allocates nothing once it has grown.
  thread_local std::string system_path;
  system_path.assign(path);
  ToSystemSeparators(system_path);
  // Non-blocking, so that a FIFO in the tree cannot hang the open; only regular files are kept.
  const int fd = open(system_path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    return false;
  }
  handle_ = fd;
  return true;
}

int64_t ReadOnlyFile::Read(char* buffer, uint32_t count) {
  for (;;) {
    const ssize_t got = read(static_cast<int>(handle_), buffer, count);
    if (got >= 0) return got;
    if (errno != EINTR) return -1;
  }
}

std::optional<uint64_t> ReadOnlyFile::Size() const {
  struct stat info {};
  if (!IsOpen() || fstat(static_cast<int>(handle_), &info) != 0) return std::nullopt;
  return static_cast<uint64_t>(info.st_size);
}

int64_t ReadOnlyFile::ReadAt(char* buffer, uint32_t count, uint64_t offset) {
  for (;;) {
    const ssize_t got = pread(static_cast<int>(handle_), buffer, count, static_cast<off_t>(offset));
    if (got >= 0) return got;
    if (errno != EINTR) return -1;
  }
}

void ReadOnlyFile::ExpectLongRead() { posix_fadvise(static_cast<int>(handle_), 0, 0, POSIX_FADV_SEQUENTIAL); }

namespace {

struct ThreadStart {
  ThreadEntry entry;
  int32_t parameter;
};

void* RunThread(void* raw) {
  const ThreadStart start = *static_cast<ThreadStart*>(raw);
  delete static_cast<ThreadStart*>(raw);
  start.entry(start.parameter);
  return nullptr;
}

}  // namespace

bool StartThread(ThreadEntry entry, int32_t parameter, int32_t /*priority*/) {
  auto* start = new ThreadStart{entry, parameter};
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED);
  pthread_t thread;
  const int result = pthread_create(&thread, &attributes, RunThread, start);
  pthread_attr_destroy(&attributes);
  if (result != 0) delete start;
  return result == 0;
}

static_assert(sizeof(pthread_mutex_t) <= 64 && alignof(pthread_mutex_t) <= 16);

CriticalLock::CriticalLock() { pthread_mutex_init(new (storage_) pthread_mutex_t, nullptr); }
CriticalLock::~CriticalLock() { pthread_mutex_destroy(reinterpret_cast<pthread_mutex_t*>(storage_)); }
void CriticalLock::lock() { pthread_mutex_lock(reinterpret_cast<pthread_mutex_t*>(storage_)); }
void CriticalLock::unlock() { pthread_mutex_unlock(reinterpret_cast<pthread_mutex_t*>(storage_)); }

struct WakeEvent::State {
  std::mutex mutex;
  std::condition_variable changed;
  bool set = false;
};

WakeEvent::WakeEvent() : state_(std::make_unique<State>()) {}
WakeEvent::~WakeEvent() = default;

void WakeEvent::Set() {
  {
    const std::lock_guard<std::mutex> guard(state_->mutex);
    state_->set = true;
  }
  state_->changed.notify_one();
}

void WakeEvent::Wait() {
  std::unique_lock<std::mutex> lock(state_->mutex);
  state_->changed.wait(lock, [this] { return state_->set; });
  state_->set = false;
}

void WakeEvent::WaitOrInput(int32_t milliseconds) {
  std::unique_lock<std::mutex> lock(state_->mutex);
  state_->changed.wait_for(lock, std::chrono::milliseconds(std::max(milliseconds, 0)), [this] { return state_->set; });
  state_->set = false;
}

int32_t TickCountMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  const uint64_t ms = static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
  return static_cast<int32_t>(static_cast<uint32_t>(ms));
}

void SleepMs(int32_t milliseconds) {
  const int32_t ms = std::max(milliseconds, 0);
  timespec wait{ms / 1000, static_cast<long>(ms % 1000) * 1000000L};
  while (nanosleep(&wait, &wait) != 0 && errno == EINTR) {
  }
}

std::string SystemPath(std::string_view path) {
  std::string result(path);
  ToSystemSeparators(result);
  return result;
}

std::optional<FolderIdentity> IdentifyFolder(const std::string& path) {
  struct stat info {};
  if (stat(SystemPath(path).c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return std::nullopt;
  return FolderIdentity{static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino)};
}

void ShowFatalMessage(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  std::fflush(stderr);
}

void ExitAfterFatalError() { _exit(255); }

}  // namespace vantrel::platform
