#pragma once
// The start-up work that runs once the main window exists.

#include <windows.h>

#include <cstdint>

namespace vantrel::ui {
class MainWindow;
}

namespace vantrel::app {

// High, not real-time: a real-time process scanning with twenty threads can leave the mouse
// unresponsive and the disk cache unflushed.
inline constexpr uint32_t kStartPriorityClass = HIGH_PRIORITY_CLASS;

// The window's created event: privilege and priority requests, the counter lock, the start
// hint and the text mode's enabled states (the boxes' colours are already the text mode's).
void OnWindowCreated(ui::MainWindow& window);

// Asks to enable "SeDebugPrivilege" for the process on the NT family; the result of
// AdjustTokenPrivileges, or FALSE when the step is skipped. Nothing is examined or reported.
BOOL EnableDebugPrivilege();

// 0 stands for REALTIME_PRIORITY_CLASS. The result is not examined.
void SetProcessPriority(uint32_t priority_class);

}  // namespace vantrel::app
