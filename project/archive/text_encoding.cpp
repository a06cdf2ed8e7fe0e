#include "project/archive/text_encoding.h"

#include <array>

namespace orvella {
namespace {

// 0x80 to 0x9F; 0 where the code page defines no character.
constexpr std::array<char32_t, 32> kWindows1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

bool IsSurrogate(char32_t code) { return code >= 0xD800 && code <= 0xDFFF; }

struct SequenceShape {
  std::size_t length;
  char32_t leadBits;
  char32_t smallest;  // anything below is overlong
};

std::optional<SequenceShape> ShapeOf(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return SequenceShape{2, lead & 0x1Fu, 0x80};
  if (lead >= 0xE0 && lead <= 0xEF) return SequenceShape{3, lead & 0x0Fu, 0x800};
  if (lead >= 0xF0 && lead <= 0xF4) return SequenceShape{4, lead & 0x07u, 0x10000};
  return std::nullopt;
}

}  // namespace

DecodedChar DecodeUtf8(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80) return {lead, 1};
  const std::optional<SequenceShape> shape = ShapeOf(lead);
  if (!shape || text.size() < shape->length) return {kReplacementCharacter, 1};
  char32_t code = shape->leadBits;
  for (std::size_t i = 1; i < shape->length; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (!IsContinuation(byte)) return {kReplacementCharacter, 1};
    code = (code << 6) | (byte & 0x3Fu);
  }
  if (code < shape->smallest || code > 0x10FFFF || IsSurrogate(code)) {
    return {kReplacementCharacter, 1};
  }
  return {code, shape->length};
}

bool IsValidUtf8(std::string_view text) {
  while (!text.empty()) {
    const DecodedChar decoded = DecodeUtf8(text);
    // A genuine U+FFFD takes three bytes; a one-byte U+FFFD marks a malformed sequence.
    if (decoded.code == kReplacementCharacter && decoded.length == 1) return false;
    text.remove_prefix(decoded.length);
  }
  return true;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code > 0x10FFFF || IsSurrogate(code)) code = kReplacementCharacter;
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

char32_t FromWindows1252(std::uint8_t byte) {
  if (byte < 0x80 || byte >= 0xA0) return byte;
  const char32_t mapped = kWindows1252High[byte - 0x80];
  return mapped != 0 ? mapped : byte;
}

std::optional<std::uint8_t> ToWindows1252(char32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<std::uint8_t>(code);
  for (std::size_t i = 0; i < kWindows1252High.size(); ++i) {
    if (kWindows1252High[i] != 0 && kWindows1252High[i] == code) {
      return static_cast<std::uint8_t>(0x80 + i);
    }
  }
  return std::nullopt;
}

}  // namespace orvella
