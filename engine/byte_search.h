#pragma once

#include <string_view>

namespace vantrel {

// Whether needle occurs in haystack as a plain byte sequence; an empty needle never does.
bool ContainsBytes(std::string_view haystack, std::string_view needle);

}  // namespace vantrel
