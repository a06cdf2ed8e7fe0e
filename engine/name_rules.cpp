#include "engine/name_rules.h"

#include "engine/bound_variables.h"
#include "engine/calc_engine.h"
#include "engine/symbol_store.h"
#include "engine/text_util.h"
#include "library/constant_table.h"
#include "library/function_table.h"

namespace orvella {

CalcError CheckNameForm(std::string_view name) {
  if (!IsIdentifier(name)) return kInvalidName;
  if (FindBoundVariable(name) >= 0 || IsBuiltInName(name)) return kPredefinedName;
  return kNoError;
}

CalcError CheckName(NameKind kind, std::string_view name, const CCalcEngine& engine,
                    const CSymbolStore& store) {
  if (CalcError code = CheckNameForm(name)) return code;
  // Every kind clashes with the predefined constants and with the other three kinds.
  const bool clashes =
      FindConstantSymbol(name) >= 0 ||
      (kind != NameKind::kValueVariable && engine.FindVariable(name) >= 0) ||
      (kind != NameKind::kExpressionVariable && engine.FindExpressionVariable(name) >= 0) ||
      (kind != NameKind::kUserFunction && store.FindFunction(name) >= 0) ||
      (kind != NameKind::kUserConstant && store.FindConstant(name) >= 0);
  return clashes ? kNameExists : kNoError;
}

}  // namespace orvella
