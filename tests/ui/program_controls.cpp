#include "program_controls.h"

namespace vantrel::testing {

HWND FindProgramControl(HWND main, ui::ControlId id) {
  struct Search {
    int id;
    HWND found;
  } search{static_cast<int>(id), nullptr};
  EnumChildWindows(
      main,
      [](HWND child, LPARAM raw) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(raw);
        if (GetDlgCtrlID(child) != s.id) return TRUE;
        s.found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace vantrel::testing
