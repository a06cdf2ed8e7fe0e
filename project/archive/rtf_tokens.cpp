#include "project/archive/rtf_tokens.h"

#include <algorithm>
#include <limits>

namespace orvella {
namespace {

// One past the largest magnitude a 32-bit parameter takes; longer digit runs stop growing.
constexpr std::int64_t kParameterCap = std::int64_t{1} << 31;

bool IsLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

bool IsHexDigit(unsigned char c) {
  return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int HexValue(unsigned char c) {
  if (IsDigit(c)) return c - '0';
  return (c | 0x20) - 'a' + 10;
}

RtfToken Simple(RtfTokenKind kind, unsigned char byte = 0) { return {kind, {}, {}, byte}; }

RtfToken Word(std::string_view name) { return {RtfTokenKind::kControlWord, name, {}, 0}; }

}  // namespace

bool RtfTokenizer::At(std::size_t position, bool (*test)(unsigned char)) const {
  return position < input_.size() && test(static_cast<unsigned char>(input_[position]));
}

RtfToken RtfTokenizer::Next() {
  while (pos_ < input_.size()) {
    const auto c = static_cast<unsigned char>(input_[pos_++]);
    switch (c) {
      case '{': return Simple(RtfTokenKind::kGroupStart);
      case '}': return Simple(RtfTokenKind::kGroupEnd);
      case '\r': case '\n': break;
      case '\\':
        if (std::optional<RtfToken> token = ReadEscape()) return *token;
        break;
      default: return Simple(RtfTokenKind::kText, c);
    }
  }
  return Simple(RtfTokenKind::kEnd);
}

void RtfTokenizer::SkipBytes(std::int64_t count) {
  if (count <= 0) return;
  const auto left = static_cast<std::uint64_t>(input_.size() - pos_);
  pos_ += static_cast<std::size_t>(std::min(static_cast<std::uint64_t>(count), left));
}

std::optional<RtfToken> RtfTokenizer::ReadEscape() {
  if (pos_ >= input_.size()) return std::nullopt;
  if (At(pos_, IsLetter)) return ReadControlWord();
  const auto c = static_cast<unsigned char>(input_[pos_++]);
  if (c == '\'') return ReadHexByte();
  // A backslash before a line end of the file is a paragraph mark.
  if (c == '\r' || c == '\n') return Word("par");
  return Simple(RtfTokenKind::kControlSymbol, c);
}

RtfToken RtfTokenizer::ReadControlWord() {
  const std::size_t start = pos_;
  while (At(pos_, IsLetter)) ++pos_;
  RtfToken token = Word(input_.substr(start, pos_ - start));
  token.parameter = ReadParameter();
  // A space ends the word and belongs to it; any other delimiter is read on its own.
  if (pos_ < input_.size() && input_[pos_] == ' ') ++pos_;
  return token;
}

std::optional<std::int32_t> RtfTokenizer::ReadParameter() {
  const bool negative = pos_ < input_.size() && input_[pos_] == '-' && At(pos_ + 1, IsDigit);
  if (negative) ++pos_;
  if (!At(pos_, IsDigit)) return std::nullopt;
  std::int64_t magnitude = 0;
  for (; At(pos_, IsDigit); ++pos_) {
    magnitude = std::min(magnitude * 10 + (input_[pos_] - '0'), kParameterCap);
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::optional<RtfToken> RtfTokenizer::ReadHexByte() {
  if (!At(pos_, IsHexDigit) || !At(pos_ + 1, IsHexDigit)) return std::nullopt;
  const int high = HexValue(static_cast<unsigned char>(input_[pos_]));
  const int low = HexValue(static_cast<unsigned char>(input_[pos_ + 1]));
  pos_ += 2;
  return Simple(RtfTokenKind::kHexByte, static_cast<unsigned char>(high * 16 + low));
}

}  // namespace orvella
