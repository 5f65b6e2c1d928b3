#include "settings_handlers.h"

#include "main_window.h"
#include "search_globals.h"
#include "shell_seam.h"
#include "ui_colours.h"
#include "ui_texts.h"

namespace vantrel::ui {
namespace {

void ShowMode(MainWindow& window, ControlId in_use, ControlId not_in_use, const char* hint) {
  window.SetEnabled(in_use, true);
  window.SetEnabled(not_in_use, false);
  window.SetBoxBackground(in_use, kWhite);
  window.SetBoxBackground(not_in_use, kInactiveGrey);
  window.SetPartText(0, hint);
}

}  // namespace

void OnTextBoxPressed(MainWindow& window) { window.SetPartText(0, kTextBoxHint); }

void OnHexBoxPressed(MainWindow& window) { window.SetPartText(0, kHexBoxHint); }

void OnTextModeClicked(MainWindow& window) {
  ShowMode(window, ControlId::文本查找框, ControlId::进制查找框, kTextModeHint);
}

void OnHexModeClicked(MainWindow& window) {
  ShowMode(window, ControlId::进制查找框, ControlId::文本查找框, kHexModeHint);
}

// The same warning whether the box was just ticked or cleared.
void OnSubfoldersClicked(MainWindow& window) { window.SetPartText(0, kSubfolderHint); }

// The folder box is the one source of the folder searched: browsing only fills it in. A
// cancelled dialog, or an item without a file-system path, changes nothing.
void OnBrowseClicked(MainWindow& window) {
  const Text folder = window.DesktopShell().BrowseFolder(window.Handle(), kBrowseTitle);
  if (folder.empty()) return;
  window.SetText(ControlId::编辑框_目录路径, folder);
  window.SetPartText(0, WithTrailingBackslash(folder));
}

// The drivers test the flag and clear it when they act on it.
void OnStopClicked(MainWindow&) { StopRequested = 1; }

// A click that leaves no row selected empties part 0.
void OnResultClicked(MainWindow& window) { window.SetPartText(0, window.RowText(window.SelectedRow())); }

void OnResultRightPressed(MainWindow& window) { window.ShowResultMenu(); }

}  // namespace vantrel::ui
