// Small text helpers shared by the engine and the library: trimming, case-insensitive
// comparison of ASCII names, and locale-independent number printing in printf's forms.
#pragma once

#include <string>
#include <string_view>

namespace orvella {

// Blanks are what the C runtime's isspace accepts in the "C" locale.
inline bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

std::string_view Trim(std::string_view text);

inline char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
std::string ToUpperAscii(std::string_view text);

// <0, 0, >0 like the platform's case-insensitive string comparison.
int CompareNoCase(std::string_view a, std::string_view b);
inline bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

// printf's "%.*g", "%.*f" and "%.*e" in the "C" locale, whatever the process locale is
// ("inf", "-inf" and "nan" for non-finite values).
std::string PrintGeneral(double value, int precision);
std::string PrintFixed(double value, int places);
std::string PrintExponent(double value, int places);

}  // namespace orvella
