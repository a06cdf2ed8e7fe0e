// Reading of number literals: decimal numbers with e/E/d/D exponents, base prefixes
// 0x 0b 0o 0d, and '#' for the engine's input base.
#pragma once

#include <string_view>

namespace orvella {

struct LiteralOptions {
  int inputBase = 10;
  char decimalPoint = '.';
  bool stripDigitGroups = false;  // Currency format: group separators and spaces removed
  char groupSeparator = ',';
};

struct LiteralValue {
  bool ok = false;
  double value = 0.0;
  int prefixBase = 0;  // the base of a 0x/0b/0o/0d prefix, 0 without one
  bool missingHashDigits = false;  // '#' with nothing after it
};

// The whole text must be one number; anything left over makes it a bad number.
LiteralValue ReadNumberLiteral(std::string_view text, const LiteralOptions& options);

}  // namespace orvella
