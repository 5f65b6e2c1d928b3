#pragma once
// Reaching the controls of a running program's main window from outside it, by their ids.

#include <windows.h>

#include "control_table.h"

namespace vantrel::testing {

// The main window's control with that id, or null.
HWND FindProgramControl(HWND main, ui::ControlId id);

}  // namespace vantrel::testing
