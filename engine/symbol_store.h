// The store of every name an expression can use besides the built-in functions: the
// operations on an engine's value and expression variables, and the process-wide user
// functions and user constants. Each operation returns a code and leaves the store as it
// was on failure.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calc_engine.h"
#include "engine/user_function.h"
#include "engine/user_names.h"

namespace orvella {

struct UserConstant {
  std::string name;    // the long descriptive name
  std::string unit;
  std::string symbol;  // the name used in expressions; empty: not usable in expressions
  double value = 0.0;
  double secondValue = 0.0;  // kept and saved, not used by evaluation
};

enum class DescribedKind : int {
  kUnknown = 0,
  kBuiltInFunction = 1,
  kPredefinedConstant = 2,
  kUserFunction = 3,
  kUserConstant = 4,
  kValueVariable = 5,
  kExpressionVariable = 6,
};

struct Description {
  DescribedKind kind = DescribedKind::kUnknown;
  std::string text;
};

class CSymbolStore final : public UserNames {
 public:
  // --- value and expression variables of an engine ---
  // 22 if the name exists and overwrite is off; the name rules.
  CalcError AddOrSetVariable(CCalcEngine& engine, std::string_view name, double value,
                             bool overwrite);
  CalcError RenameVariable(CCalcEngine& engine, int index, std::string_view name);
  // A new entry is removed again when its formula fails.
  CalcError DefineExpressionVariable(CCalcEngine& engine, std::string_view name,
                                     std::string_view formula, bool overwrite);
  // Parses the variable's name with the new formula (19 for a cycle, 7 for an unknown
  // name, ...); the old formula is restored on failure.
  CalcError SetExpressionVariableFormula(CCalcEngine& engine, int index, std::string_view formula);
  CalcError RenameExpressionVariable(CCalcEngine& engine, int index, std::string_view name);
  CalcError EvaluateExpressionVariable(CCalcEngine& engine, int index);

  // --- user functions (the engine is the project engine, for the name clashes) ---
  CalcError DefineUserFunction(const CCalcEngine& engine, std::string_view definition,
                               bool overwrite);
  CalcError ReplaceUserFunction(const CCalcEngine& engine, int index, std::string_view definition);
  void DeleteUserFunction(int index);
  const std::vector<std::unique_ptr<CUserFunction>>& UserFunctions() const { return functions_; }

  // --- user constants ---
  CalcError AddUserConstant(const CCalcEngine& engine, std::string_view name,
                            std::string_view unit, std::string_view symbol, double value);
  CalcError RenameUserConstant(const CCalcEngine& engine, int index, std::string_view symbol);
  std::vector<UserConstant>& UserConstants() { return constants_; }
  const std::vector<UserConstant>& UserConstants() const { return constants_; }

  // For tips and the explorer: built-in, predefined constant, user function, user constant,
  // expression variable, value variable, searched in that order.
  Description Describe(const CCalcEngine& engine, std::string_view name) const;

  // --- what the parser and the evaluator ask (UserNames) ---
  int FindFunction(std::string_view name) const override;
  int FunctionParameterCount(int index) const override;
  CalcError PrepareFunction(int index) override;
  CalcError CallFunction(int index, const double* arguments, int count, AngleMode angleMode,
                         double& result) override;
  int FindConstant(std::string_view symbol) const override;
  int ConstantCount() const override { return static_cast<int>(constants_.size()); }
  double ConstantValue(int index) const override;

 private:
  CalcError CheckFunctionName(const CCalcEngine& engine, const CUserFunction& function,
                              int replacing) const;

  std::vector<std::unique_ptr<CUserFunction>> functions_;
  std::vector<UserConstant> constants_;
};

}  // namespace orvella
