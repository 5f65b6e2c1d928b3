#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include "shell_seam.h"

namespace vantrel::ui {
namespace {

// The dialog's item identifier belongs to the shell's allocator, not to the C runtime.
class ShellItemId {
 public:
  explicit ShellItemId(LPITEMIDLIST id) : id_(id) {}
  ~ShellItemId() {
    IMalloc* allocator = nullptr;
    if (id_ != nullptr && SUCCEEDED(SHGetMalloc(&allocator))) {
      allocator->Free(id_);
      allocator->Release();
    }
  }
  ShellItemId(const ShellItemId&) = delete;
  ShellItemId& operator=(const ShellItemId&) = delete;
  LPCITEMIDLIST Get() const { return id_; }

 private:
  LPITEMIDLIST id_;
};

class SystemShellImpl final : public Shell {
 public:
  Text BrowseFolder(HWND owner, const Text& title) override {
    char display_name[MAX_PATH] = {};
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pszDisplayName = display_name;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_EDITBOX;
    const ShellItemId picked(SHBrowseForFolderA(&info));
    char path[MAX_PATH] = {};
    if (picked.Get() == nullptr || !SHGetPathFromIDListA(picked.Get(), path)) return Text();
    return Text(path);
  }

  void Execute(const char* verb, const Text& path) override {
    ShellExecuteA(nullptr, verb, path.c_str(), nullptr, "", SW_SHOWNORMAL);
  }

  void TrackMenu(HMENU menu, HWND owner, POINT at) override {
    // Without the foreground the menu would stay open after a click elsewhere; the WM_NULL
    // afterwards is the documented way to let the menu close properly on every version.
    SetForegroundWindow(owner);
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
    PostMessageA(owner, WM_NULL, 0, 0);
  }
};

}  // namespace

Shell& SystemShell() {
  static SystemShellImpl shell;
  return shell;
}

}  // namespace vantrel::ui
