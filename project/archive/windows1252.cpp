#include "project/archive/windows1252.h"

#include "project/archive/text_encoding.h"

namespace orvella {
namespace {

// The byte of a character in the code page, the bytes it leaves undefined included (they
// read as the C1 controls of the same number, so they must write back as themselves).
std::optional<std::uint8_t> ByteOf(char32_t code) {
  if (const auto byte = ToWindows1252(code)) return byte;
  if (code >= 0x80 && code < 0xA0 && FromWindows1252(static_cast<std::uint8_t>(code)) == code) {
    return static_cast<std::uint8_t>(code);
  }
  return std::nullopt;
}

// The next character, or none for bytes that are no UTF-8.
std::optional<char32_t> Next(std::string_view text, std::size_t& at) {
  const DecodedChar decoded = DecodeUtf8(text.substr(at));
  const bool literalReplacement = text.compare(at, 3, "\xEF\xBF\xBD") == 0;
  at += decoded.length;
  if (decoded.code == kReplacementCharacter && !literalReplacement) return std::nullopt;
  return decoded.code;
}

}  // namespace

std::optional<std::string> Utf8ToWindows1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t at = 0; at < utf8.size();) {
    const std::optional<char32_t> code = Next(utf8, at);
    const std::optional<std::uint8_t> byte = code ? ByteOf(*code) : std::nullopt;
    if (!byte) return std::nullopt;
    out += static_cast<char>(*byte);
  }
  return out;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char c : bytes) AppendUtf8(out, FromWindows1252(static_cast<std::uint8_t>(c)));
  return out;
}

std::vector<char16_t> Utf8ToUtf16(std::string_view utf8) {
  std::vector<char16_t> units;
  units.reserve(utf8.size());
  for (std::size_t at = 0; at < utf8.size();) {
    const char32_t code = Next(utf8, at).value_or(kReplacementCharacter);
    if (code < 0x10000) {
      units.push_back(static_cast<char16_t>(code));
    } else {
      const char32_t offset = code - 0x10000;
      units.push_back(static_cast<char16_t>(0xD800 + (offset >> 10)));
      units.push_back(static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
    }
  }
  return units;
}

std::string Utf16ToUtf8(const std::vector<char16_t>& units) {
  std::string out;
  out.reserve(units.size());
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char16_t unit = units[i];
    const bool pairs = unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units.size() &&
                       units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF;
    // AppendUtf8 writes a lone surrogate as the replacement character.
    const char32_t code = pairs ? 0x10000 + ((unit - 0xD800) << 10) + (units[++i] - 0xDC00) : unit;
    AppendUtf8(out, code);
  }
  return out;
}

}  // namespace orvella
