// Annuities and interest-rate conversion against cash-flow sums and root finding done
// independently at 30 digits.
#include <cmath>

#include "engine_fixture.h"

namespace orvella::test {
namespace {

struct ValueCase {
  const char* expression;
  double expected;
};

class FinancialTest : public EngineTest {
 protected:
  void Check(const ValueCase& c, double relative) {
    Outcome o = Run(c.expression);
    ASSERT_EQ(o.parseCode, kNoError) << c.expression;
    ASSERT_EQ(o.evalCode, kNoError) << c.expression;
    // Relative, except around an expected 0.
    const double scale = c.expected == 0.0 ? 1.0 : std::fabs(c.expected);
    EXPECT_NEAR(o.value, c.expected, relative * scale) << c.expression;
  }
};

TEST_F(FinancialTest, AnnuityValues) {
  const ValueCase cases[] = {
      {"PV(0.1, 2, 100)", -173.55371900826446},
      {"PV(0, 10, 100)", -1000},                         // the rule for a zero rate
      {"PV(0.05, 10, -100, 500, 1)", 503.82554079402563},  // future value, payments in advance
      {"PV(0.05, 10, -100, 500, 1.9)", 503.82554079402563},  // the type is truncated
      {"FV(0.05, 10, -100)", 1257.7892535548828},
      {"FV(0.05, 10, -100, 1000, 1)", -308.21591054481448},
      {"FV(0, 10, -100, 1000)", 0},
      {"PMT(0.01, 12, 1000)", -88.848788678341707},
      {"PMT(0.08/12, 360, 200000, 0, 1)", -1457.8104116808797},
      {"PMT(0, 10, 1000, 500)", -150},
      {"NPER(0.01, -100, 1000)", 10.588644459423236},
      {"NPER(0.05, -200, 1000, -500, 1)", 2.9756409373891241},
      {"NPER(0, -100, 1000)", 10},
      {"NPER(1E-12, -100, 1000)", 10.000000000055},  // close to the zero-rate rule
  };
  for (const ValueCase& c : cases) Check(c, 1e-13);
}

TEST_F(FinancialTest, RateSolvesTheAnnuity) {
  const ValueCase cases[] = {
      {"RATE(12, -88.8487886783417, 1000)", 0.01},
      {"RATE(48, -200, 8000)", 0.0077014724882020438},
      {"RATE(10, -100, 1000, -200, 1, 0.02)", 0.035524472115990740},  // fv, type, guess
      {"RATE(10, -100, 1000)", 0},  // converges onto a zero rate
  };
  for (const ValueCase& c : cases) Check(c, 1e-10);
}

TEST_F(FinancialTest, RateFailureIsMaximumIterations) {
  // A payment of 0 leaves F flat: constant, or 0 at every rate.
  for (const char* text : {"RATE(10, 0, 1000)", "RATE(10, 0, 0)", "RATE(0, -100, 1000)"}) {
    Outcome o = Run(text);
    ASSERT_EQ(o.parseCode, kNoError) << text;
    EXPECT_EQ(o.evalCode, kMaxIterationsExceeded) << text;
  }
}

TEST_F(FinancialTest, InterestRateConversion) {
  const ValueCase cases[] = {
      {"EFR(0.12)", 0.12682503013196972},  // 12 periods by default
      {"EFR(0.12, 0)", 0.12682503013196972},  // 0 means 12
      {"EFFECTIVERATE(0.12, 4)", 0.12550881},
      {"APR(0.1, 4)", 0.096454756337780518},
      {"NOMINALRATE(0.1)", 0.095689685146844893},
      {"APR(EFR(0.12))", 0.12},
      {"EFR(1E-10)", 1.0000000000458333e-10},  // no cancellation at small rates
  };
  for (const ValueCase& c : cases) Check(c, 1e-14);
}

TEST_F(FinancialTest, AbsurdTermsGiveCodes) {
  const struct {
    const char* expression;
    CalcError code;
  } cases[] = {
      {"PV(-3, 0.5, 100)", kInvalidArgument},   // negative growth to a fractional power
      {"NPER(0.1, -50, 1000)", kInvalidArgument},  // less than the interest: never repaid
      {"PMT(0, 0, 1000)", kNumberOutOfRange},   // no periods
      {"PMT(0.1, 0, 1000)", kNumberOutOfRange},
      {"APR(-2, 2)", kInvalidArgument},
  };
  for (const auto& c : cases) {
    Outcome o = Run(c.expression);
    ASSERT_EQ(o.parseCode, kNoError) << c.expression;
    EXPECT_EQ(o.evalCode, c.code) << c.expression;
  }
}

}  // namespace
}  // namespace orvella::test
