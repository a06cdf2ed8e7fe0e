#include "library/formula_translation.h"

#include "engine/calc_engine.h"
#include "engine/locale_chars.h"

namespace orvella {
namespace {

// The other convention's characters, exchanged one by one.
std::string ExchangePunctuation(std::string_view formula, const LocaleCharacters& from,
                                const LocaleCharacters& to) {
  std::string out(formula);
  bool inString = false;
  for (char& c : out) {
    if (c == '"') inString = !inString;
    if (inString) continue;
    if (c == from.decimalPoint) {
      c = to.decimalPoint;
    } else if (c == from.argumentSeparator) {
      c = to.argumentSeparator;
    }
  }
  return out;
}

}  // namespace

bool DecimalIsPoint() { return ExpressionChars().decimalPoint == '.'; }

std::string TranslateFormula(std::string_view formula, bool writerDecimalIsPoint) {
  if (formula.empty() || writerDecimalIsPoint == DecimalIsPoint()) return std::string(formula);
  const LocaleCharacters current = ExpressionChars();
  const LocaleCharacters writer = writerDecimalIsPoint ? kUsConvention : kFrenchConvention;
  CCalcEngine engine;
  // Every name is accepted, so that a formula naming a variable or function of the
  // project parses without it.
  engine.Modes().autoCreateVariables = true;
  const LocaleCharacters saved =
      writerDecimalIsPoint ? ForceUsConvention() : ForceFrenchConvention();
  engine.SetExpression(formula);
  const bool parsed = engine.Parse() == kNoError;
  RestoreConvention(saved);
  if (!parsed) return ExchangePunctuation(formula, writer, current);
  return engine.FormatExpression();
}

}  // namespace orvella
