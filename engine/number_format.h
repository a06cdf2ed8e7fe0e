// Number formats of results: six types with a number of decimal places.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvella {

enum class NumberFormatType : int {
  General = 0,      // "%.15g"
  Number = 1,       // fixed, N places
  Standard = 2,     // fixed, or exponent form past 14 digits of exponent
  Scientific = 3,   // mantissa E exponent, N places
  Engineering = 4,  // exponent a multiple of 3
  Currency = 5,     // two places with digit groups
};

inline constexpr int kNumberFormatTypeCount = 6;
// The names the options page lists, in type order.
const char* NumberFormatTypeName(NumberFormatType type);
// The type of a name as NumberFormatTypeName gives it, in any letter case.
std::optional<NumberFormatType> NumberFormatTypeFromName(std::string_view name);

class CNumberFormat {
 public:
  CNumberFormat() = default;
  CNumberFormat(NumberFormatType type, int decimalPlaces);

  NumberFormatType Type() const { return type_; }
  void SetType(NumberFormatType type) { type_ = type; }
  int DecimalPlaces() const { return places_; }
  // Places outside 0..16 become 2; the rounding unit follows the places.
  void SetDecimalPlaces(int places);
  double RoundingUnit() const { return roundingUnit_; }

  // The value as text, with the formatting characters of the process.
  std::string Format(double value) const;
  // The printf pattern the last call used, for example "%.5f".
  const std::string& Pattern() const { return pattern_; }

 private:
  NumberFormatType type_ = NumberFormatType::Number;
  int places_ = 2;
  double roundingUnit_ = 0.01;
  mutable std::string pattern_;
};

// "(x = <x>, y = <y>)" with the formatting list separator.
std::string FormatPoint(const CNumberFormat& format, double x, double y);

}  // namespace orvella
