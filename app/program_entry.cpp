#include "program_entry.h"

#include <ole2.h>

#include "fatal_error.h"
#include "main_window.h"
#include "message_pump.h"
#include "program_folder.h"
#include "search_globals.h"
#include "shell_seam.h"
#include "startup.h"

namespace vantrel::app {
namespace {

// S_FALSE (already initialised on this thread) still needs its OleUninitialize; a failure
// must not get one.
class OleSession {
 public:
  OleSession() : initialised_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~OleSession() {
    if (initialised_) OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;

 private:
  bool initialised_;
};

// The globals live from here to the normal end of ProgramEntry, where they are freed once.
// A fatal error leaves through ExitProcess, which runs no destructor, so they are never
// freed after one.
class SearchGlobalsLifetime {
 public:
  SearchGlobalsLifetime() { InitGlobals(); }
  ~SearchGlobalsLifetime() { FreeGlobals(); }
  SearchGlobalsLifetime(const SearchGlobalsLifetime&) = delete;
  SearchGlobalsLifetime& operator=(const SearchGlobalsLifetime&) = delete;
};

}  // namespace

WindowMaker MakeMainWindow(HINSTANCE instance) {
  return [instance] { return ui::MainWindow::Create(instance, ui::SystemShell(), OnWindowCreated); };
}

int ProgramEntry(const WindowMaker& make_window) {
  InstallOutOfMemoryHandler();
  const OleSession ole;
  MakeProgramFolderCurrent();
  const SearchGlobalsLifetime globals;
  // Declared after the globals, so the window is destroyed before they are freed.
  const std::unique_ptr<ui::MainWindow> window = make_window();
  if (!window) FatalError("载入启动窗口失败");
  ui::RunMessageLoop(window->Handle());
  return 0;
}

}  // namespace vantrel::app
