// Stored formulas carry the decimal-point convention they were written in; a reader with
// the other convention translates them before use, so "1.5*MOD(a,2)" written under '.'
// reads as "1,5*MOD(a;2)" under ','.
#pragma once

#include <string>
#include <string_view>

namespace orvella {

// The formula in the convention in force. It is parsed in the writer's convention and
// printed back in the current one; a formula that does not parse (a name defined later, a
// damaged text) has its punctuation exchanged character by character instead, outside
// string literals.
std::string TranslateFormula(std::string_view formula, bool writerDecimalIsPoint);

// Whether the convention in force writes '.' as its decimal character.
bool DecimalIsPoint();

}  // namespace orvella
