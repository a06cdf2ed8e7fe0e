// Descriptive statistics of a run of values, and the mean and variance the list
// comparisons use. Sums are accumulated in long double, so that the cancellation in
// x - mean costs as little as the stored doubles allow.
#pragma once

#include <span>

#include "analysis/data_list.h"
#include "engine/calc_error.h"

namespace orvella {

using ValueSpan = std::span<const double>;

// The values of a list (slots 1..n), without the reserved slot 0.
inline ValueSpan ValuesOf(const CDataList& list) {
  return ValueSpan(list.Slots()).subspan(1);
}

// Code 52 for fewer than two values (`result` is then reset); otherwise 0 and every field
// filled. With all values equal the variance is 0 and so are skewness and kurtosis.
CalcError ComputeStatistics(ValueSpan values, ListStatistics& result);

struct MeanAndVariance {
  double mean = 0.0;
  double variance = 0.0;
};

// Two passes; the second subtracts (sum of d)^2 / m, which corrects the variance for the
// rounding of the mean. Fewer than two values give a NaN or infinite variance, as the
// formula does: the comparisons report that as it is.
MeanAndVariance ComputeMeanAndVariance(ValueSpan values);

}  // namespace orvella
