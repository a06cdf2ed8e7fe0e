// The linear regression: the weights, each model's transforms on exact data, the report,
// the fitted equation, the command that adds the data graph, and NIST's certified sets.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/fit_weights.h"
#include "analysis/linear_fit.h"
#include "engine/bound_variables.h"
#include "engine/calc_engine.h"
#include "engine/locale_chars.h"
#include "engine/symbol_store.h"
#include "platform/fake/memory_settings_store.h"
#include "project/document_fixture.h"
#include "project/linear_fit_command.h"
#include "project/my_document.h"
#include "table_fixture.h"

namespace orvella {
namespace {

using test::MakeXYTable;

// t(0.975) with one degree of freedom, tan(0.475 pi).
constexpr double kT975OneDegree = 12.706204736174705;

CDataTable WithErrorColumn(CDataTable table, const std::vector<double>& sigmas) {
  table.SetErrorColumn(true);
  for (int row = 0; row < static_cast<int>(sigmas.size()); ++row) {
    table.SetCell(2, row, sigmas[row]);
  }
  return table;
}

CDataTable NamedTable(CDataTable table, const std::string& name) {
  table.SetName(name);
  return table;
}

TEST(FitSigmasTest, RelativeErrorsUnlessTheErrorColumnGivesOne) {
  struct Case {
    const char* what;
    CDataTable table;
    std::vector<double> expected;
  };
  const CDataTable plain = MakeXYTable({1, 2, 3, 4}, {2, -4, 0, 10});
  // Mean |y| = 4: the y = 0 row takes 5% of it, not a weight of ~1E58.
  const Case cases[] = {
      {"no error column", plain, {0.1, -0.2, 0.2, 0.5}},
      {"errors given; zero and negative ones fall back to 5% of y",
       WithErrorColumn(plain, {0.3, 0.0, -1.0, 7.0}), {0.3, -0.2, 0.2, 7.0}},
      {"every y zero", MakeXYTable({1, 2, 3}, {0, 0, 0}), {1.0, 1.0, 1.0}},
  };
  for (const Case& c : cases) {
    const std::vector<double> sigmas = FitSigmas(c.table);
    ASSERT_EQ(sigmas.size(), c.expected.size()) << c.what;
    for (std::size_t i = 0; i < sigmas.size(); ++i) {
      EXPECT_DOUBLE_EQ(sigmas[i], c.expected[i]) << c.what << ", row " << i;
    }
  }
}

// Evaluates the fitted equation as the plot would.
double EvaluateEquation(CCalcEngine& engine, const std::string& equation, double x) {
  engine.SetExpression(equation);
  EXPECT_EQ(engine.Parse(), kNoError) << equation;
  const double value = engine.EvaluateAt(x);
  EXPECT_EQ(engine.EvaluationError(), kNoError) << equation << " at " << x;
  return value;
}

TEST(LinearFitTest, EveryModelRecoversTheCurveOfExactData) {
  struct Case {
    int code;
    std::vector<double> x;
    std::function<double(double)> curve;
    std::vector<double> parameters;
  };
  const std::vector<double> xs = {0.5, 1, 2, 3, 4.5, 6};
  const Case cases[] = {
      {0, xs, [](double x) { return 1.5 - 2 * x; }, {1.5, -2}},
      {1, xs, [](double x) { return 3 + 0.5 * std::log(x); }, {3, 0.5}},
      {2, xs, [](double x) { return 2 * std::pow(3.0, x); }, {2, 3}},
      {2, xs, [](double x) { return 5 * std::pow(0.5, x); }, {5, 0.5}},
      {3, xs, [](double x) { return 4 * std::pow(x, -1.5); }, {4, -1.5}},
      {4, xs, [](double x) { return 2 * x * x - 3 * x + 1; }, {2, -3, 1}},
      {5, xs, [](double x) { return x * x * x - 2 * x + 7; }, {1, 0, -2, 7}},
      {6, xs, [](double x) { return 0.5 * std::pow(x, 4) - x * x * x + 3; }, {0.5, -1, 0, 0, 3}},
  };
  ScopedConvention convention(kUsConvention);
  CCalcEngine engine;
  for (const Case& c : cases) {
    std::vector<double> y;
    for (double x : c.x) y.push_back(c.curve(x));
    const CDataTable table = MakeXYTable(c.x, y);
    LinearFit fit(table);
    ASSERT_TRUE(fit.SetModel(c.code));
    CResultReport report;
    ASSERT_EQ(fit.Run(report, CNumberFormat(NumberFormatType::General, 5)), kNoError)
        << fit.Model().name;
    ASSERT_EQ(fit.Parameters().size(), c.parameters.size());
    for (std::size_t j = 0; j < c.parameters.size(); ++j) {
      EXPECT_NEAR(fit.Parameters()[j], c.parameters[j], 1e-9) << fit.Model().name << " " << j;
    }
    // The equation the graph draws goes through the data.
    for (std::size_t i = 0; i < c.x.size(); ++i) {
      EXPECT_NEAR(EvaluateEquation(engine, fit.FittedEquation(), c.x[i]), y[i],
                  1e-9 * (1 + std::fabs(y[i])))
          << fit.FittedEquation();
    }
  }
}

std::vector<std::string> ReportLines(const CResultReport& report) {
  std::vector<std::string> lines;
  std::istringstream text(ReportText(report, CNumberFormat(NumberFormatType::General, 5)));
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  return lines;
}

TEST(LinearFitTest, ExactLineReportsRowsInOrderWithOneDegreeOfFreedom) {
  const CDataTable table = NamedTable(MakeXYTable({1, 2, 3}, {3, 5, 7}), "T");
  LinearFit fit(table);
  CResultReport report;
  const CNumberFormat format(NumberFormatType::Number, 4);
  ASSERT_EQ(fit.Run(report, format), kNoError);
  EXPECT_NEAR(fit.Parameters()[0], 1.0, 1e-12);
  EXPECT_NEAR(fit.Parameters()[1], 2.0, 1e-12);
  EXPECT_NEAR(fit.ChiSquare(), 0.0, 1e-20);
  EXPECT_EQ(fit.DegreesOfFreedom(), 1);
  EXPECT_EQ(fit.FittedEquation(), "(1)+(2)*x");

  const std::vector<std::string> lines = ReportLines(report);
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[0], "' Linear Fit of T");
  EXPECT_EQ(lines[1], "Fit to equation: a+b*x");
  EXPECT_EQ(lines[2], "Result: ");
  EXPECT_EQ(lines[3], "    a = 1");
  EXPECT_EQ(lines[4], "    b = 2");
  EXPECT_EQ(lines[5], "Uncertainties: ");
  EXPECT_EQ(lines[8], "95% Confidence Intervals:");

  // The interval of b: t with n - m = 1 degree of freedom times sqrt(covar[2][2]).
  const double deviation = std::sqrt(fit.Covariance()(2, 2));
  EXPECT_DOUBLE_EQ(report.entries[6].value, deviation);
  EXPECT_EQ(report.entries[9].text, format.Format(2 - kT975OneDegree * deviation) + " to " +
                                        format.Format(2 + kT975OneDegree * deviation));
  EXPECT_TRUE(report.entries[9].indented);
}

TEST(LinearFitTest, QuarticOfFivePointsRaisesTheDegreesOfFreedomToOne) {
  const CDataTable table = MakeXYTable({1, 2, 3, 4, 5}, {2, 1, 4, 3, 6});
  LinearFit fit(table);
  ASSERT_TRUE(fit.SetModel(6));
  CResultReport report;
  ASSERT_EQ(fit.Run(report, CNumberFormat()), kNoError);
  EXPECT_EQ(fit.DegreesOfFreedom(), 1);
  EXPECT_NEAR(fit.ChiSquare(), 0.0, 1e-12);  // five parameters through five points
}

TEST(LinearFitTest, ZeroErrorsFitLikeNoErrorColumn) {
  const CDataTable plain = MakeXYTable({1, 2, 3, 4}, {1.1, 3.9, 9.2, 15.8});
  const CDataTable zeros = WithErrorColumn(plain, {0, 0, 0, 0});
  LinearFit first(plain);
  LinearFit second(zeros);
  first.SetModel(4);
  second.SetModel(4);
  CResultReport report;
  ASSERT_EQ(first.Run(report, CNumberFormat()), kNoError);
  ASSERT_EQ(second.Run(report, CNumberFormat()), kNoError);
  EXPECT_EQ(first.Parameters(), second.Parameters());
  EXPECT_EQ(first.ChiSquare(), second.ChiSquare());
}

TEST(LinearFitTest, APointAtYZeroDoesNotPinTheLine) {
  // The rest lies on y = 10 + x. With sigma = 1e-30 the line would pass through (0, 0)
  // (a = 0); weighted like the others the point only pulls it down.
  const CDataTable table = MakeXYTable({0, 1, 2, 3, 4}, {0, 11, 12, 13, 14});
  LinearFit fit(table);
  CResultReport report;
  ASSERT_EQ(fit.Run(report, CNumberFormat()), kNoError);
  EXPECT_GT(fit.Parameters()[0], 3.0);
  EXPECT_LT(fit.Parameters()[0], 9.0);
  EXPECT_GT(fit.Parameters()[1], 1.0);
  EXPECT_LT(fit.Parameters()[1], 4.0);
  // The weights differ by a few times at most, so no point carries chi-square alone.
  EXPECT_GT(fit.ChiSquare(), 1.0);
}

TEST(LinearFitTest, BackTransformedParametersKeepTheirIntervalsOnTheirOwnScale) {
  // Noisy exponential data: the interval of a is that of ln a carried through exp, so its
  // ends lie a factor apart on either side of a, not a distance.
  const CDataTable table = MakeXYTable({0, 1, 2, 3, 4}, {2.1, 5.8, 18.5, 53, 165});
  LinearFit fit(table);
  fit.SetModel(2);
  CResultReport report;
  const CNumberFormat format(NumberFormatType::Scientific, 8);
  ASSERT_EQ(fit.Run(report, format), kNoError);
  const double a = fit.Parameters()[0];
  const double lnDeviation = std::sqrt(fit.Covariance()(1, 1));
  EXPECT_GT(lnDeviation, 0.0);
  ASSERT_EQ(report.entries.size(), 10u);
  EXPECT_DOUBLE_EQ(report.entries[5].value, a * lnDeviation);  // "Uncertainties" of a
  ASSERT_EQ(fit.DegreesOfFreedom(), 3);
  const double factor = std::exp(3.182446305284263 * lnDeviation);  // t(0.975), 3 degrees
  EXPECT_EQ(report.entries[8].text, format.Format(a / factor) + " to " +
                                        format.Format(a * factor));
}

TEST(LinearFitTest, FaultyDataGivesACodeAndLeavesTheReportEmpty) {
  struct Case {
    const char* what;
    CDataTable table;
    int model;
    CalcError expected;
  };
  const Case cases[] = {
      {"two rows", MakeXYTable({1, 2}, {1, 2}), 0, kTooFewDataPoints},
      {"fewer rows than parameters", MakeXYTable({1, 2, 3, 4}, {1, 2, 3, 5}), 6,
       kTooFewDataPoints},
      {"all x equal", MakeXYTable({2, 2, 2}, {1.3, 2.7, 3.1}), 0, kSingularMatrix},
      {"two distinct x for a quadratic", MakeXYTable({1, 1, 2, 2}, {1.7, 2.9, 3.3, 4.1}), 4,
       kSingularMatrix},
      {"logarithm of x = 0", MakeXYTable({0, 1, 2}, {1, 2, 3}), 1, kNonPositiveLogarithm},
      {"logarithm of y < 0", MakeXYTable({1, 2, 3}, {1, -2, 3}), 2, kNonPositiveLogarithm},
      {"power of x < 0", MakeXYTable({-1, 1, 2}, {1, 2, 3}), 3, kNonPositiveLogarithm},
      {"x^8 overflows", MakeXYTable({1, 2, 3, 4, 1e80}, {1, 2, 3, 4, 5}), 6, kNumberOutOfRange},
  };
  for (const Case& c : cases) {
    LinearFit fit(c.table);
    ASSERT_TRUE(fit.SetModel(c.model));
    CResultReport report;
    EXPECT_EQ(fit.Run(report, CNumberFormat()), c.expected) << c.what;
    EXPECT_TRUE(report.entries.empty()) << c.what;
    EXPECT_TRUE(report.title.empty()) << c.what;
  }
  const CDataTable table = MakeXYTable({1, 2, 3}, {1, 2, 3});
  LinearFit fit(table);
  EXPECT_FALSE(fit.SetModel(7));
  EXPECT_FALSE(fit.SetModel(-1));
  EXPECT_STREQ(fit.Model().name, "Straight line");
}

TEST(LinearFitTest, EquationCarriesFifteenDigitsInTheExpressionConvention) {
  const CDataTable table = MakeXYTable({0, 1, 2, 3}, {1.0 / 3, 1.0 / 3 + 1.5, 1.0 / 3 + 3,
                                                      1.0 / 3 + 4.5});
  LinearFit fit(table);
  CResultReport report;
  ASSERT_EQ(fit.Run(report, CNumberFormat()), kNoError);
  {
    ScopedConvention convention(kUsConvention);
    EXPECT_EQ(fit.FittedEquation(), "(0.333333333333333)+(1.5)*x");
  }
  ScopedConvention convention(kFrenchConvention);
  EXPECT_EQ(fit.FittedEquation(), "(0,333333333333333)+(1,5)*x");
}

// ---- the command ----

class LinearFitCommandTest : public test::ConnectedDocumentTest {
 protected:
  void SelectTable(const std::string& name, CDataTable table) {
    ASSERT_TRUE(document.AddTable(std::make_unique<CDataTable>(NamedTable(std::move(table),
                                                                          name))));
    explorer.SelectNode(explorer.FindItemNode(ItemKind::DataTable, name));
  }
};

TEST_F(LinearFitCommandTest, ExactLineAddsTheFittedDataGraph) {
  ScopedConvention convention(kUsConvention);
  SelectTable("T", MakeXYTable({2, 1, 3}, {5, 3, 7}));
  ASSERT_TRUE(LinearFitEnabled(document));
  EXPECT_EQ(RunLinearFit(document, prompter, LinearModelOfCommand(32864)), kNoError);

  ASSERT_EQ(document.DataPlot().GraphCount(), 1);
  const CGraph2D& graph = document.DataPlot().Graph(0);
  EXPECT_EQ(graph.Label(), "Linear fit - Straight line of T");
  EXPECT_EQ(graph.Expr1(), "(1)+(2)*x");
  EXPECT_EQ(graph.Type(), GraphType2D::kRectangular);
  EXPECT_DOUBLE_EQ(graph.DomainMin(), 1.0);
  EXPECT_DOUBLE_EQ(graph.DomainMax(), 3.0);
  EXPECT_EQ(graph.DataTable(), &document.Tables().At(0));
  EXPECT_FALSE(graph.IsEditable());
  ASSERT_NE(graph.Results(), nullptr);
  EXPECT_EQ(graph.Results()->title, "Linear Fit of T");
  EXPECT_EQ(graph.Results()->resultText, "Linear fit - Straight line of T");
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(LinearFitCommandTest, FailuresAreShownAndAddNothing) {
  SelectTable("Short", MakeXYTable({1, 2}, {3, 5}));
  EXPECT_EQ(RunLinearFit(document, prompter, 0), kTooFewDataPoints);
  SelectTable("Flat", MakeXYTable({4, 4, 4}, {3, 5, 6}));
  EXPECT_EQ(RunLinearFit(document, prompter, 0), kSingularMatrix);
  EXPECT_EQ(prompter.messages,
            (std::vector<std::string>{"Too few data points", "Singular matrix encountered"}));
  EXPECT_EQ(document.DataPlot().GraphCount(), 0);
}

TEST_F(LinearFitCommandTest, OnlyXYTablesAreFitted) {
  CDataTable fixed;
  fixed.SetUpColumns(TableLayout::kFixed, 2, 4);
  SelectTable("F", std::move(fixed));
  EXPECT_TRUE(LinearFitEnabled(document));
  EXPECT_EQ(RunLinearFit(document, prompter, 0), kNoError);
  EXPECT_EQ(document.DataPlot().GraphCount(), 0);
  EXPECT_TRUE(prompter.messages.empty());

  document.SelectNode(explorer.Add(ItemKind::None, "Lists"));
  EXPECT_FALSE(LinearFitEnabled(document));
  EXPECT_EQ(LinearModelOfCommand(32983), 6);
  EXPECT_EQ(LinearModelOfCommand(32976), -1);
}

// ---- NIST's certified linear regressions ----

struct CertifiedSet {
  std::vector<double> x;
  std::vector<double> y;
  std::vector<double> estimates;   // B0, B1, ...
  std::vector<double> deviations;  // their standard deviations
  double residualDeviation = 0.0;
};

// The .dat layout: certified rows "Bk estimate deviation", a row "Standard Deviation r"
// under "Residual", and after the line "Data: y x" one "y x" pair per line.
CertifiedSet ReadCertifiedSet(const std::string& name) {
  CertifiedSet set;
  std::ifstream file(std::string(ORVELLA_TEST_DATA) + "/strd/linear/" + name + ".dat");
  EXPECT_TRUE(file.good()) << name;
  bool inData = false;
  for (std::string line; std::getline(file, line);) {
    std::istringstream words(line);
    std::string first;
    words >> first;
    if (inData) {
      double y = 0.0;
      double x = 0.0;
      std::istringstream pair(line);
      if (pair >> y >> x) {
        set.y.push_back(y);
        set.x.push_back(x);
      }
    } else if (first == "Data:") {
      std::string column;
      inData = (words >> column) && column == "y";  // not the header's "Data: 1 Response"
    } else if (first.size() >= 2 && first[0] == 'B' &&
               std::isdigit(static_cast<unsigned char>(first[1]))) {
      double estimate = 0.0;
      double deviation = 0.0;
      if (words >> estimate >> deviation) {
        set.estimates.push_back(estimate);
        set.deviations.push_back(deviation);
      }
    } else if (first == "Standard") {
      std::string word;
      words >> word;
      words >> set.residualDeviation;
    }
  }
  return set;
}

double CorrectDigits(double computed, double certified) {
  const double error = std::fabs(computed - certified);
  if (error == 0.0) return 16.0;
  return std::min(16.0, -std::log10(error / std::fabs(certified)));
}

TEST(LinearFitNistTest, CertifiedSetsAgreeToTenDigits) {
  struct Case {
    const char* name;
    int model;
    // Position of B0, B1, ... among the model's parameters (a*x^2+b*x+c holds B2, B1, B0).
    std::vector<int> order;
  };
  const Case cases[] = {
      {"Norris", 0, {0, 1}},
      {"Pontius", 4, {2, 1, 0}},
  };
  for (const Case& c : cases) {
    const CertifiedSet set = ReadCertifiedSet(c.name);
    ASSERT_EQ(set.estimates.size(), c.order.size()) << c.name;
    ASSERT_GT(set.residualDeviation, 0.0) << c.name;
    // An error column of ones turns the weighted fit into the ordinary one.
    const CDataTable table =
        WithErrorColumn(MakeXYTable(set.x, set.y), std::vector<double>(set.x.size(), 1.0));
    LinearFit fit(table);
    ASSERT_TRUE(fit.SetModel(c.model));
    CResultReport report;
    ASSERT_EQ(fit.Run(report, CNumberFormat()), kNoError) << c.name;
    for (std::size_t k = 0; k < c.order.size(); ++k) {
      const int j = c.order[k];
      const double value = fit.Parameters()[j];
      // With sigma = 1 the covariance is not scaled by the residual variance.
      const double deviation = std::sqrt(fit.Covariance()(j + 1, j + 1));
      const double valueDigits = CorrectDigits(value, set.estimates[k]);
      const double deviationDigits =
          CorrectDigits(deviation, set.deviations[k] / set.residualDeviation);
      std::cout << c.name << " B" << k << ": value " << valueDigits << " digits, deviation "
                << deviationDigits << " digits\n";
      EXPECT_GE(valueDigits, 10.0) << c.name << " B" << k;
      EXPECT_GE(deviationDigits, 10.0) << c.name << " B" << k;
    }
  }
}

}  // namespace
}  // namespace orvella
