#pragma once

#include "ansi_text.h"

namespace vantrel::cli {

// The engine's texts are GBK. A Windows console in code page 936 shows them as they are; a
// POSIX terminal expects UTF-8, so they are converted there (bytes that are not GBK pass as '?').
std::string ToConsoleText(const Text& text);

}  // namespace vantrel::cli
