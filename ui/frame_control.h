#pragma once
// The frame: a child window that paints itself white with a one-pixel FrameGreen outline and
// holds controls. Its controls report to it, so it hands their notifications and colour
// questions on to the main window, where the handlers are.

#include <windows.h>

namespace vantrel::ui {

inline constexpr char kFrameClassName[] = "VantrelFrame";

// Idempotent; false when the class can be neither registered nor found.
bool RegisterFrameClass(HINSTANCE instance);

// Paints a frame's own area (not its controls) into dc: white inside, the outline on its edge.
void PaintFrame(HWND frame, HDC dc);

}  // namespace vantrel::ui
