// FINT, FDIFF, FZERO, FSUM and the all-roots search: values against closed forms and
// published constants, every error code, the bounds on absurd input and nesting.
#include <cmath>
#include <vector>

#include "engine/evaluation_budget.h"
#include "engine_fixture.h"

namespace orvella::test {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kSqrtPi = 1.7724538509055160;
constexpr double kInvE = 0.36787944117144233;

struct ValueCase {
  const char* expression;
  double expected;  // closed forms, not the code under test
};

struct ErrorCase {
  const char* expression;
  CalcError code;
};

class CalculusTest : public EngineTest {
 protected:
  // The result must meet the engine's tolerance relative to the exact value (absolute for
  // an exact 0).
  void ExpectWithinTolerance(const ValueCase& c) {
    SCOPED_TRACE(c.expression);
    const Outcome outcome = Run(c.expression);
    ASSERT_EQ(outcome.parseCode, kNoError);
    ASSERT_EQ(outcome.evalCode, kNoError);
    const double scale = c.expected == 0.0 ? 1.0 : std::fabs(c.expected);
    EXPECT_NEAR(outcome.value, c.expected, engine_.Tolerance() * scale);
  }
  void ExpectError(const ErrorCase& c) {
    SCOPED_TRACE(c.expression);
    const Outcome outcome = Run(c.expression);
    ASSERT_EQ(outcome.parseCode, kNoError);
    EXPECT_EQ(outcome.evalCode, c.code);
  }
  std::vector<double> Zeros(const char* expression, double a, double b, CalcError expected) {
    engine_.SetExpression(expression);
    EXPECT_EQ(engine_.Parse(), kNoError);
    std::vector<double> roots;
    EXPECT_EQ(engine_.FindZeros(a, b, roots), expected) << expression;
    return roots;
  }
};

const ValueCase kIntegrals[] = {
    {"FINT(x^2, 0, 3)", 9},
    {"FINT(x^2, 3, 0)", -9},
    {"FINT(SIN(x), 0, PI)", 2},
    {"FINT(EXP(x), 0, 1)", 1.718281828459045},
    {"FINT(x^3, -1, 1)", 0},  // odd: the absolute test near 0
    // Non-finite at an end point (46 there): the end points are not sampled.
    {"FINT(x^(-0.5), 0, 1)", 2},
    {"FINT(x^(-0.5), 1, 0)", -2},
    {"FINT(x^(-0.5) + LN(x)^2, 0, 1)", 4},  // 0^-0.5 fails first, with 46
    // ln(2 sin 1) + Cl2(2)/2
    {"FINT(x*COT(x), 0, 1)", 0.88411645972249325},
    // Infinite limits.
    {"FINT(EXP(-x^2), NINF, INF)", kSqrtPi},
    {"FINT(x*EXP(-x^2), NINF, INF)", 0},
    {"FINT(1/(1+x^2), NINF, INF)", kPi},
    {"FINT(1/(1+x^2), 0, INF)", kPi / 2},
    {"FINT(1/(1+x^2), NINF, 0)", kPi / 2},
    {"FINT(1/(1+x^2), INF, 0)", -kPi / 2},
    {"FINT(1/x^2, 1, INF)", 1},
    {"FINT(EXP(-x), 1, INF)", kInvE},
    {"FINT(EXP(x), NINF, -1)", kInvE},
    {"FINT(x*EXP(-x^2), -3, INF)", 0.5 * 0.00012340980408667956},  // exp(-9)/2
    {"FINT(x^(-0.5)*EXP(-x), 1E-300, INF)", kSqrtPi},
    {"FINT(x^(-0.5)*EXP(-x), 0, INF)", kSqrtPi},  // Gamma(1/2), singular at 0 too
};

TEST_F(CalculusTest, FintMeetsTheDefaultTolerance) {
  for (const ValueCase& c : kIntegrals) ExpectWithinTolerance(c);
}

// Where the classical scheme silently missed by 3 % and 1.6E-4, a tight tolerance is met too.
TEST_F(CalculusTest, FintMeetsATightTolerance) {
  engine_.SetSolverDecimalPlaces(10);
  const ValueCase cases[] = {
      {"FINT(x^(-0.5), 0, 1)", 2},
      {"FINT(1/(1+x^2), 0, INF)", kPi / 2},
      {"FINT(EXP(-x^2), NINF, INF)", kSqrtPi},
    {"FINT(x*EXP(-x^2), NINF, INF)", 0},
    {"FINT(1/(1+x^2), NINF, INF)", kPi},
      {"FINT(EXP(x), 0, 1)", 1.718281828459045},
  };
  for (const ValueCase& c : cases) ExpectWithinTolerance(c);
}

TEST_F(CalculusTest, FintErrors) {
  const ErrorCase cases[] = {
      {"FINT(1/SQRT(x), 0, 1)", kDivisionByZero},  // 38 at an end point is no reason to switch
      {"FINT(LN(x)^2 + x^(-0.5), 0, 1)", kNonPositiveLogarithm},  // nor is 40
      {"FINT(1/x, -1, 1)", kDivisionByZero},       // the first midpoint
      // A failure inside the adaptive methods surfaces with its own code: 0.5 and 11 are
      // the centres of their first rules.
      {"FINT(x^(-0.5) + 1/(x-0.5), 0, 1)", kDivisionByZero},
      {"FINT(1/(x-11), 10, INF)", kDivisionByZero},
      // Not integrable: no convergence.
      {"FINT(x^(-1.5), 0, 1)", kMaxIterationsExceeded},
      {"FINT(1/x, 1, INF)", kMaxIterationsExceeded},
      {"FINT(1/x, 0, INF)", kMaxIterationsExceeded},
      {"FINT(SIN(x), 0, INF)", kMaxIterationsExceeded},
  };
  for (const ErrorCase& c : cases) ExpectError(c);
}

// A relative accuracy below what doubles carry is refused, not faked.
TEST_F(CalculusTest, FintBeyondDoublePrecisionDoesNotConverge) {
  engine_.SetSolverDecimalPlaces(16);
  ExpectError({"FINT(1/(1+x^2), 0, INF)", kMaxIterationsExceeded});
}

TEST_F(CalculusTest, FdiffValues) {
  const ValueCase cases[] = {
      {"FDIFF(x^3, 2)", 12},
      {"FDIFF(ABS(x), 0)", 0},  // symmetric differences of a kink
      {"FDIFF(SIN(x), 1)", 0.5403023058681398},
      {"FDIFF(LN(x), 2)", 0.5},
      {"FDIFF(EXP(x), 20)", 485165195.40979028},
  };
  for (const ValueCase& c : cases) ExpectWithinTolerance(c);
}

TEST_F(CalculusTest, FdiffErrors) {
  const ErrorCase cases[] = {
      {"FDIFF(SQRT(x), 0)", kNegativeSquareRoot},  // x - h is the first failing evaluation
      {"FDIFF(1/x, 0)", kMaxIterationsExceeded},   // the estimates grow with every step
      {"FDIFF(x, 1E308)", kBadArgument},           // x + 0.1 == x: no difference to take
  };
  for (const ErrorCase& c : cases) ExpectError(c);
  engine_.SetSolverDecimalPlaces(16);
  ExpectError({"FDIFF(x^3, 2)", kBadArgument});
}

TEST_F(CalculusTest, FzeroValues) {
  const ValueCase cases[] = {
      {"FZERO(x^2-2, 0, 2)", 1.4142135623730951},
      {"FZERO(COS(x)-x, 0, 1)", 0.7390851332151607},  // the Dottie number
      {"FZERO(x^3-2*x-5, 2, 3)", 2.0945514815423265},  // Wallis's cubic
      {"FZERO(EXP(x)-10, 0, 10)", 2.302585092994046},
  };
  for (const ValueCase& c : cases) ExpectWithinTolerance(c);
  // A zero at an end point is taken as it is.
  EXPECT_EQ(Run("FZERO(x-1, 1, 5)").value, 1.0);
  EXPECT_EQ(Run("FZERO(x-5, 1, 5)").value, 5.0);
}

TEST_F(CalculusTest, FzeroErrors) {
  const ErrorCase cases[] = {
      {"FZERO(x^2+1, -1, 1)", kNoSolutionsFound},
      {"FZERO(x^2-4, -3, 3)", kNoSolutionsFound},  // two roots, no sign change
      {"FZERO(1/(x-0.3), 0, 1)", kBadArgument},    // a pole, closed in on from both sides
      {"FZERO(1/(x-PI/3), 0, 2)", kBadArgument},
      {"FZERO(TAN(x), 1, 2)", kBadArgument},
      {"FZERO(SQRT(x)-1, -1, 4)", kNegativeSquareRoot},
  };
  for (const ErrorCase& c : cases) ExpectError(c);
}

TEST_F(CalculusTest, FsumValues) {
  const ValueCase cases[] = {
      {"FSUM(x, 1, 10)", 55},
      {"FSUM(x, 10, 1)", 55},
      {"FSUM(x, 1, 10, -1)", 55},  // the step's sign does not matter
      {"FSUM(x, 1, 2, 0.5)", 4.5},
      {"FSUM(x, 1, 10, 20)", 1},
      {"FSUM(x^2, 1, 100)", 338350},  // n(n+1)(2n+1)/6
      {"FSUM(2^(-x), 0, 60)", 2},
  };
  for (const ValueCase& c : cases) ExpectWithinTolerance(c);
}

// Absurd ranges and vanishing steps end with 35 at once instead of hanging.
TEST_F(CalculusTest, FsumErrors) {
  const ErrorCase cases[] = {
      {"FSUM(1/x, -1, 1)", kDivisionByZero},
      {"FSUM(x, 1, 1E15)", kMaxIterationsExceeded},
      {"FSUM(x, 0, 1, 1E-300)", kMaxIterationsExceeded},
      {"FSUM(x, 1E20, 1E20+1E5)", kMaxIterationsExceeded},  // x + 1 == x
      {"FSUM(x, 1, INF)", kMaxIterationsExceeded},
      {"FSUM(x, NINF, 1)", kMaxIterationsExceeded},
  };
  for (const ErrorCase& c : cases) ExpectError(c);
}

// An inner routine overwrites x; the outer one must still see its own x.
TEST_F(CalculusTest, NestedCalls) {
  const ValueCase cases[] = {
      {"FINT(FINT(x, 0, x), 0, 1)", 1.0 / 6},
      {"FSUM(FSUM(x, 1, 2)*x, 1, 4)", 30},
      {"FSUM(x*FSUM(x, 1, 2), 1, 4)", 30},
      {"FDIFF(FINT(x^2, 0, x), 2)", 4},
      {"FINT(FINT(EXP(-x^2), NINF, INF)*x^(-0.5), 0, 1)", 2 * kSqrtPi},  // adaptive in adaptive
      {"FZERO(FINT(1, 0, x) - 0.5, 0, 1)", 0.5},
  };
  for (const ValueCase& c : cases) ExpectWithinTolerance(c);
}

TEST_F(CalculusTest, FindZerosFindsEveryRoot) {
  std::vector<double> roots = Zeros("SIN(x)", 0.5, 10, kNoError);
  ASSERT_EQ(roots.size(), 3u);
  for (int k = 0; k < 3; ++k) EXPECT_NEAR(roots[k], (k + 1) * kPi, 1e-5);

  roots = Zeros("x^2-2", -3, 3, kNoError);
  ASSERT_EQ(roots.size(), 2u);
  EXPECT_NEAR(roots[0], -1.4142135623730951, 1e-5);
  EXPECT_NEAR(roots[1], 1.4142135623730951, 1e-5);
}

TEST_F(CalculusTest, FindZerosSkipsFailingSubIntervals) {
  engine_.SetSolverSteps(3);
  // [-2, 0) fails with 39 and [0, 2) has no sign change: the root in [2, 4) remains.
  std::vector<double> roots = {-7};  // roots are appended
  engine_.SetExpression("SQRT(x) - 1.5");
  ASSERT_EQ(engine_.Parse(), kNoError);
  ASSERT_EQ(engine_.FindZeros(-2, 4, roots), kNoError);
  ASSERT_EQ(roots.size(), 2u);
  EXPECT_EQ(roots[0], -7);
  EXPECT_NEAR(roots[1], 2.25, 1e-5);
  Zeros("TAN(x)", 1, 2, kNoSolutionsFound);  // the pole is a discontinuity, not a root
}

// Near 100 the 1E-15 gap between sub-intervals is below the spacing of the doubles, so
// both sub-intervals end on the root.
TEST_F(CalculusTest, FindZerosKeepsARootFoundTwice) {
  engine_.SetSolverSteps(2);
  const std::vector<double> roots = Zeros("x-100", 0, 200, kNoError);
  EXPECT_EQ(roots, (std::vector<double>{100, 100}));
}

TEST_F(CalculusTest, FindZerosErrors) {
  Zeros("x^2+1", -3, 3, kNoSolutionsFound);
  Zeros("x-1", 2, 2, kBadArgument);
  Zeros("x-1", 3, 0, kBadArgument);
  engine_.SetSolverDecimalPlaces(16);
  Zeros("x-1", 0, 3, kBadArgument);
}

}  // namespace
}  // namespace orvella::test

namespace orvella::test {
namespace {

// Nesting multiplies the bounds of the routines; one evaluation has a budget of its own.
TEST_F(EngineTest, NestedCalculusStopsAtTheEvaluationBudget) {
  const long long saved = EvaluationBudget();
  SetEvaluationBudget(5000);
  Outcome nested = Run("FINT(FINT(FINT(x*7.3+1, 0, 1), 0, 1), 0, 1)");
  Outcome single = Run("FINT(x^2, 0, 3)");
  SetEvaluationBudget(saved);
  EXPECT_EQ(nested.evalCode, kMaxIterationsExceeded);
  EXPECT_EQ(single.evalCode, kNoError);  // a fresh count for every evaluation
  EXPECT_NEAR(single.value, 9, 9e-5);
}

}  // namespace
}  // namespace orvella::test
