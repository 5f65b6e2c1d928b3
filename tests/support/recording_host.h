#pragma once
// A SearchHost without a window: settings are plain fields, everything the engine writes is
// recorded. AppendResult may be called from any thread.

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "search_host.h"

namespace vantrel::testing {

struct Row {
  Text text;
  bool from_main_thread = false;
};

struct StatusWrite {
  int32_t part = 0;
  Text text;
  std::size_t rows_at_write = 0;  // rows in the list when the text was written
};

class RecordingHost : public SearchHost {
 public:
  // Settings, as the window starts: 256K, 20 threads, text mode, no subfolders.
  int32_t chunk_size_index = 0;
  int32_t thread_count_index = 4;
  bool text_mode = true;
  Text text_pattern;
  Text hex_pattern;
  bool include_subfolders = false;

  // The clock: each TickCount returns next_tick, then advances it by tick_step.
  int32_t next_tick = 1000;
  int32_t tick_step = 0;

  // Runs inside every PumpMessages, on the main thread: a test presses stop here.
  std::function<void()> on_pump;

  int32_t ReadChunkSizeIndex() override { return chunk_size_index; }
  int32_t ReadThreadCountIndex() override { return thread_count_index; }
  bool IsTextMode() override { return text_mode; }
  Text ReadTextPattern() override { return text_pattern; }
  Text ReadHexPattern() override { return hex_pattern; }
  bool IsIncludeSubfolders() override { return include_subfolders; }

  void SetSearching(bool on) override;
  void SetStatusText(int32_t part, const Text& text) override;
  void ClearResults() override;
  void AppendResult(const Text& text) override;
  int32_t CountResults() override;
  void PumpMessages() override;
  void Beep() override { ++beeps; }
  int32_t TickCount() override;
  void SleepMs(int32_t milliseconds) override;

  std::vector<Row> Rows() const;
  std::vector<Text> RowTexts() const;
  Text StatusText(int32_t part) const;

  bool searching = false;
  std::vector<bool> searching_history;
  std::vector<StatusWrite> status_writes;
  int beeps = 0;
  int pumps = 0;
  int clears = 0;

 private:
  mutable std::mutex rows_mutex_;
  std::vector<Row> rows_;
  const std::thread::id main_thread_ = std::this_thread::get_id();
};

}  // namespace vantrel::testing
