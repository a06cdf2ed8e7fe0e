#include "analysis/statistics.h"

#include <cmath>

#include "analysis/data_table.h"

namespace orvella {
namespace {

struct FirstPass {
  long double sum = 0.0L;
  long double sumOfSquares = 0.0L;
  double minimum = 0.0;
  double maximum = 0.0;
};

FirstPass SumAndRange(ValueSpan values) {
  FirstPass pass;
  pass.minimum = pass.maximum = values.front();
  for (double v : values) {
    pass.sum += v;
    pass.sumOfSquares += static_cast<long double>(v) * v;
    if (v < pass.minimum) pass.minimum = v;
    if (v > pass.maximum) pass.maximum = v;
  }
  return pass;
}

// The sums of the deviations d = v - mean and of their powers 1 to 4.
struct DeviationSums {
  long double d = 0.0L;
  long double absolute = 0.0L;
  long double squares = 0.0L;
  long double cubes = 0.0L;
  long double fourth = 0.0L;
};

DeviationSums SumDeviations(ValueSpan values, long double mean) {
  DeviationSums sums;
  for (double v : values) {
    const long double d = v - mean;
    const long double d2 = d * d;
    sums.d += d;
    sums.absolute += std::fabs(d);
    sums.squares += d2;
    sums.cubes += d2 * d;
    sums.fourth += d2 * d2;
  }
  return sums;
}

// The sum of d is 0 but for the rounding of the mean; taking it off recovers most of the
// digits that rounding lost.
long double CorrectedVariance(const DeviationSums& sums, long double n) {
  return (sums.squares - sums.d * sums.d / n) / (n - 1.0L);
}

}  // namespace

CalcError ComputeStatistics(ValueSpan values, ListStatistics& result) {
  result = ListStatistics{};
  if (values.size() < 2) return kTooFewDataPoints;
  const long double n = static_cast<long double>(values.size());
  const FirstPass first = SumAndRange(values);
  const long double mean = first.sum / n;
  const DeviationSums sums = SumDeviations(values, mean);
  const long double variance = CorrectedVariance(sums, n);
  const long double deviation = std::sqrt(variance);

  result.mean = static_cast<double>(mean);
  result.averageDeviation = static_cast<double>(sums.absolute / n);
  result.variance = static_cast<double>(variance);
  result.standardDeviation = static_cast<double>(deviation);
  if (variance != 0.0L) {
    result.skewness = static_cast<double>(sums.cubes / (n * variance * deviation));
    result.kurtosis = static_cast<double>(sums.fourth / (n * variance * variance) - 3.0L);
  }
  result.minimum = first.minimum;
  result.maximum = first.maximum;
  result.sum = static_cast<double>(first.sum);
  result.sumOfSquares = static_cast<double>(first.sumOfSquares);
  return kNoError;
}

MeanAndVariance ComputeMeanAndVariance(ValueSpan values) {
  const long double m = static_cast<long double>(values.size());
  long double sum = 0.0L;
  for (double v : values) sum += v;
  const long double mean = sum / m;
  const DeviationSums sums = SumDeviations(values, mean);
  return {static_cast<double>(mean), static_cast<double>(CorrectedVariance(sums, m))};
}

CalcError CDataList::ComputeStatistics() {
  return orvella::ComputeStatistics(ValuesOf(*this), statistics);
}

// Every column, so that a short column does not leave the others stale; the first
// failure is returned.
CalcError CDataTable::ComputeStatistics() {
  CalcError first = kNoError;
  for (CDataList& column : columns_) {
    const CalcError error = column.ComputeStatistics();
    if (first == kNoError) first = error;
  }
  return first;
}

}  // namespace orvella
