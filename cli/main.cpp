// vantrel-find: the search engine from a console, with the window's settings as options.
// Exit status as grep's: 0 when a file was found, 1 when none was, 2 on a usage error.

#include <cstdio>
#include <string>
#include <vector>

#include "command_line.h"
#include "console_host.h"
#include "fatal_error.h"
#include "search_command.h"
#include "search_globals.h"

namespace {

constexpr const char* kUsage =
    "usage: vantrel-find [--hex] [--subfolders] [--threads 1|2|5|10|20]\n"
    "                    [--chunk 256K|512k|1M|2M|10M|1K] PATTERN FOLDER\n";

}  // namespace

int main(int argc, char** argv) {
  using namespace vantrel;
  const cli::ParseResult parsed = cli::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.request) {
    std::fprintf(stderr, "vantrel-find: %s\n%s", parsed.error.c_str(), kUsage);
    return 2;
  }
  SetFatalMessageSink(WriteFatalMessageToStderr);
  InstallOutOfMemoryHandler();
  InitGlobals();
  CounterLock = CreateCounterLock();
  SearchFolder = cli::EngineFolder(parsed.request->folder);

  cli::ConsoleHost host(*parsed.request);
  OnFindClicked(host);
  std::fflush(stdout);
  const int32_t found = host.CountResults();
  FreeGlobals();
  return found > 0 ? 0 : 1;
}
