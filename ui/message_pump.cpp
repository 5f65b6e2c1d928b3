#include "message_pump.h"

namespace vantrel::ui {

void DispatchForWindow(HWND window, MSG& message) {
  // IsDialogMessage dispatches every message of the window's own controls itself.
  if (window != nullptr && IsWindow(window) && IsDialogMessageA(window, &message)) return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

void PumpPendingMessages(HWND window) {
  MSG message{};
  while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
    if (message.message == WM_QUIT) return;
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return;
    if (message.message == WM_QUIT) {
      // Posted between the two looks: put it back for the loop.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    DispatchForWindow(window, message);
  }
}

int RunMessageLoop(HWND window) {
  MSG message{};
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchForWindow(window, message);
  return static_cast<int>(message.wParam);
}

}  // namespace vantrel::ui
