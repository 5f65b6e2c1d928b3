#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "search_fixture.h"

namespace vantrel::testing {
namespace {

class SubfolderSearchTest : public SearchTest {
 protected:
  void SetUp() override {
    SearchTest::SetUp();
    host.include_subfolders = true;
  }

  // Part 1 texts in the order written, with the rows in the list at each write.
  std::vector<std::pair<Text, std::size_t>> Part1Writes() const {
    std::vector<std::pair<Text, std::size_t>> writes;
    for (const auto& write : host.status_writes) {
      if (write.part == 1) writes.emplace_back(write.text, write.rows_at_write);
    }
    return writes;
  }
};

// With one slot, rows come in the order files are handed out, which shows the walk.
TEST_F(SubfolderSearchTest, WalksDepthFirstTakingTheLastSubfolderFirst) {
  for (const char* file : {"r.txt", "A\\a.txt", "A\\A1\\a1.txt", "B\\b.txt", "B\\B1\\b1.txt", "B\\B2\\b2.txt"}) {
    tree.AddFile(file, "needle");
  }
  host.thread_count_index = kOneSlot;
  Find("needle");
  EXPECT_EQ(host.RowTexts(), (std::vector<Text>{"r.txt", "B\\b.txt", "B\\B2\\b2.txt", "B\\B1\\b1.txt", "A\\a.txt",
                                                "A\\A1\\a1.txt"}));
}

TEST_F(SubfolderSearchTest, FillsEverySlotBeforeABatchStarts) {
  for (int i = 1; i <= 7; ++i) tree.AddFile("f" + std::to_string(i) + ".txt", "needle");
  host.thread_count_index = kFiveSlots;
  Find("needle");
  // The sixth file starts the first batch of five; the sixth and seventh go to the final one.
  const std::vector<std::pair<Text, std::size_t>> expected = {{"1", 0}, {"2", 0}, {"3", 0}, {"4", 0},
                                                              {"5", 0}, {"6", 5}, {"7", 5}};
  EXPECT_EQ(Part1Writes(), expected);
  EXPECT_EQ(host.CountResults(), 7);
  EXPECT_TRUE(host.StatusText(0).ends_with("7"));
}

TEST_F(SubfolderSearchTest, OneSlotScansEachFileWhenTheNextIsMet) {
  for (int i = 1; i <= 4; ++i) tree.AddFile("f" + std::to_string(i) + ".txt", "needle");
  host.thread_count_index = kOneSlot;
  Find("needle");
  const std::vector<std::pair<Text, std::size_t>> expected = {{"1", 0}, {"2", 1}, {"3", 2}, {"4", 3}};
  EXPECT_EQ(Part1Writes(), expected);
  EXPECT_EQ(host.CountResults(), 4);
}

TEST_F(SubfolderSearchTest, ListsPathsBelowTheSearchFolder) {
  tree.AddFile("sub\\deep\\a.txt", "needle");
  tree.AddFile("sub\\b.txt", "other");
  tree.AddFile(".hidden\\c.txt", "needle");
  Find("needle");
  std::vector<Text> texts = host.RowTexts();
  std::sort(texts.begin(), texts.end());
  EXPECT_EQ(texts, (std::vector<Text>{".hidden\\c.txt", "sub\\deep\\a.txt"}));
}

TEST_F(SubfolderSearchTest, AFolderWithoutItsBackslashIsCompleted) {
  tree.AddFile("sub\\a.txt", "needle");
  SearchFolder = tree.Root().substr(0, tree.Root().size() - 1);
  Find("needle");
  // The folder's own text is removed from the listed path, so the row joins back onto it.
  EXPECT_EQ(host.RowTexts(), std::vector<Text>{"\\sub\\a.txt"});
}

TEST_F(SubfolderSearchTest, FoldersWithoutFilesStartNoWorker) {
  tree.AddFolder("a\\b\\c");
  tree.AddFolder("d");
  Find("needle");
  EXPECT_EQ(host.CountResults(), 0);
  EXPECT_TRUE(Part1Writes().empty());
  EXPECT_TRUE(host.StatusText(0).ends_with("\xD7\xDC\xCA\xFD" "0"));
  EXPECT_EQ(host.pumps, 5) << "one per folder: the root, a, a\\b, a\\b\\c and d";
}

TEST_F(SubfolderSearchTest, AMissingFolderFindsNothing) {
  SearchFolder = tree.Path("missing\\");
  Find("needle");
  EXPECT_EQ(host.CountResults(), 0);
  EXPECT_TRUE(host.StatusText(0).ends_with("\xD7\xDC\xCA\xFD" "0"));
}

TEST_F(SubfolderSearchTest, StopEndsTheWalkButScansTheFilesAlreadyPlaced) {
  for (int i = 1; i <= 7; ++i) tree.AddFile("f" + std::to_string(i) + ".txt", "needle");
  tree.AddFile("later\\g.txt", "needle");
  host.thread_count_index = kFiveSlots;
  // Pressed while the first batch runs, which is once the fifth file has been met.
  host.on_pump = [&] {
    if (host.StatusText(1) == "5") StopRequested = 1;
  };
  Find("needle");
  // The batch of five, then the sixth file in slot 1; the seventh is fetched and dropped.
  EXPECT_EQ(host.CountResults(), 6);
  EXPECT_EQ(host.StatusText(1), "6");
  EXPECT_EQ(StopRequested, 0);
  EXPECT_TRUE(host.StatusText(0).ends_with("6"));
}

TEST_F(SubfolderSearchTest, VisitsAFolderOnceThoughALinkLeadsBackToIt) {
  tree.AddFile("a.txt", "needle");
  tree.AddFile("sub\\b.txt", "needle");
  TempTree elsewhere;
  elsewhere.AddFile("c.txt", "needle");
  if (!tree.AddFolderLink("sub\\loop", tree.Root()) || !tree.AddFolderLink("outside", elsewhere.Root())) {
    GTEST_SKIP() << "this system cannot make folder links";
  }
  Find("needle");
  std::vector<Text> texts = host.RowTexts();
  std::sort(texts.begin(), texts.end());
  EXPECT_EQ(texts, (std::vector<Text>{"a.txt", "outside\\c.txt", "sub\\b.txt"}));
}

TEST(FolderIdentity, NamesTheFolderNotThePath) {
  TempTree tree;
  tree.AddFolder("sub");
  const auto root = platform::IdentifyFolder(tree.Root());
  ASSERT_TRUE(root.has_value());
  EXPECT_EQ(platform::IdentifyFolder(tree.Path("sub\\..\\")), root);
  EXPECT_NE(platform::IdentifyFolder(tree.Path("sub\\")), root);
  EXPECT_EQ(platform::IdentifyFolder(tree.Path("missing\\")), std::nullopt);
  EXPECT_EQ(platform::IdentifyFolder(tree.AddFile("file.txt")), std::nullopt);
}

TEST_F(SubfolderSearchTest, ALateStopDoesNotEndTheNextSearch) {
  tree.AddFile("a.txt", "needle");
  tree.AddFile("b.txt", "needle");
  // Pressed during the final batch, after the driver's last look at the flag.
  host.on_pump = [&] {
    if (host.StatusText(1) == "2") StopRequested = 1;
  };
  Find("needle");
  EXPECT_EQ(host.CountResults(), 2);
  EXPECT_EQ(StopRequested, 1) << "no driver looked at it again";
  host.on_pump = nullptr;
  Find("needle");
  EXPECT_EQ(host.CountResults(), 2);
}

}  // namespace
}  // namespace vantrel::testing
