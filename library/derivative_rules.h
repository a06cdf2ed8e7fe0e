// The derivative templates: for each operation code, the text of its derivative with
// placeholders for the printed operand and the printed derivative of the operand.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace orvella {

// What fills a placeholder. L and R are the printed operands, dL and dR their printed
// derivatives, all four in parentheses.
enum class RuleSlot : std::uint8_t {
  kEnd = 0,  // no more placeholders
  kLeft,
  kLeftDerivative,
  kRight,
  kRightDerivative,
  kOperator,         // the operator character of + and -
  kExponent,         // n, the value of an exponent made of numbers only
  kExponentLessOne,  // n - 1
};

// '^' has four templates, chosen by what its operands are made of; other codes have one.
enum class PowerCase : std::uint8_t {
  kNotPower,
  kNumericExponent,   // exponent made of numbers only
  kConstantExponent,  // exponent free of the variable
  kConstantBase,      // base free of the variable
  kGeneral,
};

inline constexpr int kMaxRuleSlots = 7;

struct DerivativeRule {
  int op;
  PowerCase powerCase;
  const char* pattern;  // printf-like: each "%s" or "%g" takes the next slot
  std::array<RuleSlot, kMaxRuleSlots> slots;

  bool Uses(RuleSlot slot) const;
};

// The row of an operation code, or nullptr when it has no derivative rule.
const DerivativeRule* FindDerivativeRule(int op, PowerCase powerCase);

// Texts for the slots, indexed by RuleSlot.
using SlotTexts = std::array<std::string, 8>;

// The pattern with its placeholders replaced in order.
std::string FillRule(const DerivativeRule& rule, const SlotTexts& texts);

}  // namespace orvella
