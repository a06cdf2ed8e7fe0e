// The expression engine: settings, the variables it owns, the root of the parsed
// expression, and the operations every subsystem parses and evaluates text through.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/bound_variables.h"
#include "engine/calc_error.h"
#include "engine/expr_node.h"
#include "engine/number_format.h"

namespace orvella {

class Program;

enum class AngleMode : int { Degrees = 0, Radians = 1, Gradians = 2 };

// Parse-time name resolution modes; all off by default except the last two.
struct EngineModes {
  bool autoCreateVariables = false;   // unknown names become new value variables
  bool lenientNames = false;          // unknown names become Undefined nodes
  bool everyNameIsVariable = false;   // every name is a Variable node, no lookup
  bool userNamesEnabled = true;       // user functions, constants and user constants
  bool boundVariablesEnabled = true;  // x, y, z, t
};

struct ValueVariable {
  std::string name;
  double value = 0.0;
};

struct ExpressionVariable {
  std::string name;
  std::string formula;
  double cachedValue = 0.0;
  bool cacheValid = false;
};

// Expressions nested deeper than this (operators, calls and parentheses on the way from
// the root to a leaf) fail with kOverflow instead of exhausting the stack.
inline constexpr int kMaxNestingDepth = 1000;

class CCalcEngine {
 public:
  CCalcEngine();
  ~CCalcEngine();
  CCalcEngine(const CCalcEngine&) = delete;
  CCalcEngine& operator=(const CCalcEngine&) = delete;

  // --- settings ---
  AngleMode GetAngleMode() const { return angleMode_; }
  void SetAngleMode(AngleMode mode);  // the compiled program builds the mode in
  int InputBase() const { return inputBase_; }
  void SetInputBase(int base);  // clamped to 2..36
  // -1 (none) or the base the last parse and evaluation asked results to be shown in.
  int DisplayBase() const { return displayBase_; }
  void SetDisplayBase(int base) { displayBase_ = base; }
  void RaiseDisplayBase(int base) {
    if (base > displayBase_) displayBase_ = base;
  }
  EngineModes& Modes() { return modes_; }
  const EngineModes& Modes() const { return modes_; }
  bool CalledUserFunction() const { return calledUserFunction_; }
  void SetCalledUserFunction(bool called) { calledUserFunction_ = called; }
  CNumberFormat& ResultFormat() { return resultFormat_; }
  const CNumberFormat& ResultFormat() const { return resultFormat_; }
  CNumberFormat& FixedFormat() { return fixedFormat_; }
  int SolverDecimalPlaces() const { return solverPlaces_; }
  void SetSolverDecimalPlaces(int places);  // 0..16, else 2; sets the tolerance 10^-places
  double Tolerance() const { return tolerance_; }
  int SolverSteps() const { return solverSteps_; }
  void SetSolverSteps(int steps);  // clamped to 1..10000
  double Answer() const { return answer_; }
  void SetAnswer(double value) { answer_ = value; }

  // --- variables owned by the engine ---
  std::vector<ValueVariable>& Variables() { return variables_; }
  const std::vector<ValueVariable>& Variables() const { return variables_; }
  std::vector<ExpressionVariable>& ExpressionVariables() { return expressionVariables_; }
  const std::vector<ExpressionVariable>& ExpressionVariables() const {
    return expressionVariables_;
  }
  int FindVariable(std::string_view name) const;            // -1 when absent
  int FindExpressionVariable(std::string_view name) const;  // -1 when absent
  int AppendVariable(std::string_view name, double value);  // returns the new index

  // --- the expression ---
  void SetExpression(std::string_view text);
  const std::string& Expression() const { return expression_; }
  // Resets the display base and the expansion guard and parses the root.
  // Codes: 1, 3, 4, 5, 7, 8, 11, 12 (nesting), 18, 19, and those of user-function bodies.
  CalcError Parse();
  // Evaluates the parsed root; the code is then EvaluationError() (also on the root).
  double Evaluate();
  // Writes x into the bound variable x, then evaluates.
  double EvaluateAt(double x) {
    BoundVariables()[kBoundX].value = x;
    return Evaluate();
  }
  CalcError EvaluationError() const { return root_.errorCode; }
  static std::string ErrorText(int code);
  // Position within the expression text and length of the last parse failure.
  int ErrorPosition() const { return root_.errorPosition; }
  static int ErrorLength();

  // The worksheet form of the last value: display base or input base, "0D" prefix,
  // upper-cased base digits and the truncation warning.
  std::string FormatResult() const;
  // Set by functions that produce text instead of a number (base conversion).
  void SetStringResult(std::string text);
  bool HasStringResult() const { return root_.stringResult; }
  const std::string& StringResult() const { return stringResult_; }

  // --- defined beside the library code that does the work ---
  // The tree printed back as expression text (library/expression_printer.cpp).
  std::string FormatExpression(bool printValues = false) const;
  // Replaces the expression by its derivative with respect to a variable
  // (library/symbolic_differentiation.cpp).
  CalcError Differentiate(std::string_view variable);
  // All roots of the parsed expression in [a, b], appended to roots (library/calculus.cpp).
  CalcError FindZeros(double a, double b, std::vector<double>& roots);

  CExprNode& Root() { return root_; }
  const CExprNode& Root() const { return root_; }
  double LastValue() const { return root_.value; }

  // Keeps a text alive for the views of the current tree (expression-variable formulas).
  std::string_view KeepText(std::string text);

 private:
  void EnsureProgram();

  AngleMode angleMode_ = AngleMode::Radians;
  int inputBase_ = 10;
  int displayBase_ = -1;
  EngineModes modes_;
  bool calledUserFunction_ = false;
  CNumberFormat resultFormat_{NumberFormatType::General, 5};
  CNumberFormat fixedFormat_{NumberFormatType::Number, 5};
  int solverPlaces_ = 5;
  double tolerance_ = 1e-5;
  int solverSteps_ = 200;
  double answer_ = 0.0;

  std::vector<ValueVariable> variables_;
  std::vector<ExpressionVariable> expressionVariables_;

  std::string expression_;
  std::deque<std::string> keptTexts_;
  CExprNode root_;
  std::unique_ptr<Program> program_;  // the root compiled for evaluation, built on demand
  std::string stringResult_;
};

}  // namespace orvella
