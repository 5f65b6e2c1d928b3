#pragma once
// Makes one control from its row of the control table.

#include <windows.h>

#include "control_table.h"

namespace vantrel::ui {

// The control as a child of parent, with the default GUI font and its start items; null
// when Windows refuses it.
HWND CreateControl(const ControlRow& row, HWND parent, HINSTANCE instance);

}  // namespace vantrel::ui
