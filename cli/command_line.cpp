#include "command_line.h"

#include <array>
#include <string_view>

namespace vantrel::cli {
namespace {

// The items of the window's two drop-down lists, in their order: the index is what counts.
constexpr std::array<std::string_view, 5> kThreadItems{"1", "2", "5", "10", "20"};
constexpr std::array<std::string_view, 6> kChunkItems{"256K", "512k", "1M", "2M", "10M", "1K"};

template <std::size_t N>
std::optional<int32_t> IndexOf(const std::array<std::string_view, N>& items, std::string_view value) {
  for (std::size_t i = 0; i < N; ++i) {
    if (items[i] == value) return static_cast<int32_t>(i);
  }
  return std::nullopt;
}

template <std::size_t N>
std::string Choices(const std::array<std::string_view, N>& items) {
  std::string text;
  for (const auto item : items) text += (text.empty() ? "" : "|") + std::string(item);
  return text;
}

}  // namespace

ParseResult ParseCommandLine(const std::vector<std::string>& arguments) {
  SearchRequest request;
  std::vector<std::string> positional;
  bool options_done = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (options_done || argument.size() < 2 || !argument.starts_with("--")) {
      positional.push_back(argument);
    } else if (argument == "--") {
      options_done = true;
    } else if (argument == "--hex") {
      request.hex = true;
    } else if (argument == "--subfolders") {
      request.subfolders = true;
    } else if (argument == "--threads" || argument == "--chunk") {
      if (i + 1 == arguments.size()) return {std::nullopt, argument + " needs a value"};
      const std::string& value = arguments[++i];
      if (argument == "--threads") {
        const auto index = IndexOf(kThreadItems, value);
        if (!index) return {std::nullopt, "--threads takes " + Choices(kThreadItems) + ", not '" + value + "'"};
        request.thread_count_index = *index;
      } else {
        const auto index = IndexOf(kChunkItems, value);
        if (!index) return {std::nullopt, "--chunk takes " + Choices(kChunkItems) + ", not '" + value + "'"};
        request.chunk_size_index = *index;
      }
    } else {
      return {std::nullopt, "unknown option '" + argument + "'"};
    }
  }
  if (positional.size() != 2) return {std::nullopt, "expected PATTERN and FOLDER"};
  if (positional[1].empty()) return {std::nullopt, "FOLDER is empty"};
  request.pattern = positional[0];
  request.folder = positional[1];
  return {request, ""};
}

Text EngineFolder(const Text& folder) {
  Text engine = folder;
#ifndef _WIN32
  for (char& c : engine) {
    if (c == '/') c = '\\';
  }
#endif
  return WithTrailingBackslash(engine);
}

}  // namespace vantrel::cli
