// The compiled form of a tree: its shortcuts (folded constants, fused instructions, exact
// integer powers, the fast test for exact trigonometric zeros) must give exactly what the
// plain rules give.
#include <cmath>
#include <random>
#include <string>

#include "engine/integer_power.h"
#include "engine_fixture.h"

namespace orvella::test {
namespace {

// x^n in 113-bit arithmetic, rounded once to double: an independent reference.
double QuadPower(double x, int n) {
  __float128 p = 1;
  for (int k = 0; k < n; ++k) p *= x;
  return static_cast<double>(p);
}

TEST(IntegerPowerTest, CorrectlyRoundedAgainstQuadPrecision) {
  std::mt19937_64 random(12345);
  std::uniform_real_distribution<double> magnitude(-8.0, 8.0);
  int mismatches = 0;
  for (int i = 0; i < 20000; ++i) {
    double x = std::exp(magnitude(random)) * ((i & 1) ? -1 : 1);
    int n = kMinIntegerPower + i % (kMaxIntegerPower - kMinIntegerPower + 1);
    if (std::fabs(std::log(std::fabs(x)) * n) > 600) continue;  // stay in range
    if (IntegerPower(x, n) != QuadPower(x, n)) ++mismatches;
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(IntegerPowerTest, EdgeValues) {
  EXPECT_EQ(IntegerPower(3, 5), 243);
  EXPECT_EQ(IntegerPower(-2, 3), -8);
  EXPECT_EQ(IntegerPower(1.5, 3), 3.375);
  EXPECT_TRUE(std::signbit(IntegerPower(-0.0, 3)));
  EXPECT_FALSE(std::signbit(IntegerPower(-0.0, 4)));
  EXPECT_EQ(IntegerPower(-1e200, 3), -INFINITY);
  EXPECT_EQ(IntegerPower(1e-200, 3), std::pow(1e-200, 3));  // underflow handled by pow
  EXPECT_EQ(IntegerPower(2e-110, 3), std::pow(2e-110, 3));  // subnormal result
}

// The same expressions through the bound variable x (which the compiler fuses into its
// neighbours) and through a value variable w (which it never fuses).
TEST_F(EngineTest, FusedAndPlainFormsAgree) {
  const char* forms[] = {
      "3*x^2 - 2*x + 1", "x*1E300+1",   "1-x*1E300*10", "x^3*1E200", "SIN(x)*2-1",
      "(x-1)*0.5+2",     "2-x*3",       "x^5-x^4",      "EXP(x)",    "1/(x*2-4)",
      "x^2^2",           "-x*1E308*10", "x%*3+1",       "COS(x)*x-0.5",
  };
  const double points[] = {-3, -0.0, 0, 0.5, 2, 10, 1e10, 1e200};
  int w = engine_.AppendVariable("w", 0);
  CCalcEngine& plain = engine_;
  CCalcEngine fused;
  for (const char* form : forms) {
    std::string withW = form;
    for (char& c : withW) {
      if (c == 'x') c = 'w';
    }
    fused.SetExpression(form);
    ASSERT_EQ(fused.Parse(), kNoError) << form;
    plain.SetExpression(withW);
    ASSERT_EQ(plain.Parse(), kNoError) << withW;
    for (double x : points) {
      plain.Variables()[w].value = x;
      double expected = plain.Evaluate();
      double actual = fused.EvaluateAt(x);
      EXPECT_EQ(fused.EvaluationError(), plain.EvaluationError()) << form << " at " << x;
      EXPECT_TRUE(actual == expected || (std::isnan(actual) && std::isnan(expected)))
          << form << " at " << x << ": " << actual << " vs " << expected;
      EXPECT_EQ(std::signbit(actual), std::signbit(expected)) << form << " at " << x;
    }
  }
}

// A fused pair fails where its first step fails, with that step's value.
TEST_F(EngineTest, FusedPairsFailWithTheValueOfTheFailingStep) {
  for (const char* text : {"(x+0)*1E308+1", "2-(x+0)*1E308", "x*1E308-1"}) {
    engine_.SetExpression(text);
    ASSERT_EQ(engine_.Parse(), kNoError) << text;
    EXPECT_EQ(engine_.EvaluateAt(10), 1e300) << text;
    EXPECT_EQ(engine_.EvaluationError(), kNumberOutOfRange) << text;
  }
}

TEST_F(EngineTest, ConstantPartsFollowTheAngleModeAndKeepTheirErrors) {
  engine_.SetExpression("SIN(30)*2");
  ASSERT_EQ(engine_.Parse(), kNoError);
  EXPECT_NEAR(engine_.Evaluate(), -1.976063, 1e-6);  // radians
  engine_.SetAngleMode(AngleMode::Degrees);
  EXPECT_DOUBLE_EQ(engine_.Evaluate(), 1.0);
  engine_.SetExpression("x+1/0");  // a failing constant part is not folded away
  ASSERT_EQ(engine_.Parse(), kNoError);
  engine_.EvaluateAt(1);
  EXPECT_EQ(engine_.EvaluationError(), kDivisionByZero);
  engine_.EvaluateAt(2);
  EXPECT_EQ(engine_.EvaluationError(), kDivisionByZero);
}

// The rule for exact zeros and poles, written plainly: fmod decides.
double PlainSine(double x) { return std::fmod(x, 3.141592653589793) == 0 ? 0 : std::sin(x); }
double PlainCosine(double x) {
  return std::fmod(x + 3.141592653589793 / 2, 3.141592653589793) == 0 ? 0 : std::cos(x);
}

TEST_F(EngineTest, TrigonometricZerosExactlyAtMultiplesOfPi) {
  std::vector<double> points;
  for (int k = -2000; k <= 2000; ++k) {
    double multiple = k * 3.141592653589793;
    points.insert(points.end(), {multiple, std::nextafter(multiple, 1e300),
                                 multiple + 3.141592653589793 / 2, k * 0.001});
  }
  engine_.SetExpression("SIN(x)");
  ASSERT_EQ(engine_.Parse(), kNoError);
  CCalcEngine cosine;
  cosine.SetExpression("COS(x)");
  ASSERT_EQ(cosine.Parse(), kNoError);
  int wrong = 0;
  for (double x : points) {
    if (engine_.EvaluateAt(x) != PlainSine(x)) ++wrong;
    if (cosine.EvaluateAt(x) != PlainCosine(x)) ++wrong;
  }
  EXPECT_EQ(wrong, 0);
}

}  // namespace
}  // namespace orvella::test
