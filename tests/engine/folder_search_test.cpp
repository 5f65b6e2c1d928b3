#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "batch.h"
#include "find_entry.h"
#include "scan_worker.h"
#include "search_fixture.h"

namespace vantrel::testing {
namespace {

std::set<Text> AsSet(const std::vector<Text>& texts, std::size_t from, std::size_t to) {
  return std::set<Text>(texts.begin() + static_cast<std::ptrdiff_t>(from), texts.begin() + static_cast<std::ptrdiff_t>(to));
}

class FolderSearchTest : public SearchTest {
 protected:
  // Files f01 ... fNN, each holding the pattern.
  void AddMatchingFiles(int count) {
    for (int i = 1; i <= count; ++i) tree.AddFile((i < 10 ? "f0" : "f") + std::to_string(i) + ".txt", "needle");
  }
};

TEST_F(FolderSearchTest, ScansTheFirstFileItselfThenBatchesOfSlotCount) {
  AddMatchingFiles(12);
  host.thread_count_index = kFiveSlots;
  Find("needle");

  // A batch's rows are all in before the next batch starts, so rows group by batch.
  const std::vector<Text> order = ListFiles(tree.Root());
  const std::vector<Row> rows = host.Rows();
  const std::vector<Text> texts = host.RowTexts();
  ASSERT_EQ(rows.size(), 12u);
  EXPECT_EQ(texts[0], order[0]);
  EXPECT_TRUE(rows[0].from_main_thread);
  EXPECT_EQ(AsSet(texts, 1, 6), AsSet(order, 1, 6));
  EXPECT_EQ(AsSet(texts, 6, 11), AsSet(order, 6, 11));
  EXPECT_EQ(texts[11], order[11]);
  EXPECT_TRUE(std::none_of(rows.begin() + 1, rows.end(), [](const Row& row) { return row.from_main_thread; }));
  EXPECT_GE(host.pumps, 11) << "a pump after each of the 11 workers started";
}

TEST_F(FolderSearchTest, ASingleFileStartsNoWorker) {
  AddMatchingFiles(1);
  host.thread_count_index = kFiveSlots;
  Find("needle");
  ASSERT_EQ(host.Rows().size(), 1u);
  EXPECT_TRUE(host.Rows()[0].from_main_thread);
  EXPECT_EQ(host.pumps, 0);
}

TEST_F(FolderSearchTest, SearchesHiddenFilesButNeverFolders) {
  tree.AddFile(".hidden", "needle");
  tree.AddFile("sub\\inner.txt", "needle");
  tree.AddFile("visible.txt", "needle");
  Find("needle");
  std::vector<Text> texts = host.RowTexts();
  std::sort(texts.begin(), texts.end());
  EXPECT_EQ(texts, (std::vector<Text>{".hidden", "visible.txt"}));
  EXPECT_GE(host.pumps, 1) << "the second file went to a worker";
}

TEST_F(FolderSearchTest, StopEndsTheSearchAfterTheRunningBatch) {
  AddMatchingFiles(12);
  host.thread_count_index = kFiveSlots;
  // Pressed while the second batch runs, which is when slot 1 holds the seventh file.
  const std::vector<Text> order = ListFiles(tree.Root());
  host.on_pump = [&] {
    if (SlotFiles.At(1) == order[6]) StopRequested = 1;
  };
  Find("needle");
  EXPECT_EQ(host.CountResults(), 11);
  EXPECT_EQ(StopRequested, 0);
  EXPECT_TRUE(host.StatusText(0).ends_with("11"));
  EXPECT_EQ(host.searching_history, (std::vector<bool>{true, false}));
}

TEST_F(FolderSearchTest, EmptyAndMissingFoldersFindNothing) {
  const Text missing = tree.Path("missing\\");
  for (const Text& folder : {tree.Root(), missing}) {
    SearchFolder = folder;
    Find("needle");
    EXPECT_EQ(host.CountResults(), 0) << folder;
    EXPECT_TRUE(host.StatusText(0).ends_with("\xD7\xDC\xCA\xFD" "0")) << folder;
    EXPECT_EQ(host.pumps, 0) << folder;
  }
}

TEST_F(FolderSearchTest, ListsMatchingFilesOnly) {
  tree.AddFile("yes.txt", "a needle here");
  tree.AddFile("no.txt", "nothing");
  tree.AddFile("partial.txt", "needl");
  Find("needle");
  EXPECT_EQ(host.RowTexts(), std::vector<Text>{"yes.txt"});
  EXPECT_EQ(host.status_writes.size(), 1u) << "only the summary, in part 0";
}

// Every second worker fails to start; the others start as usual.
bool StartOddSlotsOnly(platform::ThreadEntry entry, int32_t slot, int32_t priority) {
  return slot % 2 == 1 && StartWorkerThread(entry, slot, priority);
}

TEST_F(FolderSearchTest, AWorkerThatCannotStartCountsAsFinished) {
  AddMatchingFiles(7);
  host.thread_count_index = kFiveSlots;
  // Single folder: the first file on the main thread, slots 1, 3, 5 of the batch of files 2
  // to 6, then slot 1 with file 7. Subfolders: slots 1, 3, 5 of the batch of files 1 to 5,
  // then slot 1 of the final batch of files 6 and 7.
  const std::pair<bool, int> cases[] = {{false, 5}, {true, 4}};
  for (const auto& [subfolders, rows] : cases) {
    host.include_subfolders = subfolders;
    SetWorkerStarter(StartOddSlotsOnly);
    Find("needle");
    SetWorkerStarter(nullptr);
    EXPECT_FALSE(host.searching) << "the search ended, subfolders " << subfolders;
    EXPECT_EQ(host.CountResults(), rows) << "subfolders " << subfolders;
  }
}

struct FilterCase {
  const char* name;
  AttributeFilter filter;
  std::vector<Text> expected;
};

TEST_F(FolderSearchTest, FindEntryFiltersByAttribute) {
  tree.AddFile("a.txt");
  tree.AddFile(".b");
  tree.AddFolder("sub");
  const FilterCase cases[] = {
      {"not a directory", kNonDirectoryEntries, {".b", "a.txt"}},
      {"directories", kDirectoryEntries, {".", "..", "sub"}},
      {"hidden", platform::kAttributeHidden, {".b"}},
  };
  for (const auto& c : cases) {
    FindHandle handle;
    std::vector<Text> names;
    for (Text name = FindEntry(tree.Root() + "*.*", c.filter, handle); !name.empty();
         name = FindEntry(Text(), c.filter, handle)) {
      names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, c.expected) << c.name;
    EXPECT_FALSE(handle.IsOpen()) << c.name << ": the end closes the enumeration";
    EXPECT_EQ(FindEntry(Text(), c.filter, handle), "") << c.name;
  }
}

}  // namespace
}  // namespace vantrel::testing
