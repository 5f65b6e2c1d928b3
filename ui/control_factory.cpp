#include "control_factory.h"

#include <windows.h>
// commctrl.h needs the types of windows.h first.
#include <commctrl.h>

#include "frame_control.h"

namespace vantrel::ui {
namespace {

struct KindTraits {
  const char* window_class;
  DWORD style;
  DWORD ex_style;
};

// Every control is visible and clips its overlapping siblings, so that a label lying on a
// frame's top line is not painted over by the frame.
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;

KindTraits TraitsOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::kEdit:
      return {"EDIT", kChild | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, 0};
    case ControlKind::kFrame:
      // CONTROLPARENT: Tab walks into the frame's controls as if they were the window's.
      return {kFrameClassName, kChild, WS_EX_CONTROLPARENT};
    case ControlKind::kPushButton:
      return {"BUTTON", kChild | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0};
    case ControlKind::kDropDownList:
      return {"COMBOBOX", kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
    case ControlKind::kLabel:
      return {"STATIC", kChild | SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX, 0};
    case ControlKind::kCheckBox:
      return {"BUTTON", kChild | WS_TABSTOP | BS_AUTOCHECKBOX | BS_LEFT | BS_VCENTER | BS_MULTILINE, 0};
    case ControlKind::kRadioButton:
      return {"BUTTON", kChild | WS_TABSTOP | BS_AUTORADIOBUTTON | BS_LEFT | BS_VCENTER, 0};
    case ControlKind::kListView:
      return {WC_LISTVIEWA, kChild | WS_TABSTOP | LVS_LIST | LVS_SINGLESEL, 0};
    case ControlKind::kStatusBar:
      return {STATUSCLASSNAMEA, kChild, 0};
  }
  return {"STATIC", kChild, 0};
}

void AddListItems(HWND list, std::span<const ListItem> items, int selected) {
  for (const ListItem& item : items) {
    const LRESULT index = SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.text));
    if (item.data != 0) SendMessageA(list, CB_SETITEMDATA, static_cast<WPARAM>(index), item.data);
  }
  SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
  // Each row of the opened list is one pixel taller than the font's own row.
  const LRESULT row_height = SendMessageA(list, CB_GETITEMHEIGHT, 0, 0);
  if (row_height > 0) SendMessageA(list, CB_SETITEMHEIGHT, 0, row_height + 1);
}

void Prepare(HWND control, const ControlRow& row) {
  switch (row.kind) {
    case ControlKind::kEdit:
      SendMessageA(control, EM_SETLIMITTEXT, 0, 0);  // 0: as long as the system allows
      break;
    case ControlKind::kDropDownList:
      if (row.id == ControlId::组合框_单线内存) AddListItems(control, ChunkSizeItems(), kChunkSizeStartIndex);
      if (row.id == ControlId::组合框_最大线程组) AddListItems(control, ThreadCountItems(), kThreadCountStartIndex);
      break;
    case ControlKind::kRadioButton:
      if (row.id == ControlId::单选框_文本) SendMessageA(control, BM_SETCHECK, BST_CHECKED, 0);
      break;
    case ControlKind::kListView:
      // The standard tip shows a row's whole text when it does not fit.
      SendMessageA(control, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_INFOTIP, LVS_EX_INFOTIP);
      break;
    case ControlKind::kStatusBar: {
      // The bar's part 0 runs to 450 pixels, beyond the window's width, so part 1 is never seen.
      const int edges[] = {kStatusPart0Right, -1};
      SendMessageA(control, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(edges));
      break;
    }
    default:
      break;
  }
}

}  // namespace

HWND CreateControl(const ControlRow& row, HWND parent, HINSTANCE instance) {
  const KindTraits traits = TraitsOf(row.kind);
  const HWND control = CreateWindowExA(traits.ex_style | row.ex_style, traits.window_class, row.text,
                                       traits.style | row.style, row.x, row.y, row.width, row.height, parent,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance, nullptr);
  if (control == nullptr) return nullptr;
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  Prepare(control, row);
  return control;
}

}  // namespace vantrel::ui
