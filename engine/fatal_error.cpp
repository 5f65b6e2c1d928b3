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

void FatalRuntimeError(RuntimeError error) {
  Die("发生运行时错误 " + std::to_string(static_cast<int>(error)) + "，程序将退出。");
}

void FatalOutOfMemory(std::size_t bytes) {
  Die(bytes == 0 ? std::string("分配内存失败!") : "分配 " + std::to_string(bytes) + " 字节内存失败!");
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
