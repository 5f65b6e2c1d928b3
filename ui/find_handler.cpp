#include "find_handler.h"

#include "main_window.h"
#include "search_command.h"
#include "search_globals.h"
#include "ui_texts.h"

namespace vantrel::ui {

// The folder is read at each press, so the search looks where the window says it will; an
// empty box starts nothing and repeats the start hint. SearchFolder changes only here, so
// the menu commands always join the folder of the search that listed the rows.
void OnFindClicked(MainWindow& window) {
  const Text folder = TrimBlanks(window.ReadText(ControlId::编辑框_目录路径));
  if (folder.empty()) {
    window.SetPartText(0, kStartHint);
    return;
  }
  SearchFolder = WithTrailingBackslash(folder);
  window.BeginSearch();
  vantrel::OnFindClicked(window.Host());
  window.EndSearch();  // may destroy the window, when it was closed during the search
}

}  // namespace vantrel::ui
