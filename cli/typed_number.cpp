#include "cli/typed_number.h"

#include <charconv>
#include <cmath>

#include "analysis/number_text.h"
#include "engine/text_util.h"

namespace orvella::cli {

std::optional<double> ReadFiniteNumber(std::string_view text, char decimalPoint) {
  // strtod would skip leading blanks; here they are part of the text, which is no number.
  if (text.empty() || IsBlank(text.front())) return std::nullopt;
  const LeadingNumber number = ReadLeadingNumber(text, decimalPoint);
  if (number.length != text.size() || !std::isfinite(number.value)) return std::nullopt;
  return number.value;
}

std::optional<int> ReadIntegerInRange(std::string_view text, int low, int high) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < low || value > high) return std::nullopt;
  return value;
}

}  // namespace orvella::cli
