#include "analysis/list_comparison.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <utility>

#include "analysis/value_order.h"

namespace orvella {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool HasNaN(ValueSpan values) {
  return std::any_of(values.begin(), values.end(), [](double v) { return std::isnan(v); });
}

// The order-based statistics would otherwise depend on where a NaN happens to sort.
bool EitherHasNaN(ValueSpan first, ValueSpan second) { return HasNaN(first) || HasNaN(second); }

ComparisonResult AsResult(long double value) { return {kNoError, static_cast<double>(value)}; }

std::vector<double> SortedCopy(ValueSpan values) {
  std::vector<double> sorted(values.begin(), values.end());
  std::sort(sorted.begin(), sorted.end(),
            [](double a, double b) { return SortsBefore(a, b, false); });
  return sorted;
}

// --- Kendall's tau in n log n (Knight's method), so that a long list does not hang ---

// Pairs among `count` equal values.
std::int64_t PairsAmong(std::int64_t count) { return count * (count - 1) / 2; }

// Pairs of equal neighbours summed over the runs of equal values of a sorted range.
template <typename Equal>
std::int64_t TiedPairs(std::size_t size, Equal equal) {
  std::int64_t pairs = 0;
  for (std::size_t start = 0; start < size;) {
    std::size_t end = start + 1;
    while (end < size && equal(start, end)) ++end;
    pairs += PairsAmong(static_cast<std::int64_t>(end - start));
    start = end;
  }
  return pairs;
}

// Sorts `values` ascending and counts the pairs that were strictly out of order.
std::int64_t SortCountingInversions(std::vector<double>& values) {
  std::vector<double> buffer(values.size());
  std::int64_t inversions = 0;
  for (std::size_t width = 1; width < values.size(); width *= 2) {
    for (std::size_t lo = 0; lo + width < values.size(); lo += 2 * width) {
      const std::size_t mid = lo + width;
      const std::size_t hi = std::min(lo + 2 * width, values.size());
      std::size_t left = lo, right = mid, out = lo;
      while (left < mid && right < hi) {
        if (values[right] < values[left]) {
          inversions += static_cast<std::int64_t>(mid - left);
          buffer[out++] = values[right++];
        } else {
          buffer[out++] = values[left++];
        }
      }
      while (left < mid) buffer[out++] = values[left++];
      while (right < hi) buffer[out++] = values[right++];
      std::copy(buffer.begin() + lo, buffer.begin() + hi, values.begin() + lo);
    }
  }
  return inversions;
}

// --- Spearman ---

// Rank k for the k-th smallest value, tied values sharing their mean rank; each run of t
// equal values adds t^3 - t to `tieSum`.
std::vector<long double> Ranks(ValueSpan values, long double& tieSum) {
  std::vector<std::size_t> order(values.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::sort(order.begin(), order.end(),
            [&](std::size_t a, std::size_t b) { return values[a] < values[b]; });
  std::vector<long double> ranks(values.size());
  tieSum = 0.0L;
  for (std::size_t start = 0; start < order.size();) {
    std::size_t end = start + 1;
    while (end < order.size() && values[order[end]] == values[order[start]]) ++end;
    const long double meanRank = (static_cast<long double>(start + 1) + end) / 2.0L;
    for (std::size_t j = start; j < end; ++j) ranks[order[j]] = meanRank;
    const long double t = static_cast<long double>(end - start);
    tieSum += t * t * t - t;
    start = end;
  }
  return ranks;
}

// Sum of (x - mean x)(y - mean y) and the two sums of squares, for the paired statistics.
struct CrossSums {
  long double xy = 0.0L;
  long double xx = 0.0L;
  long double yy = 0.0L;
};

long double MeanOf(ValueSpan values) {
  long double sum = 0.0L;
  for (double v : values) sum += v;
  return sum / static_cast<long double>(values.size());
}

CrossSums SumCrossDeviations(ValueSpan first, ValueSpan second) {
  const long double meanX = MeanOf(first);
  const long double meanY = MeanOf(second);
  CrossSums sums;
  for (std::size_t i = 0; i < first.size(); ++i) {
    const long double dx = first[i] - meanX;
    const long double dy = second[i] - meanY;
    sums.xy += dx * dy;
    sums.xx += dx * dx;
    sums.yy += dy * dy;
  }
  return sums;
}

bool SameLength(ValueSpan first, ValueSpan second) { return first.size() == second.size(); }

constexpr ComparisonResult kLengthsDiffer{kArgumentsNotMatching, 0.0};

}  // namespace

ComparisonResult ChiSquare(ValueSpan observed, ValueSpan expected) {
  if (!SameLength(observed, expected)) return kLengthsDiffer;
  long double sum = 0.0L;
  for (std::size_t i = 0; i < observed.size(); ++i) {
    // A sum that stopped here would look like a valid result; say that it is not.
    if (!(expected[i] > 0.0)) return {kInvalidParameter, 0.0};
    const long double d = static_cast<long double>(observed[i]) - expected[i];
    sum += d * d / expected[i];
  }
  return AsResult(sum);
}

ComparisonResult FTest(ValueSpan first, ValueSpan second) {
  const double variance1 = ComputeMeanAndVariance(first).variance;
  const double variance2 = ComputeMeanAndVariance(second).variance;
  return {kNoError, variance1 > variance2 ? variance1 / variance2 : variance2 / variance1};
}

ComparisonResult KendallTau(ValueSpan first, ValueSpan second) {
  if (!SameLength(first, second)) return kLengthsDiffer;
  if (EitherHasNaN(first, second)) return {kNoError, kNaN};
  std::vector<std::pair<double, double>> pairs(first.size());
  for (std::size_t i = 0; i < first.size(); ++i) pairs[i] = {first[i], second[i]};
  std::sort(pairs.begin(), pairs.end());
  const std::int64_t xTies = TiedPairs(pairs.size(), [&](std::size_t a, std::size_t b) {
    return pairs[a].first == pairs[b].first;
  });
  const std::int64_t bothTies = TiedPairs(pairs.size(), [&](std::size_t a, std::size_t b) {
    return pairs[a] == pairs[b];
  });
  std::vector<double> ys(pairs.size());
  for (std::size_t i = 0; i < pairs.size(); ++i) ys[i] = pairs[i].second;
  // Sorted by x (ties by y), a pair out of order in y is exactly a discordant pair.
  const std::int64_t discordant = SortCountingInversions(ys);
  const std::int64_t yTies =
      TiedPairs(ys.size(), [&](std::size_t a, std::size_t b) { return ys[a] == ys[b]; });
  const std::int64_t all = PairsAmong(static_cast<std::int64_t>(pairs.size()));
  const long double s = static_cast<long double>(all - xTies - yTies + bothTies) -
                        2.0L * static_cast<long double>(discordant);
  return AsResult(s / (std::sqrt(static_cast<long double>(all - xTies)) *
                    std::sqrt(static_cast<long double>(all - yTies))));
}

ComparisonResult KolmogorovSmirnov(ValueSpan first, ValueSpan second) {
  if (EitherHasNaN(first, second)) return {kNoError, kNaN};
  const std::vector<double> x = SortedCopy(first);
  const std::vector<double> y = SortedCopy(second);
  const double n1 = static_cast<double>(x.size());
  const double n2 = static_cast<double>(y.size());
  std::size_t j1 = 0, j2 = 0;
  double f1 = 0.0, f2 = 0.0, distance = 0.0;
  while (j1 < x.size() && j2 < y.size()) {
    const double u = x[j1], v = y[j2];
    if (u <= v) f1 = static_cast<double>(++j1) / n1;
    if (v <= u) f2 = static_cast<double>(++j2) / n2;
    distance = std::max(distance, std::fabs(f2 - f1));
  }
  return {kNoError, distance};
}

ComparisonResult PairedTTest(ValueSpan first, ValueSpan second) {
  if (!SameLength(first, second)) return kLengthsDiffer;
  const MeanAndVariance a = ComputeMeanAndVariance(first);
  const MeanAndVariance b = ComputeMeanAndVariance(second);
  const long double n = static_cast<long double>(first.size());
  const long double covariance = SumCrossDeviations(first, second).xy / (n - 1.0L);
  const long double spread = (a.variance + b.variance - 2.0L * covariance) / n;
  return AsResult((a.mean - b.mean) / std::sqrt(spread));
}

ComparisonResult Correlation(ValueSpan first, ValueSpan second) {
  if (!SameLength(first, second)) return kLengthsDiffer;
  const CrossSums sums = SumCrossDeviations(first, second);
  return AsResult(sums.xy / std::sqrt(sums.xx * sums.yy));
}

ComparisonResult RankCorrelation(ValueSpan first, ValueSpan second) {
  if (!SameLength(first, second)) return kLengthsDiffer;
  if (EitherHasNaN(first, second)) return {kNoError, kNaN};
  long double sf = 0.0L, sg = 0.0L;
  const std::vector<long double> rankX = Ranks(first, sf);
  const std::vector<long double> rankY = Ranks(second, sg);
  long double d = 0.0L;
  for (std::size_t i = 0; i < rankX.size(); ++i) {
    d += (rankX[i] - rankY[i]) * (rankX[i] - rankY[i]);
  }
  const long double n = static_cast<long double>(rankX.size());
  const long double e = n * n * n - n;
  return AsResult((1.0L - (6.0L / e) * (d + (sf + sg) / 12.0L)) /
               std::sqrt((1.0L - sf / e) * (1.0L - sg / e)));
}

ComparisonResult StudentTTest(ValueSpan first, ValueSpan second) {
  const MeanAndVariance a = ComputeMeanAndVariance(first);
  const MeanAndVariance b = ComputeMeanAndVariance(second);
  const long double n1 = static_cast<long double>(first.size());
  const long double n2 = static_cast<long double>(second.size());
  const long double pooled =
      ((n1 - 1.0L) * a.variance + (n2 - 1.0L) * b.variance) / (n1 + n2 - 2.0L);
  return AsResult((a.mean - b.mean) / std::sqrt(pooled * (1.0L / n1 + 1.0L / n2)));
}

ComparisonResult UnequalTTest(ValueSpan first, ValueSpan second) {
  const MeanAndVariance a = ComputeMeanAndVariance(first);
  const MeanAndVariance b = ComputeMeanAndVariance(second);
  const long double n1 = static_cast<long double>(first.size());
  const long double n2 = static_cast<long double>(second.size());
  return AsResult((a.mean - b.mean) / std::sqrt(a.variance / n1 + b.variance / n2));
}

const std::array<ListComparisonInfo, kListComparisonCount>& ListComparisons() {
  static constexpr std::array<ListComparisonInfo, kListComparisonCount> kTable{{
      {ListComparison::kChiSquare, "Chi Square = ", true, &ChiSquare},
      {ListComparison::kFTest, "F-Test = ", false, &FTest},
      {ListComparison::kKendallTau, "Kendall's Tau = ", true, &KendallTau},
      {ListComparison::kKolmogorovSmirnov, "KS = ", false, &KolmogorovSmirnov},
      {ListComparison::kPairedTTest, "Paired t-test = ", true, &PairedTTest},
      {ListComparison::kCorrelation, "Correlation Coefficient = ", true, &Correlation},
      {ListComparison::kRankCorrelation, "Rank Correlation = ", true, &RankCorrelation},
      {ListComparison::kStudentTTest, "Student's t-test = ", false, &StudentTTest},
      {ListComparison::kUnequalTTest, "Unequal t-test = ", false, &UnequalTTest},
  }};
  return kTable;
}

CalcError CompareLists(const CDataList& first, const CDataList& second,
                       const std::vector<ListComparison>& tests, CResultReport& report) {
  report.Clear();
  report.resultText = "' Comparing two lists";
  report.AddText("List 1 : ", first.Name(), true);
  report.AddText("List 2 : ", second.Name(), true);
  for (const ListComparisonInfo& info : ListComparisons()) {
    if (std::find(tests.begin(), tests.end(), info.test) == tests.end()) continue;
    const ComparisonResult result = info.compute(ValuesOf(first), ValuesOf(second));
    if (result.error != kNoError) return result.error;
    report.AddNumber(std::string(info.reportLabel), result.value, true);
  }
  return kNoError;
}

}  // namespace orvella
