#include "startup.h"

#include "main_window.h"
#include "search_globals.h"
#include "ui_texts.h"
#include "win_handle.h"

namespace vantrel::app {
namespace {

bool IsWindowsNtFamily() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof(version);
  return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

}  // namespace

void OnWindowCreated(ui::MainWindow& window) {
  EnableDebugPrivilege();
  SetProcessPriority(kStartPriorityClass);
  CounterLock = CreateCounterLock();
  window.SetPartText(0, ui::kStartHint);
  window.SetEnabled(ui::ControlId::文本查找框, true);
  window.SetEnabled(ui::ControlId::进制查找框, false);
}

BOOL EnableDebugPrivilege() {
  if (!IsWindowsNtFamily()) return FALSE;
  HANDLE raw_token = nullptr;
  OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &raw_token);
  const UniqueKernelHandle token(raw_token);
  LUID debug_privilege{};
  LookupPrivilegeValueA(nullptr, "SeDebugPrivilege", &debug_privilege);

  TOKEN_PRIVILEGES request{};
  request.PrivilegeCount = 1;
  request.Privileges[0].Luid = debug_privilege;
  request.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  TOKEN_PRIVILEGES previous{};
  DWORD previous_length = 0;
  // Succeeds even when the account does not hold the privilege; that is not looked into.
  return AdjustTokenPrivileges(token.Get(), FALSE, &request, sizeof(previous), &previous, &previous_length);
}

void SetProcessPriority(uint32_t priority_class) {
  SetPriorityClass(GetCurrentProcess(), priority_class == 0 ? REALTIME_PRIORITY_CLASS : priority_class);
}

}  // namespace vantrel::app
