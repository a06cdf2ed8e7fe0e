// Symbolic differentiation: the printed derivatives the rules fix, their values against
// closed forms, the failures, and that the engine is left as it was around the call.
#include <cmath>
#include <string>

#include "engine_fixture.h"

namespace orvella::test {
namespace {

constexpr double kRelativeTolerance = 1e-12;

class SymbolicDifferentiationTest : public EngineTest {
 protected:
  // The printed derivative, or "error N".
  std::string Derivative(const std::string& expression, const char* variable = "x") {
    engine_.SetExpression(expression);
    CalcError code = engine_.Differentiate(variable);
    if (code != kNoError) return "error " + std::to_string(code);
    return engine_.FormatExpression();
  }
};

struct TextCase {
  const char* expression;
  const char* derivative;
};

TEST_F(SymbolicDifferentiationTest, PrintsTheSimplifiedTemplates) {
  const TextCase cases[] = {
      {"x^2", "2*x"},            // (2)*(x)^(1)*(1) loses ^1 and *1
      {"sin(x)", "cos(x)"},
      {"exp(2*x)", "exp(2*x)*2"},
      {"a*x", "a"},              // an unknown name is a constant
      {"x*z", "z"},              // so is another bound variable
      {"5", "0"},
      {"x", "1"},
      {"PI*x", "3.14159265358979"},
      {"x*x", "x+x"},            // no terms are collected
      {"cos(x)", "0-sin(x)"},    // the template's leading minus reads as 0-
      {"ln(x)", "1/x"},
      {"log(x)", "1/(ln(10)*x)"},
      {"sqrt(x)", "1/(2*sqrt(x))"},
      {"2^x", "ln(2)*2^x"},      // base free of the variable
      {"x^y", "x^y*y/x"},        // general rule: ln(x)*0 and y*1 simplified away
      {"x/y", "y/y^2"},
      {"x^(-2)", "(-2)*x^(-3)"}, // negative numbers stay wrapped
      {"3+4*2", "0"},
      {"x^1.23456789", "1.23456789*x^0.23456789"},  // all digits of the exponent kept
      {"x^sqrt(4)", "2*x"},      // a call on numbers is made of numbers only
      {"x^a", "a*x^(a-1)"},      // exponent free of the variable
  };
  for (const TextCase& c : cases) {
    EXPECT_EQ(Derivative(c.expression), c.derivative) << c.expression;
  }
}

TEST_F(SymbolicDifferentiationTest, DifferentiatesInTheGivenVariable) {
  EXPECT_EQ(Derivative("a*y^2", "y"), "a*2*y");
  EXPECT_EQ(Derivative("x*w^3", "w"), "x*3*w^2");   // x is a constant here
  EXPECT_EQ(Derivative("x*W", "w"), "x");           // names match without regard to case
  EXPECT_EQ(Derivative("y*x", "y"), "x");
}

TEST_F(SymbolicDifferentiationTest, PrintsInTheCurrentConvention) {
  ScopedConvention french(kFrenchConvention);
  EXPECT_EQ(Derivative("x^2,5"), "2,5*x^1,5");
  EXPECT_EQ(Derivative("max(1;2)*x"), "error 29");
  EXPECT_EQ(Derivative("2,5*x^1,23456789"), "2,5*1,23456789*x^0,23456789");
}

TEST_F(SymbolicDifferentiationTest, OperationsWithoutARuleFailWith29) {
  const char* expressions[] = {
      "x!", "int(x)", "x%", "fact(x)", "mod(x,2)", "max(x,1)", "floor(x)", "rand*x",
      "sin(int(x))", "2^int(x)", "int(3)^x",  // both operands' derivatives are taken
      "\"text\"",
  };
  for (const char* expression : expressions) {
    EXPECT_EQ(Derivative(expression), "error 29") << expression;
  }
}

TEST_F(SymbolicDifferentiationTest, ParseErrorsAreReturned) {
  EXPECT_EQ(Derivative("x+"), "error 4");
  EXPECT_EQ(Derivative("sin(x"), "error 1");
}

TEST_F(SymbolicDifferentiationTest, RestoresTheVariableNameOnEveryPath) {
  const char* expressions[] = {"w^2", "w!", "w+"};
  for (const char* expression : expressions) {
    Derivative(expression, "w");
    EXPECT_EQ(BoundVariables()[kBoundX].name, "x") << expression;
  }
}

// The engine keeps its own settings and variables; its root is the parsed derivative.
TEST_F(SymbolicDifferentiationTest, LeavesTheEngineReadyToEvaluateTheDerivative) {
  engine_.AppendVariable("k", 5);
  engine_.ExpressionVariables().push_back({"q", "x^3"});
  engine_.Modes().autoCreateVariables = true;
  engine_.SetInputBase(16);
  EXPECT_EQ(Derivative("k*x^3+q"), "k*3*x^2");  // the scratch engine knows neither name
  EXPECT_EQ(engine_.Variables().size(), 1u);
  EXPECT_EQ(engine_.ExpressionVariables().size(), 1u);
  EXPECT_TRUE(engine_.Modes().autoCreateVariables);
  EXPECT_FALSE(engine_.Modes().lenientNames);
  EXPECT_EQ(engine_.InputBase(), 16);
  EXPECT_DOUBLE_EQ(engine_.EvaluateAt(2), 0);  // k reads as an unknown name: 0
  EXPECT_EQ(Derivative("x^2.5/2"), "2*2.5*x^1.5/4");
  EXPECT_DOUBLE_EQ(engine_.EvaluateAt(4), 10);
}

struct ValueCase {
  const char* expression;
  double (*derivative)(double);  // the closed form
  double points[2];
};

double Sq(double v) { return v * v; }

TEST_F(SymbolicDifferentiationTest, DerivativesMatchClosedForms) {
  const ValueCase cases[] = {
      {"x^3+2*x-7", [](double x) { return 3 * x * x + 2; }, {0.5, -2}},
      {"x*sin(x)", [](double x) { return std::sin(x) + x * std::cos(x); }, {0.3, 2}},
      {"sin(x)/x", [](double x) { return (x * std::cos(x) - std::sin(x)) / (x * x); }, {0.3, 2}},
      {"x^1.23456789", [](double x) { return 1.23456789 * std::pow(x, 0.23456789); }, {0.3, 7}},
      {"2^x", [](double x) { return std::log(2.0) * std::pow(2, x); }, {0.3, -2}},
      {"x^x", [](double x) { return std::pow(x, x) * (std::log(x) + 1); }, {0.3, 2}},
      {"e^x", [](double x) { return std::exp(x); }, {0.3, 2}},
      {"(x^2+1)^sin(x)",
       [](double x) {
         return std::pow(x * x + 1, std::sin(x)) *
                (std::cos(x) * std::log(x * x + 1) + std::sin(x) * 2 * x / (x * x + 1));
       },
       {0.3, 2}},
      {"1/(1+x)^2", [](double x) { return -2 / std::pow(1 + x, 3); }, {0.3, 2}},
      {"exp(x^2)", [](double x) { return 2 * x * std::exp(x * x); }, {0.3, -1}},
      {"ln(x^2+1)", [](double x) { return 2 * x / (x * x + 1); }, {0.3, -2}},
      {"log(3*x)", [](double x) { return 1 / (x * std::log(10.0)); }, {0.3, 2}},
      {"sin(2*x+1)", [](double x) { return 2 * std::cos(2 * x + 1); }, {0.3, 2}},
      {"cos(x^2)", [](double x) { return -2 * x * std::sin(x * x); }, {0.3, 2}},
      {"tan(x)", [](double x) { return 1 / Sq(std::cos(x)); }, {0.3, 2}},
      {"sec(x)", [](double x) { return std::sin(x) / Sq(std::cos(x)); }, {0.3, 2}},
      {"csc(x)", [](double x) { return -std::cos(x) / Sq(std::sin(x)); }, {0.3, 2}},
      {"cot(x)", [](double x) { return -1 / Sq(std::sin(x)); }, {0.3, 2}},
      {"abs(x-1)", [](double x) { return x > 1 ? 1.0 : -1.0; }, {0.3, 2}},
      {"sqrt(x)", [](double x) { return 0.5 / std::sqrt(x); }, {0.3, 2}},
      {"sqr(3*x)", [](double x) { return 18 * x; }, {0.3, -2}},
      {"asin(x)", [](double x) { return 1 / std::sqrt(1 - x * x); }, {0.3, -0.7}},
      {"arcsin(x)", [](double x) { return 1 / std::sqrt(1 - x * x); }, {0.3, -0.7}},
      {"acos(x)", [](double x) { return -1 / std::sqrt(1 - x * x); }, {0.3, -0.7}},
      {"atan(x)", [](double x) { return 1 / (1 + x * x); }, {0.3, -2}},
      {"asec(x)", [](double x) { return 1 / (std::fabs(x) * std::sqrt(x * x - 1)); }, {1.5, -3}},
      {"acsc(x)", [](double x) { return -1 / (std::fabs(x) * std::sqrt(x * x - 1)); }, {1.5, -3}},
      {"acot(x)", [](double x) { return -1 / (1 + x * x); }, {0.3, -2}},
      {"sinh(x)", [](double x) { return std::cosh(x); }, {0.3, -2}},
      {"cosh(x)", [](double x) { return std::sinh(x); }, {0.3, -2}},
      {"tanh(x)", [](double x) { return 1 / Sq(std::cosh(x)); }, {0.3, -2}},
      {"sech(x)", [](double x) { return -std::tanh(x) / std::cosh(x); }, {0.3, -2}},
      {"csch(x)", [](double x) { return -std::cosh(x) / Sq(std::sinh(x)); }, {0.3, -2}},
      {"coth(x)", [](double x) { return -1 / Sq(std::sinh(x)); }, {0.3, -2}},
      {"asinh(x)", [](double x) { return 1 / std::sqrt(x * x + 1); }, {0.3, -2}},
      {"acosh(x)", [](double x) { return 1 / std::sqrt(x * x - 1); }, {1.5, 3}},
      {"atanh(x)", [](double x) { return 1 / (1 - x * x); }, {0.3, -0.7}},
      {"acoth(x)", [](double x) { return 1 / (1 - x * x); }, {1.5, -3}},
      {"asech(x)", [](double x) { return -1 / (x * std::sqrt(1 - x * x)); }, {0.3, 0.7}},
      {"acsch(x)", [](double x) { return -1 / (std::fabs(x) * std::sqrt(1 + x * x)); },
       {0.3, -2}},
  };
  for (const ValueCase& c : cases) {
    engine_.SetExpression(c.expression);
    ASSERT_EQ(engine_.Differentiate("x"), kNoError) << c.expression;
    // The printed derivative, as the worksheet writes it, must read back to the same values.
    CCalcEngine reader;
    reader.SetExpression(engine_.FormatExpression());
    ASSERT_EQ(reader.Parse(), kNoError) << reader.Expression();
    for (double x : c.points) {
      const double expected = c.derivative(x);
      const double tolerance = kRelativeTolerance * std::fabs(expected);
      EXPECT_NEAR(engine_.EvaluateAt(x), expected, tolerance)
          << c.expression << " at " << x << ": " << engine_.FormatExpression();
      EXPECT_EQ(engine_.EvaluationError(), kNoError) << c.expression << " at " << x;
      EXPECT_NEAR(reader.EvaluateAt(x), expected, tolerance) << reader.Expression();
    }
  }
}

// Each level of a product repeats the levels below it: the text of the derivative grows
// quadratically and must fail with a code, not exhaust the stack or the memory.
TEST_F(SymbolicDifferentiationTest, RunawayDerivativesFailWithACode) {
  std::string product = "x";
  for (int i = 1; i < 900; ++i) product += "*x";
  EXPECT_EQ(Derivative(product), "error 12");
  std::string nested = "x";
  for (int i = 0; i < 990; ++i) nested = "sin(" + nested + ")";
  EXPECT_EQ(Derivative(nested), "error 12");
  EXPECT_EQ(BoundVariables()[kBoundX].name, "x");
}

}  // namespace
}  // namespace orvella::test
