// Splits RTF into its tokens: braces, control words with their parameters, control symbols,
// \'hh bytes and plain text bytes. Line ends in the file are layout only and never reach the
// caller.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orvella {

enum class RtfTokenKind {
  kEnd,
  kGroupStart,
  kGroupEnd,
  kControlWord,
  kControlSymbol,  // a backslash and one character that is not a letter
  kHexByte,        // \'hh
  kText,           // one byte of text
};

struct RtfToken {
  RtfTokenKind kind = RtfTokenKind::kEnd;
  std::string_view word;                  // kControlWord
  std::optional<std::int32_t> parameter;  // kControlWord, saturated to 32 bits
  unsigned char byte = 0;                 // kControlSymbol, kHexByte, kText
};

class RtfTokenizer {
 public:
  explicit RtfTokenizer(std::string_view input) : input_(input) {}

  // kEnd once the input is used up; a backslash or \' cut off by the end gives no token, and
  // a \' without two hex digits is dropped, its characters read as text.
  RtfToken Next();
  // The raw data after \binN, clamped to what is left.
  void SkipBytes(std::int64_t count);

 private:
  std::optional<RtfToken> ReadEscape();
  RtfToken ReadControlWord();
  std::optional<std::int32_t> ReadParameter();
  std::optional<RtfToken> ReadHexByte();
  bool At(std::size_t position, bool (*test)(unsigned char)) const;

  std::string_view input_;
  std::size_t pos_ = 0;
};

}  // namespace orvella
