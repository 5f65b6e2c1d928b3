// Drives a running Vantrel.exe from outside, as `./dev.sh run` does for its screenshot:
//
//   window_driver <folder> <pattern>   waits for the window, searches the folder's tree for
//                                      the text, then prints "X Y W H" (the window's place on
//                                      the screen)
//   window_driver                      only waits for the window and prints its place
//   window_driver --close              closes the window
//
// Exit code 0 on success, 1 when no window turned up within a minute.

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "control_table.h"
#include "main_window.h"
#include "program_controls.h"

namespace {

using vantrel::testing::FindProgramControl;
using vantrel::ui::ControlId;

HWND WaitForMainWindow() {
  for (int attempt = 0; attempt < 600; ++attempt) {
    if (const HWND main = FindWindowA(vantrel::ui::kMainWindowClassName, nullptr)) {
      if (IsWindowVisible(main)) return main;
    }
    Sleep(100);
  }
  return nullptr;
}


void Demo(HWND main, const char* folder, const char* pattern) {
  SendMessageA(FindProgramControl(main, ControlId::编辑框_目录路径), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder));
  SendMessageA(FindProgramControl(main, ControlId::文本查找框), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(pattern));
  // A real click on the check box, so the window also shows its hint for a moment.
  SendMessageA(FindProgramControl(main, ControlId::选择框_含子目录), BM_CLICK, 0, 0);
  DWORD_PTR ignored = 0;
  // The whole search runs inside the click.
  SendMessageTimeoutA(FindProgramControl(main, ControlId::按钮_查找), BM_CLICK, 0, 0, SMTO_NORMAL, 60000, &ignored);
}

}  // namespace

int main(int argc, char** argv) {
  const HWND main = WaitForMainWindow();
  if (main == nullptr) {
    std::fprintf(stderr, "window_driver: no Vantrel window appeared\n");
    return 1;
  }
  if (argc == 2 && std::strcmp(argv[1], "--close") == 0) {
    PostMessageA(main, WM_CLOSE, 0, 0);
    return 0;
  }
  if (argc == 3) Demo(main, argv[1], argv[2]);
  Sleep(500);  // let the window finish painting before it is photographed
  RECT bounds{};
  GetWindowRect(main, &bounds);
  std::printf("%ld %ld %ld %ld\n", bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
  return 0;
}
