#include "platform.h"

#include <windows.h>

#include <new>

#include "win_handle.h"

namespace vantrel::platform {

struct FolderEnumeration::State {
  UniqueFindHandle handle;
};

namespace {

DirEntry ToEntry(const WIN32_FIND_DATAA& data) { return DirEntry{data.cFileName, data.dwFileAttributes}; }

}  // namespace

FolderEnumeration::FolderEnumeration() = default;
FolderEnumeration::~FolderEnumeration() = default;
FolderEnumeration::FolderEnumeration(FolderEnumeration&&) noexcept = default;
FolderEnumeration& FolderEnumeration::operator=(FolderEnumeration&&) noexcept = default;

bool FolderEnumeration::Start(const std::string& pattern, DirEntry& first) {
  Close();
  WIN32_FIND_DATAA data{};
  const HANDLE handle = FindFirstFileA(pattern.c_str(), &data);
  if (handle == INVALID_HANDLE_VALUE) return false;
  state_ = std::make_unique<State>(UniqueFindHandle(handle));
  first = ToEntry(data);
  return true;
}

bool FolderEnumeration::Next(DirEntry& entry) {
  if (!state_) return false;
  WIN32_FIND_DATAA data{};
  if (!FindNextFileA(state_->handle.Get(), &data)) return false;
  entry = ToEntry(data);
  return true;
}

void FolderEnumeration::Close() { state_.reset(); }

bool FolderEnumeration::IsOpen() const { return state_ != nullptr; }

namespace {

HANDLE AsHandle(intptr_t value) { return reinterpret_cast<HANDLE>(value); }

}  // namespace

ReadOnlyFile::~ReadOnlyFile() {
  if (IsOpen()) CloseHandle(AsHandle(handle_));
}

bool ReadOnlyFile::Open(const std::string& path) {
  const HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  handle_ = reinterpret_cast<intptr_t>(handle);
  return true;
}

int64_t ReadOnlyFile::Read(char* buffer, uint32_t count) {
  DWORD got = 0;
  if (!ReadFile(AsHandle(handle_), buffer, count, &got, nullptr)) return -1;
  return got;
}

std::optional<uint64_t> ReadOnlyFile::Size() const {
  LARGE_INTEGER size{};
  if (!IsOpen() || !GetFileSizeEx(AsHandle(handle_), &size)) return std::nullopt;
  return static_cast<uint64_t>(size.QuadPart);
}

// Moves the file pointer and reads, rather than reading with an offset: each thread reads
// through a handle of its own, and under Wine an offset read was measured a third slower.
int64_t ReadOnlyFile::ReadAt(char* buffer, uint32_t count, uint64_t offset) {
  LARGE_INTEGER at{};
  at.QuadPart = static_cast<LONGLONG>(offset);
  if (!SetFilePointerEx(AsHandle(handle_), at, nullptr, FILE_BEGIN)) return -1;
  return Read(buffer, count);
}

void ReadOnlyFile::ExpectLongRead() {}  // the open's sequential-scan flag already says so

namespace {

struct ThreadStart {
  ThreadEntry entry;
  int32_t parameter;
};

DWORD WINAPI RunThread(LPVOID raw) {
  const ThreadStart start = *static_cast<ThreadStart*>(raw);
  delete static_cast<ThreadStart*>(raw);
  start.entry(start.parameter);
  return 0;
}

}  // namespace

bool StartThread(ThreadEntry entry, int32_t parameter, int32_t priority) {
  auto* start = new ThreadStart{entry, parameter};
  // The handle is closed on return: the worker is detached and reports its end through
  // FinishedCount alone.
  const UniqueKernelHandle thread(CreateThread(nullptr, 0, RunThread, start, 0, nullptr));
  if (!thread) {
    delete start;
    return false;
  }
  if (priority != 0) SetThreadPriority(thread.Get(), priority);
  return true;
}

static_assert(sizeof(CRITICAL_SECTION) <= 64 && alignof(CRITICAL_SECTION) <= 16);

CriticalLock::CriticalLock() { InitializeCriticalSection(new (storage_) CRITICAL_SECTION{}); }
CriticalLock::~CriticalLock() { DeleteCriticalSection(reinterpret_cast<CRITICAL_SECTION*>(storage_)); }
void CriticalLock::lock() { EnterCriticalSection(reinterpret_cast<CRITICAL_SECTION*>(storage_)); }
void CriticalLock::unlock() { LeaveCriticalSection(reinterpret_cast<CRITICAL_SECTION*>(storage_)); }

struct WakeEvent::State {
  UniqueKernelHandle event{CreateEventA(nullptr, FALSE, FALSE, nullptr)};
};

WakeEvent::WakeEvent() : state_(std::make_unique<State>()) {}
WakeEvent::~WakeEvent() = default;

void WakeEvent::Set() { SetEvent(state_->event.Get()); }

void WakeEvent::Wait() { WaitForSingleObject(state_->event.Get(), INFINITE); }

void WakeEvent::WaitOrInput(int32_t milliseconds) {
  const HANDLE event = state_->event.Get();
  // MWMO_INPUTAVAILABLE: also input that was already seen but not yet handled.
  MsgWaitForMultipleObjectsEx(1, &event, milliseconds < 0 ? 0 : static_cast<DWORD>(milliseconds), QS_ALLINPUT,
                              MWMO_INPUTAVAILABLE);
}

int32_t TickCountMs() { return static_cast<int32_t>(GetTickCount()); }

void SleepMs(int32_t milliseconds) { Sleep(milliseconds < 0 ? 0 : static_cast<DWORD>(milliseconds)); }

std::optional<FolderIdentity> IdentifyFolder(const std::string& path) {
  // Backup semantics are what let CreateFileA open a directory; no access right is needed
  // to read its identity.
  const UniqueFileHandle folder(CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                           nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!folder) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(folder.Get(), &info) || !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return std::nullopt;
  return FolderIdentity{info.dwVolumeSerialNumber,
                        (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

std::string SystemPath(std::string_view path) { return std::string(path); }

void ShowFatalMessage(const std::string& message) {
  MessageBoxA(nullptr, message.c_str(), "Vantrel", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

void ExitAfterFatalError() { ExitProcess(0xFFFFFFFFu); }

}  // namespace vantrel::platform
