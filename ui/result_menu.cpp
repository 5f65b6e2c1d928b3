#include "result_menu.h"

#include "main_window.h"
#include "search_globals.h"
#include "shell_seam.h"
#include "ui_texts.h"

namespace vantrel::ui {
namespace {

using PathForRow = Text (*)(const Text& folder, const Text& row);

void ExecuteOnSelectedRow(MainWindow& window, const char* verb, PathForRow path_for_row) {
  const int32_t row = window.SelectedRow();
  if (row < 0) return;
  window.DesktopShell().Execute(verb, path_for_row(SearchFolder, window.RowText(row)));
}

void AddItem(HMENU menu, MenuCommand command, const char* text) {
  AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(command), text);
}

}  // namespace

UniqueMenu CreateResultMenuBar() {
  UniqueMenu bar(CreateMenu());
  const HMENU popup = CreatePopupMenu();
  if (!bar || popup == nullptr) {
    if (popup != nullptr) DestroyMenu(popup);
    return UniqueMenu();
  }
  AddItem(popup, MenuCommand::kOpenFile, kOpenFileItem);
  AddItem(popup, MenuCommand::kEditFile, kEditFileItem);
  AddItem(popup, MenuCommand::kOpenFolder, kOpenFolderItem);
  // From here the bar owns the pop-up and destroys it with itself.
  AppendMenuA(bar.Get(), MF_POPUP, reinterpret_cast<UINT_PTR>(popup), kResultMenuCaption);
  return bar;
}

Text FilePathForRow(const Text& folder, const Text& row) { return folder + row; }

Text FolderPathForRow(const Text& folder, const Text& row) {
  const std::size_t last = FindLastBackslash(row);
  return last == kNotFound ? folder : folder + row.substr(0, last + 1);
}

void OnOpenFileSelected(MainWindow& window) { ExecuteOnSelectedRow(window, nullptr, FilePathForRow); }

void OnEditFileSelected(MainWindow& window) { ExecuteOnSelectedRow(window, "edit", FilePathForRow); }

void OnOpenFolderSelected(MainWindow& window) { ExecuteOnSelectedRow(window, "explore", FolderPathForRow); }

}  // namespace vantrel::ui
