// The real folder-browse dialog, answered by a helper thread as a user would answer it.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <atomic>
#include <string>
#include <thread>

#include "shell_seam.h"
#include "temp_tree.h"

namespace vantrel::testing {
namespace {

struct DialogSeen {
  bool title_shown = false;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
  char class_name[16] = {};
  GetClassNameA(window, class_name, sizeof(class_name));
  if (std::string(class_name) != "#32770" || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

BOOL CALLBACK InspectChild(HWND child, LPARAM raw) {
  auto& seen = *reinterpret_cast<DialogSeen*>(raw);
  char text[128] = {};
  GetWindowTextA(child, text, sizeof(text));
  if (std::string(text) == "Please choose a catalogue") seen.title_shown = true;
  return TRUE;
}

Text LastName(Text path) {
  if (path.ends_with("\\")) path.pop_back();
  return path.substr(path.rfind('\\') + 1);
}

// The text of the tree's selected item, as the dialog shows it.
Text SelectedTreeItem(HWND dialog) {
  const HWND tree = FindWindowExA(dialog, nullptr, WC_TREEVIEWA, nullptr);
  const auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  if (tree == nullptr || item == nullptr) return Text();
  char text[MAX_PATH] = {};
  TVITEMA query{};
  query.mask = TVIF_TEXT;
  query.hItem = item;
  query.pszText = text;
  query.cchTextMax = sizeof(text);
  SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query));
  return text;
}

// Wine's dialog shows no edit field for BIF_EDITBOX, so only the title is looked for.
// Waits for the dialog on the given thread, notes what it shows, then answers it: with the
// folder selected and OK, or with Cancel when no folder is given.
std::thread AnswerDialog(DWORD dialog_thread, const Text* folder, DialogSeen& seen) {
  return std::thread([=, &seen] {
    HWND dialog = nullptr;
    while (dialog == nullptr) {
      EnumThreadWindows(dialog_thread, FindDialog, reinterpret_cast<LPARAM>(&dialog));
      if (dialog == nullptr) Sleep(10);
    }
    EnumChildWindows(dialog, InspectChild, reinterpret_cast<LPARAM>(&seen));
    if (folder != nullptr) {
      // The dialog may still be filling its tree: select until the tree shows the folder.
      while (SelectedTreeItem(dialog) != LastName(*folder)) {
        SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(folder->c_str()));
        Sleep(10);
      }
      PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    } else {
      PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
  });
}

TEST(SystemShellTest, BrowseGivesThePickedFoldersPathWithoutABackslash) {
  TempTree tree;
  const Text folder = tree.AddFolder("picked");
  DialogSeen seen;
  std::thread answer = AnswerDialog(GetCurrentThreadId(), &folder, seen);
  const Text picked = ui::SystemShell().BrowseFolder(nullptr, "Please choose a catalogue");
  answer.join();
  Text expected = folder;
  if (expected.ends_with("\\")) expected.pop_back();
  EXPECT_EQ(picked, expected);
  EXPECT_TRUE(seen.title_shown);
}

TEST(SystemShellTest, ACancelledBrowseGivesAnEmptyText) {
  DialogSeen seen;
  std::thread answer = AnswerDialog(GetCurrentThreadId(), nullptr, seen);
  EXPECT_EQ(ui::SystemShell().BrowseFolder(nullptr, "Please choose a catalogue"), "");
  answer.join();
}

}  // namespace
}  // namespace vantrel::testing
