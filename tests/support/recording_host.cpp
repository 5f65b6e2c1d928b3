#include "recording_host.h"

#include "platform.h"

namespace vantrel::testing {

void RecordingHost::SetSearching(bool on) {
  searching = on;
  searching_history.push_back(on);
}

void RecordingHost::SetStatusText(int32_t part, const Text& text) {
  status_writes.push_back({part, text, Rows().size()});
}

void RecordingHost::ClearResults() {
  const std::lock_guard<std::mutex> guard(rows_mutex_);
  rows_.clear();
  ++clears;
}

void RecordingHost::AppendResult(const Text& text) {
  const std::lock_guard<std::mutex> guard(rows_mutex_);
  rows_.push_back({text, std::this_thread::get_id() == main_thread_});
}

int32_t RecordingHost::CountResults() { return static_cast<int32_t>(Rows().size()); }

void RecordingHost::PumpMessages() {
  ++pumps;
  if (on_pump) on_pump();
}

int32_t RecordingHost::TickCount() {
  const int32_t now = next_tick;
  next_tick = static_cast<int32_t>(static_cast<uint32_t>(next_tick) + static_cast<uint32_t>(tick_step));
  return now;
}

void RecordingHost::SleepMs(int32_t milliseconds) { platform::SleepMs(milliseconds); }

std::vector<Row> RecordingHost::Rows() const {
  const std::lock_guard<std::mutex> guard(rows_mutex_);
  return rows_;
}

std::vector<Text> RecordingHost::RowTexts() const {
  std::vector<Text> texts;
  for (const Row& row : Rows()) texts.push_back(row.text);
  return texts;
}

Text RecordingHost::StatusText(int32_t part) const {
  for (auto it = status_writes.rbegin(); it != status_writes.rend(); ++it) {
    if (it->part == part) return it->text;
  }
  return Text();
}

}  // namespace vantrel::testing
