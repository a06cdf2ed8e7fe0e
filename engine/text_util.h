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

// Letters are ASCII letters and the bytes of multi-byte UTF-8 characters, so that accented
// names stay whole; names start with a letter or '_' and go on with letters, digits, '_'.
inline bool IsNameLetter(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u >= 0x80;
}
inline bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsNameStart(char c) { return IsNameLetter(c) || c == '_'; }
inline bool IsNameChar(char c) { return IsNameStart(c) || IsDecimalDigit(c); }

// A name as the name rules want it: a letter or '_', then letters, digits and '_'.
bool IsIdentifier(std::string_view text);

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
