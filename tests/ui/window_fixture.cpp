#include "window_fixture.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "message_pump.h"
#include "search_globals.h"
#include "startup.h"
#include "ui_colours.h"

namespace vantrel::testing {

Snapshot::Snapshot(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  width_ = bounds.right - bounds.left;
  height_ = bounds.bottom - bounds.top;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ previous = SelectObject(memory, bitmap);
  PrintWindow(window, memory, 0);
  GdiFlush();
  const auto* first = static_cast<const uint32_t*>(bits);
  pixels_.assign(first, first + static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

COLORREF Snapshot::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  const uint32_t pixel = pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

void DiscardQueuedMessages() {
  MSG message{};
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
  }
}

void WindowTest::SetUp() {
  InitGlobals();
  StopRequested = 0;
  window = ui::MainWindow::Create(GetModuleHandleA(nullptr), shell, app::OnWindowCreated);
  ASSERT_TRUE(window) << "the main window could not be created";
  DiscardQueuedMessages();
}

void WindowTest::TearDown() {
  window.reset();
  DiscardQueuedMessages();
  FreeGlobals();
}

void WindowTest::PressLeft(ControlId id) {
  SendMessageA(Control(id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  SendMessageA(Control(id), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
}

// The list may follow a press with its own little message loop, waiting for the release, so
// the release is queued before the press is sent; whatever is left is then handled.
void WindowTest::ClickList(POINT at) {
  const HWND list = Control(ControlId::超级列表框_结果列表);
  PostMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  Pump();
}

void WindowTest::RightPressList(POINT at) {
  const HWND list = Control(ControlId::超级列表框_结果列表);
  PostMessageA(list, WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  SendMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y));
  Pump();
}

POINT WindowTest::RowPoint(int row) const {
  // In list mode a row is hit on its text, not across its whole column: aim at the text's start.
  RECT label{};
  label.left = LVIR_LABEL;
  SendMessageA(Control(ControlId::超级列表框_结果列表), LVM_GETITEMRECT, static_cast<WPARAM>(row),
               reinterpret_cast<LPARAM>(&label));
  return {label.left + 4, (label.top + label.bottom) / 2};
}

POINT WindowTest::EmptyListPoint() const {
  RECT client{};
  GetClientRect(Control(ControlId::超级列表框_结果列表), &client);
  return {client.right - 6, client.bottom - 6};
}

void WindowTest::PressKey(HWND focus, WPARAM key) {
  const UINT scan = MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
  PostMessageA(focus, WM_KEYDOWN, key, static_cast<LPARAM>(1 | (scan << 16)));
  PostMessageA(focus, WM_KEYUP, key, static_cast<LPARAM>(1 | (scan << 16) | (3u << 30)));
  Pump();
}

void WindowTest::Pump() { ui::PumpPendingMessages(Main()); }

void WindowTest::FindText(const Text& folder, const Text& pattern) {
  Type(ControlId::编辑框_目录路径, folder);
  Type(ControlId::文本查找框, pattern);
  Click(ControlId::按钮_查找);
}

Text WindowTest::StatusText(int part) const {
  const HWND bar = Control(ControlId::状态条1);
  // SB_GETTEXTA takes no buffer size, and the length it reports may count characters, not
  // bytes: leave room for two bytes a character.
  const auto length = LOWORD(SendMessageA(bar, SB_GETTEXTLENGTHA, static_cast<WPARAM>(part), 0));
  std::string text(2 * static_cast<std::size_t>(length) + 2, '\0');
  SendMessageA(bar, SB_GETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text.data()));
  text.resize(std::strlen(text.c_str()));
  return text;
}

std::vector<Text> WindowTest::Rows() const {
  const HWND list = Control(ControlId::超级列表框_结果列表);
  const auto count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  std::vector<Text> rows;
  for (int row = 0; row < count; ++row) {
    char buffer[1024] = {};
    LVITEMA item{};
    item.pszText = buffer;
    item.cchTextMax = sizeof(buffer);
    SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    rows.emplace_back(buffer);
  }
  return rows;
}

std::vector<Text> WindowTest::SortedRows() const {
  std::vector<Text> rows = Rows();
  std::sort(rows.begin(), rows.end());
  return rows;
}

int WindowTest::SelectedRow() const {
  return static_cast<int>(SendMessageA(Control(ControlId::超级列表框_结果列表), LVM_GETNEXTITEM,
                                       static_cast<WPARAM>(-1), LVNI_SELECTED));
}

Text WindowTest::WindowText(ControlId id) const {
  char buffer[1024] = {};
  GetWindowTextA(Control(id), buffer, sizeof(buffer));
  return buffer;
}

COLORREF WindowTest::BoxBackground(ControlId box) const {
  const Snapshot pixels(Control(box));
  return pixels.At(pixels.Width() - 4, pixels.Height() / 2);
}

void WindowTest::ExpectMode(bool text_mode, const char* when) const {
  const ControlId in_use = text_mode ? ControlId::文本查找框 : ControlId::进制查找框;
  const ControlId unused = text_mode ? ControlId::进制查找框 : ControlId::文本查找框;
  EXPECT_EQ(IsChecked(ControlId::单选框_文本), text_mode) << when;
  EXPECT_EQ(IsChecked(ControlId::单选框_16进制), !text_mode) << when;
  EXPECT_TRUE(IsEnabled(in_use)) << when;
  EXPECT_FALSE(IsEnabled(unused)) << when;
  EXPECT_EQ(BoxBackground(in_use), ui::kWhite) << when;
  EXPECT_EQ(BoxBackground(unused), ui::kInactiveGrey) << when;
}

}  // namespace vantrel::testing
