#pragma once
// A desktop that records what the window asks of it: no dialog opens, no menu waits for a
// click and nothing is launched.

#include <windows.h>

#include <optional>
#include <vector>

#include "shell_seam.h"

namespace vantrel::testing {

class RecordingShell final : public ui::Shell {
 public:
  struct Browse {
    HWND owner;
    Text title;
  };
  struct Execution {
    std::optional<Text> verb;  // nullopt: the null verb, the type's default
    Text path;
  };
  struct MenuShown {
    HMENU menu;
    HWND owner;
    POINT at;
  };

  Text picked_folder;  // what the next browse returns; empty as if cancelled

  Text BrowseFolder(HWND owner, const Text& title) override {
    browses.push_back({owner, title});
    return picked_folder;
  }
  void Execute(const char* verb, const Text& path) override {
    executions.push_back({verb == nullptr ? std::nullopt : std::optional<Text>(verb), path});
  }
  void TrackMenu(HMENU menu, HWND owner, POINT at) override { menus.push_back({menu, owner, at}); }

  std::vector<Browse> browses;
  std::vector<Execution> executions;
  std::vector<MenuShown> menus;
};

}  // namespace vantrel::testing
