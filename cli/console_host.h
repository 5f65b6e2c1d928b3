#pragma once
// SearchHost for a console: the settings come from the command line, each result is printed
// on stdout as it arrives, and the summary goes to stderr.

#include <cstdio>
#include <mutex>

#include "command_line.h"
#include "search_host.h"

namespace vantrel::cli {

class ConsoleHost : public SearchHost {
 public:
  explicit ConsoleHost(SearchRequest request) : request_(std::move(request)) {}

  int32_t ReadChunkSizeIndex() override { return request_.chunk_size_index; }
  int32_t ReadThreadCountIndex() override { return request_.thread_count_index; }
  bool IsTextMode() override { return !request_.hex; }
  Text ReadTextPattern() override { return request_.pattern; }
  Text ReadHexPattern() override { return request_.pattern; }
  bool IsIncludeSubfolders() override { return request_.subfolders; }

  void SetSearching(bool) override {}
  void SetStatusText(int32_t part, const Text& text) override;
  void ClearResults() override {}
  void AppendResult(const Text& text) override;
  int32_t CountResults() override;
  void PumpMessages() override {}
  void Beep() override {}
  int32_t TickCount() override;
  void SleepMs(int32_t milliseconds) override;

 private:
  SearchRequest request_;
  std::mutex output_mutex_;  // workers print whole lines, one at a time
  int32_t rows_ = 0;
};

}  // namespace vantrel::cli
