// The physical and mathematical constants every expression can name by symbol.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace orvella {

struct ConstantRow {
  const char* name;
  const char* unit;    // empty for dimensionless constants
  const char* symbol;  // the name used in expressions, compared without regard to case
  double value;
};

inline constexpr int kConstantCount = 29;

std::span<const ConstantRow> ConstantRows();

// Index of the first row whose symbol matches without regard to case, or -1.
int FindConstantSymbol(std::string_view symbol);

// "name (value unit)", the value printed with 15 significant digits.
std::string DescribeConstant(const ConstantRow& row);

}  // namespace orvella
