// The window's side of SearchHost: rows from worker threads and the message pump.

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "message_pump.h"
#include "window_fixture.h"

namespace vantrel::testing {
namespace {

using enum ControlId;

TEST_F(WindowTest, RowsFromWorkersArriveOnceEachWhileTheMainThreadPumps) {
  constexpr int kWorkers = 8;
  constexpr int kRowsEach = 25;
  std::atomic<int> finished{0};
  std::vector<std::thread> workers;
  for (int w = 0; w < kWorkers; ++w) {
    workers.emplace_back([&, w] {
      for (int r = 0; r < kRowsEach; ++r) window->Host().AppendResult("w" + std::to_string(w) + "-" + std::to_string(r));
      ++finished;
    });
  }
  // The workers wait inside AppendResult until the main thread handles its messages.
  while (finished.load() < kWorkers) {
    window->Host().PumpMessages();
    window->Host().SleepMs(1);
  }
  for (std::thread& worker : workers) worker.join();

  std::vector<Text> expected;
  for (int w = 0; w < kWorkers; ++w) {
    for (int r = 0; r < kRowsEach; ++r) expected.push_back("w" + std::to_string(w) + "-" + std::to_string(r));
  }
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(SortedRows(), expected);
  EXPECT_EQ(window->Host().CountResults(), kWorkers * kRowsEach);
}

TEST_F(WindowTest, ARowFromAWorkerAfterTheWindowIsGoneIsDropped) {
  DestroyWindow(Main());
  std::thread worker([&] { window->Host().AppendResult("late.txt"); });
  worker.join();  // returns: nothing waits for a window that is gone
  EXPECT_EQ(window->Host().CountResults(), 0);
}

TEST_F(WindowTest, PumpHandlesWhatIsPendingAndLeavesTheQuitMessageQueued) {
  PostMessageA(Control(选择框_含子目录), BM_CLICK, 0, 0);
  PostQuitMessage(3);
  window->Host().PumpMessages();
  EXPECT_TRUE(IsChecked(选择框_含子目录)) << "the click before the quit message was handled";
  MSG quit{};
  ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "still queued for the loop";
  EXPECT_EQ(quit.wParam, 3u);
}

TEST_F(WindowTest, PumpWithAQuitMessageAlreadyPendingHandlesNothingMore) {
  PostQuitMessage(0);
  window->Host().PumpMessages();
  window->Host().PumpMessages();
  MSG quit{};
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(WindowTest, ClearingEmptiesTheListAndLeavesNoSelection) {
  for (const char* text : {"a", "b"}) window->Host().AppendResult(text);
  ClickList(RowPoint(1));
  window->Host().ClearResults();
  window->Host().ClearResults();
  EXPECT_EQ(window->Host().CountResults(), 0);
  EXPECT_EQ(SelectedRow(), -1);
}

TEST_F(WindowTest, LongRowsAreReadWhole) {
  const Text long_row = std::string(3000, 'x') + "汉字.txt";
  window->Host().AppendResult(long_row);
  ClickList(RowPoint(0));
  EXPECT_EQ(StatusText(0), long_row);
}

TEST_F(WindowTest, SearchingSwapsTheFindAndStopButtons) {
  window->Host().SetSearching(true);
  EXPECT_FALSE(IsEnabled(按钮_查找));
  EXPECT_TRUE(IsEnabled(按钮_停止));
  window->Host().SetSearching(false);
  EXPECT_TRUE(IsEnabled(按钮_查找));
  EXPECT_FALSE(IsEnabled(按钮_停止));
}

TEST_F(WindowTest, SettingsAreReadFromTheControls) {
  SearchHost& host = window->Host();
  EXPECT_EQ(host.ReadChunkSizeIndex(), 0);
  EXPECT_EQ(host.ReadThreadCountIndex(), 4);
  EXPECT_TRUE(host.IsTextMode());
  EXPECT_FALSE(host.IsIncludeSubfolders());

  SendMessageA(Control(组合框_单线内存), CB_SETCURSEL, 5, 0);
  SendMessageA(Control(组合框_最大线程组), CB_SETCURSEL, 1, 0);
  Click(单选框_16进制);
  Click(选择框_含子目录);
  Type(文本查找框, "文本");
  Type(进制查找框, "4C75");
  EXPECT_EQ(host.ReadChunkSizeIndex(), 5);
  EXPECT_EQ(host.ReadThreadCountIndex(), 1);
  EXPECT_FALSE(host.IsTextMode());
  EXPECT_TRUE(host.IsIncludeSubfolders());
  EXPECT_EQ(host.ReadTextPattern(), "文本") << "a disabled box is still read";
  EXPECT_EQ(host.ReadHexPattern(), "4C75");
}

}  // namespace
}  // namespace vantrel::testing
