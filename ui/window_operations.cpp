// The operations on the window's controls: each reads or changes one control, and does
// nothing (or reads as empty) once the window is gone.

#include <windows.h>
// commctrl.h needs the types of windows.h first.
#include <commctrl.h>

#include <vector>

#include "main_window.h"
#include "shell_seam.h"

namespace vantrel::ui {

void MainWindow::SetEnabled(ControlId id, bool enabled) {
  if (const HWND control = Control(id)) EnableWindow(control, enabled ? TRUE : FALSE);
}

void MainWindow::SetBoxBackground(ControlId box, COLORREF colour) {
  for (BoxBackground& background : box_backgrounds_) {
    if (background.id != box || background.colour == colour) continue;
    background.colour = colour;
    background.brush.Reset(CreateSolidBrush(colour));
    if (const HWND control = Control(box)) InvalidateRect(control, nullptr, TRUE);
  }
}

Text MainWindow::ReadText(ControlId id) const {
  const HWND control = Control(id);
  if (control == nullptr) return Text();
  const int length = GetWindowTextLengthA(control);
  if (length <= 0) return Text();
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
  const int copied = GetWindowTextA(control, buffer.data(), length + 1);
  return Text(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

void MainWindow::SetText(ControlId id, const Text& text) {
  if (const HWND control = Control(id)) SetWindowTextA(control, text.c_str());
}

bool MainWindow::IsChecked(ControlId id) const {
  const HWND control = Control(id);
  return control != nullptr && SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int32_t MainWindow::SelectedIndex(ControlId list) const {
  const HWND control = Control(list);
  return control == nullptr ? -1 : static_cast<int32_t>(SendMessageA(control, CB_GETCURSEL, 0, 0));
}

void MainWindow::SetPartText(int32_t part, const Text& text) {
  const HWND bar = Control(ControlId::状态条1);
  if (bar == nullptr || part < 0 || part > 1) return;
  // The high byte of wParam is the drawing type; 0 keeps the part's sunken border.
  SendMessageA(bar, SB_SETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text.c_str()));
}

int32_t MainWindow::SelectedRow() const {
  const HWND list = Control(ControlId::超级列表框_结果列表);
  if (list == nullptr) return -1;
  return static_cast<int32_t>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

Text MainWindow::RowText(int32_t row) const {
  if (row < 0 || row >= CountRows()) return Text();
  const HWND list = Control(ControlId::超级列表框_结果列表);
  // The list copies at most the buffer's size and says only how much it copied: grow until
  // the text is shorter than the room.
  for (std::size_t room = 512;; room *= 2) {
    std::vector<char> buffer(room);
    LVITEMA item{};
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(room);
    const auto copied = static_cast<std::size_t>(
        SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
    if (copied + 1 < room || room >= (1u << 20)) return Text(buffer.data(), copied < room ? copied : room - 1);
  }
}

int32_t MainWindow::CountRows() const {
  const HWND list = Control(ControlId::超级列表框_结果列表);
  return list == nullptr ? 0 : static_cast<int32_t>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
}

int32_t MainWindow::AppendRow(const Text& text) {
  const HWND list = Control(ControlId::超级列表框_结果列表);
  if (list == nullptr) return -1;
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = CountRows();
  item.pszText = const_cast<char*>(text.c_str());
  return static_cast<int32_t>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void MainWindow::ClearRows() {
  if (const HWND list = Control(ControlId::超级列表框_结果列表)) SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
}

HMENU MainWindow::ResultMenu() const { return GetSubMenu(menu_bar_.Get(), 0); }

void MainWindow::ShowResultMenu() {
  const HWND handle = Handle();
  POINT at{};
  if (handle == nullptr || !GetCursorPos(&at)) return;
  // Just off the pointer's hot spot, so the pointer does not rest on the first item.
  at.x += 3;
  at.y += 3;
  shell_.TrackMenu(ResultMenu(), handle, at);
}

}  // namespace vantrel::ui
