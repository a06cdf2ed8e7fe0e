#include "engine/number_literal.h"

#include <cctype>
#include <charconv>
#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <cmath>
#include <cstdint>
#include <string>

namespace orvella {
namespace {

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 99;
}

// The integer forms: like strtol into a signed 32-bit integer (leading blanks allowed),
// accepted only when every character is a digit of the base and the value fits.
bool ReadInteger(std::string_view text, int base, double& value) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i == text.size()) return false;
  std::int64_t n = 0;
  for (; i < text.size(); ++i) {
    int digit = DigitValue(text[i]);
    if (digit >= base) return false;
    n = n * base + digit;
    if (n > INT32_MAX) return false;  // a range error
  }
  value = static_cast<double>(n);
  return true;
}

// The decimal form: digits with an optional decimal point (at least one digit), then an
// optional exponent introduced by e, E, d or D with an optional sign and digits.
bool ReadDecimal(std::string_view text, char decimalPoint, double& value) {
  std::string canonical;
  canonical.reserve(text.size());
  std::size_t i = 0;
  int mantissaDigits = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
    canonical += text[i++];
    ++mantissaDigits;
  }
  if (i < text.size() && text[i] == decimalPoint) {
    canonical += '.';
    ++i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
      canonical += text[i++];
      ++mantissaDigits;
    }
  }
  if (mantissaDigits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    canonical += 'e';
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) canonical += text[i++];
    int exponentDigits = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
      canonical += text[i++];
      ++exponentDigits;
    }
    if (exponentDigits == 0) return false;
  }
  if (i != text.size()) return false;

  const char* first = canonical.data();
  const char* last = first + canonical.size();
  auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    // Overflow is a bad number. Underflow yields 0 or a subnormal number, a correct
    // value like every underflow in the engine.
    std::size_t e = canonical.find('e');
    bool negativeExponent = e != std::string::npos && canonical[e + 1] == '-';
    if (!negativeExponent) return false;
    static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
    value = strtod_l(canonical.c_str(), nullptr, cLocale);
    return true;
  }
  return ec == std::errc() && end == last;
}

}  // namespace

LiteralValue ReadNumberLiteral(std::string_view text, const LiteralOptions& options) {
  LiteralValue result;
  std::string stripped;
  if (options.stripDigitGroups) {
    for (char c : text) {
      if (c != options.groupSeparator && c != ' ') stripped += c;
    }
    text = stripped;
  }
  // '#' only lets a literal start with a letter; its digits are read like any other.
  if (!text.empty() && text[0] == '#') {
    if (text.size() <= 1) {
      result.missingHashDigits = true;
      return result;
    }
    text.remove_prefix(1);
  }
  if (text.size() > 2 && text[0] == '0' && text[1] != options.decimalPoint) {
    int prefixBase = 0;
    switch (text[1]) {
      case 'x': case 'X': prefixBase = 16; break;
      case 'b': case 'B': prefixBase = 2; break;
      case 'o': case 'O': prefixBase = 8; break;
      case 'd': case 'D': prefixBase = 10; break;
      default: break;
    }
    if (prefixBase != 0) {
      result.prefixBase = prefixBase;
      result.ok = ReadInteger(text.substr(2), prefixBase, result.value);
      return result;
    }
  }
  if (options.inputBase == 10) {
    result.ok = ReadDecimal(text, options.decimalPoint, result.value);
  } else {
    result.ok = ReadInteger(text, options.inputBase, result.value);
  }
  return result;
}

}  // namespace orvella
