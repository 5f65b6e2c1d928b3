#include "scan_worker.h"

#include <gtest/gtest.h>

#include <string>

#include "search_fixture.h"

#ifdef _WIN32
#include <windows.h>

#include "win_handle.h"
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vantrel::testing {
namespace {

// A file of `size` filler bytes with the pattern written at `offset` (0-based).
std::string FileWith(std::size_t size, std::size_t offset, const std::string& pattern) {
  std::string bytes(size, '.');
  bytes.replace(offset, pattern.size(), pattern);
  return bytes;
}

std::string PatternOf(std::size_t length) {
  std::string pattern;
  for (std::size_t i = 0; i < length; ++i) pattern.push_back(static_cast<char>('a' + i % 26));
  return pattern;
}

class ScanTest : public SearchTest {
 protected:
  void SetUp() override {
    SearchTest::SetUp();
    host.chunk_size_index = kChunk1K;
  }
};

struct ChunkCase {
  const char* name;
  std::size_t pattern_length;
  std::size_t file_size;
  std::size_t offset;
};

// With 1024-byte chunks: occurrences inside a chunk, ending on its last byte, spanning a
// boundary, and patterns as long as or longer than a chunk.
TEST_F(ScanTest, FindsEveryOccurrenceWhateverTheChunkBoundaries) {
  const ChunkCase cases[] = {
      {"inside the first chunk", 3, 3000, 10},
      {"ends on the chunk's last byte", 3, 3000, 1021},
      {"spans the first boundary", 3, 3000, 1022},
      {"starts on the second chunk's first byte", 3, 3000, 1024},
      {"spans a later boundary", 3, 5000, 4095},
      {"at the very end", 3, 3000, 2997},
      {"one byte", 1, 3000, 2048},
      {"pattern of chunk length - 1 across a boundary", 1023, 4000, 1500},
      {"pattern of chunk length", 1024, 4000, 1},
      {"pattern longer than a chunk", 2500, 8000, 3001},
      {"pattern longer than a chunk, whole file", 2500, 2500, 0},
      // Large enough for idle workers to help: the rest is read in pieces from many places.
      {"large file, across a piece boundary", 3, 3 << 20, (2 << 20) + 1022},
      {"large file, at the very end", 12, 3 << 20, (3 << 20) - 12},
      {"large file, long pattern across pieces", 2500, 3 << 20, (2 << 20) + 100},
  };
  for (const auto& c : cases) {
    const std::string pattern = PatternOf(c.pattern_length);
    tree.AddFile("target.bin", FileWith(c.file_size, c.offset, pattern));
    Find(pattern);
    EXPECT_EQ(host.RowTexts(), std::vector<Text>{"target.bin"}) << c.name;
  }
}

TEST_F(ScanTest, ALargeFileWithoutThePatternIsNotListed) {
  std::string bytes(3 << 20, '.');
  for (std::size_t at = 1000; at + 3 < bytes.size(); at += 1024) bytes.replace(at, 3, "abd");  // near misses
  tree.AddFile("large.bin", bytes);
  tree.AddFile("small.txt", "abc");
  Find("abc");
  EXPECT_EQ(host.RowTexts(), std::vector<Text>{"small.txt"});
}

TEST_F(ScanTest, ListsAFileOnceHoweverOftenItHoldsThePattern) {
  std::string bytes;
  for (int i = 0; i < 2000; ++i) bytes += "abc";
  tree.AddFile("many.txt", bytes);
  Find("abc");
  EXPECT_EQ(host.RowTexts(), std::vector<Text>{"many.txt"});
}

TEST_F(ScanTest, EmptyFilesAndEmptyPatternsNeverMatch) {
  tree.AddFile("empty.txt");
  tree.AddFile("full.txt", "abc");
  Find("");
  EXPECT_TRUE(host.RowTexts().empty());
  EXPECT_EQ(FinishedCount, 0);
  Find("abc");
  EXPECT_EQ(host.RowTexts(), std::vector<Text>{"full.txt"});
}

TEST_F(ScanTest, ChineseTextIsSearchedAsItsGbkBytes) {
  tree.AddFile("gbk.txt", "prefix \xB2\xE9\xD5\xD2 suffix");  // 查找 in GBK
  tree.AddFile("utf8.txt", "prefix \xE6\x9F\xA5\xE6\x89\xBE suffix");  // 查找 in UTF-8
  Find("查找");
  EXPECT_EQ(host.RowTexts(), std::vector<Text>{"gbk.txt"});
}

TEST_F(ScanTest, ANameWhoseSecondByteIsABackslashIsStillABareName) {
  tree.AddFile("\x95\x5c.txt", "needle");
  Find("needle");
  EXPECT_EQ(host.RowTexts(), std::vector<Text>{"\x95\x5c.txt"});
}

// Five gigabytes of zeros with the pattern near the end: sizes and positions are 64-bit.
TEST_F(ScanTest, ReadsFilesOfFourGigabytesAndMoreToTheirEnd) {
  constexpr uint64_t kSize = 5ull << 30;
  tree.AddSparseFile("huge.bin", kSize, kSize - 100, "needle at the end");
  host.chunk_size_index = kChunk10M;
  Find("needle at the end");
  EXPECT_EQ(host.RowTexts(), std::vector<Text>{"huge.bin"});
}

TEST(ResultText, RemovesTheSearchFolderOnceFromTheStart) {
  struct Case {
    Text name;
    Text folder;
    Text expected;
  };
  const Case cases[] = {
      {"a.txt", "C:\\data\\", "a.txt"},
      {"C:\\data\\sub\\a.txt", "C:\\data\\", "sub\\a.txt"},
      {"C:\\data\\sub\\data\\a.txt", "C:\\data\\", "sub\\data\\a.txt"},
      {"c:\\data\\a.txt", "C:\\DATA\\", "a.txt"},
      {"\\a\\b.txt", "\\", "a\\b.txt"},
      {"D:\\other\\C:\\data\\a.txt", "C:\\data\\", "D:\\other\\C:\\data\\a.txt"},
      {"C:\\data\\a.txt", "", "C:\\data\\a.txt"},
      {"", "C:\\data\\", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ResultText(c.name, c.folder), c.expected) << c.name << " in " << c.folder;
}

#ifdef _WIN32

TEST_F(ScanTest, AFileHeldWithoutReadSharingIsSkipped) {
  const Text locked = tree.AddFile("locked.txt", "needle");
  const Text shared = tree.AddFile("shared.txt", "needle");
  const UniqueFileHandle exclusive(
      CreateFileA(locked.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  const UniqueFileHandle writer(CreateFileA(shared.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                            nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(exclusive && writer);
  Find("needle");
  EXPECT_EQ(host.RowTexts(), std::vector<Text>{"shared.txt"});
}

#else

TEST_F(ScanTest, AFifoNeitherHangsNorMatches) {
  ASSERT_EQ(mkfifo(platform::SystemPath(tree.Path("pipe")).c_str(), 0644), 0);
  tree.AddFile("plain.txt", "needle");
  Find("needle");
  EXPECT_EQ(host.RowTexts(), std::vector<Text>{"plain.txt"});
}

TEST_F(ScanTest, AnUnreadableFileIsSkipped) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
  const Text path = tree.AddFile("secret.txt", "needle");
  ASSERT_EQ(chmod(platform::SystemPath(path).c_str(), 0), 0);
  tree.AddFile("open.txt", "needle");
  Find("needle");
  EXPECT_EQ(host.RowTexts(), std::vector<Text>{"open.txt"});
}

#endif

}  // namespace
}  // namespace vantrel::testing
