#include "console_host.h"

#include "console_text.h"
#include "platform.h"

namespace vantrel::cli {

void ConsoleHost::SetStatusText(int32_t part, const Text& text) {
  // Part 1 is the running count of files met, which a console does not need.
  if (part != 0) return;
  std::fflush(stdout);  // the rows before the summary, also when both go to one terminal
  std::fprintf(stderr, "%s\n", ToConsoleText(TrimBlanks(text)).c_str());
}

void ConsoleHost::AppendResult(const Text& text) {
  const std::lock_guard<std::mutex> guard(output_mutex_);
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
  ++rows_;
}

int32_t ConsoleHost::CountResults() {
  const std::lock_guard<std::mutex> guard(output_mutex_);
  return rows_;
}

int32_t ConsoleHost::TickCount() { return platform::TickCountMs(); }

void ConsoleHost::SleepMs(int32_t milliseconds) { platform::SleepMs(milliseconds); }

}  // namespace vantrel::cli
