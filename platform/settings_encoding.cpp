#include "platform/settings_encoding.h"

#include <charconv>

namespace orvella::platform {
namespace {

constexpr std::string_view kHexDigits = "0123456789abcdef";
constexpr std::string_view kBytesPrefix = "hex:";
constexpr std::string_view kNameSpecials = "=[];#";

void AppendHexByte(std::string& out, unsigned char byte) {
  out += kHexDigits[byte >> 4];
  out += kHexDigits[byte & 0x0f];
}

std::optional<unsigned char> HexDigitValue(char digit) {
  if (digit >= '0' && digit <= '9') return static_cast<unsigned char>(digit - '0');
  if (digit >= 'a' && digit <= 'f') return static_cast<unsigned char>(digit - 'a' + 10);
  if (digit >= 'A' && digit <= 'F') return static_cast<unsigned char>(digit - 'A' + 10);
  return std::nullopt;
}

std::optional<unsigned char> HexByteAt(std::string_view text, std::size_t at) {
  if (at + 2 > text.size()) return std::nullopt;
  const auto high = HexDigitValue(text[at]);
  const auto low = HexDigitValue(text[at + 1]);
  if (!high || !low) return std::nullopt;
  return static_cast<unsigned char>((*high << 4) | *low);
}

bool IsControl(unsigned char byte) { return byte < 0x20 || byte == 0x7f; }

bool IsEdgeBlank(std::string_view text, std::size_t at) {
  return text[at] == ' ' && (at == 0 || at + 1 == text.size());
}

void AppendEscaped(std::string& out, std::string_view text, std::size_t at, bool isName) {
  const auto byte = static_cast<unsigned char>(text[at]);
  switch (byte) {
    case '\\': out += "\\\\"; return;
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    case '\t': out += "\\t"; return;
    default: break;
  }
  const bool special = isName && kNameSpecials.find(text[at]) != std::string_view::npos;
  if (IsControl(byte) || special || IsEdgeBlank(text, at)) {
    out += "\\x";
    AppendHexByte(out, byte);
    return;
  }
  out += text[at];
}

std::string Escape(std::string_view text, bool isName) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size(); ++at) AppendEscaped(out, text, at, isName);
  return out;
}

// Reads the escape starting at the backslash at `at`; advances `at` past it.
std::optional<char> ReadEscape(std::string_view stored, std::size_t& at) {
  if (at + 1 >= stored.size()) return std::nullopt;
  const char kind = stored[at + 1];
  at += 2;
  switch (kind) {
    case '\\': return '\\';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case 'x': break;
    default: return std::nullopt;
  }
  const auto byte = HexByteAt(stored, at);
  if (!byte) return std::nullopt;
  at += 2;
  return static_cast<char>(*byte);
}

std::optional<std::string> Unescape(std::string_view stored) {
  std::string text;
  text.reserve(stored.size());
  std::size_t at = 0;
  while (at < stored.size()) {
    if (stored[at] != '\\') {
      text += stored[at++];
      continue;
    }
    const auto unescaped = ReadEscape(stored, at);
    if (!unescaped) return std::nullopt;
    text += *unescaped;
  }
  return text;
}

}  // namespace

std::string EncodeInt(std::int32_t value) { return std::to_string(value); }

std::optional<std::int32_t> DecodeInt(std::string_view stored) {
  std::int32_t value = 0;
  const char* end = stored.data() + stored.size();
  const auto [stop, error] = std::from_chars(stored.data(), end, value);
  if (stored.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

std::string EncodeText(std::string_view text) {
  std::string stored = Escape(text, false);
  // The first byte escaped, so that a text never passes for a binary value.
  if (stored.starts_with(kBytesPrefix)) stored.replace(0, 1, "\\x68");
  return stored;
}

std::optional<std::string> DecodeText(std::string_view stored) {
  if (stored.starts_with(kBytesPrefix)) return std::nullopt;  // a binary value
  return Unescape(stored);
}

std::string EncodeName(std::string_view name) { return Escape(name, true); }

std::optional<std::string> DecodeName(std::string_view stored) { return Unescape(stored); }

std::string EncodeBytes(const Bytes& bytes) {
  std::string out(kBytesPrefix);
  out.reserve(kBytesPrefix.size() + 2 * bytes.size());
  for (std::uint8_t byte : bytes) AppendHexByte(out, byte);
  return out;
}

std::optional<Bytes> DecodeBytes(std::string_view stored) {
  if (!stored.starts_with(kBytesPrefix)) return std::nullopt;
  const std::string_view digits = stored.substr(kBytesPrefix.size());
  if (digits.size() % 2 != 0) return std::nullopt;
  Bytes bytes;
  bytes.reserve(digits.size() / 2);
  for (std::size_t at = 0; at < digits.size(); at += 2) {
    const auto byte = HexByteAt(digits, at);
    if (!byte) return std::nullopt;
    bytes.push_back(*byte);
  }
  return bytes;
}

}  // namespace orvella::platform
