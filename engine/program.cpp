#include "engine/program.h"

#include <cmath>
#include <cstdlib>

#include "engine/bound_variables.h"
#include "engine/calc_engine.h"
#include "engine/evaluation_budget.h"
#include "engine/expr_node.h"
#include "engine/integer_power.h"
#include "engine/user_names.h"
#include "library/constant_table.h"
#include "library/function_dispatch.h"
#include "library/function_ids.h"

namespace orvella {
namespace {

// RAND's scale: the single-precision value of 1/32767 over 15 random bits, 0 to just below 1.
constexpr double kRandomScale = 3.0518509447574615e-05;

constexpr int kPadding = 5;  // zeros after the arguments of a call

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

bool IsPowDomainError(double value, double base, double exponent) {
  return std::isnan(value) && !std::isnan(base) && !std::isnan(exponent);
}

double AngleToRadians(AngleMode mode) {
  switch (mode) {
    case AngleMode::Degrees: return 0.017453292519943295;
    case AngleMode::Gradians: return 0.015707963267948967;
    case AngleMode::Radians: break;
  }
  return 1.0;
}

double RadiansToAngle(AngleMode mode) {
  switch (mode) {
    case AngleMode::Degrees: return 57.29577951308232;
    case AngleMode::Gradians: return 63.66197723675813;
    case AngleMode::Radians: break;
  }
  return 1.0;
}

}  // namespace

double CallContext::ToRadians(double angle) const {
  double factor = AngleToRadians(engine_.GetAngleMode());
  return factor == 1.0 ? angle : angle * factor;
}

double CallContext::FromRadians(double radians) const {
  double factor = RadiansToAngle(engine_.GetAngleMode());
  return factor == 1.0 ? radians : radians * factor;
}

CalcError CallContext::EvaluateFunctionArgument(double x, double& result) {
  if (functionArgument_ == nullptr) return Failed(kBadArgument, result);
  if (!ChargeEvaluation()) return Failed(kMaxIterationsExceeded, result);
  BoundVariables()[kBoundX].value = x;
  return functionArgument_->Run(engine_, result);
}

// --- compilation ---

Program Program::Compile(const CExprNode& root, CCalcEngine& engine) {
  Program program(engine);
  program.Emit(root);
  program.Finish();
  return program;
}

void Program::Finish() {
  Instruction end;
  end.code = Instr::kEnd;
  code_.push_back(end);
}

void Program::Push(int depth) {
  stackDepth_ += depth;
  if (stackDepth_ > maxStack_) maxStack_ = stackDepth_;
}

void Program::EmitConstant(double value) {
  Instruction in;
  in.constant = value;
  code_.push_back(in);
  Push(1);
}

// Appends an instruction, fused with the one before when the pair has a fused form. The
// instruction before is always the last of the operand the new one works on.
void Program::Append(const Instruction& in) {
  if (code_.empty()) {
    code_.push_back(in);
    return;
  }
  Instruction& last = code_.back();
  auto fuse = [&](Instr code, double first, double second) {
    last.code = code;
    last.constant = first;
    last.second = second;
  };
  const bool bound = last.code == Instr::kBound;
  switch (in.code) {
    case Instr::kMultiplyConstant:
      if (bound) return fuse(Instr::kBoundTimes, in.constant, 0.0);
      break;
    case Instr::kSquare:
      if (bound) return fuse(Instr::kBoundSquared, 0.0, 0.0);
      break;
    case Instr::kIntegerPower:
      if (bound) {
        last.code = Instr::kBoundIntegerPower;
        last.count = in.count;
        return;
      }
      break;
    case Instr::kUnary:
      if (bound) {
        last.code = Instr::kBoundUnary;
        last.kernel = in.kernel;
        return;
      }
      break;
    case Instr::kAddConstant:
    case Instr::kSubtractConstant: {
      // x - c is x + (-c) exactly.
      const double addend = in.code == Instr::kAddConstant ? in.constant : -in.constant;
      if (last.code == Instr::kBoundTimes) return fuse(Instr::kBoundLinear, last.constant, addend);
      if (last.code == Instr::kMultiplyConstant) {
        return fuse(Instr::kMultiplyAdd, last.constant, addend);
      }
      break;
    }
    case Instr::kConstantMinus:
      if (last.code == Instr::kMultiplyConstant) {
        return fuse(Instr::kConstantMinusProduct, last.constant, in.constant);
      }
      break;
    default:
      break;
  }
  code_.push_back(in);
}

// Emits the code of a node; returns whether it is a constant that could be folded.
bool Program::Emit(const CExprNode& node) {
  Instruction in;
  switch (node.kind) {
    case NodeKind::Number:
      EmitConstant(node.value);
      return true;
    case NodeKind::Undefined:
    case NodeKind::String:
    case NodeKind::ArgumentList:
      EmitConstant(0.0);
      return true;
    case NodeKind::PredefinedConstant:
      EmitConstant(ConstantRows()[node.index].value);
      return true;
    case NodeKind::Variable:
      in.code = Instr::kVariable;
      break;
    case NodeKind::BoundVariable:
      in.code = Instr::kBound;
      break;
    case NodeKind::UserConstant:
      in.code = Instr::kUserConstant;
      break;
    case NodeKind::Operation:
      return EmitOperation(node);
  }
  in.index = node.index;
  code_.push_back(in);
  Push(1);
  return false;
}

bool Program::EmitArguments(const CExprNode& node, bool firstIsFunction) {
  bool foldable = !firstIsFunction;
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
      if (element != nullptr) {
        functionArguments_.push_back(Compile(*element, *engine_));
      } else {
        functionArguments_.push_back(Program(*engine_));
        functionArguments_.back().EmitConstant(0.0);
        functionArguments_.back().Finish();
      }
      EmitConstant(0.0);  // its place in the argument list
    } else if (element != nullptr) {
      foldable = Emit(*element) && foldable;
    } else {
      EmitConstant(0.0);
    }
    first = false;
    link = next;
  }
  if (node.right) foldable = Emit(*node.right) && foldable;
  return foldable;
}

// Keeps the texts of the string-literal arguments of a call; -1 when it has none.
int Program::RecordArgumentTexts(const CExprNode& node) {
  ArgumentTexts texts;
  bool any = false;
  for (const CExprNode* link = node.left.get(); link != nullptr;) {
    const CExprNode* element = link;
    const CExprNode* next = nullptr;
    if (link->kind == NodeKind::ArgumentList) {
      element = link->left.get();
      next = link->right.get();
    }
    if (element != nullptr && element->kind == NodeKind::String) {
      texts.emplace_back(element->token);
      any = true;
    } else {
      texts.emplace_back(std::nullopt);
    }
    link = next;
  }
  if (!any) return -1;
  argumentTexts_.push_back(std::move(texts));
  return static_cast<int>(argumentTexts_.size()) - 1;
}

// A binary operator whose operand is a constant takes it from the instruction itself.
void Program::EmitBinary(int op, std::size_t leftStart, std::size_t rightStart) {
  Instruction in;
  const bool rightConstant = code_.size() - rightStart == 1 && code_.back().code == Instr::kConstant;
  const bool leftConstant = rightStart - leftStart == 1 && code_[leftStart].code == Instr::kConstant;
  if (rightConstant && !(op == kOpDivide && code_.back().constant == 0.0)) {
    in.constant = code_.back().constant;
    code_.pop_back();
    switch (op) {
      case kOpAdd: in.code = Instr::kAddConstant; break;
      case kOpSubtract: in.code = Instr::kSubtractConstant; break;
      case kOpMultiply: in.code = Instr::kMultiplyConstant; break;
      case kOpDivide: in.code = Instr::kDivideConstant; break;
      default: {
        const double c = in.constant;
        if (c == 2.0) {
          in.code = Instr::kSquare;
        } else if (c >= kMinIntegerPower && c <= kMaxIntegerPower && c == std::floor(c)) {
          in.code = Instr::kIntegerPower;
          in.count = static_cast<int>(c);
        } else {
          in.code = Instr::kPowerConstant;
        }
        break;
      }
    }
  } else if (leftConstant) {
    in.constant = code_[leftStart].constant;
    code_.erase(code_.begin() + static_cast<std::ptrdiff_t>(leftStart));
    switch (op) {
      case kOpAdd: in.code = Instr::kAddConstant; break;
      case kOpSubtract: in.code = Instr::kConstantMinus; break;
      case kOpMultiply: in.code = Instr::kMultiplyConstant; break;
      case kOpDivide: in.code = Instr::kConstantOver; break;
      default: in.code = Instr::kConstantPower; break;
    }
  } else {
    static constexpr Instr kPlain[] = {Instr::kAdd, Instr::kSubtract, Instr::kMultiply,
                                       Instr::kDivide, Instr::kPower};
    in.code = kPlain[op - kOpAdd];
  }
  Append(in);
}

bool Program::EmitCall(const CExprNode& node, int count, bool argumentsFoldable) {
  const int op = node.op;
  Instruction in;
  in.count = count;
  const FunctionEntry* entry =
      op <= function_id::kLastEvaluatedId ? FunctionImplementation(op) : nullptr;
  if (entry == nullptr) {
    in.code = Instr::kZero;
    code_.push_back(in);
    return argumentsFoldable;
  }
  const AngleMode angle = engine_->GetAngleMode();
  in.kernel = entry->kernel;
  switch (entry->form) {
    case UnaryForm::kPlain: in.code = Instr::kUnary; break;
    case UnaryForm::kAngleIn:
      in.constant = AngleToRadians(angle);
      in.code = in.constant == 1.0 ? Instr::kUnary : Instr::kUnaryAngleIn;
      break;
    case UnaryForm::kAngleOut:
      in.constant = RadiansToAngle(angle);
      in.code = Instr::kUnaryAngleOut;
      break;
    case UnaryForm::kNonNegative: in.code = Instr::kUnaryNonNegative; break;
    case UnaryForm::kPositive: in.code = Instr::kUnaryPositive; break;
    case UnaryForm::kNone:
      in.code = Instr::kCall;
      in.function = entry->function;
      in.padded = !function_id::IsVariadic(op);
      if (function_id::TakesFunctionArgument(op) && node.left) {
        in.index = static_cast<int>(functionArguments_.size()) - 1;
      }
      in.texts = RecordArgumentTexts(node);
      break;
  }
  Append(in);
  return argumentsFoldable && entry->pure;
}

bool Program::EmitOperation(const CExprNode& node) {
  const std::size_t start = code_.size();
  const int before = stackDepth_;
  const int op = node.op;
  bool foldable = false;
  if (op >= kOpAdd && op <= kOpPower && node.left && node.right) {
    bool left = Emit(*node.left);
    const std::size_t rightStart = code_.size();
    bool right = Emit(*node.right);
    EmitBinary(op, start, rightStart);
    foldable = left && right;
  } else {
    bool arguments = EmitArguments(node, function_id::TakesFunctionArgument(op));
    Instruction in;
    in.count = stackDepth_ - before;
    switch (op) {
      case kOpPercent:
        in.code = Instr::kPercent;
        foldable = arguments;
        break;
      case kOpRandom:
        in.code = Instr::kRandom;
        break;
      case kOpUserFunction:
        in.code = Instr::kUserFunction;
        in.index = node.index;
        break;
      default:
        foldable = EmitCall(node, in.count, arguments);
        in.code = Instr::kZero;  // emitted by EmitCall
        break;
    }
    if (op == kOpPercent || op == kOpRandom || op == kOpUserFunction) code_.push_back(in);
  }
  stackDepth_ = before;
  Push(1);
  return foldable && FoldFrom(start);
}

// Replaces constant code by its value when it evaluates without error; code that fails
// stays, so that it fails with its code at every evaluation.
bool Program::FoldFrom(std::size_t start) {
  if (code_.size() - start <= 1) return true;
  std::vector<double> stack(static_cast<std::size_t>(maxStack_ + kStackReserve));
  double value = 0.0;
  Finish();
  CalcError status = Execute(code_.data() + start, stack.data(), *engine_, value);
  code_.pop_back();
  if (status != kNoError) return false;
  code_.resize(start);
  Instruction in;
  in.constant = value;
  code_.push_back(in);
  return true;
}

// --- evaluation ---

CalcError Program::RunOnHeap(CCalcEngine& engine, double& result) const {
  std::vector<double> stack(static_cast<std::size_t>(maxStack_ + kStackReserve));
  return Execute(code_.data(), stack.data(), engine, result);
}

// Labels as values (a GCC and Clang extension) make the threaded dispatch below.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpedantic"

// Threaded dispatch: every instruction ends with its own jump to the next one, which the
// processor predicts far better than one shared switch. Every operation's result must be
// finite: overflow and NaN are range errors (CHECKED_NEXT).
CalcError Program::Execute(const Instruction* ip, double* stack, CCalcEngine& engine,
                           double& result) const {
  static constexpr void* kHandlers[] = {
      &&constant, &&variable, &&bound, &&user_constant, &&add, &&subtract, &&multiply,
      &&divide, &&power, &&add_constant, &&subtract_constant, &&multiply_constant,
      &&divide_constant, &&power_constant, &&constant_minus, &&constant_over,
      &&constant_power, &&square, &&integer_power, &&percent, &&random, &&unary, &&unary_angle_in,
      &&unary_angle_out, &&unary_non_negative, &&unary_positive, &&call, &&user_function,
      &&zero, &&bound_times, &&bound_squared, &&bound_integer_power, &&bound_unary, &&bound_linear,
      &&multiply_add, &&constant_minus_product, &&end};
  static_assert(std::size(kHandlers) == static_cast<std::size_t>(Instr::kEnd) + 1);

#define NEXT() goto* kHandlers[static_cast<int>((++ip)->code)]
#define CHECK(value)                                                         \
  do {                                                                       \
    if (!std::isfinite(value)) [[unlikely]] return OutOfRange(value, result); \
  } while (0)
#define CHECKED_NEXT() \
  do {                 \
    CHECK(*sp);        \
    NEXT();            \
  } while (0)

  double* sp = stack - 1;
  const std::vector<ValueVariable>& variables = engine.Variables();
  BoundVariable* bound = BoundVariables().data();
  --ip;
  NEXT();

constant:
  *++sp = ip->constant;
  NEXT();
variable:
  if (static_cast<std::size_t>(ip->index) >= variables.size()) return Failed(kInvalidName, result);
  *++sp = variables[static_cast<std::size_t>(ip->index)].value;
  NEXT();
bound:
  *++sp = bound[ip->index].value;
  NEXT();
user_constant: {
  UserNames* users = InstalledUserNames();
  if (users == nullptr || ip->index < 0 || ip->index >= users->ConstantCount()) {
    return Failed(kInvalidName, result);
  }
  *++sp = users->ConstantValue(ip->index);
  NEXT();
}
add:
  --sp;
  *sp = sp[0] + sp[1];
  CHECKED_NEXT();
subtract:
  --sp;
  *sp = sp[0] - sp[1];
  CHECKED_NEXT();
multiply:
  --sp;
  *sp = sp[0] * sp[1];
  CHECKED_NEXT();
divide:
  --sp;
  if (sp[1] == 0.0) return Failed(kDivisionByZero, result);
  *sp = sp[0] / sp[1];
  CHECKED_NEXT();
power: {
  --sp;
  double base = sp[0];
  double exponent = sp[1];
  *sp = std::pow(base, exponent);
  if (IsPowDomainError(*sp, base, exponent)) return Failed(kInvalidArgument, result);
  CHECKED_NEXT();
}
add_constant:
  *sp += ip->constant;
  CHECKED_NEXT();
subtract_constant:
  *sp -= ip->constant;
  CHECKED_NEXT();
multiply_constant:
  *sp *= ip->constant;
  CHECKED_NEXT();
divide_constant:
  *sp /= ip->constant;
  CHECKED_NEXT();
power_constant: {
  double base = *sp;
  *sp = std::pow(base, ip->constant);
  if (IsPowDomainError(*sp, base, ip->constant)) return Failed(kInvalidArgument, result);
  CHECKED_NEXT();
}
constant_minus:
  *sp = ip->constant - *sp;
  CHECKED_NEXT();
constant_over:
  if (*sp == 0.0) return Failed(kDivisionByZero, result);
  *sp = ip->constant / *sp;
  CHECKED_NEXT();
constant_power: {
  double exponent = *sp;
  *sp = std::pow(ip->constant, exponent);
  if (IsPowDomainError(*sp, ip->constant, exponent)) return Failed(kInvalidArgument, result);
  CHECKED_NEXT();
}
square:
  *sp = *sp * *sp;
  CHECKED_NEXT();
integer_power:
  *sp = IntegerPower(*sp, ip->count);
  CHECKED_NEXT();
percent:
  *sp = *sp * 0.01;
  CHECKED_NEXT();
random:
  *++sp = RandomValue();
  NEXT();
unary:
  *sp = ip->kernel(*sp);
  CHECKED_NEXT();
unary_angle_in:
  *sp = ip->kernel(*sp * ip->constant);
  CHECKED_NEXT();
unary_angle_out: {
  double x = *sp;
  double r = ip->kernel(x);
  if (std::isnan(r) && !std::isnan(x)) return Failed(kInvalidArgument, result);
  *sp = r * ip->constant;
  CHECKED_NEXT();
}
unary_non_negative:
  if (*sp < 0.0) return Failed(kNegativeSquareRoot, result);
  *sp = ip->kernel(*sp);
  CHECKED_NEXT();
unary_positive:
  if (*sp <= 0.0) return Failed(kNonPositiveLogarithm, result);
  *sp = ip->kernel(*sp);
  CHECKED_NEXT();
call: {
  double* args = sp - ip->count + 1;
  if (ip->padded) {
    for (int k = 0; k < kPadding; ++k) args[ip->count + k] = 0.0;
  }
  double value = 0.0;
  CalcError status = kNoError;
  if (ip->index >= 0) {
    EvaluationBudgetScope budget;  // a routine over a function of x
    CallContext context(engine, &functionArguments_[ip->index]);
    status = ip->function(context, args, ip->count, value);
  } else {
    CallContext context(engine, nullptr, ip->texts >= 0 ? &argumentTexts_[ip->texts] : nullptr);
    status = ip->function(context, args, ip->count, value);
  }
  sp = args;
  *sp = value;
  if (status == kNumberOutOfRange) return OutOfRange(value, result);
  if (status != kNoError) return Failed(status, result);
  CHECKED_NEXT();
}
user_function: {
  double* args = sp - ip->count + 1;
  UserNames* users = InstalledUserNames();
  if (users == nullptr) return Failed(kInvalidName, result);
  double value = 0.0;
  CalcError status =
      users->CallFunction(ip->index, args, ip->count, engine.GetAngleMode(), value);
  sp = args;
  *sp = value;
  if (status != kNoError) return Failed(status, result);
  CHECKED_NEXT();
}
zero:
  sp -= ip->count - 1;
  *sp = 0.0;
  NEXT();
bound_times:
  *++sp = bound[ip->index].value * ip->constant;
  CHECKED_NEXT();
bound_squared: {
  const double x = bound[ip->index].value;
  *++sp = x * x;
  CHECKED_NEXT();
}
bound_integer_power:
  *++sp = IntegerPower(bound[ip->index].value, ip->count);
  CHECKED_NEXT();
bound_unary:
  *++sp = ip->kernel(bound[ip->index].value);
  CHECKED_NEXT();
bound_linear: {
  const double product = bound[ip->index].value * ip->constant;
  CHECK(product);
  *++sp = product + ip->second;
  CHECKED_NEXT();
}
multiply_add: {
  const double product = *sp * ip->constant;
  CHECK(product);
  *sp = product + ip->second;
  CHECKED_NEXT();
}
constant_minus_product: {
  const double product = *sp * ip->constant;
  CHECK(product);
  *sp = ip->second - product;
  CHECKED_NEXT();
}
end:
  result = *sp;
  return kNoError;

#undef CHECKED_NEXT
#undef CHECK
#undef NEXT
}

#pragma GCC diagnostic pop

}  // namespace orvella
