#pragma once
// The operating-system services the engine uses, and nothing else. platform_win.cpp
// implements them with kernel32; platform_posix.cpp with POSIX calls, so that the engine and
// its tests also run natively. Paths stay Windows-style in the engine on both sides: the
// POSIX side turns backslashes that start a character into '/' when it calls the system.

#include <compare>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel::platform {

inline constexpr uint32_t kAttributeReadOnly = 1;
inline constexpr uint32_t kAttributeHidden = 2;
inline constexpr uint32_t kAttributeSystem = 4;
inline constexpr uint32_t kAttributeDirectory = 16;
inline constexpr uint32_t kAttributeArchive = 32;

struct DirEntry {
  std::string name;  // without its folder
  uint32_t attributes = 0;
};

// One open folder enumeration (FindFirstFileA / FindNextFileA), closed on destruction.
class FolderEnumeration {
 public:
  FolderEnumeration();
  ~FolderEnumeration();
  FolderEnumeration(const FolderEnumeration&) = delete;
  FolderEnumeration& operator=(const FolderEnumeration&) = delete;
  FolderEnumeration(FolderEnumeration&&) noexcept;
  FolderEnumeration& operator=(FolderEnumeration&&) noexcept;

  // Closes any open enumeration, then starts one on a pattern such as "C:\dir\*.*".
  // False (and closed) when the folder cannot be listed or has no entry at all.
  bool Start(const std::string& pattern, DirEntry& first);
  // False at the end or when nothing is open; the enumeration stays open until Close.
  bool Next(DirEntry& entry);
  void Close();
  bool IsOpen() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// A file opened for reading only, others may go on reading and writing it; closed on
// destruction. Directories and other non-regular files do not open.
class ReadOnlyFile {
 public:
  ReadOnlyFile() = default;
  ~ReadOnlyFile();
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  // For reading from start to end, which the system may read ahead for.
  bool Open(const std::string& path);
  bool IsOpen() const { return handle_ != kInvalid; }
  std::optional<uint64_t> Size() const;
  // Bytes read (0 at the end), or -1 on a read error.
  int64_t Read(char* buffer, uint32_t count);
  // The same from a given offset; the file's position is not to be relied on afterwards.
  int64_t ReadAt(char* buffer, uint32_t count, uint64_t offset);
  // Tells the system that a file goes on beyond its first chunk.
  void ExpectLongRead();

 private:
  static constexpr intptr_t kInvalid = -1;  // INVALID_HANDLE_VALUE and a bad descriptor alike
  intptr_t handle_ = kInvalid;
};

// Starts a detached thread running entry(parameter); priority 1 is the level above normal
// (ignored where an unprivileged process cannot raise it). False when no thread started.
using ThreadEntry = void (*)(int32_t parameter);
bool StartThread(ThreadEntry entry, int32_t parameter, int32_t priority);

// A critical section (a mutex elsewhere); never moved once created. Usable with std::lock_guard.
class CriticalLock {
 public:
  CriticalLock();
  ~CriticalLock();
  CriticalLock(const CriticalLock&) = delete;
  CriticalLock& operator=(const CriticalLock&) = delete;
  void lock();
  void unlock();

 private:
  alignas(16) unsigned char storage_[64];
};

// An auto-reset signal from one thread to another.
class WakeEvent {
 public:
  WakeEvent();
  ~WakeEvent();
  WakeEvent(const WakeEvent&) = delete;
  WakeEvent& operator=(const WakeEvent&) = delete;

  void Set();
  void Wait();
  // Returns when set, after `milliseconds`, or (on Windows) as soon as input for the calling
  // thread's windows is waiting, so that a waiting main thread can handle it at once.
  void WaitOrInput(int32_t milliseconds);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// Milliseconds since the system started, as GetTickCount read as a signed 32-bit value.
int32_t TickCountMs();
void SleepMs(int32_t milliseconds);

// What makes a folder the same folder under another path (a link): the volume and the file
// index on Windows, the device and inode elsewhere.
struct FolderIdentity {
  uint64_t volume = 0;
  uint64_t index = 0;
  auto operator<=>(const FolderIdentity&) const = default;
};
std::optional<FolderIdentity> IdentifyFolder(const std::string& path);

// The path as the system's own calls take it: unchanged on Windows; elsewhere every backslash
// that starts a character becomes '/', and an empty path the current folder.
std::string SystemPath(std::string_view path);

void ShowFatalMessage(const std::string& message);
[[noreturn]] void ExitAfterFatalError();

}  // namespace vantrel::platform
