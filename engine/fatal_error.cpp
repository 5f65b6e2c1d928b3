#include "fatal_error.h"

#include <atomic>
#include <cstdio>
#include <new>

#include "platform.h"

namespace vantrel {
namespace {

std::atomic<FatalMessageSink> g_sink{nullptr};

[[noreturn]] void Die(const std::string& message) {
  const FatalMessageSink sink = g_sink.load();
  if (sink != nullptr) {
    sink(message);
  } else {
    platform::ShowFatalMessage(message);
  }
  platform::ExitAfterFatalError();
}

}  // namespace

// Built by appending: GCC 12 warns falsely (-Wrestrict) about a literal + string + literal.
void FatalRuntimeError(RuntimeError error) {
  std::string message = "发生运行时错误 ";
  message += std::to_string(static_cast<int>(error));
  message += "，程序将退出。";
  Die(message);
}

void FatalOutOfMemory(std::size_t bytes) {
  if (bytes == 0) Die("分配内存失败!");
  std::string message = "分配 ";
  message += std::to_string(bytes);
  message += " 字节内存失败!";
  Die(message);
}

void FatalError(const std::string& message) { Die(message); }

void InstallOutOfMemoryHandler() {
  std::set_new_handler([] { FatalOutOfMemory(0); });
}

void SetFatalMessageSink(FatalMessageSink sink) { g_sink.store(sink); }

void WriteFatalMessageToStderr(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  std::fflush(stderr);
}

}  // namespace vantrel
