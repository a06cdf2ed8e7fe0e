// Solver models: the equation rewritten into an expression with its variables, the root
// scan over the model's interval, the report of a solution, and the document's operations
// that add, find and solve models.
#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "project/document_fixture.h"
#include "engine/symbol_store.h"
#include "engine/user_names.h"
#include "platform/fake/memory_settings_store.h"
#include "platform/fake/memory_text_editor.h"
#include "project/my_document.h"
#include "project/solver_commands.h"
#include "tools/solver_model.h"
#include "tools/solver_report.h"

namespace orvella {
namespace {

std::vector<std::string> VariableNames(const CSolverModel& model) {
  std::vector<std::string> names;
  for (const ValueVariable& variable : model.Variables()) names.push_back(variable.name);
  return names;
}

void SetValue(CSolverModel& model, std::string_view name, double value) {
  const int index = model.FindVariable(name);
  ASSERT_GE(index, 0) << name;
  model.Variables()[index].value = value;
}

TEST(SolverModelTest, EquationBecomesLeftMinusRightWithVariablesInOrder) {
  CSolverModel model;
  ASSERT_EQ(model.SetEquation("  v = a*t + v0  "), kNoError);
  EXPECT_EQ(model.Equation(), "v = a*t + v0");
  EXPECT_EQ(model.Expression(), "v-(a*t + v0)");
  // t is the equation's own variable, not the bound one the plots share.
  EXPECT_EQ(VariableNames(model), (std::vector<std::string>{"v", "a", "t", "v0"}));

  // Without "=" the text itself is solved for zero; a name met again in other letters is
  // the same variable. Values start at 0 whenever the equation is set.
  SetValue(model, "a", 5);
  ASSERT_EQ(model.SetEquation("X*x - Y"), kNoError);
  EXPECT_EQ(model.Expression(), "X*x - Y");
  EXPECT_EQ(VariableNames(model), (std::vector<std::string>{"X", "Y"}));
  EXPECT_EQ(model.Variables()[0].value, 0.0);

  // Only the first "=" splits; the rest belongs to the right side and fails to parse.
  EXPECT_NE(model.SetEquation("a = b = c"), kNoError);
}

TEST(SolverModelTest, InvalidEquationsFailAndLeaveTheModelAsItWas) {
  CSolverModel model;
  ASSERT_EQ(model.SetEquation("a = b"), kNoError);
  SetValue(model, "b", 4);

  struct Case {
    const char* text;
    CalcError code;
  };
  const Case cases[] = {
      {"", kInvalidEquation},      {"   ", kInvalidEquation}, {"= 5", kInvalidEquation},
      {"y =", kInvalidEquation},   {"2 = 2", kInvalidEquation}, {"pi*2 = sin(1)", kInvalidEquation},
      {"(a = 2", kUnbalancedParenthesis},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(model.SetEquation(c.text), c.code) << c.text;
    EXPECT_EQ(model.Equation(), "a = b") << c.text;
    EXPECT_EQ(VariableNames(model), (std::vector<std::string>{"a", "b"})) << c.text;
  }
  // The old equation still solves, with the value it was given.
  std::vector<double> roots;
  model.min = -10;
  model.max = 10;
  ASSERT_EQ(model.Solve(0, roots), kNoError);
  EXPECT_NEAR(model.Variables()[0].value, 4, 1e-5);
}

// A model over [min, max] in `steps` pieces, its variables given in order of appearance.
struct SolveCase {
  const char* equation;
  std::vector<double> values;
  int unknown;
  double min;
  double max;
  int steps;
  std::vector<double> roots;
};

TEST(SolverModelTest, ScanFindsEveryRootInOrderAndSetsTheFirst) {
  const SolveCase cases[] = {
      {"v = a*t + v0", {10, 4, 0, 3}, 2, -100, 100, 200, {1.75}},
      {"v = a*t + v0", {10, 3, 1.5, 0}, 3, -100, 100, 200, {5.5}},
      {"x^2 = 2", {0}, 0, -10, 10, 200, {-1.414214, 1.414214}},
      // Roots on the boundary between two pieces come once from each side.
      {"x^2 = 0.25", {0}, 0, -1, 1, 100, {-0.5, -0.5, 0.5, 0.5}},
      // The last piece ends exactly at max, whatever the rounding of the piece width.
      {"x = 9.99", {0}, 0, 0, 10, 200, {9.99}},
      {"x = 10", {0}, 0, 0, 10, 200, {10}},
      {"sin(w) = 0", {0}, 0, 1, 10, 50, {3.141593, 6.283185, 9.424778}},
  };
  for (const SolveCase& c : cases) {
    CSolverModel model;
    ASSERT_EQ(model.SetEquation(c.equation), kNoError) << c.equation;
    for (std::size_t i = 0; i < c.values.size(); ++i) model.Variables()[i].value = c.values[i];
    model.min = c.min;
    model.max = c.max;
    model.SetSolverSteps(c.steps);
    std::vector<double> roots{99.0};  // what was there before goes
    ASSERT_EQ(model.Solve(c.unknown, roots), kNoError) << c.equation;
    ASSERT_EQ(roots.size(), c.roots.size()) << c.equation;
    for (std::size_t i = 0; i < roots.size(); ++i) {
      EXPECT_NEAR(roots[i], c.roots[i], model.Tolerance()) << c.equation << " root " << i;
    }
    EXPECT_EQ(model.Variables()[c.unknown].value, roots.front()) << c.equation;
  }
}

TEST(SolverModelTest, FailuresOfTheScan) {
  CSolverModel model;
  ASSERT_EQ(model.SetEquation("x^2 = -1"), kNoError);
  model.Variables()[0].value = 7;
  std::vector<double> roots;
  model.min = -10;
  model.max = 10;
  EXPECT_EQ(model.Solve(0, roots), kNoSolutionsFound);
  EXPECT_TRUE(roots.empty());
  EXPECT_EQ(model.Variables()[0].value, 7);  // no root: the given value stays

  EXPECT_EQ(model.Solve(1, roots), kBadArgument);
  EXPECT_EQ(model.Solve(-1, roots), kBadArgument);
  const std::pair<double, double> badIntervals[] = {
      {3, 3}, {5, 3}, {std::nan(""), 1}, {-1.7e308, 1.7e308}};
  for (const auto& [min, max] : badIntervals) {
    model.min = min;
    model.max = max;
    EXPECT_EQ(model.Solve(0, roots), kBadArgument) << min << " .. " << max;
  }

  // A pole is a sign change but no root.
  ASSERT_EQ(model.SetEquation("1/x = 0"), kNoError);
  model.min = -1;
  model.max = 1;
  model.SetSolverSteps(3);
  EXPECT_EQ(model.Solve(0, roots), kNoSolutionsFound);
}

TEST(SolverModelTest, ScanStaysBoundedAndUsesAFallbackTolerance) {
  CSolverModel model;
  ASSERT_EQ(model.SetEquation("x = 1E20 + 5E4"), kNoError);
  // Pieces narrower than the spacing of doubles there: the scan still ends.
  model.min = 1e20;
  model.max = 1e20 + 1e5;
  model.SetSolverSteps(10000);
  std::vector<double> roots;
  const CalcError code = model.Solve(0, roots);
  EXPECT_TRUE(code == kNoError || code == kNoSolutionsFound) << code;

  // 16 places ask for a tolerance finer than the search can use: it falls back to 1E-5.
  ASSERT_EQ(model.SetEquation("x^2 = 2"), kNoError);
  model.SetSolverDecimalPlaces(16);
  model.min = 0;
  model.max = 10;
  model.SetSolverSteps(200);
  ASSERT_EQ(model.Solve(0, roots), kNoError);
  ASSERT_EQ(roots.size(), 1u);
  EXPECT_NEAR(roots[0], 1.4142136, 1e-5);
}

TEST(SolverReportTest, RowsInOrder) {
  CSolverModel model;
  ASSERT_EQ(model.SetEquation("y = a*x^2 + b"), kNoError);
  SetValue(model, "a", 1);
  SetValue(model, "b", 2);
  const CResultReport report = SolverReport(model, model.FindVariable("x"), {-1.5, 1.5});

  struct Row {
    const char* label;
    ReportEntryKind kind;
    bool indented;
    const char* text;
    double value;
  };
  const Row expected[] = {
      {"Equation: ", ReportEntryKind::kText, false, "y = a*x^2 + b", 0},
      {"Solving for: ", ReportEntryKind::kText, false, "x", 0},
      {"Given parameters: ", ReportEntryKind::kText, false, "", 0},
      {"y = ", ReportEntryKind::kNumber, true, "", 0},
      {"a = ", ReportEntryKind::kNumber, true, "", 1},
      {"b = ", ReportEntryKind::kNumber, true, "", 2},
      {"Solutions found: ", ReportEntryKind::kInteger, false, "", 2},
      {"x = ", ReportEntryKind::kNumber, true, "", -1.5},
      {"x = ", ReportEntryKind::kNumber, true, "", 1.5},
  };
  EXPECT_EQ(report.title, "Solver solution");
  ASSERT_EQ(report.entries.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const ReportEntry& entry = report.entries[i];
    EXPECT_EQ(entry.label, expected[i].label) << i;
    EXPECT_EQ(entry.kind, expected[i].kind) << i;
    EXPECT_EQ(entry.indented, expected[i].indented) << i;
    EXPECT_EQ(entry.text, expected[i].text) << i;
    EXPECT_EQ(entry.value, expected[i].value) << i;
  }
}

class SolverCommandsTest : public test::ConnectedDocumentTest {
 protected:
  CSolverModel& Model(int index) { return *doc().Solvers()[index]; }
  void Select(const std::string& equation) {
    explorer.SelectNode(explorer.Add(ItemKind::SolverModel, equation));
  }
};

TEST_F(SolverCommandsTest, AddTakesTheDefaultsWithTheirLimits) {
  doc().Settings().solverDefaults = {.max = 5, .min = -5, .steps = 0, .decimalPlaces = 20};
  ASSERT_EQ(AddSolverModel(doc(), "  a = b ", "  speed  "), kNoError);
  doc().Settings().solverDefaults = {.max = 3, .min = 3, .steps = 20000, .decimalPlaces = 16};
  ASSERT_EQ(AddSolverModel(doc(), "c = d", ""), kNoError);

  ASSERT_EQ(doc().Solvers().size(), 2u);
  EXPECT_EQ(Model(0).Equation(), "a = b");
  EXPECT_EQ(Model(0).note, "speed");
  EXPECT_EQ(Model(0).min, -5);
  EXPECT_EQ(Model(0).max, 5);
  EXPECT_EQ(Model(0).SolverSteps(), 1);
  EXPECT_EQ(Model(0).SolverDecimalPlaces(), 2);
  EXPECT_DOUBLE_EQ(Model(0).Tolerance(), 0.01);
  // An empty default interval leaves the search everywhere.
  EXPECT_EQ(Model(1).min, -1E300);
  EXPECT_EQ(Model(1).max, 1E300);
  EXPECT_EQ(Model(1).SolverSteps(), 10000);
  EXPECT_EQ(Model(1).SolverDecimalPlaces(), 16);

  EXPECT_EQ(FindSolverModel(doc(), "  C = D "), 1);
  EXPECT_EQ(FindSolverModel(doc(), "c=d"), -1);
}

TEST_F(SolverCommandsTest, AddRefusesEmptyDuplicateAndInvalidEquations) {
  ASSERT_EQ(AddSolverModel(doc(), "a = b", ""), kNoError);
  EXPECT_EQ(AddSolverModel(doc(), "   ", "note"), kInvalidEquation);
  EXPECT_EQ(AddSolverModel(doc(), " A = B", ""), kNameExists);
  EXPECT_EQ(AddSolverModel(doc(), "= 5", ""), kInvalidEquation);
  EXPECT_EQ(AddSolverModel(doc(), "2 = 2", ""), kInvalidEquation);
  EXPECT_EQ(AddSolverModel(doc(), "a = (b", ""), kUnbalancedParenthesis);
  EXPECT_EQ(doc().Solvers().size(), 1u);
}

TEST_F(SolverCommandsTest, SolveForWritesTheReportAtTheEndOfTheWorksheet) {
  worksheet.SetText("1+1");
  ASSERT_EQ(AddSolverModel(doc(), "v = a*t + v0", ""), kNoError);
  Select("v = a*t + v0");
  SetValue(Model(0), "v", 10);
  SetValue(Model(0), "a", 4);
  SetValue(Model(0), "v0", 3);
  Model(0).min = -10;
  Model(0).max = 10;

  ASSERT_EQ(SolveFor(doc(), 2), kNoError);
  EXPECT_NEAR(Model(0).Variables()[2].value, 1.75, Model(0).Tolerance());
  EXPECT_EQ(worksheet.Text(),
            "1+1\n"
            "' Solver solution\n"
            "Equation: v = a*t + v0\n"
            "Solving for: t\n"
            "Given parameters: \n"
            "    v = 10\n"
            "    a = 4\n"
            "    v0 = 3\n"
            "Solutions found: 1\n"
            "    t = 1.75\n");

  // A failure writes nothing.
  Model(0).max = -20;
  EXPECT_EQ(SolveFor(doc(), 2), kBadArgument);
  ASSERT_EQ(AddSolverModel(doc(), "x^2 = -1", ""), kNoError);
  Select("x^2 = -1");
  EXPECT_EQ(SolveFor(doc(), 0), kNoSolutionsFound);
  EXPECT_EQ(worksheet.Text().find("Solver solution", 20), std::string::npos);
}

TEST_F(SolverCommandsTest, SolveForNeedsASelectedModel) {
  ASSERT_EQ(AddSolverModel(doc(), "x^2 = 2", ""), kNoError);
  EXPECT_EQ(SolveFor(doc(), 0), kBadArgument);
  explorer.SelectNode(explorer.Add(ItemKind::SolverModels, "Solver models"));
  EXPECT_EQ(SolveFor(doc(), 0), kBadArgument);

  // Without a worksheet the model is still solved.
  doc().ConnectWorksheet(nullptr);
  Select("x^2 = 2");
  Model(0).min = 0;
  Model(0).max = 10;
  ASSERT_EQ(SolveFor(doc(), 0), kNoError);
  EXPECT_NEAR(Model(0).Variables()[0].value, 1.414214, Model(0).Tolerance());
}

}  // namespace
}  // namespace orvella
