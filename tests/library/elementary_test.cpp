// The elementary functions: values against independent references and the rules for
// poles, domains and integer arguments.
#include <cmath>

#include "engine_fixture.h"

namespace orvella::test {
namespace {

constexpr double kPi = 3.141592653589793;

struct ValueCase {
  const char* expression;
  double expected;  // from tables of the functions, not from the code under test
};

TEST_F(EngineTest, ElementaryValues) {
  const ValueCase cases[] = {
      {"EXP(1)", 2.718281828459045},
      {"LN(10)", 2.302585092994046},
      {"LOG(1000)", 3},
      {"LOGN(2, 8)", 3},
      {"ABS(-2.5)", 2.5},
      {"SQRT(2)", 1.4142135623730951},
      {"SQR(-3)", 9},
      {"INT(-2.7)", -2},
      {"INT(2.7)", 2},
      {"FLOOR(-2.7)", -3},
      {"CEIL(-2.7)", -2},
      {"FACT(3.9)", 6},
      {"FACT(0)", 1},
      {"FACT(10)", 3628800},
      {"DEG(PI)", 180},
      {"RAD(180)", kPi},
      {"MOD(-7, 3)", -1},
      {"MOD(7.5, 2)", 1.5},
      {"SIN(PI/6)", 0.5},
      {"COS(PI/3)", 0.5},
      {"TAN(PI/4)", 1},
      {"SEC(0)", 1},
      {"CSC(PI/2)", 1},
      {"COT(PI/4)", 1},
      {"COT(PI/2)", 0},
      {"ASIN(0.5)", kPi / 6},
      {"ACOS(0.5)", kPi / 3},
      {"ATAN(1)", kPi / 4},
      {"ASEC(2)", kPi / 3},
      {"ACSC(2)", kPi / 6},
      {"ACOT(1)", kPi / 4},
      {"ACOT(0)", kPi / 2},
      {"SINH(1)", 1.1752011936438014},
      {"COSH(1)", 1.5430806348152437},
      {"TANH(1)", 0.7615941559557649},
      {"SECH(0)", 1},
      {"CSCH(1)", 0.8509181282393216},
      {"COTH(1)", 1.3130352854993312},
      {"ASINH(1)", 0.881373587019543},
      {"ASINH(-1E10)", -23.718998110500402},  // beyond the reach of the log formula
      {"ACOSH(2)", 1.3169578969248166},
      {"ATANH(0.5)", 0.5493061443340549},
      {"ASECH(0.5)", 1.3169578969248166},
      {"ACSCH(2)", 0.48121182505960347},
      {"ACSCH(-2)", -0.48121182505960347},
      {"ACOTH(2)", 0.5493061443340549},
      {"ACOTH(-2)", -0.5493061443340549},
  };
  for (const ValueCase& c : cases) {
    Outcome o = Run(c.expression);
    ASSERT_EQ(o.parseCode, kNoError) << c.expression;
    ASSERT_EQ(o.evalCode, kNoError) << c.expression;
    EXPECT_NEAR(o.value, c.expected, 4e-16 * std::fmax(1.0, std::fabs(c.expected))) << c.expression;
  }
}

TEST_F(EngineTest, FactorialOfOneHundredSeventy) {
  Outcome o = Run("FACT(170)");
  ASSERT_EQ(o.evalCode, kNoError);
  EXPECT_NEAR(o.value / 7.257415615308e306, 1.0, 1e-12);  // 13 significant digits
  EXPECT_EQ(Run("170!").value, o.value);
}

struct FailureCase {
  const char* expression;
  CalcError code;
};

TEST_F(EngineTest, ElementaryFailures) {
  const FailureCase cases[] = {
      {"ASIN(2)", kInvalidArgument},
      {"ACOS(-1.5)", kInvalidArgument},
      {"ASEC(0.5)", kInvalidArgument},
      {"ACSC(0)", kInvalidArgument},
      {"ACOSH(0.5)", kNumberOutOfRange},  // inverse hyperbolic: no domain test
      {"ATANH(1)", kNumberOutOfRange},
      {"ATANH(2)", kNumberOutOfRange},
      {"ASECH(0)", kNumberOutOfRange},
      {"ASECH(1.5)", kNumberOutOfRange},
      {"ACSCH(0)", kNumberOutOfRange},
      {"ACOTH(0.5)", kNumberOutOfRange},
      {"FACT(171)", kNumberOutOfRange},
      {"FACT(-1)", kInvalidArgument},
      {"LOGN(1, 8)", kNumberOutOfRange},  // base 1 divides by ln(1) = 0
      {"LOGN(-2, 8)", kNonPositiveLogarithm},
      {"LOGN(2, 0)", kNonPositiveLogarithm},
      {"MOD(5, 0)", kInvalidArgument},
      {"TAN(PI/2)", kNumberOutOfRange},   // poles
      {"SEC(PI/2)", kNumberOutOfRange},
      {"CSC(0)", kNumberOutOfRange},
      {"COT(PI)", kNumberOutOfRange},
      {"CSCH(0)", kNumberOutOfRange},
      {"COTH(0)", kNumberOutOfRange},
      {"SINH(1000)", kNumberOutOfRange},
      {"INT(3E9)", kNumberOutOfRange},    // outside the 32-bit range
  };
  for (const FailureCase& c : cases) {
    Outcome o = Run(c.expression);
    ASSERT_EQ(o.parseCode, kNoError) << c.expression;
    EXPECT_EQ(o.evalCode, c.code) << c.expression;
  }
  EXPECT_EQ(Run("FACT(171)").value, 1e300);
  EXPECT_EQ(Run("TAN(PI/2)").value, 1e300);
}

}  // namespace
}  // namespace orvella::test
