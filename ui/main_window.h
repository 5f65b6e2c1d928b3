#pragma once
// The program's one window: its controls, the events they raise and the operations the rest
// of the program performs on them. It holds no logic of its own; the handlers do.

#include <windows.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

#include "ansi_text.h"
#include "control_table.h"
#include "ui_handles.h"
#include "window_host.h"

namespace vantrel::ui {

class Shell;

inline constexpr char kMainWindowClassName[] = "VantrelMainWindow";
inline constexpr int kWindowWidth = 353;
inline constexpr int kWindowHeight = 411;

// The pop-up menu's commands, as WM_COMMAND ids.
enum class MenuCommand : int { kOpenFile = 101, kEditFile, kOpenFolder };

class MainWindow {
 public:
  using CreatedHandler = std::function<void(MainWindow&)>;

  // Creates the window centred on the primary screen with every control in its start state,
  // runs on_created once, then shows it. Null when the window cannot be created.
  static std::unique_ptr<MainWindow> Create(HINSTANCE instance, Shell& shell, const CreatedHandler& on_created);

  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Null once the window has been destroyed.
  HWND Handle() const { return handle_.load(); }
  HWND Control(ControlId id) const;
  Shell& DesktopShell() { return shell_; }
  SearchHost& Host() { return host_; }

  // The operations on the controls; all on the main thread unless said otherwise.
  void SetEnabled(ControlId id, bool enabled);
  void SetBoxBackground(ControlId box, COLORREF colour);
  Text ReadText(ControlId id) const;
  void SetText(ControlId id, const Text& text);
  bool IsChecked(ControlId id) const;
  int32_t SelectedIndex(ControlId list) const;
  void SetPartText(int32_t part, const Text& text);  // a part outside 0 to 1 changes nothing
  int32_t SelectedRow() const;                        // -1 when no row is selected
  Text RowText(int32_t row) const;                    // empty for a row that does not exist
  int32_t CountRows() const;
  int32_t AppendRow(const Text& text);
  // From any thread: carried out on the main thread while the caller waits; does nothing
  // once the window is gone.
  void AppendRowFromAnyThread(const Text& text);
  void ClearRows();
  void ShowResultMenu();
  HMENU ResultMenu() const;

  // A search runs inside the find handler; closing the window meanwhile is deferred to its end.
  void BeginSearch();
  void EndSearch();

 private:
  // A pattern box's background, kept whether the box is enabled or disabled.
  struct BoxBackground {
    ControlId id{};
    COLORREF colour = 0;
    UniqueGdiObject brush;
  };

  MainWindow(HINSTANCE instance, Shell& shell);
  static LRESULT CALLBACK WindowProc(HWND handle, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  bool CreateControls();
  void OnCloseRequested();
  LRESULT ColourFor(HWND control, HDC dc);

  HINSTANCE instance_;
  Shell& shell_;
  WindowHost host_;
  // Atomic: a worker reads it to carry its row over, while the main thread may clear it.
  std::atomic<HWND> handle_{nullptr};
  std::array<HWND, kControlCount> controls_{};
  UniqueMenu menu_bar_;
  std::array<BoxBackground, 2> box_backgrounds_;
  bool searching_ = false;
  bool close_pending_ = false;
};

}  // namespace vantrel::ui
