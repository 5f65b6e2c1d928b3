#pragma once
// The window's settings on a command line:
//   vantrel-find [--hex] [--subfolders] [--threads 1|2|5|10|20] [--chunk 256K|512k|1M|2M|10M|1K]
//                PATTERN FOLDER

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ansi_text.h"

namespace vantrel::cli {

struct SearchRequest {
  bool hex = false;
  bool subfolders = false;
  int32_t thread_count_index = 4;  // "20", as the window starts
  int32_t chunk_size_index = 0;    // "256K"
  Text pattern;
  Text folder;  // as given; not yet in the engine's form
};

struct ParseResult {
  std::optional<SearchRequest> request;
  std::string error;  // why the arguments were refused, when request is empty
};

ParseResult ParseCommandLine(const std::vector<std::string>& arguments);

// The engine's form of a folder: backslash separators (a POSIX "/" becomes "\") and a
// trailing backslash.
Text EngineFolder(const Text& folder);

}  // namespace vantrel::cli
