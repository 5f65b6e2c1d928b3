// The result list's pop-up menu: where it appears, what it holds, and what its commands
// hand to the shell.

#include <windows.h>
// commctrl.h needs the types of windows.h first.
#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "result_menu.h"
#include "search_globals.h"
#include "window_fixture.h"
#include "named_rows.h"

namespace vantrel::testing {
namespace {

using testing::PrintTo;

using enum ControlId;

struct PathCase {
  const char* name;
  Text folder;
  Text row;
  Text expected_file;
  Text expected_folder;
};

class ResultPathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(ResultPathTest, JoinsTheSearchedFolderAndTheRow) {
  const PathCase& path = GetParam();
  EXPECT_EQ(ui::FilePathForRow(path.folder, path.row), path.expected_file);
  EXPECT_EQ(ui::FolderPathForRow(path.folder, path.row), path.expected_folder);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ResultPathTest,
    ::testing::Values(
        PathCase{"InTheFolder", "D:\\data\\", "a.txt", "D:\\data\\a.txt", "D:\\data\\"},
        PathCase{"InASubfolder", "D:\\data\\", "sub\\deep\\a.txt", "D:\\data\\sub\\deep\\a.txt", "D:\\data\\sub\\deep\\"},
        // 0x95 0x5C is one character: its second byte is no separator.
        PathCase{"SecondByteLooksLikeABackslash", "D:\\", "\x95\x5C.txt", "D:\\\x95\x5C.txt", "D:\\"},
        PathCase{"CutOnlyAtRealBackslashes", "D:\\", "a\\\x95\x5C\\b\x95\x5C.txt", "D:\\a\\\x95\x5C\\b\x95\x5C.txt",
                 "D:\\a\\\x95\x5C\\"},
        PathCase{"NoSearchYet", "", "a.txt", "a.txt", ""}),
    [](const auto& test) { return std::string(test.param.name); });

class ResultMenuTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    tree.AddFile("a.txt", "needle");
    tree.AddFile("sub\\deep\\b.txt", "needle");
    Click(选择框_含子目录);
    FindText(tree.Root(), "needle");
  }

  void Select(const Text& row_text) {
    const std::vector<Text> rows = Rows();
    const auto row = std::find(rows.begin(), rows.end(), row_text) - rows.begin();
    ASSERT_LT(static_cast<std::size_t>(row), rows.size()) << row_text;
    ClickList(RowPoint(static_cast<int>(row)));
    ASSERT_EQ(SelectedRow(), row);
  }

  // Chooses the menu's item at this position, as the menu does once it has closed.
  void Choose(int item) {
    const UINT command = GetMenuItemID(window->ResultMenu(), item);
    PostMessageA(Main(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
    Pump();
  }
};

TEST_F(ResultMenuTest, RightPressShowsTheMenuJustOffThePointer) {
  POINT cursor{};
  GetCursorPos(&cursor);
  RightPressList(RowPoint(0));
  ASSERT_EQ(shell.menus.size(), 1u);
  EXPECT_EQ(shell.menus[0].owner, Main());
  EXPECT_EQ(shell.menus[0].at.x, cursor.x + 3);
  EXPECT_EQ(shell.menus[0].at.y, cursor.y + 3);

  const HMENU menu = shell.menus[0].menu;
  std::vector<std::string> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[64] = {};
    GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof(text), MF_BYPOSITION);
    items.emplace_back(text);
    EXPECT_EQ(GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED | MF_CHECKED), 0u);
  }
  EXPECT_EQ(items, (std::vector<std::string>{"默认方式打开", "默认编辑器打开", "浏览所在文件夹"}));
}

TEST_F(ResultMenuTest, RightPressOnAnEmptyListStillShowsTheMenu) {
  SendMessageA(Control(超级列表框_结果列表), LVM_DELETEALLITEMS, 0, 0);
  RightPressList(EmptyListPoint());
  EXPECT_EQ(shell.menus.size(), 1u);
  for (int item = 0; item < 3; ++item) Choose(item);
  EXPECT_TRUE(shell.executions.empty()) << "nothing to act on";
}

struct CommandCase {
  const char* name;
  int item;                     // position in the menu
  std::optional<Text> row;      // nullopt: no row selected
  std::optional<Text> verb;
  Text relative_path;           // to the searched folder
};

class MenuCommandTest : public ResultMenuTest, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(MenuCommandTest, HandsThePathAndVerbToTheShell) {
  const CommandCase& command = GetParam();
  if (command.row) {
    Select(*command.row);
  } else {
    ClickList(EmptyListPoint());
  }
  Choose(command.item);
  if (!command.row) {
    EXPECT_TRUE(shell.executions.empty());
    return;
  }
  ASSERT_EQ(shell.executions.size(), 1u);
  EXPECT_EQ(shell.executions[0].verb, command.verb);
  EXPECT_EQ(shell.executions[0].path, tree.Root() + command.relative_path);
}

INSTANTIATE_TEST_SUITE_P(
    Items, MenuCommandTest,
    ::testing::Values(CommandCase{"OpenWithNoRow", 0, std::nullopt, std::nullopt, ""},
                      CommandCase{"EditWithNoRow", 1, std::nullopt, std::nullopt, ""},
                      CommandCase{"ExploreWithNoRow", 2, std::nullopt, std::nullopt, ""},
                      CommandCase{"OpenInFolder", 0, "a.txt", std::nullopt, "a.txt"},
                      CommandCase{"EditInFolder", 1, "a.txt", "edit", "a.txt"},
                      CommandCase{"ExploreInFolder", 2, "a.txt", "explore", ""},
                      CommandCase{"OpenInSubfolder", 0, "sub\\deep\\b.txt", std::nullopt, "sub\\deep\\b.txt"},
                      CommandCase{"EditInSubfolder", 1, "sub\\deep\\b.txt", "edit", "sub\\deep\\b.txt"},
                      CommandCase{"ExploreInSubfolder", 2, "sub\\deep\\b.txt", "explore", "sub\\deep\\"}),
    [](const auto& test) { return std::string(test.param.name); });

// The folder is the one of the search that listed the rows, whatever the box shows since.
TEST_F(ResultMenuTest, CommandsKeepTheFolderOfTheSearchThatListedTheRows) {
  shell.picked_folder = "D:\\elsewhere";
  Click(按钮_目录);
  Type(编辑框_目录路径, "E:\\typed");
  Select("a.txt");
  Choose(0);
  ASSERT_EQ(shell.executions.size(), 1u);
  EXPECT_EQ(shell.executions[0].path, tree.Root() + "a.txt");
}

}  // namespace
}  // namespace vantrel::testing
