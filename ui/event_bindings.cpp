#include "event_bindings.h"

#include <windows.h>
// commctrl.h needs the types of windows.h first.
#include <commctrl.h>

#include "control_table.h"
#include "find_handler.h"
#include "main_window.h"
#include "result_menu.h"
#include "settings_handlers.h"

namespace vantrel::ui {
namespace {

LRESULT CALLBACK PatternBoxProc(HWND box, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR subclass_id,
                                DWORD_PTR window) {
  // Real input never reaches a disabled box; a message sent to it directly must not either.
  if (message == WM_LBUTTONDOWN && IsWindowEnabled(box)) {
    MainWindow& main_window = *reinterpret_cast<MainWindow*>(window);
    if (box == main_window.Control(ControlId::文本查找框)) OnTextBoxPressed(main_window);
    if (box == main_window.Control(ControlId::进制查找框)) OnHexBoxPressed(main_window);
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(box, PatternBoxProc, subclass_id);
  }
  return DefSubclassProc(box, message, wparam, lparam);
}

LRESULT CALLBACK ResultListProc(HWND list, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR subclass_id,
                                DWORD_PTR window) {
  if (message == WM_RBUTTONDOWN) {
    OnResultRightPressed(*reinterpret_cast<MainWindow*>(window));
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(list, ResultListProc, subclass_id);
  }
  return DefSubclassProc(list, message, wparam, lparam);
}

}  // namespace

void RaiseClicked(MainWindow& window, int control_id) {
  switch (static_cast<ControlId>(control_id)) {
    case ControlId::按钮_目录: OnBrowseClicked(window); break;
    case ControlId::选择框_含子目录: OnSubfoldersClicked(window); break;
    case ControlId::按钮_停止: OnStopClicked(window); break;
    case ControlId::按钮_查找: OnFindClicked(window); break;
    case ControlId::单选框_16进制: OnHexModeClicked(window); break;
    case ControlId::单选框_文本: OnTextModeClicked(window); break;
    default: break;
  }
}

void RaiseMenuCommand(MainWindow& window, int command_id) {
  switch (static_cast<MenuCommand>(command_id)) {
    case MenuCommand::kOpenFile: OnOpenFileSelected(window); break;
    case MenuCommand::kEditFile: OnEditFileSelected(window); break;
    case MenuCommand::kOpenFolder: OnOpenFolderSelected(window); break;
  }
}

void RaiseListNotification(MainWindow& window, const NMHDR& header) {
  // NM_CLICK comes after the list has updated its selection, on a row or on empty space.
  if (header.code == static_cast<UINT>(NM_CLICK)) OnResultClicked(window);
}

void HookPressEvents(MainWindow& window) {
  const auto data = reinterpret_cast<DWORD_PTR>(&window);
  SetWindowSubclass(window.Control(ControlId::文本查找框), PatternBoxProc, 1, data);
  SetWindowSubclass(window.Control(ControlId::进制查找框), PatternBoxProc, 1, data);
  SetWindowSubclass(window.Control(ControlId::超级列表框_结果列表), ResultListProc, 1, data);
}

}  // namespace vantrel::ui
