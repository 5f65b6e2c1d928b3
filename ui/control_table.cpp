#include "control_table.h"

#include <array>

namespace vantrel::ui {
namespace {

using enum ControlId;
using enum ControlKind;

// Positions are in the container; the drop-down lists are created 160 pixels tall, the room
// for the selection field and the opened list together.
constexpr std::array kTable{
    ControlRow{编辑框_目录路径, kEdit, 外形框3, 5, 2, 299, 20, "C:\\"},
    ControlRow{外形框3, kFrame, kMainWindow, 7, 3, 306, 24, ""},
    ControlRow{按钮_目录, kPushButton, kMainWindow, 317, 3, 21, 22, "…"},
    ControlRow{组合框_单线内存, kDropDownList, 外形框1, 222, 30, 66, 160, ""},
    ControlRow{组合框_最大线程组, kDropDownList, 外形框1, 74, 30, 46, 160, ""},
    ControlRow{标签_单线内存, kLabel, 外形框1, 157, 32, 59, 18, "单线内存："},
    ControlRow{标签7, kLabel, 外形框1, 11, 32, 62, 18, "最大线程："},
    ControlRow{选择框_含子目录, kCheckBox, 外形框1, 205, 8, 72, 20, "含子目录"},
    ControlRow{按钮_停止, kPushButton, 外形框2, 278, 30, 46, 21, "停止", WS_DISABLED},
    ControlRow{按钮_查找, kPushButton, 外形框2, 278, 4, 46, 21, "查找"},
    ControlRow{标签6, kLabel, 外形框2, 7, 32, 45, 18, "16进制："},
    ControlRow{标签5, kLabel, 外形框2, 20, 10, 32, 18, "文本："},
    ControlRow{进制查找框, kEdit, 外形框2, 53, 31, 218, 18, "", 0, WS_EX_STATICEDGE},
    ControlRow{文本查找框, kEdit, 外形框2, 53, 8, 218, 18, "", 0, WS_EX_STATICEDGE},
    ControlRow{标签4, kLabel, kMainWindow, 13, 93, 48, 18, "查找内容"},
    ControlRow{单选框_16进制, kRadioButton, 外形框1, 81, 9, 66, 18, "16进制"},
    ControlRow{单选框_文本, kRadioButton, 外形框1, 10, 9, 48, 18, "文本"},
    ControlRow{标签1, kLabel, kMainWindow, 13, 26, 48, 18, "查找模式"},
    ControlRow{外形框1, kFrame, kMainWindow, 7, 35, 331, 57, ""},
    ControlRow{超级列表框_结果列表, kListView, kMainWindow, 7, 164, 331, 191, "", 0, WS_EX_STATICEDGE},
    ControlRow{状态条1, kStatusBar, kMainWindow, 0, 0, 0, 0, ""},  // docked by the bar itself
    ControlRow{外形框2, kFrame, kMainWindow, 7, 102, 331, 55, ""},
};

constexpr std::array kChunkSizeItems{
    ListItem{"256K", 0}, ListItem{"512k", 0}, ListItem{"1M", 0}, ListItem{"2M", 0}, ListItem{"10M", 0}, ListItem{"1K", 0},
};

constexpr std::array kThreadCountItems{
    ListItem{"1", 1}, ListItem{"2", 2}, ListItem{"5", 5}, ListItem{"10", 10}, ListItem{"20", 20},
};

static_assert(kTable.size() == kControlCount);

}  // namespace

std::span<const ControlRow> ControlTable() { return kTable; }

const ControlRow& RowOf(ControlId id) {
  // at(): an id outside the table ends the process instead of reading beyond it.
  return kTable.at(static_cast<std::size_t>(TableIndex(id)));
}

std::span<const ListItem> ChunkSizeItems() { return kChunkSizeItems; }
std::span<const ListItem> ThreadCountItems() { return kThreadCountItems; }

}  // namespace vantrel::ui
