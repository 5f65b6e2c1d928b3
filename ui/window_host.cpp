#include "window_host.h"

#include <windows.h>

#include "main_window.h"
#include "message_pump.h"
#include "platform.h"

namespace vantrel::ui {

int32_t WindowHost::ReadChunkSizeIndex() { return window_.SelectedIndex(ControlId::组合框_单线内存); }
int32_t WindowHost::ReadThreadCountIndex() { return window_.SelectedIndex(ControlId::组合框_最大线程组); }
bool WindowHost::IsTextMode() { return window_.IsChecked(ControlId::单选框_文本); }
Text WindowHost::ReadTextPattern() { return window_.ReadText(ControlId::文本查找框); }
Text WindowHost::ReadHexPattern() { return window_.ReadText(ControlId::进制查找框); }
bool WindowHost::IsIncludeSubfolders() { return window_.IsChecked(ControlId::选择框_含子目录); }

void WindowHost::SetSearching(bool on) {
  window_.SetEnabled(ControlId::按钮_停止, on);
  window_.SetEnabled(ControlId::按钮_查找, !on);
}

void WindowHost::SetStatusText(int32_t part, const Text& text) { window_.SetPartText(part, text); }
void WindowHost::ClearResults() { window_.ClearRows(); }
void WindowHost::AppendResult(const Text& text) { window_.AppendRowFromAnyThread(text); }
int32_t WindowHost::CountResults() { return window_.CountRows(); }
void WindowHost::PumpMessages() { PumpPendingMessages(window_.Handle()); }
void WindowHost::Beep() { MessageBeep(MB_OK); }
int32_t WindowHost::TickCount() { return platform::TickCountMs(); }
void WindowHost::SleepMs(int32_t milliseconds) { platform::SleepMs(milliseconds); }

}  // namespace vantrel::ui
