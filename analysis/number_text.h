// Numbers read and written in grid cells: the C runtime's strtod and "%.15g", both
// independent of the process locale; the decimal point is the expression convention's.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvella {

struct LeadingNumber {
  double value = 0.0;
  std::size_t length = 0;  // characters strtod consumed; 0 when the text starts no number
};

// strtod on the text: leading blanks, sign, digits with `decimalPoint`, exponent, and
// strtod's hexadecimal, "inf" and "nan" forms.
LeadingNumber ReadLeadingNumber(std::string_view text, char decimalPoint);

// strtod's value with the current expression decimal point (0 for text that is no number).
double ReadNumberOrZero(std::string_view text);

// "%.15g", the form every value cell shows, with the current expression decimal point.
std::string CellText(double value);

}  // namespace orvella
