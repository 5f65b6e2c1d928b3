#include "console_text.h"

#ifndef _WIN32
#include <iconv.h>

#include <cerrno>
#endif

namespace vantrel::cli {

#ifdef _WIN32

std::string ToConsoleText(const Text& text) { return text; }

#else

std::string ToConsoleText(const Text& text) {
  const iconv_t converter = iconv_open("UTF-8", "GBK");
  if (converter == reinterpret_cast<iconv_t>(-1)) return text;
  std::string result;
  char* in = const_cast<char*>(text.data());
  std::size_t in_left = text.size();
  char out[256];
  while (in_left > 0) {
    char* out_at = out;
    std::size_t out_left = sizeof out;
    if (iconv(converter, &in, &in_left, &out_at, &out_left) == static_cast<std::size_t>(-1) && errno != E2BIG) {
      ++in;  // an invalid or cut-off sequence: replace one byte and go on
      --in_left;
      *out_at++ = '?';
    }
    result.append(out, static_cast<std::size_t>(out_at - out));
  }
  iconv_close(converter);
  return result;
}

#endif

}  // namespace vantrel::cli
