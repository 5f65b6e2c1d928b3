#pragma once
// The folder enumeration both drivers share, one caller-owned handle at a time.

#include <cstdint>
#include <optional>

#include "ansi_text.h"
#include "platform.h"

namespace vantrel {

using FindHandle = platform::FolderEnumeration;

// Attribute bits an entry must carry one of (read-only, hidden, system, directory and archive
// count); no filter passes every entry that is not a directory.
using AttributeFilter = std::optional<uint32_t>;
inline constexpr AttributeFilter kArchiveEntries = platform::kAttributeArchive;
inline constexpr AttributeFilter kDirectoryEntries = platform::kAttributeDirectory;
inline constexpr AttributeFilter kNonDirectoryEntries = std::nullopt;

// A non-empty pattern ("folder\*.*") starts a new enumeration in handle, closing the one it
// held; an empty pattern continues it. The result is the next passing entry's name, or an
// empty text at the end, when the handle has been closed.
Text FindEntry(const Text& pattern, AttributeFilter filter, FindHandle& handle);
void ReleaseFind(FindHandle& handle);

}  // namespace vantrel
