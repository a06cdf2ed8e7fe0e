#include "library/unit_name.h"

#include <array>

#include "engine/text_util.h"

namespace orvella {
namespace {

// Symbols that compare with their case. G is the gauss and g the gram: folded together,
// every magnetic flux density would convert to a mass (1 tesla = 10 kg). No other pair of
// units in the table differs only in case.
constexpr std::array<std::string_view, 1> kCaseSignificant = {"g"};

bool IsCaseSignificant(std::string_view trimmed) {
  for (std::string_view symbol : kCaseSignificant) {
    if (EqualsNoCase(symbol, trimmed)) return true;
  }
  return false;
}

}  // namespace

// Folded names are all upper case, so a case-significant name kept as written can only
// meet itself: "g" holds a lower-case letter, and "G" is the fold of g and G alone.
std::string UnitNameKey(std::string_view name) {
  const std::string_view trimmed = Trim(name);
  if (IsCaseSignificant(trimmed)) return std::string(trimmed);
  return ToUpperAscii(trimmed);
}

bool SameUnitName(std::string_view a, std::string_view b) {
  a = Trim(a);
  b = Trim(b);
  if (!EqualsNoCase(a, b)) return false;
  return !IsCaseSignificant(a) || a == b;
}

}  // namespace orvella
