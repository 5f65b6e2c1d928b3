#pragma once
// The window's twenty-two controls as data: what each is, where it sits and how it starts.
// The table's order is the window's control order; among controls of one container it is
// also the stacking order, earlier above later.

#include <windows.h>

#include <cstdint>
#include <span>

namespace vantrel::ui {

// Each control's id is its place in the table plus 1000, so that none collides with IDOK
// and IDCANCEL, which the dialog keys send to the window.
enum class ControlId : int {
  编辑框_目录路径 = 1001,
  外形框3,
  按钮_目录,
  组合框_单线内存,
  组合框_最大线程组,
  标签_单线内存,
  标签7,
  选择框_含子目录,
  按钮_停止,
  按钮_查找,
  标签6,
  标签5,
  进制查找框,
  文本查找框,
  标签4,
  单选框_16进制,
  单选框_文本,
  标签1,
  外形框1,
  超级列表框_结果列表,
  状态条1,
  外形框2,
};

inline constexpr int kControlCount = 22;

// The container of the controls that sit directly on the main window.
inline constexpr ControlId kMainWindow{0};

enum class ControlKind { kEdit, kFrame, kPushButton, kDropDownList, kLabel, kCheckBox, kRadioButton, kListView, kStatusBar };

struct ControlRow {
  ControlId id;
  ControlKind kind;
  ControlId container;
  int x, y, width, height;  // in the container's client area
  const char* text;
  DWORD style = 0;          // beyond what the kind always has
  DWORD ex_style = 0;
};

std::span<const ControlRow> ControlTable();
const ControlRow& RowOf(ControlId id);
// 0 for the table's first control.
inline int TableIndex(ControlId id) { return static_cast<int>(id) - static_cast<int>(ControlId::编辑框_目录路径); }

// The fixed items of the two drop-down lists and the item each starts with.
struct ListItem {
  const char* text;
  LPARAM data;  // 0 for the chunk-size list, whose items carry none
};
std::span<const ListItem> ChunkSizeItems();
std::span<const ListItem> ThreadCountItems();
// The status bar's part 0 runs from its left end to here; part 1 from here to its right end.
inline constexpr int kStatusPart0Right = 450;

inline constexpr int kChunkSizeStartIndex = 0;    // "256K"
inline constexpr int kThreadCountStartIndex = 4;  // "20"

}  // namespace vantrel::ui
