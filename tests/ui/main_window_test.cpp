// The window as the user first sees it: frame, controls, texts, colours and keys.

#include <windows.h>
// commctrl.h needs the types of windows.h first.
#include <commctrl.h>

#include <set>
#include <string>
#include <vector>

#include "search_globals.h"
#include "ui_colours.h"
#include "window_fixture.h"
#include "named_rows.h"

namespace vantrel::testing {
namespace {

using testing::PrintTo;

using enum ControlId;

constexpr char kStartHint[] = "  请先选择需要查找的目录，进行相应设置后点击查找按钮。";

TEST_F(WindowTest, OpensFixedAndCentredOnThePrimaryScreen) {
  RECT bounds{};
  GetWindowRect(Main(), &bounds);
  EXPECT_EQ(bounds.right - bounds.left, 353);
  EXPECT_EQ(bounds.bottom - bounds.top, 411);
  EXPECT_EQ(bounds.left, (GetSystemMetrics(SM_CXSCREEN) - 353) / 2);
  EXPECT_EQ(bounds.top, (GetSystemMetrics(SM_CYSCREEN) - 411) / 2);

  const auto style = static_cast<DWORD>(GetWindowLongPtrA(Main(), GWL_STYLE));
  EXPECT_TRUE(style & WS_VISIBLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX) << "no maximise box";
  EXPECT_FALSE(style & WS_THICKFRAME) << "the frame is fixed";
  EXPECT_EQ(GetMenu(Main()), nullptr) << "the menu 操作 is hidden: no menu bar";
}

TEST_F(WindowTest, CaptionEndsInTheAuthorsNumber) {
  char caption[256] = {};
  GetWindowTextA(Main(), caption, sizeof(caption));
  const std::string prefix = "Vantrel-作者Ombrin QQ：";
  const std::string text = caption;
  ASSERT_TRUE(text.starts_with(prefix)) << text;
  const std::string number = text.substr(prefix.size());
  EXPECT_FALSE(number.empty());
  EXPECT_EQ(number.find_first_not_of("0123456789"), std::string::npos) << number;
}

// Right after start-up, before the user has done anything.
TEST_F(WindowTest, StartsReady) {
  EXPECT_EQ(WindowText(编辑框_目录路径), "C:\\");
  EXPECT_TRUE(SearchFolder.empty()) << "the box is only shown until a search reads it";
  ExpectMode(true, "at start");
  EXPECT_FALSE(IsChecked(选择框_含子目录));
  EXPECT_EQ(WindowText(组合框_最大线程组), "20");
  EXPECT_EQ(WindowText(组合框_单线内存), "256K");
  EXPECT_TRUE(IsEnabled(按钮_查找));
  EXPECT_FALSE(IsEnabled(按钮_停止));
  EXPECT_TRUE(Rows().empty());
  EXPECT_EQ(SelectedRow(), -1);
  EXPECT_EQ(StatusText(0), kStartHint);
  EXPECT_EQ(StatusText(1), "");
}

struct Placement {
  ControlId id;
  const char* name;
  int x, y, width, height;  // in the window's client area; height 0: not checked
};

// The drop-down lists are as tall as their selection field once created, so only their
// place and width are theirs to keep.
const Placement kPlacements[] = {
    {编辑框_目录路径, "编辑框_目录路径", 12, 5, 299, 20},
    {外形框3, "外形框3", 7, 3, 306, 24},
    {按钮_目录, "按钮_目录", 317, 3, 21, 22},
    {组合框_单线内存, "组合框_单线内存", 229, 65, 66, 0},
    {组合框_最大线程组, "组合框_最大线程组", 81, 65, 46, 0},
    {标签_单线内存, "标签_单线内存", 164, 67, 59, 18},
    {标签7, "标签7", 18, 67, 62, 18},
    {选择框_含子目录, "选择框_含子目录", 212, 43, 72, 20},
    {按钮_停止, "按钮_停止", 285, 132, 46, 21},
    {按钮_查找, "按钮_查找", 285, 106, 46, 21},
    {标签6, "标签6", 14, 134, 45, 18},
    {标签5, "标签5", 27, 112, 32, 18},
    {进制查找框, "进制查找框", 60, 133, 218, 18},
    {文本查找框, "文本查找框", 60, 110, 218, 18},
    {标签4, "标签4", 13, 93, 48, 18},
    {单选框_16进制, "单选框_16进制", 88, 44, 66, 18},
    {单选框_文本, "单选框_文本", 17, 44, 48, 18},
    {标签1, "标签1", 13, 26, 48, 18},
    {外形框1, "外形框1", 7, 35, 331, 57},
    {超级列表框_结果列表, "超级列表框_结果列表", 7, 164, 331, 191},
    {外形框2, "外形框2", 7, 102, 331, 55},
};

TEST_F(WindowTest, ControlsSitWhereTheLayoutPutsThem) {
  for (const Placement& expected : kPlacements) {
    SCOPED_TRACE(expected.name);
    RECT bounds{};
    GetWindowRect(Control(expected.id), &bounds);
    MapWindowPoints(nullptr, Main(), reinterpret_cast<POINT*>(&bounds), 2);
    EXPECT_EQ(bounds.left, expected.x);
    EXPECT_EQ(bounds.top, expected.y);
    EXPECT_EQ(bounds.right - bounds.left, expected.width);
    if (expected.height != 0) {
      EXPECT_EQ(bounds.bottom - bounds.top, expected.height);
    }
  }
}

TEST_F(WindowTest, StatusBarIsDockedWithTwoPartsAndNoGrip) {
  const HWND bar = Control(状态条1);
  RECT client{};
  RECT bounds{};
  GetClientRect(Main(), &client);
  GetWindowRect(bar, &bounds);
  MapWindowPoints(nullptr, Main(), reinterpret_cast<POINT*>(&bounds), 2);
  EXPECT_EQ(bounds.left, 0);
  EXPECT_EQ(bounds.right, client.right);
  EXPECT_EQ(bounds.bottom, client.bottom);

  int edges[4] = {};
  ASSERT_EQ(SendMessageA(bar, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 2);
  EXPECT_EQ(edges[0], 450);
  EXPECT_EQ(edges[1], -1);
  EXPECT_FALSE(GetWindowLongPtrA(bar, GWL_STYLE) & SBARS_SIZEGRIP);
}

TEST_F(WindowTest, ATextInPartOneIsKeptButLiesBeyondTheVisibleBar) {
  window->Host().SetStatusText(1, "12");
  window->Host().SetStatusText(0, "  first");
  window->Host().SetStatusText(0, "  second");
  window->Host().SetStatusText(2, "  nowhere");
  EXPECT_EQ(StatusText(0), "  second");
  EXPECT_EQ(StatusText(1), "12");
  RECT part1{};
  RECT client{};
  SendMessageA(Control(状态条1), SB_GETRECT, 1, reinterpret_cast<LPARAM>(&part1));
  GetClientRect(Control(状态条1), &client);
  EXPECT_GE(part1.left, client.right);
}

// Among the controls of one container, the earlier in the table lies above the later; that
// puts the captions 标签1 and 标签4 over their frames' top lines.
TEST_F(WindowTest, SiblingsStackInTableOrder) {
  for (const ControlId container : {ui::kMainWindow, 外形框1, 外形框2, 外形框3}) {
    const HWND parent = container == ui::kMainWindow ? Main() : Control(container);
    std::vector<HWND> expected;
    for (const ui::ControlRow& row : ui::ControlTable()) {
      if (row.container == container) expected.push_back(Control(row.id));
    }
    std::vector<HWND> actual;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      actual.push_back(child);
    }
    EXPECT_EQ(actual, expected) << "container " << static_cast<int>(container);
  }
}

TEST_F(WindowTest, EveryControlWithTextUsesTheDefaultGuiFont) {
  const auto font = reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT));
  for (const ui::ControlRow& row : ui::ControlTable()) {
    if (row.kind == ui::ControlKind::kFrame) continue;  // a frame shows no text
    EXPECT_EQ(SendMessageA(Control(row.id), WM_GETFONT, 0, 0), font) << static_cast<int>(row.id);
  }
}

struct ListContent {
  ControlId id;
  const char* name;
  std::vector<std::string> items;
  std::vector<LPARAM> data;
  int selected;
};

TEST_F(WindowTest, DropDownListsHoldTheirFixedItems) {
  const ListContent lists[] = {
      {组合框_单线内存, "组合框_单线内存", {"256K", "512k", "1M", "2M", "10M", "1K"}, {0, 0, 0, 0, 0, 0}, 0},
      {组合框_最大线程组, "组合框_最大线程组", {"1", "2", "5", "10", "20"}, {1, 2, 5, 10, 20}, 4},
  };
  for (const ListContent& expected : lists) {
    SCOPED_TRACE(expected.name);
    const HWND list = Control(expected.id);
    std::vector<std::string> items;
    std::vector<LPARAM> data;
    const auto count = static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      char text[32] = {};
      SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
      items.emplace_back(text);
      data.push_back(static_cast<LPARAM>(SendMessageA(list, CB_GETITEMDATA, static_cast<WPARAM>(i), 0)));
    }
    EXPECT_EQ(items, expected.items);
    EXPECT_EQ(data, expected.data);
    EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), expected.selected);
    // A fixed list: no text of the user's own.
    EXPECT_EQ(GetWindowLongPtrA(list, GWL_STYLE) & 3, CBS_DROPDOWNLIST);
  }
}

TEST_F(WindowTest, ResultListShowsSingleRowsInListMode) {
  const HWND list = Control(超级列表框_结果列表);
  EXPECT_EQ(SendMessageA(list, LVM_GETVIEW, 0, 0), LV_VIEW_LIST);
  EXPECT_TRUE(SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_INFOTIP);
  EXPECT_TRUE(GetWindowLongPtrA(list, GWL_EXSTYLE) & WS_EX_STATICEDGE);
  for (const char* text : {"b.txt", "a.txt", "c.txt"}) window->Host().AppendResult(text);
  EXPECT_EQ(Rows(), (std::vector<Text>{"b.txt", "a.txt", "c.txt"})) << "kept in the order added";

  LVITEMA selected{};
  selected.stateMask = LVIS_SELECTED;
  selected.state = LVIS_SELECTED;
  SendMessageA(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&selected));
  SendMessageA(list, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&selected));
  EXPECT_EQ(SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0), 1) << "at most one row selected";
}

TEST_F(WindowTest, FramesPaintWhiteInsideAGreenOutline) {
  for (const ControlId frame : {外形框1, 外形框2, 外形框3}) {
    const Snapshot pixels(Control(frame));
    const int right = pixels.Width() - 1;
    const int bottom = pixels.Height() - 1;
    SCOPED_TRACE(static_cast<int>(frame));
    EXPECT_EQ(pixels.At(0, 0), ui::kFrameGreen);
    EXPECT_EQ(pixels.At(right, bottom), ui::kFrameGreen);
    EXPECT_EQ(pixels.At(right / 2, 0), ui::kFrameGreen);
    EXPECT_EQ(pixels.At(1, 1), ui::kWhite);
    EXPECT_EQ(pixels.At(right - 1, bottom - 1), ui::kWhite);
  }
}

struct LabelBackground {
  ControlId id;
  const char* name;
  bool on_frame;
};

// Labels, the check box and the radio buttons paint on white inside the frames; the two frame
// captions lie on the window and take its colour.
TEST_F(WindowTest, TextsOnFramesAreWhiteAndFrameCaptionsAreButtonFace) {
  const LabelBackground cases[] = {
      {标签1, "标签1", false},           {标签4, "标签4", false},
      {标签5, "标签5", true},            {标签6, "标签6", true},
      {标签7, "标签7", true},            {标签_单线内存, "标签_单线内存", true},
      {选择框_含子目录, "选择框_含子目录", true}, {单选框_文本, "单选框_文本", true},
      {单选框_16进制, "单选框_16进制", true},
  };
  for (const LabelBackground& label : cases) {
    const Snapshot pixels(Control(label.id));
    EXPECT_EQ(pixels.At(pixels.Width() - 1, 0), label.on_frame ? ui::kWhite : GetSysColor(COLOR_BTNFACE))
        << label.name;
  }
}

TEST_F(WindowTest, TabVisitsEveryEnabledInputControlAndNothingElse) {
  SetFocus(Control(编辑框_目录路径));
  std::set<HWND> visited;
  for (int step = 0; step < 40; ++step) {
    visited.insert(GetFocus());
    PressKey(GetFocus(), VK_TAB);
  }
  // Stop and the hex box are disabled at start; the radio buttons form one group, reached
  // through the selected one.
  std::set<HWND> expected;
  for (const ControlId id : {编辑框_目录路径, 按钮_目录, 组合框_单线内存, 组合框_最大线程组, 选择框_含子目录,
                             按钮_查找, 文本查找框, 超级列表框_结果列表}) {
    expected.insert(Control(id));
  }
  std::set<HWND> radios{Control(单选框_文本), Control(单选框_16进制)};
  std::set<HWND> visited_without_radios;
  bool reached_a_radio = false;
  for (const HWND focus : visited) {
    if (radios.contains(focus)) {
      reached_a_radio = true;
    } else {
      visited_without_radios.insert(focus);
    }
  }
  EXPECT_EQ(visited_without_radios, expected);
  EXPECT_TRUE(reached_a_radio);
}

TEST_F(WindowTest, EnterLeavesTheFocusWhereItIs) {
  SetFocus(Control(文本查找框));
  PressKey(Control(文本查找框), VK_RETURN);
  EXPECT_EQ(GetFocus(), Control(文本查找框));
  EXPECT_TRUE(IsWindow(Main()));
}

struct FocusCase {
  ControlId id;
  const char* name;
};

class EscapeTest : public WindowTest, public ::testing::WithParamInterface<FocusCase> {};

TEST_P(EscapeTest, ClosesTheWindowWhicheverControlHasTheFocus) {
  const HWND main = Main();
  SetFocus(Control(GetParam().id));
  ASSERT_EQ(GetFocus(), Control(GetParam().id));
  PressKey(GetFocus(), VK_ESCAPE);
  EXPECT_FALSE(IsWindow(main));
  MSG quit{};
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "closing ends the message loop";
  EXPECT_EQ(quit.wParam, 0u);
}

INSTANTIATE_TEST_SUITE_P(Focus, EscapeTest,
                         ::testing::Values(FocusCase{文本查找框, "TextBox"}, FocusCase{编辑框_目录路径, "FolderBox"},
                                           FocusCase{组合框_最大线程组, "ThreadList"},
                                           FocusCase{超级列表框_结果列表, "ResultList"},
                                           FocusCase{按钮_查找, "FindButton"}),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace vantrel::testing
