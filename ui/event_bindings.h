#pragma once
// Which handler each control event runs: the bound events of the window's controls.

#include <windows.h>

namespace vantrel::ui {

class MainWindow;

// A click reported by a push button, the check box or a radio button.
void RaiseClicked(MainWindow& window, int control_id);
// A command chosen in the pop-up menu, after the menu has closed.
void RaiseMenuCommand(MainWindow& window, int command_id);
// A notification of the result list.
void RaiseListNotification(MainWindow& window, const NMHDR& header);

// The two pattern boxes raise their left press, and the result list its right press, before
// the control itself handles the press; a disabled box raises nothing.
void HookPressEvents(MainWindow& window);

}  // namespace vantrel::ui
