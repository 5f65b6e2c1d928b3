#pragma once
// The engine's view of the window: the settings it reads, the status bar and result list it
// writes, and the message handling that keeps the window alive while a search waits.

#include "search_host.h"

namespace vantrel::ui {

class MainWindow;

class WindowHost final : public SearchHost {
 public:
  explicit WindowHost(MainWindow& window) : window_(window) {}

  int32_t ReadChunkSizeIndex() override;
  int32_t ReadThreadCountIndex() override;
  bool IsTextMode() override;
  Text ReadTextPattern() override;
  Text ReadHexPattern() override;
  bool IsIncludeSubfolders() override;
  void SetSearching(bool on) override;
  void SetStatusText(int32_t part, const Text& text) override;
  void ClearResults() override;
  // Any thread: a SendMessage to the window, so the row is added on the main thread, exactly
  // once, while the worker waits.
  void AppendResult(const Text& text) override;
  int32_t CountResults() override;
  void PumpMessages() override;
  void Beep() override;
  int32_t TickCount() override;
  void SleepMs(int32_t milliseconds) override;

 private:
  MainWindow& window_;
};

}  // namespace vantrel::ui
