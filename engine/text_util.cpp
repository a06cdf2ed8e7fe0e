#include "engine/text_util.h"

#include <charconv>
#include <cmath>

namespace orvella {

std::string_view Trim(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

bool IsIdentifier(std::string_view text) {
  if (text.empty() || !IsNameStart(text.front())) return false;
  for (char c : text) {
    if (!IsNameChar(c)) return false;
  }
  return true;
}

std::string ToUpperAscii(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = AsciiUpper(c);
  return result;
}

int CompareNoCase(std::string_view a, std::string_view b) {
  std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    unsigned char ca = static_cast<unsigned char>(AsciiUpper(a[i]));
    unsigned char cb = static_cast<unsigned char>(AsciiUpper(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

namespace {

std::string PrintWith(double value, std::chars_format format, int precision) {
  if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  // Fixed notation of 1E308 with 16 places needs about 330 characters.
  char buffer[400];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
  if (ec != std::errc()) return "?";
  return std::string(buffer, end);
}

}  // namespace

std::string PrintGeneral(double value, int precision) {
  return PrintWith(value, std::chars_format::general, precision);
}

std::string PrintFixed(double value, int places) {
  return PrintWith(value, std::chars_format::fixed, places);
}

std::string PrintExponent(double value, int places) {
  return PrintWith(value, std::chars_format::scientific, places);
}

}  // namespace orvella
