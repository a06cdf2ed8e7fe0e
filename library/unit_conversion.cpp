#include "library/unit_conversion.h"

#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "engine/calc_engine.h"
#include "engine/expr_node.h"
#include "engine/text_util.h"
#include "library/unit_relations.h"

namespace orvella {
namespace {

// --- temperatures: degrees convert with offsets, so they bypass the factor search ---

struct TemperatureName {
  std::string_view upperCaseText;
  char scale;
};

constexpr std::array<TemperatureName, 6> kTemperatureNames = {{
    {"DEGC", 'C'},
    {"DEGREE C", 'C'},
    {"DEGK", 'K'},
    {"DEGREE K", 'K'},
    {"DEGF", 'F'},
    {"DEGREE F", 'F'},
}};

char TemperatureScale(std::string_view text) {
  const std::string upper = ToUpperAscii(text);
  for (const TemperatureName& name : kTemperatureNames) {
    if (name.upperCaseText == upper) return name.scale;
  }
  return 0;
}

double ToCelsius(double x, char scale) {
  if (scale == 'K') return x - 273.15;
  if (scale == 'F') return (x - 32) * 0.5555555555555556;
  return x;
}

double FromCelsius(double celsius, char scale) {
  if (scale == 'K') return celsius + 273.15;
  if (scale == 'F') return celsius * 1.8 + 32;
  return celsius;
}

// Degrees Rankine and a temperature against any other unit are left to the factor search,
// where the temperature relations are plain factors.
bool ConvertTemperature(double& value, std::string_view from, std::string_view to) {
  const char fromScale = TemperatureScale(from);
  const char toScale = TemperatureScale(to);
  if (fromScale == 0 || toScale == 0) return false;
  if (fromScale != toScale) value = FromCelsius(ToCelsius(value, fromScale), toScale);
  return true;
}

// --- unit expressions ---

bool IsUnitOperator(const CExprNode& node) {
  return node.op == kOpMultiply || node.op == kOpDivide || node.op == kOpPower;
}

// The two texts must be built alike: the same names' places, the same numbers, the same
// operators, and numbers as exponents (so m^2 never meets ft^3).
bool SameShape(const CExprNode& a, const CExprNode& b) {
  if (a.kind != b.kind) return false;
  switch (a.kind) {
    case NodeKind::Number:
      return a.value == b.value;
    case NodeKind::Variable:
      return true;
    case NodeKind::Operation:
      if (a.op != b.op || !IsUnitOperator(a) || !a.left || !a.right || !b.left || !b.right) {
        return false;
      }
      if (a.op == kOpPower && a.right->kind != NodeKind::Number) return false;
      return SameShape(*a.left, *b.left) && SameShape(*a.right, *b.right);
    default:
      return false;
  }
}

// Of two trees of the same shape.
CalcError TreeFactor(const UnitGraph& graph, const CExprNode& a, const CExprNode& b, int leftOut,
                     double& factor) {
  if (a.kind == NodeKind::Number) {
    factor = 1.0;
    return kNoError;
  }
  if (a.kind == NodeKind::Variable) return UnitNameFactor(graph, a.token, b.token, leftOut, factor);
  double left = 1.0;
  if (CalcError code = TreeFactor(graph, *a.left, *b.left, leftOut, left)) return code;
  if (a.op == kOpPower) {
    factor = std::pow(left, a.right->value);
    return kNoError;
  }
  double right = 1.0;
  if (CalcError code = TreeFactor(graph, *a.right, *b.right, leftOut, right)) return code;
  factor = a.op == kOpMultiply ? left * right : left / right;
  return kNoError;
}

bool ParseUnitText(CCalcEngine& engine, std::string_view text) {
  engine.Modes().everyNameIsVariable = true;
  engine.SetExpression(text);
  return engine.Parse() == kNoError;
}

// "yards" as "yard", "ft." as "ft"; short names such as "ms" and "lbs" are left whole.
std::string_view WithoutPluralOrPoint(std::string_view name) {
  const char last = name.empty() ? '\0' : name.back();
  const bool plural = (last == 's' || last == 'S') && name.size() > 3;
  const bool point = last == '.' && name.size() > 1;
  return plural || point ? name.substr(0, name.size() - 1) : name;
}

}  // namespace

CalcError UnitNameFactor(const UnitGraph& graph, std::string_view from, std::string_view to,
                         int leftOut, double& factor) {
  std::optional<double> found = graph.PathFactor(from, to, leftOut);
  if (!found) {
    const std::string_view singularFrom = WithoutPluralOrPoint(Trim(from));
    const std::string_view singularTo = WithoutPluralOrPoint(Trim(to));
    if (singularFrom.size() == Trim(from).size() && singularTo.size() == Trim(to).size()) {
      return kBadArgument;
    }
    found = graph.PathFactor(singularFrom, singularTo, leftOut);
    if (!found) return kBadArgument;
  }
  factor = *found;
  return kNoError;
}

CalcError ConvertThrough(const UnitGraph& graph, double& value, std::string_view from,
                         std::string_view to, int leftOut) {
  from = Trim(from);
  to = Trim(to);
  if (from == to) return kNoError;
  // Texts that differ only in case are still compared name by name below, where G (the
  // gauss) and g (the gram) stay apart; as texts of no unit expression they are equal.
  const bool sameButCase = EqualsNoCase(from, to);
  if (ConvertTemperature(value, from, to)) return kNoError;

  CCalcEngine fromTree;
  CCalcEngine toTree;
  if (!ParseUnitText(fromTree, from) || !ParseUnitText(toTree, to)) {
    return sameButCase ? kNoError : kBadArgument;
  }
  if (!SameShape(fromTree.Root(), toTree.Root())) return kBadArgument;
  double factor = 1.0;
  if (CalcError code = TreeFactor(graph, fromTree.Root(), toTree.Root(), leftOut, factor)) {
    return code;
  }
  value *= factor;
  return kNoError;
}

CalcError Convert(double& value, std::string_view from, std::string_view to) {
  return ConvertThrough(CurrentUnitGraph(), value, from, to);
}

}  // namespace orvella
