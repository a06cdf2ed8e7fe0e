// The one-line text forms of settings values and names, shared by every settings store so
// that a value behaves the same in memory and in the file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/settings_store.h"

namespace orvella::platform {

// Decimal, as a person editing the file expects; anything else, or a number outside 32 bits,
// does not decode.
std::string EncodeInt(std::int32_t value);
std::optional<std::int32_t> DecodeInt(std::string_view stored);

// Backslash escapes for '\\', line ends, tabs and other control bytes, and for spaces at
// either end (readers of hand-edited files trim them). Bytes from 0x80 up are kept as they
// are, so UTF-8 stays readable. A broken escape does not decode.
std::string EncodeText(std::string_view text);
std::optional<std::string> DecodeText(std::string_view stored);

// Names escape also '=', '[', ']', ';' and '#', which would otherwise end a name or turn a
// line into a section header or a comment.
std::string EncodeName(std::string_view name);
std::optional<std::string> DecodeName(std::string_view stored);

// "hex:" and two hex digits per byte. The prefix keeps binary values and texts apart: a
// text's own leading "hex:" is escaped, and a stored "hex:" form does not decode as text.
std::string EncodeBytes(const Bytes& bytes);
std::optional<Bytes> DecodeBytes(std::string_view stored);

}  // namespace orvella::platform
