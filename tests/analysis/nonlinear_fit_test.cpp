// The nonlinear fit: its model (parameters, derivatives, validation), the
// Levenberg-Marquardt run with held parameters and its limits, the report, the
// "Initial Values" dialog model, the recent models and the "Nonlinear Fit..." command.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/initial_values_model.h"
#include "analysis/nonlinear_fit.h"
#include "analysis/nonlinear_model.h"
#include "project/document_fixture.h"
#include "engine/bound_variables.h"
#include "engine/symbol_store.h"
#include "engine/user_names.h"
#include "platform/fake/memory_settings_store.h"
#include "project/my_document.h"
#include "project/nonlinear_fit_command.h"
#include "table_fixture.h"

namespace orvella {
namespace {

using test::MakeXYTable;

// y = 2 e^(0.5 x) at x = 0..5: the exponential model's exact solution is a = 2, b = 0.5.
CDataTable ExponentialTable() {
  std::vector<double> x;
  std::vector<double> y;
  for (int i = 0; i <= 5; ++i) {
    x.push_back(i);
    y.push_back(2.0 * std::exp(0.5 * i));
  }
  CDataTable table = MakeXYTable(x, y);
  table.SetName("Growth");
  return table;
}

class NonlinearFitTest : public ::testing::Test {
 protected:
  NonlinearFitTest() {
    ResetBoundVariables();
    fit.SetTable(&table);
  }

  CDataTable table = ExponentialTable();
  NonlinearFit fit;
};

TEST(NonlinearModelTest, ValidationCodes) {
  struct Case {
    const char* equation;
    CalcError code;
  };
  const Case cases[] = {
      {"a*exp(b*x)", kNoError},
      {"a*X+b", kNoError},           // x in any case
      {"a*b", kVariableXRequired},   // no x
      {"a*x+y", kReservedName},      // y, z and t are bound variables of their own
      {"t*x", kReservedName},
      {"3*x", kFitParameterRequired},
      {"a*x!", kInvalidFunction},    // no derivative rule for the factorial
      {"a*(x", kUnbalancedParenthesis},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ValidateFitEquation(c.equation), c.code) << c.equation;
  }
}

TEST(NonlinearModelTest, ParametersInOrderOfFirstAppearanceWithTheirDerivatives) {
  ResetBoundVariables();
  NonlinearModel model;
  ASSERT_EQ(model.Load("c*x+a*exp(b*x)"), kNoError);
  ASSERT_EQ(model.ParameterCount(), 3);
  EXPECT_EQ(model.ParameterName(0), "c");
  EXPECT_EQ(model.ParameterName(1), "a");
  EXPECT_EQ(model.ParameterName(2), "b");
  // The other parameters are variables of the derivative engine, not constants.
  EXPECT_EQ(model.DerivativeText(2), "a*exp(b*x)*x");

  const std::vector<double> values = {1.0, 2.0, 0.5};
  model.SetParameters(values);
  double y = 0.0;
  std::vector<double> gradient(3);
  ASSERT_EQ(model.Value(2.0, y), kNoError);
  ASSERT_EQ(model.Gradient(2.0, gradient), kNoError);
  EXPECT_DOUBLE_EQ(y, 2.0 + 2.0 * std::exp(1.0));
  EXPECT_DOUBLE_EQ(gradient[0], 2.0);
  EXPECT_DOUBLE_EQ(gradient[1], std::exp(1.0));
  EXPECT_DOUBLE_EQ(gradient[2], 2.0 * std::exp(1.0) * 2.0);
}

TEST(NonlinearModelTest, OutOfRangeIsToleratedOtherErrorsAreNot) {
  ResetBoundVariables();
  NonlinearModel model;
  ASSERT_EQ(model.Load("exp(a*x)"), kNoError);
  double y = 0.0;
  std::vector<double> gradient(1);
  model.SetParameters(std::vector<double>{1000.0});
  EXPECT_EQ(model.Value(1.0, y), kNoError);
  EXPECT_EQ(y, 1e300);
  EXPECT_EQ(model.Gradient(1.0, gradient), kNoError);

  ASSERT_EQ(model.Load("ln(a)*x"), kNoError);
  model.SetParameters(std::vector<double>{-1.0});
  EXPECT_EQ(model.Value(1.0, y), kNonPositiveLogarithm);
}

TEST_F(NonlinearFitTest, ExponentialFitFromAutomaticStart) {
  ASSERT_EQ(fit.SetEquation("  a*exp(b*x) "), kNoError);
  EXPECT_EQ(fit.Equation(), "a*exp(b*x)");
  fit.SetModelName("Exponential");
  ASSERT_EQ(fit.Run(), kNoError);
  EXPECT_NEAR(fit.FittedValue(0), 2.0, 1e-9);
  EXPECT_NEAR(fit.FittedValue(1), 0.5, 1e-9);
  EXPECT_DOUBLE_EQ(fit.InitialValue(0), 1.5);
  EXPECT_DOUBLE_EQ(fit.InitialValue(1), 1.82);
  EXPECT_GT(fit.Uncertainty(0), 0.0);
  EXPECT_LT(fit.ChiSquare(), 1e-12);
  EXPECT_GT(fit.Iterations(), 10);  // ten quiet steps end the fit

  CResultReport report;
  fit.FillReport(report, CNumberFormat(NumberFormatType::General, 5));
  EXPECT_EQ(report.title, "Nonlinear fit of Growth");
  EXPECT_EQ(report.resultText, "Exponential Fit of Growth");
  EXPECT_EQ(report.columnWidths[0], 200);
  EXPECT_EQ(report.columnWidths[1], 400);
  // Each row as indent + label + kind (n number, i integer, t text).
  std::vector<std::string> rows;
  for (const ReportEntry& entry : report.entries) {
    const char kind = "nit"[static_cast<int>(entry.kind)];
    rows.push_back((entry.indented ? "  " : "") + entry.label + "|" + kind);
  }
  const std::vector<std::string> expected = {
      "|t",           "Data Table: |t",  "Fit Model: |t",
      "Fit Equation: |t", "Fit Results: |t", "  a|n",
      "  b|n",        "Uncertainties: |t", "  a|n",
      "  b|n",        "95% Confidence Intervals:|t", "  a|t",
      "  b|t",        "Initial Values: |t", "  a|n",
      "  b|n",        "Chi Square: |n",  "Iterations: |i"};
  EXPECT_EQ(rows, expected);
  EXPECT_EQ(report.entries[1].text, "Growth");
  EXPECT_EQ(report.entries[3].text, "y = a*exp(b*x)");
  EXPECT_DOUBLE_EQ(report.entries[14].value, 1.5);
  EXPECT_DOUBLE_EQ(report.entries[15].value, 1.82);
  EXPECT_EQ(report.entries[17].value, fit.Iterations());
  // The interval is a +- t * uncertainty with t of 4 degrees of freedom (6 rows, 2 parameters).
  const double h = 2.7764451051977987 * fit.Uncertainty(0);
  const CNumberFormat format(NumberFormatType::General, 5);
  EXPECT_EQ(report.entries[11].text,
            format.Format(fit.FittedValue(0) - h) + " to " + format.Format(fit.FittedValue(0) + h));
}

TEST_F(NonlinearFitTest, HeldParameterStaysAndIsMarked) {
  // Holding the first parameter: the covariance of b must move out of the top-left corner.
  ASSERT_EQ(fit.SetEquation("a*exp(b*x)"), kNoError);
  fit.SetConstant(0, true);
  fit.SetAuto(0, false);
  fit.SetInitialValue(0, 2.0);
  ASSERT_EQ(fit.Run(), kNoError);
  EXPECT_EQ(fit.FittedValue(0), 2.0);
  EXPECT_NEAR(fit.FittedValue(1), 0.5, 1e-9);
  EXPECT_DOUBLE_EQ(fit.InitialValue(1), 1.82);
  EXPECT_EQ(fit.Uncertainty(0), 0.0);
  EXPECT_EQ(fit.Covariance()(1, 2), 0.0);
  EXPECT_GT(fit.Uncertainty(1), 0.0);

  CResultReport report;
  fit.FillReport(report, CNumberFormat());
  EXPECT_EQ(report.entries[14].label, "a (constant)");
  EXPECT_EQ(report.entries[14].value, 2.0);
  EXPECT_EQ(report.entries[15].label, "b");
}

TEST_F(NonlinearFitTest, EveryParameterHeldPrintsTheStartingCurve) {
  ASSERT_EQ(fit.SetEquation("a*exp(b*x)"), kNoError);
  for (int i = 0; i < 2; ++i) {
    fit.SetAuto(i, false);
    fit.SetConstant(i, true);
  }
  fit.SetInitialValue(0, 2.0);
  fit.SetInitialValue(1, -0.25);
  ASSERT_EQ(fit.Run(), kNoError);
  EXPECT_EQ(fit.FittedEquation(), "(2)*exp((-0.25)*x)");
}

TEST_F(NonlinearFitTest, IterationLimitEndsTheFitAfterItsFirstStep) {
  ASSERT_EQ(fit.SetEquation("a*exp(b*x)"), kNoError);
  for (int limit : {2, 1, 0}) {
    fit.SetIterationLimit(limit);
    EXPECT_EQ(fit.Run(), kMaxIterationsExceeded) << limit;
    EXPECT_EQ(fit.Iterations(), 2) << limit;
  }
}

TEST_F(NonlinearFitTest, TrialStepIntoALogarithmEndsTheFit) {
  // y = -5 x with the model x*ln(b): the first step from b = 1.5 goes below zero.
  CDataTable falling = MakeXYTable({1, 2, 3, 4}, {-5, -10, -15, -20});
  fit.SetTable(&falling);
  ASSERT_EQ(fit.SetEquation("x*ln(b)"), kNoError);
  EXPECT_EQ(fit.Run(), kNonPositiveLogarithm);
}

TEST_F(NonlinearFitTest, TooFewRowsAndEmptyEquation) {
  EXPECT_EQ(fit.Run(), kNoError);  // no equation: nothing to fit
  CDataTable two = MakeXYTable({1, 2}, {3, 4});
  fit.SetTable(&two);
  ASSERT_EQ(fit.SetEquation("a*x"), kNoError);
  EXPECT_EQ(fit.Run(), kTooFewDataPoints);
}

TEST_F(NonlinearFitTest, NewEquationResetsParametersSameEquationKeepsThem) {
  ASSERT_EQ(fit.SetEquation("a*exp(b*x)"), kNoError);
  fit.SetAuto(0, false);
  fit.SetInitialValue(0, 7.0);
  ASSERT_EQ(fit.SetEquation("A*EXP(B*X)"), kNoError);
  EXPECT_EQ(fit.InitialValue(0), 7.0);
  EXPECT_FALSE(fit.IsAuto(0));

  EXPECT_EQ(fit.SetEquation("a*b"), kVariableXRequired);
  EXPECT_EQ(fit.Equation(), "a*exp(b*x)");
  ASSERT_EQ(fit.SetEquation("a+b*x+c*x^2"), kNoError);
  ASSERT_EQ(fit.ParameterCount(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(fit.InitialValue(i), 1.0);
    EXPECT_TRUE(fit.IsAuto(i));
    EXPECT_FALSE(fit.IsConstant(i));
  }
}

// --- the "Initial Values" dialog model ---

TEST_F(NonlinearFitTest, DialogRowsFollowAutoAndConstant) {
  ASSERT_EQ(fit.SetEquation("a*exp(b*x)"), kNoError);
  fit.SetAuto(1, false);
  fit.SetInitialValue(1, 0.123456789);
  InitialValuesModel dialog(fit);
  EXPECT_EQ(dialog.PageCount(), 1);
  const InitialValueRow a = dialog.Row(0);
  EXPECT_TRUE(a.visible);
  EXPECT_EQ(a.label, "a");
  EXPECT_EQ(a.valueText, "1");
  EXPECT_TRUE(a.autoValue);
  EXPECT_FALSE(a.valueEnabled);
  EXPECT_EQ(dialog.Row(1).valueText, "0.123457");
  EXPECT_TRUE(dialog.Row(1).valueEnabled);
  EXPECT_FALSE(dialog.Row(2).visible);
  EXPECT_FALSE(dialog.Row(19).visible);

  dialog.SetConstant(0, true);  // Constant clears Auto and opens the field
  EXPECT_TRUE(dialog.Row(0).constant);
  EXPECT_FALSE(dialog.Row(0).autoValue);
  EXPECT_TRUE(dialog.Row(0).valueEnabled);
  dialog.SetAuto(0, false);  // unchecking Auto clears Constant too
  EXPECT_FALSE(dialog.Row(0).constant);
  EXPECT_TRUE(dialog.Row(0).valueEnabled);
  dialog.SetConstant(0, true);
  dialog.SetAuto(0, true);
  EXPECT_FALSE(dialog.Row(0).constant);
  EXPECT_FALSE(dialog.Row(0).valueEnabled);
  dialog.SetConstant(0, true);
  dialog.SetValueText(0, "2.5e1");

  dialog.Apply(fit);
  EXPECT_TRUE(fit.IsConstant(0));
  EXPECT_FALSE(fit.IsAuto(0));
  EXPECT_EQ(fit.InitialValue(0), 25.0);
  // A field left as shown keeps the value it stood for, not its six digits.
  EXPECT_EQ(fit.InitialValue(1), 0.123456789);
}

TEST_F(NonlinearFitTest, DialogStoresIterationLimitsFromOneToTenThousand) {
  ASSERT_EQ(fit.SetEquation("a*x"), kNoError);
  struct Case {
    const char* text;
    int stored;
  };
  const Case cases[] = {{"1", 1}, {"10000", 10000}, {" 250 ", 250}, {"0", 100},
                        {"10001", 100}, {"-5", 100}, {"abc", 100}, {"12.5", 100}};
  for (const Case& c : cases) {
    fit.SetIterationLimit(100);
    InitialValuesModel dialog(fit);
    EXPECT_EQ(dialog.IterationText(), "100");
    dialog.SetIterationText(c.text);
    dialog.Apply(fit);
    EXPECT_EQ(fit.IterationLimit(), c.stored) << c.text;
  }
}

TEST_F(NonlinearFitTest, DialogPagesThroughMoreThanTwentyParameters) {
  std::string equation = "p0";
  for (int i = 1; i < 23; ++i) equation += "+p" + std::to_string(i) + "*x^" + std::to_string(i);
  ASSERT_EQ(fit.SetEquation(equation + "*x"), kNoError);
  ASSERT_EQ(fit.ParameterCount(), 23);
  InitialValuesModel dialog(fit);
  EXPECT_EQ(dialog.PageCount(), 2);
  dialog.ShowPage(5);
  EXPECT_EQ(dialog.Page(), 1);
  EXPECT_EQ(dialog.Row(0).label, "p20");
  EXPECT_TRUE(dialog.Row(2).visible);
  EXPECT_FALSE(dialog.Row(3).visible);
  dialog.SetConstant(2, true);
  dialog.SetValueText(2, "4");
  dialog.SetConstant(3, true);  // a hidden row ignores its boxes
  dialog.ShowPage(0);
  dialog.SetAuto(0, false);
  dialog.Apply(fit);
  EXPECT_TRUE(fit.IsConstant(22));
  EXPECT_EQ(fit.InitialValue(22), 4.0);
  EXPECT_FALSE(fit.IsAuto(0));
  EXPECT_TRUE(fit.IsAuto(21));
}

// --- recent models ---

EquationModel Model(const char* name, const char* equation = "a*x") {
  return EquationModel{"Category", name, equation, "", ""};
}

std::string Names(const std::vector<RecentFitModel>& recent) {
  std::string names;
  for (const RecentFitModel& r : recent) names += r.name + "=" + r.equation + " ";
  return names;
}

TEST(RecentFitTest, MostRecentFirstAtMostTen) {
  std::vector<RecentFitModel> recent;
  RememberRecentFit(recent, Model("A"));
  RememberRecentFit(recent, Model("B"));
  EXPECT_EQ(Names(recent), "B=a*x A=a*x ");
  EXPECT_EQ(recent[0].listName, "Category");
  RememberRecentFit(recent, Model("a", "a*x^2"));  // moves to the front, replaced
  EXPECT_EQ(Names(recent), "a=a*x^2 B=a*x ");
  RememberRecentFit(recent, Model("A", "b*x"));  // first: only the equation changes
  EXPECT_EQ(Names(recent), "A=b*x B=a*x ");

  for (char c = 'C'; c <= 'J'; ++c) RememberRecentFit(recent, Model(std::string(1, c).c_str()));
  ASSERT_EQ(recent.size(), 10u);
  EXPECT_EQ(recent.back().name, "B");
  RememberRecentFit(recent, Model("K"));
  ASSERT_EQ(recent.size(), 10u);
  EXPECT_EQ(recent.front().name, "K");
  EXPECT_EQ(recent.back().name, "A");
  RememberRecentFit(recent, Model("A"));  // known and full: moves, nothing dropped
  EXPECT_EQ(recent.size(), 10u);
  EXPECT_EQ(recent.front().name, "A");
  EXPECT_EQ(recent.back().name, "C");
}

// --- the command ---

class NonlinearFitCommandTest : public test::ConnectedDocumentTest {
 protected:
  void SelectTable(CDataTable table) {
    auto owned = std::make_unique<CDataTable>(std::move(table));
    const std::string name = owned->Name();
    ASSERT_TRUE(document.AddTable(std::move(owned)));
    explorer.SelectNode(explorer.FindItemNode(ItemKind::DataTable, name));
    ASSERT_EQ(document.Selection().kind, ItemKind::DataTable);
  }
};

TEST_F(NonlinearFitCommandTest, AddsTheFittedDataGraph) {
  SelectTable(ExponentialTable());
  document.Settings().dataAnalysis.maxIterations = 250;
  std::unique_ptr<NonlinearFit> fit = BeginNonlinearFit(document, prompter);
  ASSERT_NE(fit, nullptr);
  EXPECT_EQ(fit->IterationLimit(), 250);

  const EquationModel model{"Exponential", "Growth model", "a*exp(b*x)", "", ""};
  ASSERT_EQ(FinishNonlinearFit(document, prompter, model, *fit), kNoError);
  EXPECT_TRUE(prompter.messages.empty());
  ASSERT_EQ(document.DataPlot().GraphCount(), 1);
  const CGraph2D& graph = document.DataPlot().Graph(0);
  EXPECT_EQ(graph.Name(), "Growth model Fit of Growth");
  EXPECT_FALSE(graph.IsEditable());
  EXPECT_EQ(graph.Type(), GraphType2D::kRectangular);
  EXPECT_EQ(graph.Expr1(), fit->FittedEquation());
  EXPECT_EQ(graph.DomainMin(), 0.0);
  EXPECT_EQ(graph.DomainMax(), 5.0);
  EXPECT_EQ(graph.DataTable(), &document.Tables().At(0));
  ASSERT_NE(graph.Results(), nullptr);
  EXPECT_EQ(graph.Results()->title, "Nonlinear fit of Growth");
  ASSERT_EQ(document.Settings().recentFits.size(), 1u);
  EXPECT_EQ(document.Settings().recentFits[0].equation, "a*exp(b*x)");

  // The printed fitted curve is the curve: it evaluates to the data.
  CCalcEngine engine;
  engine.SetExpression(graph.Expr1());
  ASSERT_EQ(engine.Parse(), kNoError);
  EXPECT_NEAR(engine.EvaluateAt(4.0), 2.0 * std::exp(2.0), 1e-9);
}

TEST_F(NonlinearFitCommandTest, TooFewRowsBeforeAndAfterTheModelDialog) {
  CDataTable one = MakeXYTable({1}, {2});
  one.SetName("One");
  SelectTable(std::move(one));
  EXPECT_EQ(BeginNonlinearFit(document, prompter), nullptr);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0], kTooFewRowsToFit);

  CDataTable two = MakeXYTable({1, 2}, {2, 3});
  two.SetName("Two");
  SelectTable(std::move(two));
  std::unique_ptr<NonlinearFit> fit = BeginNonlinearFit(document, prompter);
  ASSERT_NE(fit, nullptr);
  EXPECT_EQ(FinishNonlinearFit(document, prompter, Model("Line"), *fit), kTooFewDataPoints);
  EXPECT_EQ(prompter.messages.back(), ErrorText(kTooFewDataPoints));
  EXPECT_EQ(document.DataPlot().GraphCount(), 0);

  EXPECT_EQ(FinishNonlinearFit(document, prompter, Model("Bad", "y*x"), *fit), kReservedName);
  EXPECT_EQ(prompter.messages.back(), "Reserved name");
}

}  // namespace
}  // namespace orvella
