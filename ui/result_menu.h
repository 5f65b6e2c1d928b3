#pragma once
// The result list's pop-up menu "操作" and its three commands, which hand the selected row's
// file, or the folder holding it, to the shell.

#include "ansi_text.h"
#include "ui_handles.h"

namespace vantrel::ui {

class MainWindow;

// A hidden top-level menu whose one pop-up, "操作", holds the three commands.
UniqueMenu CreateResultMenuBar();

// A row is the file's path relative to the searched folder, which ends in a backslash.
Text FilePathForRow(const Text& folder, const Text& row);
// The folder plus the row up to its last backslash; only a backslash that starts a character
// counts, never the second byte of a double-byte one.
Text FolderPathForRow(const Text& folder, const Text& row);

// Each does nothing while no row is selected.
void OnOpenFileSelected(MainWindow& window);
void OnEditFileSelected(MainWindow& window);
void OnOpenFolderSelected(MainWindow& window);

}  // namespace vantrel::ui
