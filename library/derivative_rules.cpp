#include "library/derivative_rules.h"

#include "engine/expr_node.h"
#include "library/function_ids.h"

namespace orvella {
namespace {

using S = RuleSlot;
using P = PowerCase;
namespace f = function_id;

constexpr S L = S::kLeft;
constexpr S dL = S::kLeftDerivative;
constexpr S R = S::kRight;
constexpr S dR = S::kRightDerivative;

// Synonyms (ARCSIN for ASIN and so on) share their row through the op code.
constexpr DerivativeRule kRules[] = {
    {kOpAdd, P::kNotPower, "%s%s%s", {dL, S::kOperator, dR}},
    {kOpSubtract, P::kNotPower, "%s%s%s", {dL, S::kOperator, dR}},
    {kOpMultiply, P::kNotPower, "%s*%s+%s*%s", {L, dR, R, dL}},
    {kOpDivide, P::kNotPower, "(%s*%s-%s*%s)/%s^2", {R, dL, L, dR, R}},
    {kOpPower, P::kNumericExponent, "(%g)*%s^(%g)*%s", {S::kExponent, L, S::kExponentLessOne, dL}},
    {kOpPower, P::kConstantExponent, "%s*%s^(%s-1)*%s", {R, L, R, dL}},
    {kOpPower, P::kConstantBase, "ln(%s)*%s^%s*%s", {L, L, R, dR}},
    {kOpPower, P::kGeneral, "%s^%s*(ln(%s)*%s+%s*%s/%s)", {L, R, L, dR, R, dL, L}},
    {f::kExp, P::kNotPower, "exp(%s)*%s", {L, dL}},
    {f::kLn, P::kNotPower, "%s/%s", {dL, L}},
    {f::kLog, P::kNotPower, "%s/(ln(10)*%s)", {dL, L}},
    {f::kSin, P::kNotPower, "cos(%s)*%s", {L, dL}},
    {f::kCos, P::kNotPower, "-sin(%s)*%s", {L, dL}},
    {f::kTan, P::kNotPower, "sec(%s)^2*%s", {L, dL}},
    {f::kSec, P::kNotPower, "sec(%s)*tan(%s)*%s", {L, L, dL}},
    {f::kCsc, P::kNotPower, "-csc(%s)*cot(%s)*%s", {L, L, dL}},
    {f::kCot, P::kNotPower, "-csc(%s)^2*%s", {L, dL}},
    {f::kAbs, P::kNotPower, "%s/abs(%s)*%s", {L, L, dL}},
    {f::kSqrt, P::kNotPower, "%s/(2*sqrt(%s))", {dL, L}},
    {f::kSqr, P::kNotPower, "2*%s*%s", {L, dL}},
    {f::kAsin, P::kNotPower, "%s/sqrt(1-%s^2)", {dL, L}},
    {f::kAcos, P::kNotPower, "-%s/sqrt(1-%s^2)", {dL, L}},
    {f::kAtan, P::kNotPower, "%s/(1+%s^2)", {dL, L}},
    {f::kAsec, P::kNotPower, "%s/(abs(%s)*sqrt(%s^2-1))", {dL, L, L}},
    {f::kAcsc, P::kNotPower, "-%s/(abs(%s)*sqrt(%s^2-1))", {dL, L, L}},
    {f::kAcot, P::kNotPower, "-%s/(1+%s^2)", {dL, L}},
    {f::kSinh, P::kNotPower, "cosh(%s)*%s", {L, dL}},
    {f::kCosh, P::kNotPower, "sinh(%s)*%s", {L, dL}},
    {f::kTanh, P::kNotPower, "sech(%s)^2*%s", {L, dL}},
    {f::kSech, P::kNotPower, "-sech(%s)*tanh(%s)*%s", {L, L, dL}},
    {f::kCsch, P::kNotPower, "-csch(%s)*coth(%s)*%s", {L, L, dL}},
    {f::kCoth, P::kNotPower, "-csch(%s)^2*%s", {L, dL}},
    {f::kAsinh, P::kNotPower, "%s/sqrt(%s^2+1)", {dL, L}},
    {f::kAcosh, P::kNotPower, "%s/sqrt(%s^2-1)", {dL, L}},
    {f::kAtanh, P::kNotPower, "%s/(1-%s^2)", {dL, L}},
    {f::kAcoth, P::kNotPower, "%s/(1-%s^2)", {dL, L}},
    {f::kAsech, P::kNotPower, "-%s/(%s*sqrt(1-%s^2))", {dL, L, L}},
    {f::kAcsch, P::kNotPower, "-%s/(abs(%s)*sqrt(1+%s^2))", {dL, L, L}},
};

}  // namespace

bool DerivativeRule::Uses(RuleSlot slot) const {
  for (RuleSlot s : slots) {
    if (s == slot) return true;
  }
  return false;
}

const DerivativeRule* FindDerivativeRule(int op, PowerCase powerCase) {
  for (const DerivativeRule& rule : kRules) {
    if (rule.op == op && rule.powerCase == powerCase) return &rule;
  }
  return nullptr;
}

std::string FillRule(const DerivativeRule& rule, const SlotTexts& texts) {
  std::string out;
  std::size_t next = 0;
  for (const char* p = rule.pattern; *p != '\0'; ++p) {
    if (p[0] == '%' && (p[1] == 's' || p[1] == 'g') && next < rule.slots.size()) {
      out += texts[static_cast<std::size_t>(rule.slots[next++])];
      ++p;
    } else {
      out += *p;
    }
  }
  return out;
}

}  // namespace orvella
