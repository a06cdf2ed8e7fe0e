// The single-byte code page project files store texts in, and its way to and from the
// UTF-8 the program holds texts in.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvella {

// The text in Windows-1252 when every character has a byte there; none otherwise, and for
// text that is not valid UTF-8.
std::optional<std::string> Utf8ToWindows1252(std::string_view utf8);
std::string Windows1252ToUtf8(std::string_view bytes);

// UTF-16 code units and back; invalid UTF-8 bytes and unpaired surrogates become U+FFFD.
std::vector<char16_t> Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(const std::vector<char16_t>& units);

}  // namespace orvella
