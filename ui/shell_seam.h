#pragma once
// What the window asks of the desktop that either waits on the user (the folder dialog, the
// pop-up menu) or starts another program (the shell's open, edit and explore). Tests put a
// recorder here, so that nothing modal opens and nothing is launched.

#include <windows.h>

#include "ansi_text.h"

namespace vantrel::ui {

class Shell {
 public:
  virtual ~Shell() = default;

  // The shell's folder-browse dialog, modal to the whole program. The picked item's
  // file-system path, or an empty text when the dialog is cancelled or the item has none.
  virtual Text BrowseFolder(HWND owner, const Text& title) = 0;

  // ShellExecuteA with no owner window; verb null means the type's default verb.
  virtual void Execute(const char* verb, const Text& path) = 0;

  // Shows the pop-up menu with its top-left corner at a screen point and returns when it
  // closes; a chosen item reaches owner as WM_COMMAND afterwards.
  virtual void TrackMenu(HMENU menu, HWND owner, POINT at) = 0;
};

// The real desktop.
Shell& SystemShell();

}  // namespace vantrel::ui
