#include "engine/number_format.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/locale_chars.h"
#include "engine/text_util.h"

namespace orvella {
namespace {

constexpr std::array<const char*, kNumberFormatTypeCount> kTypeNames = {
    "General", "Number", "Standard", "Scientific", "Engineering", "Currency"};

std::string SignedExponent(int exponent) {
  return (exponent < 0 ? "-" : "+") + std::to_string(exponent < 0 ? -exponent : exponent);
}

// Floor of the decimal logarithm of |value|. Zero has exponent 0, so that 0 prints as a
// plain 0 and not as a mantissa of an undefined exponent.
int DecimalExponent(double value) {
  if (value == 0.0) return 0;
  return static_cast<int>(std::floor(std::log10(std::fabs(value))));
}

std::string WithDecimalPoint(std::string text, char decimalPoint) {
  if (decimalPoint != '.') std::replace(text.begin(), text.end(), '.', decimalPoint);
  return text;
}

// Digit groups of three to the left of the decimal point, none right after a minus sign.
std::string GroupDigits(std::string text, double value, const LocaleCharacters& chars) {
  std::size_t point = text.find(chars.decimalPoint);
  long p = static_cast<long>(point == std::string::npos ? text.size() : point) - 3;
  while (p > 0) {
    if (p == 1 && value < 0) break;
    text.insert(static_cast<std::size_t>(p), 1, chars.groupSeparator);
    p -= 3;
  }
  return text;
}

}  // namespace

const char* NumberFormatTypeName(NumberFormatType type) {
  int i = static_cast<int>(type);
  return (i >= 0 && i < kNumberFormatTypeCount) ? kTypeNames[i] : "";
}

std::optional<NumberFormatType> NumberFormatTypeFromName(std::string_view name) {
  for (int i = 0; i < kNumberFormatTypeCount; ++i) {
    if (EqualsNoCase(kTypeNames[i], name)) return static_cast<NumberFormatType>(i);
  }
  return std::nullopt;
}

CNumberFormat::CNumberFormat(NumberFormatType type, int decimalPlaces) : type_(type) {
  SetDecimalPlaces(decimalPlaces);
}

void CNumberFormat::SetDecimalPlaces(int places) {
  places_ = (places >= 0 && places <= 16) ? places : 2;
  roundingUnit_ = std::pow(10.0, -places_);
}

std::string CNumberFormat::Format(double value) const {
  const LocaleCharacters& chars = FormattingChars();
  const std::string places = std::to_string(places_);
  if (!std::isfinite(value)) {
    pattern_ = "%.15g";
    return PrintGeneral(value, 15);
  }
  switch (type_) {
    case NumberFormatType::General:
      pattern_ = "%.15g";
      return WithDecimalPoint(PrintGeneral(value, 15), chars.decimalPoint);
    case NumberFormatType::Number:
      pattern_ = "%." + places + "f";
      return WithDecimalPoint(PrintFixed(value, places_), chars.decimalPoint);
    case NumberFormatType::Standard:
      if (std::abs(DecimalExponent(value)) > 14) {
        pattern_ = "%." + places + "e";
        return WithDecimalPoint(PrintExponent(value, places_), chars.decimalPoint);
      }
      pattern_ = "%." + places + "f";
      return WithDecimalPoint(PrintFixed(value, places_), chars.decimalPoint);
    case NumberFormatType::Scientific:
    case NumberFormatType::Engineering: {
      pattern_ = "%.*fE%+d";
      int exponent = DecimalExponent(value);
      double mantissa = 0.0;
      if (value != 0.0) {
        if (type_ == NumberFormatType::Scientific) {
          // The mantissa is not renormalised after rounding: 9.999999 prints 10.00E+0.
          double logValue = std::log10(std::fabs(value));
          mantissa = std::copysign(std::pow(10.0, logValue - exponent), value);
        } else {
          exponent = static_cast<int>(std::floor(exponent / 3.0)) * 3;
          mantissa = value / std::pow(10.0, exponent);
        }
      }
      return WithDecimalPoint(PrintFixed(mantissa, places_), chars.decimalPoint) + "E" +
             SignedExponent(exponent);
    }
    case NumberFormatType::Currency:
      pattern_ = "%.2f";
      return GroupDigits(WithDecimalPoint(PrintFixed(value, 2), chars.decimalPoint), value,
                         chars);
  }
  pattern_ = "%g";
  return WithDecimalPoint(PrintGeneral(value, 6), chars.decimalPoint);
}

std::string FormatPoint(const CNumberFormat& format, double x, double y) {
  return "(x = " + format.Format(x) + FormattingChars().argumentSeparator + " y = " +
         format.Format(y) + ")";
}

}  // namespace orvella
