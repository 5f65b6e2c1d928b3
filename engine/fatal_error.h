#pragma once
// The few conditions that end the process: a modal message that belongs to no window,
// then exit code -1. Cleanup does not run, by design: the state is not trusted any more.

#include <cstddef>
#include <string>

namespace vantrel {

enum class RuntimeError : int {
  kIndexBeyondEnd = 1,
  kIndexBelowOne = 4,
  kIndexOutsideTable = 9,
  kNegativeArraySize = 10,
};

[[noreturn]] void FatalRuntimeError(RuntimeError error);
[[noreturn]] void FatalOutOfMemory(std::size_t bytes);
[[noreturn]] void FatalError(const std::string& message);

// Routes every allocation failure (operator new included) to FatalOutOfMemory.
void InstallOutOfMemoryHandler();

// Where the fatal message goes. The default is the platform's (a message box on Windows,
// stderr elsewhere); tests that provoke fatal errors under Wine send it to stderr instead,
// since nobody is there to close a box.
using FatalMessageSink = void (*)(const std::string& message);
void SetFatalMessageSink(FatalMessageSink sink);
void WriteFatalMessageToStderr(const std::string& message);

}  // namespace vantrel
