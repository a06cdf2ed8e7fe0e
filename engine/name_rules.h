// The rules every new or renamed name of the store passes: a valid identifier, not a
// predefined name, and no clash with a name of another kind.
#pragma once

#include <string_view>

#include "engine/calc_error.h"

namespace orvella {

class CCalcEngine;
class CSymbolStore;

enum class NameKind { kValueVariable, kExpressionVariable, kUserFunction, kUserConstant };

// Rules 1 and 2: 20 for a name that is no identifier, 21 for x, y, z, t (while switched
// on) and the built-in function names.
CalcError CheckNameForm(std::string_view name);

// All three rules; the clashes are looked up in the project engine and the store.
// Same-kind duplicates are the caller's check. Codes: 20, 21, 22.
CalcError CheckName(NameKind kind, std::string_view name, const CCalcEngine& engine,
                    const CSymbolStore& store);

}  // namespace orvella
