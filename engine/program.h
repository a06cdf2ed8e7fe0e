// A parsed tree compiled into a flat postfix program. Plots, integration, root finding and
// fitting evaluate one tree millions of times; walking a contiguous array of small
// instructions is much faster than chasing node pointers, and it applies the same rules.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/call_context.h"
#include "engine/calc_error.h"

namespace orvella {

class CCalcEngine;
class CExprNode;

enum class Instr : std::uint8_t {
  kConstant,      // push constant
  kVariable,      // push value variable [index] of the engine (error 20 when gone)
  kBound,         // push bound variable [index]
  kUserConstant,  // push user constant [index] (error 20 when gone)
  kAdd,
  kSubtract,
  kMultiply,
  kDivide,        // error 38 for a zero divisor
  kPower,
  kSquare,        // x^2 written with the literal 2: exactly x*x
  kPercent,
  kRandom,
  kCall,          // function with count arguments on the stack
  kUserFunction,  // user function [index] with count arguments
  kZero,          // an id without evaluation: drop count arguments, push 0
};

struct Instruction {
  Instr code;
  bool padded = false;   // kCall: five zeros follow the arguments
  std::int32_t count = 0;
  std::int32_t index = -1;  // variable, bound variable, user item or function argument
  double constant = 0.0;
  FunctionImpl function = nullptr;
};

class Program {
 public:
  // Compiles a successfully parsed tree.
  static Program Compile(const CExprNode& root);

  // Runs the program; on failure returns the code and the value of the failing operation.
  CalcError Run(CCalcEngine& engine, double& result) const;

 private:
  void Emit(const CExprNode& node);
  void EmitArguments(const CExprNode& node, bool firstIsFunction);
  void Push(int depth);

  std::vector<Instruction> code_;
  std::vector<Program> functionArguments_;  // first arguments of FINT, FDIFF, FZERO, FSUM
  int stackDepth_ = 0;
  int maxStack_ = 0;
};

}  // namespace orvella
