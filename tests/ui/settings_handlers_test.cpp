// The hints, the mode switch, the folder browse and the subfolder warning, driven as a user
// drives them.

#include <string>

#include "search_globals.h"
#include "window_fixture.h"
#include "named_rows.h"

namespace vantrel::testing {
namespace {

using testing::PrintTo;

using enum ControlId;

constexpr char kTextBoxHint[] = "  在此输入你希望查找的内容，比如 Lumora";
constexpr char kHexBoxHint[] = "  在此输入你希望查找的内容的16进制，比如 4C756D6F7261";
constexpr char kTextModeHint[] = "  请在查找内容-文本之后输入你需要查找的内容";
constexpr char kHexModeHint[] = "  请在查找内容-16进制之后输入你需要查找的内容";
constexpr char kSubfolderHint[] = "  选中，搜索包括子目录下文件。警告！文件多的情况下非常慢！";

TEST_F(WindowTest, HexModeSwapsTheBoxesAndTextModeSwapsThemBack) {
  Type(文本查找框, "abc");
  Type(进制查找框, "616263");

  Click(单选框_16进制);
  ExpectMode(false, "after 16进制");
  EXPECT_EQ(StatusText(0), kHexModeHint);

  Click(单选框_文本);
  ExpectMode(true, "after 文本");
  EXPECT_EQ(StatusText(0), kTextModeHint);

  EXPECT_EQ(WindowText(文本查找框), "abc") << "switching never touches the texts";
  EXPECT_EQ(WindowText(进制查找框), "616263");
}

TEST_F(WindowTest, ClickingTheSelectedModeAgainShowsItsHintAgain) {
  SetFocus(Control(编辑框_目录路径));
  Click(单选框_文本);
  EXPECT_EQ(StatusText(0), kTextModeHint);
  EXPECT_TRUE(IsEnabled(文本查找框));
  EXPECT_FALSE(IsEnabled(进制查找框));
}

struct PressCase {
  const char* name;
  bool hex_mode;
  ControlId box;
  const char* expected_status;  // the start hint when the press must change nothing
};

class PatternBoxPressTest : public WindowTest, public ::testing::WithParamInterface<PressCase> {};

TEST_P(PatternBoxPressTest, ShowsTheHintOfAnEnabledBoxOnly) {
  const PressCase& press = GetParam();
  if (press.hex_mode) Click(单选框_16进制);
  window->Host().SetStatusText(0, "  before");
  PressLeft(press.box);
  EXPECT_EQ(StatusText(0), press.expected_status);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, PatternBoxPressTest,
    ::testing::Values(PressCase{"TextBoxInTextMode", false, 文本查找框, kTextBoxHint},
                      PressCase{"DisabledHexBoxInTextMode", false, 进制查找框, "  before"},
                      PressCase{"HexBoxInHexMode", true, 进制查找框, kHexBoxHint},
                      PressCase{"DisabledTextBoxInHexMode", true, 文本查找框, "  before"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(WindowTest, TheBoxStillHandlesThePressAfterTheHint) {
  SetFocus(Control(编辑框_目录路径));
  PressLeft(文本查找框);
  EXPECT_EQ(GetFocus(), Control(文本查找框));
}

TEST_F(WindowTest, TickingAndClearingSubfoldersBothWarn) {
  Click(选择框_含子目录);
  EXPECT_TRUE(IsChecked(选择框_含子目录));
  EXPECT_EQ(StatusText(0), kSubfolderHint);
  window->Host().SetStatusText(0, "  other");
  Click(选择框_含子目录);
  EXPECT_FALSE(IsChecked(选择框_含子目录));
  EXPECT_EQ(StatusText(0), kSubfolderHint);
}

struct BrowseCase {
  const char* name;
  Text picked;          // what the dialog gives; empty: cancelled or not a file-system item
  Text expected_box;
  Text expected_status;
};

class BrowseTest : public WindowTest, public ::testing::WithParamInterface<BrowseCase> {};

TEST_P(BrowseTest, FillsTheFolderBoxAndEchoesTheFolder) {
  const BrowseCase& browse = GetParam();
  Type(编辑框_目录路径, "D:\\before");
  window->Host().SetStatusText(0, "  before");
  shell.picked_folder = browse.picked;
  Click(按钮_目录);

  ASSERT_EQ(shell.browses.size(), 1u);
  EXPECT_EQ(shell.browses[0].title, "Please choose a catalogue");
  EXPECT_EQ(shell.browses[0].owner, Main());
  EXPECT_EQ(WindowText(编辑框_目录路径), browse.expected_box);
  EXPECT_EQ(StatusText(0), browse.expected_status);
  EXPECT_TRUE(SearchFolder.empty()) << "only a search takes the folder from the box";
}

INSTANTIATE_TEST_SUITE_P(
    Picks, BrowseTest,
    ::testing::Values(BrowseCase{"Folder", "D:\\data", "D:\\data", "D:\\data\\"},
                      BrowseCase{"DriveRoot", "C:\\", "C:\\", "C:\\"},
                      BrowseCase{"ChineseFolder", "C:\\资料", "C:\\资料", "C:\\资料\\"},
                      // Only the last byte is looked at: 0x5C as a second byte counts.
                      BrowseCase{"TrailByteIsABackslash", "C:\\\x95\x5C", "C:\\\x95\x5C", "C:\\\x95\x5C"},
                      BrowseCase{"Cancelled", "", "D:\\before", "  before"}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace vantrel::testing
