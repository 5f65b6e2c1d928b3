// Whole searches started from the window: the folder box, the pattern boxes and the settings
// go in, rows and the summary come back in the real list and status bar.

#include <windows.h>
// commctrl.h needs the types of windows.h first.
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "search_globals.h"
#include "window_fixture.h"
#include "named_rows.h"

namespace vantrel::testing {
namespace {

using testing::PrintTo;

using enum ControlId;

constexpr char kStartHint[] = "  请先选择需要查找的目录，进行相应设置后点击查找按钮。";
constexpr char kSummaryStart[] = "  搜索完毕，总耗时";
constexpr char kSummaryMiddle[] = "毫秒。找到文件总数";

// The summary's file count, after checking the text around the two numbers; -1 when the
// text is no summary.
int SummaryCount(const Text& status) {
  if (!status.starts_with(kSummaryStart)) return -1;
  const std::size_t middle = status.find(kSummaryMiddle);
  if (middle == Text::npos) return -1;
  const Text elapsed = status.substr(sizeof(kSummaryStart) - 1, middle - (sizeof(kSummaryStart) - 1));
  const Text count = status.substr(middle + sizeof(kSummaryMiddle) - 1);
  if (elapsed.empty() || count.empty() || count.find_first_not_of("0123456789") != Text::npos) return -1;
  return std::stoi(count);
}

class SearchWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    tree.AddFile("a.txt", "xx needle yy");
    tree.AddFile("b.bin", std::string("\x00\x01needle", 8));
    tree.AddFile("c.txt", "nothing here");
    tree.AddFile("文件.txt", "needle 汉字");
    tree.AddFile("sub\\d.txt", "needle");
    tree.AddFile("sub\\f.txt", "no");
    tree.AddFile("sub\\deep\\e.txt", "汉字 needle");
  }

  // n files that all hold the pattern, in their own folder.
  Text FolderOfMatchingFiles(int count) {
    for (int i = 0; i < count; ++i) tree.AddFile("many\\m" + std::to_string(100 + i) + ".txt", "needle");
    return tree.Path("many\\");
  }
};

struct SearchCase {
  const char* name;
  bool subfolders;
  bool hex;
  Text pattern;
  std::vector<Text> expected_rows;  // sorted
};

class SearchCasesTest : public SearchWindowTest, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(SearchCasesTest, ListsTheMatchingFilesAndSummarises) {
  const SearchCase& search = GetParam();
  if (search.subfolders) Click(选择框_含子目录);
  if (search.hex) {
    Click(单选框_16进制);
    Type(进制查找框, search.pattern);
  } else {
    Type(文本查找框, search.pattern);
  }
  Type(编辑框_目录路径, tree.Root());
  Click(按钮_查找);

  EXPECT_EQ(SortedRows(), search.expected_rows);
  EXPECT_EQ(SummaryCount(StatusText(0)), static_cast<int>(search.expected_rows.size())) << StatusText(0);
  EXPECT_TRUE(IsEnabled(按钮_查找));
  EXPECT_FALSE(IsEnabled(按钮_停止));
  EXPECT_EQ(SearchFolder, tree.Root());
  if (search.subfolders) {
    EXPECT_EQ(StatusText(1), "7") << "the files met in the whole tree";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, SearchCasesTest,
    ::testing::Values(
        SearchCase{"TextInTheFolder", false, false, "needle", {"a.txt", "b.bin", "文件.txt"}},
        SearchCase{"TextInTheTree", true, false, "needle",
                   {"a.txt", "b.bin", "sub\\d.txt", "sub\\deep\\e.txt", "文件.txt"}},
        SearchCase{"ChineseTextIsSearchedAsGbk", true, false, "汉字", {"sub\\deep\\e.txt", "文件.txt"}},
        SearchCase{"HexWithAZeroByte", false, true, "00016E", {"b.bin"}},
        SearchCase{"HexInTheTree", true, true, "6E6565646C65",
                   {"a.txt", "b.bin", "sub\\d.txt", "sub\\deep\\e.txt", "文件.txt"}},
        SearchCase{"NothingMatches", true, false, "absent", {}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(SearchWindowTest, TheFolderBoxIsTrimmedAndGetsItsBackslash) {
  Text typed = tree.Root();
  typed.pop_back();
  FindText("  " + typed + "\t ", "needle");
  EXPECT_EQ(SearchFolder, tree.Root());
  EXPECT_EQ(SortedRows(), (std::vector<Text>{"a.txt", "b.bin", "文件.txt"}));
}

TEST_F(SearchWindowTest, AnEmptyFolderBoxStartsNoSearch) {
  SearchFolder = "D:\\earlier\\";
  window->Host().AppendResult("earlier.txt");
  for (const Text& box : {Text(), Text("  \t ")}) {
    window->Host().SetStatusText(0, "  before");
    FindText(box, "needle");
    EXPECT_EQ(StatusText(0), kStartHint);
    EXPECT_EQ(Rows(), (std::vector<Text>{"earlier.txt"}));
    EXPECT_EQ(SearchFolder, "D:\\earlier\\");
    EXPECT_TRUE(IsEnabled(按钮_查找));
  }
}

TEST_F(SearchWindowTest, EachSearchEmptiesTheListFirst) {
  FindText(tree.Root(), "needle");
  FindText(tree.Path("sub\\"), "needle");
  EXPECT_EQ(Rows(), (std::vector<Text>{"d.txt"}));
}

struct StopCase {
  const char* name;
  bool subfolders;
};

class StopTest : public SearchWindowTest, public ::testing::WithParamInterface<StopCase> {};

// The stop click is queued before the search starts, so it arrives at the first moment the
// search handles messages.
TEST_P(StopTest, StopEndsTheSearchEarly) {
  const Text folder = FolderOfMatchingFiles(12);
  if (GetParam().subfolders) Click(选择框_含子目录);
  SendMessageA(Control(组合框_最大线程组), CB_SETCURSEL, 0, 0);  // one thread
  PostMessageA(Control(按钮_停止), BM_CLICK, 0, 0);
  FindText(folder, "needle");

  const int count = SummaryCount(StatusText(0));
  EXPECT_GE(count, 1);
  EXPECT_LT(count, 12);
  EXPECT_EQ(static_cast<int>(Rows().size()), count);
  EXPECT_EQ(StopRequested, 0) << "the driver that acted on it cleared it";
  EXPECT_TRUE(IsEnabled(按钮_查找));
  EXPECT_FALSE(IsEnabled(按钮_停止));
}

INSTANTIATE_TEST_SUITE_P(Drivers, StopTest,
                         ::testing::Values(StopCase{"FolderOnly", false}, StopCase{"Subfolders", true}),
                         [](const auto& test) { return std::string(test.param.name); });

// What the status bar and the list are told, and when the window goes.
std::vector<std::string>* g_events = nullptr;

LRESULT CALLBACK RecordingProc(HWND control, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id, DWORD_PTR) {
  if (g_events != nullptr) {
    if (message == SB_SETTEXTA) g_events->push_back("status " + std::string(reinterpret_cast<const char*>(lparam)));
    if (message == LVM_INSERTITEMA || message == LVM_DELETEALLITEMS) g_events->push_back("list");
    if (message == WM_DESTROY) g_events->push_back("destroyed");
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(control, RecordingProc, id);
  return DefSubclassProc(control, message, wparam, lparam);
}

TEST_F(SearchWindowTest, ClosingDuringASearchStopsItAndClosesAfterIt) {
  const Text folder = FolderOfMatchingFiles(12);
  SendMessageA(Control(组合框_最大线程组), CB_SETCURSEL, 0, 0);
  std::vector<std::string> events;
  g_events = &events;
  SetWindowSubclass(Control(状态条1), RecordingProc, 7, 0);
  SetWindowSubclass(Control(超级列表框_结果列表), RecordingProc, 7, 0);
  const HWND main = Main();
  PostMessageA(main, WM_CLOSE, 0, 0);
  FindText(folder, "needle");
  g_events = nullptr;

  EXPECT_FALSE(IsWindow(main)) << "closed once the search had returned";
  const auto destroyed = std::find(events.begin(), events.end(), "destroyed");
  ASSERT_NE(destroyed, events.end());
  ASSERT_NE(destroyed, events.begin());
  EXPECT_TRUE(std::all_of(destroyed, events.end(), [](const std::string& e) { return e == "destroyed"; }))
      << "nothing is written to a control once the window is going";
  // The summary is the last thing written before that.
  const std::string& summary = *(destroyed - 1);
  ASSERT_TRUE(summary.starts_with("status ")) << summary;
  const int count = SummaryCount(summary.substr(std::string("status ").size()));
  EXPECT_GE(count, 1) << summary;
  EXPECT_LT(count, 12) << "the search stopped instead of scanning on";
  MSG quit{};
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 0u);
}

TEST_F(SearchWindowTest, ClickingARowEchoesItsPathAndEmptySpaceEmptiesTheEcho) {
  Click(选择框_含子目录);
  FindText(tree.Root(), "needle");
  const std::vector<Text> rows = Rows();
  ASSERT_EQ(rows.size(), 5u);
  for (const int row : {3, 0}) {
    ClickList(RowPoint(row));
    EXPECT_EQ(SelectedRow(), row);
    EXPECT_EQ(StatusText(0), rows[static_cast<std::size_t>(row)]);
  }
  ClickList(EmptyListPoint());
  EXPECT_EQ(SelectedRow(), -1);
  EXPECT_EQ(StatusText(0), "");
}

TEST_F(SearchWindowTest, MovingTheSelectionByKeyboardEchoesNothing) {
  FindText(tree.Root(), "needle");
  ClickList(RowPoint(0));
  window->Host().SetStatusText(0, "  before");
  SetFocus(Control(超级列表框_结果列表));
  PressKey(Control(超级列表框_结果列表), VK_DOWN);
  EXPECT_EQ(SelectedRow(), 1);
  EXPECT_EQ(StatusText(0), "  before");
}

}  // namespace
}  // namespace vantrel::testing
