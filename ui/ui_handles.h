#pragma once
// Owners for the window-side handles, on the engine's UniqueHandle: one owner each, copying
// deleted, closed by the function Windows pairs with their creation.

#include <windows.h>

#include "win_handle.h"

namespace vantrel::ui {

// Brushes, pens and fonts we create; stock objects and GetSysColorBrush results are never
// deleted, so they are never put in one of these.
struct GdiObjectTraits {
  using Handle = HGDIOBJ;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle handle) { DeleteObject(handle); }
};
using UniqueGdiObject = UniqueHandle<GdiObjectTraits>;

// DestroyMenu also destroys every submenu still attached to the menu.
struct MenuTraits {
  using Handle = HMENU;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle handle) { DestroyMenu(handle); }
};
using UniqueMenu = UniqueHandle<MenuTraits>;

// A memory device context from CreateCompatibleDC closes with DeleteDC, never ReleaseDC.
struct MemoryDcTraits {
  using Handle = HDC;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle handle) { DeleteDC(handle); }
};
using UniqueMemoryDc = UniqueHandle<MemoryDcTraits>;

}  // namespace vantrel::ui
