// Sums and extremes of argument lists, the densities and Student's t distribution; the
// reference values are 30-digit quadratures and closed forms.
#include <cmath>
#include <string>

#include "engine_fixture.h"
#include "library/function_ids.h"
#include "library/function_table.h"

namespace orvella::test {
namespace {

struct ValueCase {
  const char* expression;
  double expected;
};

struct FailureCase {
  const char* expression;
  CalcError code;
};

class StatisticalTest : public EngineTest {
 protected:
  void CheckValues(std::initializer_list<ValueCase> cases, double relative) {
    for (const ValueCase& c : cases) {
      Outcome o = Run(c.expression);
      ASSERT_EQ(o.parseCode, kNoError) << c.expression;
      ASSERT_EQ(o.evalCode, kNoError) << c.expression;
      EXPECT_NEAR(o.value, c.expected, relative * std::fmax(1e-300, std::fabs(c.expected)))
          << c.expression;
    }
  }
  void CheckFailures(std::initializer_list<FailureCase> cases) {
    for (const FailureCase& c : cases) {
      Outcome o = Run(c.expression);
      ASSERT_EQ(o.parseCode, kNoError) << c.expression;
      EXPECT_EQ(o.evalCode, c.code) << c.expression;
    }
  }
};

// Padding zeros would show in every row here: MIN(5, 6) would be 0 and AVE would divide by
// the wrong count.
TEST_F(StatisticalTest, ListFunctionsReadExactlyTheirArguments) {
  CheckValues({{"SUM(1.5, -2, 4)", 3.5},
               {"SUM(7)", 7},
               {"AVE(2, 4)", 3},
               {"AVE(-3)", -3},
               {"MIN(5, 6)", 5},
               {"MIN(-1, -7, 3)", -7},
               {"MAX(-5, -6)", -5},
               {"MAX(2, 9, 9, 1)", 9}},
              0.0);
}

// The largest list the parser accepts, with the deciding value last.
TEST_F(StatisticalTest, LongListsReachTheirLastArgument) {
  std::string threes = "3";
  for (int i = 1; i < 99998; ++i) threes += ",3";
  const struct {
    const char* function;
    const char* last;
    double expected;
    CalcError code;
  } cases[] = {
      {"MIN", "3,-1", -1, kNoError},
      {"MAX", "3,4", 4, kNoError},
      {"AVE", "3,103", 3.001, kNoError},
      {"SUM", "1E308,1E308", 1e300, kNumberOutOfRange},
  };
  for (const auto& c : cases) {
    Outcome o = Run(std::string(c.function) + "(" + threes + "," + c.last + ")");
    ASSERT_EQ(o.parseCode, kNoError) << c.function;
    EXPECT_EQ(o.evalCode, c.code) << c.function;
    EXPECT_NEAR(o.value, c.expected, 1e-12 * std::fabs(c.expected)) << c.function;
  }
}

TEST_F(StatisticalTest, DistributionValues) {
  CheckValues({{"NORMDIST(1, 2)", 0.17603266338214974},
               {"NORMDIST(-3, 0.5)", 1.2151765699646571e-8},
               {"BETADIST(0.3, 2, 5)", 2.1609},
               {"BETADIST(0.5, 0.5, 0.5)", 0.63661977236758134},
               {"TDIST(1, 3)", 0.80449889052211468},
               {"TDIST(-2, 5)", 0.050969739414929178},
               {"TDIST(0.5, 1)", 0.64758361765043327},
               {"TDIST(2.5, 2.5)", 0.94771501846092231},  // fractional degrees of freedom
               {"TDIST(0, 7)", 0.5},
               {"TINV(0.95, 10)", 1.8124611228116764},
               {"TINV(0.025, 4)", -2.7764451051977944},
               {"TINV(TDIST(1.7, 6), 6)", 1.7}},
              1e-12);
}

TEST_F(StatisticalTest, DistributionDomains) {
  CheckFailures({{"NORMDIST(1, 0)", kInvalidArgument},
                 {"NORMDIST(1, -2)", kInvalidArgument},
                 {"BETADIST(1.5, 2, 2)", kInvalidArgument},
                 {"BETADIST(-0.1, 2, 2)", kInvalidArgument},
                 {"BETADIST(0.5, 0, 2)", kInvalidArgument},
                 {"BETADIST(0.5, 2, -1)", kInvalidArgument},
                 {"TDIST(1, 0)", kInvalidArgument},
                 {"TINV(1.5, 3)", kInvalidArgument},
                 {"TINV(-0.5, 3)", kInvalidArgument},
                 {"TINV(0.5, 0)", kInvalidArgument},
                 {"TINV(1, 3)", kNumberOutOfRange}});  // t is infinite
}

// The distributions have ids far above the others; the dispatch must reach every id the
// function table holds, or a bound function would silently evaluate to 0.
TEST(FunctionDispatchTest, CoversEveryIdOfTheFunctionTable) {
  for (const FunctionRow& row : FunctionRows()) {
    EXPECT_LE(row.id, function_id::kLastEvaluatedId) << row.name;
  }
}

}  // namespace
}  // namespace orvella::test
