#include "frame_control.h"

#include "ui_colours.h"
#include "ui_handles.h"

namespace vantrel::ui {
namespace {

bool IsForwarded(UINT message) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      return true;
    default:
      return false;
  }
}

LRESULT CALLBACK FrameProc(HWND frame, UINT message, WPARAM wparam, LPARAM lparam) {
  if (IsForwarded(message)) {
    // A control sends these to its parent; the frame is only where it sits.
    if (const HWND owner = GetParent(frame)) return SendMessageA(owner, message, wparam, lparam);
    return 0;
  }
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel, so erasing first would only flicker
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      const HDC dc = BeginPaint(frame, &paint);
      PaintFrame(frame, dc);
      EndPaint(frame, &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      PaintFrame(frame, reinterpret_cast<HDC>(wparam));
      return 0;
    default:
      return DefWindowProcA(frame, message, wparam, lparam);
  }
}

}  // namespace

bool RegisterFrameClass(HINSTANCE instance) {
  WNDCLASSEXA frame_class{};
  if (GetClassInfoExA(instance, kFrameClassName, &frame_class)) return true;
  frame_class.cbSize = sizeof(frame_class);
  frame_class.lpfnWndProc = FrameProc;
  frame_class.hInstance = instance;
  frame_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  frame_class.lpszClassName = kFrameClassName;
  return RegisterClassExA(&frame_class) != 0;
}

void PaintFrame(HWND frame, HDC dc) {
  RECT area{};
  GetClientRect(frame, &area);
  const UniqueGdiObject white(CreateSolidBrush(kWhite));
  const UniqueGdiObject green(CreateSolidBrush(kFrameGreen));
  FillRect(dc, &area, static_cast<HBRUSH>(white.Get()));
  FrameRect(dc, &area, static_cast<HBRUSH>(green.Get()));
}

}  // namespace vantrel::ui
