#include "engine/locale_chars.h"

namespace orvella {
namespace {

// The two globals the single-threaded design allows; see the header.
LocaleCharacters gExpressionChars = kUsConvention;
LocaleCharacters gFormattingChars = kUsConvention;

}  // namespace

const LocaleCharacters& ExpressionChars() { return gExpressionChars; }
const LocaleCharacters& FormattingChars() { return gFormattingChars; }
void SetFormattingChars(const LocaleCharacters& chars) { gFormattingChars = chars; }

void ApplyUserDecimalPoint(char userDecimalPoint) {
  const LocaleCharacters& chars = userDecimalPoint == ',' ? kFrenchConvention : kUsConvention;
  gExpressionChars = chars;
  gFormattingChars = chars;
}

LocaleCharacters ForceUsConvention() {
  LocaleCharacters previous = gExpressionChars;
  gExpressionChars = kUsConvention;
  return previous;
}

LocaleCharacters ForceFrenchConvention() {
  LocaleCharacters previous = gExpressionChars;
  gExpressionChars = kFrenchConvention;
  return previous;
}

void RestoreConvention(const LocaleCharacters& previous) { gExpressionChars = previous; }

ScopedConvention::ScopedConvention(const LocaleCharacters& chars)
    : savedExpression_(gExpressionChars), savedFormatting_(gFormattingChars) {
  gExpressionChars = chars;
  gFormattingChars = chars;
}

ScopedConvention::~ScopedConvention() {
  gExpressionChars = savedExpression_;
  gFormattingChars = savedFormatting_;
}

}  // namespace orvella
