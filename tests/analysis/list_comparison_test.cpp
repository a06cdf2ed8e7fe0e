// The nine list comparisons against values worked by hand or taken from GSL's own
// implementations, their failures, the report they fill and the dialog's rules.
#include <gtest/gtest.h>
#include <gsl/gsl_statistics_double.h>

#include <cmath>
#include <random>
#include <vector>

#include "analysis/compare_lists_model.h"
#include "analysis/list_comparison.h"

namespace orvella {
namespace {

using Values = std::vector<double>;

double Statistic(ListComparison test, const Values& first, const Values& second) {
  const ComparisonResult result = ComparisonInfo(test).compute(first, second);
  EXPECT_EQ(result.error, kNoError);
  return result.value;
}

struct HandCase {
  ListComparison test;
  Values first;
  Values second;
  double expected;
  const char* why;
};

TEST(ListComparisonTest, StatisticsMatchHandWorkedValues) {
  const Values x5 = {1, 2, 3, 4, 5};  // mean 3, variance 2.5
  const Values y3 = {2, 4, 6};        // mean 4, variance 4
  const Values y5 = {2, 4, 5, 4, 5};  // ties: ranks 1, 2.5, 4.5, 2.5, 4.5
  const HandCase cases[] = {
      {ListComparison::kChiSquare, {10, 20, 30}, {15, 15, 30}, 10.0 / 3.0, "25/15 + 25/15 + 0"},
      {ListComparison::kFTest, x5, y3, 1.6, "4 / 2.5"},
      {ListComparison::kFTest, y3, x5, 1.6, "the larger variance on top"},
      {ListComparison::kStudentTTest, x5, y3, -0.7905694150420948,
       "s^2 = (4*2.5 + 2*4)/6 = 3; -1/sqrt(3*(1/5+1/3))"},
      {ListComparison::kUnequalTTest, x5, y3, -0.7385489458759964, "-1/sqrt(2.5/5 + 4/3)"},
      {ListComparison::kPairedTTest, {1, 2, 3, 4}, {2, 2, 5, 5}, -2.449489742783178,
       "differences -1 0 -2 -1: mean -1, variance 2/3; -1/sqrt(2/3/4)"},
      {ListComparison::kCorrelation, x5, y5, 0.7745966692414834, "6 / sqrt(10 * 6)"},
      {ListComparison::kRankCorrelation, x5, y5, 0.7378647873726218,
       "D = 5, sg = 12, e = 120: (1 - 0.05*(5 + 1)) / sqrt(0.9)"},
      {ListComparison::kKendallTau, x5, y5, 0.6708203932499369,
       "S = 7 - 1, two pairs tied in y: 6 / (sqrt(10) * sqrt(8))"},
      {ListComparison::kKolmogorovSmirnov, {4, 1, 3, 2}, {6, 3, 5, 4}, 0.5,
       "F1 - F2 = 0.5 on [2, 3)"},
      {ListComparison::kKolmogorovSmirnov, {1, 2, 2, 3}, {2, 3}, 0.25,
       "ties across the lists: F1 = .25/.75/1, F2 = 0/.5/1"},
      {ListComparison::kKolmogorovSmirnov, {1, 2, 3}, {10, 11}, 1.0, "disjoint"},
  };
  for (const HandCase& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_NEAR(Statistic(c.test, c.first, c.second), c.expected, 1e-14);
  }
}

TEST(ListComparisonTest, ProportionalListsCorrelatePerfectly) {
  const Values x = {1, 2, 3, 4}, y = {2, 4, 6, 8};
  for (ListComparison test : {ListComparison::kCorrelation, ListComparison::kRankCorrelation,
                              ListComparison::kKendallTau}) {
    EXPECT_DOUBLE_EQ(Statistic(test, x, y), 1.0);
  }
}

// Tie-heavy random data, where the rank statistics have the most to get wrong.
struct TiedData {
  Values x, y;
};
TiedData RandomTiedData(std::size_t n, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> level(0, 6);
  TiedData data;
  for (std::size_t i = 0; i < n; ++i) {
    const int a = level(random);
    data.x.push_back(a);
    data.y.push_back(a + level(random) / 2);
  }
  return data;
}

// Kendall's tau straight from its pair-by-pair definition.
double KendallByDefinition(const Values& x, const Values& y) {
  double s = 0, n1 = 0, n2 = 0;
  for (std::size_t j = 0; j < x.size(); ++j) {
    for (std::size_t k = j + 1; k < x.size(); ++k) {
      const double a = x[j] - x[k], b = y[j] - y[k];
      if (a * b != 0) {
        ++n1, ++n2;
        s += a * b > 0 ? 1 : -1;
      } else {
        n1 += a != 0;
        n2 += b != 0;
      }
    }
  }
  return s / (std::sqrt(n1) * std::sqrt(n2));
}

TEST(ListComparisonTest, TiedDataAgreeWithIndependentImplementations) {
  for (unsigned seed : {1u, 2u, 3u}) {
    const TiedData d = RandomTiedData(200 + seed, seed);
    const std::size_t n = d.x.size();
    std::vector<double> work(2 * n);
    EXPECT_NEAR(Statistic(ListComparison::kRankCorrelation, d.x, d.y),
                gsl_stats_spearman(d.x.data(), 1, d.y.data(), 1, n, work.data()), 1e-13);
    EXPECT_NEAR(Statistic(ListComparison::kCorrelation, d.x, d.y),
                gsl_stats_correlation(d.x.data(), 1, d.y.data(), 1, n), 1e-13);
    EXPECT_NEAR(Statistic(ListComparison::kKendallTau, d.x, d.y),
                KendallByDefinition(d.x, d.y), 1e-13);
  }
}

TEST(ListComparisonTest, BadInputGivesCodesOrNonFiniteValuesButNeverHangs) {
  // An expected value of 0 or below: error 16 rather than a sum cut short.
  EXPECT_EQ(ChiSquare(Values{1, 2, 3}, Values{1, 0, 2}).error, kInvalidParameter);
  EXPECT_EQ(ChiSquare(Values{1, 2}, Values{1, -2}).error, kInvalidParameter);
  for (const ListComparisonInfo& info : ListComparisons()) {
    SCOPED_TRACE(info.reportLabel);
    const ComparisonResult result = info.compute(Values{1, 2, 3}, Values{1, 2});
    EXPECT_EQ(result.error, info.paired ? kArgumentsNotMatching : kNoError);
  }
  const double nan = std::nan("");
  EXPECT_TRUE(std::isnan(KolmogorovSmirnov(Values{1, nan}, Values{2}).value));
  EXPECT_TRUE(std::isnan(KendallTau(Values{1, nan, 3}, Values{1, 2, 3}).value));
  EXPECT_TRUE(std::isnan(RankCorrelation(Values{1, nan, 3}, Values{1, 2, 3}).value));
  // Equal values: no variance to divide by.
  EXPECT_TRUE(std::isinf(StudentTTest(Values{1, 1}, Values{2, 2}).value));
  EXPECT_TRUE(std::isnan(FTest(Values{1, 1}, Values{2, 2}).value));
}

CDataList NamedList(const char* name, const Values& values) {
  CDataList list;
  list.SetName(name);
  for (double v : values) list.Append(v);
  return list;
}

TEST(ListComparisonTest, ReportRowsFollowTheFixedOrderAndListsKeepTheirOrder) {
  CDataList a = NamedList("A", {3, 1, 2, 4});
  CDataList b = NamedList("B", {8, 2, 6, 4});
  CResultReport report;
  ASSERT_EQ(CompareLists(a, b,
                         {ListComparison::kUnequalTTest, ListComparison::kKolmogorovSmirnov,
                          ListComparison::kCorrelation},
                         report),
            kNoError);
  EXPECT_EQ(ReportText(report, CNumberFormat(NumberFormatType::General, 5)),
            "' Comparing two lists\n    List 1 : A\n    List 2 : B\n    KS = 0.5\n"
            "    Correlation Coefficient = 0.4\n    Unequal t-test = -1.73205080756888");
  EXPECT_EQ(a.Value(1), 3.0);
  EXPECT_EQ(b.Value(1), 8.0);
  EXPECT_EQ(b.Value(4), 4.0);
}

TEST(CompareListsModelTest, PairedTestsFollowTheLengthsOfTwoDifferentLists) {
  CDataList four = NamedList("Four", {1, 2, 3, 4});
  CDataList three = NamedList("Three", {1, 2, 3});
  CDataList other = NamedList("Other", {5, 6, 7, 8});
  CCompareListsModel model({&four, &three, &other});
  EXPECT_EQ(model.ListNames(), (std::vector<std::string>{"Four", "Three", "Other"}));
  model.SelectSecond(1);
  for (const ListComparisonInfo& info : ListComparisons()) {
    EXPECT_EQ(model.IsEnabled(info.test), !info.paired) << info.reportLabel;
  }
  model.SelectFirst(1);  // the same list twice: the boxes keep their state
  EXPECT_FALSE(model.IsEnabled(ListComparison::kKendallTau));
  model.SelectSecond(2);
  model.SelectFirst(0);
  for (const ListComparisonInfo& info : ListComparisons()) {
    EXPECT_TRUE(model.IsEnabled(info.test)) << info.reportLabel;
  }
}

TEST(CompareListsModelTest, OkRefusesOneListTwiceAndRunsOnlyEnabledCheckedTests) {
  CDataList four = NamedList("Four", {1, 2, 3, 4});
  CDataList three = NamedList("Three", {1, 2, 3});
  CCompareListsModel model({&four, &three});
  CResultReport report;
  EXPECT_EQ(model.Apply(report), kSameListMessage);
  model.SelectSecond(1);
  model.SetChecked(ListComparison::kCorrelation, true);  // checked, then disabled
  model.SetChecked(ListComparison::kFTest, true);
  EXPECT_EQ(model.Apply(report), "");
  ASSERT_EQ(report.entries.size(), 3u);
  EXPECT_EQ(report.entries[2].label, "F-Test = ");
}

TEST(CompareListsModelTest, AFailingTestKeepsTheDialogOpenWithItsMessage) {
  CDataList observed = NamedList("O", {1, 2});
  CDataList expected = NamedList("E", {1, 0});
  CCompareListsModel model({&observed, &expected});
  model.SelectSecond(1);
  model.SetChecked(ListComparison::kChiSquare, true);
  CResultReport report;
  EXPECT_EQ(model.Apply(report), ErrorText(kInvalidParameter));
}

}  // namespace
}  // namespace orvella
