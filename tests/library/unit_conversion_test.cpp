// Unit conversion: the predefined relations, unit expressions, temperatures, user
// conversions with their duplicate check, and CONVERT in expressions. Expected factors are
// the defined values of the units (international yard and pound, standard atmosphere, ...).
#include "library/unit_conversion.h"

#include <cmath>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/text_util.h"
#include "engine_fixture.h"
#include "library/unit_relations.h"
#include "library/unit_table.h"

namespace orvella::test {
namespace {

// Tolerances, relative to the expected value (absolute near zero).
constexpr double kExactDefinition = 1e-14;  // a few roundings of exactly defined factors

bool Near(double actual, double expected, double tolerance) {
  return std::fabs(actual - expected) <= tolerance * std::fmax(1.0, std::fabs(expected));
}

// Every test starts and ends with the predefined relations alone.
class UnitConversionTest : public EngineTest {
 protected:
  UnitConversionTest() { ResetUnitRelations(); }
  ~UnitConversionTest() override { ResetUnitRelations(); }
};

struct ConversionCase {
  double value;
  const char* from;
  const char* to;
  double expected;
  double tolerance;
};

void ExpectConversions(std::span<const ConversionCase> cases) {
  for (const ConversionCase& c : cases) {
    double value = c.value;
    EXPECT_EQ(Convert(value, c.from, c.to), kNoError) << c.from << " -> " << c.to;
    EXPECT_PRED3(Near, value, c.expected, c.tolerance) << c.from << " -> " << c.to;
  }
}

TEST_F(UnitConversionTest, ConvertsBetweenUnitExpressions) {
  const ConversionCase cases[] = {
      // mi to yd to ft to in to cm to m: the first path in list order
      {1, "mi", "m", 1609.344, kExactDefinition},
      {1, "mile", "km", 1.609344, kExactDefinition},
      {1, "nautical mile", "km", 1.852, kExactDefinition},  // a name with a space
      {1, "cmH2O", "Pa", 98.0665, kExactDefinition},        // a name with digits
      {1, "m/s", "km/h", 3.6, kExactDefinition},
      {36, "km/h", "m/s", 10, kExactDefinition},
      {1, "1/s", "1/min", 60, kExactDefinition},
      {1, "m^2", "ft^2", 10.76391041670972, kExactDefinition},
      {1, "yd^3", "m^3", 0.764554857984, kExactDefinition},
      {1, "kg*m/s^2", "lb*ft/s^2", 7.233013851209893, kExactDefinition},
      {1, "square foot", "square inch", 144, kExactDefinition},
      {1, "gallon", "fluid ounce", 128, kExactDefinition},
      {1, "oz", "g", 28.349523125, kExactDefinition},
      {1, "Megabyte", "bit", 8388608, kExactDefinition},
      {1, "y", "min", 525960, kExactDefinition},  // a Julian year
      {1, "Radian", "Degree", 57.29577951308232, kExactDefinition},
      {1, "hand", "in", 4, kExactDefinition},  // the table's 0.106 m was a typo
      // names compare without regard to case: kilowatt is kw, W to kW meets it; L is l
      {1, "kilowatt", "W", 1000, kExactDefinition},
      {1, "L", "ml", 1000, kExactDefinition},
      {1, "DEGC", "DEGR", 1.8, kExactDefinition},  // Rankine: a plain factor, no offset
      // the second search drops a plural s, once on each name that has one
      {3, "feet", "yards", 1, kExactDefinition},
      {2, "hours", "minutes", 120, kExactDefinition},
      {7, "widget", "WIDGET", 7, 0},  // equal texts need no relation
      {7, "m$", "M$", 7, 0},          // even when they are no unit expression
      // gauss (G) and gram (g) differ only in case and must stay apart
      {1, "tesla", "G", 10000, kExactDefinition},
      {10000, "G", "T", 1, kExactDefinition},
      {10000, "Gs", "tesla", 1, kExactDefinition},
      {1, "kg", "g", 1000, kExactDefinition},
      {1, "gram", "g", 1, 0},
      {1, "G", "G", 1, 0},
  };
  ExpectConversions(cases);
}

TEST_F(UnitConversionTest, TemperaturesConvertWithOffsets) {
  const ConversionCase cases[] = {
      {100, "degC", "degF", 212, kExactDefinition},
      {0, "degree K", "DEGC", -273.15, kExactDefinition},
      {0, "degK", "degF", -459.67, kExactDefinition},
      {-40, "degF", "degC", -40, kExactDefinition},
      {32, "degree F", "degK", 273.15, kExactDefinition},
      {300, "degK", "DEGREE K", 300, 0},
      {25, " degc ", "degree c", 25, 0},  // trimmed, any case
  };
  ExpectConversions(cases);
}

TEST_F(UnitConversionTest, FailuresAreBadArgumentAndKeepTheValue) {
  const struct {
    const char* from;
    const char* to;
    const char* why;
  } cases[] = {
      {"m", "kg", "length and mass are not connected"},
      {"tesla", "kg", "G, the gauss, is not g, the gram"},
      {"G", "g", "gauss to gram"},
      {"G/s", "g/s", "gauss to gram inside an expression"},
      {"m^2", "ft^3", "exponents differ"},
      {"m^2", "ft", "shapes differ"},
      {"2*m", "3*ft", "numbers differ"},
      {"m^a", "ft^a", "an exponent that is no number"},
      {"m+s", "ft+s", "only *, / and ^ join units"},
      {"SIN(m)", "SIN(ft)", "no functions"},
      {"m$", "ft", "no expression"},
      {"(m", "ft", "unbalanced parenthesis"},
      {"m*", "ft*", "dangling operator"},
      {"", "m", "an empty unit"},
      {"widget", "gadget", "unknown units"},
      {"kms", "m", "too short for a plural"},
  };
  for (const auto& c : cases) {
    double value = 5;
    EXPECT_EQ(Convert(value, c.from, c.to), kBadArgument) << c.why;
    EXPECT_EQ(value, 5) << c.why;
  }
}

TEST_F(UnitConversionTest, AbbreviationPointsInUnitTexts) {
  double value = 1;
  EXPECT_EQ(Convert(value, "ft.", "in"), kNoError);
  EXPECT_PRED3(Near, value, 12, kExactDefinition);
  value = 2;
  EXPECT_EQ(Convert(value, "ft./s", "in/s"), kNoError);
  EXPECT_PRED3(Near, value, 24, kExactDefinition);
}

TEST_F(UnitConversionTest, NamePairsDropAPluralOrAPointOnce) {
  const ConversionCase cases[] = {
      {1, "ft.", "in", 12, kExactDefinition},
      {1, "yards", "ft.", 3, kExactDefinition},
      {1, "mins", "s", 60, kExactDefinition},
      {1, "lbs", "oz", 16, kExactDefinition},  // a row of its own
  };
  for (const ConversionCase& c : cases) {
    double factor = 0;
    EXPECT_EQ(UnitNameFactor(CurrentUnitGraph(), c.from, c.to, -1, factor), kNoError) << c.from;
    EXPECT_PRED3(Near, factor, c.expected, c.tolerance) << c.from << " -> " << c.to;
  }
  double factor = 0;
  EXPECT_EQ(UnitNameFactor(CurrentUnitGraph(), "ft..", "in", -1, factor), kBadArgument);
}

TEST_F(UnitConversionTest, ConvertInExpressions) {
  Outcome mile = Run("CONVERT(1, \"mi\", \"m\")");
  ASSERT_EQ(mile.parseCode, kNoError);
  EXPECT_EQ(mile.evalCode, kNoError);
  EXPECT_PRED3(Near, mile.value, 1609.344, kExactDefinition);

  EXPECT_PRED3(Near, Run("2*CONVERT(100, \"degC\", \"degF\")").value, 424, kExactDefinition);
  EXPECT_EQ(Run("CONVERT(1, \"m\", \"kg\")").evalCode, kBadArgument);
  EXPECT_EQ(Run("CONVERT(1, m, ft)").parseCode, kUnrecognizedFunction);
  EXPECT_EQ(Run("CONVERT(1, \"m\")").parseCode, kWrongArgumentCount);
  // A unit given as a number or a variable is no unit text.
  EXPECT_EQ(Run("CONVERT(1, 2, \"m\")").evalCode, kBadArgument);
  engine_.AppendVariable("m", 1);
  EXPECT_EQ(Run("CONVERT(1, m, \"ft\")").evalCode, kBadArgument);
}

// A parsed call sees every later change of the user conversions: it is never folded into
// a constant, which the first successful evaluation would otherwise make it.
TEST_F(UnitConversionTest, UserConversionsJoinTheGraph) {
  AddUserConversion("furlong", "widget", 3);
  engine_.SetExpression("CONVERT(1, \"mi\", \"widget\")");
  ASSERT_EQ(engine_.Parse(), kNoError);
  EXPECT_PRED3(Near, engine_.Evaluate(), 24, kExactDefinition);  // 8 furlongs a mile
  EXPECT_EQ(engine_.EvaluationError(), kNoError);

  ASSERT_EQ(SetConversionFactor(0, 4), kNoError);
  EXPECT_PRED3(Near, engine_.Evaluate(), 32, kExactDefinition);

  ASSERT_EQ(DeleteUserConversion(0), kNoError);
  engine_.Evaluate();
  EXPECT_EQ(engine_.EvaluationError(), kBadArgument);
}

TEST_F(UnitConversionTest, ChangedConversionsMustNotDuplicateAPath) {
  AddUserConversion("widget", "", 0);  // as the conversion page adds one
  AddUserConversion("gizmo", "", 0);
  const struct {
    bool setFrom;
    int index;
    const char* text;
    CalcError expected;
    const char* why;
  } steps[] = {
      {false, 0, "furlong", kNoError, "widget is new"},
      {false, 1, "mi", kNoError, "gizmo is new"},
      {false, 0, "chain", kNoError, "widget reached chain only through the pair replaced"},
      {false, 0, "CHAIN", kNoError, "the unchanged pair, in another case"},
      {true, 0, "yd", kConversionExists, "yd and chain are predefined and connected"},
      {true, 0, "gizmo", kConversionExists, "gizmo, mi and chain are connected"},
      {true, 0, "  sprocket ", kNoError, "a new name, trimmed"},
      {false, 1, "bolt", kNoError, "gizmo alone now"},
      {true, 1, "BOLT", kConversionExists, "texts equal but for case"},
      {false, 1, "degC", kNoError, "gizmo alone again"},
      {true, 1, "degree F", kConversionExists, "temperatures convert by their rule"},
      {true, 1, "", kNoError, "an empty side is no conversion yet"},
      {true, 2, "m", kInvalidName, "no such conversion"},
      {false, -1, "m", kInvalidName, "no such conversion"},
  };
  for (const auto& step : steps) {
    const CalcError code = step.setFrom ? SetConversionFrom(step.index, step.text)
                                        : SetConversionTo(step.index, step.text);
    EXPECT_EQ(code, step.expected) << step.why;
  }
  ASSERT_EQ(UserConversionCount(), 2);
  EXPECT_EQ(UserConversions()[0].from, "sprocket");
  EXPECT_EQ(UserConversions()[0].to, "CHAIN");  // the refused changes left it alone
  EXPECT_EQ(UserConversions()[1].from, "");
  EXPECT_EQ(UserConversions()[1].to, "degC");
  EXPECT_EQ(UnitRelations().size(), 277u);
}

TEST_F(UnitConversionTest, FactorsAndDeletionOfUserConversions) {
  AddUserConversion("widget", "m", 0);
  AddUserConversion("gadget", "widget", 2);
  EXPECT_EQ(SetConversionFactor(0, 0.5), kNoError);
  double value = 1;
  EXPECT_EQ(Convert(value, "gadget", "cm"), kNoError);
  EXPECT_PRED3(Near, value, 100, kExactDefinition);
  EXPECT_EQ(SetConversionFactor(2, 1), kInvalidName);

  ASSERT_EQ(DeleteUserConversion(0), kNoError);
  EXPECT_EQ(DeleteUserConversion(1), kInvalidName);
  ASSERT_EQ(UserConversionCount(), 1);
  EXPECT_EQ(UserConversions()[0].from, "gadget");
  value = 1;
  EXPECT_EQ(Convert(value, "gadget", "cm"), kBadArgument);
}

// A user conversion with the factor 0 (typed in before its factor) must not crash or hang
// a search that crosses it backwards.
TEST_F(UnitConversionTest, ZeroFactorGivesAnInfiniteValue) {
  AddUserConversion("widget", "m", 0);
  double value = 1;
  EXPECT_EQ(Convert(value, "m", "widget"), kNoError);
  EXPECT_TRUE(std::isinf(value));
  EXPECT_EQ(Run("CONVERT(1, \"m\", \"widget\")").evalCode, kNumberOutOfRange);
}

// 200 user conversions among new units and length units of the table, chosen at random but
// with consistent factors: whichever path the search finds, it must give the one right
// factor, and units outside the lengths must stay unreachable. Without a bound on the
// search this graph takes longer than any test run.
TEST_F(UnitConversionTest, DenseUserGraphFindsConsistentFactors) {
  struct Unit {
    std::string name;
    double metres;
  };
  std::vector<Unit> units = {{"m", 1},
                             {"km", 1000},
                             {"cm", 0.01},
                             {"in", 0.0254},
                             {"ft", 0.3048},
                             {"yd", 0.9144},
                             {"mi", 1609.344},
                             {"nautical mile", 1852},
                             {"furlong", 201.168},
                             {"rod", 5.0292},
                             {"fathom", 1.8288},
                             {"link", 0.201168}};
  std::uint32_t seed = 12345;
  auto next = [&seed] {
    seed = seed * 1664525u + 1013904223u;  // a fixed LCG: the same graph on every run
    return seed >> 8;
  };
  for (int i = 0; i < 60; ++i) {
    units.push_back({"u" + std::to_string(i), 0.001 + (next() % 100000) / 100.0});
  }
  for (int k = 0; k < 200; ++k) {
    const Unit& a = units[next() % units.size()];
    const Unit& b = units[next() % units.size()];
    AddUserConversion(a.name, b.name, a.metres / b.metres);
  }
  const std::size_t tableUnits = 12;
  int reached = 0;
  for (std::size_t i = 0; i < units.size(); ++i) {
    const Unit& a = units[i];
    for (std::size_t j = 0; j < units.size(); ++j) {
      const Unit& b = units[j];
      double value = 1;
      const CalcError code = Convert(value, a.name, b.name);
      // A new unit may have been left out by the draw; the lengths of the table never are.
      if (code == kBadArgument && (i >= tableUnits || j >= tableUnits)) continue;
      ASSERT_EQ(code, kNoError) << a.name << " -> " << b.name;
      EXPECT_PRED3(Near, value, a.metres / b.metres, 1e-9) << a.name << " -> " << b.name;
      ++reached;
    }
    double value = 1;
    EXPECT_EQ(Convert(value, a.name, "kg"), kBadArgument) << a.name;
    EXPECT_EQ(Convert(value, a.name, "nowhere"), kBadArgument) << a.name;
  }
  EXPECT_GT(reached, static_cast<int>(units.size() * units.size() / 2));
}

TEST(UnitTableTest, ListOrderAndSortedView) {
  const auto rows = PredefinedRelations();
  ASSERT_EQ(rows.size(), 275u);
  EXPECT_EQ(rows.front().from, "km");
  EXPECT_EQ(rows.front().to, "m");
  EXPECT_EQ(rows.front().factor, 1000);
  EXPECT_EQ(rows[21].from, "hand");
  EXPECT_EQ(rows[21].factor, 0.1016);
  EXPECT_EQ(rows.back().from, "roentgen");
  EXPECT_EQ(rows.back().to, "R");

  // Sorted by from-unit without regard to case; equal from-units in list order.
  const auto sorted = PredefinedRelationsByFrom();
  ASSERT_EQ(sorted.size(), rows.size());
  auto listIndex = [&rows](const UnitRelationRow& row) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      if (rows[i].from == row.from && rows[i].to == row.to) return static_cast<int>(i);
    }
    return -1;
  };
  std::vector<bool> seen(rows.size(), false);
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    const int index = listIndex(sorted[i]);
    ASSERT_GE(index, 0) << sorted[i].from;
    EXPECT_FALSE(seen[index]) << sorted[i].from;
    seen[index] = true;
    if (i == 0) continue;
    const int order = CompareNoCase(sorted[i - 1].from, sorted[i].from);
    EXPECT_LE(order, 0) << sorted[i - 1].from << " before " << sorted[i].from;
    if (order == 0) {
      EXPECT_LT(listIndex(sorted[i - 1]), index) << sorted[i].from;
    }
  }
}

}  // namespace
}  // namespace orvella::test
