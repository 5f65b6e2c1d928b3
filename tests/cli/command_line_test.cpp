#include "command_line.h"

#include <gtest/gtest.h>

namespace vantrel::cli {
namespace {

struct GoodCase {
  const char* name;
  std::vector<std::string> arguments;
  bool hex;
  bool subfolders;
  int32_t threads;
  int32_t chunk;
  Text pattern;
};

TEST(CommandLine, MapsOptionsToTheWindowsSettings) {
  const GoodCase cases[] = {
      {"defaults", {"abc", "dir"}, false, false, 4, 0, "abc"},
      {"everything", {"--hex", "--subfolders", "--threads", "1", "--chunk", "1K", "4C75", "dir"}, true, true, 0, 5, "4C75"},
      {"options after the pattern", {"abc", "--threads", "10", "dir", "--chunk", "512k"}, false, false, 3, 1, "abc"},
      {"a pattern that looks like an option", {"--", "--hex", "dir"}, false, false, 4, 0, "--hex"},
      {"a lone dash is a pattern", {"-", "dir"}, false, false, 4, 0, "-"},
      {"an empty pattern", {"", "dir"}, false, false, 4, 0, ""},
  };
  for (const auto& c : cases) {
    const ParseResult result = ParseCommandLine(c.arguments);
    ASSERT_TRUE(result.request) << c.name << ": " << result.error;
    EXPECT_EQ(result.request->hex, c.hex) << c.name;
    EXPECT_EQ(result.request->subfolders, c.subfolders) << c.name;
    EXPECT_EQ(result.request->thread_count_index, c.threads) << c.name;
    EXPECT_EQ(result.request->chunk_size_index, c.chunk) << c.name;
    EXPECT_EQ(result.request->pattern, c.pattern) << c.name;
    EXPECT_EQ(result.request->folder, "dir") << c.name;
  }
}

TEST(CommandLine, RefusesWhatTheWindowCannotSet) {
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"nothing", {}},
      {"no folder", {"abc"}},
      {"three positionals", {"a", "b", "c"}},
      {"empty folder", {"abc", ""}},
      {"a thread count not in the list", {"--threads", "3", "abc", "dir"}},
      {"a chunk size in the wrong case", {"--chunk", "512K", "abc", "dir"}},
      {"a missing value", {"abc", "dir", "--chunk"}},
      {"an unknown option", {"--fast", "abc", "dir"}},
  };
  for (const auto& [name, arguments] : cases) {
    const ParseResult result = ParseCommandLine(arguments);
    EXPECT_FALSE(result.request) << name;
    EXPECT_FALSE(result.error.empty()) << name;
  }
}

TEST(CommandLine, FoldersTakeTheEnginesForm) {
#ifdef _WIN32
  EXPECT_EQ(EngineFolder("C:\\data"), "C:\\data\\");
  EXPECT_EQ(EngineFolder("C:\\"), "C:\\");
#else
  EXPECT_EQ(EngineFolder("/tmp/data"), "\\tmp\\data\\");
  EXPECT_EQ(EngineFolder("/"), "\\");
  EXPECT_EQ(EngineFolder("rel/dir/"), "rel\\dir\\");
#endif
}

}  // namespace
}  // namespace vantrel::cli
