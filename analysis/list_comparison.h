// "Compare Lists...": nine statistics that compare two lists of values. Only the statistics
// are computed; no probabilities are reported.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "analysis/data_list.h"
#include "analysis/statistics.h"
#include "engine/calc_error.h"
#include "worksheet/result_report.h"

namespace orvella {

// In the order of the report rows.
enum class ListComparison : int {
  kChiSquare,
  kFTest,
  kKendallTau,
  kKolmogorovSmirnov,
  kPairedTTest,
  kCorrelation,
  kRankCorrelation,
  kStudentTTest,
  kUnequalTTest,
};
inline constexpr int kListComparisonCount = 9;

struct ComparisonResult {
  CalcError error = kNoError;
  double value = 0.0;
};

using ComparisonFunction = ComparisonResult (*)(ValueSpan first, ValueSpan second);

struct ListComparisonInfo {
  ListComparison test;
  std::string_view reportLabel;
  // Paired tests compare value i of one list with value i of the other: equal lengths only.
  bool paired;
  ComparisonFunction compute;
};

// Indexed by ListComparison.
const std::array<ListComparisonInfo, kListComparisonCount>& ListComparisons();
inline const ListComparisonInfo& ComparisonInfo(ListComparison test) {
  return ListComparisons()[static_cast<int>(test)];
}

// The statistics. Paired ones return code 37 when the lengths differ. A variance or a
// count of 0 gives the infinity or NaN the formula gives; so does a NaN among the values.
// Chi square with the second list as the expected values; code 16 for an expected value
// that is 0 or negative, where the sum has no meaning.
ComparisonResult ChiSquare(ValueSpan observed, ValueSpan expected);
// Larger variance over smaller; variance2 / variance1 when they are equal.
ComparisonResult FTest(ValueSpan first, ValueSpan second);
// Kendall's tau with ties counted on either side (tau-b).
ComparisonResult KendallTau(ValueSpan first, ValueSpan second);
// The largest distance between the two empirical distribution functions; works on sorted
// copies, the values themselves are not reordered.
ComparisonResult KolmogorovSmirnov(ValueSpan first, ValueSpan second);
ComparisonResult PairedTTest(ValueSpan first, ValueSpan second);
// Pearson's r.
ComparisonResult Correlation(ValueSpan first, ValueSpan second);
// Spearman's rank correlation, tied values sharing their mean rank, with the tie corrections.
ComparisonResult RankCorrelation(ValueSpan first, ValueSpan second);
// Pooled-variance t.
ComparisonResult StudentTTest(ValueSpan first, ValueSpan second);
// Welch's t.
ComparisonResult UnequalTTest(ValueSpan first, ValueSpan second);

// Clears the report and fills it: result text "' Comparing two lists", the two names, one
// row per test in report order (whatever order `tests` has). The first failing test's code
// is returned; the report is then incomplete and should not be shown.
CalcError CompareLists(const CDataList& first, const CDataList& second,
                       const std::vector<ListComparison>& tests, CResultReport& report);

}  // namespace orvella
