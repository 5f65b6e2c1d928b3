#pragma once
// A fixture for whole searches: a fresh tree to search, a recording host and fresh globals.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_host.h"
#include "search_command.h"
#include "search_globals.h"
#include "temp_tree.h"

namespace vantrel::testing {

class SearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitGlobals();
    SearchFolder = tree.Root();
  }
  void TearDown() override { FreeGlobals(); }

  // Runs the find command with the host's settings, the text pattern given.
  void Find(const Text& pattern) {
    host.text_pattern = pattern;
    OnFindClicked(host);
  }

  // The names the folder's enumeration gives, in its order, with the filter the drivers use.
  std::vector<Text> ListFiles(const Text& folder) const;

  TempTree tree;
  RecordingHost host;
};

inline constexpr int32_t kChunk1K = 5;
inline constexpr int32_t kChunk10M = 4;
inline constexpr int32_t kOneSlot = 0;
inline constexpr int32_t kFiveSlots = 2;

// The exit code of a fatal run-time error: -1 on Windows, its low byte elsewhere.
#ifdef _WIN32
inline constexpr int kFatalExitCode = -1;
#else
inline constexpr int kFatalExitCode = 255;
#endif

}  // namespace vantrel::testing
