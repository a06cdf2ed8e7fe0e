#include "engine/symbol_store.h"

#include "engine/name_rules.h"
#include "engine/text_util.h"
#include "library/constant_table.h"
#include "library/function_table.h"

namespace orvella {
namespace {

bool ValidIndex(int index, std::size_t size) {
  return index >= 0 && static_cast<std::size_t>(index) < size;
}

// Parses text in an engine, then gives the engine its previous expression back (unparsed):
// the store's checks must not take the engine's expression away from its owner.
CalcError ParseIn(CCalcEngine& engine, std::string_view text) {
  const std::string previous = engine.Expression();
  engine.SetExpression(text);
  CalcError code = engine.Parse();
  engine.SetExpression(previous);
  return code;
}

void InvalidateCaches(CCalcEngine& engine) {
  for (ExpressionVariable& variable : engine.ExpressionVariables()) variable.cacheValid = false;
}

std::string ValueText(double value) { return PrintGeneral(value, 15); }

}  // namespace

// --- value and expression variables ---

CalcError CSymbolStore::AddOrSetVariable(CCalcEngine& engine, std::string_view name,
                                         double value, bool overwrite) {
  name = Trim(name);
  int existing = engine.FindVariable(name);
  if (existing >= 0 && !overwrite) return kNameExists;
  if (CalcError code = CheckName(NameKind::kValueVariable, name, engine, *this)) return code;
  if (existing >= 0) {
    engine.Variables()[static_cast<std::size_t>(existing)].value = value;
  } else {
    engine.AppendVariable(name, value);
  }
  return kNoError;
}

CalcError CSymbolStore::RenameVariable(CCalcEngine& engine, int index, std::string_view name) {
  if (!ValidIndex(index, engine.Variables().size())) return kInvalidName;
  name = Trim(name);
  if (CalcError code = CheckName(NameKind::kValueVariable, name, engine, *this)) return code;
  int other = engine.FindVariable(name);
  if (other >= 0 && other != index) return kNameExists;
  engine.Variables()[static_cast<std::size_t>(index)].name = std::string(name);
  return kNoError;
}

CalcError CSymbolStore::DefineExpressionVariable(CCalcEngine& engine, std::string_view name,
                                                 std::string_view formula, bool overwrite) {
  name = Trim(name);
  int existing = engine.FindExpressionVariable(name);
  if (existing >= 0 && !overwrite) return kNameExists;
  if (CalcError code = CheckName(NameKind::kExpressionVariable, name, engine, *this)) return code;
  if (existing >= 0) return SetExpressionVariableFormula(engine, existing, formula);
  engine.ExpressionVariables().push_back(ExpressionVariable{std::string(name), {}, 0.0, false});
  const int index = static_cast<int>(engine.ExpressionVariables().size()) - 1;
  CalcError code = SetExpressionVariableFormula(engine, index, formula);
  if (code != kNoError) engine.ExpressionVariables().pop_back();
  return code;
}

CalcError CSymbolStore::SetExpressionVariableFormula(CCalcEngine& engine, int index,
                                                     std::string_view formula) {
  auto& variables = engine.ExpressionVariables();
  if (!ValidIndex(index, variables.size())) return kInvalidName;
  ExpressionVariable& variable = variables[static_cast<std::size_t>(index)];
  std::string previous = std::move(variable.formula);
  variable.formula = std::string(Trim(formula));
  // Through the name, so that every variable the formula reaches is expanded with the
  // guard against cycles.
  const std::string name = variable.name;
  if (CalcError code = ParseIn(engine, name)) {
    variables[static_cast<std::size_t>(index)].formula = std::move(previous);
    return code;
  }
  InvalidateCaches(engine);
  return kNoError;
}

CalcError CSymbolStore::RenameExpressionVariable(CCalcEngine& engine, int index,
                                                 std::string_view name) {
  if (!ValidIndex(index, engine.ExpressionVariables().size())) return kInvalidName;
  name = Trim(name);
  if (CalcError code = CheckName(NameKind::kExpressionVariable, name, engine, *this)) return code;
  int other = engine.FindExpressionVariable(name);
  if (other >= 0 && other != index) return kNameExists;
  engine.ExpressionVariables()[static_cast<std::size_t>(index)].name = std::string(name);
  InvalidateCaches(engine);
  return kNoError;
}

CalcError CSymbolStore::EvaluateExpressionVariable(CCalcEngine& engine, int index) {
  auto& variables = engine.ExpressionVariables();
  if (!ValidIndex(index, variables.size())) return kInvalidName;
  const std::string previous = engine.Expression();
  engine.SetExpression(variables[static_cast<std::size_t>(index)].name);
  CalcError code = engine.Parse();
  double value = 0.0;
  if (code == kNoError) {
    value = engine.Evaluate();
    code = engine.EvaluationError();
  }
  engine.SetExpression(previous);
  if (code != kNoError) return code;
  ExpressionVariable& variable = engine.ExpressionVariables()[static_cast<std::size_t>(index)];
  variable.cachedValue = value;
  variable.cacheValid = true;
  return kNoError;
}

// --- user functions ---

// The function may keep its own name; no other function, and no other kind of name, may
// have it.
CalcError CSymbolStore::CheckFunctionName(const CCalcEngine& engine, const CUserFunction& function,
                                          int replacing) const {
  int same = FindFunction(function.Name());
  if (same >= 0 && same != replacing) return kNameExists;
  return CheckName(NameKind::kUserFunction, function.Name(), engine, *this);
}

CalcError CSymbolStore::DefineUserFunction(const CCalcEngine& engine, std::string_view definition,
                                           bool overwrite) {
  std::unique_ptr<CUserFunction> function;
  if (CalcError code = CUserFunction::Define(definition, function)) return code;
  int existing = FindFunction(function->Name());
  if (existing >= 0 && !overwrite) return kNameExists;
  if (CalcError code = CheckFunctionName(engine, *function, existing)) return code;
  if (existing >= 0) {
    functions_[static_cast<std::size_t>(existing)] = std::move(function);
  } else {
    functions_.push_back(std::move(function));
  }
  return kNoError;
}

CalcError CSymbolStore::ReplaceUserFunction(const CCalcEngine& engine, int index,
                                            std::string_view definition) {
  if (!ValidIndex(index, functions_.size())) return kInvalidName;
  std::unique_ptr<CUserFunction> function;
  if (CalcError code = CUserFunction::Define(definition, function)) return code;
  if (CalcError code = CheckFunctionName(engine, *function, index)) return code;
  functions_[static_cast<std::size_t>(index)] = std::move(function);
  return kNoError;
}

void CSymbolStore::DeleteUserFunction(int index) {
  if (ValidIndex(index, functions_.size())) functions_.erase(functions_.begin() + index);
}

// --- user constants ---

CalcError CSymbolStore::AddUserConstant(const CCalcEngine& engine, std::string_view name,
                                        std::string_view unit, std::string_view symbol,
                                        double value) {
  symbol = Trim(symbol);
  if (!symbol.empty()) {
    if (FindConstant(symbol) >= 0) return kNameExists;
    if (CalcError code = CheckName(NameKind::kUserConstant, symbol, engine, *this)) return code;
  }
  constants_.push_back(
      UserConstant{std::string(Trim(name)), std::string(Trim(unit)), std::string(symbol), value, 0.0});
  return kNoError;
}

CalcError CSymbolStore::RenameUserConstant(const CCalcEngine& engine, int index,
                                           std::string_view symbol) {
  if (!ValidIndex(index, constants_.size())) return kInvalidName;
  symbol = Trim(symbol);
  if (CalcError code = CheckName(NameKind::kUserConstant, symbol, engine, *this)) return code;
  int other = FindConstant(symbol);
  if (other >= 0 && other != index) return kNameExists;
  constants_[static_cast<std::size_t>(index)].symbol = std::string(symbol);
  return kNoError;
}

// --- descriptions ---

Description CSymbolStore::Describe(const CCalcEngine& engine, std::string_view name) const {
  name = Trim(name);
  if (const FunctionRow* row = LookupFunction(name)) {
    return {DescribedKind::kBuiltInFunction, FunctionCallText(*row)};
  }
  if (int constant = FindConstantSymbol(name); constant >= 0) {
    return {DescribedKind::kPredefinedConstant, DescribeConstant(ConstantRows()[constant])};
  }
  if (int function = FindFunction(name); function >= 0) {
    return {DescribedKind::kUserFunction, functions_[static_cast<std::size_t>(function)]->Definition()};
  }
  if (int constant = FindConstant(name); constant >= 0) {
    const UserConstant& c = constants_[static_cast<std::size_t>(constant)];
    return {DescribedKind::kUserConstant, c.name + " (" + ValueText(c.value) + " " + c.unit + ")"};
  }
  if (int expression = engine.FindExpressionVariable(name); expression >= 0) {
    return {DescribedKind::kExpressionVariable,
            "'" + engine.ExpressionVariables()[static_cast<std::size_t>(expression)].formula + "'"};
  }
  if (int variable = engine.FindVariable(name); variable >= 0) {
    return {DescribedKind::kValueVariable,
            ValueText(engine.Variables()[static_cast<std::size_t>(variable)].value)};
  }
  return {};
}

// --- UserNames ---

int CSymbolStore::FindFunction(std::string_view name) const {
  for (std::size_t i = 0; i < functions_.size(); ++i) {
    if (EqualsNoCase(functions_[i]->Name(), name)) return static_cast<int>(i);
  }
  return -1;
}

int CSymbolStore::FunctionParameterCount(int index) const {
  return ValidIndex(index, functions_.size()) ? functions_[static_cast<std::size_t>(index)]->ParameterCount()
                                              : 0;
}

CalcError CSymbolStore::PrepareFunction(int index) {
  if (!ValidIndex(index, functions_.size())) return kInvalidName;
  return functions_[static_cast<std::size_t>(index)]->Prepare();
}

CalcError CSymbolStore::CallFunction(int index, const double* arguments, int count,
                                     AngleMode angleMode, double& result) {
  if (!ValidIndex(index, functions_.size())) return kInvalidName;
  return functions_[static_cast<std::size_t>(index)]->Call(arguments, count, angleMode, result);
}

int CSymbolStore::FindConstant(std::string_view symbol) const {
  if (symbol.empty()) return -1;
  for (std::size_t i = 0; i < constants_.size(); ++i) {
    if (EqualsNoCase(constants_[i].symbol, symbol)) return static_cast<int>(i);
  }
  return -1;
}

double CSymbolStore::ConstantValue(int index) const {
  return ValidIndex(index, constants_.size()) ? constants_[static_cast<std::size_t>(index)].value : 0.0;
}

}  // namespace orvella
