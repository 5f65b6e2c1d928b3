#include "main_window.h"

#include <windows.h>
// commctrl.h needs the types of windows.h first.
#include <commctrl.h>

#include "control_factory.h"
#include "event_bindings.h"
#include "frame_control.h"
#include "result_menu.h"
#include "search_globals.h"
#include "ui_colours.h"
#include "ui_texts.h"

namespace vantrel::ui {
namespace {

// A worker's row, carried to the main thread by SendMessage; lParam points at the Text.
constexpr UINT kAppendRowMessage = WM_APP + 1;

// A fixed frame with a caption, a system menu and a minimise box, but no maximise box.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr int kProgramIconId = 1;

bool RegisterMainClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXA main_class{};
  if (GetClassInfoExA(instance, kMainWindowClassName, &main_class)) return true;
  main_class.cbSize = sizeof(main_class);
  main_class.lpfnWndProc = procedure;
  main_class.hInstance = instance;
  main_class.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(kProgramIconId));
  main_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  main_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  main_class.lpszClassName = kMainWindowClassName;
  return RegisterClassExA(&main_class) != 0;
}

}  // namespace

std::unique_ptr<MainWindow> MainWindow::Create(HINSTANCE instance, Shell& shell, const CreatedHandler& on_created) {
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&classes);
  if (!RegisterFrameClass(instance) || !RegisterMainClass(instance, WindowProc)) return nullptr;

  std::unique_ptr<MainWindow> window(new MainWindow(instance, shell));
  const int left = (GetSystemMetrics(SM_CXSCREEN) - kWindowWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kWindowHeight) / 2;
  const HWND handle = CreateWindowExA(0, kMainWindowClassName, kCaption, kWindowStyle, left, top, kWindowWidth,
                                      kWindowHeight, nullptr, nullptr, instance, window.get());
  if (handle == nullptr) return nullptr;
  // Before the window is shown, so no user input can come first.
  if (on_created) on_created(*window);
  ShowWindow(handle, SW_SHOWNORMAL);
  UpdateWindow(handle);
  return window;
}

MainWindow::MainWindow(HINSTANCE instance, Shell& shell)
    : instance_(instance), shell_(shell), host_(*this), menu_bar_(CreateResultMenuBar()) {
  box_backgrounds_[0] = {ControlId::文本查找框, kWhite, UniqueGdiObject(CreateSolidBrush(kWhite))};
  box_backgrounds_[1] = {ControlId::进制查找框, kInactiveGrey, UniqueGdiObject(CreateSolidBrush(kInactiveGrey))};
}

MainWindow::~MainWindow() {
  if (const HWND handle = Handle()) DestroyWindow(handle);
}

HWND MainWindow::Control(ControlId id) const {
  const int index = TableIndex(id);
  return index >= 0 && index < kControlCount ? controls_[static_cast<std::size_t>(index)] : nullptr;
}

LRESULT CALLBACK MainWindow::WindowProc(HWND handle, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
    SetWindowLongPtrA(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->handle_ = handle;
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(handle, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcA(handle, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    // From here on the operations find no window and do nothing.
    SetWindowLongPtrA(handle, GWLP_USERDATA, 0);
    self->handle_ = nullptr;
    self->controls_.fill(nullptr);
    return DefWindowProcA(handle, message, wparam, lparam);
  }
  return self->HandleMessage(message, wparam, lparam);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  const HWND handle = Handle();
  switch (message) {
    case WM_CREATE:
      return CreateControls() ? 0 : -1;
    case WM_COMMAND:
      if (lparam != 0) {
        if (HIWORD(wparam) == BN_CLICKED && IsWindowEnabled(reinterpret_cast<HWND>(lparam))) {
          RaiseClicked(*this, LOWORD(wparam));
        }
      } else if (LOWORD(wparam) == IDCANCEL) {
        OnCloseRequested();  // Esc, from whichever control has the focus
      } else if (HIWORD(wparam) == 0) {
        RaiseMenuCommand(*this, LOWORD(wparam));
      }
      return 0;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lparam);
      if (header.hwndFrom == Control(ControlId::超级列表框_结果列表)) RaiseListNotification(*this, header);
      return 0;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      return ColourFor(reinterpret_cast<HWND>(lparam), reinterpret_cast<HDC>(wparam));
    case WM_SIZE:
      SendMessageA(Control(ControlId::状态条1), WM_SIZE, 0, 0);  // the bar docks itself
      return 0;
    case kAppendRowMessage:
      return AppendRow(*reinterpret_cast<const Text*>(lparam));
    case WM_CLOSE:
      OnCloseRequested();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(handle, message, wparam, lparam);
  }
}

void MainWindow::AppendRowFromAnyThread(const Text& text) {
  // SendMessage from the main thread itself is a plain call; from a worker it waits until
  // the main thread handles its messages. To a window that is gone it returns at once.
  if (const HWND handle = Handle()) SendMessageA(handle, kAppendRowMessage, 0, reinterpret_cast<LPARAM>(&text));
}

bool MainWindow::CreateControls() {
  const HWND handle = Handle();
  // Window-level controls first, in table order, then the frames' controls in table order:
  // each container's children then stack in the table's order.
  for (const bool in_frames : {false, true}) {
    for (const ControlRow& row : ControlTable()) {
      if ((row.container != kMainWindow) != in_frames) continue;
      const HWND parent = in_frames ? Control(row.container) : handle;
      const HWND control = CreateControl(row, parent, instance_);
      if (control == nullptr) return false;
      controls_[static_cast<std::size_t>(TableIndex(row.id))] = control;
    }
  }
  HookPressEvents(*this);
  return true;
}

void MainWindow::OnCloseRequested() {
  if (searching_) {
    // The drivers stop at their next test; the window goes when the search has returned,
    // so nothing writes to a control that no longer exists.
    StopRequested = 1;
    close_pending_ = true;
    return;
  }
  if (const HWND handle = Handle()) DestroyWindow(handle);
}

void MainWindow::BeginSearch() { searching_ = true; }

void MainWindow::EndSearch() {
  searching_ = false;
  if (close_pending_) {
    close_pending_ = false;
    OnCloseRequested();
  }
}

LRESULT MainWindow::ColourFor(HWND control, HDC dc) {
  const auto id = static_cast<ControlId>(GetDlgCtrlID(control));
  SetTextColor(dc, kBlack);
  for (const BoxBackground& box : box_backgrounds_) {
    if (box.id == id && control == Control(id)) {
      SetBkColor(dc, box.colour);
      return reinterpret_cast<LRESULT>(box.brush.Get());
    }
  }
  // The two frame captions lie on the window itself; everything else sits on a white frame.
  if (id == ControlId::标签1 || id == ControlId::标签4) {
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
  }
  SetBkColor(dc, kWhite);
  return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

}  // namespace vantrel::ui
