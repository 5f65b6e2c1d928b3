#pragma once
// How the main thread handles its messages, in the message loop and inside a search's waits
// alike: the dialog keys (Tab, Esc, Enter) go through IsDialogMessage for the main window.

#include <windows.h>

namespace vantrel::ui {

// Handles one message taken from the queue.
void DispatchForWindow(HWND window, MSG& message);

// Handles every pending message and returns. A pending quit message stops it and stays
// queued, for the message loop to end on.
void PumpPendingMessages(HWND window);

// Runs until the quit message arrives; returns its exit value.
int RunMessageLoop(HWND window);

}  // namespace vantrel::ui
