// Whole-file reading and writing for the per-user files, safe against damaged files, other
// running copies and interrupted saves.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvella::platform {

// The file's bytes; none when it cannot be opened or read, or holds more than maxBytes (a
// settings file never grows that large, so such a file is not trusted at all).
std::optional<std::string> ReadFileUpTo(const std::filesystem::path& file, std::size_t maxBytes);

// Writes a uniquely named temporary file in the target's folder (created when missing),
// flushes it to disk and renames it over the target. Readers and other copies of the program
// see either the old file or the new one, never a mix; on failure the old file is untouched
// and no temporary file is left behind.
bool ReplaceFileAtomically(const std::filesystem::path& file, std::string_view content);

}  // namespace orvella::platform
