#include "engine/program.h"

#include <cmath>
#include <cstdlib>

#include "engine/bound_variables.h"
#include "engine/calc_engine.h"
#include "engine/expr_node.h"
#include "engine/user_names.h"
#include "library/constant_table.h"
#include "library/function_dispatch.h"
#include "library/function_ids.h"

namespace orvella {
namespace {

// RAND's scale: the single-precision value of 1/32767 over 15 random bits, 0 to just below 1.
constexpr double kRandomScale = 3.0518509447574615e-05;

double RandomValue() {
  long long bits = (static_cast<long long>(std::rand()) * 32768) / (RAND_MAX + 1LL);
  return static_cast<double>(bits) * kRandomScale;
}

// Overflow and non-finite results: +-1E300 with the sign of the result.
CalcError OutOfRange(double value, double& result) {
  result = std::copysign(1e300, value);
  return kNumberOutOfRange;
}

CalcError Failed(CalcError code, double& result) {
  result = 0.0;
  return code;
}

}  // namespace

double CallContext::ToRadians(double angle) const {
  switch (engine_.GetAngleMode()) {
    case AngleMode::Degrees: return angle * 0.017453292519943295;
    case AngleMode::Gradians: return angle * 0.015707963267948967;
    case AngleMode::Radians: break;
  }
  return angle;
}

double CallContext::FromRadians(double radians) const {
  switch (engine_.GetAngleMode()) {
    case AngleMode::Degrees: return radians * 57.29577951308232;
    case AngleMode::Gradians: return radians * 63.66197723675813;
    case AngleMode::Radians: break;
  }
  return radians;
}

CalcError CallContext::EvaluateFunctionArgument(double x, double& result) {
  if (functionArgument_ == nullptr) return Failed(kBadArgument, result);
  BoundVariables()[kBoundX].value = x;
  return functionArgument_->Run(engine_, result);
}

Program Program::Compile(const CExprNode& root) {
  Program program;
  program.Emit(root);
  return program;
}

void Program::Push(int depth) {
  stackDepth_ += depth;
  if (stackDepth_ > maxStack_) maxStack_ = stackDepth_;
}

void Program::EmitArguments(const CExprNode& node, bool firstIsFunction) {
  const CExprNode* link = node.left.get();
  bool first = true;
  while (link != nullptr) {
    const CExprNode* element = link;
    const CExprNode* next = nullptr;
    if (link->kind == NodeKind::ArgumentList) {
      element = link->left.get();
      next = link->right.get();
    }
    if (first && firstIsFunction) {
      functionArguments_.push_back(element ? Compile(*element) : Program());
      code_.push_back({Instr::kConstant});  // its place in the argument list
      Push(1);
    } else if (element != nullptr) {
      Emit(*element);
    } else {
      code_.push_back({Instr::kConstant});
      Push(1);
    }
    first = false;
    link = next;
  }
  if (node.right) Emit(*node.right);
}

void Program::Emit(const CExprNode& node) {
  Instruction in{Instr::kConstant};
  switch (node.kind) {
    case NodeKind::Number:
      in.constant = node.value;
      break;
    case NodeKind::Undefined:
    case NodeKind::String:
    case NodeKind::ArgumentList:
      break;
    case NodeKind::Variable:
      in.code = Instr::kVariable;
      in.index = node.index;
      break;
    case NodeKind::BoundVariable:
      in.code = Instr::kBound;
      in.index = node.index;
      break;
    case NodeKind::PredefinedConstant:
      in.constant = ConstantRows()[node.index].value;
      break;
    case NodeKind::UserConstant:
      in.code = Instr::kUserConstant;
      in.index = node.index;
      break;
    case NodeKind::Operation: {
      const int op = node.op;
      if (op == kOpPower && node.right && node.right->kind == NodeKind::Number &&
          node.right->value == 2.0 && node.left) {
        Emit(*node.left);
        code_.push_back({Instr::kSquare});
        return;
      }
      const int before = stackDepth_;
      EmitArguments(node, function_id::TakesFunctionArgument(op));
      in.count = stackDepth_ - before;
      switch (op) {
        case kOpAdd: in.code = Instr::kAdd; break;
        case kOpSubtract: in.code = Instr::kSubtract; break;
        case kOpMultiply: in.code = Instr::kMultiply; break;
        case kOpDivide: in.code = Instr::kDivide; break;
        case kOpPower: in.code = Instr::kPower; break;
        case kOpPercent: in.code = Instr::kPercent; break;
        case kOpRandom: in.code = Instr::kRandom; break;
        case kOpUserFunction:
          in.code = Instr::kUserFunction;
          in.index = node.index;
          break;
        default:
          in.function = op <= function_id::kLastEvaluatedId ? FunctionImplementation(op) : nullptr;
          in.code = in.function ? Instr::kCall : Instr::kZero;
          in.padded = !function_id::IsVariadic(op);
          if (function_id::TakesFunctionArgument(op) && node.left) {
            in.index = static_cast<int>(functionArguments_.size()) - 1;
          }
          break;
      }
      code_.push_back(in);
      stackDepth_ = before;
      Push(1);
      return;
    }
  }
  code_.push_back(in);
  Push(1);
}

CalcError Program::Run(CCalcEngine& engine, double& result) const {
  // Five slots above the deepest stack take the zeros that pad argument lists.
  constexpr int kPadding = 5;
  constexpr int kLocalSize = 64;
  double local[kLocalSize];
  std::vector<double> heap;
  double* stack = local;
  if (maxStack_ + kPadding + 1 > kLocalSize) {
    heap.resize(static_cast<std::size_t>(maxStack_ + kPadding + 1));
    stack = heap.data();
  }
  double* sp = stack - 1;
  const std::vector<ValueVariable>& variables = engine.Variables();
  const auto& bound = BoundVariables();

  for (const Instruction& in : code_) {
    switch (in.code) {
      case Instr::kConstant:
        *++sp = in.constant;
        continue;
      case Instr::kVariable:
        if (static_cast<std::size_t>(in.index) >= variables.size()) return Failed(kInvalidName, result);
        *++sp = variables[in.index].value;
        continue;
      case Instr::kBound:
        *++sp = bound[in.index].value;
        continue;
      case Instr::kUserConstant: {
        UserNames* users = InstalledUserNames();
        if (users == nullptr || in.index < 0 || in.index >= users->ConstantCount()) {
          return Failed(kInvalidName, result);
        }
        *++sp = users->ConstantValue(in.index);
        continue;
      }
      case Instr::kAdd:
        --sp;
        *sp = sp[0] + sp[1];
        break;
      case Instr::kSubtract:
        --sp;
        *sp = sp[0] - sp[1];
        break;
      case Instr::kMultiply:
        --sp;
        *sp = sp[0] * sp[1];
        break;
      case Instr::kDivide:
        --sp;
        if (sp[1] == 0.0) return Failed(kDivisionByZero, result);
        *sp = sp[0] / sp[1];
        break;
      case Instr::kPower: {
        --sp;
        double base = sp[0];
        double exponent = sp[1];
        *sp = std::pow(base, exponent);
        // A negative base with a fractional exponent is the domain error of pow.
        if (std::isnan(*sp) && !std::isnan(base) && !std::isnan(exponent)) {
          return Failed(kInvalidArgument, result);
        }
        break;
      }
      case Instr::kSquare:
        *sp = *sp * *sp;
        break;
      case Instr::kPercent:
        *sp = *sp * 0.01;
        break;
      case Instr::kRandom:
        *++sp = RandomValue();
        break;
      case Instr::kCall: {
        double* args = sp - in.count + 1;
        if (in.padded) {
          for (int k = 0; k < kPadding; ++k) args[in.count + k] = 0.0;
        }
        double value = 0.0;
        CallContext context(engine, in.index >= 0 ? &functionArguments_[in.index] : nullptr);
        CalcError code = in.function(context, args, in.count, value);
        sp = args;
        *sp = value;
        if (code != kNoError) {
          if (code == kNumberOutOfRange) return OutOfRange(value, result);
          return Failed(code, result);
        }
        break;
      }
      case Instr::kUserFunction: {
        double* args = sp - in.count + 1;
        UserNames* users = InstalledUserNames();
        if (users == nullptr) return Failed(kInvalidName, result);
        double value = 0.0;
        CalcError code = users->CallFunction(in.index, args, in.count, value);
        sp = args;
        *sp = value;
        if (code != kNoError) return Failed(code, result);
        break;
      }
      case Instr::kZero:
        sp -= in.count - 1;
        *sp = 0.0;
        continue;
    }
    // Every operation's result must be finite: overflow and NaN are range errors.
    if (!std::isfinite(*sp)) [[unlikely]] return OutOfRange(*sp, result);
  }
  result = *sp;
  return kNoError;
}

}  // namespace orvella
