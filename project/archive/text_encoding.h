// UTF-8, the worksheet's encoding, and Windows-1252, the code page rich text is written in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvella {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

struct DecodedChar {
  char32_t code = 0;
  std::size_t length = 0;  // bytes taken, at least 1 for non-empty text
};

// The character at the start of non-empty text. A malformed or overlong sequence, an encoded
// surrogate or a value past U+10FFFF gives U+FFFD for its first byte alone, so decoding
// always moves on.
DecodedChar DecodeUtf8(std::string_view text);
bool IsValidUtf8(std::string_view text);

// Surrogates and values past U+10FFFF are written as U+FFFD.
void AppendUtf8(std::string& out, char32_t code);

// The five bytes the code page leaves undefined read as the C1 controls of the same number,
// so that no byte is lost.
char32_t FromWindows1252(std::uint8_t byte);
// Only characters the code page defines: ASCII, 0xA0 to 0xFF and the 27 in 0x80 to 0x9F.
std::optional<std::uint8_t> ToWindows1252(char32_t code);

}  // namespace orvella
