#pragma once
// The real main window, created in the test's own thread as the program creates it, and
// driven by window messages. Everything is read back from the real controls.

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "control_table.h"
#include "main_window.h"
#include "recording_shell.h"
#include "temp_tree.h"

namespace vantrel::testing {

using ui::ControlId;

// A window's pixels, drawn by the window itself through WM_PRINT.
class Snapshot {
 public:
  explicit Snapshot(HWND window);
  COLORREF At(int x, int y) const;
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<uint32_t> pixels_;  // 0x00RRGGBB, top-down
};

// Throws away every queued message, WM_QUIT included, so that one test's leftovers never
// reach the next.
void DiscardQueuedMessages();

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  HWND Main() const { return window->Handle(); }
  HWND Control(ControlId id) const { return window->Control(id); }

  // What the user does.
  void Click(ControlId id) { SendMessageA(Control(id), BM_CLICK, 0, 0); }
  void Type(ControlId id, const Text& text) { SendMessageA(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())); }
  void PressLeft(ControlId id);
  void ClickList(POINT at);        // left button down and up at a point of the list
  void RightPressList(POINT at);   // right button down and up at a point of the list
  POINT RowPoint(int row) const;
  POINT EmptyListPoint() const;    // inside the list, right of and below every row
  void PressKey(HWND focus, WPARAM key);  // through the program's own message handling
  void Pump();
  // Fills in the folder and the text pattern, then presses 查找; the whole search runs
  // inside the click.
  void FindText(const Text& folder, const Text& pattern);

  // What the user sees.
  Text StatusText(int part) const;
  std::vector<Text> Rows() const;       // in list order
  std::vector<Text> SortedRows() const;
  int SelectedRow() const;
  Text WindowText(ControlId id) const;
  bool IsEnabled(ControlId id) const { return IsWindowEnabled(Control(id)) != FALSE; }
  bool IsChecked(ControlId id) const { return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  // A pattern box's background: the colour of a pixel it paints where it has no text.
  COLORREF BoxBackground(ControlId box) const;
  // Checks the mode pair: the radio buttons, and which pattern box is enabled and white
  // while the other is disabled and grey. `when` names the moment in a failure.
  void ExpectMode(bool text_mode, const char* when) const;

  RecordingShell shell;
  TempTree tree;
  std::unique_ptr<ui::MainWindow> window;
};

}  // namespace vantrel::testing
