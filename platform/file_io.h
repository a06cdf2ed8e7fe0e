// Whole-file reading and writing for the per-user files, safe against damaged files, other
// running copies and interrupted saves.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvella::platform {

// Why a file could not be read or written, in the terms the user is told.
enum class FileError {
  kNone,
  kNotFound,
  kAccessDenied,
  kDiskFull,
  kTooLarge,  // more bytes than the caller trusts such a file to hold
  kOther,
};

// The file's bytes; none when it cannot be opened or read, or holds more than maxBytes (a
// settings file never grows that large, so such a file is not trusted at all).
std::optional<std::string> ReadFileUpTo(const std::filesystem::path& file, std::size_t maxBytes);
// The same, saying why it failed.
FileError ReadWholeFile(const std::filesystem::path& file, std::size_t maxBytes,
                        std::string& content);

// Writes a uniquely named temporary file in the target's folder (created when missing),
// flushes it to disk and renames it over the target. Readers and other copies of the program
// see either the old file or the new one, never a mix; on failure the old file is untouched
// and no temporary file is left behind.
// A new file gets the permissions the user's file-creation mask allows; a replaced file
// keeps its own.
bool ReplaceFileAtomically(const std::filesystem::path& file, std::string_view content);
FileError ReplaceFile(const std::filesystem::path& file, std::string_view content);

}  // namespace orvella::platform
