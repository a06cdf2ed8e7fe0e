// Numbers typed in a data file or an option: the whole text must be the number.
#pragma once

#include <optional>
#include <string_view>

namespace orvella::cli {

// strtod's forms with `decimalPoint`; nothing for an empty text, one with anything before
// or after the number, and for infinities and NaN, which no analysis can use.
std::optional<double> ReadFiniteNumber(std::string_view text, char decimalPoint);

// A decimal integer within low..high.
std::optional<int> ReadIntegerInRange(std::string_view text, int low, int high);

}  // namespace orvella::cli
