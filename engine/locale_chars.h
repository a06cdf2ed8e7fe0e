// The process-wide decimal-point conventions. Expressions use one set (decimal point,
// argument separator, digit-group separator); number formatting keeps a second,
// independent copy. Both are chosen once at start-up from the user's locale and can be
// forced to either convention, to translate stored formulas and in tests.
#pragma once

namespace orvella {

struct LocaleCharacters {
  char decimalPoint;
  char argumentSeparator;
  char groupSeparator;
};

inline constexpr LocaleCharacters kUsConvention{'.', ',', ','};
inline constexpr LocaleCharacters kFrenchConvention{',', ';', '.'};

// The characters the parser reads expressions with.
const LocaleCharacters& ExpressionChars();

// The characters results are formatted with (the list separator is the argument separator).
const LocaleCharacters& FormattingChars();
void SetFormattingChars(const LocaleCharacters& chars);

// Start-up: both sets follow the user's locale (',' as decimal point selects the French set).
void ApplyUserDecimalPoint(char userDecimalPoint);

// The forcing routines: change the expression set and return the set it replaced.
LocaleCharacters ForceUsConvention();
LocaleCharacters ForceFrenchConvention();
void RestoreConvention(const LocaleCharacters& previous);

// Forces a convention for both sets for the lifetime of the object.
class ScopedConvention {
 public:
  explicit ScopedConvention(const LocaleCharacters& chars);
  ~ScopedConvention();
  ScopedConvention(const ScopedConvention&) = delete;
  ScopedConvention& operator=(const ScopedConvention&) = delete;

 private:
  LocaleCharacters savedExpression_;
  LocaleCharacters savedFormatting_;
};

}  // namespace orvella
