// The real folder-browse dialog, answered by a helper thread as a user would answer it.

#include <gtest/gtest.h>
#include <windows.h>
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
      SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(folder->c_str()));
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
