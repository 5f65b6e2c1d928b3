#include <gtest/gtest.h>

#include "hex_pattern.h"
#include "scan_worker.h"
#include "search_fixture.h"

namespace vantrel::testing {
namespace {

TEST(SettingsTables, MapSelectedIndexes) {
  const std::pair<int32_t, int32_t> chunks[] = {{0, 262144}, {1, 524288}, {2, 1048576},
                                                {3, 2097152}, {4, 10485760}, {5, 1024}};
  for (const auto& [index, bytes] : chunks) EXPECT_EQ(ChunkSizeForIndex(index), bytes) << "chunk index " << index;
  const std::pair<int32_t, int32_t> slots[] = {{0, 1}, {1, 2}, {2, 5}, {3, 10}, {4, 20}};
  for (const auto& [index, count] : slots) EXPECT_EQ(SlotCountForIndex(index), count) << "thread index " << index;
}

TEST(SettingsTablesDeathTest, AnIndexOutsideATableIsRuntimeError9) {
  EXPECT_EXIT(ChunkSizeForIndex(6), ::testing::ExitedWithCode(kFatalExitCode), "运行时错误 9");
  EXPECT_EXIT(SlotCountForIndex(5), ::testing::ExitedWithCode(kFatalExitCode), "运行时错误 9");
}

TEST(SettingsTablesDeathTest, AHostWithNoSelectedItemEndsTheProcess) {
  RecordingHost host;
  host.chunk_size_index = -1;
  EXPECT_EXIT(PrepareSearch(host), ::testing::ExitedWithCode(kFatalExitCode), "运行时错误 9");
  host.chunk_size_index = 0;
  host.thread_count_index = -1;
  EXPECT_EXIT(PrepareSearch(host), ::testing::ExitedWithCode(kFatalExitCode), "运行时错误 9");
}

TEST(OneBasedArrayDeathTest, EveryAccessIsChecked) {
  OneBasedArray<Text> slots;
  slots.Reset(2);
  EXPECT_EXIT(slots.At(0), ::testing::ExitedWithCode(kFatalExitCode), "运行时错误 4");
  EXPECT_EXIT(slots.At(3), ::testing::ExitedWithCode(kFatalExitCode), "运行时错误 1");
  EXPECT_EXIT(slots.Reset(-1), ::testing::ExitedWithCode(kFatalExitCode), "运行时错误 10");
}

TEST(OneBasedArrayDeathTest, AWorkerGivenASlotBeyondTheSearchEndsTheProcess) {
  RecordingHost host;
  host.thread_count_index = 1;
  PrepareSearch(host);
  EXPECT_EXIT(ScanSlotFile(3), ::testing::ExitedWithCode(kFatalExitCode), "运行时错误 1");
  FreeGlobals();
}

class PrepareSearchTest : public SearchTest {};

TEST_F(PrepareSearchTest, ReplacesTheSlotsOfThePreviousSearch) {
  host.thread_count_index = 3;
  PrepareSearch(host);
  EXPECT_EQ(SlotCount, 10);
  EXPECT_EQ(SlotBuffers.Count(), 10);

  host.thread_count_index = 1;
  host.chunk_size_index = kChunk1K;
  PrepareSearch(host);
  EXPECT_EQ(SlotCount, 2);
  EXPECT_EQ(ChunkSize, 1024);
  EXPECT_EQ(SlotBuffers.Count(), 2);
  EXPECT_EQ(SlotFiles.Count(), 2);
  EXPECT_EQ(SlotFiles.At(2), "");
}

TEST_F(PrepareSearchTest, TextPatternsAreTheirCodePageBytes) {
  const std::pair<Text, ByteString> cases[] = {
      {"abc", "\x61\x62\x63"},
      {"中", "\xD6\xD0"},  // the GBK form of U+4E2D
      {"", ""},
  };
  for (const auto& [text, bytes] : cases) {
    host.text_pattern = text;
    PrepareSearch(host);
    EXPECT_EQ(PatternBytes, bytes) << text;
  }
}

TEST_F(PrepareSearchTest, HexModeReadsTheHexBox) {
  host.text_mode = false;
  host.text_pattern = "ignored";
  host.hex_pattern = "4c756D";
  PrepareSearch(host);
  EXPECT_EQ(PatternBytes, "Lum");
}

TEST_F(PrepareSearchTest, StartsSearchingWithAnEmptyListAndALateStopForgotten) {
  host.AppendResult("left over");
  StopRequested = 1;
  PrepareSearch(host);
  EXPECT_TRUE(host.searching);
  EXPECT_EQ(host.CountResults(), 0);
  EXPECT_EQ(StopRequested, 0);
  EXPECT_EQ(FinishedCount, 0);
}

TEST(ReportSummary, WritesElapsedTimeAndRowCountInPartZero) {
  struct Case {
    const char* name;
    int32_t t0;
    int32_t t1;
    int rows;
    Text expected;
  };
  // The fixed texts spelled out byte by byte in GBK: "  搜索完毕，总耗时" and "毫秒。找到文件总数".
  const Text head = "  \xCB\xD1\xCB\xF7\xCD\xEA\xB1\xCF\xA3\xAC\xD7\xDC\xBA\xC4\xCA\xB1";
  const Text middle = "\xBA\xC1\xC3\xEB\xA1\xA3\xD5\xD2\xB5\xBD\xCE\xC4\xBC\xFE\xD7\xDC\xCA\xFD";
  const Case cases[] = {
      {"37 ms, 5 rows", 100, 137, 5, head + "37" + middle + "5"},
      {"nothing found at once", 100, 100, 0, head + "0" + middle + "0"},
      {"across the tick counter's wrap", 2147483640, -2147483646, 1, head + "10" + middle + "1"},
  };
  for (const auto& c : cases) {
    RecordingHost host;
    for (int i = 0; i < c.rows; ++i) host.AppendResult("row");
    host.next_tick = c.t1;
    ReportSummary(c.t0, host);
    EXPECT_EQ(host.StatusText(0), c.expected) << c.name;
    EXPECT_EQ(host.beeps, 1) << c.name;
    EXPECT_EQ(host.status_writes.size(), 1u) << c.name << ": part 1 untouched";
  }
}

}  // namespace
}  // namespace vantrel::testing
