// Start-up and shutdown: the program folder, the priority, a window that cannot be made, and
// the built program run as a process of its own.

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "main_window.h"
#include "program_entry.h"
#include "program_controls.h"
#include "program_folder.h"
#include "search_fixture.h"
#include "startup.h"
#include "temp_tree.h"
#include "named_rows.h"

namespace vantrel::testing {
namespace {

using testing::PrintTo;

struct FolderCase {
  const char* name;
  Text module_path;
  std::optional<Text> expected;
};

class FolderOfProgramTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(FolderOfProgramTest, CutsBeforeTheLastBackslash) {
  EXPECT_EQ(app::FolderOfProgram(GetParam().module_path), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, FolderOfProgramTest,
    ::testing::Values(FolderCase{"Plain", "C:\\tools\\Vantrel.exe", "C:\\tools"},
                      FolderCase{"Chinese", "C:\\工具\\查找\\Vantrel.exe", "C:\\工具\\查找"},
                      // 0x95 0x5C is one character: its second byte is no separator.
                      FolderCase{"SecondByteLooksLikeABackslash", "C:\\a\\\x95\x5C" "b.exe", "C:\\a"},
                      FolderCase{"DriveRootKeepsItsBackslash", "C:\\Vantrel.exe", "C:\\"},
                      FolderCase{"NoBackslash", "Vantrel.exe", std::nullopt},
                      FolderCase{"Empty", "", std::nullopt}),
    [](const auto& test) { return std::string(test.param.name); });

Text CurrentDirectory() {
  char buffer[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, buffer);
  return buffer;
}

TEST(StartupTest, TheProgramsOwnFolderBecomesCurrent) {
  const Text before = CurrentDirectory();
  TempTree elsewhere;
  ASSERT_TRUE(SetCurrentDirectoryA(elsewhere.Root().c_str()));
  app::MakeProgramFolderCurrent();
  const Text now = CurrentDirectory();
  SetCurrentDirectoryA(before.c_str());

  char module[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  EXPECT_EQ(now, *app::FolderOfProgram(module));
}

struct PriorityCase {
  const char* name;
  uint32_t asked;
  DWORD expected;
};

class PriorityTest : public ::testing::TestWithParam<PriorityCase> {
 protected:
  void TearDown() override { SetPriorityClass(GetCurrentProcess(), NORMAL_PRIORITY_CLASS); }
};

TEST_P(PriorityTest, ZeroStandsForRealTime) {
  app::SetProcessPriority(GetParam().asked);
  EXPECT_EQ(GetPriorityClass(GetCurrentProcess()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Classes, PriorityTest,
                         ::testing::Values(PriorityCase{"Zero", 0, REALTIME_PRIORITY_CLASS},
                                           PriorityCase{"RealTime", REALTIME_PRIORITY_CLASS, REALTIME_PRIORITY_CLASS},
                                           PriorityCase{"StartClass", app::kStartPriorityClass, HIGH_PRIORITY_CLASS}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(StartupTest, AWindowThatCannotBeCreatedIsFatal) {
  EXPECT_EXIT(app::ProgramEntry([] { return std::unique_ptr<ui::MainWindow>(); }),
              ::testing::ExitedWithCode(kFatalExitCode), "载入启动窗口失败");
}

// ------------------------------------------------- the built program as a process ----

// The program's path as Windows sees it: under Wine the build's Unix path lies on Z:.
Text ProgramPath() {
  Text path = VANTREL_EXE_PATH;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  if (path.starts_with("\\")) path = "Z:" + path;
  return path;
}

class RunningProgram {
 public:
  // Started from `folder`, with no handles of ours inherited.
  explicit RunningProgram(const Text& folder) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    Text command = "\"" + ProgramPath() + "\"";
    started_ = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                              &process_) != FALSE;
  }
  ~RunningProgram() {
    if (!started_) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 99);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  bool Started() const { return started_; }

  // The program's main window, once it has one; null when the process ended without.
  HWND MainWindow() {
    WaitForInputIdle(process_.hProcess, INFINITE);
    for (;;) {
      Search search{process_.dwProcessId, nullptr};
      EnumWindows(FindMain, reinterpret_cast<LPARAM>(&search));
      if (search.found != nullptr) return search.found;
      if (WaitForSingleObject(process_.hProcess, 10) == WAIT_OBJECT_0) return nullptr;
    }
  }

  DWORD WaitForExitCode() {
    WaitForSingleObject(process_.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }

 private:
  struct Search {
    DWORD process_id;
    HWND found;
  };
  static BOOL CALLBACK FindMain(HWND window, LPARAM raw) {
    auto& search = *reinterpret_cast<Search*>(raw);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char class_name[64] = {};
    GetClassNameA(window, class_name, sizeof(class_name));
    if (owner != search.process_id || Text(class_name) != ui::kMainWindowClassName || !IsWindowVisible(window)) {
      return TRUE;
    }
    search.found = window;
    return FALSE;
  }

  PROCESS_INFORMATION process_{};
  bool started_ = false;
};


TEST(ProgramProcessTest, StartsFromAnotherFolderAndExitsWithZeroWhenClosed) {
  TempTree elsewhere;
  RunningProgram program(elsewhere.Root());
  ASSERT_TRUE(program.Started()) << ProgramPath();
  const HWND main = program.MainWindow();
  ASSERT_NE(main, nullptr) << "the program ended without showing its window";
  char caption[128] = {};
  GetWindowTextA(main, caption, sizeof(caption));
  EXPECT_TRUE(Text(caption).starts_with("Vantrel-作者Ombrin QQ：")) << caption;
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExitCode(), 0u);
}

// The close arrives at the search's first look at its messages, while it still has most of
// the tree to walk.
TEST(ProgramProcessTest, ClosingDuringASearchExitsWithZero) {
  TempTree tree;
  for (int folder = 0; folder < 20; ++folder) {
    for (int file = 0; file < 20; ++file) {
      tree.AddFile("d" + std::to_string(folder) + "\\f" + std::to_string(file) + ".txt", "needle");
    }
  }
  RunningProgram program(tree.Root());
  ASSERT_TRUE(program.Started()) << ProgramPath();
  const HWND main = program.MainWindow();
  ASSERT_NE(main, nullptr);
  const Text root = tree.Root();
  SendMessageA(FindProgramControl(main, ui::ControlId::编辑框_目录路径), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(root.c_str()));
  SendMessageA(FindProgramControl(main, ui::ControlId::文本查找框), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("needle"));
  SendMessageA(FindProgramControl(main, ui::ControlId::组合框_最大线程组), CB_SETCURSEL, 0, 0);
  SendMessageA(FindProgramControl(main, ui::ControlId::选择框_含子目录), BM_SETCHECK, BST_CHECKED, 0);
  PostMessageA(FindProgramControl(main, ui::ControlId::按钮_查找), BM_CLICK, 0, 0);
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExitCode(), 0u);
}

}  // namespace
}  // namespace vantrel::testing
