// The standard deviation each point of a fitted table is weighted by (weight 1/sigma^2).
#pragma once

#include <vector>

#include "analysis/data_table.h"

namespace orvella {

// One sigma per row, 0-based. A table without an error column, and any row whose error is
// zero or negative, take 5% of the row's y: the fit then weighs relative errors. A point
// where that is zero too (y = 0) would get an infinite weight and pull the curve through
// itself, so it takes 5% of the mean |y| of the table instead (1 when every y is 0).
std::vector<double> FitSigmas(const CDataTable& table);

}  // namespace orvella
