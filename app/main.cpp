#include <windows.h>

#include "program_entry.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return vantrel::app::ProgramEntry(vantrel::app::MakeMainWindow(instance));
}
