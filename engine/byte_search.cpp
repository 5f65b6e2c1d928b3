#include "byte_search.h"

namespace vantrel {

bool ContainsBytes(std::string_view haystack, std::string_view needle) {
  return !needle.empty() && haystack.find(needle) != std::string_view::npos;
}

}  // namespace vantrel
