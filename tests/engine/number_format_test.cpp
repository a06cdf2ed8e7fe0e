// Number formats in both conventions, independent of the process's C locale.
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "engine/calculation_settings.h"
#include "engine/locale_chars.h"
#include "engine/number_format.h"

namespace orvella {
namespace {

struct FormatCase {
  NumberFormatType type;
  int places;
  double value;
  const char* us;
  const char* french;
};

using T = NumberFormatType;

constexpr FormatCase kCases[] = {
    {T::General, 5, 1.0 / 3, "0.333333333333333", "0,333333333333333"},
    {T::General, 5, 0.5, "0.5", "0,5"},
    {T::General, 5, 1e20, "1e+20", "1e+20"},
    {T::General, 5, -2.5, "-2.5", "-2,5"},
    {T::Number, 2, 3.14159, "3.14", "3,14"},
    {T::Number, 0, 2.5e3, "2500", "2500"},
    {T::Standard, 2, 1e15, "1.00e+15", "1,00e+15"},       // exponent form past 14
    {T::Standard, 2, 1e14, "100000000000000.00", "100000000000000,00"},
    {T::Standard, 2, 1e-15, "1.00e-15", "1,00e-15"},
    {T::Standard, 2, 0.0, "0.00", "0,00"},
    {T::Scientific, 5, 123456789, "1.23457E+8", "1,23457E+8"},
    {T::Scientific, 2, 9.999999, "10.00E+0", "10,00E+0"}, // mantissa not renormalised
    {T::Scientific, 3, -0.00123, "-1.230E-3", "-1,230E-3"},
    {T::Scientific, 2, 0.0, "0.00E+0", "0,00E+0"},
    {T::Engineering, 3, 123456789, "123.457E+6", "123,457E+6"},
    {T::Engineering, 3, 0.0123, "12.300E-3", "12,300E-3"},
    {T::Engineering, 1, 1000, "1.0E+3", "1,0E+3"},
    {T::Engineering, 2, 0.0, "0.00E+0", "0,00E+0"},
    {T::Currency, 5, 1000, "1,000.00", "1.000,00"},       // two places whatever the setting
    {T::Currency, 5, 999, "999.00", "999,00"},
    {T::Currency, 5, -1000, "-1,000.00", "-1.000,00"},
    {T::Currency, 5, 1234567.891, "1,234,567.89", "1.234.567,89"},
    {T::Currency, 5, -123456, "-123,456.00", "-123.456,00"}, // no group after the sign
    {T::Currency, 5, -100, "-100.00", "-100,00"},
};

TEST(NumberFormatTest, EveryTypeInBothConventions) {
  for (const FormatCase& c : kCases) {
    CNumberFormat format(c.type, c.places);
    {
      ScopedConvention us(kUsConvention);
      EXPECT_EQ(format.Format(c.value), c.us) << NumberFormatTypeName(c.type) << " " << c.value;
    }
    {
      ScopedConvention french(kFrenchConvention);
      EXPECT_EQ(format.Format(c.value), c.french)
          << NumberFormatTypeName(c.type) << " " << c.value;
    }
  }
}

// Switches the process to a numeric locale with a decimal comma, compiling one into a
// private folder when the system has none installed.
bool UseDecimalCommaLocale() {
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr) return true;
  const std::string folder = ::testing::TempDir() + "orvella-locales";
  const std::string command = "mkdir -p '" + folder + "' && localedef -i de_DE -f UTF-8 '" +
                              folder + "/de_DE.UTF-8' >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0) return false;
  setenv("LOCPATH", folder.c_str(), 1);
  return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
}

TEST(NumberFormatTest, IndependentOfTheProcessLocale) {
  ASSERT_TRUE(UseDecimalCommaLocale()) << "no locale with a decimal comma could be set up";
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.1f", 1.5);
  ASSERT_STREQ(probe, "1,5") << "the process locale did not change";
  ScopedConvention us(kUsConvention);
  std::string texts[kNumberFormatTypeCount];
  for (int type = 0; type < kNumberFormatTypeCount; ++type) {
    texts[type] = CNumberFormat(static_cast<T>(type), 2).Format(1234.5);
  }
  std::setlocale(LC_NUMERIC, "C");
  EXPECT_EQ(texts[0], "1234.5");
  EXPECT_EQ(texts[1], "1234.50");
  EXPECT_EQ(texts[3], "1.23E+3");
  EXPECT_EQ(texts[5], "1,234.50");
}

TEST(NumberFormatTest, NonFiniteValuesPrintPlainly) {
  ScopedConvention us(kUsConvention);
  for (int type = 0; type < kNumberFormatTypeCount; ++type) {
    CNumberFormat format(static_cast<T>(type), 3);
    EXPECT_EQ(format.Format(std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(format.Format(-std::numeric_limits<double>::infinity()), "-inf");
  }
}

TEST(NumberFormatTest, DecimalPlacesRangeAndRoundingUnit) {
  CNumberFormat format;
  EXPECT_EQ(format.Type(), T::Number);  // a new format: Number with 2 places
  EXPECT_EQ(format.DecimalPlaces(), 2);
  format.SetDecimalPlaces(16);
  EXPECT_EQ(format.DecimalPlaces(), 16);
  EXPECT_DOUBLE_EQ(format.RoundingUnit(), 1e-16);
  format.SetDecimalPlaces(17);
  EXPECT_EQ(format.DecimalPlaces(), 2);
  format.SetDecimalPlaces(-1);
  EXPECT_EQ(format.DecimalPlaces(), 2);
  EXPECT_DOUBLE_EQ(format.RoundingUnit(), 0.01);
  format.SetDecimalPlaces(5);
  format.Format(1);
  EXPECT_EQ(format.Pattern(), "%.5f");
}

TEST(NumberFormatTest, PointFormatUsesTheListSeparator) {
  CNumberFormat format(T::General, 5);
  {
    ScopedConvention us(kUsConvention);
    EXPECT_EQ(FormatPoint(format, 1.5, -2), "(x = 1.5, y = -2)");
  }
  ScopedConvention french(kFrenchConvention);
  EXPECT_EQ(FormatPoint(format, 1.5, -2), "(x = 1,5; y = -2)");
}

TEST(CalculationSettingsTest, RangeRules) {
  using namespace calculation_settings;
  struct Rule {
    int (*apply)(int);
    int stored;
    int expected;
  };
  const Rule rules[] = {
      {NumberFormatFromSetting, 5, 5},  {NumberFormatFromSetting, 6, 0},
      {NumberFormatFromSetting, -1, 0}, {DecimalPlacesFromSetting, 16, 16},
      {DecimalPlacesFromSetting, 17, 2}, {DecimalPlacesFromSetting, -3, 2},
      {AngleModeFromSetting, 2, 2},     {AngleModeFromSetting, 3, 1},
      {NumberBaseFromSetting, 1, 2},    {NumberBaseFromSetting, 37, 36},
      {NumberBaseFromSetting, 16, 16},  {SolverStepsFromSetting, 0, 1},
      {SolverStepsFromSetting, 20000, 10000}, {SolverStepsFromSetting, 200, 200},
  };
  for (const Rule& rule : rules) EXPECT_EQ(rule.apply(rule.stored), rule.expected) << rule.stored;
}

}  // namespace
}  // namespace orvella
