#include "analysis/number_text.h"

#include <clocale>
#include <cstdlib>
#include <locale.h>

#include "engine/locale_chars.h"
#include "engine/text_util.h"

namespace orvella {
namespace {

locale_t CLocale() {
  static const locale_t c = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
  return c;
}

// The text as the "C" locale's strtod must see it: the chosen decimal point becomes '.',
// and a '.' that is not the decimal point becomes a character that ends a number. One
// character for one, so the consumed length carries back unchanged.
std::string InCLocaleForm(std::string_view text, char decimalPoint) {
  std::string copy(text);
  if (decimalPoint == '.') return copy;
  for (char& c : copy) {
    if (c == '.') {
      c = '\x01';
    } else if (c == decimalPoint) {
      c = '.';
    }
  }
  return copy;
}

}  // namespace

LeadingNumber ReadLeadingNumber(std::string_view text, char decimalPoint) {
  std::string canonical = InCLocaleForm(text, decimalPoint);
  char* end = nullptr;
  LeadingNumber number;
  number.value = strtod_l(canonical.c_str(), &end, CLocale());
  number.length = static_cast<std::size_t>(end - canonical.c_str());
  return number;
}

double ReadNumberOrZero(std::string_view text) {
  return ReadLeadingNumber(text, ExpressionChars().decimalPoint).value;
}

std::string CellText(double value) {
  // Shown with the decimal point the cell is read back with, so that committing a shown
  // text again stores the same value.
  std::string text = PrintGeneral(value, 15);
  char decimalPoint = ExpressionChars().decimalPoint;
  for (char& c : text) {
    if (c == '.') c = decimalPoint;
  }
  return text;
}

}  // namespace orvella
