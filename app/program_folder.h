#pragma once
// The program's own folder as the current directory, whatever folder it was started from.

#include <optional>

#include "ansi_text.h"

namespace vantrel::app {

// The module path cut before its last backslash (found character by character, so the second
// byte of a double-byte character is never one); a drive root keeps its backslash, since
// "C:" alone would mean the drive's current folder. Nothing for a path without a backslash.
std::optional<Text> FolderOfProgram(const Text& module_path);

// Makes the folder of the running program the current directory; leaves it when the path
// holds no backslash.
void MakeProgramFolderCurrent();

}  // namespace vantrel::app
