#pragma once
// The program from start to end: OLE, the current directory, the globals, the window and its
// message loop.

#include <windows.h>

#include <functional>
#include <memory>

namespace vantrel::ui {
class MainWindow;
}

namespace vantrel::app {

// Makes the main window, its created event included; null when it cannot be made.
using WindowMaker = std::function<std::unique_ptr<ui::MainWindow>()>;

// The real window on the real desktop.
WindowMaker MakeMainWindow(HINSTANCE instance);

// Runs the program and returns its exit code, 0. A window that cannot be created is a fatal
// error ("载入启动窗口失败", exit code -1), and the globals are then not freed.
int ProgramEntry(const WindowMaker& make_window);

}  // namespace vantrel::app
