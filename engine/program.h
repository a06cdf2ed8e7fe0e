// A parsed tree compiled into a flat postfix program. Plots, integration, root finding and
// fitting evaluate one tree millions of times; walking a contiguous array of small
// instructions is much faster than chasing node pointers, and it applies the same rules.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "engine/call_context.h"
#include "engine/calc_error.h"

namespace orvella {

class CCalcEngine;
class CExprNode;

enum class Instr : std::uint8_t {
  kConstant,          // push constant
  kVariable,          // push value variable [index] of the engine (error 20 when gone)
  kBound,             // push bound variable [index]
  kUserConstant,      // push user constant [index] (error 20 when gone)
  kAdd,               // the two top values
  kSubtract,
  kMultiply,
  kDivide,            // error 38 for a zero divisor
  kPower,             // pow; a NaN from numbers is its domain error (45)
  kAddConstant,       // top + constant (and constant + top: addition commutes exactly)
  kSubtractConstant,  // top - constant
  kMultiplyConstant,  // top * constant (and constant * top)
  kDivideConstant,    // top / constant, the constant not zero
  kPowerConstant,     // pow(top, constant)
  kConstantMinus,     // constant - top
  kConstantOver,      // constant / top
  kConstantPower,     // pow(constant, top)
  kSquare,            // top^2 written with the literal 2: exactly top*top
  kIntegerPower,      // top^index for a literal integer exponent 3 to 32
  kPercent,
  kRandom,
  kUnary,             // kernel(top)
  kUnaryAngleIn,      // kernel(top * constant): the angle mode's factor to radians
  kUnaryAngleOut,     // kernel(top) * constant, a NaN from a number being error 45
  kUnaryNonNegative,  // top < 0 is error 39
  kUnaryPositive,     // top <= 0 is error 40
  kCall,              // function with count arguments on the stack
  kUserFunction,      // user function [index] with count arguments
  kZero,              // an id without evaluation: drop count arguments, push 0
  // Fused pairs of the above, one dispatch instead of two, each step still checked:
  kBoundTimes,            // push bound[index] * constant
  kBoundSquared,          // push bound[index]^2
  kBoundIntegerPower,     // push bound[index]^count
  kBoundUnary,            // push kernel(bound[index])
  kBoundLinear,           // push bound[index] * constant + second
  kMultiplyAdd,           // top * constant + second
  kConstantMinusProduct,  // second - top * constant
  kEnd,               // closes every program
};

struct Instruction {
  Instr code = Instr::kConstant;
  bool padded = false;      // kCall: five zeros follow the arguments
  std::int32_t count = 0;
  std::int32_t index = -1;  // variable, bound variable, user item or function argument
  std::int32_t texts = -1;  // kCall: its argument texts, when any argument is a literal
  double constant = 0.0;
  union {
    FunctionImpl function = nullptr;  // kCall
    double (*kernel)(double);         // the unary forms
    double second;                    // the second constant of a fused pair
  };
};

class Program {
 public:
  // Compiles a successfully parsed tree for an engine (its angle mode is built in).
  static Program Compile(const CExprNode& root, CCalcEngine& engine);

  // Runs the program; on failure returns the code and the value of the failing operation.
  CalcError Run(CCalcEngine& engine, double& result) const {
    if (maxStack_ + kStackReserve <= kLocalStack) {
      double stack[kLocalStack];
      return Execute(code_.data(), stack, engine, result);
    }
    return RunOnHeap(engine, result);
  }

  std::size_t Size() const { return code_.size(); }  // instructions, kEnd included

 private:
  // Five slots above the deepest stack take the zeros that pad argument lists.
  static constexpr int kStackReserve = 6;
  static constexpr int kLocalStack = 64;

  explicit Program(CCalcEngine& engine) : engine_(&engine) {}
  CalcError RunOnHeap(CCalcEngine& engine, double& result) const;

  bool Emit(const CExprNode& node);
  bool EmitOperation(const CExprNode& node);
  bool EmitArguments(const CExprNode& node, bool firstIsFunction);
  void EmitBinary(int op, std::size_t leftStart, std::size_t rightStart);
  bool EmitCall(const CExprNode& node, int count, bool argumentsFoldable);
  int RecordArgumentTexts(const CExprNode& node);
  void EmitConstant(double value);
  void Append(const Instruction& in);
  bool FoldFrom(std::size_t start);
  void Finish();
  void Push(int depth);
  // Runs code that ends with kEnd.
  CalcError Execute(const Instruction* code, double* stack, CCalcEngine& engine,
                    double& result) const;

  CCalcEngine* engine_;  // the engine compiled for (angle mode, folding)
  std::vector<Instruction> code_;
  std::vector<Program> functionArguments_;  // first arguments of FINT, FDIFF, FZERO, FSUM
  std::vector<ArgumentTexts> argumentTexts_;  // string literals of calls (CONVERT's units)
  int stackDepth_ = 0;
  int maxStack_ = 0;
};

}  // namespace orvella
